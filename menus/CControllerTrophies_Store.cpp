#include "CControllerTrophies.h"

#include "CProfile.h"

namespace {

constexpr int kTrophyProperty = 65;

}  // namespace

void CControllerTrophies::CompleteTrophy(int mask)
{
    CProfile* profile = CProfile::current;
    if (!profile) {
        return;
    }
    const int bits = profile->GetValue<int>(kTrophyProperty);
    if ((bits & mask) != mask) {
        profile->SetValue<int>(kTrophyProperty, bits | mask);
    }
}
