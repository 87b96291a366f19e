#include "tests/tutorial/ServicesFixture.h"

namespace {

using TrophyStore = ServicesTest;

int HeldBits(CProfile& profile)
{
    return profile.GetValue<int>(65);
}

TEST_F(TrophyStore, EachNewAwardIsHeldAndQueuedOnceInAwardOrder)
{
    CControllerTrophies::CompleteTrophy(1 << 3);
    CControllerTrophies::CompleteTrophy(1 << 7);
    CControllerTrophies::CompleteTrophy(1 << 3);
    EXPECT_EQ(Queued(), (std::vector<int>{1 << 3, 1 << 7})) << "the repeat is not announced";

    // A mask with one bit held and one new is announced once, as given.
    CControllerTrophies::CompleteTrophy((1 << 7) | (1 << 20));
    EXPECT_EQ(Queued(), (std::vector<int>{1 << 3, 1 << 7, (1 << 7) | (1 << 20)}));
    EXPECT_EQ(HeldBits(*profile), (1 << 3) | (1 << 7) | (1 << 20));
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete((1 << 3) | (1 << 20)));
    EXPECT_FALSE(CControllerTrophies::IsTrophyComplete((1 << 3) | (1 << 4)));

    // Held trophies are saved; the queue belongs to this run only.
    Reopen();
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 3);
    EXPECT_EQ(Queued().size(), 3u);
}

TEST_F(TrophyStore, AfterAResetAnAwardIsAnnouncedAgain)
{
    CControllerTrophies::CompleteTrophy(1);
    CControllerTrophies::SetVar(1 << 5);
    EXPECT_EQ(Queued(), std::vector<int>{1}) << "SetVar holds without announcing";
    EXPECT_TRUE(CControllerTrophies::CheckVar((1 << 5) | 1));

    CControllerTrophies::ResetAllTrophies();
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 0);
    EXPECT_EQ(Queued(), std::vector<int>{1}) << "the reset leaves the queue alone";
    CControllerTrophies::CompleteTrophy(1);
    EXPECT_EQ(Queued(), (std::vector<int>{1, 1}));
    EXPECT_EQ(HeldBits(*profile), 1);
}

TEST_F(TrophyStore, BitsAboveTheLastTrophyAreNeitherCountedNorAwarded)
{
    CControllerTrophies::SetVar(static_cast<int>(0xFE000000u) | 0x5);
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 2);
    CControllerTrophies::SetVar((1 << 25) - 1);
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 25);

    CControllerTrophies::ResetAllTrophies();
    CControllerTrophies::CompleteTrophy(1 << 25);
    CControllerTrophies::CompleteTrophy(static_cast<int>(0x80000000u) | (1 << 2));
    EXPECT_EQ(Queued(), std::vector<int>{1 << 2}) << "no announcement of no trophy";
    EXPECT_EQ(HeldBits(*profile), 1 << 2);
}

}  // namespace
