// The island's grass: tufts painted into the island image from a noise of
// their own, blades along the top of the sand, the playable island's list of
// tufts, and the tufts painted over the feet of objects that stand in the
// grass. The grass draws from the generator between the waves and the
// mysteries, so its draws are made exactly as the grass is laid, or the
// mysteries of an island would change.
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
constexpr int kBlades = 6;
// The playable island is laid in blocks of 20 by 10 samples: one tuft at
// the block's corner, blades anywhere in it.
constexpr int kBlockW = 20, kBlockH = 10;
// Blades grow where the height fraction lies strictly inside this band,
// thickest at its top.
constexpr float kBladeLow = 0.49f, kBladeHigh = 0.5f, kBladeSpan = 0.00999999f;
// Heights safely outside that band, below and above.
constexpr int kBladeFloor = 4890, kBladeCeiling = 5000;

// The first multiple of step at or after from.
int FirstStep(int from, int step)
{
    return (from + step - 1) / step * step;
}

}  // namespace

bool CMap::SortByYCoordinate(const grasschunk& a, const grasschunk& b)
{
    return a.y < b.y;
}

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

    CDraw* drawing = CSprite::draw;
    const bool paint = drawing && groundImage != -1;
    auto paintCentred = [&](int image, int cx, int cy) {
        if (paint && image != -1) {
            drawing->DisplayImageOnImage(image, groundImage, cx - drawing->GetW(image) / 2,
                                         cy - drawing->GetH(image) / 2);
        }
    };

    if (!playable) {
        for (int x = borderX; x < wide - borderX; x++) {
            for (int y = borderY; y < high - borderY; y++) {
                if (GetHeight(x, y) < grassLevel - 20) {
                    continue;
                }
                const int variant = RangedRandom(0, kVariants - 1);
                const int cx = x + RangedRandom(-1, 1) - borderX;
                const int cy = y + RangedRandom(-1, 1) - borderY;
                paintCentred(minimapTufts[levelAt(x, y)][variant], cx, cy);
            }
        }
        return;
    }

    // A regenerated island lists its tufts afresh, not twice.
    grass.clear();
    for (int y = FirstStep(borderY, kBlockH); y < high - borderY; y += kBlockH) {
        for (int x = FirstStep(borderX, kBlockW); x < wide - borderX; x += kBlockW) {
            for (int bx = x; bx < x + kBlockW; bx++) {
                for (int by = y; by < y + kBlockH; by++) {
                    // Far outside the band no division is needed to know it.
                    const int h = GetHeight(bx, by);
                    if (h < kBladeFloor || h > kBladeCeiling) {
                        continue;
                    }
                    const float f = static_cast<float>(h) / 10000.0f;
                    if (!(f > kBladeLow && f < kBladeHigh)) {
                        continue;
                    }
                    const float q = (f - kBladeLow) / kBladeSpan;
                    if (RangedRandom(0.0, 1.0) > static_cast<double>(q * q)) {
                        continue;
                    }
                    for (int blade = 0; blade < 3; blade++) {
                        const int spread = blade == 0 ? 1 : 2;
                        const int image = grassBlades[RangedRandom(0, kBlades - 1)];
                        const int cx = bx + RangedRandom(-spread, spread) - borderX;
                        const int cy = by + RangedRandom(-spread, spread) - borderY;
                        paintCentred(image, cx, cy);
                    }
                }
            }
            if (GetHeight(x, y) < grassLevel - 50) {
                continue;
            }
            const int image = grassTufts[levelAt(x, y)][RangedRandom(0, kVariants - 1)];
            const int cx = x + RangedRandom(-4, 4) - borderX;
            const int cy = y + RangedRandom(-4, 4) - borderY;
            paintCentred(image, cx, cy);
            if (drawing && image != -1) {
                const int w = drawing->GetW(image);
                const int h = drawing->GetH(image);
                grass.push_back(grasschunk{cx - w / 2, cy - h / 2, image, w, h});
            }
        }
    }
    std::stable_sort(grass.begin(), grass.end(), SortByYCoordinate);
}

void CMap::GetGrassOverSprite(CSprite* sprite, int margin, int firstImage)
{
    if (!sprite) {
        return;
    }
    const int x = sprite->GetX();
    const int w = sprite->GetW();
    const int bottom = sprite->GetY() + sprite->GetH() + margin;
    std::vector<grasschunk> tufts;
    for (const grasschunk& tuft : grass) {
        if (x <= tuft.x + tuft.w && tuft.x <= x + w && tuft.y <= bottom && bottom <= tuft.y + tuft.h) {
            tufts.push_back(tuft);
        }
    }
    RenderGrassOverSprite(tufts, sprite, firstImage);
}

void CMap::GetGrassOverSprite(CSprite* sprite, const std::vector<coordinate>& points, int firstImage)
{
    if (!sprite) {
        return;
    }
    std::vector<grasschunk> tufts;
    for (const grasschunk& tuft : grass) {
        const int cx = tuft.x + tuft.w / 2;
        const int cy = tuft.y + tuft.h / 2;
        for (const coordinate& point : points) {
            if (GetDist(cx, cy, point.x, point.y) <= static_cast<float>(tuft.w / 2)) {
                tufts.push_back(tuft);
            }
        }
    }
    RenderGrassOverSprite(tufts, sprite, firstImage);
}

void CMap::RenderGrassOverSprite(const std::vector<grasschunk>& tufts, CSprite* sprite, int firstImage)
{
    CDraw* draw = CSprite::draw;
    if (!draw || !sprite) {
        return;
    }
    const int x = sprite->GetX();
    const int y = sprite->GetY();
    const int images = sprite->GetNumImages();
    for (const grasschunk& tuft : tufts) {
        for (int i = std::max(firstImage, 0); i < images; i++) {
            draw->DisplayImageOnImage(tuft.image, sprite->GetImage(i), tuft.x - x, tuft.y - y);
        }
    }
}
