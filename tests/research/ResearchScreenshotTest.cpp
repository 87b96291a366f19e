// The research screen and the hut chooser drawn in a real window, for a
// person to look at.
#include "tests/research/ResearchScreenFixture.h"

#include "CMouseCursor.h"
#include "Screenshot.h"

namespace {

struct Scenes : ScreenTest {
    void TestBody() override {}

    void Save(const std::string& path)
    {
        SaveRedrawnScreen(path);
    }

    // Mixed levels, and the research step the game raised. The number of
    // texts and dialogs missing.
    int Research(const std::string& path)
    {
        SetUp();
        SetLevels(1, 2, 0, 1);
        CompleteSteps(0, 73);
        game = std::make_unique<CControllerGame>(false, false);
        game->pendingTutorial = 74;
        profile->SetValue<int>(25, 123456);
        CControllerScience* screen = OpenResearch();
        CMouseCursor::MoveCursor(0, 0);
        Frame(3);
        int missing = CTutorialDialog::activeDialog == nullptr;
        for (CSprite* text : {screen->pointsLabel, screen->pointsNumber, screen->titles[3], screen->costValues[1]}) {
            missing += text->Hidden() || text->GetW() < 10;
        }
        Save(path);
        TearDown();
        return missing;
    }

    // The small huts with the second one bouncing under the pointer.
    int Chooser(int construction, const std::string& path)
    {
        SetUp();
        SetLevels(0, construction, 0, 0);
        CControllerHutSelect* chooser = OpenHutSelect(true);
        PointAt(chooser, 2);
        // The window's own pointer must agree.
        CMouseCursor::MoveCursor(input.mouseX, input.mouseY);
        Frame(2);
        const int missing = (chooser->huts[1]->GetFrame() == 0) + chooser->huts[2]->Hidden() + chooser->ghost->Hidden();
        Save(path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(ResearchOnX, TheResearchScreenAtMixedLevelsWithTheResearchStep)
{
    ScreenshotOnX("research-screen-x11.png", [](const std::string& path) { return Scenes().Research(path); });
}

// Below the top level the third hut shows as its ghost.
TEST(ResearchOnX, TheHutChooserBelowTheTopConstructionLevel)
{
    ScreenshotOnX("hut-chooser-level1-x11.png", [](const std::string& path) { return Scenes().Chooser(1, path) - 1; });
}
