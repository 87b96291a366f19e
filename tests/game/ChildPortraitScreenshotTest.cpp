// The side panel and the islander detail screen with a kid and with a baby
// selected, drawn in a real window for a person to look at: each child's
// picture shows it whole, its clothes on its body.
#include "CControllerGameFixture.h"

#include "CControllerPersonDetail.h"
#include "CPerson.h"
#include "CSidebar.h"
#include "Screenshot.h"
#include "tests/islanders/IslanderRecords.h"

namespace {

constexpr int kYear = 172800;

struct ChildScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path, int years, int gender, bool detail)
    {
        SetUp();
        Open(kFixedIslandSeeds[3]);
        CProfile::current->SetValue<bool>(67, false);  // no tutorial step over the screens
        const CPerson* first = CPerson::people.empty() ? nullptr : CPerson::people.front();
        person_data record = IslanderRecord(first ? static_cast<int>(first->data.x) + 40 : 1900,
                                            first ? static_cast<int>(first->data.y) : 1900, years * kYear, gender);
        record.id = 90;
        record.kidTopColour = 2;
        record.kidBottomColour = 1;
        CPerson* child = new CPerson(record);
        child->UnHide();
        child->physicalStrength = 35;
        child->mentalStrength = 55;
        CObject::selectedObject = child;
        for (int i = 0; i < 60; i++) {
            Frame();
        }
        int missing = CObject::selectedObject == child ? 0 : 1;
        CSidebar* panel = CControllerGame::sidebar;
        missing += panel->nameText ? 0 : 1;
        missing += panel->detailInfoState == CSidebar::SHOWN ? 0 : 1;
        missing += panel->picture && !panel->picture->Hidden() ? 0 : 1;
        if (detail) {
            CControllerGame::ShowPersonDetail(child);
            Frame();
            CControllerPersonDetail* screen = CControllerGame::personGUI;
            missing += screen && screen->portrait ? 0 : 1;
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        SaveRedrawnScreen(path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(ChildPortraitsOnX, TheSidePanelShowsASelectedKidWhole)
{
    ScreenshotOnX("game-sidepanel-kid-x11.png",
                  [](const std::string& path) { return ChildScene().Draw(path, 8, 1, false); });
}

TEST(ChildPortraitsOnX, TheSidePanelShowsASelectedBabyWhole)
{
    ScreenshotOnX("game-sidepanel-baby-x11.png",
                  [](const std::string& path) { return ChildScene().Draw(path, 1, 0, false); });
}

TEST(ChildPortraitsOnX, TheDetailScreenShowsAKidWhole)
{
    ScreenshotOnX("person-detail-kid-x11.png",
                  [](const std::string& path) { return ChildScene().Draw(path, 8, 0, true); });
}

TEST(ChildPortraitsOnX, TheDetailScreenShowsABabyWhole)
{
    ScreenshotOnX("person-detail-baby-x11.png",
                  [](const std::string& path) { return ChildScene().Draw(path, 1, 1, true); });
}
