#include "CControllerIntro.h"

#include <SDL.h>

#include <cmath>

namespace {

const int kScreenWidth = 800;
const int kScreenHeight = 600;

void FillRect(SDL_Surface* screen, int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Rect rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, r, g, b));
}

// An ellipse filled one row at a time, the only shape SDL can fill is a rectangle.
void FillEllipse(SDL_Surface* screen, int cx, int cy, int rx, int ry, Uint8 r, Uint8 g, Uint8 b)
{
    for (int dy = -ry; dy <= ry; dy++) {
        const double t = static_cast<double>(dy) / ry;
        const int half = static_cast<int>(rx * std::sqrt(1.0 - t * t));
        FillRect(screen, cx - half, cy + dy, 2 * half + 1, 1, r, g, b);
    }
}

}  // namespace

CControllerIntro::CControllerIntro() : drawn(false) {}

CControllerIntro::~CControllerIntro() {}

void CControllerIntro::GotFocusBack()
{
    ShutDown(-1);
}

void CControllerIntro::Pump()
{
    GetInput();
    if (!drawn) {
        DrawPicture();
    }
}

void CControllerIntro::InputKey(bool released, int)
{
    if (!released) {
        ShutDown(-1);
    }
}

void CControllerIntro::InputMouseMove(int, int) {}

void CControllerIntro::InputMouseClick(bool, bool, bool released)
{
    if (!released) {
        ShutDown(-1);
    }
}

// Sea, a sandy island with a grassy heart and a palm, drawn once straight onto
// the screen surface; presenting the frame is the drawing context's business.
void CControllerIntro::DrawPicture()
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen) {
        return;
    }
    FillRect(screen, 0, 0, kScreenWidth, kScreenHeight, 24, 92, 160);
    FillEllipse(screen, 400, 340, 260, 130, 230, 210, 150);
    FillEllipse(screen, 400, 330, 190, 90, 70, 150, 60);
    FillRect(screen, 394, 200, 12, 130, 110, 75, 40);
    FillEllipse(screen, 400, 200, 70, 22, 40, 120, 40);
    drawn = true;
}
