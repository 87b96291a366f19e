#include "IslanderLifeFixture.h"


namespace {

class SkillsTest : public IslanderLifeTest {};

// The seven shown skills in their order: fishing, wood, rock, building,
// gardening, research, crafting.
constexpr int kShownSlot[7] = {3, 2, 4, 5, 14, 11, 12};

}  // namespace

TEST_F(SkillsTest, MeterRankAndSpecialtyComeFromTheSevenShownSkills)
{
    struct example {
        int slot, skill, gender;
        int meter, rank, specialty;
    };
    const example examples[] = {
        {-1, 0, 0, 0, 0, -1},         // nothing learnt
        {3, 1, 0, 1, 0, 0},           // a fisherman
        {3, 1, 1, 1, 0, 7},           // a fisherwoman
        {2, 3332, 0, 3115, 0, 1},
        {4, 3333, 1, 3116, 1, 2},
        {5, 6666, 0, 6233, 2, 3},
        {14, 9999, 0, 9349, 2, 4},    // short of mastery never shows more than 9349
        {11, 10000, 1, 10000, 3, 5},
        {12, 5000, 0, 4675, 1, 6},
        {0, 10000, 0, 0, 0, -1},      // an unshown slot counts for nothing
    };
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "slot " << e.slot << " skill " << e.skill);
        CPerson* person = Grown(30, e.gender, 1);
        if (e.slot >= 0) {
            person->data.skills[e.slot] = e.skill;
        }
        int shown = 0;
        while (shown < 6 && kShownSlot[shown] != e.slot) {
            shown++;
        }
        EXPECT_EQ(person->GetSkillMeter(shown), kShownSlot[shown] == e.slot ? e.meter : 0);
        EXPECT_EQ(person->GetSkillRank(), e.rank);
        EXPECT_EQ(person->GetSkillSpecialty(), e.specialty);
        delete person;
    }

    CPerson* person = Grown(30, 0, 1);
    person->data.skills[2] = person->data.skills[4] = 4000;
    EXPECT_EQ(person->GetSkillSpecialty(), 1) << "the first of equals";
    EXPECT_FALSE(person->MultipleMaster());
    person->data.skills[5] = person->data.skills[12] = 10000;
    EXPECT_TRUE(person->MultipleMaster());
}

TEST_F(SkillsTest, TheSidePanelLinesFollowAgeAtItsEdgesSkillAndSleep)
{
    const int tops[][3] = {{1, 0, 8002}, {2, 1, 8003}, {3, 0, 8004}, {5, 1, 8005},
                           {6, 0, 8006}, {13, 1, 8007}, {14, 0, 8000}};  // years, gender, text
    int id = 1;
    for (const auto& top : tops) {
        CPerson* person = Grown(top[0], top[1], id++);
        const selection_result line = person->GetSelectedTopDetail();
        EXPECT_EQ(line.id, top[2]) << top[0] << " years";
        EXPECT_EQ(line.text1, nullptr);
        delete person;
    }

    // A skilled grown-up names the rank and the speciality by their text ids.
    CPerson* adult = Grown(30, 1, id++);
    adult->data.skills[11] = 6666;  // research, rank 2
    selection_result top = adult->GetSelectedTopDetail();
    EXPECT_EQ(top.id, 8001);
    EXPECT_STREQ(top.text1, "11122");
    EXPECT_STREQ(top.text2, "11105");
    adult->data.skills[3] = adult->data.skills[12] = 10000;
    EXPECT_EQ(adult->GetSelectedTopDetail().id, 8008);

    adult->currentTask = 3;
    EXPECT_EQ(adult->GetSelectedBottomDetail().id, 9003);
    adult->idle = true;
    EXPECT_EQ(adult->GetSelectedBottomDetail().id, 9000) << "idle says so whatever the task";
    adult->statusTextId = 9001;
    EXPECT_EQ(adult->GetSelectedBottomDetail().id, 9001);
    adult->currentSubTask = 9;
    EXPECT_EQ(adult->GetSelectedBottomDetail().id, 9019) << "asleep in a hut wins over a status text";
    EXPECT_EQ(adult->GetSelectedBottomDetail().offsetY, 10);
}

TEST_F(SkillsTest, SkillsOutsideTheirRangesAreIgnored)
{
    CPerson* person = Grown(30, 0, 1);
    for (int bad : {-1, 7, 1000000, -2147483647}) {
        EXPECT_EQ(person->GetSkillMeter(bad), 0);
    }
    for (int bad : {-1, 19, 1000000, -2147483647}) {
        EXPECT_EQ(person->GetSkill(bad), 0);
        person->ActuallyImproveSkill(bad, 500);
        for (int frame = 0; frame < 100; frame++) {
            person->ImproveSkill(bad, true);
        }
    }
    for (int skill : person->data.skills) {
        EXPECT_EQ(skill, 0);
    }
}

TEST_F(SkillsTest, WorkRaisesASkillEvery60To90FramesByUpToAFifthOfTheMind)
{
    CPerson::showFlyaways = true;
    CPerson* worker = Grown(30, 0, 1, 700, 500);
    worker->mentalStrength = 50;
    int lastGainFrame = 0, gains = 0;
    for (int frame = 1; frame <= 3000; frame++) {
        const int before = worker->data.skills[2];
        worker->ImproveSkill(2, true);
        const int gain = worker->data.skills[2] - before;
        if (CFlyaway::flyaways.size() == static_cast<size_t>(gains)) {
            EXPECT_EQ(gain, 0);
            continue;
        }
        gains++;
        EXPECT_GE(frame - lastGainFrame, 60);
        EXPECT_LE(frame - lastGainFrame, 90);
        EXPECT_GE(gain, 1);
        EXPECT_LE(gain, 10);
        const CFlyaway& number = *CFlyaway::flyaways.back();
        EXPECT_EQ(number.number, gain);
        EXPECT_EQ(number.x, 700 + worker->GetShownHeadWidth() / 2 + 3) << "over the middle of the head";
        EXPECT_EQ(number.y, 475);
        lastGainFrame = frame;
    }
    EXPECT_GE(gains, 3000 / 90);

    // A weak mind learns 0 or 1 a step; research learns one step in eight,
    // though every step shows its number.
    CFlyaway::RemoveFlyaways();
    worker->mentalStrength = 3;
    worker->skillTimer = -1;
    int shown = 0;
    for (int frame = 0; frame < 90 * 400; frame++) {
        worker->ImproveSkill(11, true);
        if (!CFlyaway::flyaways.empty()) {
            EXPECT_LE(CFlyaway::flyaways.back()->number, 1);
            shown++;
            CFlyaway::RemoveFlyaways();
        }
    }
    EXPECT_GT(shown, 400);
    EXPECT_NEAR(worker->data.skills[11], shown / 16, shown / 30);

    CPerson::showFlyaways = false;  // as during time away
    for (int frame = 0; frame < 200; frame++) {
        worker->ImproveSkill(2, true);
    }
    EXPECT_TRUE(CFlyaway::flyaways.empty());
}

TEST_F(SkillsTest, TheFirstMasteryAndNineMasteriesEarnTheirTrophiesOnce)
{
    CPerson* fisher = Grown(30, 0, 1);
    fisher->ActuallyImproveSkill(7, 9000);  // carrying to a building trains building
    EXPECT_EQ(fisher->GetSkill(6), 9000);
    fisher->data.skills[3] = 9990;
    fisher->ActuallyImproveSkill(3, 5);
    EXPECT_TRUE(CControllerTrophies::trophyUnlockQueue.empty());
    EXPECT_EQ(CPerson::isMasterOfSkill, nullptr);
    fisher->ActuallyImproveSkill(3, 50);
    EXPECT_EQ(fisher->data.skills[3], 10000);
    EXPECT_EQ(CPerson::isMasterOfSkill, fisher);
    CPerson* strong = Grown(30, 1, 2);
    strong->physicalStrength = 100;
    strong->ActuallyImproveSkill(2, 1);
    EXPECT_EQ(CPerson::isMasterOfSkill, strong) << "a full strength is mastery too";
    ASSERT_EQ(CControllerTrophies::trophyUnlockQueue.size(), 1u);
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.front(), 4194304);

    strong->mentalStrength = 100;
    for (int task : {2, 3, 4, 5, 11, 12}) {
        strong->ActuallyImproveSkill(task, 10000);
    }
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.size(), 1u) << "eight masteries";
    strong->ActuallyImproveSkill(14, 10000);
    ASSERT_EQ(CControllerTrophies::trophyUnlockQueue.size(), 2u) << "nine masteries";
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.back(), 128);
    strong->ActuallyImproveSkill(13, 10000);
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.size(), 2u) << "a trophy held is not queued again";
}

// Carrying trains building; planting flowers, harvesting and planting trees
// train gardening; every other task trains its own skill.
TEST_F(SkillsTest, EachTaskTrainsTheSkillItIsFoldedInto)
{
    const int kTrainedSkill[19] = {0, 1, 2, 3, 4, 5, 5, 5, 8, 14, 10, 11, 12, 13, 14, 14, 14, 17, 18};
    for (int task = 0; task < 19; task++) {
        CPerson* person = Grown(30, 0, 1);
        person->ActuallyImproveSkill(task, 7);
        for (int skill = 0; skill < 19; skill++) {
            EXPECT_EQ(person->data.skills[skill], skill == kTrainedSkill[task] ? 7 : 0) << task << " " << skill;
        }
        delete person;
    }
}
