#include "CControllerTrophyScreens.h"

#include "CControllerTrophyUnlock.h"
#include "CSprite.h"
#include "TrophyTable.h"

namespace {

struct TrophyScenes : TrophyScreenTest {
    TrophyScenes() { SetUp(); }
    ~TrophyScenes() override { TearDown(); }
    void TestBody() override {}

    // The room with five trophies held and the pointer on the fourth held
    // one; 1 when that disc's texts do not show.
    int Room(const std::string& path)
    {
        TutorialOn(false);
        CControllerTrophies::SetVar((1 << 0) | (1 << 5) | (1 << 9) | (1 << 20) | (1 << 23));
        CControllerTrophies room;
        opener.PassFocus(&room);
        PointAt(kTrophyLooks[20].roomDisc.x + 55, kTrophyLooks[20].roomDisc.y + 55);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return room.Hovered() != 20;
    }

    // The room with every trophy won, the pointer off every setting; 1
    // when a picture does not show.
    int FullRoom(const std::string& path)
    {
        TutorialOn(false);
        CControllerTrophies::SetVar((1 << CControllerTrophies::kTrophies) - 1);
        CControllerTrophies room;
        opener.PassFocus(&room);
        PointAt(505, 585);
        Turn(4);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        int missing = 0;
        for (int trophy = 0; trophy < CControllerTrophies::kTrophies; trophy++) {
            missing += !room.PictureShown(trophy);
        }
        return missing > 0;
    }

    // The pop-up over a frozen picture, with the tutorial waiting to teach
    // step 35 on it; 1 when step 35's dialog is not open.
    int PopUp(const std::string& path)
    {
        CompleteSteps(0, 23);
        CSprite backdrop(0, 0, 100);
        backdrop.LoadImage("logo_bg.jpg");
        Turn();
        resources.Renderer().Swap();
        CControllerTrophyUnlock popUp(1 << 11);
        opener.PassFocus(&popUp);
        PointAt(600, 560);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return !CTutorialDialog::activeDialog || CTutorialDialog::activeDialog->GetTutID() != 35;
    }
};

// Under a real X server, for a person to look at.
TEST(TrophyScreensOnX, DrawTheCabinetWithAPointedTrophyAndTheAnnouncement)
{
    ScreenshotOnX("TrophyRoom-x11.png", [](const std::string& path) { return TrophyScenes().Room(path); });
    ScreenshotOnX("TrophyRoom-all-x11.png", [](const std::string& path) { return TrophyScenes().FullRoom(path); });
    ScreenshotOnX("TrophyPopUp-x11.png", [](const std::string& path) { return TrophyScenes().PopUp(path); });
}

}  // namespace
