// The trophy store: held trophies in the active profile, new ones queued.
#include "CControllerTrophies.h"

#include "CProfile.h"

namespace {

constexpr int kTrophyProperty = 65;
constexpr int kTrophyBits = (1 << CControllerTrophies::kTrophies) - 1;

int HeldTrophies()
{
    return CProfile::current->GetValue<int>(kTrophyProperty);
}

}  // namespace

std::queue<int> CControllerTrophies::trophyUnlockQueue;

// A bit above the last trophy would be held and announced as no trophy at all.
void CControllerTrophies::CompleteTrophy(int mask)
{
    mask &= kTrophyBits;
    if (IsTrophyComplete(mask)) {
        return;
    }
    trophyUnlockQueue.push(mask);
    CProfile::current->SetValue<int>(kTrophyProperty, HeldTrophies() | mask);
}

bool CControllerTrophies::IsTrophyComplete(int mask)
{
    return (HeldTrophies() & mask) == mask;
}

int CControllerTrophies::NumTrophiesUnlocked()
{
    const int held = HeldTrophies();
    int count = 0;
    for (int trophy = 0; trophy < kTrophies; trophy++) {
        count += (held >> trophy) & 1;
    }
    return count;
}

void CControllerTrophies::ResetAllTrophies()
{
    CProfile::current->SetValue<int>(kTrophyProperty, 0);
}

void CControllerTrophies::SetVar(int mask)
{
    CProfile::current->SetValue<int>(kTrophyProperty, HeldTrophies() | mask);
}

bool CControllerTrophies::CheckVar(int mask)
{
    return IsTrophyComplete(mask);
}
