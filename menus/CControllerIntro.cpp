#include "CControllerIntro.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSprite.h"

namespace {

// Above the island and the side panel, below dialogs and the pointer.
const int kBackgroundZ = 23000023;
// Set once an island has been stored in the profile.
constexpr int kGameUnderWayProperty = 31;

}  // namespace

CControllerGame* CControllerIntro::gameScreen = nullptr;

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
    if (!gameScreen) {
        ShutDown(-1);
        return;
    }
    delete gameScreen;
    gameScreen = nullptr;
    // The game closing with its opener (a stalled machine) lands here, on the
    // screen that stands for the menus; only a window close goes further.
    if (returnCode != -1) {
        returnCode = -2;
    }
    CProfile::current->SaveHeader();
    background->UnHide();
    CSound::PlayMusicTitle(true);
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

void CControllerIntro::InputMouseClick(bool left, bool, bool released)
{
    if (released || !hasFocus) {
        return;
    }
    if (left) {
        StartGame();
    } else {
        ShutDown(-1);
    }
}

void CControllerIntro::StartGame()
{
    background->Hide();
    const bool saved = CProfile::current->GetValue<bool>(kGameUnderWayProperty);
    // The walk grid is rebuilt before each island, or nobody could walk on it.
    CPersonMovement::GeneratePathMap();
    CMap* island = new CMap(!saved);
    if (saved) {
        island->LoadMap(true);
    }
    CControllerGame::island = island;
    gameScreen = new CControllerGame(!saved, false);
    PassFocus(gameScreen);
}
