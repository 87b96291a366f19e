// One islander's frame: walking and the task machine, then every layer of its
// picture placed at its depth, sinking, puffs, wake, footprints and ripples,
// ageing, dying, its thoughts and the lessons its age calls for, always in
// this order.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CFootprint.h"
#include "CInput.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRipple.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "CUtilBounce.h"
#include "FrameTables.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kVisualEffectsProperty = 7;
constexpr int kHeldDepth = 8194000;
constexpr int kHeldSelectionOffset = 2000;
constexpr int kLandSelectionOffset = 36;
constexpr int kFramesPerRipple = 15;
constexpr int kOldestTrophyYears = 968;
constexpr int kOldestTrophy = 1024;
constexpr int kHungerDeath = 12022;
constexpr int kExhaustionDeath = 12023;
constexpr int kHackFrame = 3;
constexpr int kHoeFrame = 2;
constexpr int kNeverPlaced = -100;
constexpr int kTutorialsOnProperty = 67;
constexpr int kYoungAdultStep = 79, kSeniorStep = 82;

// The pointer area a held islander keeps to, so it never hangs off the view.
constexpr int kHoldLeft = 10, kHoldRight = 585, kHoldTop = 100, kHoldBottom = 520;

bool VisualEffectsOn()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kVisualEffectsProperty);
}

coordinate PointerPosition()
{
    if (!CController::input) {
        return {0, 0};
    }
    return {CController::input->mouseX, CController::input->mouseY};
}

void PlayAt(CSound* sound, int x, int y)
{
    CMap* island = CControllerGame::island;
    if (sound && island) {
        sound->Play(island->GetDistFromScreenCenter(x, y), false, 0, 0.0f);
    }
}

}  // namespace

void CPerson::Pump(int offsetX, int offsetY, int)
{
    if (deleteMe || hidden) {
        return;
    }
    grabGuard = false;
    if (endTaskRequested) {
        endTaskRequested = false;
        EndTask(false);
    }

    const bool held = pickedUp && CObject::rendering;
    body_view body = DescribeBody();
    if (!held) {
        movement->Pump(1);
        PumpTask();
        DecideWhatToDo();
        GetTired(bodyState != 0 ? 3 : 1);
        body = DescribeBody();
    } else {
        const coordinate pointer = PointerPosition();
        data.x = static_cast<float>(pointer.x - offsetX - body.width / 2);
        data.y = static_cast<float>(pointer.y - offsetY);
        if (pointer.x < kHoldLeft) {
            data.x += kHoldLeft - pointer.x;
        }
        if (pointer.x > kHoldRight) {
            data.x -= pointer.x - kHoldRight;
        }
        if (pointer.y < kHoldTop) {
            data.y += kHoldTop - pointer.y;
        }
        if (pointer.y > kHoldBottom) {
            data.y -= pointer.y - kHoldBottom;
        }
        if (IsBaby()) {
            data.x -= 5;
            data.y -= 31;
        } else if (IsKid()) {
            data.x -= 3;
            data.y -= 13;
        } else {
            data.x -= isMale ? 2 : 3;
            data.y -= 50;
        }
        CObject::selectedObject = this;
    }
    x = footX = data.x;
    y = footY = data.y;

    bounceA->Pump();
    bounceB->Pump();
    HandleHead();

    // The sway shows only in water, by last frame's depth.
    const float sway = (1.0f - depthFactor) * 0.8f;
    const int sx = Round(data.x + offsetX + bounceA->GetVal() * sway);
    const int sy = Round(data.y + offsetY + bounceB->GetVal() * sway);

    int headX = body.headX, headY = body.headY;
    if (IsKid()) {
        headX = isMale ? 3 : 1;
        headY = isMale ? 0 : -2;
    }
    MoveHead(headX, headY);

    int z = static_cast<int>(std::lround((static_cast<double>(data.y) + body.offsetY + body.height) * 2000.0)) +
            personalZGap;
    if (zOverride != -1) {
        if (zOverrideDelay > 0) {
            zOverrideDelay--;
        } else {
            z = zOverride;
        }
    }
    if (held) {
        z = personalZGap + kHeldDepth;
    }
    PlaceLayers(sx, sy, headX, headY, z, held);
    bodyDrawX = sx + body.offsetX;
    bodyDrawY = sy + body.offsetY;
    bodyZ = z;
    fullBodyWidth = body.width;
    fullBodyHeight = body.height;

    // Water depth at the feet; the footprints want it unclamped.
    float groundDepth = 1.0f;
    CMap* island = CControllerGame::island;
    if (island) {
        groundDepth = island->GetDepth(Round(bodyDrawX - offsetX + body.width / 2.0f),
                                       Round(static_cast<float>(bodyDrawY - offsetY + body.height)), 50);
    }
    depthFactor = held ? 1.0f : std::min(1.0f, groundDepth);

    // Landing puffs: put down on land.
    if (VisualEffectsOn()) {
        if (!pickedUp && wasHeld && depthFactor >= 1.0f) {
            int offsets[4] = {0, 10, 20, 30};
            for (int i = 3; i > 0; i--) {
                std::swap(offsets[i], offsets[RangedRandom(0, i)]);
            }
            int puffW, puffH;
            GetDustPuffSize(puffW, puffH);
            for (int i = 0; i < 4; i++) {
                RestartDustPuff(i);
                float puffX = body.offsetX + data.x + offsets[i] - puffW / 2 - 1;
                if (isMale) {
                    puffX += bodyDirection == 0 ? -2 : bodyDirection == 2 ? -3 : bodyDirection == 3 ? 4 : 0;
                } else if (bodyDirection == 2) {
                    puffX -= 3;
                }
                dustPuffX[i] = puffX;
                dustPuffY[i] = data.y + body.offsetY + body.height - puffH / 2 - 1;
            }
        }
        for (int i = 0; i < 4; i++) {
            dustPuffY[i] -= 0.3f;
            PlaceDustPuff(i, Round(dustPuffX[i] + offsetX), Round(dustPuffY[i] + offsetY),
                          Round(dustPuffY[i] + 20.0f) * 2000);
        }
        wasHeld = pickedUp;
    } else {
        HideDustPuffs();
    }

    // Sinking: the deeper, the less of the body shows.
    int sunk = 0;
    if (depthFactor < 1.0f && !held) {
        const float visible = std::max(0.0f, (depthFactor * depthFactor - 0.3f) / 0.7f);
        SetShownBodyHeight(Round(body.height * visible));
        sunk = Round((body.height - shownBodyHeight) * 0.9f);
    } else {
        SetShownBodyHeight(body.height);
    }
    // Babies' and kids' rings sit higher than an adult's.
    const int ringY = selectionRing ? selectionRingY : kLandSelectionOffset;
    selectionOffsetY = held ? kHeldSelectionOffset : ringY - sunk;

    int shadowX = 0, shadowY = 0;
    for (const shadow_offsets& row : kShadowOffsets) {
        if (row.set == body.set) {
            const int(&table)[4][2] = isMale ? row.men : row.women;
            shadowX = table[bodyDirection & 3][0];
            shadowY = table[bodyDirection & 3][1];
        }
    }
    if (depthFactor < 1.0f && !held) {
        shadowY -= std::max(0, sunk - 8);
    }
    if (held) {
        shadowY += 15;
    }
    PlaceShadow(bodyDrawX + shadowX, bodyDrawY + shadowY, z - 4, body.set == BODY_ADULT_HACK);

    HandleAgeing();
    const int years = data.age / kTicksPerYear;
    lastYears = years;
    const bool kid = years >= 3 && years <= 13;
    const bool adult = years >= 14 && years <= 64;
    if ((kid && !wasKid) || (adult && !wasAdult)) {
        ChangeState(1);
        ChangeState(0);
        EndTask(false);
    }
    wasKid = kid;
    wasAdult = adult;

    if (lastOffsetX != -1) {
        scrollDeltaX = offsetX - lastOffsetX;
        scrollDeltaY = offsetY - lastOffsetY;
    }
    lastOffsetX = offsetX;
    lastOffsetY = offsetY;
    HandleWake();

    body = DescribeBody();
    if (body.lastTick) {
        if (body.frame == kHackFrame && body.toolOfState && bodyState >= 2 && bodyState <= 4) {
            CSound* const* hacks = bodyState == 2 ? sndHackWood : bodyState == 3 ? sndHackRock : sndHackBuilding;
            const int pick = RangedRandom(0, 4);
            PlayAt(hacks[pick], Round(data.x), Round(data.y));
        } else if (body.frame == kHoeFrame && body.set == BODY_ADULT_HOE) {
            const int pick = RangedRandom(0, 4);
            PlayAt(sndHackFarm[pick], Round(data.x), Round(data.y));
        }
    }
    for (CSound* snore : sndSnore) {
        if (snore && island && snore->IsPlaying()) {
            snore->AdjustPosition(island->GetDistFromScreenCenter(Round(data.x), Round(data.y)), 1.0f);
        }
    }

    // The head-turn mood swap changes the mouth without going through
    // ChangeEmotion, so the portrait is checked against it every frame.
    if (currentMouth != previousMouth) {
        if (years >= 3) {
            ReleasePortrait();
        }
        previousMouth = currentMouth;
    }

    if (body.lastTick) {
        for (const footfall_frames& row : kFootfalls) {
            if (row.set != body.set) {
                continue;
            }
            const int(&table)[4][2] = isMale ? row.men : row.women;
            const int* feet = table[bodyDirection & 3];
            if (body.frame == feet[0] || body.frame == feet[1]) {
                CFootprint::AddPrint(Round(data.x + body.offsetX), Round(data.y + body.offsetY), groundDepth,
                                     body.frame == feet[0], isMale, kid, years < 3, bodyDirection,
                                     body.set == BODY_ADULT_CARRY);
            }
        }
    }

    if (depthFactor < 1.0f && movement->IsMoving()) {
        rippleCounter++;
        if (rippleCounter > kFramesPerRipple) {
            const int below = years < 3 ? 39 : kid ? 20 : 0;
            CRipple::AddRipple(Round(data.x + 10.0f), Round(data.y + below), 0);
            rippleCounter = 0;
        }
    }

    PlaceSplash(offsetX, offsetY, body.height);
    if (diveTimer >= 1) {
        HideHeadForDive();
    }

    if (dying) {
        const bool offScreen = bodyDrawX >= 851 || bodyDrawY >= 651 || bodyDrawX + body.width + 50 < 0 ||
                               bodyDrawY + body.height + 50 < 0;
        // In view the death waits for the player to look away, unless the
        // frame is one the player never sees.
        CControllerGame* game = CControllerGame::game;
        if (offScreen || (game && game->catchUpFrames >= 1)) {
            Die(false);
        }
    }
    if (data.food < -9999) {
        DieSoon(kHungerDeath);
    }
    if (data.energy < -9999) {
        DieSoon(kExhaustionDeath);
    }

    HandleStatusAndThoughts(held);
    if (data.actualAge / kTicksPerYear > kOldestTrophyYears) {
        CControllerTrophies::CompleteTrophy(kOldestTrophy);
    }
    RaiseAgeTutorials(years);
}

void CPerson::RaiseAgeTutorials(int years)
{
    CControllerGame* game = CControllerGame::game;
    if (!game || game->pendingTutorial != -1 || !CProfile::current ||
        !CProfile::current->GetValue<bool>(kTutorialsOnProperty)) {
        return;
    }
    if (years >= 14 && years <= 17 && !CTutorialDialog::IsTutorialComplete(kYoungAdultStep)) {
        game->pendingTutorial = kYoungAdultStep;
        selectedObject = this;
    }
    if (game->pendingTutorial == -1 && years >= 65 && !CTutorialDialog::IsTutorialComplete(kSeniorStep)) {
        game->pendingTutorial = kSeniorStep;
        selectedObject = this;
    }
}

void CPerson::HandleWake()
{
    if (pickedUp || !VisualEffectsOn() || diveTimer >= 1) {
        for (wake_particle& p : smallWake) {
            if (p.sprite) {
                p.sprite->Hide();
            }
        }
        for (wake_particle& p : largeWake) {
            if (p.sprite) {
                p.sprite->Hide();
            }
        }
        return;
    }
    const int sunk = fullBodyHeight - shownBodyHeight;

    for (wake_particle& p : smallWake) {
        if (!p.sprite) {
            continue;
        }
        p.x += p.dx;
        p.y += p.dy;
        p.sprite->Move(Round(p.x + lastOffsetX), Round(p.y + lastOffsetY));
        if (p.sprite->AtEnd()) {
            p.sprite->Hide();
        }
    }
    for (wake_particle& p : largeWake) {
        if (!p.sprite) {
            continue;
        }
        if (sunk < 6) {
            // Hardly in water: what is out stays put on the screen and dies away.
            p.sprite->Move(p.sprite->GetX() + scrollDeltaX, p.sprite->GetY() + scrollDeltaY);
            if (p.sprite->AtEnd()) {
                p.sprite->Hide();
            }
            continue;
        }
        if (p.sprite->Hidden() || p.sprite->AtEnd()) {
            p.x = static_cast<float>(RangedRandom(0, fullBodyWidth) - 3);
            p.y = -5.0f;
            if (shownBodyHeight < 5) {
                p.y += 5 - shownBodyHeight;
            }
            p.sprite->ResetStart();
        }
        p.sprite->Move(Round(bodyDrawX + p.x), Round(bodyDrawY + shownBodyHeight + p.y));
        p.sprite->SetZ(bodyZ + 3);
        p.sprite->UnHide();
        p.sprite->PlayForward();
    }
    if (shownBodyHeight >= fullBodyHeight) {
        return;
    }
    for (wake_particle& p : smallWake) {
        if (p.sprite && (p.sprite->AtEnd() || p.sprite->Hidden()) && RangedRandom(0, 4) == 0) {
            InitWakeParticle(p);
        }
    }
}

void CPerson::InitWakeParticle(wake_particle& p)
{
    p.sprite->Hide();
    const wake_particle& large = largeWake[RangedRandom(0, kLargeWake - 1)];
    if (!large.sprite || large.sprite->GetX() == kNeverPlaced || large.sprite->Hidden()) {
        return;
    }
    p.x = static_cast<float>(bodyDrawX - lastOffsetX) + large.x;
    p.y = static_cast<float>(bodyDrawY + shownBodyHeight - lastOffsetY) + large.y;
    p.dx = RangedRandom(-0.2f, 0.2f);
    p.dy = RangedRandom(-0.2f, 0.2f);
    p.sprite->ResetStart();
    p.sprite->PlayForward();
    p.sprite->UnHide();
}
