// The observatory's road: placed and raised, counted while in service, heard
// when dust lands, quiet for the landings a wonder's shower asks to skip, and
// uncounted when it comes down or the island goes.
#include "tests/life/DustFixture.h"

namespace {

constexpr int kObservatory = 5;

struct ObservatoryTest : DustTest {
    // Heaps at given spots, shown and pumped until every one has landed.
    void LandHeaps(int count)
    {
        const int before = Landed();
        for (int i = 0; i < count; i++) {
            (new CDust(i % 2 == 0, 300 + 100 * (i % 30), 3300, 0))->UnHide();
        }
        ASSERT_GT(FramesUntil([&] { return Landed() == before + count; }, 800), 0);
    }
};

}  // namespace

TEST_F(ObservatoryTest, ObservatoriesInServiceAreCountedAndSoundTheAlertForLandingDust)
{
    SoundOn();
    CBuilding* first = Place(kObservatory, 1200, 1200);
    CBuilding* second = Place(kObservatory, 2000, 1200);
    ASSERT_NE(dynamic_cast<CObservatory*>(second), nullptr);

    // Still building sites: dust lands unheard and nothing is skipped.
    CDust::dustIgnore = 5;
    LandHeaps(1);
    EXPECT_EQ(CObservatory::numObservatories, 0);
    EXPECT_FALSE(Alerting());
    EXPECT_EQ(CDust::dustIgnore, 5);

    first->FinishNow();
    second->FinishNow();
    Frame();
    EXPECT_EQ(CObservatory::numObservatories, 2);

    // The 30 landings after a shower starts pass quietly, whichever heaps
    // they are; the next one is heard.
    CDust::dustIgnore = 30;
    LandHeaps(30);
    EXPECT_EQ(CDust::dustIgnore, 0);
    EXPECT_FALSE(Alerting());
    LandHeaps(1);
    EXPECT_TRUE(Alerting());

    // Taking one down uncounts it on the next frame, for good.
    second->SetBuildingDemolitionState(true);
    second->GiveResponse(true);
    EXPECT_EQ(CObservatory::numObservatories, 2);
    Frame();
    EXPECT_EQ(CObservatory::numObservatories, 1);
    while (!second->IsDemolished()) {
        second->AcceptStardust();
    }
    for (int i = 0; i < 3; i++) {
        Frame();
    }
    EXPECT_EQ(CObservatory::numObservatories, 1);

    CObject::UnloadAll();
    EXPECT_EQ(CObservatory::numObservatories, 0);
}
