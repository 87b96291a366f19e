// Until mushrooms grow and are picked: one stands where it was made.
#include "CMushroom.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "Utilities.h"

namespace {

constexpr int kGrass = 16;
constexpr int kSearches = 200;

}  // namespace

CMushroom::CMushroom(int atX, int atY)
{
    isMushroom = true;
    CMap* island = CControllerGame::island;
    if (atX == -1 && atY == -1) {
        atX = atY = 0;
        for (int i = 0; island && i < kSearches; i++) {
            const int tryX = RangedRandom(96, 3905), tryY = RangedRandom(96, 3905);
            if (island->TileContainsTerrain_coords(tryX, tryY, kGrass, false)) {
                atX = tryX;
                atY = tryY;
                break;
            }
        }
    }
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
}

CMushroom::~CMushroom() = default;

void CMushroom::Hide() {}
void CMushroom::UnHide() {}
void CMushroom::Pump(int, int, int) {}
void CMushroom::Rollover(bool) {}
