#include "CMap.h"

#include "CMysteriousObject.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <sys/mman.h>

namespace {

constexpr int kTileSamples = 32;
constexpr int kPreviewScale = 8;
// The sand near a point, and a ring of this radius around it, decide whether
// it lies out on open water.
constexpr int kSandReach = 96;
constexpr int kRingRadius = 150;

// Asks the kernel for huge pages under the whole 2 MB pages of a big grid.
void AdviseHugePages(void* data, size_t bytes)
{
    constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHugePage - 1);
    if (end > begin) {
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
}

}  // namespace

// ---- The grids ----------------------------------------------------------------

void CMap::AllocateGrids(int width, int height)
{
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    // A grid of the same size is used again: a fresh one costs a page fault
    // for every few thousand samples.
    if (!heights || width != samplesWide || height != samplesHigh) {
        delete[] heights;
        heights = new int[count];
        AdviseHugePages(heights, count * sizeof(int));
    }
    delete[] sandNoise;
    sandNoise = new int16_t[count];
    AdviseHugePages(sandNoise, count * sizeof(int16_t));
    samplesWide = width;
    samplesHigh = height;
    std::fill_n(heights, count, -1);
    std::fill_n(sandNoise, count, static_cast<int16_t>(-1));
}

void CMap::FreeSandNoise()
{
    delete[] sandNoise;
    sandNoise = nullptr;
}

bool CMap::InGrid(int sx, int sy) const
{
    return heights && sx >= 0 && sy >= 0 && sx < samplesWide && sy < samplesHigh;
}

void CMap::SetHeight(int sx, int sy, int h)
{
    if (InGrid(sx, sy)) {
        heights[sx + static_cast<size_t>(sy) * samplesWide] = h;
    }
}

unsigned int CMap::GetTile(int tileX, int tileY) const
{
    if (tileX < 0 || tileY < 0 || tileX >= MAP_TILES || tileY >= MAP_TILES) {
        return 0;
    }
    return tiles[tileX * MAP_TILES + tileY];
}

void CMap::SetTile(int tileX, int tileY, unsigned int bits)
{
    if (tileX >= 0 && tileY >= 0 && tileX < MAP_TILES && tileY < MAP_TILES) {
        tiles[tileX * MAP_TILES + tileY] = bits;
    }
}

void CMap::WorldToSample(int wx, int wy, int& sx, int& sy) const
{
    if (playable) {
        sx = wx + PLAYABLE_BORDER;
        sy = wy + PLAYABLE_BORDER;
    } else {
        sx = wx / kPreviewScale + PREVIEW_BORDER;
        sy = wy / kPreviewScale + PREVIEW_BORDER;
    }
}

// ---- Terrain queries --------------------------------------------------------------

float CMap::GetDepth(int x, int y, int level)
{
    return static_cast<float>(GetHeight(x + borderX, y + borderY)) / static_cast<float>(seaLevel - level);
}

float CMap::GetWaterDepth(int x, int y, int level)
{
    const float depth = GetDepth(x, y, level);
    return depth > 1.0f ? 1.0f : depth;
}

float CMap::GetTerrainDepth(int x, int y)
{
    return static_cast<float>(GetHeight(x + borderX, y + borderY)) / 10000.0f;
}

bool CMap::IsNotOnWater(int x, int y)
{
    int sx, sy;
    WorldToSample(x, y, sx, sy);
    return InGrid(sx, sy) && GetHeight(sx, sy) > seaLevel + 100;
}

bool CMap::IsOnlyOnSand(int x, int y)
{
    int sx, sy;
    WorldToSample(x, y, sx, sy);
    if (!InGrid(sx, sy)) {
        return false;
    }
    const int h = GetHeight(sx, sy);
    return seaLevel + 100 < h && h < grassLevel - 200;
}

bool CMap::IsWaterEdge(int x, int y)
{
    if (!InGrid(x, y)) {
        return false;
    }
    const int h = GetHeight(x, y);
    if (playable) {
        return seaLevel - 7 <= h && h <= seaLevel;
    }
    return seaLevel - 15 <= h && h <= seaLevel + 8;
}

bool CMap::IsSurroundedByWater(int x, int y)
{
    if (!InGrid(x, y)) {
        return true;
    }
    if (!playable) {
        x *= kPreviewScale;
        y *= kPreviewScale;
    }
    for (int cx = x - kSandReach; cx <= x + kSandReach; cx += kTileSamples) {
        for (int cy = y - kSandReach; cy <= y + kSandReach; cy += kTileSamples) {
            if (TileContainsTerrain_tile(cx / kTileSamples, cy / kTileSamples, TILE_HOLDS_SAND)) {
                return false;
            }
        }
    }
    for (int i = 0; i < 360; i++) {
        const float a = static_cast<float>(i) / 360.0f * 6.28318f;
        int px = Round(std::sin(a) * kRingRadius + static_cast<float>(x));
        int py = Round(static_cast<float>(y) - std::cos(a) * kRingRadius);
        if (!playable) {
            px /= kPreviewScale;
            py /= kPreviewScale;
        }
        if (InGrid(px, py) && GetHeight(px, py) >= seaLevel - 100) {
            return false;
        }
    }
    return true;
}

bool CMap::TileContainsTerrain_tile(int tileX, int tileY, int mask)
{
    if (tileX < 0 || tileY < 0 || tileX >= MAP_TILES || tileY >= MAP_TILES) {
        return false;
    }
    const unsigned int bits = static_cast<unsigned int>(mask);
    return (tiles[tileX * MAP_TILES + tileY] & bits) == bits;
}

bool CMap::TileContainsTerrain_coords(int x, int y, int mask, bool shifted)
{
    if (shifted) {
        x += PLAYABLE_BORDER;
        y += PLAYABLE_BORDER;
    }
    return TileContainsTerrain_tile(x / kTileSamples, y / kTileSamples, mask);
}

bool CMap::CloseToMysteriousObject(int x, int y)
{
    for (CMysteriousObject* mystery : mysteries) {
        if (!mystery || mystery->IsOnSand()) {
            continue;
        }
        const int mx = mystery->GetX();
        const int my = mystery->GetY();
        const int w = mystery->GetW();
        const int h = mystery->GetH();
        // The flower mystery keeps a wider and deeper patch of ground clear.
        const bool close = mystery->GetVariant() == 2
                               ? PointInRectangle(x, y, mx - 110, my - 30, w + 220, h + 590)
                               : PointInRectangle(x, y, mx - 70, my + 10, w + 140, h + 500);
        if (close) {
            return true;
        }
    }
    return false;
}

int CMap::GetStartX()
{
    return startX * kPreviewScale - 105;
}

int CMap::GetStartY()
{
    return startY * kPreviewScale - 160;
}

float CMap::GetDistanceFromStartLocation(int x, int y)
{
    if (startX == -1) {
        return -1.0f;
    }
    return GetDist(x, y, startX * kPreviewScale - 116, startY * kPreviewScale - 176);
}

int CMap::GetPileX(int i)
{
    return i >= 0 && i < 3 ? piles[i].x : -1;
}

int CMap::GetPileY(int i)
{
    return i >= 0 && i < 3 ? piles[i].y : -1;
}

unsigned int CMap::GetCurrentSeed()
{
    return islandHistory[currentHistoryIndex].seed;
}

void CMap::ModifySandColour(int x, int y, int& r, int& g, int& b, int h)
{
    if (h < 3000 || h > 5000) {
        return;
    }
    int n = 0;
    if (sandNoise) {
        if (InGrid(x, y)) {
            n = sandNoise[x + static_cast<size_t>(y) * samplesWide];
        }
    } else {
        n = GetHeight(x, y);
    }
    const float f = static_cast<float>(n) / 10000.0f;
    const float v = f < 0.5f ? powf(f, sandColourExponent) : powf(f, 1.0f / sandColourExponent);
    const float t = sandColourBlend;
    r = Round(static_cast<float>(Round(v * 20) + 235) * t + static_cast<float>(r) * (1 - t));
    g = Round(static_cast<float>(Round(v * 35) + 185) * t + static_cast<float>(g) * (1 - t));
    b = Round(static_cast<float>(Round(v * 55) + 135) * t + static_cast<float>(b) * (1 - t));
}
