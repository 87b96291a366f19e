// The side panel's picture of an islander: combined once and kept until the
// face changes, and at every stage one whole figure dressed as on the island.
#include "CPersonSpritesFixture.h"

#include <vector>

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

// An image's pixels, row by row, read once.
struct pixels {
    int w = 0, h = 0;
    std::vector<RGBA_data> at;

    explicit pixels(int image)
    {
        CDraw* draw = CSprite::draw;
        SDL_Surface* surface = draw->GetSurface(image);
        w = surface->w;
        h = surface->h;
        draw->LockImage(image);
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                RGBA_data colour{};
                SDL_GetRGBA(draw->getpixel(image, x, y), surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
                at.push_back(colour);
            }
        }
        draw->UnlockImage(image);
    }

    const RGBA_data& operator()(int x, int y) const { return at[static_cast<size_t>(y * w + x)]; }
};

// The regions the picture's visible pixels (any alpha above 0) form, a
// pixel joining the four beside, above and below it (not those corner to
// corner): a figure drawn whole is one.
int Regions(const pixels& picture)
{
    std::vector<bool> seen(picture.at.size(), false);
    int regions = 0;
    for (int start = 0; start < static_cast<int>(picture.at.size()); start++) {
        if (seen[start] || picture.at[start].a == 0) {
            continue;
        }
        regions++;
        std::vector<int> open{start};
        seen[start] = true;
        while (!open.empty()) {
            const int at = open.back();
            open.pop_back();
            const int x = at % picture.w, y = at / picture.w;
            const coordinate beside[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const coordinate& n : beside) {
                if (n.x < 0 || n.y < 0 || n.x >= picture.w || n.y >= picture.h) {
                    continue;
                }
                const int next = n.y * picture.w + n.x;
                if (!seen[next] && picture.at[next].a != 0) {
                    seen[next] = true;
                    open.push_back(next);
                }
            }
        }
    }
    return regions;
}

// How many of the layer's opaque pixels the picture shows unchanged with
// the layer's top left at (atX, atY).
int Matches(const pixels& picture, const pixels& layer, int atX, int atY)
{
    int matches = 0;
    for (int y = 0; y < layer.h; y++) {
        for (int x = 0; x < layer.w; x++) {
            const RGBA_data& want = layer(x, y);
            const int px = atX + x, py = atY + y;
            if (want.a != 255 || px < 0 || py < 0 || px >= picture.w || py >= picture.h) {
                continue;
            }
            const RGBA_data& got = picture(px, py);
            matches += got.r == want.r && got.g == want.g && got.b == want.b && got.a == 255;
        }
    }
    return matches;
}

// Where in the picture the layer shows most of itself.
coordinate Find(const pixels& picture, const pixels& layer)
{
    coordinate best{0, 0};
    int most = -1;
    for (int y = -layer.h; y < picture.h; y++) {
        for (int x = -layer.w; x < picture.w; x++) {
            const int matches = Matches(picture, layer, x, y);
            if (matches > most) {
                most = matches;
                best = {x, y};
            }
        }
    }
    return best;
}

const struct {
    const char* who;
    int gender, years;
} kEveryStage[] = {{"a baby boy", 0, 1}, {"a baby girl", 1, 1}, {"a boy", 0, 8},
                   {"a girl", 1, 8}, {"a man", 0, 30}, {"a woman", 1, 30}};

// Each garment of the portrait stands where it stands on the island, where
// the stack puts it beside the body, and the whole figure holds together:
// no gap between a kid's top, arms and legs, no nappy over a baby's head.
TEST_F(IslanderPortrait, ShowsEveryStageWholeWithItsClothesWhereTheIslandPutsThem)
{
    CObject::rendering = true;
    int id = 1;
    for (const auto& [who, gender, years] : kEveryStage) {
        SCOPED_TRACE(who);
        CPerson* person = Dressed(looks{gender, years}, id++);
        person->AlterBodyDirection(FACING_SW);
        person->UnHide();
        const body_view view = person->DescribeBody();
        person->PlaceLayers(300, 200, view.headX, view.headY, 5000, false);
        CSprite* body = ShownBody(*person);
        const pixels portrait(person->GetSpriteForSidebar().id);
        EXPECT_EQ(Regions(portrait), 1);

        const coordinate bodyAt = Find(portrait, pixels(body->GetFirstImage()));
        for (const direction_set* garment : {person->bottomSet, person->topSet}) {
            CSprite* worn = garment->entry[FACING_SW].sprite;
            ASSERT_NE(worn, nullptr);
            EXPECT_FALSE(worn->Hidden());
            const coordinate at = Find(portrait, pixels(worn->GetFirstImage()));
            EXPECT_EQ(at.x - bodyAt.x, worn->GetX() - body->GetX()) << (garment == person->topSet ? "top" : "bottom");
            EXPECT_EQ(at.y - bodyAt.y, worn->GetY() - body->GetY()) << (garment == person->topSet ? "top" : "bottom");
        }
        delete person;
    }
}

// Only grown-ups are shown bare, while the clothes designer is open; they
// too hold together without their clothes.
TEST_F(IslanderPortrait, ShowsAnAdultWholeWithoutClothes)
{
    for (int gender : {0, 1}) {
        CPerson* adult = Dressed(looks{gender, 30}, gender + 1);
        CPerson::ResetClothes(true);
        const pixels bare(adult->GetSpriteForSidebar().id);
        CPerson::ResetClothes(false);
        EXPECT_EQ(Regions(bare), 1) << gender;
        int clothed = 0;
        for (const RGBA_data& colour : bare.at) {
            clothed += colour.r == 200 && colour.g == 40 && colour.b == 40;
        }
        EXPECT_EQ(clothed, 0) << "no top";
        delete adult;
    }
}

}  // namespace
