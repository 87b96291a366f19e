#include "CControllerTrophyScreens.h"

#include "CControllerPopUp.h"
#include "CSprite.h"
#include "TrophyTable.h"
#include "Utilities.h"

#include <memory>
#include <vector>

namespace {

// Disc i's centre; discs are 110 pixels across.
int DiscX(int trophy) { return kTrophyLooks[trophy].roomDisc.x + 55; }
int DiscY(int trophy) { return kTrophyLooks[trophy].roomDisc.y + 55; }

// The title and description band at the top of the cabinet.
constexpr int kTextsX = 240, kTextsY = 0, kTextsW = 320, kTextsH = 230;
// A spot of the cabinet that no disc or button covers.
constexpr int kOffX = 505, kOffY = 585;

struct overlap_data {
    int lower = -1;
    int x = 0, y = 0;
};

// The 25 discs as the room places them, holding their shared pictures.
std::vector<std::unique_ptr<CSprite>> CabinetDiscs()
{
    std::vector<std::unique_ptr<CSprite>> discs;
    for (const trophy_data& look : kTrophyLooks) {
        discs.push_back(std::make_unique<CSprite>(look.roomDisc.x, look.roomDisc.y, 0));
        discs.back()->LoadImage(TempSprintf("trophies_disc%c_base.png", look.disc));
    }
    return discs;
}

// A point that two of the discs both cover, found on their pictures.
overlap_data FirstOverlap(std::vector<std::unique_ptr<CSprite>>& discs)
{
    for (int lower = 0; lower < kTrophyCount; lower++) {
        CSprite& a = *discs[lower];
        for (int y = a.GetY(); y < a.GetY() + a.GetH(); y++) {
            for (int x = a.GetX(); x < a.GetX() + a.GetW(); x++) {
                if (!a.IsCollisionPixelPerfect(x, y)) {
                    continue;
                }
                for (int higher = lower + 1; higher < kTrophyCount; higher++) {
                    if (discs[higher]->IsCollisionPixelPerfect(x, y)) {
                        return {lower, x, y};
                    }
                }
            }
        }
    }
    return {};
}

class TrophyRoom : public TrophyScreenTest {
protected:
    void TearDown() override
    {
        room.reset();
        TrophyScreenTest::TearDown();
    }

    void Open()
    {
        room = std::make_unique<CControllerTrophies>();
        opener.PassFocus(room.get());
        opener.onHandBack = [this] { room.reset(); };
    }

    void ClickReset() { ClickAt(16 + 95, 536 + 28); }

    std::unique_ptr<CControllerTrophies> room;
};

TEST_F(TrophyRoom, HeldTrophiesShowTheirPicturesAndPointingAtAnyDiscTellsWhatItRewards)
{
    TutorialOn(false);
    CControllerTrophies::SetVar((1 << 3) | (1 << 20));
    Open();
    for (int trophy = 0; trophy < CControllerTrophies::kTrophies; trophy++) {
        EXPECT_EQ(room->PictureShown(trophy), trophy == 3 || trophy == 20) << trophy;
    }
    PointAt(kOffX, kOffY);
    Turn();
    const rgb_picture resting = Shown();

    // An empty disc tells its texts as well as a held one, each its own.
    PointAt(DiscX(7), DiscY(7));
    Turn();
    EXPECT_EQ(room->Hovered(), 7);
    const rgb_picture emptyDisc = Shown();
    EXPECT_GT(DifferencesIn(resting, emptyDisc, kTextsX, kTextsY, kTextsW, kTextsH), 500);
    EXPECT_GT(DifferencesIn(resting, emptyDisc, DiscX(7) - 85, DiscY(7) - 85, 20, 170), 0) << "the glow";
    PointAt(DiscX(3), DiscY(3));
    Turn();
    EXPECT_EQ(room->Hovered(), 3);
    EXPECT_GT(DifferencesIn(emptyDisc, Shown(), kTextsX, kTextsY, kTextsW, kTextsH), 500);

    // Off every disc, texts and glow are gone on the next turn.
    PointAt(kOffX, kOffY);
    Turn();
    EXPECT_EQ(room->Hovered(), -1);
    EXPECT_EQ(Shown().CountDifferences(resting), 0);

    Escape();
    Turn();
    EXPECT_EQ(opener.handBacks, 1);
    EXPECT_FALSE(room);
}

TEST_F(TrophyRoom, DiscsStandApartAndWhereTwoWouldOverlapTheLowerTrophyWins)
{
    TutorialOn(false);
    std::vector<std::unique_ptr<CSprite>> discs = CabinetDiscs();
    EXPECT_LT(FirstOverlap(discs).lower, 0) << "no disc of the cabinet meets another";

    // Discs grown to fill their whole squares do overlap: the room, which
    // shares their pictures, must then answer with the lower trophy.
    for (const std::unique_ptr<CSprite>& disc : discs) {
        SDL_Surface* surface = resources.Draw().GetSurface(disc->GetImage(0));
        SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 200, 160, 60, 255));
    }
    const overlap_data overlap = FirstOverlap(discs);
    ASSERT_GE(overlap.lower, 0);
    Open();
    PointAt(overlap.x, overlap.y);
    Turn();
    EXPECT_EQ(room->Hovered(), overlap.lower);
}

TEST_F(TrophyRoom, ResetClearsEveryTrophyAfterAYesAndNothingAfterANo)
{
    TutorialOn(false);
    CControllerTrophies::CompleteTrophy(1 << 9);
    CControllerTrophies::CompleteTrophy(1 << 24);
    Open();
    ClickReset();
    ASSERT_TRUE(CControllerTrophies::popUp);
    EXPECT_EQ(CController::focus, CControllerTrophies::popUp);
    EXPECT_EQ(CControllerTrophies::popUp->request.id, 12213);

    CControllerTrophies::popUp->InputKey(true, SDLK_ESCAPE);
    Turn();
    EXPECT_FALSE(CControllerTrophies::popUp);
    EXPECT_EQ(CController::focus, room.get());
    EXPECT_TRUE(room->PictureShown(9) && room->PictureShown(24));
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 2);

    ClickReset();
    CControllerTrophies::popUp->GUICallback(0, 0);
    Turn();
    EXPECT_FALSE(CControllerTrophies::popUp);
    EXPECT_FALSE(room->PictureShown(9) || room->PictureShown(24));
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 0);
    EXPECT_TRUE(Queued().empty()) << "trophies no longer held are not announced later";
    EXPECT_EQ(opener.handBacks, 0);
}

TEST_F(TrophyRoom, TeachesStep36WithTheResetButtonHeldBackUntilItsOkay)
{
    CompleteSteps(0, 35);
    Open();
    ClickReset();
    EXPECT_FALSE(CControllerTrophies::popUp) << "the reset button waits for step 36's okay";

    Turn(2);
    ASSERT_TRUE(CTutorialDialog::activeDialog);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 36);
    EXPECT_EQ(CTutorialDialog::activeDialog->owner, room.get());
    room->GUICallback(1036, 0);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(36));
    EXPECT_FALSE(CTutorialDialog::activeDialog);
    Turn(2);
    EXPECT_FALSE(CTutorialDialog::activeDialog) << "a step done is not shown again";
    ClickReset();
    EXPECT_TRUE(CControllerTrophies::popUp);
}

TEST_F(TrophyRoom, LeavingTheRoomByAnyWayTeachesStep36AndHidesItsDialog)
{
    for (int way = 0; way < 2; way++) {
        CompleteSteps(0, 35);
        CTutorialDialog::UncompleteTutorial(36);
        CTutorialDialog::nextTutorial = -1;
        Open();
        Turn(2);
        ASSERT_TRUE(CTutorialDialog::activeDialog);
        if (way == 0) {
            Escape();
            Turn();
        } else {
            ClickAt(596 + 95, 536 + 28);
        }
        EXPECT_EQ(opener.handBacks, way + 1);
        EXPECT_FALSE(room);
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(36)) << way;
        EXPECT_FALSE(CTutorialDialog::activeDialog);
        EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
    }
}

}  // namespace
