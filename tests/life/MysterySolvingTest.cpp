// Solving the mysteries: islanders dropped on them with the skills, genes and
// dust in their past that each one asks for, three quick doses of dust, the
// potion that opens the bush, and the trophies and notices along the way.
#include "CControllerExit.h"
#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CMap.h"
#include "CMysteriousObject.h"
#include "SeaLifeFixture.h"
#include "tests/islanders/IslanderRecords.h"

#include <memory>

namespace {

constexpr int kYear = 172800;
constexpr int kResearch = 11, kRock = 4, kWood = 2, kGardening = 14;

struct MysteryTest : SeaLifeTest {
    void SetUp() override
    {
        SeaLifeTest::SetUp();
        CControllerTrophies::trophyUnlockQueue = {};
        game = std::make_unique<CControllerGame>(false, false);
    }

    void TearDown() override
    {
        game.reset();
        // Closing the game keeps a portrait of this drawing context for the quit dialog.
        CControllerExit::ForgetPerson();
        CControllerTrophies::trophyUnlockQueue = {};
        CObject::requestingFeedback = nullptr;
        SeaLifeTest::TearDown();
    }

    // The player holds a grown islander with these skills (task, value).
    CPerson* Carry(std::initializer_list<std::pair<int, int>> skills, int gender = 0)
    {
        CPerson* held = new CPerson(IslanderRecord(0, 0, 30 * kYear, gender));
        for (const auto& skill : skills) {
            held->data.skills[skill.first] = skill.second;
        }
        game->pickupCandidate = held;
        return held;
    }

    // The islander's physical genes: count of them expressed, out of 100.
    CPerson* CarryGenes(int count)
    {
        CPerson* held = Carry({});
        for (int i = 0; i < count; i++) {
            held->data.genes.strengthGenes[0][i].allele[0] = 1;
        }
        return held;
    }

    // The notice the last try raised, cleared for the next; -1 none.
    static int Notice(CMysteriousObject* mystery)
    {
        const int id = CObject::requestingFeedback == mystery ? CObject::requestingFeedbackData.id : -1;
        CObject::requestingFeedback = nullptr;
        return id;
    }

    static int Drop(CMysteriousObject* mystery)
    {
        EXPECT_EQ(mystery->DroppedOn(), 0) << "a mystery never hands the islander a task";
        return Notice(mystery);
    }

    static int Trophies() { return static_cast<int>(CControllerTrophies::trophyUnlockQueue.size()); }

    static void Decay(CMysteriousObject* mystery, int frames)
    {
        for (int i = 0; i < frames; i++) {
            mystery->Pump(0, 0, 1);
        }
    }

    std::unique_ptr<CControllerGame> game;
};

}  // namespace

TEST_F(MysteryTest, TheCarvedStoneWantsARockMasterThenAMasterScholarAndPaysByScienceLevel)
{
    const int expectedPoints[3] = {50000, 100000, 200000};
    for (int level = 0; level < 3; level++) {
        SCOPED_TRACE(level);
        CMysteriousObject::ResetAllMysteriousObjects();
        CControllerTrophies::trophyUnlockQueue = {};
        while (CControllerScience::GetLevelScience() < level) {
            CControllerScience::AddLevelScience();
        }
        CMysteriousObject* stone = new CMysteriousObject(1000, 1000, 0);

        Carry({});
        EXPECT_EQ(Drop(stone), 26100);
        Carry({{kResearch, 10000}});
        EXPECT_EQ(Drop(stone), 26103) << "a scholar alone cannot break the shell";
        Carry({{kRock, 9999}});
        EXPECT_EQ(Drop(stone), 26102);
        EXPECT_EQ(stone->GetLevel(), 0);
        Carry({{kRock, 10000}}, 1);
        EXPECT_EQ(Drop(stone), 26101);
        EXPECT_EQ(stone->GetLevel(), 1);

        Carry({{kRock, 10000}});
        EXPECT_EQ(Drop(stone), 26104) << "the shell is open; rock skill no longer helps";
        Carry({{kResearch, 1}});
        EXPECT_EQ(Drop(stone), 26105);
        EXPECT_EQ(Trophies(), 0);

        const int before = CControllerScience::GetSciencePoints();
        Carry({{kResearch, 10000}});
        EXPECT_EQ(Drop(stone), 26106);
        EXPECT_EQ(CControllerScience::GetSciencePoints() - before, expectedPoints[level]);
        EXPECT_TRUE(CMysteriousObject::IsComplete(0));
        // The trophy belongs to the player: the first solving gives it, a new game's does not again.
        ASSERT_EQ(Trophies(), level == 0 ? 1 : 0);
        if (level == 0) {
            EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.front(), 512);
        }

        EXPECT_EQ(Drop(stone), 26000);
        EXPECT_EQ(Trophies(), level == 0 ? 1 : 0) << "the trophy comes once";
        delete stone;
    }
}

TEST_F(MysteryTest, DropNoticesNameTheIslanderWithPronounsOfItsGenderAndTheSolvedNoticeNamesNoOne)
{
    CMysteriousObject* stone = new CMysteriousObject(1000, 1000, 0);
    CPerson* man = Carry({});
    stone->DroppedOn();
    feedback_data notice = CObject::requestingFeedbackData;
    EXPECT_EQ(notice.insert[0], man->GetASCIIName());
    EXPECT_EQ(notice.insert[1], "24101");
    EXPECT_EQ(notice.insert[2], "24103");
    EXPECT_EQ(notice.noticeOnly, 1);

    CPerson* woman = Carry({}, 1);
    stone->DroppedOn();
    notice = CObject::requestingFeedbackData;
    // The notice keeps its own copy of the name: the islander may die before it shows.
    delete woman;
    game->pickupCandidate = nullptr;
    EXPECT_EQ(notice.insert[1], "24100");
    EXPECT_EQ(notice.insert[2], "24102");
    EXPECT_FALSE(notice.insert[0].empty());

    CMysteriousObject::SetVar(1);
    stone->DroppedOn();
    for (const std::string& insert : CObject::requestingFeedbackData.insert) {
        EXPECT_TRUE(insert.empty());
    }
    EXPECT_EQ(CObject::requestingFeedbackData.id, 26000);
    delete stone;
}

TEST_F(MysteryTest, ADropWithNothingCarriedRaisesNoNoticeUnlessTheMysteryIsSolved)
{
    CMysteriousObject* bush = new CMysteriousObject(1000, 1000, 1);
    game->pickupCandidate = nullptr;
    EXPECT_EQ(Drop(bush), -1);
    CMysteriousObject::SetVar(2);
    EXPECT_EQ(Drop(bush), 26000);
    delete bush;
}

TEST_F(MysteryTest, ThePotionWakesTheBushAndOnlyAMasterGardenerMakesItBloom)
{
    CMysteriousObject* bush = new CMysteriousObject(1000, 1000, 1);
    CMysteriousObject* spring = new CMysteriousObject(3000, 1000, 3);
    Carry({});
    EXPECT_EQ(Drop(bush), 26500);
    Carry({{kGardening, 10000}});
    EXPECT_EQ(Drop(bush), 26501) << "even a master needs the potion first";

    EXPECT_FALSE(bush->AcceptPotion(5));
    EXPECT_FALSE(spring->AcceptPotion(2));
    EXPECT_EQ(Notice(bush), -1);
    EXPECT_TRUE(bush->AcceptPotion(27));
    EXPECT_EQ(Notice(bush), 26504);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15063);
    EXPECT_EQ(bush->GetLevel(), 1);
    EXPECT_TRUE(CMysteriousObject::CheckVar(4096));
    EXPECT_FALSE(bush->AcceptPotion(2)) << "the bush is already awake";

    Carry({{kGardening, 9999}});
    EXPECT_EQ(Drop(bush), 26502);
    Carry({{kGardening, 10000}});
    EXPECT_EQ(Drop(bush), 26503);
    EXPECT_TRUE(CMysteriousObject::IsComplete(1));
    EXPECT_STREQ(bush->GetSpriteName(), "mysterious_1_0.png");
    EXPECT_EQ(bush->GetSpriteForSidebar().name, "sidebar_item_myst1b.png");
    delete spring;
    delete bush;
}

TEST_F(MysteryTest, TheSpringTellsAMasterScholarItsSecretOnceAndTheFlowersOnlyHint)
{
    CMysteriousObject* spring = new CMysteriousObject(1000, 1000, 3);
    Carry({});
    EXPECT_EQ(Drop(spring), 26400);
    Carry({{kResearch, 5000}});
    EXPECT_EQ(Drop(spring), 26401);
    Carry({{kResearch, 10000}});
    EXPECT_EQ(Drop(spring), 26402);
    EXPECT_EQ(spring->GetLevel(), 1);
    EXPECT_EQ(Drop(spring), 26402);
    EXPECT_EQ(spring->GetLevel(), 1) << "a second telling changes nothing";
    EXPECT_EQ(Trophies(), 0);

    CMysteriousObject::SetComplete(nullptr, 8);
    EXPECT_EQ(spring->GetLevel(), 2);
    EXPECT_EQ(Trophies(), 0) << "the islander's potion awards its trophy itself";
    CMysteriousObject::SetComplete(spring, 8);
    EXPECT_EQ(Trophies(), 1);
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.front(), 2048);
    delete spring;

    // The flower mystery only hints: its pattern solves it, never a drop.
    CMysteriousObject* flowers = new CMysteriousObject(1000, 1000, 2);
    for (int skill : {0, 50, 10000}) {
        Carry({{kGardening, skill}});
        EXPECT_EQ(Drop(flowers), skill == 0 ? 26300 : (skill == 50 ? 26301 : 26302));
    }
    EXPECT_FALSE(CMysteriousObject::IsComplete(2));
    delete flowers;
}

TEST_F(MysteryTest, TheStumpYieldsOnlyToFullStrengthAndItsSaplingGrowsOnlyInQuietRain)
{
    CMap& island = TiledIsland([](int, int) { return 0; }, 4000);
    map.release();  // the game screen deletes the island it plays on
    CMysteriousObject* stump = new CMysteriousObject(1000, 1000, 4);
    const int answers[][2] = {{32, 26600}, {33, 26601}, {65, 26601}, {66, 26602}, {99, 26602}};
    for (const auto& answer : answers) {
        CarryGenes(answer[0]);
        EXPECT_EQ(Drop(stump), answer[1]) << answer[0] << " genes";
    }
    EXPECT_EQ(stump->GetLevel(), 0);
    CarryGenes(100);
    EXPECT_EQ(Drop(stump), 26603);
    EXPECT_EQ(stump->GetLevel(), 1);
    EXPECT_EQ(stump->GetSpriteForSidebar().name, "mysterious_4_sapling.png");

    const size_t trees = island.trees.size();
    Carry({});
    EXPECT_EQ(Drop(stump), 26604) << "dry weather";
    island.raining = true;
    for (int storm : {1, 2}) {
        island.rainKind = storm;
        EXPECT_EQ(Drop(stump), 26604) << "storm " << storm;
    }
    EXPECT_EQ(island.trees.size(), trees);
    island.rainKind = 0;
    EXPECT_EQ(Drop(stump), 26605);
    EXPECT_TRUE(CMysteriousObject::IsComplete(4));
    ASSERT_EQ(island.trees.size(), trees + 1);
    EXPECT_EQ(Trophies(), 1);
    delete stump;
}

TEST_F(MysteryTest, TheVentNeedsAMasterScholarWithMasterHands)
{
    CMysteriousObject* vent = new CMysteriousObject(1000, 1000, 5);
    Carry({});
    EXPECT_EQ(Drop(vent), 26200);
    Carry({{kResearch, 10000}, {kWood, 400}});
    EXPECT_EQ(Drop(vent), 26205);
    Carry({{kResearch, 400}, {kWood, 10000}});
    EXPECT_EQ(Drop(vent), 26207);
    EXPECT_FALSE(CMysteriousObject::IsComplete(5));
    Carry({{kResearch, 10000}, {kGardening, 10000}});
    EXPECT_EQ(Drop(vent), 26208);
    EXPECT_TRUE(CMysteriousObject::IsComplete(5));
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.front(), 65536);
    delete vent;
}

TEST_F(MysteryTest, ThreeQuickDosesOfStardustRaiseTheCometStone)
{
    CMysteriousObject* comet = new CMysteriousObject(1000, 1000, 7);
    EXPECT_FALSE(comet->AcceptStardust());
    EXPECT_EQ(Notice(comet), 26003) << "refused, nothing spent";
    EXPECT_FALSE(comet->AcceptMoondust());
    EXPECT_EQ(Notice(comet), -1);

    CPerson* held = Carry({});
    EXPECT_EQ(Drop(comet), 26001);
    held->data.hadStardust = 1;
    EXPECT_EQ(Drop(comet), 26009);
    EXPECT_EQ(comet->GetLevel(), 1);
    EXPECT_EQ(Drop(comet), 26011);

    // Doses after 0, 100 and 200 frames leave the charge at 800: not enough.
    EXPECT_TRUE(comet->AcceptStardust());
    EXPECT_EQ(Notice(comet), 26005);
    Decay(comet, 100);
    EXPECT_TRUE(comet->AcceptStardust());
    Decay(comet, 100);
    EXPECT_TRUE(comet->AcceptStardust());
    EXPECT_EQ(Notice(comet), -1);
    EXPECT_EQ(comet->dustCharge, 800);
    EXPECT_FALSE(CMysteriousObject::IsComplete(7));

    // Once it has run down, the next dose starts again.
    Decay(comet, 800);
    EXPECT_EQ(comet->dustCharge, 0);
    EXPECT_TRUE(comet->AcceptStardust());
    EXPECT_EQ(Notice(comet), 26005);
    Decay(comet, 100);
    EXPECT_TRUE(comet->AcceptStardust());
    Decay(comet, 99);
    EXPECT_TRUE(comet->AcceptStardust());
    EXPECT_EQ(Notice(comet), 26007);
    EXPECT_EQ(comet->dustCharge, 1000);
    EXPECT_TRUE(CMysteriousObject::IsComplete(7));
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.front(), 8192);

    EXPECT_FALSE(comet->AcceptStardust()) << "solved: nothing spent";
    EXPECT_EQ(Notice(comet), -1);
    delete comet;
}

TEST_F(MysteryTest, MoondustWithoutAPauseSolvesTheNightStoneOnTheThirdDose)
{
    CMysteriousObject* night = new CMysteriousObject(1000, 1000, 6);
    EXPECT_FALSE(night->AcceptMoondust());
    EXPECT_EQ(Notice(night), 26004);
    CPerson* held = Carry({});
    EXPECT_EQ(Drop(night), 26002);
    held->data.hadMoondust = 1;
    EXPECT_EQ(Drop(night), 26010);
    EXPECT_FALSE(night->AcceptStardust()) << "the night stone takes only moondust";
    EXPECT_TRUE(night->AcceptMoondust());
    EXPECT_EQ(Notice(night), 26006);
    EXPECT_TRUE(night->AcceptMoondust());
    EXPECT_EQ(night->dustCharge, 750);
    EXPECT_TRUE(night->AcceptMoondust());
    EXPECT_EQ(Notice(night), 26008);
    EXPECT_TRUE(CMysteriousObject::IsComplete(6));
    delete night;
}
