#include "CFish.h"
#include "CMysteriousObject.h"
#include "CPersonMovement.h"
#include "CStone.h"
#include "CTree.h"
#include "IslanderFixture.h"

namespace {

class TaskTest : public IslanderTest {
protected:
    void SetUp() override
    {
        IslanderTest::SetUp();
        for (fish_clump& clump : CFish::fishClump) {
            clump = fish_clump{-5000, -5000, 0, nullptr};
        }
    }

    void TearDown() override
    {
        CFish::EraseFish();
        IslanderTest::TearDown();
    }

    // An adult of the given skill at task and physical strength.
    static CPerson* Worker(int task, int skill, int strength)
    {
        CPerson* person = Islander(30, 0, 1 + static_cast<int>(CPerson::people.size()));
        const int slots[] = {0, 0, 2, 3, 4, 5, 5, 5, 0, 14, 0, 11, 12, 0, 14, 14, 14, 0, 0};
        person->data.skills[slots[task]] = skill;
        person->physicalStrength = strength;
        return person;
    }
};

}  // namespace

TEST_F(TaskTest, WorkTakesLessTimeWithSkillStrengthAndTheQuickWorkMystery)
{
    struct example {
        int task, skill, strength;
        bool mystery;
        int frames;
    };
    const example examples[] = {
        {2, 0, 0, false, 180},     {2, 10000, 100, false, 90}, {6, 10000, 0, false, 135},
        {9, 0, 0, false, 60},      {2, 10000, 100, true, 72},  {4, 5000, 50, true, 108},
        {5, 0, 0, true, 144},      {11, 10000, 100, true, 90}, {12, 0, 0, true, 180},
        {15, 0, 0, true, 180},     {14, 9999, 99, true, 48},   {13, 10000, 100, true, 5},
    };
    // Once solved, a mystery stays solved: the examples without it come first.
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "task " << e.task << " skill " << e.skill << " mystery " << e.mystery);
        CMysteriousObject::SetVar(e.mystery ? 1 << 5 : 0);
        CPerson* person = Worker(e.task, e.skill, e.strength);
        EXPECT_EQ(person->GetTaskLength(e.task, false), e.frames);
        delete person;
    }
}

TEST_F(TaskTest, FishingTakesLessTimeAtBiggerClumpsAndNeverLessThanTheClumpsMinimum)
{
    CMysteriousObject::SetVar(1 << 5);  // no effect on fishing
    struct example {
        int clump, skill, strength, frames;
    };
    const example examples[] = {
        {-1, 0, 0, 1200},  {2, 0, 0, 1200},   {3, 0, 0, 1000},  {19, 5000, 0, 500}, {20, 0, 50, 400},
        {49, 0, 0, 800},   {50, 0, 0, 600},   {60, 10000, 100, 60}, {2, 9000, 90, 240}, {30, 9000, 0, 120},
    };
    CPerson* fisher = Worker(3, 0, 0);
    // The clump is found from the islander's feet.
    fisher->data.x = 2000.0f - 13.0f;
    fisher->data.y = 2000.0f - 32.0f;
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "clump " << e.clump << " skill " << e.skill);
        CFish::fishClump[1] = fish_clump{e.clump == -1 ? 2500 : 2300, 2000, e.clump, nullptr};
        fisher->data.skills[3] = e.skill;
        fisher->physicalStrength = e.strength;
        EXPECT_EQ(fisher->GetTaskLength(3, false), e.frames);
    }
    // At its fishing spot the islander reads the clump there instead.
    CFish::fishClump[1] = fish_clump{2300, 2000, 60, nullptr};
    CFish::fishClump[2] = fish_clump{600, 600, 10, nullptr};
    fisher->data.skills[3] = 0;
    fisher->physicalStrength = 0;
    fisher->data.fishingX = 600 - 13;
    fisher->data.fishingY = 600 - 32;
    EXPECT_EQ(fisher->GetTaskLength(3, false), 600);
    EXPECT_EQ(fisher->GetTaskLength(3, true), 1000);
}

TEST_F(TaskTest, TheBiggerTheBandTheRarerAFishIsLanded)
{
    // Landing when RangedRandom(0, 100) is below the limit: limit / 101.
    struct band {
        int people, limit;
    };
    const band bands[] = {{8, 101}, {9, 90}, {10, 80}, {12, 60}, {15, 30}, {20, 10}, {25, 5}, {30, 1}, {40, 1}};
    for (const band& b : bands) {
        SCOPED_TRACE(b.people);
        while (static_cast<int>(CPerson::people.size()) < b.people) {
            Islander(30, 0, static_cast<int>(CPerson::people.size()) + 1);
        }
        constexpr int kTurns = 20000;
        int landed = 0;
        for (int turn = 0; turn < kTurns; turn++) {
            landed += CPerson::FishSuccess();
        }
        EXPECT_NEAR(landed / static_cast<double>(kTurns), b.limit / 101.0, 0.012);
    }
    CPerson::people.back()->dying = true;  // the dying do not count
    Islander(30, 0, 99)->deleteMe = true;  // nor the departed
    EXPECT_EQ(CPerson::NumPeople(), 39);
}

TEST_F(TaskTest, PermissionsComeInGroupsAndForbiddingTheCurrentTaskEndsItNextFrame)
{
    CPerson* person = Islander(30, 1, 1);
    person->UnHide();
    person->data.permittedTasks[0] = 1;
    person->PermitTask(15, true);
    for (int task : {9, 14, 15, 16}) {
        EXPECT_TRUE(person->IsTaskPermitted(task)) << task;
    }
    person->PermitTask(5, true);
    person->PermitTask(6, false);
    EXPECT_TRUE(person->IsTaskPermitted(5));
    EXPECT_FALSE(person->IsTaskPermitted(6));
    EXPECT_TRUE(person->IsTaskPermitted(7));
    person->PermitTask(5, false);
    EXPECT_FALSE(person->IsTaskPermitted(7));
    EXPECT_FALSE(person->IsTaskPermitted(40)) << "outside the table nothing is permitted";

    person->PermitTask(9, true);
    person->ChangeTask(14);
    person->PermitTask(2, false);
    EXPECT_FALSE(person->endTaskRequested) << "another group leaves the task alone";
    person->PermitTask(16, false);
    EXPECT_TRUE(person->endTaskRequested);
    EXPECT_EQ(person->GetCurrentTask(), 14) << "the task runs until the next frame";
    person->Pump(0, 0, 1);
    EXPECT_EQ(person->GetCurrentTask(), 0);
    EXPECT_FALSE(person->endTaskRequested);
}

TEST_F(TaskTest, RemovingAnObjectEndsTheWorkOfThoseOnItAndANullObjectEndsNothing)
{
    CTree tree(500, 500, 2, 0, true, false, false);
    CTree otherTree(900, 500, 2, 0, true, false, false);
    CStone rock(500, 900, 2, 0, true, false);
    CPerson* chopper = Islander(30, 0, 1);
    CPerson* neighbour = Islander(30, 1, 2);
    CPerson* breaker = Islander(30, 0, 3);
    CPerson* idle = Islander(30, 1, 4);
    chopper->ChangeTask(2);
    chopper->targetTree = &tree;
    neighbour->ChangeTask(2);
    neighbour->targetTree = &otherTree;
    breaker->ChangeTask(4);
    breaker->targetRock = &rock;
    for (CPerson* p : CPerson::people) {
        p->spacingDelay = 1000;  // nobody walks off
    }

    CPerson::StopEveryoneHacking(static_cast<CTree*>(nullptr));
    CPerson::StopEveryoneHacking(static_cast<CStone*>(nullptr));
    CPerson::StopEveryoneHacking(static_cast<CBuilding*>(nullptr));
    CPerson::StopEveryoneHacking(static_cast<CTreeIndicator*>(nullptr));
    CPerson::StopEveryoneHacking(static_cast<CFlowerIndicator*>(nullptr));
    EXPECT_EQ(chopper->GetCurrentTask(), 2);
    EXPECT_EQ(neighbour->GetCurrentTask(), 2);
    EXPECT_EQ(breaker->GetCurrentTask(), 4);

    CPerson::StopEveryoneHacking(&tree);
    EXPECT_EQ(chopper->GetCurrentTask(), 0);
    EXPECT_EQ(chopper->targetTree, nullptr);
    EXPECT_EQ(neighbour->GetCurrentTask(), 2);
    EXPECT_EQ(breaker->GetCurrentTask(), 4);
    CPerson::StopEveryoneHacking(&rock);
    EXPECT_EQ(breaker->GetCurrentTask(), 0);
    EXPECT_EQ(idle->GetCurrentTask(), 0);
}

TEST_F(TaskTest, EndingATaskWakesASleepingPartnerCrosslyUnlessThePartnerIsKept)
{
    CPerson* leaver = Islander(30, 0, 1);
    CPerson* sleeper = Islander(30, 1, 2);
    auto pair = [&]() {
        leaver->partner = sleeper;
        sleeper->partner = leaver;
        leaver->ChangeTask(10);
        sleeper->ChangeTask(8);
        sleeper->finishSoon = false;
        sleeper->thoughtId = 30000;
        sleeper->thoughtCountdown = 0;
        leaver->spacingDelay = sleeper->spacingDelay = 1000;
    };

    pair();
    leaver->keepPartner = true;
    leaver->EndTask(false);
    EXPECT_EQ(leaver->partner, nullptr) << "the own link always goes";
    EXPECT_FALSE(sleeper->finishSoon);
    EXPECT_EQ(sleeper->thoughtId, 30000);
    leaver->keepPartner = false;

    pair();
    leaver->EndTask(true);
    EXPECT_EQ(leaver->partner, nullptr);
    EXPECT_EQ(leaver->lastTask, 10);
    EXPECT_TRUE(sleeper->finishSoon);
    EXPECT_EQ(sleeper->thoughtId, -1);
    EXPECT_GE(sleeper->thoughtCountdown, 600);
    EXPECT_LE(sleeper->thoughtCountdown, 900);
    EXPECT_EQ(sleeper->partner, leaver) << "the partner leaves at its own next step";

    // The chain ends where it closes on itself.
    leaver->partner = sleeper;
    sleeper->finishSoon = false;
    leaver->FinishTaskSoon();
    EXPECT_TRUE(leaver->finishSoon);
    EXPECT_TRUE(sleeper->finishSoon);
}

TEST_F(TaskTest, NobodyIsClosestWhenThereIsNobody)
{
    EXPECT_EQ(CPerson::HowCloseIsTheClosestPersonTo(0, 0, false), -1);
    CPerson* held = Islander(30, 0, 1);
    held->pickedUp = true;
    Islander(30, 0, 2);  // at (1020, 1000)
    EXPECT_EQ(CPerson::HowCloseIsTheClosestPersonTo(1000, 1000, false), 10);
    EXPECT_EQ(CPerson::HowCloseIsTheClosestPersonTo(1000, 1000, true), 20);
}
