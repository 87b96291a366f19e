// The sea in motion: the coast waves of the playable island with their crest,
// spray and surf, the small waves of the chooser's preview, and the froth on
// the deep water. The places of the waves come from CMap_Waves.cpp; the draws
// of their starting state are made here in the order the island's generation
// depends on.
#include "CMap.h"

#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kQuarterTurn = 1.570795f;

constexpr int kWaveZ = 9;
constexpr int kCrestFramesPerStep = 6;
constexpr int kSprayFramesPerStep = 2;
constexpr int kWaveFrames = 11;  // "TEMP_wave0.png" .. "TEMP_wave10.png"
constexpr int kAppearFrames = 100;
constexpr int kWaveLife = 360;
constexpr float kSurfVolume = 0.35f;
// A crest point on ground higher than this has reached the shallows.
constexpr int kBreakHeight = 2900;
// Neighbouring crest points further apart than this (both axes summed) are
// pulled back into step.
constexpr float kCrestGap = 10.0f;
// The view's centre, from which positional sounds are heard.
constexpr int kViewCentreX = 322, kViewCentreY = 280;
constexpr float kSurfCarry = 1.5f;

constexpr int kSmallWaveLife = 150;
constexpr int kSmallWavesRunning = 5;
constexpr int kParked = -100;

// The chooser shows the preview island in this frame of the screen.
constexpr int kFrameX = 287, kFrameY = 20, kFrameSize = 489;

constexpr int kFrothTries = 10000;
constexpr int kFrothSpacing = 300;
constexpr int kFrothZ = 2;
constexpr int kFrothFramesPerStep = 2;
constexpr int kFrothLastFrame = 21;
constexpr int kFrothParked = -200;

void DeleteSprite(CSprite*& sprite)
{
    delete sprite;
    sprite = nullptr;
}

// The last frame of crest sprite k: the crest is tallest in its middle.
int CrestHeight(int k)
{
    if (k < 50) {
        return Round(static_cast<float>(k) / 50.0f * 10.0f);
    }
    if (k > 50) {
        return Round(static_cast<float>(100 - k) / 50.0f * 10.0f);
    }
    return 10;
}

PF_Rect Union(const PF_Rect& a, const PF_Rect& b)
{
    if (a.w <= 0 || a.h <= 0) {
        return b;
    }
    if (b.w <= 0 || b.h <= 0) {
        return a;
    }
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.w, b.x + b.w);
    const int bottom = std::max(a.y + a.h, b.y + b.h);
    return PF_Rect{left, top, right - left, bottom - top};
}

PF_Rect Area(CSprite* sprite)
{
    return PF_Rect{sprite->GetX(), sprite->GetY(), sprite->GetW(), sprite->GetH()};
}

}  // namespace

// ---- Coast waves -------------------------------------------------------------

void CMap::AddWave(float x, float y, float angle, int coastX, int coastY, int pointX, int pointY)
{
    waves.emplace_back();
    wave_struct& wave = waves.back();
    wave.x = Round(x);
    wave.y = Round(y);
    wave.coastX = coastX;
    wave.coastY = coastY;
    wave.pointX = pointX;
    wave.pointY = pointY;
    wave.angle = angle;
    const float across = angle + kQuarterTurn;
    const float stepX = std::sin(across) * 2.5f;
    const float stepY = std::cos(across) * -2.5f;
    wave.base[0] = {x - 50 * stepX, y - 50 * stepY};
    for (int i = 1; i < WAVE_POINTS; i++) {
        wave.base[i] = {wave.base[i - 1].x + stepX, wave.base[i - 1].y + stepY};
    }
    if (CSprite::draw) {
        for (int k = 0; k < WAVE_POINTS; k++) {
            CSprite* crest = new CSprite(kWaveZ, kCrestFramesPerStep);
            const int last = CrestHeight(k);
            crest->LoadImage("TEMP_wave", 0, last, ".png");
            crest->LoadImage(TempSprintf("TEMP_wave%i.png", last), kWaveFrames - 1 - last);
            crest->PauseWhenDone();
            crest->ShouldDirty(false);
            crest->Hide();
            wave.crest[k] = crest;

            CSprite* spray = new CSprite(kWaveZ, kSprayFramesPerStep);
            spray->LoadImage("TEMP_wave", 0, kWaveFrames - 1, ".png");
            spray->PauseWhenDone();
            spray->ShouldDirty(false);
            spray->Hide();
            wave.spray[k] = spray;
        }
    }
    ResetWave(&wave);
    wave.delay = RangedRandom(0, 300);
    wave.surf = RangedRandom(1, 5);
    wave.sound = new CSound(TempSprintf("island_waves_%i.ogg", wave.surf), false, kSurfVolume, false);
}

void CMap::ResetWave(wave_struct* wave)
{
    wave->appear = kAppearFrames;
    wave->delay = RangedRandom(0, 15);
    wave->life = kWaveLife;
    wave->velocityX[0] = std::sin(wave->angle) * 0.8f;
    wave->velocityY[0] = -std::cos(wave->angle) * 0.8f;
    wave->damping[0] = 0.9999f;
    // The crest's middle moves at random speeds; its ends lag behind.
    for (int i = 1; i < WAVE_POINTS; i++) {
        const float random = RangedRandom(0.98f, 1.02f);
        float f;
        if (i <= 12) {
            f = 1 + 0.01f * static_cast<float>(12 - i) / 12;
        } else if (i >= 88) {
            f = 1 - 0.01f * static_cast<float>(i - 88) / 12;
        } else {
            f = random;
        }
        wave->velocityX[i] = f * wave->velocityX[i - 1];
        wave->velocityY[i] = f * wave->velocityY[i - 1];
        wave->damping[i] = f > 1.0f ? 0.9999f : 1.0f;
    }
    wave->resetA = wave->resetB = wave->velocityX[0];
    for (int i = 0; i < WAVE_POINTS; i++) {
        wave->point[i] = wave->base[i];
        wave->broken[i] = false;
        if (CSprite* crest = wave->crest[i]) {
            crest->ResetStart();
            crest->Hide();
        }
    }
    for (int i = 0; i < WAVE_POINTS; i++) {
        if (wave->spray[i]) {
            wave->spray[i]->Hide();
        }
        wave->sprayCountdown[i] = RangedRandom(0, 10);
    }
}

void CMap::RemoveWaves()
{
    for (wave_struct& wave : waves) {
        for (int i = 0; i < WAVE_POINTS; i++) {
            DeleteSprite(wave.crest[i]);
            DeleteSprite(wave.spray[i]);
        }
        delete wave.sound;
        wave.sound = nullptr;
    }
    waves.clear();
}

void CMap::DrawWaves()
{
    const int imageW = samplesWide - 2 * borderX;
    const int imageH = samplesHigh - 2 * borderY;
    for (wave_struct& wave : waves) {
        if (!wave.crest[0]) {
            continue;
        }
        if (wave.delay >= 1) {
            wave.delay--;
            continue;
        }
        if (wave.appear > 0) {
            wave.appear--;
        }
        if (wave.life > 0) {
            wave.life--;
        }
        const int hw = -(wave.crest[0]->GetW() / 2);
        const int hh = -(wave.crest[0]->GetH() / 2);

        for (int i = 0; i < WAVE_POINTS; i++) {
            CSprite* crest = wave.crest[i];
            float_coordinate& p = wave.point[i];
            if (!wave.broken[i]) {
                if (i > 0) {
                    const float_coordinate& before = wave.point[i - 1];
                    if (std::fabs(p.x - before.x) + std::fabs(p.y - before.y) >= kCrestGap) {
                        const float meanX = (wave.velocityX[i] + wave.velocityX[i - 1]) / 2;
                        const float meanY = (wave.velocityY[i] + wave.velocityY[i - 1]) / 2;
                        wave.velocityX[i] = wave.velocityX[i - 1] = meanX;
                        wave.velocityY[i] = wave.velocityY[i - 1] = meanY;
                    }
                }
                wave.velocityX[i] *= wave.damping[i];
                wave.velocityY[i] *= wave.damping[i];
                p.x += wave.velocityX[i];
                p.y += wave.velocityY[i];
            } else {
                // A broken point rides its crest's frames: forward while the
                // foam still grows, back out to sea as it runs down.
                const float frame = static_cast<float>(crest->GetFrame());
                const float share = wave.life <= 0 ? frame / 10.0f : frame / 5.0f - 1.2f;
                p.x += share * wave.velocityX[i];
                p.y += share * wave.velocityY[i];
            }
            const int rx = Round(p.x);
            const int ry = Round(p.y);
            if (rx >= 0 && rx <= imageW && ry >= 0 && ry <= imageH &&
                GetHeight(rx + borderX, ry + borderY) > kBreakHeight) {
                wave.broken[i] = true;
                crest->PlayBackward();
            }
            crest->Move(rx + offsetX + hw, ry + offsetY + hh);
            if (wave.life <= 0) {
                wave.broken[i] = true;
                crest->PlayBackward();
            }
        }

        const coordinate heard = {offsetX - (kViewCentreX - Round(wave.point[0].x)),
                                  offsetY - (kViewCentreY - Round(wave.point[0].y))};
        if (wave.appear == 0) {
            for (CSprite* crest : wave.crest) {
                crest->UnHide();
                crest->PlayForward();
            }
        }
        if (wave.appear <= 0) {
            if (!wave.sound->IsPlaying()) {
                wave.sound->Play(heard, false, 0, 0.0f);
            } else {
                wave.sound->AdjustPosition(heard, kSurfCarry);
            }
        }
        if (wave.appear == 0) {
            wave.appear = -1;
        }

        if (wave.appear <= 0) {
            for (int j = 0; j < WAVE_POINTS; j++) {
                CSprite* spray = wave.spray[j];
                if (!spray->Hidden() && spray->Paused()) {
                    spray->Hide();
                    wave.sprayCountdown[j] = RangedRandom(0, 10);
                } else if (!spray->Hidden()) {
                    wave.sprayPoint[j].x += wave.sprayVelocityX[j];
                    wave.sprayPoint[j].y += wave.sprayVelocityY[j];
                    spray->Move(offsetX + wave.sprayPoint[j].x + hw, offsetY + wave.sprayPoint[j].y + hh);
                } else if (wave.sprayCountdown[j] < 1) {
                    const int k = RangedRandom(10, 89);
                    CSprite* crest = wave.crest[k];
                    if (!wave.broken[k] && !crest->Hidden() && crest->GetFrame() != 0) {
                        wave.sprayPoint[j] = wave.point[k];
                        wave.sprayVelocityX[j] = wave.velocityX[k] * 0.51f;
                        wave.sprayVelocityY[j] = wave.velocityY[k] * 0.51f;
                        spray->SetFrame(crest->GetFrame() + 1);
                        spray->PlayBackward();
                        spray->UnHide();
                        // Placed at once, so it is never drawn where it last was.
                        spray->Move(offsetX + wave.sprayPoint[j].x + hw, offsetY + wave.sprayPoint[j].y + hh);
                    }
                } else {
                    wave.sprayCountdown[j]--;
                }
            }
        }

        bool spent = true;
        for (int i = 0; i < WAVE_POINTS && spent; i++) {
            spent = wave.broken[i] && wave.crest[i]->GetFrame() == 0;
        }
        if (spent) {
            ResetWave(&wave);
        }
    }

    // The wave sprites leave their redrawing to the wave: its area now and
    // where it was drawn last frame, which holds what it moved away from.
    CRenderer* renderer = CSprite::renderer;
    for (wave_struct& wave : waves) {
        if (!wave.crest[0]) {
            continue;
        }
        PF_Rect area = {0, 0, 0, 0};
        for (int i = 0; i < WAVE_POINTS; i++) {
            if (!wave.crest[i]->Hidden()) {
                area = Union(area, Area(wave.crest[i]));
            }
            if (!wave.spray[i]->Hidden()) {
                area = Union(area, Area(wave.spray[i]));
            }
        }
        const PF_Rect redraw = Union(area, wave.drawn);
        if (renderer && redraw.w > 0 && redraw.h > 0) {
            renderer->AddSpecialDirty(redraw.x, redraw.y, redraw.w, redraw.h, false);
        }
        wave.drawn = area;
    }
}

// ---- Small waves -------------------------------------------------------------

void CMap::AddSmallWave(float x, float y, float angle, int sx, int sy, int ex, int ey)
{
    smallWaves.emplace_back();
    small_wave& wave = smallWaves.back();
    wave.x = x;
    wave.y = y;
    wave.angle = angle;
    wave.startX = sx;
    wave.startY = sy;
    wave.endX = ex;
    wave.endY = ey;
    if (CSprite::draw) {
        for (int i = 0; i < SMALL_WAVE_POINTS; i++) {
            // The ends of the little crest stay low.
            const int last = std::min(2, i <= 9 ? i : SMALL_WAVE_POINTS - 1 - i);
            CSprite* sprite = new CSprite(kWaveZ, kCrestFramesPerStep);
            sprite->LoadImage("TEMP_wave", 0, last, ".png");
            sprite->Move(kParked, kParked);
            sprite->ClipToRect(kFrameX, kFrameY, kFrameSize, kFrameSize);
            sprite->PlayForward();
            sprite->PauseWhenDone();
            wave.sprite[i] = sprite;
        }
    }
    ResetSmallWave(&wave);
}

void CMap::ResetSmallWave(small_wave* wave)
{
    const float across = wave->angle + kQuarterTurn;
    const float stepX = std::sin(across) * 2.5f;
    const float stepY = std::cos(across) * -2.5f;
    wave->life = kSmallWaveLife;
    wave->delay = RangedRandom(0, 60);
    for (CSprite* sprite : wave->sprite) {
        if (sprite) {
            sprite->ResetStart();
            sprite->PlayForward();
        }
    }
    // A ragged crest: each point a little ahead of or behind the last.
    const float aheadX = std::sin(wave->angle);
    const float aheadY = -std::cos(wave->angle);
    wave->pointX[0] = wave->x - 10 * stepX;
    wave->pointY[0] = wave->y - 10 * stepY;
    for (int i = 1; i < SMALL_WAVE_POINTS; i++) {
        const float r = RangedRandom(-4.0f, 4.0f);
        wave->pointX[i] = wave->pointX[i - 1] + stepX + r * aheadX;
        wave->pointY[i] = wave->pointY[i - 1] + stepY + r * aheadY;
    }
    for (int i = 0; i < SMALL_WAVE_POINTS; i++) {
        wave->velocityX[i] = std::sin(wave->angle) * 0.3f;
        wave->velocityY[i] = -std::cos(wave->angle) * 0.3f;
    }
}

void CMap::DeleteSmallWaves()
{
    for (small_wave& wave : smallWaves) {
        for (CSprite*& sprite : wave.sprite) {
            DeleteSprite(sprite);
        }
    }
    smallWaves.clear();
}

void CMap::MoveSmallWaves()
{
    for (small_wave& wave : smallWaves) {
        if (!wave.sprite[0]) {
            continue;
        }
        // Neither count needs to go below 0: nothing tells the values below apart.
        if (wave.delay > 0) {
            wave.delay--;
        }
        if (wave.delay >= 1) {
            for (CSprite* sprite : wave.sprite) {
                sprite->Move(kParked, kParked);
            }
            continue;
        }
        if (wave.life > 0) {
            wave.life--;
        }
        for (int i = 0; i < SMALL_WAVE_POINTS; i++) {
            CSprite* sprite = wave.sprite[i];
            if (wave.life < 1) {
                sprite->PlayBackward();
            }
            const int sx = Round(wave.pointX[i]) + borderX + sprite->GetOriginalW() / 2;
            const int sy = Round(wave.pointY[i]) + borderY + sprite->GetOriginalH() / 2;
            if (InGrid(sx, sy) && GetHeight(sx, sy) > kBreakHeight) {
                sprite->PlayBackward();
            } else {
                wave.pointX[i] += wave.velocityX[i];
                wave.pointY[i] += wave.velocityY[i];
            }
            sprite->Move(kFrameX + wave.pointX[i] + scanPoint.x, kFrameY + wave.pointY[i] + scanPoint.y);
        }
    }

    std::vector<small_wave*> resting;
    for (small_wave& wave : smallWaves) {
        if (!wave.sprite[0]) {
            continue;
        }
        const bool moving =
            std::any_of(std::begin(wave.sprite), std::end(wave.sprite), [](CSprite* s) { return s->GetFrame() != 0; });
        if (!moving) {
            resting.push_back(&wave);
        }
    }
    const int running = static_cast<int>(smallWaves.size() - resting.size());
    for (int started = running; started < kSmallWavesRunning && !resting.empty(); started++) {
        const size_t pick = static_cast<size_t>(RangedRandom(0, static_cast<int>(resting.size()) - 1));
        small_wave* wave = resting[pick];
        resting.erase(resting.begin() + static_cast<long>(pick));
        ResetSmallWave(wave);
        if (running == 0) {
            wave->delay = 0;
        }
    }
}

// ---- Froth -------------------------------------------------------------------

void CMap::CreateFroth()
{
    // A new island brings its own froth; the last island's would otherwise
    // stay on the water.
    EraseFroth();
    for (int attempt = 0; attempt < kFrothTries; attempt++) {
        const int x = RangedRandom(96, 3713);
        const int y = RangedRandom(96, 3713);
        if (!TileContainsTerrain_tile((x + 192) / 32, (y + 192) / 32, TILE_HOLDS_DEEP)) {
            continue;
        }
        const bool crowded = std::any_of(froth.begin(), froth.end(), [x, y](const froth_data& patch) {
            return GetDist(patch.x, patch.y, x, y) <= static_cast<float>(kFrothSpacing);
        });
        if (crowded) {
            continue;
        }
        const char letter = static_cast<char>(RangedRandom(0, 9) < 4 ? 'A' + RangedRandom(0, 5) : 'A' + RangedRandom(6, 8));
        froth_data patch = {x, y, nullptr};
        if (CSprite::draw) {
            patch.sprite = new CSprite(kFrothZ, kFrothFramesPerStep);
            patch.sprite->LoadImage(TempSprintf("water_froth_%c_", letter), 0, kFrothLastFrame, ".png");
            patch.x = x - patch.sprite->GetW() / 2 + 50;
            patch.y = y - patch.sprite->GetH() / 2 + 60;
            patch.sprite->Move(kFrothParked, kFrothParked);
            patch.sprite->PlayForward();
        }
        froth.push_back(patch);
    }
}

void CMap::EraseFroth()
{
    for (froth_data& patch : froth) {
        DeleteSprite(patch.sprite);
    }
    froth.clear();
}

// ---- The sea's share of the frame ----------------------------------------------

void CMap::PumpSea()
{
    const bool effects = VisualEffectsOn();

    if (effects && playable) {
        if (waves.empty() && !coastWavesBuilt) {
            CreateWavesForIsland(false);
        }
        coastWavesBuilt = true;
        DrawWaves();
    } else {
        if (!waves.empty()) {
            RemoveWaves();
            RedrawWholeScreen();
        }
        coastWavesBuilt = false;
    }

    if (effects && !playable) {
        if (smallWaves.empty() && !smallWavesBuilt) {
            InitSmallWaves();
        }
        smallWavesBuilt = true;
        MoveSmallWaves();
    } else {
        if (!smallWaves.empty()) {
            DeleteSmallWaves();
            RedrawWholeScreen();
        }
        smallWavesBuilt = false;
    }

    // Froth belongs to the playable island; after a switch back to the
    // preview it would otherwise lie over the chooser.
    for (froth_data& patch : froth) {
        if (!patch.sprite) {
            continue;
        }
        if (effects && playable) {
            patch.sprite->UnHide();
            patch.sprite->Move(patch.x + offsetX, patch.y + offsetY);
        } else {
            patch.sprite->Hide();
        }
    }
}
