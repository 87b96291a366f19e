// A finished science station and craftworks, and a craftworks still being
// raised, on a real island in a real window for a person to look at.
#include "CCraftworks.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "CScienceStation.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

namespace {

struct WorkplacesScene : IslandTest {
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        SetUp();
        CMap& island = PreviewOf(kFixedIslandSeeds[9]);
        island.ToggleBig(true);
        CScienceStation* station = new CScienceStation(200 - island.offsetX, 300 - island.offsetY);
        CCraftworks* works = new CCraftworks(580 - island.offsetX, 300 - island.offsetY);
        station->FinishNow();
        works->FinishNow();
        CObject::UnHideAll();
        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        int missing = CCraftworks::numCraftworks == 1 ? 0 : 1;
        missing += works->GetDoor()->Hidden() ? 1 : 0;
        missing += CScienceStation::AnyUseableScienceStations() ? 0 : 1;
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(false);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        CObject::UnloadAll();
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(WorkplacesOnX, AFinishedScienceStationAndCraftworks)
{
    ScreenshotOnX("workplaces-x11.png", [](const std::string& path) { return WorkplacesScene().Draw(path); });
}
