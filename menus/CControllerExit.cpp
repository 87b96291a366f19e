#include "CControllerExit.h"

#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <SDL.h>

#include <cstdio>

namespace {

constexpr int kShadeZ = 21999999;
constexpr int kFrameZ = 22000000;
constexpr int kShadowZ = 22000001;
constexpr int kPortraitZ = 22000002;
constexpr int kTextZ = 22000005;
constexpr int kCentredBothWays = 3;

constexpr int kOkayButton = 0, kCancelButton = 1;
constexpr int kFirstQuitLine = 53100, kLastQuitLine = 53109;
constexpr int kSecondLineText = 53200;

CSprite* Line(int id, const char* insert, int cx, int cy)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(id, 300, 200, kCentredBothWays, lines, 41, 35, 28, insert, nullptr, nullptr, nullptr,
                         nullptr);
    text->CenterAt(cx, cy);
    return text;
}

CGuiButton* DialogButton(CController* owner, int id, int x, int y, int label, const char* base, const char* shadow,
                         const char* rollover)
{
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, x, y, label, base, shadow, rollover, -4, -2));
}

}  // namespace

int CControllerExit::personImage = -1;
char CControllerExit::personName[kNameSize] = {};
bool CControllerExit::personGender = false;

CControllerExit::CControllerExit() : result(false), okayButton(nullptr), cancelButton(nullptr), sprites{},
                                     spritesLoaded(false)
{
    LoadSprites();
}

CControllerExit::~CControllerExit()
{
    UnloadSprites();
}

void CControllerExit::SetPerson(int image, bool male, const char* name)
{
    ForgetPerson();
    personImage = image;
    personGender = male;
    std::snprintf(personName, sizeof personName, "%s", name ? name : "");
}

void CControllerExit::ForgetPerson()
{
    if (personImage != -1 && CSprite::draw) {
        CSprite::draw->RemoveImage(personImage);
    }
    personImage = -1;
}

void CControllerExit::LoadSprites()
{
    draw->Rendering(true);
    if (spritesLoaded) {
        return;
    }
    result = false;
    sprites[kShade] = CSprite::ImageAt("fader_lighter.png", 0, 0, kShadeZ);
    sprites[kFrameA] = CSprite::ImageAt("crateGUI_main_A.png", 175, 83, kFrameZ);
    sprites[kFrameB] = CSprite::ImageAt("crateGUI_main_B1.png", 222, 282, kFrameZ);
    sprites[kFrameC] = CSprite::ImageAt("crateGUI_main_C1.jpg", 239, 282, kFrameZ);
    sprites[kBlank] = CSprite::ImageAt("crateGUI_blank.jpg", 368, 200, kFrameZ);
    // The name goes in as an insert, never as part of a format, so a '%' in
    // it is only text.
    sprites[kFirstLine] = Line(RangedRandom(kFirstQuitLine, kLastQuitLine), personName, 397, 355);
    sprites[kSecondLine] = Line(kSecondLineText, nullptr, 397, 396);
    if (personImage != -1) {
        sprites[kPortrait] = new CSprite(kPortraitZ);
        sprites[kPortrait]->LoadImage(draw->CopyImage(personImage));
        sprites[kPortrait]->Move(personGender ? 381 : 371, personGender ? 183 : 175);
        sprites[kShadow] = CSprite::ImageAt("peopleshadow_adult.png", personGender ? 374 : 371, 252, kShadowZ);
    }
    okayButton = DialogButton(this, kOkayButton, 403, 429, 53000, "dialog_button_okay_base.png",
                              "dialog_button_okay_shad.png", "dialog_button_okay_roll%i.png");
    cancelButton = DialogButton(this, kCancelButton, 236, 428, 53001, "dialog_button_cancel_base.png",
                                "dialog_button_cancel_shad.png", "dialog_button_cancel_roll%i.png");
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerExit::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    if (result) {
        // The program is closing: the screens under this one must not flash
        // up on the way out.
        draw->skipFrames++;
        draw->Rendering(false);
    }
    for (CSprite*& sprite : sprites) {
        delete sprite;
        sprite = nullptr;
    }
    delete okayButton;
    delete cancelButton;
    okayButton = cancelButton = nullptr;
    spritesLoaded = false;
}

void CControllerExit::GotFocusBack() {}

void CControllerExit::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
}

void CControllerExit::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerExit::GUICallback(int id, int)
{
    result = id == kOkayButton;
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}
