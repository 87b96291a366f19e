// The game screen with its side panel and a selected islander, drawn in a real window for a person to look at.
#include "CControllerGameFixture.h"

#include "CPerson.h"
#include "CResources.h"
#include "CSidebar.h"
#include "Screenshot.h"

namespace {

struct SidePanelScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path)
    {
        SetUp();
        Open(kFixedIslandSeeds[3]);
        CControllerGame::Resources()->AddWood(42);
        CControllerGame::Resources()->AddStardust(3);
        CPerson* chosen = CPerson::people.empty() ? nullptr : CPerson::people.front();
        CObject::selectedObject = chosen;
        for (int i = 0; i < 60; i++) {
            Frame();
        }
        int missing = chosen ? 0 : 1;
        CSidebar* panel = CControllerGame::sidebar;
        missing += panel->nameText ? 0 : 1;
        missing += panel->detailInfoState == CSidebar::SHOWN ? 0 : 1;
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        SaveRedrawnScreen(path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(SidePanelOnX, TheGameScreenShowsTheBandTheStockAndASelectedIslander)
{
    ScreenshotOnX("game-sidepanel-x11.png", [](const std::string& path) { return SidePanelScene().Draw(path); });
}
