// The first pieces of the islander's frame, sprites and thoughts: enough for
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
// The one islander picture the pack holds until the body pictures come: the
// ring under a selected adult, drawn where the islander stands.
const char* const kStandInPicture = "selector_adult.png";
constexpr int kOffScreen = -100;
// Foot point to the walker's point.
constexpr int kBodySizeOffsetX = -13, kBodySizeOffsetY = -32;

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

// ---- The task steps, needs and thoughts ---------------------------------------------

void CPerson::PumpTask()
{
    taskFrames++;
    if (!PumpSubTask() || currentTask != 1) {
        return;
    }
    if (currentSubTask == 0) {
        currentSubTask = 1;
        subTaskDone = false;
    } else if (currentSubTask == 1 && subTaskDone) {
        EndTask(false);
    }
}

void CPerson::DecideWhatToDo() {}
void CPerson::GetTired(int) {}

void CPerson::HandleAgeing()
{
    data.age++;
    data.actualAge++;
}

void CPerson::Die(bool)
{
    deleteMe = true;
}

void CPerson::DieSoon(int cause)
{
    if (!dying) {
        dying = true;
        deathCause = std::to_string(cause);
    }
}

void CPerson::HandleStatusAndThoughts(bool)
{
    if (surprisedFrames > 0) {
        surprisedFrames--;
    }
}

void CPerson::ChangeEmotion(int, int) {}

// ---- The sprite stack ------------------------------------------------------------------

void CPerson::HandleHead() {}
void CPerson::MoveHead(int&, int&) {}

void CPerson::ChangeState(int state)
{
    bodyState = state;
}

void CPerson::AlterBodyDirection(int direction)
{
    bodyDirection = direction;
}

void CPerson::OffsetByBodySize(int& atX, int& atY) const
{
    atX += kBodySizeOffsetX;
    atY += kBodySizeOffsetY;
}

void CPerson::InverseOffsetByBodySize(int& atX, int& atY) const
{
    atX -= kBodySizeOffsetX;
    atY -= kBodySizeOffsetY;
}

void CPerson::HidePerson()
{
    if (standInSprite) {
        standInSprite->Hide();
    }
}

void CPerson::UnHidePerson()
{
    if (standInSprite && !hiddenAway) {
        standInSprite->UnHide();
    }
}

body_view CPerson::DescribeBody() const
{
    const bool walking = bodyState == 1 || bodyState >= 6;
    const bool carrying = bodyState >= 6;
    body_view body = {BODY_OTHER, 0, 0, 34, 66, 0, 0, 0, 1, false, false};
    if (IsBaby()) {
        body.set = walking ? BODY_BABY_WALK : BODY_BABY_STAND;
        body.width = 26;
        body.height = 32;
    } else if (IsKid()) {
        body.set = walking ? BODY_KID_WALK : BODY_KID_STAND;
        body.width = 28;
        body.height = 48;
    } else {
        body.set = carrying  ? BODY_ADULT_CARRY
                   : walking ? BODY_ADULT_WALK
                   : bodyState >= 2 && bodyState <= 4 ? BODY_ADULT_HACK
                   : bodyState == 5 ? BODY_ADULT_HOE
                                    : BODY_ADULT_STAND;
    }
    return body;
}

void CPerson::PlaceLayers(int sx, int sy, int, int, int z, bool)
{
    if (standInSprite && CObject::rendering) {
        standInSprite->Move(sx, sy);
        standInSprite->SetZ(z);
    }
}

void CPerson::SetShownBodyHeight(int height)
{
    shownBodyHeight = height;
}

void CPerson::PlaceShadow(int, int, int, bool) {}
void CPerson::RestartDustPuff(int) {}
void CPerson::PlaceDustPuff(int, int, int, int) {}
void CPerson::HideDustPuffs() {}

void CPerson::GetDustPuffSize(int& width, int& height) const
{
    width = height = 0;
}

void CPerson::PlaceSplash(int, int, int) {}
void CPerson::HideHeadForDive() {}

// ---- Skills ------------------------------------------------------------------------------

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
