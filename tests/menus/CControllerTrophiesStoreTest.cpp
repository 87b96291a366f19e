#include "tests/tutorial/ServicesFixture.h"

namespace {

using TrophyStore = ServicesTest;

TEST_F(TrophyStore, EachNewAwardIsHeldAndQueuedOnceInAwardOrder)
{
    CControllerTrophies::CompleteTrophy(1 << 3);
    CControllerTrophies::CompleteTrophy(1 << 7);
    CControllerTrophies::CompleteTrophy(1 << 3);
    // A mask with one bit held and one new is announced once, as given.
    CControllerTrophies::CompleteTrophy((1 << 7) | (1 << 20));
    EXPECT_EQ(Queued(), (std::vector<int>{1 << 3, 1 << 7, (1 << 7) | (1 << 20)}));
    EXPECT_EQ(profile->GetValue<int>(65), (1 << 3) | (1 << 7) | (1 << 20));

    CControllerTrophies::SetVar(1 << 5);
    EXPECT_EQ(Queued().size(), 3u) << "SetVar holds without announcing";
    CControllerTrophies::ResetAllTrophies();
    EXPECT_EQ(Queued().size(), 3u) << "the reset leaves the queue alone";
    CControllerTrophies::CompleteTrophy(1 << 3);
    EXPECT_EQ(Queued().back(), 1 << 3) << "announced again after the reset";
    EXPECT_EQ(profile->GetValue<int>(65), 1 << 3);
}

// A bit above the last trophy would be held and announced as no trophy at all.
TEST_F(TrophyStore, BitsAboveTheLastTrophyAreNeitherCountedNorAwarded)
{
    CControllerTrophies::SetVar(static_cast<int>(0xFE000000u) | 0x5);
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 2);
    CControllerTrophies::SetVar((1 << 25) - 1);
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 25);

    CControllerTrophies::ResetAllTrophies();
    CControllerTrophies::CompleteTrophy(1 << 25);
    CControllerTrophies::CompleteTrophy(static_cast<int>(0x80000000u) | (1 << 2));
    EXPECT_EQ(Queued(), std::vector<int>{1 << 2});
    EXPECT_EQ(profile->GetValue<int>(65), 1 << 2);
}

}  // namespace
