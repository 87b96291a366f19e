// The side of the drawing context that faces the screen: the video mode and
// its full-screen toggle, drawing onto the screen, presenting frames at the
// locked rate, and the screen shake.
#include "CDraw.h"

#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Config.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <vector>

namespace {

const int kScreenW = 800;
const int kScreenH = 600;
const int kLockedFrameMs = 33;
// Below this many ms before the frame is due the lock only yields, because a
// sleep could overshoot.
const Uint32 kYieldMs = 10;

int Truncate(float value)
{
    return static_cast<int>(value);
}

}  // namespace

SDL_Surface* CDraw::SetMode(bool fullscreen)
{
    const Uint32 flags = fullscreen ? SDL_FULLSCREEN : 0;
    const int depth = SDL_VideoModeOK(kScreenW, kScreenH, 32, flags);
    return SDL_SetVideoMode(kScreenW, kScreenH, depth != 0 ? depth : 32, flags);
}

// A full-screen mode that cannot be set must not end the game when a window
// would do: the fallback is tried first, and only its failure is fatal.
SDL_Surface* CDraw::OpenVideoMode(bool wanted, bool fallback, const ModeSetter& setMode, bool& fullscreen)
{
    fullscreen = wanted;
    SDL_Surface* surface = setMode(wanted);
    if (!surface && fallback != wanted) {
        errorMessage("Unable to set video mode: ", SDL_GetError(), false, true);
        fullscreen = fallback;
        surface = setMode(fallback);
    }
    if (!surface) {
        errorMessage("Unable to set video mode: ", SDL_GetError(), true, true);
    }
    return surface;
}

void CDraw::ToggleFullscreen()
{
    // The new mode may move the system pointer; the drawn one keeps its place.
    const int mouseX = CMouseCursor::GetMouseX();
    const int mouseY = CMouseCursor::GetMouseY();
    const bool previous = Config_GetFullscreen();
    const SDL_PixelFormat* format = screen->format;
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, format->BitsPerPixel,
                                             format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (copy) {
        SDL_BlitSurface(screen, nullptr, copy, nullptr);
    }

    // The flag is the player's choice; when the display refuses the mode it
    // asks for, the other one is shown without changing the choice.
    Config_SetFullscreen(!previous);
    bool fullscreen = previous;
    screen = OpenVideoMode(!previous, previous, modeSetter, fullscreen);
    SDL_SetClipRect(screen, nullptr);

    if (copy) {
        SDL_BlitSurface(copy, nullptr, screen, nullptr);
        SDL_FreeSurface(copy);
    }
    SDL_Flip(screen);
    CMouseCursor::MoveCursor(mouseX, mouseY);
}

void CDraw::WaitFrameLock(Uint32 lastFrame, int lock, const Clock& now, const Sleeper& delay)
{
    const Uint32 length = static_cast<Uint32>(lock);
    for (;;) {
        // One reading per round: a second, later reading could pass the end
        // of the frame and turn the remaining time into a huge unsigned sleep.
        const Uint32 elapsed = now() - lastFrame;
        if (elapsed >= length) {
            return;
        }
        const Uint32 remaining = length - elapsed;
        delay(remaining > kYieldMs ? remaining : 0);
    }
}

void CDraw::Flip(bool dirtyOnly)
{
    if (!rendering) {
        return;
    }
    if (skipFrames > 0) {
        skipFrames--;
        return;
    }
    WaitFrameLock(timeOfLastFrame, frameLock, SDL_GetTicks, SDL_Delay);
    timeOfLastFrame = SDL_GetTicks();
    frameCount++;
    const Uint32 now = SDL_GetTicks();
    if (now - timeOfLastSecond >= 1000) {
        timeOfLastSecond = now;
        frameRate = frameCount - frameCountAtLastSecond;
        frameCountAtLastSecond = frameCount;
    }

    HandleShake();

    const std::list<PF_Rect>* dirty = RendererDirty();
    if (dirtyOnly && !shaking && !IsWindowsVista() && dirty) {
        std::vector<SDL_Rect> rects;
        rects.reserve(dirty->size());
        for (const PF_Rect& rect : *dirty) {
            rects.push_back(DirtyToScreen(rect));
        }
        if (!rects.empty()) {
            SDL_UpdateRects(screen, static_cast<int>(rects.size()), rects.data());
        }
    } else {
        SDL_Flip(screen);
    }

    HandleShakeEnd(false);
    framesSinceStart++;
}

const std::list<PF_Rect>* CDraw::RendererDirty() const
{
    return CSprite::renderer ? &CRenderer::dirty : nullptr;
}

SDL_Rect CDraw::DirtyToScreen(const PF_Rect& rect)
{
    // A negative x or y moves to 0 without shrinking the rectangle; the right
    // and bottom edges are cut at the screen's.
    const int x = std::clamp(rect.x, 0, kScreenW - 1);
    const int y = std::clamp(rect.y, 0, kScreenH - 1);
    int w = std::max(rect.w, 0);
    int h = std::max(rect.h, 0);
    if (x + w > kScreenW - 1) {
        w = kScreenW - x;
    }
    if (y + h > kScreenH - 1) {
        h = kScreenH - y;
    }
    SDL_Rect result;
    result.x = static_cast<Sint16>(x);
    result.y = static_cast<Sint16>(y);
    result.w = static_cast<Uint16>(w);
    result.h = static_cast<Uint16>(h);
    return result;
}

bool CDraw::ClipToScreen(int& x, int& y, int& w, int& h)
{
    if (x > kScreenW - 1 || y > kScreenH - 1) {
        return false;
    }
    if (x < 0) {
        w += x;
        x = 0;
    }
    if (x + w > kScreenW) {
        w = kScreenW - x;
    }
    if (y < 0) {
        h += y;
        y = 0;
    }
    if (y + h > kScreenH) {
        h = kScreenH - y;
    }
    // SDL reads an empty rectangle as the whole screen.
    return w > 0 && h > 0;
}

void CDraw::RawFlip()
{
    SDL_Flip(screen);
}

void CDraw::Rendering(bool on)
{
    rendering = on;
}

void CDraw::RenderNow(int x, int y, int w, int h)
{
    if (!rendering || !ClipToScreen(x, y, w, h)) {
        return;
    }
    SDL_UpdateRect(screen, x, y, static_cast<Uint32>(w), static_cast<Uint32>(h));
}

int CDraw::GetCurrentFPS()
{
    return frameRate;
}

int CDraw::GetFramesSinceStart()
{
    return framesSinceStart;
}

void CDraw::ToggleFrameLock()
{
    frameLock = frameLock == kLockedFrameMs ? 0 : kLockedFrameMs;
}

void CDraw::Shake()
{
    shakeFastest = 10.0f;
    shakeSlowest = 5.0f;
    shakeAmplitude = 5.0f;
    shakeX = static_cast<float>(RangedRandom(-3, 3));
    shakeY = static_cast<float>(RangedRandom(-3, 3));
    if (RangedRandom(0, 1) == 0) {
        shakeVelocityX = RangedRandom(-shakeFastest, -shakeSlowest);
    } else {
        shakeVelocityX = RangedRandom(shakeFastest, shakeSlowest);
    }
    if (RangedRandom(0, 1) == 0) {
        shakeVelocityY = RangedRandom(-shakeFastest, -shakeSlowest);
    } else {
        shakeVelocityY = RangedRandom(shakeFastest, shakeSlowest);
    }
    if (shaking) {
        return;
    }
    // The shake surface holds the true picture: everything drawn meanwhile
    // goes there, and each frame shows it displaced.
    shakeSurface = FormatImage(screen, false);
    shaking = true;
}

void CDraw::HandleShake()
{
    if (!shaking) {
        return;
    }
    shakeX += shakeVelocityX;
    shakeY += shakeVelocityY;
    if (shakeX < -shakeAmplitude) {
        shakeVelocityX = RangedRandom(shakeFastest, shakeSlowest);
    }
    if (shakeX > shakeAmplitude) {
        shakeVelocityX = RangedRandom(-shakeFastest, -shakeSlowest);
    }
    if (shakeY < -shakeAmplitude) {
        shakeVelocityY = RangedRandom(shakeFastest, shakeSlowest);
    }
    if (shakeY > shakeAmplitude) {
        shakeVelocityY = RangedRandom(-shakeFastest, -shakeSlowest);
    }
    shakeAmplitude *= 0.87f;
    shakeFastest *= 0.87f;
    shakeSlowest *= 0.87f;
    if (static_cast<float>(shakeEnd) > shakeAmplitude) {
        shakeX = 0;
        shakeY = 0;
    }

    const int ix = Truncate(shakeX);
    const int iy = Truncate(shakeY);
    const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
    SDL_Rect strip;
    if (ix > 0) {
        strip = SDL_Rect{0, 0, static_cast<Uint16>(ix), kScreenH};
        SDL_FillRect(screen, &strip, black);
    } else if (ix < 0) {
        strip = SDL_Rect{static_cast<Sint16>(kScreenW + ix), 0, static_cast<Uint16>(-ix), kScreenH};
        SDL_FillRect(screen, &strip, black);
    }
    if (iy > 0) {
        strip = SDL_Rect{0, 0, kScreenW, static_cast<Uint16>(iy)};
        SDL_FillRect(screen, &strip, black);
    } else if (iy < 0) {
        strip = SDL_Rect{0, static_cast<Sint16>(kScreenH + iy), kScreenW, static_cast<Uint16>(-iy)};
        SDL_FillRect(screen, &strip, black);
    }
    SDL_Rect where = {static_cast<Sint16>(ix), static_cast<Sint16>(iy), 0, 0};
    SDL_UpperBlit(shakeSurface, nullptr, screen, &where);
}

void CDraw::HandleShakeEnd(bool force)
{
    if (!shaking) {
        return;
    }
    if (static_cast<float>(shakeEnd) > shakeAmplitude || force) {
        shaking = false;
        SDL_UpperBlit(shakeSurface, nullptr, screen, nullptr);
        SDL_FreeSurface(shakeSurface);
        shakeSurface = nullptr;
        if (force) {
            SDL_Flip(screen);
        }
    }
}

SDL_Surface* CDraw::Target()
{
    return shaking ? shakeSurface : screen;
}

int CDraw::DisplayImage(int id)
{
    return SDL_UpperBlit(GetSurface(id), nullptr, Target(), nullptr);
}

int CDraw::DisplayImage(int id, int x, int y)
{
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    return SDL_UpperBlit(GetSurface(id), nullptr, Target(), &where);
}

int CDraw::DisplayImage(int id, int x, int y, int srcX, int srcY, int w, int h)
{
    return DisplayImage(GetSurface(id), x, y, srcX, srcY, w, h);
}

int CDraw::DisplayImage(int id, SDL_Rect source, SDL_Rect destination)
{
    return DisplayImage(GetSurface(id), source, destination);
}

int CDraw::DisplayImage(SDL_Surface* surface, int x, int y, int srcX, int srcY, int w, int h)
{
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    // A part that reaches past the image draws the whole image.
    if (!surface || srcX + w > surface->w || srcY + h > surface->h) {
        return SDL_UpperBlit(surface, nullptr, Target(), &where);
    }
    SDL_Rect part = {static_cast<Sint16>(srcX), static_cast<Sint16>(srcY), static_cast<Uint16>(std::max(w, 0)),
                     static_cast<Uint16>(std::max(h, 0))};
    return SDL_UpperBlit(surface, &part, Target(), &where);
}

int CDraw::DisplayImage(SDL_Surface* surface, SDL_Rect source, SDL_Rect destination)
{
    return SDL_UpperBlit(surface, &source, Target(), &destination);
}
