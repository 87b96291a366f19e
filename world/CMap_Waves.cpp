// Where the waves run: the coast waves of the playable island and the small
// waves of the preview, each placed out on open water facing a piece of
// coast, and their starting state. Their places and the draws of their
// starting state are part of making the island, so they come out the same
// for the same seed.
#include "CMap.h"

#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr float kTurn = 6.28318f;
constexpr float kQuarterTurn = 1.570795f;
constexpr int kDegrees = 360;

// Coast waves: the coast piece's length, how far out the crest starts, and
// how far apart the waves stay.
constexpr float kCoastReach = 200.0f;
constexpr float kWaveSpacing = 275.0f;
constexpr float kShoreSpacing = 80.0f;
constexpr int kColumnsPerBanner = 110;
// Small waves, in preview samples.
constexpr float kSmallReach = 25.0f;
constexpr float kSmallWaveSpacing = 34.0f;
constexpr float kSmallShoreSpacing = 28.0f;

constexpr int kRingRadius = 150;
constexpr int kSandReach = 96;
constexpr int kTileSamples = 32;

float Angle(int degree)
{
    return static_cast<float>(degree) / 360.0f * kTurn;
}

// Sines and cosines of the 360 whole degrees, scaled, as the ring and coast
// tests compute them one by one.
struct ring_table {
    float sinRing[kDegrees], cosRing[kDegrees];
    float sinCoast[kDegrees], cosCoast[kDegrees];
    float sinLeft[kDegrees], cosLeft[kDegrees];    // a + quarter turn
    float sinRight[kDegrees], cosRight[kDegrees];  // a - quarter turn

    ring_table()
    {
        for (int i = 0; i < kDegrees; i++) {
            const float a = Angle(i);
            sinRing[i] = std::sin(a) * kRingRadius;
            cosRing[i] = std::cos(a) * kRingRadius;
            sinCoast[i] = std::sin(a) * kCoastReach;
            cosCoast[i] = std::cos(a) * kCoastReach;
            sinLeft[i] = std::sin(a + kQuarterTurn) * kCoastReach;
            cosLeft[i] = std::cos(a + kQuarterTurn) * kCoastReach;
            sinRight[i] = std::sin(a - kQuarterTurn) * kCoastReach;
            cosRight[i] = std::cos(a - kQuarterTurn) * kCoastReach;
        }
    }
};

const ring_table& Table()
{
    static const ring_table table;
    return table;
}

bool Near(float x1, float y1, float x2, float y2, float reach)
{
    return GetDist(x1, y1, x2, y2) <= reach;
}

}  // namespace

bool CMap::WaterRingClear(int x, int y) const
{
    // The same test as IsSurroundedByWater, with the ring's sines looked up.
    if (!InGrid(x, y)) {
        return true;
    }
    const int scale = playable ? 1 : 8;
    x *= scale;
    y *= scale;
    for (int cx = x - kSandReach; cx <= x + kSandReach; cx += kTileSamples) {
        for (int cy = y - kSandReach; cy <= y + kSandReach; cy += kTileSamples) {
            const int tx = cx / kTileSamples;
            const int ty = cy / kTileSamples;
            if (tx >= 0 && ty >= 0 && tx < MAP_TILES && ty < MAP_TILES &&
                (tiles[tx * MAP_TILES + ty] & TILE_HOLDS_SAND) == TILE_HOLDS_SAND) {
                return false;
            }
        }
    }
    const ring_table& table = Table();
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    for (int i = 0; i < kDegrees; i++) {
        const int px = Round(table.sinRing[i] + fx) / scale;
        const int py = Round(fy - table.cosRing[i]) / scale;
        if (InGrid(px, py) && heights[static_cast<size_t>(px) + static_cast<size_t>(py) * samplesWide] >= seaLevel - 100) {
            return false;
        }
    }
    return true;
}

void CMap::CreateWavesForIsland(bool banner)
{
    RemoveWaves();
    if (!heights) {
        return;
    }
    const int W = samplesWide;
    const int H = samplesHigh;
    // The coast samples, collected row by row and taken column by column.
    std::vector<std::pair<int, int>> edges;
    for (int y = borderY; y < H - borderY; y++) {
        for (int x = borderX; x < W - borderX; x++) {
            if (IsWaterEdge(x, y)) {
                edges.emplace_back(x, y);
            }
        }
    }
    std::stable_sort(edges.begin(), edges.end(),
                     [](const std::pair<int, int>& a, const std::pair<int, int>& b) { return a.first < b.first; });

    const ring_table& table = Table();
    size_t next = 0;
    for (int x = borderX; x < W - borderX; x++) {
        progress++;
        if (banner && progress % kColumnsPerBanner == 0) {
            ShowLoading(1, false);
        }
        for (; next < edges.size() && edges[next].first == x; next++) {
            const int y = edges[next].second;
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            // A sample beside the shore end of a wave would only see its
            // candidate dropped.
            bool taken = false;
            for (const wave_struct& wave : waves) {
                taken = taken || Near(static_cast<float>(wave.coastX), static_cast<float>(wave.coastY), fx, fy,
                                      kShoreSpacing) ||
                        Near(static_cast<float>(wave.pointX), static_cast<float>(wave.pointY), fx, fy, kShoreSpacing);
            }
            if (taken) {
                continue;
            }
            for (int i = 0; i < kDegrees; i++) {
                const int px = Round(table.sinCoast[i] + fx);
                const int py = Round(fy - table.cosCoast[i]);
                if (!IsWaterEdge(px, py)) {
                    continue;
                }
                const int mx = (px - x) / 2 + x;
                const int my = (py - y) / 2 + y;
                const float fmx = static_cast<float>(mx);
                const float fmy = static_cast<float>(my);
                const float a = Angle(i);
                int wx, wy;
                float heading;
                const int q1x = Round(table.sinLeft[i] + fmx), q1y = Round(fmy - table.cosLeft[i]);
                if (WaterRingClear(q1x, q1y)) {
                    wx = q1x;
                    wy = q1y;
                    heading = a - kQuarterTurn;
                } else {
                    const int q2x = Round(table.sinRight[i] + fmx), q2y = Round(fmy - table.cosRight[i]);
                    if (!WaterRingClear(q2x, q2y)) {
                        continue;
                    }
                    wx = q2x;
                    wy = q2y;
                    heading = a + kQuarterTurn;
                }
                bool dropped = false;
                for (const wave_struct& wave : waves) {
                    dropped = dropped ||
                              Near(static_cast<float>(wave.x), static_cast<float>(wave.y),
                                   static_cast<float>(wx - borderX), static_cast<float>(wy - borderY), kWaveSpacing);
                    for (const coordinate end : {coordinate{wave.coastX, wave.coastY}, coordinate{wave.pointX, wave.pointY}}) {
                        dropped = dropped ||
                                  Near(static_cast<float>(end.x), static_cast<float>(end.y), static_cast<float>(px),
                                       static_cast<float>(py), kShoreSpacing) ||
                                  Near(static_cast<float>(end.x), static_cast<float>(end.y), fx, fy, kShoreSpacing);
                    }
                }
                if (!dropped) {
                    AddWave(static_cast<float>(wx - borderX), static_cast<float>(wy - borderY), heading, x, y, px, py);
                }
                // Either way this sample is done: a later angle would only
                // meet the wave just made.
                break;
            }
        }
    }
}

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
    ResetWave(&wave);
    wave.delay = RangedRandom(0, 300);
    wave.surf = RangedRandom(1, 5);
}

void CMap::ResetWave(wave_struct* wave)
{
    wave->appear = 100;
    wave->delay = RangedRandom(0, 15);
    wave->life = 360;
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
    }
    for (int i = 0; i < WAVE_POINTS; i++) {
        wave->sprayCountdown[i] = RangedRandom(0, 10);
    }
}

void CMap::RemoveWaves()
{
    waves.clear();
}

void CMap::InitSmallWaves()
{
    DeleteSmallWaves();
    if (!heights) {
        return;
    }
    const int W = samplesWide;
    const int H = samplesHigh;
    for (int sx = borderX; sx < W - borderX; sx++) {
        for (int sy = borderY; sy < H - borderY; sy++) {
            if (!IsWaterEdge(sx, sy)) {
                continue;
            }
            const float fsx = static_cast<float>(sx);
            const float fsy = static_cast<float>(sy);
            // Beside the coast piece of a wave every candidate is refused.
            bool taken = false;
            for (const small_wave& wave : smallWaves) {
                taken = taken ||
                        Near(static_cast<float>(wave.startX), static_cast<float>(wave.startY), fsx, fsy,
                             kSmallShoreSpacing) ||
                        Near(static_cast<float>(wave.endX), static_cast<float>(wave.endY), fsx, fsy, kSmallShoreSpacing);
            }
            if (taken) {
                continue;
            }
            for (int degree = 0; degree < kDegrees; degree++) {
                const float theta = Angle(degree);
                const int ex = Round(fsx + kSmallReach * std::sin(theta));
                const int ey = Round(fsy - kSmallReach * std::cos(theta));
                if (!IsWaterEdge(ex, ey)) {
                    continue;
                }
                const float mx = static_cast<float>((ex - sx) / 2 + sx);
                const float my = static_cast<float>(sy + (ey - sy) / 2);
                int cx, cy;
                float angle;
                const int ax = Round(mx + kSmallReach * std::sin(theta + kQuarterTurn));
                const int ay = Round(my - kSmallReach * std::cos(theta + kQuarterTurn));
                if (WaterRingClear(ax, ay)) {
                    cx = ax;
                    cy = ay;
                    angle = theta - kQuarterTurn;
                } else {
                    const int bx = Round(mx + kSmallReach * std::sin(theta - kQuarterTurn));
                    const int by = Round(my - kSmallReach * std::cos(theta - kQuarterTurn));
                    if (!WaterRingClear(bx, by)) {
                        continue;
                    }
                    cx = bx;
                    cy = by;
                    angle = theta + kQuarterTurn;
                }
                const float relX = static_cast<float>(cx - borderX);
                const float relY = static_cast<float>(cy - borderY);
                bool refused = false;
                for (const small_wave& wave : smallWaves) {
                    refused = refused || Near(wave.x, wave.y, relX, relY, kSmallWaveSpacing);
                    for (const coordinate end : {coordinate{wave.startX, wave.startY}, coordinate{wave.endX, wave.endY}}) {
                        refused = refused ||
                                  Near(static_cast<float>(end.x), static_cast<float>(end.y), fsx, fsy,
                                       kSmallShoreSpacing) ||
                                  Near(static_cast<float>(end.x), static_cast<float>(end.y), static_cast<float>(ex),
                                       static_cast<float>(ey), kSmallShoreSpacing);
                    }
                }
                if (!refused) {
                    AddSmallWave(relX, relY, angle, sx, sy, ex, ey);
                }
                // Either way this sample is done: a later angle would only
                // meet the wave just made.
                break;
            }
        }
    }
}

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
    ResetSmallWave(&wave);
}

void CMap::ResetSmallWave(small_wave* wave)
{
    const float across = wave->angle + kQuarterTurn;
    const float stepX = std::sin(across) * 2.5f;
    const float stepY = std::cos(across) * -2.5f;
    wave->life = 150;
    wave->delay = RangedRandom(0, 60);
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
    smallWaves.clear();
}

void CMap::CreateFroth() {}

void CMap::EraseFroth() {}
