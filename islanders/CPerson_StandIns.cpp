// The first pieces of the islander's thoughts, selection and needs: enough for
// the band to stand on the island, be saved and be found, and no more. Each
// is replaced when its own part of the islander is built.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CSprite.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr int kSurprisedFrames = 45;

}  // namespace

sidebar_image CPerson::GetSpriteForSidebar()
{
    return sidebar_image{-1, "", -1};
}

float CPerson::GetDepth()
{
    CMap* island = CControllerGame::island;
    return island ? island->GetWaterDepth(GetX(), GetY(), 50) : 1.0f;
}

void CPerson::InitThoughts() {}

void CPerson::Lightning()
{
    for (CPerson* person : people) {
        if (!person->IsBaby() && !person->deleteMe) {
            person->surprisedFrames = kSurprisedFrames;
        }
    }
}

// ---- Thoughts ---------------------------------------------------------------------------

void CPerson::HandleStatusAndThoughts(bool)
{
    // An idle adult's wait before it wanders off on its own runs down here.
    if (idle && GetAge() >= 14) {
        wanderTimer--;
    }
    if (surprisedFrames > 0) {
        surprisedFrames--;
    }
}

void CPerson::ThinkSomething() {}
void CPerson::ThinkRain() {}
