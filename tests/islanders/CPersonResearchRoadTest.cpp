// A man dropped on a finished science station researches there step after
// step while the band's science level rises under him: what each step pays
// is what a player sees the points counter do.
#include "CControllerScience.h"
#include "CScienceStation.h"
#include "RoadFixture.h"

namespace {

constexpr int kResearch = 11;
constexpr int kScienceLevelProperty = 28;

TEST_F(RoadTest, EachResearchStepPaysOneTwoOrFourPointsByTheScienceLevel)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    CScienceStation* station = new CScienceStation(Round(man->data.x) - 180, Round(man->data.y) - 100);
    station->FinishNow();
    RunUntil([] { return false; }, 120);  // past the trophy a first building may win
    Lift(man);
    ReleaseAt(ToScreen(station->GetX(), station->GetY()));
    Frame();
    EXPECT_EQ(man->GetCurrentTask(), kResearch);

    const int paid[] = {1, 2, 4};
    for (int level = 0; level < 3; level++) {
        CProfile::current->SetValue<int>(kScienceLevelProperty, level);
        if (man->GetCurrentTask() != kResearch) {
            man->PermitTask(kResearch, true);
            man->ChangeTask(kResearch);
        }
        const int before = CControllerScience::GetSciencePoints();
        ASSERT_TRUE(RunUntil([&] { return CControllerScience::GetSciencePoints() != before; })) << level;
        EXPECT_EQ(CControllerScience::GetSciencePoints() - before, paid[level]) << "level " << level;
    }
}

}  // namespace
