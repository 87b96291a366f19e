#include "CFlyaway.h"

#include <algorithm>

namespace {

constexpr int kLifeFrames = 45;
// Numbers nobody pumps must not pile up.
constexpr size_t kMostShown = 64;

}  // namespace

std::vector<CFlyaway> CFlyaway::flyaways;

void CFlyaway::AddFlyaway(int value, int x, int y)
{
    if (flyaways.size() >= kMostShown) {
        flyaways.erase(flyaways.begin());
    }
    flyaways.push_back(CFlyaway{value, x, y, kLifeFrames});
}

void CFlyaway::PumpFlyaways()
{
    for (CFlyaway& number : flyaways) {
        number.framesLeft--;
    }
    flyaways.erase(std::remove_if(flyaways.begin(), flyaways.end(), [](const CFlyaway& n) { return n.framesLeft <= 0; }),
                   flyaways.end());
}

void CFlyaway::RemoveFlyaways()
{
    flyaways.clear();
}
