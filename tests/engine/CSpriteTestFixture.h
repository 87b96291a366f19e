// Shared ground for the sprite and renderer tests: the game's drawing context
// and renderer over the generated resources (headless), small images of exact
// pixels made on the spot, and reading back the screen and the dirty list.
#pragma once

#include "CDraw.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "GameResources.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

using Pixel = std::array<int, 4>;

inline bool operator==(const PF_Rect& a, const PF_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

inline void PrintTo(const PF_Rect& r, std::ostream* out)
{
    *out << "(" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << ")";
}

class SpriteTest : public testing::Test {
protected:
    // A w x h image whose pixel (x, y) is pick(x, y), with an alpha channel.
    template <typename Pick>
    int MakeImage(int w, int h, Pick pick)
    {
        SDL_Surface* surface =
            SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000);
        SDL_LockSurface(surface);
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                const Pixel p = pick(x, y);
                draw.putpixel(surface, x, y, SDL_MapRGBA(surface->format, p[0], p[1], p[2], p[3]));
            }
        }
        SDL_UnlockSurface(surface);
        return draw.ImageFreeSpot(draw.FormatImage(surface, true), "TEST");
    }

    int Filled(int w, int h, Pixel colour)
    {
        return MakeImage(w, h, [&](int, int) { return colour; });
    }

    // A sprite at (x, y) showing one filled image; the caller deletes it.
    CSprite* Block(int x, int y, int z, int w, int h, Pixel colour = {255, 255, 255, 255})
    {
        CSprite* sprite = new CSprite(x, y, z);
        sprite->LoadImage(Filled(w, h, colour));
        return sprite;
    }

    Pixel ScreenPixel(int x, int y)
    {
        SDL_Surface* screen = SDL_GetVideoSurface();
        SDL_LockSurface(screen);
        const Uint32 value = draw.getpixel(screen, x, y);
        SDL_UnlockSurface(screen);
        Uint8 r, g, b, a;
        SDL_GetRGBA(value, screen->format, &r, &g, &b, &a);
        return Pixel{r, g, b, 255};
    }

    // Paints the whole screen one colour, straight onto the surface.
    void FillScreen(Pixel colour)
    {
        SDL_Surface* screen = SDL_GetVideoSurface();
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, colour[0], colour[1], colour[2]));
    }

    static std::vector<PF_Rect> Dirty()
    {
        return std::vector<PF_Rect>(CRenderer::dirty.begin(), CRenderer::dirty.end());
    }

    // One frame of drawing; the rectangles it redrew.
    std::vector<PF_Rect> Frame()
    {
        renderer.Render(true);
        return Dirty();
    }

    TempFolder folder;
    GameResources resources{folder};
    CDraw& draw = resources.Draw();
    CRenderer& renderer = resources.Renderer();
};
