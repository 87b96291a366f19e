#include "CControllerInGameMenu.h"

#include "CControllerInstructions.h"
#include "CControllerSettings.h"
#include "CControllerTrophies.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"

#include <SDL.h>

namespace {

constexpr int kFaderZ = 21999999;
constexpr int kPanelZ = 22000000;

constexpr screen_button_place kButtonPlaces[CControllerInGameMenu::kButtons] = {
    {"ingamemenu_button_A_base.png", "ingamemenu_button_A_shad.png", "ingamemenu_button_A_roll%i.png", 288, 151,
     14000},
    {"ingamemenu_button_B_base.png", "ingamemenu_button_B_shad.png", "ingamemenu_button_B_roll%i.png", 305, 220,
     14001},
    {"ingamemenu_button_C_base.png", "ingamemenu_button_C_shad.png", "ingamemenu_button_C_roll%i.png", 304, 279,
     14002},
    {"ingamemenu_button_D_base.png", "ingamemenu_button_D_shad.png", "ingamemenu_button_D_roll%i.png", 303, 339,
     14003},
    {"ingamemenu_button_E_base.png", "ingamemenu_button_E_shad.png", "ingamemenu_button_E_roll%i.png", 304, 396,
     14004}};

// Closing with this code closes the game screen and the island chooser too.
constexpr int kBackToMainMenu = 2;

}  // namespace

CControllerInstructions* CControllerInGameMenu::instructions = nullptr;
CControllerSettings* CControllerInGameMenu::settings = nullptr;
CControllerTrophies* CControllerInGameMenu::trophies = nullptr;

CControllerInGameMenu::CControllerInGameMenu() : buttons{}, panel(nullptr), fader(nullptr), spritesLoaded(false)
{
    LoadSprites();
}

CControllerInGameMenu::~CControllerInGameMenu()
{
    // Only a game screen deleted with a child open leaves one.
    delete instructions;
    delete settings;
    delete trophies;
    instructions = nullptr;
    settings = nullptr;
    trophies = nullptr;
    UnloadSprites();
}

void CControllerInGameMenu::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    panel = CSprite::ImageAt("ingamemenu_main.png", 170, 60, kPanelZ);
    for (int id = 0; id < kButtons; id++) {
        buttons[id] = new CGuiButton(CGuiButton::ScreenButton(this, id, kButtonPlaces[id], id == kResume ? -4 : -2, -2));
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerInGameMenu::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    delete panel;
    delete fader;
    panel = fader = nullptr;
    for (CGuiButton*& button : buttons) {
        delete button;
        button = nullptr;
    }
    spritesLoaded = false;
}

void CControllerInGameMenu::HideAll()
{
    fader->Hide();
    panel->Hide();
    for (CGuiButton* button : buttons) {
        button->Hide();
    }
}

void CControllerInGameMenu::UnHideAll()
{
    fader->UnHide();
    panel->UnHide();
    for (CGuiButton* button : buttons) {
        button->UnHide();
    }
}

bool CControllerInGameMenu::Shown()
{
    return !panel->Hidden();
}

void CControllerInGameMenu::GotFocusBack()
{
    bool returned = false;
    if (instructions) {
        delete instructions;
        instructions = nullptr;
        returned = true;
    }
    if (settings) {
        delete settings;
        settings = nullptr;
        returned = true;
    }
    if (trophies) {
        delete trophies;
        trophies = nullptr;
        returned = true;
    }
    if (!returned) {
        return;
    }
    UnHideAll();
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
    CMouseCursor::ShowMouse();
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
}

void CControllerInGameMenu::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
}

void CControllerInGameMenu::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerInGameMenu::HourglassAndRender()
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
}

void CControllerInGameMenu::GUICallback(int id, int)
{
    if (id < 0 || id >= kButtons) {
        return;
    }
    HourglassAndRender();
    if (id == kResume) {
        ShutDown(0);
        return;
    }
    if (id == kQuit) {
        ShutDown(kBackToMainMenu);
        return;
    }
    renderer->Render(true);
    HideAll();
    CController* child = nullptr;
    if (id == kInstructions) {
        child = instructions = new CControllerInstructions();
    } else if (id == kSettings) {
        child = settings = new CControllerSettings();
    } else {
        child = trophies = new CControllerTrophies();
    }
    PassFocus(child);
}
