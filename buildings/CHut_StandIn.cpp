#include "CHut.h"

#include "CPerson.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kHut = 1;
constexpr int kSleepDepthAbove = 500;

}  // namespace

std::vector<CHut*> CHut::huts;

CHut::CHut(int variant, int atX, int atY) : CStandInBuilding(kHut, variant, atX, atY)
{
    huts.push_back(this);
}

CHut::CHut(const building_data& saved) : CStandInBuilding(saved)
{
    huts.push_back(this);
}

CHut::~CHut()
{
    huts.erase(std::remove(huts.begin(), huts.end(), this), huts.end());
    for (CPerson* person : CPerson::people) {
        if (person->targetHut == this) {
            person->targetHut = nullptr;
        }
    }
}

bool CHut::Usable()
{
    return IsComplete() && !IsBeingDemolished() && !IsDemolished();
}

CHut* CHut::FindAvailableHut(CPerson* person, int& atX, int& atY, bool underMouse, bool force, bool reserve)
{
    atX = atY = -1;
    CHut* found = nullptr;
    for (CHut* hut : huts) {
        // An occupant that has since left the band holds nothing.
        if (hut->occupant &&
            std::find(CPerson::people.begin(), CPerson::people.end(), hut->occupant) == CPerson::people.end()) {
            hut->occupant = nullptr;
        }
        int z = 0;
        if (!hut->Usable() || (underMouse && !hut->IsAtCoords(z, -1, -1))) {
            continue;
        }
        if (!hut->occupant || hut->occupant == person || force) {
            found = hut;
            break;
        }
    }
    if (!found) {
        return nullptr;
    }
    if (found->occupant && found->occupant != person) {
        found->occupant->FinishTaskSoon();
    }
    if (reserve) {
        LeaveHut(person);
        found->occupant = person;
    }
    found->GetEntryCoordinates(atX, atY);
    atY += 20;
    return found;
}

CHut* CHut::FindFinishedHut()
{
    for (CHut* hut : huts) {
        if (hut->IsComplete() && !hut->IsBeingDemolished()) {
            return hut;
        }
    }
    return nullptr;
}

void CHut::LeaveHut(CPerson* person)
{
    for (CHut* hut : huts) {
        if (hut->occupant == person) {
            hut->occupant = nullptr;
        }
    }
}

void CHut::GetEntryCoordinates(int& atX, int& atY)
{
    // The door sits on the side the variant's parity picks.
    const int width = sprite ? sprite->GetW() : 100;
    const int height = sprite ? sprite->GetH() : 100;
    atX = Round(x) + (GetVariant() % 2 == 0 ? width / 3 : 2 * width / 3);
    atY = Round(y) + height - 10;
}

int CHut::GetSleepZ()
{
    return (sprite ? sprite->GetZ() : 0) + kSleepDepthAbove;
}

CHut* CHut::FindUnfinishedHut()
{
    for (CHut* hut : huts) {
        if (!hut->IsComplete() && !hut->IsBeingDemolished()) {
            return hut;
        }
    }
    return nullptr;
}
