// The camp's three piles holding some of everything, drawn on a real island
// in a real window, for a person to look at.
#include "CDraw.h"
#include "CRenderer.h"
#include "CResources.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>

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

TEST(StockOnX, ThePilesShowLogsRocksFishAndVegetables)
{
    ScreenshotOnX("stock-piles-x11.png", [](const std::string& path) { return CampScene().Draw(path); });
}
