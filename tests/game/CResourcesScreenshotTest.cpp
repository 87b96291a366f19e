// The camp's three piles holding some of everything, drawn on a real island
// in a real window, for a person to look at.
#include "CDraw.h"
#include "CRenderer.h"
#include "CResources.h"
#include "ChildProcess.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "XDisplayLock.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

struct CampScene : IslandTest {
    void TestBody() override {}

    // The number of piles that show nothing.
    int Draw(const std::string& path)
    {
        SetUp();
        CMap& island = PreviewOf(kFixedIslandSeeds[9]);
        island.ToggleBig(true);
        CObject::UnHideAll();
        CResources* stock = CControllerGame::Resources();
        stock->AddWood(75);
        stock->AddRock(55);
        stock->AddFood(40, 0);
        stock->AddFood(25, 1);
        stock->AddFood(15, 2);
        stock->AddFood(10, 3);

        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);

        int empty = 0;
        for (CSprite* const* first : {stock->woodSprites, stock->rockSprites, stock->fishSprites}) {
            empty += first[0]->Hidden();
        }
        TearDown();
        return empty;
    }
};

}  // namespace

// Under a real X server (scripts/test starts one and names it in
// PALMORA_XVFB_DISPLAY).
TEST(StockOnX, ThePilesShowLogsRocksFishAndVegetables)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    if (!display || !*display) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY)";
    }
    const std::string path = ScreenshotPath("stock-piles-x11.png");
    const XDisplayLock onlyWindow(display);
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        const int empty = CampScene().Draw(path);
        printf("%i piles showed nothing\n", empty);
        fflush(stdout);
        if (empty) {
            _exit(2);
        }
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    printf("%s -> %s\n", result.output.c_str(), path.c_str());
}
