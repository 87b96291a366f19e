// The island's terrain from its seed: the grids with their corner, lattice,
// border and peak values, the diamond-square fractal that fills them, the
// acceptance test of a preview island, the terrain tiles and the search for
// rectangles of tiles.
#include "CMap.h"

#include "CSound.h"
#include "Utilities.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMaxHeight = 10000;
// The sand noise's coarse lattice: 64 cells a side on either size.
constexpr int kLatticeCells = 64;
constexpr int kProgressPerBanner = 100;
constexpr Uint32 kSoundPumpMs = 33;
constexpr int kTileStep = 4;  // preview samples per tile

// Without branches: at the finer levels of the sand noise a branch would be
// mispredicted at random.
int Clamp(int value)
{
    return std::min(std::max(value, 0), kMaxHeight);
}

}  // namespace

void CMap::PrepareGrids(int width, int height)
{
    borderX = borderY = playable ? PLAYABLE_BORDER : PREVIEW_BORDER;
    const int kindSize = playable ? PLAYABLE_SAMPLES : PREVIEW_SAMPLES;
    AllocateGrids(width == -1 ? kindSize : width, height == -1 ? kindSize : height);
}

int CMap::GetSandNoise(int sx, int sy) const
{
    if (!sandNoise || !InGrid(sx, sy)) {
        return -1;
    }
    return sandNoise[sx + static_cast<size_t>(sy) * samplesWide];
}

void CMap::SeedGrids()
{
    const int W = samplesWide;
    const int H = samplesHigh;
    auto at = [W](int x, int y) { return static_cast<size_t>(x) + static_cast<size_t>(y) * W; };

    heights[at(0, 0)] = heights[at(W - 1, 0)] = heights[at(0, H - 1)] = heights[at(W - 1, H - 1)] = 0;

    sandNoise[at(0, 0)] = static_cast<int16_t>(RangedRandom(0, kMaxHeight));
    sandNoise[at(W - 1, 0)] = static_cast<int16_t>(RangedRandom(0, kMaxHeight));
    sandNoise[at(0, H - 1)] = static_cast<int16_t>(RangedRandom(0, kMaxHeight));
    sandNoise[at(W - 1, H - 1)] = static_cast<int16_t>(RangedRandom(0, kMaxHeight));

    // Every other lattice point mirrors the value before it, so the sand's
    // light and dark patches are balanced.
    const int stepX = (W - 1) / kLatticeCells;
    const int stepY = (H - 1) / kLatticeCells;
    bool draw = true;
    int v = 0;
    for (int x = 0; x < W; x += stepX) {
        for (int y = 0; y < H; y += stepY) {
            if (draw) {
                v = RangedRandom(0, kMaxHeight);
                sandNoise[at(x, y)] = static_cast<int16_t>(v);
            } else {
                sandNoise[at(x, y)] = static_cast<int16_t>(v < 5000 ? v + 5000 : v - 5000);
            }
            draw = !draw;
        }
    }

    // The sea all round the island.
    const int left = Round(static_cast<float>(borderX) * 0.9f);
    const int right = Round(static_cast<float>(W) - static_cast<float>(borderX) * 0.9f);
    const int top = Round(static_cast<float>(borderY) * 0.9f);
    const int bottom = Round(static_cast<float>(H) - static_cast<float>(borderY) * 0.9f);
    for (int y = 0; y < H; y++) {
        int* row = heights + at(0, y);
        if (y < top || y > bottom) {
            std::fill(row, row + W, 0);
            continue;
        }
        std::fill(row, row + std::min(left, W), 0);
        if (right + 1 < W) {
            std::fill(row + right + 1, row + W, 0);
        }
    }

    // Two or three peaks on the inner points of a 4 x 4 lattice; they may coincide.
    const int peaks = RangedRandom(2, 3);
    for (int n = 0; n < peaks; n++) {
        const int i = RangedRandom(0, 2);
        const int j = RangedRandom(0, 2);
        heights[at((i + 1) * ((W - 1) / 4), (j + 1) * ((H - 1) / 4))] = kMaxHeight;
    }
}

void CMap::GenerateHeights(unsigned int seed)
{
    PrepareGrids(-1, -1);
    InitRandom(seed);
    SeedGrids();
    progress = 0;
    RunFractal(heights, heightRoughness);
}

namespace {

// Square-step columns whose draws are made at once before their centres are
// filled row by row: their numbers stay in the cache while they are read.
constexpr int kBlockColumns = 64;

// One level of the fractal on a W x H grid of heights (int, or int16_t for
// the sand noise, whose values fit), every open sample taking the next draw
// of generator; column() runs once for each column of the square step.
template <class Sample, class Column>
void FractalLevel(Sample* grid, int W, int H, float scale, int size, SFMT& generator, Column column)
{
    const int half = size / 2;
    const int spread = Round(10000.0f * scale);
    const ranged_span span = RangedSpan(-spread, spread);
    auto rowAt = [&](int y) -> const Sample* {
        return y < 0 || y >= H ? nullptr : grid + static_cast<size_t>(y) * W;
    };

    // Square step. Its draws go to the centres column by column, top to
    // bottom; no centre reads another, so each block of columns draws its
    // numbers first and is then filled row by row.
    if (half < W) {
        const int columns = (W - 1 - half) / size + 1;
        const int rows = half < H ? (H - 1 - half) / size + 1 : 0;
        const int block = std::min(columns, kBlockColumns);
        std::vector<int> open(static_cast<size_t>(block));
        std::vector<size_t> next(static_cast<size_t>(block));
        std::vector<int> draws(static_cast<size_t>(block) * static_cast<size_t>(rows));
        for (int first = 0; first < columns; first += block) {
            const int count = std::min(block, columns - first);
            std::fill(open.begin(), open.end(), 0);
            for (int j = 0; j < rows; j++) {
                const Sample* centre = grid + static_cast<size_t>(half + j * size) * W + half + first * size;
                for (int i = 0; i < count; i++) {
                    open[static_cast<size_t>(i)] += centre[i * size] == -1;
                }
            }
            size_t drawn = 0;
            for (int i = 0; i < count; i++) {
                column();
                next[static_cast<size_t>(i)] = drawn;
                for (int k = 0; k < open[static_cast<size_t>(i)]; k++) {
                    draws[drawn++] = RangedRandom(span, generator);
                }
            }
            for (int j = 0; j < rows; j++) {
                const int cy = half + j * size;
                Sample* row = grid + static_cast<size_t>(cy) * W;
                const Sample* above = rowAt(cy - half);
                const Sample* below = rowAt(cy + half);
                for (int i = 0; i < count; i++) {
                    const int cx = half + (first + i) * size;
                    if (row[cx] != -1) {
                        continue;
                    }
                    const bool right = cx + half < W;
                    int sum = above[cx - half] + (right ? above[cx + half] : 0);
                    if (below) {
                        sum += below[cx - half] + (right ? below[cx + half] : 0);
                    }
                    row[cx] = static_cast<Sample>(Clamp(sum / 4 + draws[next[static_cast<size_t>(i)]++]));
                }
            }
        }
    }

    // Diamond step, row by row: rows alternately start at half and at 0.
    int rowIndex = 0;
    for (int y = 0; y < H; y += half, rowIndex++) {
        Sample* row = grid + static_cast<size_t>(y) * W;
        const Sample* above = rowAt(y - half);
        const Sample* below = rowAt(y + half);
        for (int x = rowIndex % 2 == 0 ? half : 0; x < W; x += size) {
            if (row[x] != -1) {
                continue;
            }
            int sum = (x + half < W ? row[x + half] : 0) + (x - half >= 0 ? row[x - half] : 0);
            sum += (below ? below[x] : 0) + (above ? above[x] : 0);
            row[x] = static_cast<Sample>(Clamp(sum / 4 + RangedRandom(span, generator)));
        }
    }
}

// Every level of the fractal, from the whole grid down to neighbours.
template <class Sample, class Column>
void FractalLevels(Sample* grid, int W, int H, float roughness, SFMT& generator, Column column)
{
    float scale = 1.0f;
    for (int size = W; size > 1; size /= 2) {
        FractalLevel(grid, W, H, scale, size, generator, column);
        scale *= roughness;
    }
}

}  // namespace

void CMap::RunFractal(int* grid, float roughness)
{
    FractalLevels(grid, samplesWide, samplesHigh, roughness, RandomGenerator(), [this] { FractalProgress(); });
}

void CMap::RunFractal(int16_t* grid, float roughness)
{
    FractalLevels(grid, samplesWide, samplesHigh, roughness, RandomGenerator(), [this] { FractalProgress(); });
}

void CMap::FractalProgress()
{
    progress++;
    if (progress % kProgressPerBanner == 0) {
        ShowLoading(1, false);
    }
    if (!playable && SDL_GetTicks() - creationTime > kSoundPumpMs) {
        CSound::PumpAll();
        creationTime = SDL_GetTicks();
    }
}

void CMap::FractalPass(float scale, int size, int* grid)
{
    FractalLevel(grid ? grid : heights, samplesWide, samplesHigh, scale, size, RandomGenerator(),
                 [this] { FractalProgress(); });
}

bool CMap::CheckGrassAndSand()
{
    const size_t count = static_cast<size_t>(samplesWide) * samplesHigh;
    size_t grassCount = 0;
    size_t sandCount = 0;
    for (size_t i = 0; i < count; i++) {
        const int h = heights[i];
        if (h >= grassLevel) {
            grassCount++;
        } else if (h >= seaLevel) {
            sandCount++;
        }
    }
    const float total = static_cast<float>(count);
    const float grassShare = static_cast<float>(grassCount) / total;
    const float sandShare = static_cast<float>(sandCount) / total;
    return grassShare >= 0.135f && grassShare <= 0.18f &&
           static_cast<float>(sandCount) / static_cast<float>(grassCount) <= 1.4f && sandShare <= 0.2f;
}

void CMap::ClassifyTiles()
{
    const int W = samplesWide;
    const int H = samplesHigh;
    const int step = (W - 1) / MAP_TILES;
    for (int tx = 0; tx < MAP_TILES; tx++) {
        for (int ty = 0; ty < MAP_TILES; ty++) {
            const int x0 = step * tx;
            const int y0 = step * ty;
            if (x0 <= borderX || x0 >= W - borderX - 1 || y0 <= borderY || y0 >= H - borderY - 1) {
                SetTile(tx, ty, TILE_DEEP | TILE_HOLDS_DEEP);
                continue;
            }
            // Counted in the order grass, sand, shallow, middle, deep: the
            // first of equal counts wins.
            int counts[5] = {0, 0, 0, 0, 0};
            for (int x = x0; x < x0 + kTileStep; x++) {
                for (int y = y0; y < y0 + kTileStep; y++) {
                    const int h = GetHeight(x, y);
                    const int kind = h >= grassLevel ? 0 : h >= seaLevel - 100 ? 1 : h >= shallowLevel ? 2
                                                                                  : h >= deepLevel     ? 3
                                                                                                       : 4;
                    counts[kind]++;
                }
            }
            static constexpr unsigned int kDominant[5] = {TILE_GRASS, TILE_SAND, TILE_SHALLOW, TILE_MIDDLE,
                                                          TILE_DEEP};
            static constexpr unsigned int kHolds[5] = {TILE_HOLDS_GRASS, TILE_HOLDS_SAND, TILE_HOLDS_SHALLOW,
                                                       TILE_HOLDS_MIDDLE, TILE_HOLDS_DEEP};
            int best = 0;
            unsigned int bits = 0;
            for (int kind = 0; kind < 5; kind++) {
                if (counts[kind] > counts[best]) {
                    best = kind;
                }
                if (counts[kind] > 0) {
                    bits |= kHolds[kind];
                }
            }
            SetTile(tx, ty, bits | kDominant[best]);
        }
    }
}

const std::vector<CMap::sized_region>& CMap::SizedRegions(int mask, int leastW, int leastH)
{
    // The callers step through the regions one skip at a time; they are found
    // once for the tiles as they stand.
    if (regionMask == mask && regionLeastW == leastW && regionLeastH == leastH &&
        std::equal(regionTiles.begin(), regionTiles.end(), tiles, tiles + MAP_TILES * MAP_TILES) &&
        regionTiles.size() == static_cast<size_t>(MAP_TILES * MAP_TILES)) {
        return regions;
    }
    regions.clear();
    regionTiles.assign(tiles, tiles + MAP_TILES * MAP_TILES);
    regionMask = mask;
    regionLeastW = leastW;
    regionLeastH = leastH;

    auto rowHolds = [&](int ty, int a, int b) {
        for (int tx = a; tx <= b; tx++) {
            if (!TileContainsTerrain_tile(tx, ty, mask)) {
                return false;
            }
        }
        return true;
    };
    // Lowest rows first; each maximal run of a row once, at its last tile.
    for (int ty = MAP_TILES - 1; ty >= 0; ty--) {
        for (int tx = 0; tx < MAP_TILES; tx++) {
            if (!TileContainsTerrain_tile(tx, ty, mask)) {
                continue;
            }
            const int a = tx;
            while (tx + 1 < MAP_TILES && TileContainsTerrain_tile(tx + 1, ty, mask)) {
                tx++;
            }
            const int b = tx;
            if (b - a < leastW) {
                continue;
            }
            int top = ty;
            while (top - 1 >= 0 && rowHolds(top - 1, a, b)) {
                top--;
            }
            int bottom = ty;
            while (bottom + 1 < MAP_TILES && rowHolds(bottom + 1, a, b)) {
                bottom++;
            }
            if (bottom - top >= leastH) {
                regions.push_back({a * kTileStep, top * kTileStep, b * kTileStep, bottom * kTileStep});
            }
        }
    }
    return regions;
}

bool CMap::GetSizedRegion(int mask, int& x1, int& y1, int& x2, int& y2, int skip, bool)
{
    const std::vector<sized_region>& found = SizedRegions(mask, x1, y1);
    const size_t index = skip < 1 ? 0 : static_cast<size_t>(skip);
    if (index >= found.size()) {
        return false;
    }
    const sized_region& region = found[index];
    x1 = region.x1;
    y1 = region.y1;
    x2 = region.x2;
    y2 = region.y2;
    return true;
}

bool CMap::FindStartLocation()
{
    int x1 = 10, y1 = 10, x2 = 0, y2 = 0;
    if (!GetSizedRegion(TILE_GRASS, x1, y1, x2, y2, 0, false)) {
        return false;
    }
    startX = x1 + (x2 - x1) / 2;
    startY = y2 - 16;
    return true;
}
