#include "CProfile.h"
#include "IslanderLifeFixture.h"
#include "SFMT.h"
#include "Utilities.h"

#include <cmath>
#include <cstdint>

namespace {

class DecideTest : public IslanderLifeTest {
protected:
    void SetUp() override
    {
        IslanderLifeTest::SetUp();
        CControllerGame::island->startX = CControllerGame::island->startY = 250;
        startX = CControllerGame::island->GetStartX();
        startY = CControllerGame::island->GetStartY();
    }

    // A grown-up with nothing to do and no wish to wander yet.
    static CPerson* Idle(int energy, int food)
    {
        CPerson* person = Grown(30, 0, 1);
        person->data.energy = energy;
        person->data.food = food;
        person->wanderTimer = 100;
        return person;
    }

    static float FromStart(int x, int y, int sx, int sy)
    {
        return static_cast<float>(std::max(std::abs(x - sx), std::abs(y - sy)));
    }

    int startX = 0, startY = 0;
};

}  // namespace

TEST_F(DecideTest, AGrownUpLowOnANeedWaitsOneFrameThenGoesToSleepOrEatOnEveryIdleFrame)
{
    struct example {
        int energy, food;
        int sleepCountdown, eatCountdown;
        int task;
    };
    const example examples[] = {
        {2499, 9000, 1500, -1, 8},    // the shortest wait
        {0, 9000, 4500, -1, 8},
        {-9999, 9000, 22498, -1, 8},  // trunc(4.9996 x 4500)
        {9000, 2499, -1, 300, 13},
        {9000, -2500, -1, 1800, 13},
    };
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "energy " << e.energy << " food " << e.food);
        CPerson* person = Idle(e.energy, e.food);
        person->DecideWhatToDo();
        EXPECT_EQ(person->GetCurrentTask(), 0) << "nothing permitted: the first frame stays idle";
        EXPECT_EQ(person->sleepCountdown, e.sleepCountdown);
        EXPECT_EQ(person->eatCountdown, e.eatCountdown);
        person->DecideWhatToDo();
        EXPECT_EQ(person->GetCurrentTask(), e.task);
        delete person;
    }

    // A countdown run out is computed afresh, and that frame is free; a
    // busy islander is left to its work.
    CPerson* person = Idle(0, 9000);
    person->sleepCountdown = 0;
    for (int expected : {8, 0, 8}) {
        person->DecideWhatToDo();
        EXPECT_EQ(person->GetCurrentTask(), expected);
        person->EndTask(false);
    }
    person->ChangeTask(3);
    person->DecideWhatToDo();
    EXPECT_FALSE(person->idle);
    EXPECT_EQ(person->GetCurrentTask(), 3);
}

// Below half energy a grown-up's first draw of the frame decides a nap: a
// zero of 0..2. From half energy on there is no nap to draw for.
TEST_F(DecideTest, ATiredIdleGrownUpNapsOnAZeroOfThreeOnlyBelowHalfEnergy)
{
    struct example {
        int energy;
        bool mayNap;
    };
    for (const example& e : {example{2500, true}, example{4999, true}, example{5000, false}}) {
        SCOPED_TRACE(testing::Message() << "energy " << e.energy);
        CPerson* person = Idle(e.energy, 9000);
        int naps = 0, zeros = 0;
        for (int trial = 0; trial < 60; trial++) {
            person->EndTask(false);
            person->lastTask = 0;
            person->wanderTimer = 100;
            GetRandom();  // the next draw changes even where none is taken
            SFMT copy = RandomGenerator();
            const bool zero = copy.GenRand32() % 3 == 0;
            person->DecideWhatToDo();
            const bool napped = person->GetCurrentTask() == 8;
            ASSERT_EQ(napped, e.mayNap && zero) << "trial " << trial;
            naps += napped;
            zeros += zero;
        }
        EXPECT_GT(zeros, 0);
        EXPECT_LT(zeros, 60);
        delete person;
    }
}

TEST_F(DecideTest, PermittedWorkIsTakenInTurnFromTheIslandersOwnList)
{
    CPerson::InitTaskQueue();
    CPerson* person = Idle(9000, 9000);
    person->PermitTask(2, true);
    person->PermitTask(4, true);
    std::vector<int> chosen;
    for (int turn = 0; turn < 4; turn++) {
        person->DecideWhatToDo();
        chosen.push_back(person->GetCurrentTask());
        person->EndTask(false);
    }
    EXPECT_TRUE((chosen == std::vector<int>{2, 4, 2, 4}) || (chosen == std::vector<int>{4, 2, 4, 2}));

    // An entry no longer enabled is taken once and leaves the list.
    person->tasks = {task_item{4, 0}, task_item{2, 1}};
    for (int expected : {4, 2, 2}) {
        person->DecideWhatToDo();
        EXPECT_EQ(person->GetCurrentTask(), expected);
        person->EndTask(false);
    }
    EXPECT_EQ(person->tasks.size(), 1u);
}

TEST_F(DecideTest, AGrownUpWithoutWorkWandersNearTheStartOnceItsWaitRunsDown)
{
    profile.SetValue<bool>(67, false);
    CPerson* person = Idle(9000, 9000);
    person->wanderTimer = 5;
    int frames = 0;
    while (person->GetCurrentTask() == 0 && frames < 50) {
        CObject::MoveObjects(0, 0, 1);
        frames++;
    }
    EXPECT_EQ(person->GetCurrentTask(), 1);
    EXPECT_GE(frames, 5);
    EXPECT_LE(frames, 7);
    EXPECT_GE(person->wanderTimer, 299);

    int nearStart = 0;
    const int trials = 700;
    for (int trial = 0; trial < trials; trial++) {
        person->EndTask(false);
        person->wanderTimer = 0;
        person->DecideWhatToDo();
        ASSERT_EQ(person->GetCurrentTask(), 1);
        nearStart += FromStart(person->subTaskX, person->subTaskY, startX, startY) <= 300.0f;
    }
    EXPECT_NEAR(nearStart, trials * 6 / 7, 40);
}

TEST_F(DecideTest, AKidWandersAgainAfter61To181IdleFrames)
{
    CPerson* kid = Grown(8, 1, 1);
    kid->DecideWhatToDo();
    ASSERT_EQ(kid->GetCurrentTask(), 1) << "a new kid sets off at once";
    int least = 1000, most = 0;
    for (int walk = 0, frames = 0; walk < 100; walk++, frames = 0) {
        for (kid->EndTask(false); kid->GetCurrentTask() == 0 && frames < 500; frames++) {
            kid->DecideWhatToDo();
        }
        least = std::min(least, frames);
        most = std::max(most, frames);
    }
    EXPECT_GE(least, 61);
    EXPECT_LE(most, 181);
    EXPECT_GT(most - least, 100);
}

// A kid's wander: its wait, a point anywhere, then one time in five a point
// near the start drawn straight after, in that order and nothing between.
TEST_F(DecideTest, AKidWandersNearTheStartOneTimeInFiveByTheNextTwoDraws)
{
    auto ranged = [](SFMT& copy, int lo, int hi) {
        return static_cast<int>(static_cast<uint32_t>(lo) + copy.GenRand32() % static_cast<uint32_t>(hi - lo + 1));
    };
    CPerson* kid = Grown(8, 1, 1);
    int nearStart = 0, walks = 0;
    for (int trial = 0; trial < 200; trial++) {
        kid->EndTask(false);
        kid->kidWanderTimer = 0;
        SFMT copy = RandomGenerator();
        kid->DecideWhatToDo();
        const int wait = ranged(copy, 60, 180);
        int x = ranged(copy, 300, 3605);
        int y = ranged(copy, 300, 3605);
        const bool near = ranged(copy, 0, 4) == 0;
        if (near) {
            x = startX + ranged(copy, -300, 300);
            y = startY + ranged(copy, -300, 300);
        }
        ASSERT_EQ(kid->kidWanderTimer, wait);
        if (kid->GetCurrentTask() != 1) {
            continue;  // an obstruction stood there
        }
        walks++;
        nearStart += near;
        ASSERT_EQ(kid->subTaskX, x) << "trial " << trial;
        ASSERT_EQ(kid->subTaskY, y) << "trial " << trial;
    }
    EXPECT_GT(walks, 150);
    EXPECT_NEAR(nearStart, walks / 5, 20);
}

TEST_F(DecideTest, ABabyCrawlsAfterItsMotherUntilSheIsDeletedThenAnywhere)
{
    CPerson* mother = Grown(30, 1, 7, 1500, 1500);
    CPerson* baby = Grown(1, 0, 8, 1450, 1450);
    Grown(30, 0, 9, 3000, 3000);  // the band lives on without her
    baby->data.motherId = 7;
    baby->DecideWhatToDo();
    EXPECT_EQ(baby->GetCurrentTask(), 0) << "within 100 px of her";

    baby->data.x = 1000.0f;
    baby->data.y = 1500.0f;
    baby->DecideWhatToDo();
    ASSERT_EQ(baby->GetCurrentTask(), 1);
    EXPECT_NEAR(baby->subTaskX, 1100, 2) << "100 px towards her";
    EXPECT_NEAR(baby->subTaskY, 1500, 2);

    // Dead but not yet swept away: still the one to follow.
    baby->EndTask(false);
    mother->Die(false);
    EXPECT_EQ(baby->FindMom(), mother);
    baby->DecideWhatToDo();
    EXPECT_NEAR(baby->subTaskX, 1100, 2);

    baby->EndTask(false);
    CObject::MoveObjects(0, 0, 1);  // the sweep deletes her
    ASSERT_EQ(CPerson::people.size(), 2u);
    EXPECT_EQ(baby->FindMom(), nullptr);
    int crawls = 0;
    for (int trial = 0; trial < 20; trial++) {
        baby->EndTask(false);
        baby->DecideWhatToDo();
        crawls += baby->GetCurrentTask() == 1;
    }
    EXPECT_EQ(crawls, 20) << "a motherless baby crawls about the island";
}

