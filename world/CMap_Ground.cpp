// The island image: the colour ramp from height to ground colour and the
// painting of the image from the heights, with the sand tinted by the sand
// noise.
#include "CMap.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kMaxHeight = 10000;
constexpr int kColumnsPerBanner = 50;

struct ramp_step {
    float playableSpan;
    float previewSpan;
    int r, g, b;
    int steps;  // -1: ten entries per hundredth of the span
};

// From the grass down to the deep sea floor. The preview compresses the
// upper water bands.
constexpr ramp_step kRamp[] = {
    {0.5f, 0.5f, 100, 175, 50, -1},          // grass
    {0.0001f, 0.0001f, 255, 220, 190, -1},   // the top of the sand (too thin for an entry)
    {0.1999f, 0.1999f, 235, 185, 135, 100},  // sand, darker toward the water
    {0.005f, 0.005f, 255, 230, 200, 30},     // foam
    {0.005f, 0.005f, 175, 211, 189, 30},
    {0.005f, 0.005f, 90, 200, 200, 30},      // turquoise at the waterline
    {0.01f, 0.01f, 80, 180, 208, 60},
    {0.07f, 0.03f, 38, 94, 237, -1},
    {0.07f, 0.03f, 20, 87, 223, -1},
    {0.07f, 0.07f, 16, 76, 186, -1},
    {0.0f, 0.0f, 41, 71, 167, -1},           // down to the floor
};

}  // namespace

void CMap::AddMapColour(float fraction, int r, int g, int b)
{
    colourRamp[Round(10000.0f * fraction)] = map_colour{r, g, b};
}

void CMap::AddMapColourRange(float top, int r1, int g1, int b1, float bottom, int r2, int g2, int b2, int steps)
{
    if (steps == -1) {
        steps = Round(static_cast<float>((static_cast<double>(top) - static_cast<double>(bottom)) / 0.01 * 10.0));
    }
    if (steps <= 0) {
        return;
    }
    const float d = (top - bottom) / static_cast<float>(steps);
    for (int k = steps - 1; k >= 0; k--) {
        const float f = top - d * static_cast<float>(steps - k);
        const float t = static_cast<float>(k) / static_cast<float>(steps);
        AddMapColour(f, Round(static_cast<float>(r1 - r2) * t + static_cast<float>(r2)),
                     Round(static_cast<float>(g1 - g2) * t + static_cast<float>(g2)),
                     Round(static_cast<float>(b1 - b2) * t + static_cast<float>(b2)));
    }
}

void CMap::AddNextColour(float span, int r, int g, int b, int steps)
{
    if (rampCursor == -1.0f) {
        rampCursor = 1 - span;
        AddMapColour(1 - span, r, g, b);
    } else {
        const float d = span == 0.0f ? rampCursor : span;
        AddMapColourRange(rampCursor, lastColourR, lastColourG, lastColourB, rampCursor - d, r, g, b, steps);
        rampCursor -= d;
    }
    lastColourR = r;
    lastColourG = g;
    lastColourB = b;
}

void CMap::LoadColourDataFromFile(bool playableRamp)
{
    for (const ramp_step& step : kRamp) {
        AddNextColour(playableRamp ? step.playableSpan : step.previewSpan, step.r, step.g, step.b, step.steps);
    }
}

void CMap::DrawFractalMapPixels(int x, int y, int w, int h, bool banner)
{
    CDraw* draw = CSprite::draw;
    if (!draw || groundImage == -1 || !heights || colourRamp.empty()) {
        return;
    }
    const int W = samplesWide;
    const int H = samplesHigh;
    int x0, x1, y0, y1;  // samples, end exclusive
    if (x == -1) {
        x0 = borderX;
        x1 = W - borderX;
        y0 = borderY;
        y1 = H - borderY;
    } else {
        x0 = x + borderX;
        x1 = x + borderX + w;
        y0 = y + borderY;
        y1 = y + borderY + h;
    }
    const int columns = std::max(0, x1 - x0);
    // Only the samples of the island image are painted.
    const int px0 = std::max(x0, borderX), px1 = std::min(x1, W - borderX);
    const int py0 = std::max(y0, borderY), py1 = std::min(y1, H - borderY);

    auto colourOf = [this](int height) {
        auto entry = colourRamp.lower_bound(height);
        return entry == colourRamp.end() ? std::prev(colourRamp.end())->second : entry->second;
    };

    SDL_Surface* surface = draw->GetSurface(groundImage);
    draw->LockImage(groundImage);
    const SDL_PixelFormat* format = surface->format;
    // Without a palette a pixel is the sum of its channels' own bits, so it
    // is put together from one table a channel.
    const bool truecolour = format->palette == nullptr;
    Uint32 channelBits[3][256];
    for (int v = 0; truecolour && v < 256; v++) {
        const Uint8 c = static_cast<Uint8>(v);
        channelBits[0][v] = SDL_MapRGBA(surface->format, c, 0, 0, 0);
        channelBits[1][v] = SDL_MapRGBA(surface->format, 0, c, 0, 0);
        channelBits[2][v] = SDL_MapRGBA(surface->format, 0, 0, c, 0);
    }
    auto put = [&](int sx, int sy, int r, int g, int b) {
        const Uint32 pixel = truecolour ? channelBits[0][r & 255] | channelBits[1][g & 255] | channelBits[2][b & 255]
                                        : SDL_MapRGBA(surface->format, static_cast<Uint8>(r),
                                                      static_cast<Uint8>(g), static_cast<Uint8>(b), 0);
        const int ix = sx - borderX;
        const int iy = sy - borderY;
        if (format->BytesPerPixel == 4) {
            *reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + static_cast<size_t>(iy) * surface->pitch +
                                       static_cast<size_t>(ix) * 4) = pixel;
        } else {
            draw->putpixel(surface, ix, iy, pixel);
        }
    };
    auto paint = [&](int sx, int sy) {
        const int height = heights[static_cast<size_t>(sx) + static_cast<size_t>(sy) * W];
        const map_colour colour = colourOf(height);
        int r = colour.r, g = colour.g, b = colour.b;
        ModifySandColour(sx, sy, r, g, b, height);
        put(sx, sy, r, g, b);
    };

    int reported = 0;
    auto advance = [&](int columnsDone) {
        while (reported < columnsDone) {
            reported++;
            progress++;
            if (banner && progress % kColumnsPerBanner == 0) {
                ShowLoading(1, false);
            }
        }
    };

    if (x != -1) {
        // A small repaint: column by column, as the ground was first painted.
        for (int sx = x0; sx < x1; sx++) {
            advance(sx - x0 + 1);
            if (sx < px0 || sx >= px1) {
                continue;
            }
            for (int sy = py0; sy < py1; sy++) {
                paint(sx, sy);
            }
        }
        draw->UnlockImage(groundImage);
        return;
    }

    // The whole image row by row, through tables of the ramp's colour of each
    // height and of the sand colour of each noise value: the same pixels as
    // the colour lookup and sand tint sample by sample.
    std::vector<map_colour> colours(kMaxHeight + 1);
    std::vector<Uint32> pixels(kMaxHeight + 1);
    for (int height = 0; height <= kMaxHeight; height++) {
        colours[static_cast<size_t>(height)] = colourOf(height);
        const map_colour& c = colours[static_cast<size_t>(height)];
        pixels[static_cast<size_t>(height)] =
            SDL_MapRGBA(surface->format, static_cast<Uint8>(c.r), static_cast<Uint8>(c.g), static_cast<Uint8>(c.b), 0);
    }
    std::vector<int> sandR(kMaxHeight + 1), sandG(kMaxHeight + 1), sandB(kMaxHeight + 1);
    for (int n = 0; n <= kMaxHeight; n++) {
        const float f = static_cast<float>(n) / 10000.0f;
        const float v = f < 0.5f ? powf(f, sandColourExponent) : powf(f, 1.0f / sandColourExponent);
        sandR[static_cast<size_t>(n)] = Round(v * 20) + 235;
        sandG[static_cast<size_t>(n)] = Round(v * 35) + 185;
        sandB[static_cast<size_t>(n)] = Round(v * 55) + 135;
    }
    const float t = sandColourBlend;
    const float keep = 1 - t;
    const bool direct = format->BytesPerPixel == 4;
    // The blend of a sand channel s with a ramp channel c, both 0..255.
    std::vector<int> blend(256 * 256);
    for (int sand = 0; sand < 256; sand++) {
        for (int c = 0; c < 256; c++) {
            blend[static_cast<size_t>(sand * 256 + c)] =
                Round(static_cast<float>(sand) * t + static_cast<float>(c) * keep);
        }
    }
    auto mix = [&](int sand, int c) {
        return (sand | c) >> 8 == 0 ? blend[static_cast<size_t>(sand * 256 + c)]
                                    : Round(static_cast<float>(sand) * t + static_cast<float>(c) * keep);
    };

    const int rows = std::max(0, py1 - py0);
    for (int sy = py0; sy < py1; sy++) {
        const int* heightRow = heights + static_cast<size_t>(sy) * W;
        // Once the sand noise is gone the heights stand in for it.
        const int16_t* noiseRow = sandNoise ? sandNoise + static_cast<size_t>(sy) * W : nullptr;
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                                static_cast<size_t>(sy - borderY) * surface->pitch) -
                      borderX;
        for (int sx = px0; sx < px1; sx++) {
            const int height = heightRow[sx];
            if (height < 0 || height > kMaxHeight) {
                paint(sx, sy);
                continue;
            }
            if (height < 3000 || height > 5000) {
                if (direct) {
                    out[sx] = pixels[static_cast<size_t>(height)];
                } else {
                    draw->putpixel(surface, sx - borderX, sy - borderY, pixels[static_cast<size_t>(height)]);
                }
                continue;
            }
            const int n = noiseRow ? noiseRow[sx] : height;
            if (n < 0 || n > kMaxHeight) {
                paint(sx, sy);
                continue;
            }
            const map_colour& c = colours[static_cast<size_t>(height)];
            put(sx, sy, mix(sandR[static_cast<size_t>(n)], c.r), mix(sandG[static_cast<size_t>(n)], c.g),
                mix(sandB[static_cast<size_t>(n)], c.b));
        }
        advance(static_cast<int>(static_cast<long long>(sy - py0 + 1) * columns / std::max(rows, 1)));
    }
    advance(columns);
    draw->UnlockImage(groundImage);
}
