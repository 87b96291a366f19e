#include "PackLettering.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>
#pragma GCC diagnostic pop

namespace {

// The bold face the game itself packs for its texts (engine.manifest), so a
// name on a picture looks like the words around it.
constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct lettering_font {
    std::vector<unsigned char> bytes;
    stbtt_fontinfo info{};
};

// Read once per run. The builder cannot draw a picture it was asked for
// without it, so a missing font stops the build as a missing manifest file
// would.
const lettering_font& Font()
{
    static const lettering_font font = [] {
        lettering_font loaded;
        std::ifstream in(kFontPath, std::ios::binary);
        loaded.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (loaded.bytes.empty() || !stbtt_InitFont(&loaded.info, loaded.bytes.data(), 0)) {
            fprintf(stderr, "palmora-pack: error: cannot read the lettering font '%s'\n", kFontPath);
            std::exit(1);
        }
        return loaded;
    }();
    return font;
}

bool Drawable(char c)
{
    return c >= 32 && c < 127;
}

}  // namespace

float LetteringWidth(const std::string& text, float pixelHeight)
{
    const lettering_font& font = Font();
    const float scale = stbtt_ScaleForPixelHeight(&font.info, pixelHeight);
    float width = 0;
    int previous = 0;
    for (char c : text) {
        if (!Drawable(c)) {
            continue;
        }
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&font.info, c, &advance, &bearing);
        if (previous) {
            width += scale * stbtt_GetCodepointKernAdvance(&font.info, previous, c);
        }
        width += scale * advance;
        previous = c;
    }
    return width;
}

float FitLettering(const std::string& text, float maxWidth, float maxHeight)
{
    float height = maxHeight;
    while (height > 6 && LetteringWidth(text, height) > maxWidth) {
        height -= 0.5f;
    }
    return height;
}

void PaintLettering(CPictureCanvas& canvas, const std::string& text, paint_point centre, float pixelHeight,
                    paint_colour ink)
{
    const lettering_font& font = Font();
    const float scale = stbtt_ScaleForPixelHeight(&font.info, pixelHeight);
    // Centred on the capitals: a name of capitals and lower case sits in the
    // middle of its ribbon whatever its descenders.
    int capTop = 0, capBottom = 0, ignored = 0;
    stbtt_GetCodepointBox(&font.info, 'H', &ignored, &ignored, &ignored, &capTop);
    const float capHeight = (capTop - capBottom) * scale;
    const float baseline = centre.y + capHeight / 2;
    float penX = centre.x - LetteringWidth(text, pixelHeight) / 2;
    int previous = 0;
    for (char c : text) {
        if (!Drawable(c)) {
            continue;
        }
        if (previous) {
            penX += scale * stbtt_GetCodepointKernAdvance(&font.info, previous, c);
        }
        const float shiftX = penX - std::floor(penX), shiftY = baseline - std::floor(baseline);
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        stbtt_GetCodepointBitmapBoxSubpixel(&font.info, c, scale, scale, shiftX, shiftY, &x0, &y0, &x1, &y1);
        const int w = x1 - x0, h = y1 - y0;
        if (w > 0 && h > 0) {
            std::vector<unsigned char> coverage(static_cast<size_t>(w) * h);
            stbtt_MakeCodepointBitmapSubpixel(&font.info, coverage.data(), w, h, w, scale, scale, shiftX, shiftY, c);
            const int left = static_cast<int>(std::floor(penX)) + x0, top = static_cast<int>(std::floor(baseline)) + y0;
            for (int y = 0; y < h; y++) {
                for (int x = 0; x < w; x++) {
                    const unsigned char cover = coverage[static_cast<size_t>(y) * w + x];
                    if (cover) {
                        canvas.Blend(left + x, top + y, WithAlpha(ink, ink.a * cover / 255.0f));
                    }
                }
            }
        }
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&font.info, c, &advance, &bearing);
        penX += scale * advance;
        previous = c;
    }
}
