// The first pieces of the islander's frame, sprites and thoughts: enough for
// the band to stand on the island, be saved and be found, and no more. Each
// is replaced when its own part of the islander is built.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CSprite.h"
#include "Utilities.h"

namespace {

constexpr int kSurprisedFrames = 45;
// The one islander picture the pack holds until the body pictures come: the
// ring under a selected adult, drawn where the islander stands.
const char* const kStandInPicture = "selector_adult.png";
constexpr int kOffScreen = -100;

}  // namespace

void CPerson::LoadSprites()
{
    // Without a drawing context (the walker's own tests) there is nothing
    // to draw with.
    if (standInSprite || !CSprite::draw) {
        return;
    }
    standInSprite = new CSprite(0);
    standInSprite->LoadImage(kStandInPicture);
    standInSprite->Move(kOffScreen, kOffScreen);
    standInSprite->Hide();
}

void CPerson::UnloadSprites()
{
    delete standInSprite;
    standInSprite = nullptr;
}

void CPerson::Hide()
{
    hidden = true;
    if (standInSprite) {
        standInSprite->Hide();
    }
}

void CPerson::UnHide()
{
    hidden = false;
    if (standInSprite && !hiddenAway) {
        standInSprite->UnHide();
    }
}

void CPerson::Pump(int offsetX, int offsetY, int)
{
    lastOffsetX = offsetX;
    lastOffsetY = offsetY;
    x = footX = data.x;
    y = footY = data.y;
    if (surprisedFrames > 0) {
        surprisedFrames--;
    }
    if (standInSprite && CObject::rendering) {
        const int drawX = Round(data.x) + offsetX;
        const int drawY = Round(data.y) + offsetY;
        standInSprite->Move(drawX, drawY);
        standInSprite->SetZ((Round(data.y) + standInSprite->GetH()) * 2000 + personalZGap);
    }
}

void CPerson::Rollover(bool) {}

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

int CPerson::GetSkillSpecialty() const
{
    return -1;
}

int CPerson::GetSkillRank() const
{
    return 0;
}

bool CPerson::MultipleMaster() const
{
    return false;
}
