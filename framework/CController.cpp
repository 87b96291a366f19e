#include "CController.h"

#include "CDraw.h"
#include "CGuiButtonBase.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CSound.h"
#include "Utilities.h"

#include <cassert>

namespace {

// Switches presenting on or off in the drawing context.
void SetRendering(bool on)
{
    if (CController::draw) {
        CController::draw->Rendering(on);
    }
}

}  // namespace

CController* CController::focus = nullptr;
bool CController::running = true;
bool CController::pause = false;
bool CController::frame = false;
CInput* CController::input = nullptr;
CDraw* CController::draw = nullptr;
CRenderer* CController::renderer = nullptr;
CSound* CController::sndClick = nullptr;
CSound* CController::sndRollover[3] = {nullptr, nullptr, nullptr};
CSound* CController::sndDisallowed = nullptr;

CController::CController() : parent(nullptr), hasFocus(false), returnCode(-2), showTutorialExtras(false) {}

CController::~CController() {}

void CController::GUICallback(int, int) {}

// Nothing in the screen flow ends the tutorial from outside; only the game
// screen has a tutorial to end.
void CController::EndTutorial() {}

void CController::PassFocus(CController* target)
{
    returnCode = -2;
    hasFocus = false;
    target->hasFocus = true;
    target->parent = this;
    focus = target;
}

void CController::GotFocus(CController* newParent, bool noCallback)
{
    hasFocus = true;
    focus = this;
    if (newParent) {
        parent = newParent;
        return;
    }
    if (!noCallback) {
        GotFocusBack();
    }
}

void CController::ShutDown(int code)
{
    returnCode = code;
    hasFocus = false;
}

void CController::InputQuit()
{
    ShutDown(-1);
}

void CController::Quit()
{
    if (focus) {
        focus->ShutDown(-1);
    }
}

void CController::HandBack(int code)
{
    returnCode = -2;
    hasFocus = false;
    if (!parent) {
        running = false;
        return;
    }
    CController* opener = parent;
    if (code == -1) {
        opener->returnCode = -1;
    } else if (code > 0) {
        opener->returnCode = code - 1;
    }
    opener->hasFocus = true;
    focus = opener;
    opener->GotFocusBack();
}

void CController::PassFocusBack(int code)
{
    HandBack(code);
}

void CController::PumpFocus()
{
    if (!focus) {
        return;
    }
    focus->Pump();
    CController* current = focus;
    const int code = current->returnCode;
    // Frames in which a chain of screens is closing are not presented.
    SetRendering(code == 0 || code == -2);
    if (code == -2) {
        return;
    }
    current->HandBack(code);
}

void CController::GetInput()
{
    assert(input);
    input->Pump(this);
}

void CController::SetMouseMultiplier(float multiplier)
{
    assert(input);
    input->multiplier = multiplier;
}

float CController::GetMouseMultiplier()
{
    assert(input);
    return input->multiplier;
}

void CController::SetMouseAbsolute(bool absolute)
{
    assert(input);
    input->absolute = absolute;
}

bool CController::GetMouseAbsolute()
{
    assert(input);
    return input->absolute;
}

void CController::LoadSounds()
{
    sndClick = new CSound("gui_click.ogg", false, 0.3f, false);
    for (int i = 0; i < 3; i++) {
        sndRollover[i] = new CSound(TempSprintf("gui_rollover%i.ogg", i), false, 0.3f, false);
    }
    sndDisallowed = new CSound("gui_disallowed.ogg", false, 0.5f, false);
}

void CController::UnloadSounds()
{
    delete sndClick;
    sndClick = nullptr;
    for (CSound*& sound : sndRollover) {
        delete sound;
        sound = nullptr;
    }
    delete sndDisallowed;
    sndDisallowed = nullptr;
}

void CController::PlayClick()
{
    if (sndClick) {
        sndClick->Play(false, 0, 0.0f, false);
    }
}

void CController::PlayRollover() {}

void CController::PlayRolloverMainMenu()
{
    CSound* sound = sndRollover[RangedRandom(0, 2)];
    if (sound) {
        sound->Play(false, 0, 0.0f, false);
    }
}

void CController::PlayDisallowed()
{
    if (sndDisallowed) {
        sndDisallowed->Play(false, 0, 0.0f, false);
    }
}

void CController::InputMouseMove(int, int)
{
    if (hasFocus) {
        CMouseCursor::ShowMouse();
    }
}

void CController::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (left) {
        CGuiButtonBase::LeftMouseClick(released, false);
    }
}
