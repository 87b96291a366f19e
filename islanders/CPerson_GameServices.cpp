// The least the game screen needs of the band until the islanders are built.
#include "CPerson.h"

#include "Utilities.h"

namespace {

constexpr float kPickupReach = 20.0f;

}  // namespace

CPerson* CPerson::FindPickup(int atX, int atY)
{
    for (CPerson* person : people) {
        if (!person->deleteMe && GetDist(static_cast<float>(atX), static_cast<float>(atY), person->footX,
                                          person->footY) <= kPickupReach) {
            return person;
        }
    }
    return nullptr;
}

void CPerson::Pickup()
{
    pickedUp = true;
    excluded = true;
    selectedObject = this;
}

void CPerson::Drop()
{
    pickedUp = false;
    excluded = false;
}

void CPerson::Simulate(int) {}
void CPerson::ProcessBabyMakingCouples() {}

int CPerson::FindRandomAdultImage(int*, char*)
{
    return -1;
}
