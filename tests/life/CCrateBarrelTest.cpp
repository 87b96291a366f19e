// Crates and barrels: the sequence of containers a game gives, the question
// and its notices, where containers float and when they show, and the
// container without an opener.
#include "CCrateBarrel.h"

#include "CControllerExit.h"
#include "CControllerGame.h"
#include "CPerson.h"
#include "CResources.h"
#include "SeaLifeFixture.h"
#include "TerrainTiles.h"
#include "tests/islanders/IslanderRecords.h"

#include <map>
#include <memory>

namespace {

constexpr int kYear = 172800;

struct CrateTest : SeaLifeTest {
    void TearDown() override
    {
        game.reset();
        // Closing the game keeps a portrait of this drawing context for the quit dialog.
        CControllerExit::ForgetPerson();
        CCrateBarrel::pickedUp = nullptr;
        SeaLifeTest::TearDown();
    }

    // A game screen whose player holds an islander of that age.
    CPerson* Carry(int years, int gender = 1)
    {
        if (!game) {
            game = std::make_unique<CControllerGame>(false, false);
        }
        CPerson* held = new CPerson(IslanderRecord(0, 0, years * kYear, gender));
        game->pickupCandidate = held;
        return held;
    }

    // Drops the held islander on the container, answers, and closes the notice.
    static int Open(CCrateBarrel* container, bool yes)
    {
        const int task = container->DroppedOn();
        if (task != 0) {
            container->GiveResponse(yes);
            container->GiveResponse(true);
        }
        return task;
    }

    int Opened() { return profile.GetValue<int>(37); }

    std::unique_ptr<CControllerGame> game;
};

TEST_F(CrateTest, TheFirstCrateAndTheNextFiveFollowTheirOrderAndRefusalsDoNotCount)
{
    Carry(30);
    CCrateBarrel* first = new CCrateBarrel(-1, -1, true, false);
    EXPECT_EQ(CCrateBarrel::currentContainer, first);
    EXPECT_TRUE(first->crate && first->isCrate);
    ASSERT_EQ(first->DroppedOn(), 17);
    const feedback_data& asked = CObject::requestingFeedbackData;
    EXPECT_EQ(CObject::requestingFeedback, first);
    EXPECT_EQ(asked.id, 24501);
    ASSERT_NE(CCrateBarrel::pickedUp, nullptr);
    EXPECT_EQ(asked.insert[0], CCrateBarrel::pickedUp->GetASCIIName()) << "the opener's name as shown";
    EXPECT_EQ(asked.insert[1], "24100");
    EXPECT_EQ(asked.insert[2], "24102");
    EXPECT_EQ(asked.crate, 1);
    EXPECT_EQ(asked.crateFirst, 1) << "okay only";
    EXPECT_EQ(asked.number, 1);
    EXPECT_TRUE(profile.GetValue<bool>(1008) && profile.GetValue<bool>(1009));

    first->GiveResponse(true);
    EXPECT_TRUE(profile.GetValue<bool>(38));
    EXPECT_EQ(Opened(), 0);
    EXPECT_EQ(CCrateBarrel::currentContainer, nullptr);
    EXPECT_EQ(asked.id, 24500);
    EXPECT_EQ(asked.noticeOnly, 1);
    EXPECT_EQ(asked.crateFirst, 0);
    first->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_EQ(CCrateBarrel::pickedUp, nullptr);
    EXPECT_EQ(first->DroppedOn(), 0) << "opened is gone";
    CObject::UnHideAll();
    int z = 0;
    EXPECT_FALSE(first->IsAtCoords(z, first->GetX(), first->GetY())) << "for good";
    EXPECT_EQ(CCrateBarrel::currentContainer, nullptr);

    struct expected {
        int tier, lowest, highest;
    };
    const expected order[] = {{0, 24180, 24187}, {1, 24183, 24189}, {2, 24203, 24203}, {0, 24700, 24700},
                              {0, 24701, 24701}};
    for (int opened = 0; opened < 5; opened++) {
        SCOPED_TRACE(opened);
        if (opened == 2) {
            CCrateBarrel* refused = new CCrateBarrel(500, 500, false, false);
            ASSERT_EQ(refused->DroppedOn(), 17);
            refused->GiveResponse(false);
            EXPECT_EQ(asked.id, refused->crate ? 24167 : 24166);
            EXPECT_EQ(asked.noticeOnly, 1);
            refused->GiveResponse(true);
            EXPECT_EQ(Opened(), 2) << "a refusal does not count";
        }
        CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
        EXPECT_EQ(container->tier, order[opened].tier);
        EXPECT_GE(container->result, order[opened].lowest);
        EXPECT_LE(container->result, order[opened].highest);
        ASSERT_EQ(Open(container, true), 17);
        EXPECT_EQ(Opened(), opened + 1);
        EXPECT_TRUE(container->hidden);
    }

    Carry(8);
    CCrateBarrel* ignored = new CCrateBarrel(500, 500, false, false);
    EXPECT_EQ(ignored->DroppedOn(), 0);
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "a kid is asked nothing";
    EXPECT_EQ(CCrateBarrel::pickedUp, nullptr);
}

TEST_F(CrateTest, AFullStockTurnsFoodIntoRockIntoWoodIntoASkill)
{
    profile.SetValue<int>(37, 5);
    CResources* stock = CControllerGame::Resources();
    stock->AddFood(1000, 1);
    std::map<int, int> results;
    for (int made = 0; made < 150; made++) {
        CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
        if (container->tier == 0) {
            results[container->result]++;
        }
        delete container;
    }
    EXPECT_EQ(results[24180], 0) << "food is full";
    EXPECT_GT(results[24181], 0);

    stock->AddRock(1000);
    stock->AddWood(1000);
    int skills = 0;
    for (int made = 0; made < 150; made++) {
        CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
        if (container->tier == 0) {
            EXPECT_TRUE(container->result < 24180 || container->result > 24182) << container->result;
            skills += container->result >= 24183 && container->result <= 24187;
        }
        delete container;
    }
    EXPECT_GT(skills, 0);
}

TEST_F(CrateTest, ANewContainerShowsOnlyOnceOutOfViewAndTheFirstAtOnce)
{
    CCrateBarrel* container = new CCrateBarrel(400, 300, false, false);
    for (int frame = 0; frame < 50; frame++) {
        container->Pump(0, 0, 1);
    }
    EXPECT_TRUE(container->sprite->Hidden()) << "in plain view";
    CObject::HideAll();
    CObject::UnHideAll();
    container->Pump(0, 0, 1);
    EXPECT_TRUE(container->sprite->Hidden()) << "hiding everything and back does not wash it up in view";
    EXPECT_EQ(CCrateBarrel::currentContainer, container);
    container->Pump(-400 - 48 - 10, 0, 1);
    EXPECT_FALSE(container->sprite->Hidden()) << "scrolled wholly out of sight";
    int lowest = 1000, highest = -1000;
    for (int frame = 0; frame < 200; frame++) {
        container->Pump(0, 0, 1);
        lowest = std::min(lowest, container->sprite->GetY());
        highest = std::max(highest, container->sprite->GetY());
        EXPECT_NEAR(container->sprite->GetX(), 400, 3);
    }
    EXPECT_FALSE(container->sprite->Hidden()) << "once shown it stays";
    EXPECT_GE(highest - lowest, 2) << "it bobs";
    EXPECT_LE(highest - lowest, 5);
    EXPECT_EQ(container->sprite->GetZ(), (300 + container->sprite->GetH() + 45) * 2000);
    delete container;

    CCrateBarrel* first = new CCrateBarrel(400, 300, true, false);
    first->Pump(0, 0, 1);
    EXPECT_FALSE(first->sprite->Hidden());
    int z = 0;
    EXPECT_TRUE(first->IsAtCoords(z, first->sprite->GetX() - 19, first->sprite->GetY() - 19));
    first->Hide();
    EXPECT_FALSE(first->IsAtCoords(z, first->sprite->GetX(), first->sprite->GetY()));
}

TEST_F(CrateTest, TheFirstCrateFloatsInOpenSeaNearTheStart)
{
    // Deep sea everywhere but a strip of land down the middle.
    CMap& island = TiledIsland(
        [](int tx, int) { return tx >= 60 && tx < 68 ? TILE_GRASS | TILE_HOLDS_GRASS : TILE_DEEP | TILE_HOLDS_DEEP; },
        4000);
    island.startX = island.startY = 200;
    CCrateBarrel* first = new CCrateBarrel(-1, -1, true, false);
    const int x = first->GetX() - 50, y = first->GetY() - 60;
    EXPECT_TRUE(island.TileContainsTerrain_coords(x + 96, y + 96, TILE_HOLDS_DEEP, true));
    EXPECT_LT(island.GetDistanceFromStartLocation(x, y), 200.0f);
    EXPECT_EQ(CCrateBarrel::currentContainer, first);
    first->CenterScreen();
    EXPECT_TRUE(island.IsCenteringScreen()) << "the view glides to it";
}

TEST_F(CrateTest, AnIslandWithoutFreeSeaStillGetsItsCrate)
{
    TiledIsland([](int, int) { return TILE_GRASS | TILE_HOLDS_GRASS; }, 4000);
    CCrateBarrel* stranded = new CCrateBarrel(-1, -1, true, false);
    EXPECT_NE(stranded, nullptr) << "the search is bounded";
    const std::string log = Log();
    const size_t said = log.find("No free sea");
    EXPECT_NE(said, std::string::npos);
    EXPECT_EQ(log.find("No free sea", said + 1), std::string::npos) << "one search is enough to know";

    CMap& sea = TiledIsland([](int, int) { return TILE_MIDDLE | TILE_HOLDS_MIDDLE; }, 1000);
    CObject::AddObstruction(0, 0, 4000, 4000, nullptr, false);
    CCrateBarrel* blocked = new CCrateBarrel(-1, -1, false, false);
    const int x = blocked->GetX() - 50, y = blocked->GetY() - 60;
    EXPECT_TRUE(sea.TileContainsTerrain_coords(x + 96, y + 96, TILE_MIDDLE, true)) << "the last water draw stands";
}

TEST_F(CrateTest, WithoutAnOpenerNothingIsAskedAndNoIslanderIsTouched)
{
    CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
    EXPECT_EQ(container->DroppedOn(), 0) << "no game screen, nobody carried";
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    CPerson* opener = Carry(30);
    ASSERT_EQ(container->DroppedOn(), 17);
    delete opener;
    container->Pump(0, 0, 1);
    EXPECT_EQ(CCrateBarrel::pickedUp, nullptr) << "forgotten with its islander";
    container->result = 24199;
    container->GiveResponse(true);
    EXPECT_EQ(CCrateBarrel::pickedUp, nullptr) << "the opener went away";
    EXPECT_EQ(CObject::requestingFeedbackData.id, 24199) << "the notice still comes";
    EXPECT_EQ(Opened(), 1);

    CCrateBarrel* refused = new CCrateBarrel(500, 500, false, false);
    CPerson* other = Carry(30);
    ASSERT_EQ(refused->DroppedOn(), 17);
    delete other;
    refused->GiveResponse(false);
    EXPECT_TRUE(refused->hidden);
}

}  // namespace
