#include "CControllerCredits.h"

#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"

#include <SDL.h>

namespace {

constexpr int kFaderZ = 21999999;
constexpr int kPanelZ = 22000000;
constexpr int kTextZ = 22000005;
constexpr int kLeft = 0, kCentredBothWays = 3;
constexpr int kCloseButton = 0;

CSprite* Text(int id, int w, int h, int alignment, const char* insert)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(id, w, h, alignment, lines, 41, 35, 28, insert, nullptr, nullptr, nullptr, nullptr);
    return text;
}

}  // namespace

CControllerCredits::CControllerCredits()
    : closeButton(nullptr),
      outerPanel(nullptr),
      innerPanel(nullptr),
      fader(nullptr),
      creditsText(nullptr),
      heading(nullptr),
      versionLine(nullptr),
      spritesLoaded(false)
{
    LoadSprites();
}

CControllerCredits::~CControllerCredits()
{
    UnloadSprites();
}

void CControllerCredits::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    outerPanel = CSprite::ImageAt("credits_mainA.png", 119, 58, kPanelZ);
    innerPanel = CSprite::ImageAt("credits_mainB.jpg", 144, 84, kPanelZ);
    creditsText = Text(13000, 470, 300, kLeft, nullptr);
    creditsText->Move(170, 132);
    heading = Text(13002, 100, 50, kCentredBothWays, nullptr);
    heading->CenterAt(395, 117);
    versionLine = Text(13003, 450, 100, kCentredBothWays, "Version 1.0");
    versionLine->CenterAt(395, 407);

    closeButton = new CGuiButton(CGuiButton::ScreenButton(this, kCloseButton, 330, 451, 13001,
                                                          "credits_button_base.png", "credits_button_shad.png",
                                                          "credits_button_roll%i.png", -2, -2));
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerCredits::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&outerPanel, &innerPanel, &fader, &creditsText, &heading, &versionLine}) {
        delete *sprite;
        *sprite = nullptr;
    }
    delete closeButton;
    closeButton = nullptr;
    spritesLoaded = false;
}

void CControllerCredits::GotFocusBack() {}

void CControllerCredits::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
}

void CControllerCredits::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        Close();
    }
}

void CControllerCredits::GUICallback(int, int)
{
    Close();
}

void CControllerCredits::Close()
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}
