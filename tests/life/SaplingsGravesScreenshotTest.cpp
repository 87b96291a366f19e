// Saplings and graves drawn in a real window for a person to look at: a row
// of markers and growing saplings, a grave in the grass and one on the sand,
// and the epitaph's pop-up over them.
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "Screenshot.h"
#include "tests/islanders/RoadFixture.h"

namespace {

constexpr int kGrass = 0x200;

struct SaplingsAndGravesScene : RoadTest {
    void TestBody() override {}

    // A world point in view where test holds, scanning from the view's middle.
    coordinate Find(const std::function<bool(int, int)>& test)
    {
        for (int r = 0; r < 90; r += 6) {
            for (int dx = -3 * r; dx <= 3 * r; dx += 6) {
                for (int dy : {r, -r}) {
                    const int wx = 280 - island->offsetX + dx, wy = 470 - island->offsetY + dy;
                    if (test(wx, wy)) {
                        return {wx, wy};
                    }
                }
            }
        }
        return {-1, -1};
    }

    int Draw(const std::string& path)
    {
        SetUp();
        CTreeIndicator::Init();
        int missing = 0;
        Show(island->GetStartX() + 250, island->GetStartY() - 40);
        const coordinate row = Find([&](int wx, int wy) {
            return island->IsNotOnWater(wx, wy) && island->IsNotOnWater(wx + 240, wy) &&
                   !CObject::Collision(wx - 20, wy - 60, 280, 80, true);
        });
        missing += row.x == -1;
        for (int i = 0; i < 6 && row.x != -1; i++) {
            CTreeIndicator* entry = new CTreeIndicator(row.x + i * 45, row.y, false, -1, false);
            CTreeIndicator::treeIndicator.push_back(entry);
            if (i >= 3) {
                CTreeIndicator::GrowTree(entry);
            }
        }
        const coordinate grass = Find([&](int wx, int wy) {
            return island->TileContainsTerrain_coords(wx + 20, wy + 52, kGrass, true) &&
                   !CObject::Collision(wx - 5, wy - 20, 50, 92, true);
        });
        const coordinate sand = Find([&](int wx, int wy) {
            return island->IsNotOnWater(wx + 20, wy + 52) &&
                   !island->TileContainsTerrain_coords(wx + 20, wy + 52, kGrass, true) &&
                   !CObject::Collision(wx - 5, wy - 20, 50, 92, true);
        });
        missing += grass.x == -1;
        missing += sand.x == -1;
        CTombstone* asking = nullptr;
        if (grass.x != -1) {
            asking = new CTombstone(grass.x, grass.y, "Tala", "11126", "11101", "12021", 72, 2, true);
        }
        if (sand.x != -1) {
            new CTombstone(sand.x, sand.y, "Kai", "11124", "", "12022", 30, 4, true);
        }
        Frame();
        Frame();
        if (asking) {
            asking->Drop();
            for (int frame = 0; frame < 6 && !CControllerGame::popUp; frame++) {
                Frame();
            }
        }
        missing += CControllerGame::popUp == nullptr;
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
        CTreeIndicator::Unload();
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(SaplingsAndGravesOnX, MarkersSaplingsGravesAndAnEpitaph)
{
    ScreenshotOnX("saplings-and-graves-x11.png",
                  [](const std::string& path) { return SaplingsAndGravesScene().Draw(path); });
}
