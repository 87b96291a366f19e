// Kids and babies read their own spot as every other islander does: the pixel
// their float position lies in, never the nearest one. Each case stands a
// fraction past a pixel, where the two readings part.
#include "IslanderLifeFixture.h"
#include "TerrainTiles.h"

namespace {

class DecidePixelTest : public IslanderLifeTest {
protected:
    // Sea from world x kShore eastwards, along a few rows around y.
    static void FloodEastOf(int y)
    {
        for (int row = y - 10; row <= y + 10; row++) {
            for (int x = kShore; x < kShore + 1000; x++) {
                CControllerGame::island->SetHeight(x + PLAYABLE_BORDER, row + PLAYABLE_BORDER, 0);
            }
        }
    }

    static constexpr int kShore = 1000;
};

}  // namespace

TEST_F(DecidePixelTest, AKidOrBabyMovesAwayFromANeighbourByThePixelItStandsIn)
{
    struct example {
        int years;
        int neighbourX;
        bool walksAway;
    };
    // From x 500.6 the neighbour at 476 is 24 px off its pixel (500), 25 off
    // the nearest (501); the one at 525 the other way round.
    const example examples[] = {
        {8, 476, true},
        {8, 525, false},
        {1, 476, true},
        {1, 525, false},
    };
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << e.years << " years, neighbour at x " << e.neighbourX);
        // The neighbour is the baby's mother, near enough for it to stay put.
        CPerson* neighbour = Grown(30, 1, 7, e.neighbourX, 400);
        CPerson* child = Grown(e.years, 0, 8);
        child->data.x = 500.6f;
        child->data.motherId = 7;
        child->kidWanderTimer = 50;
        child->DecideWhatToDo();
        EXPECT_EQ(child->GetCurrentTask() == 1, e.walksAway);
        delete child;
        delete neighbour;
    }
}

TEST_F(DecidePixelTest, ABabyAimsAtThePixelItsStepTowardsItsMotherEndsIn)
{
    Grown(30, 1, 7, 1500, 1500)->data.x = 1500.7f;
    CPerson* baby = Grown(1, 0, 8, 1000, 1500);
    baby->data.motherId = 7;
    baby->data.x = 1000.7f;
    baby->data.y = 1500.6f;
    baby->DecideWhatToDo();
    ASSERT_EQ(baby->GetCurrentTask(), 1);
    EXPECT_EQ(baby->subTaskX, 1100) << "100 px east of 1000.7";
    EXPECT_EQ(baby->subTaskY, 1500);
}

TEST_F(DecidePixelTest, ABabyOnTheShoreTellsLandFromWaterByThePixel)
{
    FloodEastOf(1500);
    Grown(30, 1, 7, 1600, 1500);
    CPerson* baby = Grown(1, 0, 8, 0, 1500);
    baby->data.motherId = 7;

    // Its step ends at 999.6, still land: it crawls.
    baby->data.x = 899.6f;
    baby->DecideWhatToDo();
    ASSERT_EQ(baby->GetCurrentTask(), 1);
    EXPECT_EQ(baby->subTaskX, kShore - 1);

    // It stands at 999.6, on land, and its step ends in the sea: it stays.
    baby->EndTask(false);
    baby->data.x = 999.6f;
    baby->DecideWhatToDo();
    EXPECT_EQ(baby->GetCurrentTask(), 0);
}
