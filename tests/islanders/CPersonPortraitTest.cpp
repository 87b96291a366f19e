// The side panel's picture of an islander is combined once and kept until
// the face changes.
#include "CPersonSpritesFixture.h"

namespace {

using IslanderPortrait = SpritesTest;

TEST_F(IslanderPortrait, IsBuiltOnceForEveryStageAndRebuiltWhenTheFaceChanges)
{
    for (int years : {1, 8, 30}) {
        SCOPED_TRACE(years);
        CPerson* person = Dressed(looks{1, years});
        const sidebar_image first = person->GetSpriteForSidebar();
        ASSERT_NE(first.id, -1);
        EXPECT_TRUE(first.name.empty());
        EXPECT_EQ(first.shrink, -1);
        EXPECT_GT(CSprite::draw->GetSurface(first.id)->h, 30) << "body and head";
        EXPECT_EQ(person->GetSpriteForSidebar().id, first.id) << "kept";
        if (years >= 3) {
            const int face = person->currentMouth == person->mouthSets[0] ? 2 : 0;
            person->ChangeEmotion(face, -1);
            EXPECT_EQ(person->portraitImage, -1) << "dropped with the old face";
            EXPECT_NE(person->GetSpriteForSidebar().id, -1);
        }
        delete person;
    }
}

}  // namespace

namespace {

TEST_F(IslanderPortrait, TheQuitDialogGetsACopyOfAnAdultsPortraitAndNothingWithoutOne)
{
    int gender = -1;
    char name[64] = {};
    EXPECT_EQ(CPerson::FindRandomAdultImage(&gender, name), -1) << "no band";
    CPerson* child = Dressed(looks{1, 8});
    EXPECT_EQ(CPerson::FindRandomAdultImage(&gender, name), -1) << "children only";
    CPerson* adult = Dressed(looks{1, 30});
    const int copy = CPerson::FindRandomAdultImage(&gender, name);
    ASSERT_NE(copy, -1);
    EXPECT_NE(copy, adult->GetSpriteForSidebar().id) << "the caller owns its own copy";
    EXPECT_EQ(gender, adult->data.gender);
    EXPECT_STREQ(name, adult->GetASCIIName());
    CSprite::draw->RemoveImage(copy);
    delete adult;
    delete child;
}

}  // namespace
