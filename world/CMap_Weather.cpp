// The island's weather: rain, thunderstorms and heavy storms over the
// playable island (drops that fall in screen space and land on world rows,
// the overlay, the ambience, thunder that shakes the screen and startles the
// islanders, relics uncovered by storms), and the clouds that drift over the
// chooser's preview with their shadows.
#include "CMap.h"

#include "CDraw.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRelic.h"
#include "CRipple.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kTutorialOnProperty = 67;
// Storms wait until the tutorial has shown its weather.
constexpr int kWeatherTutorialStep = 6;

constexpr int kScreenW = 800, kScreenH = 600;
constexpr int kOverlayZ = 1000000;
// A streak's depth follows the row it lands on, but stays below the side
// panel, which world sprites never cover.
constexpr int kHighestStreakZ = 19999999;
constexpr int kSplashFramesPerStep = 2;
constexpr int kParked = -100;
// The view may carry the falling drops up by at most this much a frame.
constexpr int kFastestLift = -10;
// A drop that lost its landing row falls on past everything.
constexpr float kNoLanding = 20000.0f;

constexpr int kCloudZ = 20050000;
constexpr int kFrameX = 287, kFrameY = 20, kFrameSize = 489;
constexpr int kShadowX = 72, kShadowY = 205;
constexpr int kScanFrames = 120;
constexpr int kCloudsAtRest = 3, kCloudsDuringScan = 6;
constexpr int kFramesOutBeforeGone = 3;

// Before the tutorial's weather step only plain rain may come and go.
bool StormsHeldBack()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kTutorialOnProperty) &&
           !CTutorialDialog::IsTutorialComplete(kWeatherTutorialStep);
}

void DeleteSprite(CSprite*& sprite)
{
    delete sprite;
    sprite = nullptr;
}

void Shake()
{
    if (CSprite::draw) {
        CSprite::draw->Shake();
    }
}

// The sound and the startled islanders of a thunderclap; the first or the
// second thunder with equal chance.
void Thunder(CSound* first, CSound* second)
{
    CSound* sound = RangedRandom(0, 1) == 0 ? first : second;
    if (sound) {
        sound->Play(false, 0, 0.0f, false);
    }
    CPerson::Lightning();
}

// Whether a sprite placed at (x, y) lies wholly outside the preview frame.
bool OutsideFrame(int x, int y, CSprite* sprite)
{
    return x + sprite->GetOriginalW() <= kFrameX || x >= kFrameX + kFrameSize ||
           y + sprite->GetOriginalH() <= kFrameY || y >= kFrameY + kFrameSize;
}

}  // namespace

// ---- Rain and thunder ----------------------------------------------------------

void CMap::SetRain(bool on, int kind)
{
    if (kind != 0 && StormsHeldBack()) {
        return;
    }
    rainKind = kind;
    if (!on) {
        if (raining && kind != 0) {
            Shake();
            Thunder(sndThunder[0], sndThunder[1]);
        }
    } else if (!raining) {
        for (int i = 0; i < RAIN_DROPS; i++) {
            ResetRainDrop(i, true);
        }
        rainFramesLeft = RangedRandom(1800, 3600);
        if (kind == 2) {
            rainFramesLeft /= 4;
        }
        if (kind == 1 || kind == 2) {
            Shake();
            Thunder(sndThunder[0], sndThunder[1]);
            // The storm washes relics out of the ground.
            for (int i = 0; i < (kind == 1 ? 1 : 4); i++) {
                new CRelic(-1, -1);
            }
        }
    }
    raining = on;
    if (rainOverlay) {
        if (on) {
            rainOverlay->UnHide();
        } else {
            rainOverlay->Hide();
        }
    }
}

void CMap::ResetRainDrop(int i, bool initial)
{
    rain_drop& drop = drops[i];
    drop.x = static_cast<float>(RangedRandom(0, kScreenW));
    drop.y = static_cast<float>(initial ? RangedRandom(-650, -50) : RangedRandom(-100, -50));
    drop.ground = static_cast<float>(RangedRandom(100 - offsetY, 1000 - offsetY));
    drop.velocityX = RangedRandom(-0.1f, 0.1f);
    drop.velocityY = static_cast<float>(RangedRandom(17, 19));
    drop.waiting = true;
}

void CMap::MoveRain()
{
    if (!playable) {
        return;
    }
    if (sndRain) {
        if (raining && !sndRain->IsPlaying()) {
            sndRain->Play(true, 0, 0.0f, false);
        } else if (!raining && sndRain->IsPlaying()) {
            sndRain->Stop();
        }
    }

    if (raining && rainKind != 0) {
        thunderCountdown--;
        if (thunderCountdown < 1) {
            Shake();
            thunderCountdown = RangedRandom(30, 600);
            if (rainKind == 2) {
                thunderCountdown /= 2;
            }
            Thunder(sndThunder[0], sndThunder[1]);
        }
    }

    if (scrollDeltaY < kFastestLift) {
        scrollDeltaY = kFastestLift;
    }
    const float dx = static_cast<float>(scrollDeltaX);
    const float dy = static_cast<float>(scrollDeltaY);
    for (int i = 0; i < RAIN_DROPS; i++) {
        rain_drop& drop = drops[i];
        CSprite* streak = drop.streak;
        CSprite* splash = drop.splash;
        if (!streak) {
            continue;
        }
        const float streakW = static_cast<float>(streak->GetW());
        const float streakH = static_cast<float>(streak->GetH());

        if (!drop.waiting || raining) {
            drop.x += dx + drop.velocityX;
            drop.y += dy + drop.velocityY;
            if (dy < 0) {
                drop.ground -= dy;
            }
            const float z = 2000.0f * drop.ground;
            streak->Move(Round(drop.x), Round(drop.y),
                         z < static_cast<float>(kHighestStreakZ) ? Round(z) : kHighestStreakZ);
        }
        if (!splash->Hidden()) {
            drop.splashX += dx;
            drop.splashY += dy;
            splash->Move(drop.splashX, drop.splashY, (drop.splashY - static_cast<float>(offsetY)) * 2000.0f);
        }
        if (drop.y + streakH > 0) {
            drop.waiting = false;
        }
        if (!drop.waiting) {
            streak->UnHide();
        } else if (!raining) {
            streak->Hide();
        }

        if (raining) {
            if (drop.x > kScreenW) {
                drop.x -= kScreenW;
            } else if (drop.x < -streakW) {
                drop.x += kScreenW;
            }
            if (drop.y + streakH < 0 && (!drop.waiting || dy < 0)) {
                drop.y += kScreenH;
                drop.ground = kNoLanding - static_cast<float>(offsetY);
            }
            if (drop.y > kScreenH) {
                const float y = drop.y;
                ResetRainDrop(i, false);
                drop.y = y - kScreenH;
            }
        }

        if (drop.y - static_cast<float>(offsetY) > drop.ground) {
            const float splashW = static_cast<float>(splash->GetW());
            const float splashH = static_cast<float>(splash->GetH());
            drop.splashX = drop.x + streakW / 2 - splashW / 2;
            drop.splashY = drop.y + streakH - splashH / 2;
            splash->Move(drop.splashX, drop.splashY, (drop.splashY - static_cast<float>(offsetY)) * 2000.0f);
            splash->UnHide();
            splash->ResetStart();
            splash->PlayForward();
            if (RangedRandom(0, 3) == 0) {
                CRipple::AddRipple(Round(drop.splashX - static_cast<float>(offsetX)) + splash->GetW() / 2,
                                   Round(drop.splashY - static_cast<float>(offsetY)) + splash->GetH() / 2, 0);
            }
            ResetRainDrop(i, false);
        }
        if (!splash->Hidden() && splash->AtEnd()) {
            splash->Hide();
        }
    }
    scrollDeltaX = scrollDeltaY = 0;
}

void CMap::HideRain()
{
    for (rain_drop& drop : drops) {
        if (drop.streak) {
            drop.streak->Hide();
            drop.splash->Hide();
        }
    }
}

void CMap::AdjustRain(int dx, int dy)
{
    if (playable) {
        scrollDeltaX += dx;
        scrollDeltaY += dy;
    }
}

void CMap::LoadRain()
{
    for (int i = 0; i < RAIN_DROPS; i++) {
        rain_drop& drop = drops[i];
        drop.streak = new CSprite(0);
        drop.streak->LoadImage(TempSprintf("rain_streak%i.png", RangedRandom(0, 3)));
        drop.streak->Move(kParked, kParked);
        drop.streak->Hide();
        drop.splash = new CSprite(0, kSplashFramesPerStep);
        drop.splash->LoadImage("rain_splash", 0, 3, ".tga");
        drop.splash->PauseWhenDone();
        drop.splash->Move(kParked, kParked);
        drop.splash->Hide();
        ResetRainDrop(i, false);
    }
    rainOverlay = new CSprite(0, 0, kOverlayZ);
    rainOverlay->LoadImage("rain_overlay.png");
    rainOverlay->Hide();
}

void CMap::UnloadRain()
{
    for (rain_drop& drop : drops) {
        DeleteSprite(drop.streak);
        DeleteSprite(drop.splash);
    }
    DeleteSprite(rainOverlay);
}

// ---- Clouds over the preview ---------------------------------------------------

void CMap::LoadClouds()
{
    // One wind for every cloud.
    float windX = RangedRandom(1.0f, 0.5f);
    if (RangedRandom(0, 1) == 0) {
        windX = -windX;
    }
    const float windY = windX * RangedRandom(0.6f, 0.8f);
    for (int i = 0; i < CLOUDS; i++) {
        cloud_data& cloud = clouds[i];
        cloud.cloud = new CSprite(kCloudZ);
        cloud.cloud->LoadImage(TempSprintf("map_cloud%i.png", i));
        cloud.shadow = new CSprite(kCloudZ - 1);
        cloud.shadow->LoadImage(TempSprintf("map_cloud%is.png", i));
        for (CSprite* sprite : {cloud.cloud, cloud.shadow}) {
            sprite->Hide();
            sprite->ClipToRect(kFrameX, kFrameY, kFrameSize, kFrameSize);
        }
        cloud.velocityX = windX;
        cloud.velocityY = windY;
        cloud.x = static_cast<float>(RangedRandom(-300, kFrameSize));
        cloud.y = static_cast<float>(RangedRandom(-300, kFrameSize));
        cloud.gone = true;
        cloud.outFrames = 0;
    }
    activeClouds = 0;
    while (activeClouds < kCloudsAtRest) {
        std::vector<int> gone;
        for (int i = 0; i < CLOUDS; i++) {
            if (clouds[i].gone) {
                gone.push_back(i);
            }
        }
        clouds[gone[static_cast<size_t>(RangedRandom(0, static_cast<int>(gone.size()) - 1))]].gone = false;
        activeClouds++;
    }
}

void CMap::UnloadClouds()
{
    for (cloud_data& cloud : clouds) {
        DeleteSprite(cloud.cloud);
        DeleteSprite(cloud.shadow);
    }
}

void CMap::MoveClouds()
{
    if (!clouds[0].cloud) {
        return;
    }
    if (playable || !VisualEffectsOn()) {
        for (cloud_data& cloud : clouds) {
            cloud.cloud->Hide();
            cloud.shadow->Hide();
        }
        return;
    }
    const bool scanning = scanFrame < kScanFrames;
    const int wanted = scanning ? kCloudsDuringScan : kCloudsAtRest;
    // During the scan the clouds travel over the frame with the sea.
    const float travelX = camera.x - previousCamera.x;
    const float travelY = camera.y - previousCamera.y;
    const float moveX = clouds[0].velocityX - travelX;
    const float moveY = clouds[0].velocityY - travelY;

    for (cloud_data& cloud : clouds) {
        cloud.x += cloud.velocityX - travelX;
        cloud.y += cloud.velocityY - travelY;
        const int x = Round(cloud.x) + kFrameX;
        const int y = Round(cloud.y) + kFrameY;
        const int shadowX = Round(cloud.x + kShadowX) + kFrameX;
        const int shadowY = Round(cloud.y + kShadowY) + kFrameY;
        cloud.cloud->Move(x, y, kCloudZ + Round(cloud.y));
        cloud.shadow->Move(shadowX, shadowY, kCloudZ + Round(cloud.y) - 1);
        if (cloud.gone) {
            continue;
        }
        if (OutsideFrame(x, y, cloud.cloud) && OutsideFrame(shadowX, shadowY, cloud.shadow)) {
            if (++cloud.outFrames >= kFramesOutBeforeGone) {
                cloud.gone = true;
                activeClouds--;
            }
        } else {
            cloud.outFrames = 0;
        }
    }

    while (activeClouds < wanted) {
        std::vector<int> gone;
        for (int i = 0; i < CLOUDS; i++) {
            if (clouds[i].gone) {
                gone.push_back(i);
            }
        }
        if (gone.empty()) {
            break;
        }
        cloud_data& cloud = clouds[gone[static_cast<size_t>(RangedRandom(0, static_cast<int>(gone.size()) - 1))]];
        cloud.outFrames = 0;
        cloud.gone = false;
        activeClouds++;
        // It comes in from the side the clouds move away from.
        if (std::fabs(moveX) <= std::fabs(moveY)) {
            cloud.x = static_cast<float>(RangedRandom(-kFrameSize, 2 * kFrameSize));
            cloud.y = moveY < 0 ? static_cast<float>(kFrameSize)
                                : static_cast<float>(-(cloud.shadow->GetOriginalH() + kShadowY));
        } else {
            cloud.y = static_cast<float>(RangedRandom(-kFrameSize, 2 * kFrameSize));
            cloud.x = moveX < 0 ? static_cast<float>(kFrameSize)
                                : static_cast<float>(-(cloud.shadow->GetOriginalW() + kShadowX));
        }
    }

    for (cloud_data& cloud : clouds) {
        if (cloud.gone) {
            cloud.cloud->Hide();
            cloud.shadow->Hide();
        } else {
            cloud.cloud->UnHide();
            cloud.shadow->UnHide();
        }
    }

    if (!scanning) {
        // Clouds at nearly the same height would flicker over each other.
        for (int i = 0; i < CLOUDS; i++) {
            if (clouds[i].gone) {
                continue;
            }
            for (int j = 0; j < i; j++) {
                if (clouds[j].gone) {
                    continue;
                }
                const float difference = clouds[i].y - clouds[j].y;
                if (difference >= 0.0f && difference <= 2.0f) {
                    clouds[i].y += 5.0f;
                }
                if (difference >= -2.0f && difference <= 0.0f) {
                    clouds[i].y -= 5.0f;
                }
            }
        }
    }
}
