#include "CInput.h"

#include "CController.h"
#include "CDraw.h"

#include <SDL.h>

namespace {

bool IsAltReturn(const SDL_KeyboardEvent& key)
{
    return key.keysym.sym == SDLK_RETURN && (key.keysym.mod & (KMOD_LALT | KMOD_RALT));
}

float ClampTo(float value, float limit)
{
    if (value >= limit) {
        return limit;
    }
    if (value <= 0) {
        return 0;
    }
    return value;
}

}  // namespace

CInput::CInput()
    : leftDown(false),
      rightDown(false),
      mouseX(0),
      mouseY(0),
      absolute(true),
      multiplier(1.0f),
      virtualX(0),
      virtualY(0)
{
    SDL_EnableUNICODE(0);
}

void CInput::Pump(CController* target)
{
    // A handler may end its screen, pass the focus on or hand it back, after
    // which the parent may already have deleted the screen: from then on
    // nothing more goes to it, and what is left in the queue waits for the
    // next screen that reads it.
    CController* const focused = CController::focus;
    const int code = target->returnCode;
    SDL_Event event;
    while (CController::focus == focused && target->returnCode == code && SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_ACTIVEEVENT:
            if (event.active.gain == 1 && CController::draw) {
                CController::draw->Flip(false);
            }
            break;
        case SDL_KEYDOWN:
            if (IsAltReturn(event.key)) {
                // Alt+Return toggles full screen and is never passed on.
                if (CController::draw) {
                    CController::draw->ToggleFullscreen();
                }
            } else {
                target->InputKey(false, event.key.keysym.sym);
            }
            break;
        case SDL_KEYUP:
            if (!IsAltReturn(event.key)) {
                target->InputKey(true, event.key.keysym.sym);
            }
            break;
        case SDL_MOUSEMOTION:
            if (absolute) {
                if (event.motion.x != mouseX || event.motion.y != mouseY) {
                    mouseX = event.motion.x;
                    mouseY = event.motion.y;
                    target->InputMouseMove(mouseX, mouseY);
                }
            } else if (event.motion.xrel != 0 || event.motion.yrel != 0) {
                virtualX = ClampTo(virtualX + event.motion.xrel * multiplier, 800);
                virtualY = ClampTo(virtualY + event.motion.yrel * multiplier, 600);
                mouseX = static_cast<int>(virtualX);
                mouseY = static_cast<int>(virtualY);
                target->InputMouseMove(mouseX, mouseY);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool released = event.type == SDL_MOUSEBUTTONUP;
            // The state changes after the handler, which still sees the old one.
            if (event.button.button == SDL_BUTTON_LEFT) {
                target->InputMouseClick(true, false, released);
                leftDown = !released;
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                target->InputMouseClick(false, true, released);
                rightDown = !released;
            }
            break;
        }
        case SDL_QUIT:
            target->InputQuit();
            break;
        default:
            break;
        }
    }
}
