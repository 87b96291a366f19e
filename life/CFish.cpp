#include "CFish.h"

#include "Utilities.h"

namespace {

constexpr float kNear = 400.0f;

}  // namespace

fish_clump CFish::fishClump[3] = {};

void CFish::InitFish(unsigned int) {}

void CFish::EraseFish()
{
    for (fish_clump& clump : fishClump) {
        clump.x = clump.y = clump.size = 0;
    }
}

int CFish::GetSizeOfNearestClump(int x, int y)
{
    int largest = -1;
    for (const fish_clump& clump : fishClump) {
        if (GetDist(x, y, clump.x, clump.y) <= kNear && clump.size > largest) {
            largest = clump.size;
        }
    }
    return largest;
}
