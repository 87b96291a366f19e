// The island chooser's travel between islands: the scan that starts when a
// new preview island is made with travel.
#include "CMap.h"

#include "CProfile.h"

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kScanFrames = 120;

}  // namespace

void CMap::InitSpline(unsigned int)
{
    travelFrom = float_coordinate{0.0f, 0.0f};
}

bool CMap::ScanningForIsland()
{
    return !playable && CProfile::current && CProfile::current->GetValue<bool>(kVisualEffectsProperty) &&
           scanFrame < kScanFrames;
}
