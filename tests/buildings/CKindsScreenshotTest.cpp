// Every building kind finished on one real island, with the ship and its
// shipyard on the shore, a burning fireplace and a ripe garden. Drawn in a
// real window for a person to look at.
#include "BuildingClasses.h"
#include "CBoat.h"
#include "CBuilding.h"
#include "CDraw.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CShipyard.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr int kScreenW = 800, kScreenH = 600;

struct KindsScene : IslandTest {
    void TestBody() override {}

    static bool Wet(CMap& island, int x, int y) { return island.GetWaterDepth(x, y, 50) < 1.0f; }

    // The top-left nearest (nearX, nearY), on a 16-pixel lattice, where test
    // holds; false when there is none.
    template <class Test>
    static bool Nearest(int nearX, int nearY, int& left, int& top, Test test)
    {
        long best = LONG_MAX;
        for (int y = 0; y < 3800; y += 16) {
            for (int x = 0; x < 3800; x += 16) {
                const long d = static_cast<long>(x - nearX) * (x - nearX) + static_cast<long>(y - nearY) * (y - nearY);
                if (d < best && test(x, y)) {
                    best = d;
                    left = x;
                    top = y;
                }
            }
        }
        return best != LONG_MAX;
    }

    // Puts a finished building of the variant on dry open ground near
    // (nearX, nearY), its ghost's box clear of everything; null when none fits.
    static CBuilding* PlaceNear(CMap& island, int variant, int nearX, int nearY)
    {
        CSprite* ghost = CBuilding::sBuildingGhost[variant];
        const int w = ghost->GetW(), h = ghost->GetH();
        int left = 0, top = 0;
        auto grass = [&](int x, int y) {
            return island.TileContainsTerrain_coords(x, y, 16, true) && !island.TileContainsTerrain_coords(x, y, 0x100, true);
        };
        const bool found = Nearest(nearX, nearY, left, top, [&](int x, int y) {
            return grass(x + w / 4, y + h - 20) && grass(x + 3 * w / 4, y + h - 20) && grass(x + w / 2, y + h * 2 / 3) &&
                   grass(x + w / 2, y + h - 5) && !CObject::Collision(x, y + h / 2, w, h / 2, true);
        });
        if (!found) {
            return nullptr;
        }
        CBuilding* building = ClassOfType(TypeOfVariant(variant)).place(left + w / 2, top + h / 2, variant);
        building->FinishNow();
        return building;
    }

    // The ship facing left at the shore nearest (nearX, nearY), and the
    // shipyard beside it.
    static int PlaceShipAndYard(CMap& island, int nearX, int nearY)
    {
        constexpr coordinate kShipPoints[4] = {{571, 323}, {103, 318}, {475, 197}, {26, 226}};
        constexpr coordinate kYardPoints[4] = {{375, 280}, {46, 256}, {473, 81}, {7, 117}};
        auto twoWet = [&](int x, int y, const coordinate* points) {
            int wet = 0;
            for (int i = 0; i < 4; i++) {
                wet += Wet(island, x + points[i].x, y + points[i].y);
            }
            return wet == 2;
        };
        int left = 0, top = 0, missing = 0;
        if (Nearest(nearX, nearY, left, top, [&](int x, int y) {
                return !Wet(island, x + 69, y + 275) && Wet(island, x + 299, y + 275) && twoWet(x, y, kShipPoints) &&
                       !CObject::Collision(x + 46, y + 202, 613, 186, false);
            })) {
            (new CBoat(left + 330, top + 200, CBoat::LEFT))->FinishNow();
        } else {
            missing++;
        }
        if (Nearest(left, top - 400, left, top, [&](int x, int y) {
                return twoWet(x, y, kYardPoints) && !CObject::Collision(x, y + 35, 480, 350, true);
            })) {
            (new CShipyard(left + 240, top + 195))->FinishNow();
        } else {
            missing++;
        }
        return missing;
    }

    // Draws the world with (left, top) at the screen's top-left.
    rgb_picture Shoot(CMap& island, int left, int top)
    {
        island.offsetX = -left;
        island.offsetY = -top;
        island.ground->Move(island.offsetX, island.offsetY);
        for (int frame = 0; frame < 30; frame++) {
            CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(false);
        resources.Draw().Flip(false);
        return PictureOf(SDL_GetVideoSurface());
    }

    // The screens that cover every building, side by side in one picture.
    void ShootAll(CMap& island, const std::string& path)
    {
        int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
        for (CBuilding* building : CBuilding::buildings) {
            CBuildingKind* kind = dynamic_cast<CBuildingKind*>(building);
            if (!kind || building->IsDemolished()) {
                continue;
            }
            CSprite* sprite = kind->GetSprite();
            x0 = std::min(x0, Round(building->x));
            y0 = std::min(y0, Round(building->y));
            x1 = std::max(x1, Round(building->x) + sprite->GetW());
            y1 = std::max(y1, Round(building->y) + sprite->GetH());
        }
        const int columns = std::min(4, (x1 - x0 + kScreenW - 1) / kScreenW);
        const int rows = std::min(4, (y1 - y0 + kScreenH - 1) / kScreenH);
        rgb_picture whole;
        whole.w = columns * kScreenW;
        whole.h = rows * kScreenH;
        whole.rgb.assign(static_cast<size_t>(whole.w) * whole.h * 3, 0);
        for (int row = 0; row < rows; row++) {
            for (int column = 0; column < columns; column++) {
                const rgb_picture part = Shoot(island, x0 + column * kScreenW, y0 + row * kScreenH);
                for (int y = 0; y < std::min(kScreenH, part.h); y++) {
                    std::memcpy(&whole.rgb[((static_cast<size_t>(row) * kScreenH + y) * whole.w + column * kScreenW) * 3],
                                &part.rgb[static_cast<size_t>(y) * part.w * 3], static_cast<size_t>(std::min(kScreenW, part.w)) * 3);
                }
            }
        }
        SavePng(whole, path);
    }

    CMap& Island()
    {
        SetUp();
        CMap& island = PreviewOf(kFixedIslandSeeds[5]);
        island.ToggleBig(true);
        CBuilding::InitSprites();
        CControllerGame::Resources()->AddWood(50);
        return island;
    }

    void Close()
    {
        CObject::UnloadAll();
        CBuilding::DeleteSprites();
        TearDown();
    }

    int DrawEveryKind(const std::string& path)
    {
        CMap& island = Island();
        CBuilding* camp = CFireplace::fireplaces.empty() ? nullptr : CFireplace::fireplaces.front();
        int missing = camp ? 0 : 1;
        const int nearX = camp ? camp->GetX() : 2000, nearY = camp ? camp->GetY() : 2000;
        missing += PlaceShipAndYard(island, nearX, nearY);
        // Small huts plain and roofed, large huts plain and roofed, the
        // storehouses, observatory, craftworks, station, a garden and the
        // two wonders.
        for (int variant : {0, 1, 12, 19, 2, 3, 4, 5, 6, 7, 20, 10, 11}) {
            CBuilding* building = PlaceNear(island, variant, nearX, nearY);
            missing += building ? 0 : 1;
            if (building && variant == 20) {
                static_cast<CFarm*>(building)->AcceptStardust();
            }
        }
        CObject::UnHideAll();
        missing += CFireplace::IsBurning() ? 0 : 1;
        ShootAll(island, path);
        Close();
        return missing;
    }
};

}  // namespace

TEST(KindsOnX, EveryBuildingKindFinishedOnOneIsland)
{
    ScreenshotOnX("buildings-every-kind-x11.png",
                  [](const std::string& path) { return KindsScene().DrawEveryKind(path); });
}
