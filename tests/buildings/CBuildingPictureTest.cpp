// Buildings as the island shows them: centred on their placement point on
// the mini-map, and drawn on a real island in a real window at each
// construction stage and as white and red ghosts, for a person to look at.
#include "CBuilding.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "CStorehouseRock.h"
#include "ChildProcess.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "TestXServer.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

// Stage 0..3 lies a little above 25 x stage percent; 4 is finished.
void RaiseToStage(CBuilding* building, int stage)
{
    if (stage == 4) {
        building->FinishNow();
        return;
    }
    const int percent = 25 * stage + 10;
    building->Build(CBuilding::GetRequiredWork(building->GetType()) * percent / 100);
    building->AddResource(percent, 0);
    building->AddResource(percent, 1);
}

struct BuildingScene : IslandTest {
    void TestBody() override {}

    void Draw(const std::string& stagesPath, const std::string& ghostsPath)
    {
        SetUp();
        CMap& island = PreviewOf(kFixedIslandSeeds[9]);
        island.ToggleBig(true);
        CBuilding::InitSprites();
        CObject::UnHideAll();
        // Both ghosts at once, as the placement test would colour them.
        Shoot(island, ghostsPath, [] {
            CSprite* white = CBuilding::sBuildingGhost[2];
            white->Move(60, 150);
            white->UnHide();
            white->SetFrame(0);
            CSprite* red = CBuilding::sBuildingGhost[4];
            red->Move(440, 150);
            red->UnHide();
            red->SetFrame(1);
        });
        const coordinate corners[5] = {{0, 0}, {270, 0}, {540, 0}, {120, 300}, {400, 300}};
        for (int stage = 0; stage < 5; stage++) {
            CBuilding* store = new CStorehouseRock(corners[stage].x + 120 - island.offsetX,
                                                   corners[stage].y + 150 - island.offsetY);
            RaiseToStage(store, stage);
        }
        CObject::UnHideAll();
        Shoot(island, stagesPath);

        CObject::UnloadAll();
        CBuilding::DeleteSprites();
        TearDown();
    }

    void Shoot(CMap& island, const std::string& path, const std::function<void()>& beforeDrawing = [] {})
    {
        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        beforeDrawing();
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(false);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
    }
};

}  // namespace

TEST_F(IslandTest, TheMiniMapShowsABuildingCentredOnItsPlacementPoint)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[0]);
    CStorehouseRock* store = new CStorehouseRock(1600, 808);
    std::map<std::string, int> images;
    island.GatherMiniMapObjects(images);
    int found = 0;
    for (const auto& entry : island.previewPictures) {
        if (entry.second.name == "storehouse_rock_style0_construct0.png") {
            found++;
            const int w = store->GetSprite()->GetW(), h = store->GetSprite()->GetH();
            EXPECT_EQ(entry.second.x + w / 16, store->GetX() / 8);
            EXPECT_EQ(entry.second.y + h / 16, store->GetY() / 8);
        }
    }
    EXPECT_EQ(found, 1);
    for (const auto& image : images) {
        CSprite::draw->RemoveImage(image.second);
    }
}

// Under a real X server (TestXServer).
TEST(BuildingsOnX, AStorehouseAtEachStageAndAWhiteAndARedGhost)
{
    const TestXServer server;
    if (server.Display().empty()) {
        GTEST_SKIP() << server.Why();
    }
    const char* display = server.Display().c_str();
    const std::string stages = ScreenshotPath("building-stages-x11.png");
    const std::string ghosts = ScreenshotPath("building-ghosts-x11.png");
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        BuildingScene().Draw(stages, ghosts);
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    printf("-> %s\n-> %s\n", stages.c_str(), ghosts.c_str());
}
