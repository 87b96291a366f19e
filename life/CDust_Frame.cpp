// A heap's frame: the wait, the fall, the landing with its puff and the
// alert, the glitter while it lies, the fade and the twinkle that follows it.
#include "CDust.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CObservatory.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSprite.h"
#include "Utilities.h"

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kPuffLift = 20;
constexpr int kPuffDepth = 2, kParticleDepth = 5;
constexpr int kDriftOnGround = 2, kDriftFalling = 4;
constexpr int kParticleSpreadY = 25;
constexpr int kParticleNarrowing = 15;

}  // namespace

void CDust::Pump(int offsetX, int offsetY, int)
{
    if (delay > 0) {
        delay--;
        return;
    }
    if (hidden) {
        if (sndTwinkle && !sndTwinkle->IsFadingOut()) {
            sndTwinkle->Stop();
            if (outOfPlay) {
                ReleaseSounds();
            }
        }
        return;
    }

    spriteFalling->Hide();
    spriteGround->Hide();
    if (height > 0.0f) {
        x -= velocityX;
        height -= fallSpeed;
        sprite = spriteFalling;
    } else {
        if (spritePuff->Hidden()) {
            spritePuff->UnHide();
            spritePuff->ResetStart();
            spritePuff->PlayForward();
            puffRise = 0;
            CMap* island = CControllerGame::island;
            sndLand->Play(island ? island->GetDistFromScreenCenter(destX, destY) : coordinate{0, 0}, false, 0, 0.0f);
        }
        x = static_cast<float>(destX);
        y = static_cast<float>(destY);
        height = 0.0f;
        sprite = spriteGround;
        puffRise++;
    }

    sprite->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY) - height,
                 (y + static_cast<float>(sprite->GetH())) * 2000.0f);
    spritePuff->Move(sprite->GetX() + sprite->GetW() / 2 - spritePuff->GetW() / 2,
                     sprite->GetY() + sprite->GetH() / 2 - spritePuff->GetH() / 2 - puffRise + kPuffLift,
                     sprite->GetZ() + kPuffDepth);
    sprite->UnHide();

    if (CProfile::current->GetValue<bool>(kVisualEffectsProperty)) {
        PumpParticles(offsetX, offsetY, sparkles, sparklePos);
        PumpParticles(offsetX, offsetY, glitters, glitterPos);
    } else {
        for (int i = 0; i < SPARKLES; i++) {
            sparkles[i]->Hide();
            glitters[i]->Hide();
        }
    }

    if (height <= 0.0f) {
        if (lifetime > 0) {
            lifetime--;
        }
        if (lifetime == 0) {
            expired = true;
        }
    }

    if (expired) {
        spriteGround->PlayForward();
        if (spriteGround->AtEnd()) {
            LeavePlay();
        }
    }

    if (!hidden) {
        Twinkle();
    }

    if (!landed && height <= 0.0f) {
        landed = true;
        if (CObservatory::numObservatories >= 1) {
            if (dustIgnore > 0) {
                dustIgnore--;
            } else {
                sndObservatory->Play(false, 0, 0.0f, false);
            }
        }
    }
}

void CDust::PumpParticles(int offsetX, int offsetY, CSprite** particles, coordinate* positions)
{
    const int lift = Round(height);
    for (int i = 0; i < SPARKLES; i++) {
        CSprite* particle = particles[i];
        coordinate& at = positions[i];
        particle->UnHide();
        particle->PlayForward();
        if (particle->AtEnd()) {
            if (expired) {
                particle->Hide();
            } else {
                particle->ResetStart();
                particle->SetFrame(static_cast<unsigned int>(RangedRandom(0, particle->GetNumImages() - 2)));
                at.x = Round(x) + RangedRandom(0, sprite->GetW() - kParticleNarrowing) - 1;
                at.y = Round(y) + RangedRandom(0, kParticleSpreadY);
            }
        }
        at.y += height > 0.0f ? kDriftFalling : kDriftOnGround;
        particle->Move(at.x + offsetX, at.y + offsetY - lift, sprite->GetZ() + kParticleDepth);
    }
}

void CDust::Twinkle()
{
    const coordinate offset = OffsetFromView();
    if (!sndTwinkle->IsPlaying()) {
        sndTwinkle->Play(offset, true, 0, 0.0f);
    }
    sndTwinkle->AdjustPosition(offset, 1.0f);
}
