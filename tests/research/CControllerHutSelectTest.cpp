#include "tests/research/ResearchScreenFixture.h"

#include "CSound.h"
#include "CSoundSystem.h"
#include "NullSound.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <set>

namespace {

using HutSelect = ScreenTest;

constexpr int kBack = 0, kFirstSize = 1, kSecondSize = 2, kThirdSize = 3;

// The interface sounds on the null output, to hear the refusal.
class HutSelectSounds : public HutSelect {
protected:
    void SetUp() override
    {
        HutSelect::SetUp();
        StartNullSound(folder);
        CController::LoadSounds();
    }

    void TearDown() override
    {
        CController::UnloadSounds();
        CSound::ShutDown();
        HutSelect::TearDown();
    }
};

TEST_F(HutSelectSounds, BelowTheTopLevelTheThirdHutIsAGhostThatOnlyRefuses)
{
    SetLevels(0, 1, 0, 0);
    CControllerHutSelect* chooser = OpenHutSelect(true);
    EXPECT_FALSE(chooser->ghost->Hidden());
    EXPECT_TRUE(chooser->huts[2]->Hidden());
    Press(chooser, kThirdSize);
    EXPECT_TRUE(CController::sndDisallowed->IsPlaying());
    EXPECT_EQ(CController::focus, chooser) << "the chooser stays open";
    EXPECT_EQ(chooser->result, -1);

    Escape(chooser);
    EXPECT_EQ(opener.results, std::vector<int>{-1});
}

// The small huts' family and the large huts' stand a pixel or two apart;
// the ghost of the third size stands in the same place for both.
TEST_F(HutSelect, EachHutStandsAtItsFamilysPlace)
{
    SetLevels(0, 1, 0, 0);
    const int xs[2][3] = {{260, 355, 449}, {259, 353, 448}};
    for (bool small : {true, false}) {
        CControllerHutSelect* chooser = OpenHutSelect(small);
        for (int size = 0; size < 3; size++) {
            EXPECT_EQ(chooser->huts[size]->GetX(), xs[small ? 0 : 1][size]) << small << " " << size;
            EXPECT_EQ(chooser->huts[size]->GetY(), 247) << small << " " << size;
        }
        EXPECT_EQ(chooser->ghost->GetX(), 458);
        EXPECT_EQ(chooser->ghost->GetY(), 264);
        Press(chooser, kBack);
    }
}

TEST_F(HutSelect, AtTheTopLevelTheThirdHutGivesTheGrandestLooks)
{
    SetLevels(0, 2, 0, 0);
    for (bool small : {true, false}) {
        CControllerHutSelect* chooser = OpenHutSelect(small);
        EXPECT_TRUE(chooser->ghost->Hidden());
        EXPECT_FALSE(chooser->huts[2]->Hidden());
        Press(chooser, kThirdSize);
    }
    ASSERT_EQ(opener.results.size(), 2u);
    EXPECT_TRUE(opener.results[0] == 16 || opener.results[0] == 18) << opener.results[0];
    EXPECT_TRUE(opener.results[1] == 17 || opener.results[1] == 19) << opener.results[1];
}

TEST_F(HutSelect, ThePlainHutIsFixedAndTheRoofedOnesComeInBothLooks)
{
    SetLevels(0, 1, 0, 0);
    InitRandom(41);
    std::set<int> small, large;
    for (int draw = 0; draw < 12; draw++) {
        Press(OpenHutSelect(true), kFirstSize);
        Press(OpenHutSelect(false), kFirstSize);
        Press(OpenHutSelect(true), kSecondSize);
        small.insert(opener.results.back());
        Press(OpenHutSelect(false), kSecondSize);
        large.insert(opener.results.back());
        EXPECT_EQ(opener.results[opener.results.size() - 4], 0);
        EXPECT_EQ(opener.results[opener.results.size() - 3], 1);
    }
    EXPECT_EQ(small, (std::set<int>{12, 14}));
    EXPECT_EQ(large, (std::set<int>{13, 15}));

    Press(OpenHutSelect(true), kBack);
    EXPECT_EQ(opener.results.back(), -1);
}

TEST_F(HutSelect, AHeldButtonSinksItsHutTwoPixelsAndReleasingLiftsItBack)
{
    SetLevels(0, 1, 0, 0);
    CControllerHutSelect* chooser = OpenHutSelect(false);
    for (int size : {kSecondSize, kThirdSize}) {
        CSprite* picture = size == kThirdSize ? chooser->ghost : chooser->huts[size - 1];
        const int x = picture->GetX(), y = picture->GetY();
        for (int round = 0; round < 2; round++) {
            PointAt(chooser, size);
            Frame();
            chooser->InputMouseClick(true, false, false);
            Frame(3);
            EXPECT_EQ(picture->GetX(), x + 2);
            EXPECT_EQ(picture->GetY(), y + 2);
            MouseAt(0, 0);
            Frame();
            chooser->InputMouseClick(true, false, true);
            Frame(2);
            EXPECT_EQ(picture->GetX(), x);
            EXPECT_EQ(picture->GetY(), y);
        }
    }
    EXPECT_EQ(CController::focus, chooser) << "released away from the button: no choice";
}

TEST_F(HutSelect, LeavingAButtonMidAnimationPlaysTheHutBackToRest)
{
    SetLevels(0, 1, 0, 0);
    CControllerHutSelect* chooser = OpenHutSelect(true);
    CSprite* hut = chooser->huts[1];
    PointAt(chooser, kSecondSize);
    Frame(8);
    ASSERT_GT(hut->GetFrame(), 5u) << "past the bounce";
    MouseAt(0, 0);
    std::vector<unsigned int> frames;
    for (int i = 0; i < 15; i++) {
        Frame();
        frames.push_back(hut->GetFrame());
    }
    EXPECT_EQ(frames.back(), 0u);
    for (unsigned int frame : frames) {
        EXPECT_TRUE(frame == 0 || frame >= 4) << "the bounce is skipped on the way back";
    }
}

}  // namespace
