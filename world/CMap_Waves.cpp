// Where the waves run: the coast waves of the playable island and the small
// waves of the preview, each placed out on open water facing a piece of
// coast. Their places are part of making the island, so they come out the
// same for the same seed; building and moving them is CMap_WaveMotion.cpp.
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

// IsWaterEdge of the island's grid, read in place.
struct edge_test {
    const int* heights;
    int W, H;
    int low, high;

    bool operator()(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= W || y >= H) {
            return false;
        }
        const int h = heights[static_cast<size_t>(x) + static_cast<size_t>(y) * W];
        return low <= h && h <= high;
    }
};

edge_test EdgeTest(const int* heights, int W, int H, bool playable, int seaLevel)
{
    return playable ? edge_test{heights, W, H, seaLevel - 7, seaLevel} : edge_test{heights, W, H, seaLevel - 15, seaLevel + 8};
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
    const edge_test isEdge = EdgeTest(heights, W, H, playable, seaLevel);
    std::vector<std::pair<int, int>> edges;
    for (int y = borderY; y < H - borderY; y++) {
        const int* row = heights + static_cast<size_t>(y) * W;
        for (int x = borderX; x < W - borderX; x++) {
            if (isEdge.low <= row[x] && row[x] <= isEdge.high) {
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
                if (!isEdge(px, py)) {
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

void CMap::InitSmallWaves()
{
    DeleteSmallWaves();
    if (!heights) {
        return;
    }
    const int W = samplesWide;
    const int H = samplesHigh;
    const edge_test isEdge = EdgeTest(heights, W, H, playable, seaLevel);
    for (int sx = borderX; sx < W - borderX; sx++) {
        for (int sy = borderY; sy < H - borderY; sy++) {
            if (!isEdge(sx, sy)) {
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
                if (!isEdge(ex, ey)) {
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
