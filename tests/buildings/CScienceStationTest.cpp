// The science station's road: raised, found for research, turning dust into
// science points by level, and falling back to the building rules while it
// is a site or coming down.
#include "CControllerScience.h"
#include "CScienceStation.h"
#include "Utilities.h"
#include "tests/buildings/WorkplaceFixture.h"

#include <cmath>
#include <set>

namespace {

constexpr int kPointsProperty = 25, kScienceLevelProperty = 28;

CScienceStation* Finished(int x, int y)
{
    CScienceStation* station = new CScienceStation(x, y);
    station->FinishNow();
    return station;
}

}  // namespace

TEST_F(WorkplaceTest, ResearchersFindOnlyUsableStationsUnlessTheyWereDroppedOnOne)
{
    CScienceStation* first = Finished(1200, 1200);
    CScienceStation* site = new CScienceStation(1800, 1200);
    CScienceStation* second = Finished(2400, 1200);
    Frame();
    EXPECT_EQ(first->DroppedOn(), 11);
    EXPECT_EQ(site->DroppedOn(), 5);
    EXPECT_TRUE(CScienceStation::AnyUseableScienceStations());
    EXPECT_EQ(CScienceStation::FindUnfinishedScienceStation(), site);

    std::set<CScienceStation*> found;
    for (int i = 0; i < 200; i++) {
        int x = 0, y = 0, dir = 0;
        CScienceStation* station = CScienceStation::FindWorkCoords(x, y, dir, false);
        if (!station) {
            continue;  // three draws may all land on the site
        }
        found.insert(station);
    }
    EXPECT_EQ(found, (std::set<CScienceStation*>{first, second}));

    // The mouse over the site: an islander dropped there works at it.
    site->AddResource(25, 0);
    site->AddResource(25, 1);
    site->Build(8000);
    Frame();
    ASSERT_TRUE(MouseOver(site));
    int x = 0, y = 0, dir = 0;
    EXPECT_EQ(CScienceStation::FindWorkCoords(x, y, dir, true), site);
    MouseAtWorld(100, 100);
    EXPECT_EQ(CScienceStation::FindWorkCoords(x, y, dir, true), nullptr);
    EXPECT_EQ(x, -1);

    delete first;
    delete second;
    for (int i = 0; i < 20; i++) {
        EXPECT_EQ(CScienceStation::FindWorkCoords(x, y, dir, false), nullptr) << "only a site is left";
    }
    EXPECT_FALSE(CScienceStation::AnyUseableScienceStations());
}

// A researcher stands on the line from (215, 306) to (285, 212) off the
// station's picture, facing the same way wherever on it, ends included.
TEST_F(WorkplaceTest, ResearchSpotsCoverTheStationsLineFromEndToEnd)
{
    CScienceStation* station = Finished(1200, 1200);
    Frame();
    const int left = Round(station->x), top = Round(station->y);
    InitRandom(113);
    std::set<int> along;
    for (int i = 0; i < 2000; i++) {
        int x = 0, y = 0, dir = 0;
        ASSERT_EQ(CScienceStation::FindWorkCoords(x, y, dir, false), station);
        EXPECT_EQ(dir, 3);
        const int d = x - left;
        ASSERT_GE(d, 215);
        ASSERT_LE(d, 285);
        const float onLine = 306.0f - static_cast<float>(d - 215) * 94.0f / 70.0f;
        ASSERT_LE(std::abs(static_cast<float>(y - top) - onLine), 0.5f) << "x " << d;
        along.insert(d);
    }
    EXPECT_EQ(along.size(), 71u) << "every spot of the line";
}

TEST_F(WorkplaceTest, DustOnAStationTurnsIntoSciencePointsByLevelWithANotice)
{
    CScienceStation* station = Finished(1500, 1500);
    CScienceStation* other = Finished(2200, 1500);
    Frame();
    profile.SetValue<int>(kPointsProperty, 0);
    profile.SetValue<int>(kScienceLevelProperty, 1);

    EXPECT_TRUE(station->AcceptMoondust());
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1000);
    EXPECT_EQ(CObject::requestingFeedback, station);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12352);
    EXPECT_EQ(CObject::requestingFeedbackData.insert[0], "1000");
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 1);

    other->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, station) << "another station's answer leaves the request alone";
    EXPECT_FALSE(other->IsBeingDemolished()) << "a points notice is no demolition question";
    station->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_FALSE(station->IsBeingDemolished());

    profile.SetValue<int>(kScienceLevelProperty, 2);
    EXPECT_TRUE(station->AcceptStardust());
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1400);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12351);
    EXPECT_EQ(CObject::requestingFeedbackData.insert[0], "400");
}

TEST_F(WorkplaceTest, MoondustFinishingAStationSiteSpillsNoPoints)
{
    profile.SetValue<int>(kPointsProperty, 0);
    CScienceStation* site = new CScienceStation(1500, 1500);
    site->AddResource(25, 0);
    site->AddResource(25, 1);
    site->Build(10000 - 2 * 1500 + 1);  // two stardusts short
    EXPECT_TRUE(site->AcceptMoondust());
    EXPECT_TRUE(site->IsComplete());
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 0);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
}

TEST_F(WorkplaceTest, AStationComingDownTakesDustAsABuildingAndEndsDuringTheTutorialsDustSteps)
{
    profile.SetValue<int>(kPointsProperty, 0);
    CScienceStation* station = Finished(1500, 1500);
    Frame();
    station->SetBuildingDemolitionState(true);
    station->GiveResponse(true);
    Frame();
    EXPECT_FALSE(CScienceStation::AnyUseableScienceStations());
    EXPECT_EQ(station->DroppedOn(), 5);

    // The tutorial's moondust step: one dose, carried away as on any
    // building, and the step stays open for a station being built.
    SetStep(49, true);
    SetStep(50, false);
    const float before = station->PercentageComplete();
    EXPECT_TRUE(station->AcceptMoondust());
    EXPECT_FALSE(StepDone(50));
    EXPECT_LT(station->PercentageComplete(), before);
    SetStep(32, true);
    SetStep(33, false);
    EXPECT_TRUE(station->AcceptStardust());
    EXPECT_FALSE(StepDone(33));
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 0);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
}
