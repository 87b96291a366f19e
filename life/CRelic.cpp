#include "CRelic.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kVariants = 10;
constexpr int kSpotTries = 1000;
constexpr int kIslandPixels = 3905;
constexpr int kSize = 32;  // the ground a relic needs free

}  // namespace

std::vector<CRelic*> CRelic::relic;

CRelic::CRelic(int atX, int atY) : number(RangedRandom(0, kVariants - 1)), taken(false)
{
    isRelic = true;
    isFind = true;
    if (atX == -1 && atY == -1) {
        // The last spot tried stands when no free one turns up.
        CMap* island = CControllerGame::island;
        for (int attempt = 0; attempt < kSpotTries; attempt++) {
            atX = RangedRandom(0, kIslandPixels - 1);
            atY = RangedRandom(0, kIslandPixels - 1);
            if (island && island->IsNotOnWater(atX, atY) &&
                !Collision(atX - kSize / 2, atY - kSize, kSize, kSize, true)) {
                break;
            }
        }
    }
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    relic.push_back(this);
}

CRelic::~CRelic()
{
    relic.erase(std::remove(relic.begin(), relic.end(), this), relic.end());
}

void CRelic::Hide() {}
void CRelic::UnHide() {}
void CRelic::Pump(int, int, int) {}
void CRelic::Rollover(bool) {}
