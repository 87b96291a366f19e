// The build menu drawn in a real window, for a person to look at.
#include "tests/game/BuildMenuFixture.h"

#include "CMouseCursor.h"
#include "Screenshot.h"

namespace {

struct BuildScenes : BuildMenuTest {
    void TestBody() override {}

    // Construction level 1: the large hut pointed at, five locked ghosts. The
    // number of pieces missing.
    int Menu(const std::string& path)
    {
        SetUp();
        SetLevels(0, 1, 0, 0);
        CControllerBuild* menu = OpenMenu();
        MouseAt(285, 150);
        CMouseCursor::MoveCursor(input.mouseX, input.mouseY);
        Frame(8);
        int missing = menu->header == nullptr || menu->header->Hidden();
        missing += menu->largePictures[1]->Hidden() + menu->cost->Hidden();
        int ghosts = 0;
        for (int item = 0; item < CControllerBuild::ITEMS; item++) {
            ghosts += CControllerBuild::IsGhosted(item) && !menu->itemPictures[item]->Hidden();
        }
        missing += ghosts != 6;
        SaveRedrawnScreen(path);
        TearDown();
        return missing;
    }

    // The small hut pointed at: the longest description, over the large
    // picture.
    int SmallHut(const std::string& path)
    {
        SetUp();
        SetLevels(0, 0, 0, 0);
        CControllerBuild* menu = OpenMenu();
        MouseAt(190, 150);
        CMouseCursor::MoveCursor(input.mouseX, input.mouseY);
        Frame(8);
        const int missing = menu->description == nullptr || menu->largePictures[0]->Hidden();
        SaveRedrawnScreen(path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(BuildMenuOnX, TheMenuAtConstructionLevelOneWithAnItemPointedAt)
{
    ScreenshotOnX("build-menu-level1-x11.png", [](const std::string& path) { return BuildScenes().Menu(path); });
    ScreenshotOnX("build-menu-small-hut-x11.png", [](const std::string& path) { return BuildScenes().SmallHut(path); });
}
