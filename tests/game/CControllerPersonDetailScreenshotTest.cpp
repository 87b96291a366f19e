// The islander detail screen over the game screen for an adult, drawn in a real window for a person to look at.
#include "CControllerGameFixture.h"

#include "CControllerPersonDetail.h"
#include "Screenshot.h"
#include "tests/game/PictureIslander.h"

namespace {

struct DetailScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path)
    {
        SetUp();
        Open(kFixedIslandSeeds[3]);
        CProfile::current->SetValue<bool>(67, false);  // no tutorial step over the screen
        PictureIslander* shown = new PictureIslander(4, 30, 1);
        shown->data.skills[2] = 10000;
        shown->data.skills[11] = 4000;
        shown->mentalStrength = 60;
        shown->physicalStrength = 20;
        for (int i = 0; i < 30; i++) {
            Frame();
        }
        CControllerGame::ShowPersonDetail(shown);
        Frame();
        CControllerPersonDetail* detail = CControllerGame::personGUI;
        int missing = detail ? 0 : 1;
        if (detail) {
            missing += detail->portrait ? 0 : 1;
            missing += detail->nameText ? 0 : 1;
            missing += detail->meters[1]->Hidden() ? 1 : 0;
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        SaveRedrawnScreen(path);
        delete CControllerGame::personGUI;
        CControllerGame::personGUI = nullptr;
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(DetailScreenOnX, AnAdultsDetails)
{
    ScreenshotOnX("person-detail-adult-x11.png", [](const std::string& path) { return DetailScene().Draw(path); });
}
