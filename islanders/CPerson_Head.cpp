// The islander's head: turning towards a target one frame at a time, looking
// around, blinking and drowsy eyes, the mouth of the current face, and where
// the head sits on the working and baby bodies.
#include "CPerson.h"

#include "CDraw.h"
#include "CSprite.h"
#include "SpriteTables.h"
#include "Utilities.h"

#include <algorithm>

using namespace sprite_tables;

namespace {

constexpr int kSleepSubTask = 9;
constexpr int kFishingTask = 3;
constexpr int kDrowsyEnergy = 2500;
constexpr int kShutLid = 2;
constexpr int kSurprisedFace = 4;
constexpr int kSurprisedFrames = 45;

void HideSprite(CSprite* sprite)
{
    if (sprite) {
        sprite->Hide();
    }
}

void ShowSprite(CSprite* sprite)
{
    if (sprite) {
        sprite->UnHide();
    }
}

}  // namespace

void CPerson::HandleHead()
{
    if (!headImages || currentSubTask == kSleepSubTask) {
        return;
    }
    emotionTimer--;
    // A head never shows without its body, whatever hid the body. Only the
    // islander's own hidden flag stops it looking around: one whose layers
    // are put away for a while (a hut, the frame that changes its stage)
    // draws the same numbers as one in view, or every later draw would move.
    const bool quiet = hidden || !layersShown;

    bool eyesShut = false;
    CSprite* lid = blinkImages[headFrame];
    if (bodyState == 0 && data.energy < kDrowsyEnergy && currentTask != kFishingTask) {
        targetHeadFrame = 4 * bodyDirection + 2;
        lid->SetFrame(kShutLid);
        lid->Pause();
        eyesShut = true;
    } else if (lid->Paused() && lid->GetFrame() == kShutLid) {
        lid->PlayForward();
    }

    // The head may not look backwards over the shoulder.
    const int h = headFrame;
    if (bodyDirection == FACING_NE && h >= 8 && h <= 12) {
        targetHeadFrame = 2;
    } else if (bodyDirection == FACING_SE && (h >= 12 || h == 0)) {
        targetHeadFrame = 6;
    } else if (bodyDirection == FACING_SW && h <= 4) {
        targetHeadFrame = 10;
    } else if (bodyDirection == FACING_NW && h >= 4 && h <= 8) {
        targetHeadFrame = 14;
    }

    if (h != targetHeadFrame) {
        HideSprite(currentMouth[h]);
        HideSprite(headImages[h]);
        HideSprite(blinkImages[h]);
        HideSprite(hairImages[h]);
        if (emotionTimer <= 0) {
            emotionTimer = RangedRandom(180, 250);
            currentMouth = mouthSets[RangedRandom(0, 1) == 1 ? kNeutralFace : kSmileFace];
        }
        const int gap = targetHeadFrame - h;
        int step = gap > 0 ? 1 : -1;
        if (gap >= 9 || gap <= -9) {
            step = -step;
        }
        headFrame = (h + step + kHeadFrames) % kHeadFrames;
        if (!quiet) {
            ShowSprite(headImages[headFrame]);
            ShowSprite(hairImages[headFrame]);
            if (GetAge() >= 3) {
                ShowSprite(currentMouth[headFrame]);
            }
        }
    }

    if (blinkTimer > 0 || eyesShut) {
        blinkTimer--;
    } else {
        if (!quiet) {
            CSprite* blink = blinkImages[headFrame];
            blink->ResetStart();
            blink->UnHide();
            blink->PlayForward();
        }
        blinkTimer = RangedRandom(5, 70);
    }

    const bool working = bodySet == &adultHoe || bodySet == &adultHack;
    if (headTurnTimer > 0 || working) {
        headTurnTimer--;
    } else if (!hidden) {
        const int now = headFrame;
        int look;
        do {
            look = 4 * bodyDirection - 1 + RangedRandom(0, 6);
            if (look < 0) {
                look = 15;
            } else if (look > 15) {
                look = 0;
            }
        } while (look == now - 1 || look == now || look == now + 1);
        targetHeadFrame = look;
        headTurnTimer = RangedRandom(40, 79);
    }

    if (eyesShut && !quiet) {
        ShowSprite(blinkImages[headFrame]);
    }
}

void CPerson::MoveHead(int& atX, int& atY)
{
    if (!bodySet) {
        return;
    }
    const int d = bodyDirection;
    CSprite* body = bodySet->entry[d].sprite;
    if (!body) {
        return;
    }
    const int image = static_cast<int>(body->GetNextFrame());
    if (bodySet == &babyStand) {
        if (isMale) {
            atX += d == FACING_NW ? 1 : 0;
            atY += d == FACING_NW ? 34 : 35;
        } else {
            atX += d == FACING_NW ? 1 : 0;
            atY += 37;
        }
    } else if (bodySet == &babyWalk) {
        const offset at = kBabyWalkHead[image % 16][d];
        atX = at.x;
        atY = at.y;
    } else if (bodySet == &adultHoe || bodySet == &adultHack) {
        // Columns: man SW, man SE, woman SW, woman SE.
        const int column = (isMale ? 0 : 2) + (d == FACING_SE ? 1 : 0);
        const int row = image < 9 ? image : 0;
        if (bodySet == &adultHoe) {
            atX = kHoeHead[row][column].x;
            atY = kHoeHead[row][column].y - kHoeHeadLift[isMale ? 0 : 1];
        } else {
            atX = kHackHead[row][column].x + kHackHeadShift[column].x;
            atY = kHackHead[row][column].y + kHackHeadShift[column].y;
        }
    }
}

void CPerson::ChangeHeadDirection(int index)
{
    if (index < -1 || index >= kHeadFrames) {
        return;
    }
    headDirection = index;
    ReleasePortrait();
}

void CPerson::ReleasePortrait()
{
    if (portraitImage != -1 && CSprite::draw) {
        CSprite::draw->RemoveImage(portraitImage);
    }
    portraitImage = -1;
}

void CPerson::ChangeEmotion(int face, int frames)
{
    if (GetAge() < 3 || face < -1 || face >= kFaces || !currentMouth) {
        return;
    }
    HideSprite(currentMouth[headFrame]);
    if (face == -1) {
        face = RangedRandom(0, kFaces - 1);
    }
    currentMouth = mouthSets[face];
    if (!hidden && layersShown) {
        ShowSprite(currentMouth[headFrame]);
    }
    if (frames == -1) {
        emotionTimer = face == kSurprisedFace ? kSurprisedFrames : RangedRandom(180, 250);
    } else {
        emotionTimer = frames;
    }
    if (currentMouth != previousMouth) {
        ReleasePortrait();
        previousMouth = currentMouth;
    }
}

void CPerson::HideHeadForDive()
{
    if (!headImages) {
        return;
    }
    HideSprite(headImages[headFrame]);
    HideSprite(currentMouth[headFrame]);
    HideSprite(blinkImages[headFrame]);
    HideSprite(hairImages[headFrame]);
}

void CPerson::SwitchToGrownUpHead()
{
    if (!headImages || headImages == adultHead) {
        return;
    }
    HideSprite(headImages[headFrame]);
    HideSprite(blinkImages[headFrame]);
    headImages = adultHead;
    blinkImages = adultBlink;
    hairImages = hair;
}

void CPerson::RebuildHair(int style)
{
    if (!CSprite::draw) {
        return;
    }
    if (style == -1) {
        style = GetAge() < 35 ? data.youngHairStyle : data.matureHairStyle;
    }
    style = std::min(std::max(style, 0), 7);
    const int colour = GetHairColour();
    const char* gender = isMale ? "male" : "female";
    for (int k = 0; k < kHeadFrames; k++) {
        const bool shown = hair[k] && !hair[k]->Hidden();
        delete hair[k];
        hair[k] = new CSprite(0);
        hair[k]->LoadImage(TempSprintf("%s_hair_style%i_colour%i_%i.png", gender, style, colour, k));
        hair[k]->Move(-100, -100);
        if (!shown) {
            hair[k]->Hide();
        }
    }
}

int CPerson::GetShownHeadWidth() const
{
    CSprite* head = headImages ? headImages[headFrame] : nullptr;
    return head ? head->GetW() : 0;
}
