// A finished observatory and both finished wonders by the camp, with heaps of
// stardust and moondust lying glittering and others still falling, drawn in a
// real window for a person to look at.
#include "CDust.h"
#include "CObservatory.h"
#include "CProfile.h"
#include "CWonderA.h"
#include "CWonderB.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/life/SeaLifeFixture.h"

#include <cstdio>

namespace {

struct WondersScene : SeaLifeTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }

    static void Frame(CMap& island)
    {
        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        CSprite::renderer->Render(false);
    }

    // A heap at (x, y), pumped alone until it is height px above the ground.
    static CDust* Heap(bool stardust, int x, int y, float height)
    {
        CDust* heap = new CDust(stardust, x, y, 0);
        heap->UnHide();
        while (heap->height > height) {
            heap->Pump(0, 0, 1);
        }
        return heap;
    }

    // 0 when the three buildings stand finished and every heap shows with its glitter.
    int Draw(const std::string& path)
    {
        CProfile::current->SetValue<bool>(7, true);
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        CObject::UnHideAll();
        const int x = island.GetStartX(), y = island.GetStartY();
        CBuildingKind* buildings[3] = {new CWonderA(x - 220, y - 260), new CWonderB(x + 170, y - 250),
                                       new CObservatory(x - 40, y + 130)};
        for (CBuildingKind* building : buildings) {
            building->FinishNow();
        }
        Frame(island);
        // The wonders' own showers fall unseen far away; these lie and fall in view.
        CDust* heaps[4] = {Heap(true, x - 150, y + 190, 0.0f), Heap(false, x + 80, y + 210, 0.0f),
                           Heap(true, x - 280, y + 120, 90.0f), Heap(false, x + 110, y + 20, 240.0f)};
        island.CenterScreen(x, y + 20, true, false, false);
        for (int frame = 0; frame < 12; frame++) {
            Frame(island);
        }
        SaveRedrawnScreen(path);
        int missing = 0;
        for (CBuildingKind* building : buildings) {
            missing += !building->IsInService() || building->GetSprite()->Hidden();
        }
        for (CDust* heap : heaps) {
            missing += heap->sprite->Hidden() || heap->glitters[0]->Hidden();
        }
        printf("missing %i\n", missing);
        return missing;
    }
};

}  // namespace

TEST(WondersOnX, AnObservatoryAndBothWondersWithDustFallingAndLying)
{
    ScreenshotOnX("Wonders-dust-x11.png", [](const std::string& path) {
        WondersScene scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
