// Pixel work on the images of the store: new blank, copied, mirrored,
// doubled, shrunk and combined images, recolouring, compositing, the colour
// sliders, blits between images and small queries.
#include "CDraw.h"

#include "ColourConversion.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// Reads and writes the pixels of one locked surface. The display formats of
// 32 bits with 8-bit channels take a shift-and-mask path; any other format
// goes through SDL's own mapping, which gives the same values.
class Pixels {
public:
    explicit Pixels(SDL_Surface* surface)
        : format(surface->format),
          base(static_cast<Uint8*>(surface->pixels)),
          pitch(surface->pitch),
          bytes(surface->format->BytesPerPixel),
          hasAlpha(surface->format->Amask != 0),
          fast(bytes == 4 && format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0 &&
               (!hasAlpha || format->Aloss == 0))
    {
    }

    Uint32 Raw(int x, int y) const
    {
        const Uint8* p = base + y * pitch + x * bytes;
        switch (bytes) {
        case 1: return *p;
        case 2: return *reinterpret_cast<const Uint16*>(p);
        case 3: return p[0] | (p[1] << 8) | (p[2] << 16);
        default: return *reinterpret_cast<const Uint32*>(p);
        }
    }

    void PutRaw(int x, int y, Uint32 value)
    {
        Uint8* p = base + y * pitch + x * bytes;
        switch (bytes) {
        case 1: *p = static_cast<Uint8>(value); break;
        case 2: *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(value); break;
        case 3:
            p[0] = static_cast<Uint8>(value);
            p[1] = static_cast<Uint8>(value >> 8);
            p[2] = static_cast<Uint8>(value >> 16);
            break;
        default: *reinterpret_cast<Uint32*>(p) = value; break;
        }
    }

    RGBA_Uint8 Split(Uint32 value) const
    {
        RGBA_Uint8 c;
        if (fast) {
            c.r = static_cast<Uint8>(value >> format->Rshift);
            c.g = static_cast<Uint8>(value >> format->Gshift);
            c.b = static_cast<Uint8>(value >> format->Bshift);
            c.a = hasAlpha ? static_cast<Uint8>(value >> format->Ashift) : 255;
        } else {
            SDL_GetRGBA(value, format, &c.r, &c.g, &c.b, &c.a);
        }
        return c;
    }

    Uint32 Join(RGBA_Uint8 c) const
    {
        if (fast) {
            Uint32 value = (static_cast<Uint32>(c.r) << format->Rshift) |
                           (static_cast<Uint32>(c.g) << format->Gshift) |
                           (static_cast<Uint32>(c.b) << format->Bshift);
            if (hasAlpha) {
                value |= static_cast<Uint32>(c.a) << format->Ashift;
            }
            return value;
        }
        return SDL_MapRGBA(format, c.r, c.g, c.b, c.a);
    }

    RGBA_Uint8 Get(int x, int y) const { return Split(Raw(x, y)); }
    void Put(int x, int y, RGBA_Uint8 c) { PutRaw(x, y, Join(c)); }

private:
    SDL_PixelFormat* format;
    Uint8* base;
    int pitch;
    int bytes;
    bool hasAlpha;
    bool fast;
};

// Holds a surface locked for direct pixel access.
class Locked {
public:
    explicit Locked(SDL_Surface* surface) : surface(surface) { SDL_LockSurface(surface); }
    ~Locked() { SDL_UnlockSurface(surface); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    SDL_Surface* surface;
};

bool Inside(const SDL_Surface* surface, int x, int y)
{
    return x >= 0 && y >= 0 && x < surface->w && y < surface->h;
}

Uint8 Clamp255(int value)
{
    return static_cast<Uint8>(std::clamp(value, 0, 255));
}

enum SliderMode { kHueSlider, kSaturationSlider, kLightnessSlider };

}  // namespace

// --- New images ---

SDL_Surface* CDraw::BlankLike(SDL_Surface* like, int w, int h)
{
    assert(like && w >= 0 && h >= 0);
    const SDL_PixelFormat* format = like->format;
    SDL_Surface* blank = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format->BitsPerPixel, format->Rmask,
                                              format->Gmask, format->Bmask, format->Amask);
    if (!blank) {
        errorMessage("Unable to create image: ", SDL_GetError(), true, true);
    }
    return FormatImage(blank, true);
}

int CDraw::CreateSizedBlank(int w, int h, SDL_Surface* like)
{
    return ImageFreeSpot(BlankLike(like ? like : screen, w, h), "BLANK");
}

int CDraw::CreateSizedBlank(int w, int h, int likeId)
{
    return CreateSizedBlank(w, h, GetSurface(likeId));
}

int CDraw::CreateScreenBlank()
{
    return CreateSizedBlank(screen->w, screen->h, screen);
}

int CDraw::CopyBackbuffer()
{
    return ImageFreeSpot(FormatImage(screen, false), "BACKBUFFER");
}

int CDraw::CopyImage(int id)
{
    return ImageFreeSpot(FormatImage(Image(id), false), "COPY");
}

int CDraw::TransparentPixel()
{
    SDL_Surface* pixel =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000);
    if (!pixel) {
        errorMessage("Unable to create image: ", SDL_GetError(), true, true);
    }
    return ImageFreeSpot(FormatImage(pixel, true), "BLANK");
}

int CDraw::MirrorImageHorizontally(int id)
{
    SDL_Surface* source = Image(id);
    const int mirrorId = CreateSizedBlank(source->w, source->h, source);
    SDL_Surface* mirror = images[mirrorId];
    Locked lockSource(source);
    Locked lockMirror(mirror);
    const Pixels in(source);
    Pixels out(mirror);
    for (int y = 0; y < source->h; y++) {
        for (int x = 0; x < source->w; x++) {
            out.Put(source->w - 1 - x, y, in.Get(x, y));
        }
    }
    return mirrorId;
}

RGBA_Uint8 CDraw::DoublePixel(RGBA_Uint8 centre, RGBA_Uint8 first, RGBA_Uint8 second, RGBA_Uint8 third)
{
    const float sixth = 0.16666667f;
    auto channel = [sixth](Uint8 p, Uint8 a, Uint8 b, Uint8 c) {
        const float value = 0.5f * p + sixth * a + sixth * b + sixth * c;
        return static_cast<Uint8>(Round(value));
    };
    return RGBA_Uint8{channel(centre.r, first.r, second.r, third.r), channel(centre.g, first.g, second.g, third.g),
                      channel(centre.b, first.b, second.b, third.b), channel(centre.a, first.a, second.a, third.a)};
}

int CDraw::DoubleImageSize(int id)
{
    SDL_Surface* source = Image(id);
    const int w = source->w;
    const int h = source->h;
    const int doubledId = CreateSizedBlank(2 * w, 2 * h, source);
    SDL_Surface* doubled = images[doubledId];
    Locked lockSource(source);
    Locked lockDoubled(doubled);
    const Pixels in(source);
    Pixels out(doubled);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            const RGBA_Uint8 p = in.Get(x, y);
            // Outside the image a neighbour has the centre's colour and no
            // alpha, so the edges fade out.
            auto at = [&](int nx, int ny) {
                return Inside(source, nx, ny) ? in.Get(nx, ny) : RGBA_Uint8{p.r, p.g, p.b, 0};
            };
            const RGBA_Uint8 tl = at(x - 1, y - 1), t = at(x, y - 1), tr = at(x + 1, y - 1);
            const RGBA_Uint8 l = at(x - 1, y), r = at(x + 1, y);
            const RGBA_Uint8 bl = at(x - 1, y + 1), b = at(x, y + 1), br = at(x + 1, y + 1);
            out.Put(2 * x, 2 * y, DoublePixel(p, tl, t, l));
            out.Put(2 * x + 1, 2 * y, DoublePixel(p, t, tr, r));
            out.Put(2 * x, 2 * y + 1, DoublePixel(p, l, bl, b));
            out.Put(2 * x + 1, 2 * y + 1, DoublePixel(p, r, br, b));
        }
    }
    return doubledId;
}

int CDraw::ShrinkImage(int id, int factor, bool removeSource)
{
    if (factor < 2) {
        errorMessage("Attempted to call ShrinkImage with a shrinkFactor of 1 or less.", true, true);
    }
    SDL_Surface* source = Image(id);
    const int w = source->w / factor;
    const int h = source->h / factor;
    int shrunkId;
    if (w == 0 || h == 0) {
        // Too small to hold one block: an empty picture rather than a 0x0 one.
        shrunkId = TransparentPixel();
    } else {
        shrunkId = CreateSizedBlank(w, h, source);
        SDL_Surface* shrunk = images[shrunkId];
        Locked lockSource(source);
        Locked lockShrunk(shrunk);
        const Pixels in(source);
        Pixels out(shrunk);
        const int count = factor * factor;
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                int r = 0, g = 0, b = 0, a = 0;
                for (int sy = y * factor; sy < (y + 1) * factor; sy++) {
                    for (int sx = x * factor; sx < (x + 1) * factor; sx++) {
                        const RGBA_Uint8 c = in.Get(sx, sy);
                        r += c.r;
                        g += c.g;
                        b += c.b;
                        a += c.a;
                    }
                }
                out.Put(x, y, RGBA_Uint8{static_cast<Uint8>(r / count), static_cast<Uint8>(g / count),
                                         static_cast<Uint8>(b / count), static_cast<Uint8>(a / count)});
            }
        }
    }
    if (removeSource) {
        RemoveImage(id);
    }
    return shrunkId;
}

int CDraw::ShrinkImage(const char* name, int factor)
{
    return ShrinkImage(LoadImage(name, false, false), factor, true);
}

int CDraw::CombineImages(std::vector<image_combine> layers)
{
    if (layers.empty()) {
        return TransparentPixel();
    }
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (const image_combine& layer : layers) {
        const SDL_Surface* surface = GetSurface(layer.id);
        minX = std::min(minX, layer.x);
        minY = std::min(minY, layer.y);
        maxX = std::max(maxX, layer.x + (surface ? surface->w : 0));
        maxY = std::max(maxY, layer.y + (surface ? surface->h : 0));
    }
    const int w = maxX - minX;
    const int h = maxY - minY;
    const int combinedId =
        w > 0 && h > 0 ? CreateSizedBlank(w, h, images[layers[0].id]) : TransparentPixel();
    for (size_t i = 0; i < layers.size(); i++) {
        const image_combine& layer = layers[i];
        if (images[layer.id] && w > 0 && h > 0) {
            CompositeImageOnImage(layer.id, combinedId, layer.x - minX, layer.y - minY, i == 0);
        }
        RemoveImage(layer.id);
    }
    return combinedId;
}

// --- Changes in place ---

SDL_Surface* CDraw::AlterImageRGBA(SDL_Surface* surface, RGBA_offset m, bool copy, SDL_Rect* area, float lo,
                                   float hi, float exp)
{
    assert(surface);
    const bool curve = !(lo == 1 && hi == 1);
    SDL_Surface* target = copy ? FormatImage(surface, false) : surface;
    Locked lock(target);
    Pixels pixels(target);

    int x0 = 0, y0 = 0, x1 = target->w, y1 = target->h;
    if (area) {
        x0 = std::max(x0, static_cast<int>(area->x));
        y0 = std::max(y0, static_cast<int>(area->y));
        x1 = std::min(x1, area->x + static_cast<int>(area->w));
        y1 = std::min(y1, area->y + static_cast<int>(area->h));
    }
    for (int y = y0; y < y1; y++) {
        for (int x = x0; x < x1; x++) {
            const RGBA_Uint8 c = pixels.Get(x, y);
            float f = 1;
            if (curve) {
                const float brightness = static_cast<float>(c.r + c.g + c.b) / 765.0f;
                f = static_cast<float>(lo + (hi - lo) * std::pow(static_cast<double>(brightness),
                                                                 static_cast<double>(exp)));
            }
            int r = static_cast<int>(c.r * m.r);
            int g = static_cast<int>(c.g * m.g);
            int b = static_cast<int>(c.b * m.b);
            if (curve) {
                r = static_cast<int>(r * f);
                g = static_cast<int>(g * f);
                b = static_cast<int>(b * f);
            }
            const int a = static_cast<int>(c.a * m.a);
            pixels.Put(x, y, RGBA_Uint8{Clamp255(r), Clamp255(g), Clamp255(b), Clamp255(a)});
        }
    }
    return target;
}

SDL_Surface* CDraw::AlterImageRGBA(int id, RGBA_offset m, bool copy, SDL_Rect* area, float lo, float hi,
                                   float exp)
{
    return AlterImageRGBA(Image(id), m, copy, area, lo, hi, exp);
}

void CDraw::ReplaceColour(int id, RGBA_data from, RGBA_data to, bool random, bool all)
{
    SDL_Surface* surface = Image(id);
    if (random) {
        to.r = static_cast<unsigned char>(RangedRandom(0, 255));
        to.g = static_cast<unsigned char>(RangedRandom(0, 255));
        to.b = static_cast<unsigned char>(RangedRandom(0, 255));
    }
    Locked lock(surface);
    Pixels pixels(surface);
    for (int y = 0; y < surface->h; y++) {
        for (int x = 0; x < surface->w; x++) {
            const RGBA_Uint8 c = pixels.Get(x, y);
            if (all || (c.r == from.r && c.g == from.g && c.b == from.b)) {
                pixels.Put(x, y, RGBA_Uint8{to.r, to.g, to.b, c.a});
            }
        }
    }
}

void CDraw::CompositeImageOnImage(int src, int dst, int x, int y, bool overwrite)
{
    SDL_Surface* source = Image(src);
    SDL_Surface* target = Image(dst);
    Locked lockSource(source);
    Locked lockTarget(target);
    const Pixels in(source);
    Pixels out(target);
    const int sx0 = std::max(0, -x), sx1 = std::min(source->w, target->w - x);
    const int sy0 = std::max(0, -y), sy1 = std::min(source->h, target->h - y);
    for (int sy = sy0; sy < sy1; sy++) {
        for (int sx = sx0; sx < sx1; sx++) {
            const RGBA_Uint8 s = in.Get(sx, sy);
            if (s.a == 0) {
                continue;
            }
            const int tx = x + sx;
            const int ty = y + sy;
            if (s.a == 255 || overwrite) {
                out.Put(tx, ty, s);
                continue;
            }
            const RGBA_Uint8 d = out.Get(tx, ty);
            if (d.a == 0) {
                out.Put(tx, ty, s);
                continue;
            }
            // Porter-Duff "over" on colours that are not premultiplied.
            const float as = s.a / 255.0f;
            const float ad = d.a / 255.0f;
            const float ao = (1 - as) * ad + as;
            auto channel = [&](Uint8 cs, Uint8 cd) -> Uint8 {
                if (ao == 0) {
                    return 0;
                }
                return static_cast<Uint8>(Round((cs / 255.0f * as + cd / 255.0f * (1 - as) * ad) / ao * 255.0f));
            };
            out.Put(tx, ty, RGBA_Uint8{channel(s.r, d.r), channel(s.g, d.g), channel(s.b, d.b),
                                       static_cast<Uint8>(Round(ao * 255.0f))});
        }
    }
}

void CDraw::ColourFill(int id, RGBA_data colour, int x, int y, int w, int h)
{
    SDL_Surface* surface = Image(id);
    SDL_Rect rect = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(std::max(w, 0)),
                     static_cast<Uint16>(std::max(h, 0))};
    SDL_FillRect(surface, &rect, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}

void CDraw::SetAlpha(int id, unsigned char alpha)
{
    SDL_SetAlpha(Image(id), SDL_SRCALPHA | SDL_RLEACCEL, alpha);
}

void CDraw::PaintSlider(SDL_Surface* surface, int mode, int hue, int saturation)
{
    Locked lock(surface);
    Pixels pixels(surface);
    const float step = static_cast<float>(100.0 / surface->w);
    float t = 0;
    for (int x = 0; x < surface->w; x++) {
        SRGB colour;
        switch (mode) {
        case kHueSlider: colour = HSV2RGB(Round(t), 100, 100); break;
        case kSaturationSlider: colour = HSV2RGB(hue, Round(t), 100); break;
        default: colour = HSV2RGB(hue, saturation, Round(t)); break;
        }
        const Uint32 value = pixels.Join(RGBA_Uint8{static_cast<Uint8>(colour.red), static_cast<Uint8>(colour.green),
                                                    static_cast<Uint8>(colour.blue), 0});
        for (int y = 0; y < surface->h; y++) {
            pixels.PutRaw(x, y, value);
        }
        t = std::min(100.0f, t + step);
    }
}

int CDraw::CreateHueSliderImage(int id)
{
    PaintSlider(Image(id), kHueSlider, 0, 0);
    return id;
}

int CDraw::CreateSaturationSliderImage(int id, int hue)
{
    PaintSlider(Image(id), kSaturationSlider, hue, 0);
    return id;
}

int CDraw::CreateLightnessSliderImage(int id, int hue, int saturation)
{
    PaintSlider(Image(id), kLightnessSlider, hue, saturation);
    return id;
}

// --- Blits between images ---

int CDraw::DisplayImageOnImage(int src, int dst, int x, int y, int srcX, int srcY, int w, int h)
{
    SDL_Surface* source = Image(src);
    SDL_Surface* target = Image(dst);
    SDL_Rect part = {static_cast<Sint16>(srcX), static_cast<Sint16>(srcY),
                     static_cast<Uint16>(std::clamp(w, 0, source->w)), static_cast<Uint16>(std::clamp(h, 0, source->h))};
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    return SDL_UpperBlit(source, &part, target, &where);
}

int CDraw::DisplayImageOnImage(int src, int dst, int x, int y)
{
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    return SDL_UpperBlit(Image(src), nullptr, Image(dst), &where);
}

int CDraw::DisplayImageOnImage(const char* name, int dst, int x, int y, int srcX, int srcY, int w, int h)
{
    const int id = LoadImage(name, false, false);
    const int next = x + GetW(id);
    DisplayImageOnImage(id, dst, x, y, srcX, srcY, w, h);
    RemoveImage(id);
    return next;
}

int CDraw::DisplayImageOnImage(const char* name, int dst, int x, int y, bool update)
{
    const int id = LoadImage(name, false, false);
    const int w = GetW(id);
    const int h = GetH(id);
    DisplayImageOnImage(id, dst, x, y);
    if (update) {
        RenderNow(x, y, w, h);
    }
    RemoveImage(id);
    return x + w;
}

// --- Pixel access and queries ---

Uint32 CDraw::getpixel(SDL_Surface* surface, int x, int y)
{
    if (!Inside(surface, x, y)) {
        return 0;
    }
    return Pixels(surface).Raw(x, y);
}

Uint32 CDraw::getpixel(int id, int x, int y)
{
    return getpixel(Image(id), x, y);
}

void CDraw::putpixel(SDL_Surface* surface, int x, int y, Uint32 pixel)
{
    if (Inside(surface, x, y)) {
        Pixels(surface).PutRaw(x, y, pixel);
    }
}

void CDraw::putpixel(int id, int x, int y, Uint32 pixel)
{
    putpixel(Image(id), x, y, pixel);
}

void CDraw::DrawPixel(int id, int x, int y, unsigned char r, unsigned char g, unsigned char b, unsigned char a,
                      bool lock)
{
    SDL_Surface* surface = Image(id);
    if (lock) {
        SDL_LockSurface(surface);
    }
    putpixel(surface, x, y, SDL_MapRGBA(surface->format, r, g, b, a));
    if (lock) {
        SDL_UnlockSurface(surface);
    }
}

void CDraw::DrawPixelSafe(int id, int x, int y, unsigned char r, unsigned char g, unsigned char b,
                          unsigned char a, bool lock)
{
    if (!Inside(Image(id), x, y)) {
        return;
    }
    DrawPixel(id, x, y, r, g, b, a, lock);
}

int CDraw::GetBottomEdge(int id)
{
    SDL_Surface* surface = Image(id);
    Locked lock(surface);
    const Pixels pixels(surface);
    for (int y = surface->h - 1; y >= 0; y--) {
        for (int x = 0; x < surface->w; x++) {
            if (pixels.Get(x, y).a != 0) {
                return y + 1;
            }
        }
    }
    return 0;
}

int CDraw::GetRightEdge(int id)
{
    SDL_Surface* surface = Image(id);
    Locked lock(surface);
    const Pixels pixels(surface);
    for (int x = surface->w - 1; x >= 0; x--) {
        for (int y = 0; y < surface->h; y++) {
            if (pixels.Get(x, y).a != 0) {
                return x + 1;
            }
        }
    }
    return 0;
}

unsigned int CDraw::GetImageChecksum(int id)
{
    SDL_Surface* surface = Image(id);
    auto cached = checksums.find(id);
    if (cached != checksums.end()) {
        return cached->second;
    }
    // The island's picture alone sums past 2^31: the sum wraps, unsigned.
    unsigned int sum = 0;
    {
        Locked lock(surface);
        const Pixels pixels(surface);
        for (int y = 0; y < surface->h; y++) {
            for (int x = 0; x < surface->w; x++) {
                const RGBA_Uint8 c = pixels.Get(x, y);
                sum += static_cast<unsigned int>(c.r + c.g + c.b + c.a);
            }
        }
    }
    checksums[id] = sum;
    return sum;
}
