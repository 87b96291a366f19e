#include "CControllerGameFixture.h"
#include "CPerson.h"

#include "CBuilding.h"
#include "CCrateBarrel.h"
#include "CDust.h"
#include "CMouseCursor.h"
#include "CMushroom.h"
#include "CMysteriousObject.h"
#include "CRelic.h"
#include "CResources.h"
#include "CSidebar.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CStone.h"
#include "CTutorialDialog.h"
#include "NullSound.h"
#include "SoundLayer.h"
#include "TestBytes.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <functional>
#include <map>
#include <set>

namespace {

int Count(bool CObject::*flag)
{
    int count = 0;
    for (CObject* object : CObject::objects) {
        count += (object->*flag) ? 1 : 0;
    }
    return count;
}

}  // namespace

class IslandEventsTest : public GameScreenTest {
protected:
    void SetUp() override
    {
        GameScreenTest::SetUp();
        CProfile::current->SetValue<bool>(67, false);
        CProfile::current->SetValue<bool>(38, true);
        CControllerGame::lastDustPickup = 0;
    }

    // The timer's next values after it runs out, over many draws.
    template <class Run>
    static std::set<int> Draws(int& timer, Run run)
    {
        std::set<int> seen;
        for (int i = 0; i < 200; i++) {
            timer = 1;
            run();
            seen.insert(timer);
        }
        return seen;
    }
};

TEST_F(IslandEventsTest, DustFallsOnItsTimersFasterOnceItsMysteryIsSolvedAndNotBeforeItsLesson)
{
    CControllerGame& game = Open();
    // A band lives: the lessons of a band that died out are closed at once.
    CPerson::NewPerson(400, 400, nullptr, true, true, 30);
    InitRandom(5);
    std::set<int> star = Draws(game.stardustTimer, Frame);
    EXPECT_GE(*star.begin(), 1800);
    EXPECT_LE(*star.rbegin(), 5400);
    EXPECT_GT(star.size(), 100u);
    EXPECT_EQ(CDust::dust.size(), 200u) << "one heap each time the timer ran out";
    std::set<int> moon = Draws(game.moondustTimer, Frame);
    EXPECT_GE(*moon.begin(), 5400);
    EXPECT_LE(*moon.rbegin(), 10800);

    CMysteriousObject::SetVar(1 << 7 | 1 << 6);
    star = Draws(game.stardustTimer, Frame);
    EXPECT_GE(*star.begin(), 1350);
    EXPECT_LE(*star.rbegin(), 4050);
    moon = Draws(game.moondustTimer, Frame);
    EXPECT_GE(*moon.begin(), 4050);
    EXPECT_LE(*moon.rbegin(), 8100);

    // Long without dust: stardust only with an empty stock, moondust always;
    // 7199 frames (the frame counts one before the timers run) are not long.
    CControllerGame::lastDustPickup = 7198;
    game.stardustTimer = game.moondustTimer = 1;
    Frame();
    EXPECT_NE(game.stardustTimer, 1350);
    EXPECT_NE(game.moondustTimer, 4050);
    CControllerGame::lastDustPickup = 7199;
    game.stardustTimer = game.moondustTimer = 1;
    Frame();
    EXPECT_EQ(game.stardustTimer, 1350);
    EXPECT_EQ(game.moondustTimer, 4050);
    CControllerGame::Resources()->AddStardust(1);
    CControllerGame::lastDustPickup = 7200;
    game.stardustTimer = 1;
    Frame();
    EXPECT_NE(game.stardustTimer, 1350);

    // The tutorial holds the dust back until its lesson, but still redraws.
    CProfile::current->SetValue<bool>(67, true);
    const size_t heaps = CDust::dust.size();
    game.stardustTimer = 1;
    Frame();
    EXPECT_GT(game.stardustTimer, 1);
    EXPECT_EQ(CDust::dust.size(), heaps);
    CProfile::current->SetValue<bool>(1000 + 34, true);
    game.stardustTimer = 1;
    Frame();
    EXPECT_EQ(CDust::dust.size(), heaps + 1);
}

TEST_F(IslandEventsTest, StormsCratesMushroomsAndRotKeepTheirTimers)
{
    CControllerGame& game = Open(kFixedIslandSeeds[3]);
    CMap* island = CControllerGame::island;
    island->SetRain(false, 0);
    game.rainTimer = 0;
    Frame();
    EXPECT_TRUE(island->raining);
    EXPECT_EQ(island->rainKind, 1);
    EXPECT_GE(game.rainTimer, 18000);
    EXPECT_LE(game.rainTimer, 54000);
    // A storm due while it rains waits for the rain to stop.
    game.rainTimer = 0;
    Frame();
    Frame();
    EXPECT_LT(game.rainTimer, 0);
    island->SetRain(false, 0);
    Frame();
    EXPECT_GE(game.rainTimer, 18000);

    // The first crate comes at once while none was opened; later ones on the timer.
    CProfile::current->SetValue<bool>(38, false);
    delete CCrateBarrel::currentContainer;
    Frame();
    ASSERT_NE(CCrateBarrel::currentContainer, nullptr);
    EXPECT_TRUE(CCrateBarrel::currentContainer->first);
    CProfile::current->SetValue<bool>(38, true);
    game.crateTimer = 1;
    Frame();
    Frame();
    EXPECT_LT(game.crateTimer, 1) << "the timer runs on while a container lies there";
    delete CCrateBarrel::currentContainer;
    Frame();
    ASSERT_NE(CCrateBarrel::currentContainer, nullptr);
    EXPECT_FALSE(CCrateBarrel::currentContainer->first);
    EXPECT_GE(game.crateTimer, 9000);
    EXPECT_LE(game.crateTimer, 12600);

    const int mushrooms = Count(&CObject::isMushroom);
    game.mushroomTimer = 0;
    Frame();
    EXPECT_GE(Count(&CObject::isMushroom), mushrooms + 1);
    EXPECT_LE(Count(&CObject::isMushroom), mushrooms + 3);
    EXPECT_GE(game.mushroomTimer, 2500);
    EXPECT_LE(game.mushroomTimer, 4000);

    // One unit of wood rots every 54,001 frames with wood in stock.
    CResources* stock = CControllerGame::Resources();
    stock->RemoveWood(stock->GetWood());
    game.woodRotFrames = 54000;
    Frame();
    EXPECT_EQ(game.woodRotFrames, 54000) << "no wood, no rot";
    stock->AddWood(3);
    Frame();
    EXPECT_EQ(stock->GetWood(), 2);
    EXPECT_EQ(game.woodRotFrames, 0);
    Frame();
    EXPECT_EQ(game.woodRotFrames, 1);
}

TEST_F(IslandEventsTest, HeldDustIsDroppedByButtonsAndClosingAndWaitsUnderAPopUp)
{
    CProfile::current->SetValue<bool>(7, true);
    CProfile::current->SetValue<bool>(75, true);
    // Sound on the null output, so that the twinkle can be heard.
    StartNullSound(folder);
    struct SoundOff {
        ~SoundOff() { CSound::ShutDown(); }
    } soundOff;
    CControllerGame& game = Open();
    CControllerGame::Resources()->AddStardust(2);
    game.GUICallback(0, 0);
    Frame();
    EXPECT_FALSE(game.heldStardustSprite->Hidden());
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15000);
    EXPECT_TRUE(game.sndTwinkle->IsPlaying());

    // A pop-up of the frame keeps the dust held, its twinkle stopped.
    CObject::requestingFeedback = new FakeObject();
    CObject::requestingFeedbackData.id = 12001;
    game.settleFrames = 3;
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(game.dustMode, 1);
    EXPECT_FALSE(game.sndTwinkle->IsPlaying());
    CControllerGame::popUp->ShutDown(0);
    Frame();
    Frame();
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    EXPECT_TRUE(game.sndTwinkle->IsPlaying()) << "the twinkle starts again once the pop-up is gone";

    game.heldPotion = 4;
    game.GUICallback(17, 0);
    EXPECT_EQ(game.dustMode, 0);
    EXPECT_EQ(game.heldPotion, 0);
    EXPECT_TRUE(game.heldStardustSprite->Hidden());
    EXPECT_TRUE(game.potionPointer->Hidden());
    delete opener.screen;
    opener.screen = nullptr;
}

TEST_F(IslandEventsTest, StardustOnEmptyGroundIsRefusedAndKeepsTheStock)
{
    CControllerGame& game = Open();
    CControllerGame::Resources()->AddStardust(1);
    game.GUICallback(0, 0);
    MouseAt(300, 300);
    game.InputMouseClick(true, false, false);
    EXPECT_EQ(game.dustMode, 0);
    EXPECT_EQ(CControllerGame::Resources()->GetStardust(), 1);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15002);

    FakeObject* taker = new FakeObject(true, 5);
    taker->takesStardust = true;
    game.GUICallback(0, 0);
    game.InputMouseClick(true, false, false);
    EXPECT_EQ(taker->stardustOffers, 1);
    EXPECT_EQ(taker->clicks, 1) << "the target is clicked too";
    EXPECT_EQ(CControllerGame::Resources()->GetStardust(), 0);
    EXPECT_EQ(game.dustMode, 5) << "the burst plays";
}

// Dust an islander collects flies as sparks to its own counter: stardust's
// at the top left, moondust's at the top right; the other kind stays hidden.
TEST_F(IslandEventsTest, CollectedDustFliesToItsOwnCounter)
{
    CControllerGame& game = Open();
    CProfile::current->SetValue<bool>(7, true);
    MouseAt(400, 300);
    for (const bool star : {true, false}) {
        SCOPED_TRACE(star ? "stardust" : "moondust");
        game.AddDust(star);
        for (int i = 0; i < 60; i++) {
            Frame();
        }
        CSprite* const* flying = star ? game.starSprites : game.moonSprites;
        CSprite* const* other = star ? game.moonSprites : game.starSprites;
        const int counterX = star ? 42 : 597, counterY = star ? 27 : 28;
        for (int i = 0; i < CControllerGame::PARTICLES; i++) {
            ASSERT_FALSE(flying[i]->Hidden()) << i;
            EXPECT_LE(std::abs(flying[i]->GetX() - counterX), 2) << i;
            EXPECT_LE(std::abs(flying[i]->GetY() - counterY), 2) << i;
            EXPECT_TRUE(other[i]->Hidden()) << i;
        }
    }
}

class GroundPotionTest : public IslandEventsTest {
protected:
    struct island_state {
        bool raining = false;
        int rainKind = 0;
        size_t heaps = 0, flowers = 0, rocks = 0;
        int mushrooms = 0;
        bool crate = false;
    };

    static island_state State()
    {
        island_state state;
        state.raining = CControllerGame::island->raining;
        state.rainKind = CControllerGame::island->rainKind;
        state.heaps = CDust::dust.size();
        state.flowers = CControllerGame::island->flowers.size();
        state.rocks = CControllerGame::island->rocks.size();
        state.mushrooms = Count(&CObject::isMushroom);
        state.crate = CCrateBarrel::currentContainer != nullptr;
        return state;
    }

    // A ground potion's grass: the world point's own tile is mainly grass
    // and holds no shallow water.
    static bool OnGrass(int x, int y)
    {
        CMap* island = CControllerGame::island;
        return island->TileContainsTerrain_coords(x, y, 16, true) &&
               !island->TileContainsTerrain_coords(x, y, 128, true);
    }

    // The fixed island with no islander on it, whose own moves would draw
    // numbers and stand in the way.
    CControllerGame& OpenWithoutTheBand()
    {
        CControllerGame& game = Open(kFixedIslandSeeds[3]);
        for (CObject* object : std::vector<CObject*>(CObject::objects)) {
            if (object->isPerson) {
                delete object;
            }
        }
        return game;
    }

    // Centres the view on free grass and puts the pointer there; x is -1
    // when the island has none.
    coordinate PointAtGrass(CMap* island)
    {
        const coordinate at = Find(island, OnGrass);
        if (at.x != -1) {
            island->CenterScreen(at.x, at.y, true, false, false);
            MouseAt(at.x + island->offsetX, at.y + island->offsetY);
        }
        return at;
    }

    // A world point of the ground kind, free of obstructions around it.
    static coordinate Find(CMap*, const std::function<bool(int, int)>& kind)
    {
        for (int y = 400; y < 3600; y += 16) {
            for (int x = 400; x < 3600; x += 16) {
                if (kind(x, y) && kind(x, y + 25) && !CObject::Collision(x - 60, y - 80, 120, 120, true)) {
                    return {x, y};
                }
            }
        }
        return {-1, -1};
    }
};

TEST_F(GroundPotionTest, EachGroundPotionChangesTheIslandOnlyWhereItMay)
{
    CControllerGame& game = OpenWithoutTheBand();
    CMap* island = CControllerGame::island;
    std::map<std::string, coordinate> grounds = {
        {"grass", Find(island, OnGrass)},
        {"sand", Find(island, [island](int x, int y) {
             return island->TileContainsTerrain_coords(x, y, 8, true) &&
                    !island->TileContainsTerrain_coords(x, y, 16, true) && island->GetWaterDepth(x, y, 50) >= 1.0f;
         })},
        {"sea", Find(island, [island](int x, int y) { return island->GetWaterDepth(x, y, 50) < 0.5f; })},
    };
    for (auto& ground : grounds) {
        ASSERT_NE(ground.second.x, -1) << ground.first;
    }
    // The storm's damage draws from no building at all.
    for (CBuilding* building : std::vector<CBuilding*>(CBuilding::buildings)) {
        delete building;
    }
    ASSERT_TRUE(CBuilding::buildings.empty());

    struct potion_case {
        int potion;
        int tip;          // 0: fails off grass
        bool needsGrass;  // succeeds only on grass
    };
    const potion_case cases[] = {{1, 15013, false},  {11, 15021, false}, {19, 15034, false}, {5, 15017, true},
                                 {6, 15018, true},   {7, 15018, true},   {9, 15062, true},   {12, 15022, true},
                                 {16, 15060, true},  {17, 15032, false}, {2, 0, false}};
    for (const potion_case& c : cases) {
        for (auto& ground : grounds) {
            SCOPED_TRACE(testing::Message() << "potion " << c.potion << " on " << ground.first);
            island->SetRain(false, 0);
            delete CCrateBarrel::currentContainer;
            island->CenterScreen(ground.second.x, ground.second.y, true, false, false);
            MouseAt(ground.second.x + island->offsetX, ground.second.y + island->offsetY);
            game.heldPotion = c.potion;
            game.mistA->Hide();
            const island_state before = State();
            game.InputMouseClick(true, false, false);
            game.InputMouseClick(true, false, true);
            const island_state after = State();
            const bool works = c.tip != 0 && (!c.needsGrass || ground.first == "grass");
            EXPECT_EQ(game.heldPotion, 0) << "a potion is used up either way";
            EXPECT_EQ(CControllerGame::lastToolTip.id, works ? c.tip : 15012);
            EXPECT_EQ(!game.mistA->Hidden(), works) << "the mist shows only on success";
            EXPECT_EQ(after.raining, works && (c.potion == 1 || c.potion == 11 || c.potion == 19));
            if (after.raining) {
                EXPECT_EQ(after.rainKind, c.potion == 1 ? 0 : c.potion == 11 ? 1 : 2);
            }
            EXPECT_EQ(after.heaps, before.heaps + ((works && (c.potion == 6 || c.potion == 7)) ? 1 : 0));
            EXPECT_EQ(after.mushrooms, before.mushrooms + ((works && c.potion == 9) ? 4 : 0));
            EXPECT_EQ(after.flowers, before.flowers + ((works && c.potion == 12) ? 60 : 0));
            EXPECT_EQ(after.rocks, before.rocks + ((works && c.potion == 16) ? 1 : 0));
            EXPECT_EQ(after.crate, works && c.potion == 17);
        }
    }

    // A crate already afloat: no second one, but the tool-tip and the mist.
    new CCrateBarrel(-1, -1, false, true);
    CCrateBarrel* afloat = CCrateBarrel::currentContainer;
    const size_t objects = CObject::objects.size();
    game.heldPotion = 17;
    game.mistA->Hide();
    game.InputMouseClick(true, false, false);
    EXPECT_EQ(CCrateBarrel::currentContainer, afloat);
    EXPECT_EQ(CObject::objects.size(), objects);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15032);
    EXPECT_FALSE(game.mistA->Hidden());
}

// After the first mushroom's looks, a zero of 0..4 brings a second and only
// then a zero of 0..5 a third: each seed's draws say how many grow.
TEST_F(IslandEventsTest, ASecondMushroomNeedsAZeroOfFiveAndAThirdAZeroOfSixAfterIt)
{
    CControllerGame& game = Open();
    auto looks = [] {
        RangedRandom(0, 11);
        RangedRandom('A', 'D');
    };
    std::map<int, int> outcomes;  // mushrooms grown, times
    for (unsigned int seed = 1; seed <= 300; seed++) {
        const int before = Count(&CObject::isMushroom);
        InitRandom(seed);
        game.GrowMushrooms(2000, 2000);
        const int grown = Count(&CObject::isMushroom) - before;

        InitRandom(seed);
        looks();
        int expected = 1;
        if (RangedRandom(0, 4) == 0) {
            expected = 2;
            RangedRandom(5, 10);
            RangedRandom(5, 10);
            looks();
            expected += RangedRandom(0, 5) == 0 ? 1 : 0;
        }
        ASSERT_EQ(grown, expected) << "seed " << seed;
        outcomes[grown]++;
    }
    EXPECT_EQ(outcomes.size(), 3u) << "one, two and three all came up";
}

// A storm potion poured while rain already falls still breaks a storm of
// its own: the rain ends and starts again, with a fresh length and the
// relics the storm washes out.
TEST_F(GroundPotionTest, AStormPotionInTheRainBreaksAFreshStorm)
{
    CControllerGame& game = OpenWithoutTheBand();
    CMap* island = CControllerGame::island;
    const coordinate at = PointAtGrass(island);
    ASSERT_NE(at.x, -1);

    struct storm_case {
        int potion, kind, relics, shortest, longest;
    };
    for (const storm_case& c : {storm_case{11, 1, 1, 1800, 3600}, storm_case{19, 2, 4, 450, 900}}) {
        SCOPED_TRACE(testing::Message() << "potion " << c.potion);
        island->SetRain(false, 0);
        island->SetRain(true, 0);
        island->rainFramesLeft = 5;
        const size_t relics = CRelic::relic.size();
        game.heldPotion = c.potion;
        game.InputMouseClick(true, false, false);
        EXPECT_EQ(CControllerGame::lastToolTip.id, c.potion == 11 ? 15021 : 15034);
        EXPECT_TRUE(island->raining);
        EXPECT_EQ(island->rainKind, c.kind);
        EXPECT_GE(island->rainFramesLeft, c.shortest);
        EXPECT_LE(island->rainFramesLeft, c.longest);
        EXPECT_EQ(CRelic::relic.size(), relics + c.relics);
    }
}

// The mushroom potion's ring: each mushroom around the first is moved by an
// x drawn before its y, one pair at a time, between the mushrooms' own draws
// of their looks.
TEST_F(GroundPotionTest, TheMushroomPotionDrawsEachOffsetXBeforeY)
{
    CControllerGame& game = OpenWithoutTheBand();
    CMap* island = CControllerGame::island;
    const coordinate at = PointAtGrass(island);
    ASSERT_NE(at.x, -1);
    std::set<CObject*> before(CObject::objects.begin(), CObject::objects.end());
    game.heldPotion = 9;
    InitRandom(4242);
    game.InputMouseClick(true, false, false);
    std::vector<CObject*> grown;
    for (CObject* object : CObject::objects) {
        if (object->isMushroom && !before.count(object)) {
            grown.push_back(object);
        }
    }
    ASSERT_EQ(grown.size(), 4u);

    InitRandom(4242);
    auto looks = [] {
        RangedRandom(0, 11);
        RangedRandom('A', 'D');
    };
    looks();
    EXPECT_EQ(grown[0]->GetX(), at.x);
    EXPECT_EQ(grown[0]->GetY(), at.y);
    const coordinate ring[3] = {{15, 0}, {-15, 10}, {-5, -20}};
    for (int i = 0; i < 3; i++) {
        const int dx = RangedRandom(-10, 10);
        const int dy = RangedRandom(-10, 10);
        looks();
        EXPECT_EQ(grown[i + 1]->GetX(), at.x + ring[i].x + dx) << i + 1;
        EXPECT_EQ(grown[i + 1]->GetY(), at.y + ring[i].y + dy) << i + 1;
    }
}

// Near a shore the tile under the pointer and the tile 96 px up and to the
// left of it (the tile of the same numbers read without the island's border)
// can be grass and beach: every potion that needs grass, and the butterfly
// lesson's refusal, go by the tile under the pointer. (The beach is at least
// three tiles wide, so the sea itself never lies that close to grass.)
TEST_F(GroundPotionTest, GrassPotionsGoByTheTileUnderThePointerNearAShore)
{
    CControllerGame& game = OpenWithoutTheBand();
    CMap* island = CControllerGame::island;
    auto grass = [island](int tx, int ty) {
        return island->TileContainsTerrain_tile(tx, ty, 16) && !island->TileContainsTerrain_tile(tx, ty, 128);
    };
    auto beach = [island](int tx, int ty) { return island->TileContainsTerrain_tile(tx, ty, 8); };
    // A point near the top of tile (tx, ty): it and the point 25 px below it
    // (the rock potion's) share the tile, three tiles right of and below the
    // one read without the border.
    auto find = [&](const std::function<bool(int, int)>& own, const std::function<bool(int, int)>& upLeft) {
        for (int ty = 6; ty < 122; ty++) {
            for (int tx = 6; tx < 122; tx++) {
                const int x = tx * 32 - 96 + 16, y = ty * 32 - 96 + 2;
                if (own(tx, ty) && upLeft(tx - 3, ty - 3) && !CObject::Collision(x - 60, y - 80, 120, 120, true)) {
                    return coordinate{x, y};
                }
            }
        }
        return coordinate{-1, -1};
    };
    struct shore_case {
        const char* ground;
        coordinate at;
        bool onGrass;
    };
    const shore_case shores[] = {{"grass with beach up and left", find(grass, beach), true},
                                 {"beach with grass up and left", find(beach, grass), false}};
    auto pour = [&](int potion, coordinate at) {
        island->CenterScreen(at.x, at.y, true, false, false);
        MouseAt(at.x + island->offsetX, at.y + island->offsetY);
        ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr) << "poured on the ground";
        game.heldPotion = potion;
        game.InputMouseClick(true, false, false);
        game.InputMouseClick(true, false, true);
    };
    for (const shore_case& shore : shores) {
        ASSERT_NE(shore.at.x, -1) << shore.ground;
        ASSERT_EQ(OnGrass(shore.at.x, shore.at.y), shore.onGrass);
    }

    // While the butterfly lesson waits, its potion off grass stays held.
    CTutorialDialog::CompleteTutorial(57);
    pour(5, shores[1].at);
    EXPECT_EQ(game.heldPotion, 5) << "refused and kept";
    pour(5, shores[0].at);
    EXPECT_EQ(game.heldPotion, 0);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(58)) << "the butterflies came";

    struct grass_potion {
        int potion, tip;
    };
    const grass_potion potions[] = {{5, 15017}, {6, 15018}, {7, 15018}, {9, 15062}, {12, 15022}, {16, 15060}};
    for (const shore_case& shore : shores) {
        for (const grass_potion& p : potions) {
            SCOPED_TRACE(testing::Message() << "potion " << p.potion << " on " << shore.ground);
            const island_state before = State();
            pour(p.potion, shore.at);
            const island_state after = State();
            EXPECT_EQ(game.heldPotion, 0);
            EXPECT_EQ(CControllerGame::lastToolTip.id, shore.onGrass ? p.tip : 15012);
            const bool changed = after.heaps != before.heaps || after.flowers != before.flowers ||
                                 after.rocks != before.rocks || after.mushrooms != before.mushrooms;
            EXPECT_EQ(changed, shore.onGrass && p.potion != 5) << "the butterflies only fly";
        }
    }
}

TEST_F(GameScreenTest, AGroundPotionOfferedToAnIslanderSaysWhyByNameAndAChildGetsThePlainNo)
{
    CControllerGame& game = Open(kFixedIslandSeeds[2]);
    CMap* island = CControllerGame::island;
    // Offers the potion with a press on the islander, as the player does.
    auto offer = [&](int potion, CPerson* person) {
        person->UnHide();  // on the island, as a new or loaded islander is
        island->CenterScreen(Round(person->data.x), Round(person->data.y), true, false, false);
        Frame();
        Frame();
        for (int dy = -60; dy <= 20 && CObject::FindObjectAt(-1, -1, false, true) != person; dy += 2) {
            for (int dx = -10; dx <= 40 && CObject::FindObjectAt(-1, -1, false, true) != person; dx += 2) {
                MouseAt(Round(person->data.x) + island->offsetX + dx, Round(person->data.y) + island->offsetY + dy);
            }
        }
        ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), person);
        game.heldPotion = potion;
        game.InputMouseClick(true, false, false);
        EXPECT_EQ(game.heldPotion, 0);
    };
    const int x = island->GetStartX(), y = island->GetStartY();
    const int groundOnly[] = {1, 2, 4, 5, 6, 7, 9, 11, 12, 16, 17, 19, 27};
    for (int i = 0; i < 13; i++) {
        CPerson* adult = new CPerson(IslanderRecord(x + 500, y - 300, 30 * 172800));
        offer(groundOnly[i], adult);
        EXPECT_EQ(CControllerGame::lastToolTip.id, 15100 + i) << groundOnly[i];
        EXPECT_STREQ(CControllerGame::sidebar->timedMessage.text1, adult->GetASCIIName()) << "named";
        delete adult;
    }
    CPerson* child = new CPerson(IslanderRecord(x + 500, y - 300, 8 * 172800));
    child->kidWanderTimer = 1000;  // it waits where the potion is offered
    offer(21, child);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15012) << "a child is refused without a word of why";
}
