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

// A turning head may swap the mood by setting the mouth directly, not
// through ChangeEmotion: that frame drops the portrait all the same, and
// a later ChangeEmotion back to the old face drops the new portrait too.
TEST_F(IslanderPortrait, IsDroppedOnTheFrameAHeadTurnSwapsTheMood)
{
    CPerson* person = Dressed(looks{0, 30});
    person->UnHide();
    person->AlterBodyDirection(FACING_NE);
    person->ChangeEmotion(0, 1000);
    person->Pump(0, 0, 1);  // the first frame takes on the looks of its stage
    CSprite** smile = person->currentMouth;
    ASSERT_NE(person->GetSpriteForSidebar().id, -1);

    InitRandom(11);
    for (int frame = 0; frame < 40 && person->currentMouth == smile; frame++) {
        person->emotionTimer = 0;
        person->headTurnTimer = 1000;
        person->headFrame = 0;
        person->targetHeadFrame = 2;
        person->Pump(0, 0, 1);
        if (person->currentMouth == smile) {
            EXPECT_NE(person->portraitImage, -1) << "kept while the face stays";
        }
    }
    ASSERT_NE(person->currentMouth, smile) << "the head turn never swapped the mood";
    EXPECT_EQ(person->portraitImage, -1) << "dropped with the old face";

    ASSERT_NE(person->GetSpriteForSidebar().id, -1);
    person->ChangeEmotion(0, 1000);
    EXPECT_EQ(person->portraitImage, -1) << "the smile is back, and the neutral portrait goes";
    delete person;
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
