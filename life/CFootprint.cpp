#include "CFootprint.h"

#include "CProfile.h"

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr float kWettest = 1.0f;
constexpr float kDriest = 1.55f;

}  // namespace

std::vector<foot_struct> CFootprint::feet[4][2][3];

void CFootprint::AddPrint(int x, int y, float depth, bool left, bool, bool kid, bool baby, int direction, bool)
{
    if (!CProfile::current || !CProfile::current->GetValue<bool>(kVisualEffectsProperty) || depth <= kWettest ||
        depth >= kDriest || direction < 0 || direction > 3) {
        return;
    }
    const int body = kid ? 1 : baby ? 0 : 2;
    feet[direction][left ? 0 : 1][body].push_back(foot_struct{x, y, nullptr});
}

void CFootprint::PumpAll(int, int) {}

void CFootprint::Unload()
{
    for (auto& byDirection : feet) {
        for (auto& byFoot : byDirection) {
            for (auto& list : byFoot) {
                list.clear();
            }
        }
    }
}
