#include "CMouseCursor.h"

#include "CController.h"
#include "CControllerGame.h"
#include "CPerson.h"
#include "CInput.h"
#include "CSprite.h"

#include <SDL.h>

#include <algorithm>

CSprite* CMouseCursor::sCursor = nullptr;
CSprite* CMouseCursor::sHourglass = nullptr;
int CMouseCursor::hideDuration = -1;
bool CMouseCursor::usePincer = false;

namespace {

const int kPointerZ = 900000000;
const int kScreenW = 800;
const int kScreenH = 600;

enum PointerImage { kUp = 0, kPincer = 1, kPressed = 2 };

// Where the pointer is drawn relative to the mouse, beyond its own hot spot.
// While the focused game screen holds a grown islander on the pointer, the
// pointer rises to the islander's hand; a child's hand is lower, so children
// are held by the pointer itself.
void HeldIslanderOffset(int& dx, int& dy)
{
    dx = 0;
    dy = 0;
    const CControllerGame* game = CControllerGame::game;
    if (!game || !game->hasFocus || !game->pickupCandidate || game->shiftCursorPending) {
        return;
    }
    CPerson* held = game->pickupCandidate;
    if (held->IsBaby() || held->IsKid()) {
        return;
    }
    dy = -50;
    dx = held->GetGender() != 0 ? 3 : 2;
}

// The hourglass centred a little below and right of the mouse.
void PlaceHourglass(CSprite* hourglass, int mx, int my)
{
    hourglass->Move(mx - hourglass->GetW() / 2 + 4, my - hourglass->GetH() / 2 + 3);
}

}  // namespace

CMouseCursor::CMouseCursor()
{
    hideDuration = -1;
    // The images are looked up by name in the drawing context, which ends the
    // program naming any that the archive lacks.
    sCursor = new CSprite(kPointerZ);
    sCursor->LoadImage("pointerA0.png");
    sCursor->LoadImage("pointerA1.png");
    sCursor->LoadImage("pointerA2.png");
    sHourglass = new CSprite(kPointerZ);
    sHourglass->LoadImage("mouse_hourglass.tga");
    sHourglass->Hide();
}

CMouseCursor::~CMouseCursor()
{
    delete sCursor;
    sCursor = nullptr;
    delete sHourglass;
    sHourglass = nullptr;
}

void CMouseCursor::Pump()
{
    int dx, dy;
    HeldIslanderOffset(dx, dy);
    const int mx = GetMouseX();
    const int my = GetMouseY();
    sCursor->Move(mx - 3 + dx, my - 2 + dy);
    PlaceHourglass(sHourglass, mx, my);
    const bool down = CController::input && CController::input->leftDown;
    sCursor->SetFrame(!down ? kUp : (usePincer ? kPincer : kPressed));
}

int CMouseCursor::GetMouseX()
{
    return CController::input ? CController::input->mouseX : 0;
}

int CMouseCursor::GetMouseY()
{
    return CController::input ? CController::input->mouseY : 0;
}

void CMouseCursor::HideMouse(int frames, bool renderNow)
{
    if (sCursor && sHourglass) {
        sCursor->Hide();
        sHourglass->Hide();
        if (renderNow) {
            sCursor->RenderNow();
            sHourglass->RenderNow();
        }
    }
    hideDuration = frames;
}

void CMouseCursor::ShowMouse()
{
    if (hideDuration >= 0) {
        hideDuration--;
        return;
    }
    if (sCursor && sHourglass) {
        sCursor->UnHide();
        sHourglass->Hide();
    }
}

void CMouseCursor::ShowHourglass(bool renderNow)
{
    if (!sCursor || !sHourglass) {
        return;
    }
    // Where the mouse is now, not where the last frame left it: the mouse may
    // have moved in this frame's events, and an hourglass drawn at once at
    // the old place, past the renderer, would stay on the screen when it
    // goes, with nothing to paint over it.
    PlaceHourglass(sHourglass, GetMouseX(), GetMouseY());
    sHourglass->UnHide();
    if (!sCursor->Hidden()) {
        sCursor->Hide();
        if (renderNow) {
            sHourglass->RenderNow();
        }
    }
}

bool CMouseCursor::IsHidden()
{
    return (!sCursor || sCursor->Hidden()) && (!sHourglass || sHourglass->Hidden());
}

void CMouseCursor::MoveCursor(int x, int y)
{
    x = std::clamp(x, 0, kScreenW);
    y = std::clamp(y, 0, kScreenH);
    CInput* input = CController::input;
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.state = SDL_GetMouseState(nullptr, nullptr);
    if (!input || input->absolute) {
        SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
        motion.motion.x = static_cast<Uint16>(x);
        motion.motion.y = static_cast<Uint16>(y);
    } else {
        // The pump adds the motion times the multiplier to the position set here.
        input->virtualX = static_cast<float>(x);
        input->virtualY = static_cast<float>(y);
        input->mouseX = x;
        input->mouseY = y;
        motion.motion.x = static_cast<Uint16>(x);
        motion.motion.y = static_cast<Uint16>(y);
        motion.motion.xrel = 1;
        motion.motion.yrel = 1;
    }
    SDL_PushEvent(&motion);
}
