#include "CControllerIntro.h"

#include "CSprite.h"

namespace {

// Above the island and the side panel, below dialogs and the pointer.
const int kBackgroundZ = 23000023;

}  // namespace

CControllerIntro::CControllerIntro() : background(new CSprite(0, 0, kBackgroundZ))
{
    // Opaque and as large as the screen: every rectangle the renderer redraws
    // on this screen starts from it.
    background->LoadImage("logo_bg.jpg");
}

CControllerIntro::~CControllerIntro()
{
    delete background;
}

void CControllerIntro::GotFocusBack()
{
    ShutDown(-1);
}

void CControllerIntro::Pump()
{
    GetInput();
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
