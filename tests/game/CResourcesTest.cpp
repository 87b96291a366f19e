#include "CResources.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CProfile.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"
#include "tests/game/StockFixture.h"

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

// A finished storehouse of a type 2..4 at a placement point.
CBuilding* Storehouse(int type, int atX, int atY)
{
    CBuilding* store = type == 2   ? static_cast<CBuilding*>(new CStorehouseFood(atX, atY))
                       : type == 3 ? static_cast<CBuilding*>(new CStorehouseRock(atX, atY))
                                   : static_cast<CBuilding*>(new CStorehouseWood(atX, atY));
    store->FinishNow();
    return store;
}

void StartDemolition(CBuilding* store)
{
    store->SetBuildingDemolitionState(true);
    store->GiveResponse(true);
}

int Property(int key)
{
    return CProfile::current->GetValue<int>(key);
}

std::string Log()
{
    std::ifstream in("LOG.TXT");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(StockTest, EachCompleteStorehouseMakesRoomForFiveHundredMore)
{
    // Storehouses being built or taken down count for nothing.
    StartDemolition(Storehouse(4, 0, 0));
    new CStorehouseRock(0, 0);
    int built = 0;
    for (int stores : {0, 1, 3}) {
        SCOPED_TRACE(stores);
        for (; built < stores; built++) {
            for (int type : {4, 3, 2}) {
                Storehouse(type, 0, 0);
            }
        }
        const int capacity = 100 + 500 * stores;
        CResources* stock = Stock();
        stock->RemoveWood(100000);
        stock->RemoveRock(100000);
        stock->RemoveAllFood();
        const int woodBefore = Property(55), rockBefore = Property(56), foodBefore = Property(57);
        stock->AddWood(capacity - 5);
        stock->AddWood(20);
        stock->AddRock(100000);
        stock->AddFood(capacity, 2);
        stock->AddFood(1, 0);
        EXPECT_EQ(stock->GetWood(), capacity);
        EXPECT_EQ(stock->GetRock(), capacity);
        EXPECT_EQ(stock->GetFood(-1), capacity);
        EXPECT_EQ(Property(55) - woodBefore, capacity) << "only what was stored is counted";
        EXPECT_EQ(Property(56) - rockBefore, capacity);
        EXPECT_EQ(Property(57) - foodBefore, capacity);
        for (int resource : {0, 1, 2, 3, 6}) {
            EXPECT_EQ(stock->GetMaxResource(resource), capacity) << resource;
            EXPECT_TRUE(stock->IsResourceMaxed(resource)) << resource;
        }
        EXPECT_FALSE(stock->IsResourceMaxed(4));
    }
}

TEST_F(StockTest, FoodAboveTheCapacityTakesNothingMoreUntilEaten)
{
    CResources* stock = Stock();
    stock->SetFood(400, 1);
    stock->SetFood(300, 2);
    CTutorialDialog::CompleteTutorial(11);
    stock->AddFood(10, 0);
    EXPECT_EQ(stock->GetFood(0), 0);
    EXPECT_EQ(Property(57), 0);
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(12)) << "nothing was delivered";

    // Eaten down below the capacity, a delivery fills it up again.
    stock->RemoveFood(650, 1);
    stock->RemoveFood(240, 2);
    stock->AddFood(50, 3);
    EXPECT_EQ(stock->GetFood(3), 40);
    EXPECT_EQ(stock->GetFood(-1), 100);
    EXPECT_EQ(Property(57), 40);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(12));
}

TEST_F(StockTest, FoodIsTakenByWeightOfWhatIsInStock)
{
    CResources* stock = Stock();
    EXPECT_EQ(stock->RemoveFood(1, -2), -1) << "no food, nothing taken";
    stock->SetFood(3, 0);
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(stock->RemoveFood(1, -2), 0);
    }
    EXPECT_EQ(stock->GetFood(-1), 0);

    const int weights[4] = {100, 200, 300, 400};
    for (int kind = 0; kind < 4; kind++) {
        stock->SetFood(weights[kind], kind);
    }
    InitRandom(20260706);
    int drawn[4] = {};
    const int draws = 100000;
    for (int i = 0; i < draws; i++) {
        drawn[stock->FindRandomFoodType()]++;
    }
    for (int kind = 0; kind < 4; kind++) {
        EXPECT_NEAR(drawn[kind] / static_cast<double>(draws), weights[kind] / 1000.0, 0.01) << kind;
    }
}

TEST_F(StockTest, DustIsCappedAndHeldPlusSpentEarnsTheTrophies)
{
    struct dust_case {
        bool moondust;
        int held, spentBefore, added;
        int expectHeld;
        bool trophy;
    };
    const dust_case cases[] = {
        {false, 997, 0, 5, 999, true},
        {false, 10, 40, 0, 10, true},
        {false, 10, 39, 0, 10, false},
        {true, 150, 49, 1000, 999, true},
    };
    for (const dust_case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.moondust ? "moondust " : "stardust ") << c.held << "+" << c.spentBefore);
        CProfile::current->SetValue<int>(65, 0);
        CResources* stock = Stock();
        (c.moondust ? stock->moondust : stock->stardust) = c.held;
        CProfile::current->SetValue<int>(c.moondust ? 64 : 63, c.spentBefore);
        c.moondust ? stock->AddMoondust(c.added) : stock->AddStardust(c.added);
        EXPECT_EQ(c.moondust ? stock->GetMoondust() : stock->GetStardust(), c.expectHeld);
        const int mask = c.moondust ? 32 : 0x100000;
        EXPECT_EQ((Property(65) & mask) != 0, c.trophy);
    }

    // Spending never goes below nothing but counts in full.
    CResources* stock = Stock();
    stock->stardust = 3;
    CProfile::current->SetValue<int>(63, 0);
    stock->RemoveStardust(5);
    EXPECT_EQ(stock->GetStardust(), 0);
    EXPECT_EQ(Property(63), 5);
}

// Gathering, spending part and gathering again: each dust's trophy comes with
// the heap that brings held plus spent to its threshold, not one before, and
// every heap spent is counted even when the stock had fewer.
TEST_F(StockTest, EachDustsTrophyComesExactlyAtItsThresholdOfHeldPlusSpent)
{
    struct dust_kind {
        bool moondust;
        int threshold, mask, spentKey;
    };
    for (const dust_kind& kind : {dust_kind{false, 50, 0x100000, 63}, dust_kind{true, 200, 32, 64}}) {
        SCOPED_TRACE(kind.moondust ? "moondust" : "stardust");
        CResources* stock = Stock();
        auto add = [&](int n) { kind.moondust ? stock->AddMoondust(n) : stock->AddStardust(n); };
        auto spend = [&](int n) { kind.moondust ? stock->RemoveMoondust(n) : stock->RemoveStardust(n); };
        auto held = [&] { return kind.moondust ? stock->GetMoondust() : stock->GetStardust(); };
        auto trophy = [&] { return (Property(65) & kind.mask) != 0; };
        CProfile::current->SetValue<int>(65, 0);
        CProfile::current->SetValue<int>(kind.spentKey, 0);
        (kind.moondust ? stock->moondust : stock->stardust) = 0;

        add(30);
        spend(20);
        EXPECT_EQ(held(), 10);
        EXPECT_EQ(Property(kind.spentKey), 20);
        spend(15);
        EXPECT_EQ(held(), 0);
        EXPECT_EQ(Property(kind.spentKey), 35) << "what was asked is counted, not only what was held";
        add(kind.threshold - 35 - 1);
        EXPECT_FALSE(trophy()) << "one short of the threshold";
        add(1);
        EXPECT_TRUE(trophy()) << "at the threshold";
        EXPECT_EQ(held(), kind.threshold - 35);
    }
}

TEST_F(StockTest, StardustOnAPileFillsItUntilItIsFull)
{
    CResources* stock = Stock();
    MouseOnPile(0);
    stock->wood = 90;
    EXPECT_TRUE(stock->AcceptStardust());
    EXPECT_EQ(stock->GetWood(), 100);
    EXPECT_FALSE(stock->AcceptStardust()) << "a full pile takes no stardust";
    EXPECT_EQ(stock->GetWood(), 100);

    MouseOnPile(2);
    EXPECT_TRUE(stock->AcceptStardust());
    EXPECT_EQ(stock->GetFood(0), 20) << "the food pile gets fish";
    EXPECT_EQ(stock->DroppedOn(), 13) << "an islander dropped on the food takes some";

    MouseOnPile(1);
    EXPECT_EQ(stock->DroppedOn(), 0);
    MouseAt(5, 5);
    EXPECT_FALSE(stock->AcceptStardust());
    EXPECT_EQ(stock->GetRock(), 0);
}

TEST_F(StockTest, TheMatsAreFoundUnderTheMouseAndAtWorldPoints)
{
    MouseOnPile(1);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), Stock());
    int z = 0;
    EXPECT_TRUE(Stock()->IsAtCoords(z, kAnchors[2].x, kAnchors[2].y));
    EXPECT_EQ(z, island->pileSprites[2]->GetZ());
    EXPECT_FALSE(Stock()->IsAtCoords(z, kAnchors[2].x + kOffsetX, kAnchors[2].y + kOffsetY + 200));
}

TEST_F(StockTest, PilesShowTheStockInStepsOfTen)
{
    CResources* stock = Stock();
    for (int amount : {1, 9, 10}) {
        stock->wood = amount;
        Pump();
        EXPECT_EQ(Shown(stock->woodSprites), amount < 10 ? 1 : 2) << amount;
        EXPECT_EQ(stock->woodSprites[0]->GetX(), kAnchors[0].x + (amount < 10 ? -25 : -15) + kOffsetX);
    }
    stock->wood = 500;
    Pump();
    EXPECT_EQ(Shown(stock->woodSprites), 12) << "a pile shows at most twelve logs";
    EXPECT_EQ(stock->woodSprites[2]->GetZ(), stock->woodSprites[0]->GetZ() + 1) << "a log on a log lies above it";

    stock->rock = 35;
    Pump();
    ASSERT_EQ(Shown(stock->rockSprites), 2);
    EXPECT_EQ(stock->rockSprites[0]->GetX(), kAnchors[1].x - 32 + kOffsetX);
    EXPECT_EQ(stock->rockSprites[0]->GetY(), kAnchors[1].y - 32 + kOffsetY);
    EXPECT_EQ(stock->rockSprites[0]->GetFrame(), 2u) << "a full heap";
    EXPECT_EQ(stock->rockSprites[1]->GetX(), kAnchors[1].x - 12 + kOffsetX);
    EXPECT_EQ(stock->rockSprites[1]->GetFrame(), 0u) << "and a small one";

    stock->SetFood(1, 0);
    Pump();
    EXPECT_EQ(Shown(stock->fishSprites), 1) << "a single fish is on the mat";
    stock->SetFood(25, 0);
    Pump();
    EXPECT_EQ(Shown(stock->fishSprites), 1);
    EXPECT_EQ(stock->fishSprites[0]->GetFrame(), 2u) << "three fish";

    // Much fish and a few vegetables: the vegetables still get a corner.
    stock->SetFood(200, 0);
    stock->SetFood(10, 1);
    Pump();
    for (int s = 0; s < 3; s++) {
        EXPECT_FALSE(stock->fishSprites[s]->Hidden()) << s;
        EXPECT_EQ(stock->fishSprites[s]->GetFrame(), 3u) << s;
    }
    EXPECT_TRUE(stock->fishSprites[3]->Hidden());
    std::set<int> places;
    for (int i = 0; i < CResources::kVegetablePlaces; i++) {
        if (!stock->vegetableSprites[0][i]->Hidden()) {
            places.insert(i);
        }
    }
    EXPECT_EQ(places, (std::set<int>{12, 13}));
    EXPECT_EQ(stock->vegetableSprites[0][12]->GetX(), kAnchors[2].x - 24 + kOffsetX);
    EXPECT_EQ(Shown(stock->vegetableSprites[1]) + Shown(stock->vegetableSprites[2]), 0);

    // A heap's looks are frames of one sprite, so they share one size.
    for (CSprite* heap : {stock->rockSprites[0], stock->fishSprites[0]}) {
        for (int i = 1; i < heap->GetNumImages(); i++) {
            EXPECT_EQ(CSprite::draw->GetW(heap->GetImage(i)), CSprite::draw->GetW(heap->GetImage(0))) << i;
            EXPECT_EQ(CSprite::draw->GetH(heap->GetImage(i)), CSprite::draw->GetH(heap->GetImage(0))) << i;
        }
    }

    stock->RemoveAllFood();
    stock->RemoveWood(1000);
    stock->RemoveRock(1000);
    Pump();
    EXPECT_EQ(Shown(stock->fishSprites) + Shown(stock->vegetableSprites[0]) + Shown(stock->woodSprites) +
                  Shown(stock->rockSprites),
              0);
}

TEST_F(StockTest, TheStockComesBackFromTheProfileAsItWasSaved)
{
    CResources* stock = Stock();
    stock->wood = 37;
    stock->rock = 1100;
    for (int kind = 0; kind < 4; kind++) {
        stock->SetFood(kind * 11 + 1, kind);
    }
    stock->stardust = 999;
    stock->moondust = 4;
    stock->SetZone(1, 10, 20, 30);
    stock->SaveResources();

    delete CControllerGame::resources;
    ASSERT_EQ(CControllerGame::resources, nullptr);
    stock = Stock();
    EXPECT_EQ(stock->GetWood(), 0) << "a new stock is empty";
    stock->SetZone(1, 10, 20, 30);
    stock->LoadResources();
    EXPECT_EQ(stock->GetWood(), 37);
    EXPECT_EQ(stock->GetRock(), 1100) << "counts load above the capacity";
    for (int kind = 0; kind < 4; kind++) {
        EXPECT_EQ(stock->GetFood(kind), kind * 11 + 1);
    }
    EXPECT_EQ(stock->GetStardust(), 999);
    EXPECT_EQ(stock->GetMoondust(), 4);
    EXPECT_EQ(stock->GetZoneX(1), -1) << "work zones are not kept";
}

// A saved game's stock lies under fixed keys of the profile: each count is
// read from its own key and written back to it, the vegetables by kind.
TEST_F(StockTest, EachCountOfASavedStockHasItsOwnProfileKey)
{
    const struct {
        int key;
        int (*count)(CResources&);
    } keys[] = {
        {11, [](CResources& s) { return s.GetWood(); }},    {12, [](CResources& s) { return s.GetFood(0); }},
        {16, [](CResources& s) { return s.GetFood(1); }},   {17, [](CResources& s) { return s.GetFood(2); }},
        {18, [](CResources& s) { return s.GetFood(3); }},   {13, [](CResources& s) { return s.GetRock(); }},
        {34, [](CResources& s) { return s.GetStardust(); }}, {35, [](CResources& s) { return s.GetMoondust(); }},
    };
    const int count = static_cast<int>(std::size(keys));
    for (int i = 0; i < count; i++) {
        CProfile::current->SetValue<int>(keys[i].key, 101 + 11 * i);
    }
    CResources* stock = Stock();
    stock->LoadResources();
    for (int i = 0; i < count; i++) {
        EXPECT_EQ(keys[i].count(*stock), 101 + 11 * i) << "read from key " << keys[i].key;
        CProfile::current->SetValue<int>(keys[i].key, 0);
    }
    stock->SaveResources();
    for (int i = 0; i < count; i++) {
        EXPECT_EQ(Property(keys[i].key), 101 + 11 * i) << "written to key " << keys[i].key;
    }
}

TEST_F(StockTest, ADamagedProfileGivesNoNegativeHeapsAndNoDustAboveTheCap)
{
    CResources* stock = Stock();
    stock->SaveResources();
    CProfile::current->SetValue<int>(11, -40);
    CProfile::current->SetValue<int>(12, -1);
    CProfile::current->SetValue<int>(34, 5000);
    CProfile::current->SetValue<int>(35, -3);
    stock->LoadResources();
    EXPECT_EQ(stock->GetWood(), 0);
    EXPECT_EQ(stock->GetFood(0), 0);
    EXPECT_EQ(stock->GetStardust(), 999);
    EXPECT_EQ(stock->GetMoondust(), 0);
    EXPECT_NE(Log().find("property 11 held -40"), std::string::npos);

    // Even a count set by hand below zero shows nothing.
    stock->SetFood(-50, 0);
    stock->SetFood(15, 1);
    stock->wood = -5;
    Pump();
    EXPECT_EQ(Shown(stock->fishSprites) + Shown(stock->woodSprites), 0);
    EXPECT_EQ(Shown(stock->vegetableSprites[0]), 2);
}

TEST_F(StockTest, FoodKindsAndResourceNumbersOutsideTheirRangesAreRefused)
{
    CResources* stock = Stock();
    stock->SetFood(5, 3);
    stock->AddFood(1, 6);
    stock->AddFood(1, -1);
    stock->SetFood(9, 4);
    EXPECT_EQ(stock->RemoveFood(1, -1), -1);
    EXPECT_EQ(stock->RemoveFood(1, 5), -1);
    EXPECT_EQ(stock->GetFood(7), 0);
    EXPECT_EQ(stock->GetFood(-1), 5);
    EXPECT_EQ(Property(57), 0);
    EXPECT_NE(Log().find("Food was added to a food kind that does not exist: 6"), std::string::npos);
    EXPECT_NE(Log().find("Food was taken from a food kind that does not exist: 5"), std::string::npos);

    EXPECT_EQ(stock->GetPileX(4), -1);
    int atX = 7, atY = 8;
    stock->GetPileCoordinates(atX, atY, 5);
    EXPECT_EQ(atX, 7);
    EXPECT_EQ(atY, 8);
    const size_t blocks = CObject::obstructions.size();
    stock->SetPileCoordinates(9, 100, 100);
    stock->SetZone(3, 1, 1, 1);
    EXPECT_EQ(CObject::obstructions.size(), blocks);
}

TEST_F(StockTest, TheIslandAndTheStockAnswerOneAnchorPerPile)
{
    CResources* stock = Stock();
    for (int resource : {0, 1, 2, 3, 6}) {
        const int pile = resource > 2 ? 2 : resource;
        EXPECT_EQ(stock->GetPileX(resource), island->GetPileX(pile)) << resource;
        EXPECT_EQ(stock->GetPileY(resource), kAnchors[pile].y) << resource;
    }
    EXPECT_EQ(CObject::obstructions.size(), 4u);

    // The camp made again moves the pile and its blocks with it.
    stock->SetPileCoordinates(1, 900, 800);
    EXPECT_EQ(island->GetPileX(1), 900);
    EXPECT_EQ(CObject::obstructions.size(), 4u);
    EXPECT_TRUE(CObject::Collision(900, 800, 2, 2, false));
    EXPECT_FALSE(CObject::Collision(kAnchors[1].x, kAnchors[1].y, 2, 2, false));
}

TEST_F(StockTest, IslandersDeliverToTheNearestStorehouseOnlyWhenItIsNearerThanThePile)
{
    CResources* stock = Stock();
    const coordinate wood = kAnchors[0];
    std::set<std::pair<int, int>> spots;
    for (int i = 0; i < 200; i++) {
        int atX = wood.x + 300, atY = wood.y;
        stock->GetPileCoordinates(atX, atY, 0);
        spots.insert({atX - wood.x, atY - wood.y});
    }
    EXPECT_EQ(spots, (std::set<std::pair<int, int>>{{20, 10}, {-30, -55}, {-55, 0}, {35, -40}}));

    // Equally far, the pile wins; a little nearer, the storehouse.
    Storehouse(4, wood.x + 600, wood.y);
    int atX = wood.x + 300, atY = wood.y;
    stock->GetPileCoordinates(atX, atY, 0);
    EXPECT_LT(GetDist(atX, atY, wood.x, wood.y), 80.0f);
    atX = wood.x + 301;
    atY = wood.y;
    stock->GetPileCoordinates(atX, atY, 0);
    EXPECT_LT(GetDist(atX, atY, wood.x + 600, wood.y), 200.0f) << "one of the storehouse's stand points";
    atX = wood.x + 301;
    stock->GetPileCoordinates(atX, atY, 1);
    EXPECT_LT(GetDist(atX, atY, kAnchors[1].x, kAnchors[1].y), 80.0f) << "a wood store holds no rock";
}

TEST_F(StockTest, UnloadingTheWorldAfterShutDownDeletedTheStockDeletesNothingTwice)
{
    CResources* stock = Stock();
    ASSERT_EQ(CControllerGame::resources, stock);
    delete CControllerGame::resources;
    EXPECT_EQ(CControllerGame::resources, nullptr);
    EXPECT_EQ(std::count(CObject::objects.begin(), CObject::objects.end(), stock), 0);
    CObject::UnloadAll();
    EXPECT_EQ(CControllerGame::resources, nullptr);

    // And the world's unloading alone leaves no pointer behind.
    Stock();
    CObject::UnloadAll();
    EXPECT_EQ(CControllerGame::resources, nullptr);
}
