#include "CMap.h"
#include "CMysteriousObject.h"
#include "LifeFixture.h"
#include "Utilities.h"


namespace {

// Whether exactly the box (x, y, w, h) of the given owner blocks walking.
void ExpectBlock(int x, int y, int w, int h)
{
    EXPECT_TRUE(CObject::Collision(x, y, 1, 1, false));
    EXPECT_TRUE(CObject::Collision(x + w - 1, y + h - 1, 1, 1, false));
    EXPECT_FALSE(CObject::Collision(x - 1, y, 1, h, false));
    EXPECT_FALSE(CObject::Collision(x, y - 1, w, 1, false));
    EXPECT_FALSE(CObject::Collision(x + w, y, 1, h, false));
    EXPECT_FALSE(CObject::Collision(x, y + h, w, 1, false));
}

}  // namespace

TEST_F(LifeTest, EveryMysteryIsBuiltWithoutADrawAndBlocksOneBoxOfItsPicture)
{
    for (int number = 0; number < 8; number++) {
        SCOPED_TRACE(number);
        InitRandom(5);
        const int before = RangedRandom(0, 1000000);
        InitRandom(5);
        CMysteriousObject* mystery = new CMysteriousObject(1001, 2000, number);
        EXPECT_EQ(RangedRandom(0, 1000000), before) << "building a mystery draws nothing";
        ASSERT_EQ(CountObstructionsOf(mystery), 1);
        const obstruction_type& box = CObject::obstructions.back();
        EXPECT_GE(box.x, mystery->GetX());
        EXPECT_LE(box.x + box.w, mystery->GetX() + mystery->GetW());
        EXPECT_LE(box.y + box.h, mystery->GetY() + mystery->GetH());
        mystery->UnHide();
        int z = 0;
        EXPECT_TRUE(mystery->IsAtCoords(z, mystery->GetX() + mystery->GetW() / 2, mystery->GetY() + mystery->GetH() / 2));
        delete mystery;
    }
}

TEST_F(LifeTest, StagesComeFromTheProgressWord)
{
    struct stage_case {
        int number;
        int bits;
        int level;
    };
    const stage_case cases[] = {
        {0, 0, 0}, {0, 1024, 1}, {0, 1, 2}, {0, 1 | 1024, 2}, {7, 512, 1}, {7, 256, 0}, {5, 1024, 0}, {6, 64, 2},
    };
    for (const stage_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.number << " with " << c.bits);
        CMysteriousObject::ResetAllMysteriousObjects();
        CMysteriousObject::SetVar(c.bits);
        CMysteriousObject mystery(1000, 1000, c.number);
        EXPECT_EQ(mystery.GetLevel(), c.level);
    }
    CMysteriousObject::ResetAllMysteriousObjects();
    CMysteriousObject::SetVar(8 | 2048);
    EXPECT_TRUE(CMysteriousObject::CheckVar(2048)) << "the first-stage bit stays after solving";
    EXPECT_TRUE(CMysteriousObject::IsComplete(3));
    EXPECT_FALSE(CMysteriousObject::CheckVar(2048 | 1));
}

TEST_F(LifeTest, OnlyTheFlowerMysteryIsRememberedAndItsEndForgetsIt)
{
    CMysteriousObject* flower = new CMysteriousObject(1000, 1000, 2);
    EXPECT_EQ(CMysteriousObject::mysteriousFlower, flower);
    EXPECT_TRUE(flower->patchPlaced);
    CMysteriousObject* other = new CMysteriousObject(3000, 1000, 3);
    EXPECT_FALSE(other->patchPlaced);
    delete other;
    EXPECT_EQ(CMysteriousObject::mysteriousFlower, flower);
    delete flower;
    EXPECT_EQ(CMysteriousObject::mysteriousFlower, nullptr);
}

TEST_F(LifeTest, FlowersNearTheFlowerMysteryGoOnlyOnItsPattern)
{
    EXPECT_TRUE(CMysteriousObject::CheckFlower(1000, 970)) << "no flower mystery on the island";
    CMysteriousObject flower(1000, 1000, 2);
    const int x = flower.GetX();
    const int y = flower.GetY();
    // The first spot of the pattern, and the middle of the clear zone.
    const int spotX = x - 45 + 20, spotY = y + 73 + 35;
    const int midX = x + 71, midY = y + 130;
    struct flower_case {
        const char* what;
        int x, y;
        bool allowed;
    };
    const flower_case cases[] = {
        {"on a spot", spotX, spotY, true},
        {"8 from a spot", spotX + 8, spotY, true},
        {"9 from a spot, inside the zone", spotX + 9, spotY, false},
        {"the middle of the zone", midX, midY, false},
        {"on the last spot", x - 45 + 198, y + 73 + 56, true},
        {"just inside the zone", midX, midY - 119, false},
        {"on the zone's edge", midX, midY - 120, true},
        {"far away", midX + 1000, midY, true},
    };
    for (const flower_case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CMysteriousObject::CheckFlower(c.x, c.y), c.allowed);
    }
}

TEST_F(LifeTest, TheSaplingOfMystery4BlocksLessGroundInItsFirstStage)
{
    CMysteriousObject* mystery = new CMysteriousObject(1000, 1000, 4);
    const int x = mystery->GetX();
    const int y = mystery->GetY();
    mystery->UnHide();
    mystery->Pump(0, 0, 1);
    ExpectBlock(x + 10, y + 10, 119, 106);
    int z = 0;
    ASSERT_TRUE(mystery->IsAtCoords(z, x + 70, y + 180)) << "the main picture is shown";

    CMysteriousObject::SetVar(8192);
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CountObstructionsOf(mystery), 1);
    ExpectBlock(x + 40, y + 25, 50, 60);
    EXPECT_FALSE(mystery->IsAtCoords(z, x + 70, y + 180)) << "the main picture is gone";
    EXPECT_TRUE(mystery->IsAtCoords(z, x + 70, y + 65)) << "the sapling takes its place";

    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CountObstructionsOf(mystery), 1);

    // Showing the island again must not lose the sapling's block.
    mystery->UnHide();
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CountObstructionsOf(mystery), 1);
    ExpectBlock(x + 40, y + 25, 50, 60);

    CMysteriousObject::SetVar(16);
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CountObstructionsOf(mystery), 0) << "the grown tree blocks the ground itself";
    EXPECT_FALSE(mystery->IsAtCoords(z, x + 70, y + 65));
}

TEST_F(LifeTest, DustChargeRunsDownOnlyInDrawnFramesOfThePlayableIsland)
{
    CMysteriousObject* mystery = new CMysteriousObject(1000, 1000, 7);
    mystery->dustCharge = 3;
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(mystery->dustCharge, 2);
    CObject::isSimulating = true;
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(mystery->dustCharge, 2) << "catch-up frames";
    CObject::isSimulating = false;
    {
        CMap preview(false);
        mystery->Pump(0, 0, 1);
        EXPECT_EQ(mystery->dustCharge, 2) << "the chooser's preview";
        preview.playable = true;
        mystery->Pump(0, 0, 1);
        mystery->Pump(0, 0, 1);
        mystery->Pump(0, 0, 1);
    }
    EXPECT_EQ(mystery->dustCharge, 0);
}

TEST_F(LifeTest, TheFlowerMysteryAnnouncesItsSolutionOnce)
{
    CMysteriousObject* flower = new CMysteriousObject(1000, 1000, 2);
    flower->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    CMysteriousObject::SetVar(4);
    flower->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, flower);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 26303);
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 1);

    flower->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 0);
    flower->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    CMysteriousObject already(3000, 1000, 2);
    already.Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "solved before it was made";
}

TEST_F(LifeTest, GroundNearGrassMysteriesIsKeptClear)
{
    CMap island(false);
    EXPECT_FALSE(island.CloseToMysteriousObject(1000, 1000));
    island.mysteries[0] = new CMysteriousObject(1000, 1000, 3);
    island.mysteries[1] = new CMysteriousObject(3000, 1000, 2);
    island.mysteries[2] = new CMysteriousObject(1000, 3000, 5);
    CMysteriousObject* grass = island.mysteries[0];
    CMysteriousObject* flower = island.mysteries[1];
    CMysteriousObject* sand = island.mysteries[2];
    const int gx = grass->GetX(), gy = grass->GetY(), gw = grass->GetW(), gh = grass->GetH();
    const int fx = flower->GetX(), fy = flower->GetY(), fw = flower->GetW(), fh = flower->GetH();
    struct clear_case {
        const char* what;
        int x, y;
        bool close;
    };
    const clear_case cases[] = {
        {"grass: top-left corner", gx - 70, gy + 10, true},
        {"grass: left of it", gx - 71, gy + 10, false},
        {"grass: above it", gx - 70, gy + 9, false},
        {"grass: bottom-right corner", gx + gw + 70, gy + 10 + gh + 500, true},
        {"grass: below it", gx + gw + 70, gy + 11 + gh + 500, false},
        {"flowers: top-left corner", fx - 110, fy - 30, true},
        {"flowers: left of it", fx - 111, fy - 30, false},
        {"flowers: bottom-right corner", fx + fw + 110, fy - 30 + fh + 590, true},
        {"sand mysteries keep nothing clear", sand->GetX(), sand->GetY() + 20, false},
    };
    for (const clear_case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(island.CloseToMysteriousObject(c.x, c.y), c.close);
    }

    delete grass;
    EXPECT_EQ(island.mysteries[0], nullptr) << "the island forgets a deleted mystery";
    EXPECT_FALSE(island.CloseToMysteriousObject(gx - 70, gy + 10));
    CObject::UnloadAll();
    EXPECT_EQ(island.mysteries[1], nullptr);
    EXPECT_EQ(island.mysteries[2], nullptr);
}

TEST_F(LifeTest, SidePanelShowsTheMysteryByItsProgress)
{
    struct sidebar_case {
        int number;
        int bits;
        const char* image;
        int topDetail;
    };
    const sidebar_case cases[] = {
        {0, 1, "sidebar_item_myst0.png", 2801},   {1, 2, "sidebar_item_myst1b.png", 2802},
        {4, 0, "sidebar_item_myst4.png", 0},      {4, 8192, "mysterious_4_sapling.png", 0},
    };
    for (const sidebar_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.number << " with " << c.bits);
        CMysteriousObject::ResetAllMysteriousObjects();
        CMysteriousObject::SetVar(c.bits);
        CMysteriousObject mystery(1000, 1000, c.number);
        const sidebar_image picture = mystery.GetSpriteForSidebar();
        EXPECT_EQ(picture.name, c.image);
        EXPECT_EQ(mystery.GetSelectedTopDetail().id, c.topDetail);
    }
    CMysteriousObject::SetVar(2);
    CMysteriousObject solvedOne(1000, 1000, 1);
    EXPECT_STREQ(solvedOne.GetSpriteName(), "mysterious_1_0.png");
}
