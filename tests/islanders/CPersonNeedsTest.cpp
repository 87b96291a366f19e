#include "CProfile.h"
#include "IslanderLifeFixture.h"

#include <algorithm>

namespace {

class NeedsTest : public IslanderLifeTest {
protected:
    // One birthday to the given years; true when it marked the islander.
    static bool Birthday(CPerson* person, int years)
    {
        person->dying = false;
        person->data.age = years * kYear - 1;
        person->lastYears = years - 1;
        person->stageAge = years;
        person->HandleAgeing();
        return person->dying;
    }

    static int Marked(int years, int trials, CPerson* person)
    {
        int marked = 0;
        for (int i = 0; i < trials; i++) {
            marked += Birthday(person, years);
        }
        return marked;
    }
};

}  // namespace

TEST_F(NeedsTest, GrownUpsTireAndHungerFasterAtWorkAndChildrenNever)
{
    struct example {
        int years, effort, frames;
        int leastEnergy, mostEnergy, food;
        int framesShort;  // of the years
    };
    const example examples[] = {
        {13, 3, 500, 0, 0, 0, 0},      // children use nothing
        {14, 3, 500, 0, 0, 0, 1},      // a frame short of fourteen
        {14, 1, 600, 20, 30, 48, 0},   // from the fourteenth birthday on
        {30, 1, 600, 20, 30, 48, 0},   // standing: a point every 20-30 frames, two every 25
        {70, 3, 210, 21, 30, 32, 0},   // at work: a point every 7-10 frames, two every 13
    };
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << e.years << " years less " << e.framesShort << ", effort " << e.effort);
        // Frame by frame, and all the frames in one call as time away does.
        for (bool inOneCall : {false, true}) {
            CPerson* person = Grown(e.years, 0, 1);
            person->data.age = e.years * kYear - e.framesShort;
            if (inOneCall) {
                person->GetTiredFor(e.effort, e.frames);
            } else {
                for (int frame = 0; frame < e.frames; frame++) {
                    person->GetTired(e.effort);
                }
            }
            const int energyUsed = 10000 - person->data.energy;
            EXPECT_GE(energyUsed, e.leastEnergy) << inOneCall;
            EXPECT_LE(energyUsed, e.mostEnergy) << inOneCall;
            EXPECT_EQ(10000 - person->data.food, e.food) << inOneCall;
            delete person;
        }
    }
}

// Hunger is tested before sleep: out of both, the islander is last marked
// to die of exhaustion.
TEST_F(NeedsTest, ANeedBelowMinus9999MarksTheIslanderToDieOfIt)
{
    const struct {
        int food, energy;
        const char* cause;  // empty: lives on
    } cases[] = {
        {-9999, -9999, ""},
        {-10000, 10000, "12022"},
        {10000, -10000, "12023"},
        {-10000, -10000, "12023"},
    };
    for (const auto& c : cases) {
        CPerson* person = Grown(30, 0, 1);
        person->data.food = c.food;
        person->data.energy = c.energy;
        person->CheckForDeath();
        EXPECT_EQ(person->dying, c.cause[0] != '\0') << c.food << " " << c.energy;
        if (person->dying) {
            EXPECT_EQ(person->deathCause, c.cause) << c.food << " " << c.energy;
        }
        delete person;
    }
}

TEST_F(NeedsTest, OldAgeDrawsFrom66AndIsCertainFrom100AndLonelinessTakesOneInFive)
{
    CPerson* old = Grown(60, 0, 1);
    Grown(30, 1, 2);  // company: no loneliness
    EXPECT_EQ(Marked(65, 2000, old), 0);
    // 30 in 1001 at 66, rising by the year.
    const int at66 = Marked(66, 20000, old);
    EXPECT_NEAR(at66, 20000 * 30 / 1001, 90);
    EXPECT_NEAR(Marked(83, 5000, old), 5000 * 515 / 1001, 150);
    EXPECT_EQ(Marked(100, 500, old), 500);
    EXPECT_EQ(old->deathCause, "12021");

    delete old;  // one alone, even a baby, may die of loneliness
    CPerson* alone = CPerson::people[0];
    EXPECT_NEAR(Marked(31, 5000, alone), 1000, 90);
    EXPECT_EQ(alone->deathCause, "12024");
}

TEST_F(NeedsTest, TheLooksChangeAt3And14YearsAndALoadedIslanderChangesOnceOnItsFirstFrame)
{
    CPerson* baby = Grown(2, 0, 1);
    baby->stageAge = 0;
    baby->data.age = 3 * kYear - 1;
    baby->physicalStrength = 10;  // slow once grown
    baby->carriedItem = 2;
    baby->portraitImage = 7;
    baby->Pump(0, 0, 1);
    EXPECT_EQ(baby->stageAge, 3);
    EXPECT_EQ(baby->carriedItem, -1) << "the change ends the task";
    EXPECT_EQ(baby->portraitImage, -1);
    EXPECT_EQ(baby->data.age, 3 * kYear + 1) << "the nested frame ages one more tick";

    CPerson* kid = Grown(13, 1, 2);
    kid->data.age = 14 * kYear - 1;
    kid->physicalStrength = 10;
    kid->AdjustSpeed(false);
    ASSERT_EQ(kid->speedLevel, 4) << "kids run fast";
    kid->Pump(0, 0, 1);
    EXPECT_EQ(kid->stageAge, 14);
    EXPECT_EQ(kid->speedLevel, 1) << "the grown-up's speed follows its strength";

    CPerson* loaded = Islander(30, 0, 3);
    loaded->UnHide();
    loaded->portraitImage = 7;
    loaded->Pump(0, 0, 1);
    EXPECT_EQ(loaded->stageAge, 30);
    EXPECT_EQ(loaded->portraitImage, -1);
    loaded->portraitImage = 7;
    for (int frame = 0; frame < 20; frame++) {
        loaded->Pump(0, 0, 1);
    }
    EXPECT_EQ(loaded->portraitImage, 7) << "the changes of the years it skipped never come";
}

// The walk slows by one step on the sixty-fifth birthday itself: neither a
// tick before it nor a year late.
TEST_F(NeedsTest, TheSixtyFifthBirthdaySlowsTheWalkOnItsOwnFrame)
{
    CPerson* elder = Grown(64, 0, 4);
    elder->physicalStrength = 80;
    elder->AdjustSpeed(false);
    const int before = elder->speedLevel;
    ASSERT_GT(before, 1);
    elder->data.age = 65 * kYear - 2;
    elder->Pump(0, 0, 1);
    EXPECT_EQ(elder->stageAge, 64) << "a tick short of 65";
    EXPECT_EQ(elder->speedLevel, before);
    elder->Pump(0, 0, 1);
    EXPECT_EQ(elder->stageAge, 65);
    EXPECT_EQ(elder->speedLevel, before - 1);
}

TEST_F(NeedsTest, AStarvingAdultDiesOutOfSightAndLeavesItsGrave)
{
    profile.SetValue<int>(54, 4);
    CPerson* starving = Grown(30, 1, 1);
    Grown(40, 0, 2, 600, 400);
    starving->data.skills[3] = 7000;  // a fishing woman of rank 2
    starving->data.x = 500.0f;
    starving->data.y = 400.0f;
    starving->data.food = -9990;
    starving->data.energy = 10000;
    // Graves keep clear of the start; here it lies far off across the island.
    CControllerGame::island->startX = CControllerGame::island->startY = 400;
    int frames = 0;
    while (!starving->dying && frames < 1000) {
        CObject::MoveObjects(0, 0, 1);
        frames++;
    }
    ASSERT_TRUE(starving->dying);
    EXPECT_EQ(starving->deathCause, "12022");
    for (int frame = 0; frame < 30; frame++) {
        CObject::MoveObjects(0, 0, 1);
    }
    EXPECT_EQ(CPerson::people.size(), 2u) << "no death in view";
    EXPECT_TRUE(CTombstone::tombstones.empty());

    const float diedAtX = starving->data.x, diedAtY = starving->data.y;
    CObject::MoveObjects(-2000, 0, 1);  // the view moves on
    ASSERT_EQ(CPerson::people.size(), 1u);
    ASSERT_EQ(CTombstone::tombstones.size(), 1u);
    EXPECT_EQ(profile.GetValue<int>(54), 5);

    CTombstone::Save();
    const std::vector<tombstone_data> graves = profile.GetVectorValue<tombstone_data>(30);
    ASSERT_EQ(graves.size(), 1u);
    EXPECT_NEAR(graves[0].x, diedAtX, 5.0f) << "where it fell";
    EXPECT_NEAR(graves[0].y, diedAtY, 5.0f);
    EXPECT_STREQ(graves[0].rank, "11126");
    EXPECT_STREQ(graves[0].specialty, "11107");
    EXPECT_STREQ(graves[0].cause, "12022");
    EXPECT_EQ(graves[0].age, 30);
}

TEST_F(NeedsTest, TheLastAdultsDeathLeavesTheChildrenToLoneliness)
{
    CPerson* adult = Grown(30, 0, 1);
    CPerson* kid = Grown(6, 1, 2);
    CPerson* baby = Grown(1, 0, 3);
    CPerson::craftQueue.push_back(craft_data{1, 0, 0, {}, {}, 0, 100});
    CPerson::craftQueue.push_back(craft_data{2, 0, 0, {}, {}, 0, 100});
    CPerson::pickupQueue.push_back(craft_data{1, 0, 0, {}, {}, 100, 100});
    CPerson::simulating = true;  // no hunger draw for the children: only loneliness
    adult->DieSoon(12022);
    CPerson::simulating = false;
    EXPECT_FALSE(kid->dying);
    adult->Die(true);
    EXPECT_TRUE(kid->dying);
    EXPECT_TRUE(baby->dying);
    EXPECT_EQ(kid->deathCause, "12024");
    ASSERT_EQ(CPerson::craftQueue.size(), 1u) << "the dead's orders go";
    EXPECT_EQ(CPerson::craftQueue[0].islanderId, 2);
    EXPECT_TRUE(CPerson::pickupQueue.empty());

    adult->Die(true);  // a second death does nothing
    EXPECT_EQ(CTombstone::tombstones.size(), 1u);
    EXPECT_EQ(profile.GetValue<int>(54), 1);
    kid->Die(false);
    CPerson::RemoveDeadPeople();
    EXPECT_EQ(CPerson::people, std::vector<CPerson*>{baby});
}

TEST_F(NeedsTest, AHungryAdultsDeathDrawsForEachChildOnEveryFrameItLasts)
{
    CPerson* starving = Grown(30, 0, 1);
    Grown(30, 1, 2);
    Grown(40, 0, 3);
    std::vector<CPerson*> children;
    for (int i = 0; i < 3; i++) {
        children.push_back(Grown(5 + i, i % 2, 10 + i));
    }
    // Two grown-ups still living: each child follows with chance 1/3 on
    // every call, and the frame calls again while the hunger lasts.
    int marked = 0;
    const int calls = 1000;
    for (int call = 0; call < calls; call++) {
        starving->DieSoon(12022);
        for (CPerson* child : children) {
            marked += child->dying;
            child->dying = false;
        }
    }
    EXPECT_NEAR(marked, calls * 3 / 3, 90);

    // The frame repeats the call: a child spared once faces the draw again.
    starving->data.food = -10000;
    int framesUntilAllMarked = 0;
    while (std::any_of(children.begin(), children.end(), [](CPerson* c) { return !c->dying; }) &&
           framesUntilAllMarked < 200) {
        CObject::MoveObjects(0, 0, 1);
        framesUntilAllMarked++;
    }
    EXPECT_LT(framesUntilAllMarked, 200);
    EXPECT_GT(framesUntilAllMarked, 1);
}

TEST_F(NeedsTest, TheDeadAreForgottenAtDeathAndAtDeletion)
{
    CPerson* dead = Grown(30, 1, 1);
    CPerson* partner = Grown(30, 0, 2, 600, 400);
    CPerson* baby = Grown(1, 0, 3, 700, 400);
    dead->partner = partner;
    partner->partner = dead;
    partner->pairingCandidate = dead;
    partner->ChangeTask(10);  // together in a hut
    CPerson::didRollover = CPerson::isMasterOfSkill = dead;
    CPersonMovement::whoIsMoving = dead;
    CObject::selectedObject = dead;

    dead->Die(false);
    EXPECT_EQ(partner->partner, nullptr);
    EXPECT_EQ(partner->pairingCandidate, nullptr);
    EXPECT_EQ(CPerson::didRollover, nullptr);
    EXPECT_EQ(CPerson::isMasterOfSkill, nullptr);
    EXPECT_EQ(CPersonMovement::whoIsMoving, nullptr);
    EXPECT_EQ(CObject::selectedObject, nullptr);
    partner->EndTask(false);  // the one left behind leaves the hut alone
    EXPECT_EQ(partner->GetCurrentTask(), 0);

    // Deleted without a death, by a load or a new band.
    CPerson::didRollover = CPerson::isMasterOfSkill = partner;
    CPersonMovement::whoIsMoving = partner;
    baby->pairingCandidate = baby->partner = partner;
    delete partner;
    EXPECT_EQ(CPerson::didRollover, nullptr);
    EXPECT_EQ(CPerson::isMasterOfSkill, nullptr);
    EXPECT_EQ(CPersonMovement::whoIsMoving, nullptr);
    EXPECT_EQ(baby->partner, nullptr);
    EXPECT_EQ(baby->pairingCandidate, nullptr);
}
