// The flower panel slid in over the island, beside markers waiting to be
// planted and the flowers already planted around the flower mystery, drawn in
// a real window for a person to look at.
#include "CFlowerIndicator.h"
#include "CGuiButtonBase.h"
#include "CGuiFlowers.h"
#include "CMysteriousObject.h"
#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>

namespace {

struct PanelScene : IslandTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }

    // 0 when the panel, the markers and the planted flowers all show.
    int Draw(const std::string& path)
    {
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        const int cx = island.GetStartX() + 40, cy = island.GetStartY() - 120;
        CMysteriousObject* mystery = new CMysteriousObject(cx, cy, 2);
        const int ox = mystery->GetX() - 45, oy = mystery->GetY() + 73;
        // Four of the pattern's seven flowers are planted; three wait as markers.
        const int spots[7][3] = {{20, 35, 6}, {41, 128, 0}, {52, 88, 2}, {93, 129, 0},
                                 {146, 110, 1}, {217, 78, 0}, {198, 56, 3}};
        for (const auto& spot : spots) {
            CFlowerIndicator::flowerIndicator.push_back(
                new CFlowerIndicator(ox + spot[0] + 6, oy + spot[1] + 6, spot[2], false));
        }
        for (int i = 0; i < 4; i++) {
            CFlowerIndicator::PlaceFlower(CFlowerIndicator::flowerIndicator.front());
        }
        for (int i = 0; i < 6; i++) {
            CFlowerIndicator::flowerIndicator.push_back(
                new CFlowerIndicator(cx + 200 + 18 * i, cy + 40 + (i % 2) * 14, i, false));
        }

        CGuiFlowers panel(nullptr);
        panel.Appear();
        CObject::UnHideAll();
        island.CenterScreen(cx + 60, cy, true, false, false);
        for (int frame = 0; frame < 40; frame++) {
            island.Pump();
            island.ground->Move(island.offsetX, island.offsetY);
            if (panel.slideState == 1) {
                panel.chosen = 1;  // as the game screen marks a colour picked
            }
            panel.Pump();
            CGuiButtonBase::PumpAll();
            CObject::MoveObjects(island.offsetX, island.offsetY, 1);
            CSprite::renderer->Render(false);
        }
        SaveRedrawnScreen(path);

        MouseAt(60, 120);
        const bool panelIn = panel.slideState == 1 && panel.IsMouseOver();
        const bool markers = CFlowerIndicator::flowerIndicator.size() == 9;
        const bool flowers = island.flowers.size() >= 4;
        printf("panel %i, markers %i, flowers %i\n", panelIn, markers, flowers);
        return !panelIn + !markers + !flowers;
    }
};

}  // namespace

TEST(FlowerPanelOnX, ThePanelSlidesInBesideMarkersAndTheFlowerMysterysPattern)
{
    ScreenshotOnX("FlowerPanel-x11.png", [](const std::string& path) {
        PanelScene scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
