// What keeps the island alive between the player's actions: dust falling and
// flying to its counter, the sparkle of held dust, the burst of used dust,
// storms, crates and barrels, mushrooms and rotting wood, each on its timer
// of game frames; and the pictures that follow the pointer.
#include "CControllerGame.h"

#include "CCrateBarrel.h"
#include "CDust.h"
#include "CFootprint.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMushroom.h"
#include "CMysteriousObject.h"
#include "CProfile.h"
#include "CResources.h"
#include "CRipple.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kTutorialOnProperty = 67;
constexpr int kFirstCrateOpenedProperty = 38;
constexpr int kStardustTutorialStep = 34, kMoondustTutorialStep = 48;
constexpr int kStardustMystery = 7, kMoondustMystery = 6;

constexpr float kStarCounterX = 42.0f, kStarCounterY = 27.0f;
constexpr float kMoonCounterX = 597.0f, kMoonCounterY = 28.0f;
constexpr float kFlyStraightDistance = 125.0f;
constexpr float kSparkPull = 0.6f;
constexpr int kSparkles = 60;
constexpr int kLongWithoutDust = 7199;
constexpr int kWoodRotFrames = 54000;
constexpr int kHeldTipFrames = 3;
constexpr int kStardustTip = 15000, kMoondustTip = 15001, kPotionTip = 15011;

selection_result Tip(int id)
{
    selection_result tip{};
    tip.id = id;
    return tip;
}

// A fall's next wait: shorter when the player has long gone without dust, and
// shorter still once the island's mystery of that dust is solved.
int NextFall(int low, int high, bool shorten, int mystery)
{
    int frames = Round(static_cast<float>(RangedRandom(low, high)));
    if (shorten) {
        frames = low;
    }
    if (CMysteriousObject::IsComplete(mystery)) {
        frames = Round(static_cast<float>(frames) * 0.75f);
    }
    return frames;
}

bool FallAllowed(int tutorialStep)
{
    return !CProfile::current->GetValue<bool>(kTutorialOnProperty) || CTutorialDialog::IsTutorialComplete(tutorialStep);
}

void Fall(bool stardust)
{
    CDust* heap = new CDust(stardust, -1, -1, 0);
    heap->UnHide();
}

// One spark of held or used dust: it falls away under the pull.
void MoveSpark(CSprite* sprite, float* particle)
{
    particle[3] += kSparkPull;
    particle[0] += particle[2];
    particle[1] += particle[3];
    sprite->Move(particle[0], particle[1]);
    sprite->UnHide();
}

}  // namespace

void CControllerGame::AddDust(bool stardust)
{
    CResources* stock = Resources();
    if (stardust) {
        stock->AddStardust(1);
        dustMode = 3;
    } else {
        stock->AddMoondust(1);
        dustMode = 4;
    }
    float (*particles)[4] = stardust ? starParticles : moonParticles;
    const int pointerX = CMouseCursor::GetMouseX(), pointerY = CMouseCursor::GetMouseY();
    for (int i = 0; i < PARTICLES; i++) {
        particles[i][0] = static_cast<float>(pointerX + RangedRandom(-20, 20));
        particles[i][1] = static_cast<float>(pointerY + RangedRandom(-20, 20));
        particles[i][2] = RangedRandom(-10.0f, 10.0f);
        particles[i][3] = RangedRandom(-10.0f, 10.0f);
    }
}

void CControllerGame::DisplayStarBurst()
{
    Burst(true);
}

void CControllerGame::DisplayMoonBurst()
{
    Burst(false);
}

void CControllerGame::Burst(bool stardust)
{
    dustMode = stardust ? 5 : 6;
    if (sndUsingDust) {
        sndUsingDust->Play(false, 0, 0.0f, false);
    }
    CSprite** sprites = stardust ? starSprites : moonSprites;
    float (*particles)[4] = stardust ? starParticles : moonParticles;
    const int pointerX = CMouseCursor::GetMouseX(), pointerY = CMouseCursor::GetMouseY();
    for (int i = 0; i < PARTICLES; i++) {
        const int offsetX = RangedRandom(-20, 20);
        const int offsetY = RangedRandom(-20, 20);
        particles[i][2] = RangedRandom(-3.0f, 3.0f);
        particles[i][3] = RangedRandom(-3.0f, 3.0f);
        particles[i][0] = static_cast<float>(pointerX + offsetX);
        particles[i][1] = static_cast<float>(pointerY + offsetY);
        if (CSprite* sprite = sprites[i]) {
            sprite->ResetStart();
            sprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, static_cast<int>(sprite->GetFramesFromEnd()) - 1)));
        }
    }
}

void CControllerGame::HideParticles()
{
    for (int i = 0; i < PARTICLES; i++) {
        for (CSprite* particle : {starSprites[i], moonSprites[i]}) {
            if (particle) {
                particle->Hide();
            }
        }
    }
}

void CControllerGame::AnimateDust()
{
    const bool effects = CProfile::current->GetValue<bool>(kVisualEffectsProperty);
    if (!effects || dustMode != lastDustMode) {
        HideParticles();
    }
    lastDustMode = dustMode;

    if (effects && (dustMode == 3 || dustMode == 4)) {
        const bool star = dustMode == 3;
        FlyToCounter(star ? starSprites : moonSprites, star ? starParticles : moonParticles,
                     star ? kStarCounterX : kMoonCounterX, star ? kStarCounterY : kMoonCounterY);
    }

    if (sndTwinkle) {
        if (dustMode == 1 || dustMode == 2) {
            if (!sndTwinkle->IsPlaying() || sndTwinkle->GetVolume() <= 0.0f) {
                sndTwinkle->Play(true, 0, 0.0f, false);
                sndTwinkle->FadeIn(10);
            }
        } else if (sndTwinkle->IsPlaying()) {
            sndTwinkle->Stop();
        }
    }

    if (--stardustTimer <= 0) {
        const bool longWithout = lastDustPickup > kLongWithoutDust && Resources()->GetStardust() <= 0;
        stardustTimer = NextFall(1800, 5400, longWithout, kStardustMystery);
        if (FallAllowed(kStardustTutorialStep)) {
            Fall(true);
        }
    }
    if (--moondustTimer <= 0) {
        moondustTimer = NextFall(5400, 10800, lastDustPickup > kLongWithoutDust, kMoondustMystery);
        if (FallAllowed(kMoondustTutorialStep)) {
            Fall(false);
        }
    }

    ShowHeldDust(effects);

    if (effects && (dustMode == 5 || dustMode == 6)) {
        CSprite** sprites = dustMode == 5 ? starSprites : moonSprites;
        float (*particles)[4] = dustMode == 5 ? starParticles : moonParticles;
        bool moved = false;
        for (int i = 0; i < PARTICLES; i++) {
            CSprite* sprite = sprites[i];
            if (!sprite) {
                continue;
            }
            if (sprite->AtEnd()) {
                sprite->Hide();
                continue;
            }
            sprite->PlayForward();
            MoveSpark(sprite, particles[i]);
            moved = true;
        }
        if (!moved) {
            dustMode = 0;
        }
    }
}

void CControllerGame::FlyToCounter(CSprite** sprites, float (*particles)[4], float counterX, float counterY)
{
    for (int i = 0; i < PARTICLES; i++) {
        float* p = particles[i];
        const float distance = GetDist(p[0], p[1], counterX, counterY);
        const double closer = RangedRandom(0.8, 0.9);
        p[0] = static_cast<float>((p[0] - counterX) * closer + counterX);
        p[1] = static_cast<float>((p[1] - counterY) * closer + counterY);
        if (distance > kFlyStraightDistance) {
            p[0] += p[2];
            p[1] += p[3];
        }
        if (CSprite* sprite = sprites[i]) {
            sprite->Move(p[0], p[1]);
            sprite->UnHide();
        }
    }
}

void CControllerGame::ShowHeldDust(bool effects)
{
    for (CSprite* held : {heldStardustSprite, heldMoondustSprite}) {
        if (held) {
            held->Hide();
        }
    }
    if (dustMode != 1 && dustMode != 2) {
        return;
    }
    const bool star = dustMode == 1;
    CSprite* held = star ? heldStardustSprite : heldMoondustSprite;
    SetToolTipMessage(Tip(star ? kStardustTip : kMoondustTip), kHeldTipFrames);
    if (!held) {
        return;
    }
    const int shift = star ? 18 : 19;
    held->Move(CMouseCursor::GetMouseX() + shift, CMouseCursor::GetMouseY() + shift);
    held->UnHide();
    if (!effects) {
        return;
    }
    CSprite** sprites = star ? starSprites : moonSprites;
    float (*particles)[4] = star ? starParticles : moonParticles;
    for (int i = 0; i < kSparkles; i++) {
        CSprite* sprite = sprites[i];
        if (!sprite) {
            continue;
        }
        float* p = particles[i];
        sprite->PlayForward();
        if (sprite->AtEnd() || sprite->Hidden()) {
            sprite->ResetStart();
            sprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, 3)));
            p[0] = static_cast<float>(held->GetX() + held->GetW() / 2 + RangedRandom(-10, 10));
            p[1] = static_cast<float>(held->GetY() + held->GetH() / 2 + RangedRandom(-20, 10));
            p[2] = RangedRandom(-2.0f, 2.0f);
            p[3] = RangedRandom(-2.0f, 2.0f);
        }
        MoveSpark(sprite, p);
    }
}

void CControllerGame::RunIslandEvents()
{
    int offsetX = 0, offsetY = 0;
    if (island) {
        offsetX = island->offsetX;
        offsetY = island->offsetY;
        if (rainTimer >= 0) {
            rainTimer--;
        }
        if (rainTimer < 0 && !island->raining) {
            rainTimer = RangedRandom(18000, 54000);
            island->SetRain(true, 1);
        }
    }
    CFootprint::PumpAll(offsetX, offsetY);
    CRipple::PumpAll(offsetX, offsetY);

    if (!CProfile::current->GetValue<bool>(kFirstCrateOpenedProperty) && !CCrateBarrel::currentContainer) {
        new CCrateBarrel(-1, -1, true, false);
    }
    if (--crateTimer < 1 && !CCrateBarrel::currentContainer) {
        crateTimer = RangedRandom(9000, 12600);
        new CCrateBarrel(-1, -1, false, true);
    }

    if (heldPotion != 0) {
        SetToolTipMessage(Tip(kPotionTip), kHeldTipFrames);
        const int pointerX = CMouseCursor::GetMouseX() + 19, pointerY = CMouseCursor::GetMouseY() + 11;
        for (CSprite* pointer : {potionPointer, potionPointerColour}) {
            if (pointer) {
                pointer->Move(pointerX, pointerY);
                pointer->UnHide();
            }
        }
    } else {
        for (CSprite* pointer : {potionPointer, potionPointerColour}) {
            if (pointer) {
                pointer->Hide();
            }
        }
    }

    if (mistA && mistB && !mistA->Hidden()) {
        mistA->Move(mistX + offsetX, mistY + offsetY);
        mistB->Move(mistX + offsetX, mistY + offsetY);
        if (mistA->AtEnd() && mistA->Paused()) {
            mistA->Hide();
            mistB->Hide();
        }
    }

    if (mushroomTimer <= 0) {
        GrowMushrooms(-1, -1);
        mushroomTimer = RangedRandom(2500, 4000);
    } else {
        mushroomTimer--;
    }
}

void CControllerGame::GrowMushrooms(int atX, int atY)
{
    CMushroom* first = new CMushroom(atX, atY);
    if (RangedRandom(0, 4) != 0) {
        return;
    }
    const int secondX = first->GetX() + RangedRandom(5, 10);
    CMushroom* second = new CMushroom(secondX, first->GetY() + RangedRandom(5, 10));
    if (RangedRandom(0, 5) != 0) {
        return;
    }
    const int thirdX = second->GetX() - RangedRandom(5, 10);
    new CMushroom(thirdX, second->GetY() + RangedRandom(5, 10));
}

void CControllerGame::RotWood()
{
    CResources* stock = Resources();
    if (stock->GetWood() <= 0) {
        return;
    }
    if (++woodRotFrames > kWoodRotFrames) {
        woodRotFrames = 0;
        stock->RemoveWood(1);
    }
}
