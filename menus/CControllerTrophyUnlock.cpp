#include "CControllerTrophyUnlock.h"

#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "TrophyTable.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

constexpr int kFaderZ = 21999999;
constexpr int kPanelZ = 22000000;
constexpr int kTextZ = 22000005;
constexpr int kDiscZ = 22000010;
constexpr int kPictureZ = 22000020;

const char* const kPanelImages[3] = {"trophy_unlocked_main_A.png", "trophy_unlocked_main_B.jpg",
                                     "trophy_unlocked_main_C.jpg"};
constexpr coordinate kPanelAt[3] = {{198, 45}, {261, 53}, {293, 215}};
const char* const kBoxImages[3] = {"trophies_boxA.png", "trophies_boxB.jpg", "trophies_boxC.jpg"};
constexpr coordinate kBoxAt[3] = {{181, 301}, {278, 308}, {196, 341}};
constexpr coordinate kDiscAt = {355, 201};

constexpr int kHeadingId = 16000;
constexpr int kCloseLabelId = 16001;
constexpr int kViewLabelId = 16002;
constexpr int kFirstNameId = 16010;
constexpr int kFirstDescriptionId = 16110;
constexpr int kCentredBothWays = 3;

constexpr int kViewButton = 0;
constexpr int kCloseButton = 1;
constexpr int kFirstTutorialId = 1000, kLastTutorialId = 1999;
constexpr int kTutorialOnProperty = 67;
// Steps 24 to 34 teach building and dust; a trophy won means they are past.
constexpr int kFirstPassedStep = 24, kLastPassedStep = 34;
constexpr int kPopUpStep = 35;
constexpr int kRoomStep = 36;
constexpr int kTutorialDrop = 30;
// Step 35's ring goes round the view button.
constexpr int kCircleX = 233, kCircleY = 474;

bool TutorialOn()
{
    return CProfile::current->GetValue<bool>(kTutorialOnProperty);
}

CSprite* Text(int id, int cx, int cy, int h, unsigned char r, unsigned char g, unsigned char b)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(id, 300, h, kCentredBothWays, lines, r, g, b, nullptr, nullptr, nullptr, nullptr, nullptr);
    text->CenterAt(cx, cy);
    return text;
}

CGuiButton* DialogButton(CController* owner, int id, int x, int y, int label, const char* base, const char* shadow,
                        const char* rollover)
{
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, x, y, label, base, shadow, rollover, -2, -4));
}

}  // namespace

CControllerTrophyUnlock::CControllerTrophyUnlock(int mask)
    : dismissed(false),
      trophy(-1),
      yOffset(0),
      fader(nullptr),
      panels{},
      boxes{},
      disc(nullptr),
      picture(nullptr),
      heading(nullptr),
      name(nullptr),
      description(nullptr),
      viewButton(nullptr),
      closeButton(nullptr),
      sndUnlock(nullptr),
      spritesLoaded(false)
{
    LoadSprites(mask);
}

CControllerTrophyUnlock::~CControllerTrophyUnlock()
{
    CTutorialDialog::CompleteTutorial(kPopUpStep);
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = nullptr;
    // A dialog left open would keep an okay button whose owner is gone.
    for (CTutorialDialog* dialog : dialogs) {
        delete dialog;
    }
    UnloadSprites();
}

// A mask names one trophy; should it carry several, the lowest is announced
// rather than one between them.
int CControllerTrophyUnlock::TrophyIndex(int mask)
{
    for (int bit = 0; bit < kTrophyCount; bit++) {
        if (mask & (1 << bit)) {
            return bit;
        }
    }
    return -1;
}

void CControllerTrophyUnlock::LoadSprites(int mask)
{
    if (spritesLoaded) {
        return;
    }
    for (int step = kFirstPassedStep; step <= kLastPassedStep; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }
    dismissed = false;
    trophy = TrophyIndex(mask);
    yOffset = TutorialOn() && !CTutorialDialog::IsTutorialComplete(kPopUpStep) ? kTutorialDrop : 0;

    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    // All six share one depth, so the order of making decides: the three
    // panels first, the text boxes over them.
    for (int panel = 0; panel < 3; panel++) {
        panels[panel] = CSprite::ImageAt(kPanelImages[panel], kPanelAt[panel].x, kPanelAt[panel].y + yOffset, kPanelZ);
    }
    for (int box = 0; box < 3; box++) {
        boxes[box] = CSprite::ImageAt(kBoxImages[box], kBoxAt[box].x, kBoxAt[box].y + yOffset, kPanelZ);
    }
    // A mask without a trophy gets the heading and the buttons only.
    if (trophy >= 0) {
        const trophy_data& look = kTrophyLooks[trophy];
        disc = CSprite::ImageAt(TempSprintf("trophies_disc%c_base.png", look.disc), kDiscAt.x, kDiscAt.y + yOffset,
                                kDiscZ);
        picture = CSprite::ImageAt(TempSprintf("trophies_tr_%s.png", look.name), look.popUpPicture.x,
                                   look.popUpPicture.y + yOffset, kPictureZ);
    }

    heading = Text(kHeadingId, 401, 77 + yOffset, 50, 41, 35, 28);
    if (trophy >= 0) {
        name = Text(kFirstNameId + trophy, 401, 333 + yOffset, 50, 41, 35, 28);
        description = Text(kFirstDescriptionId + trophy, 401, 410 + yOffset, 200, 55, 51, 39);
    }
    viewButton = DialogButton(this, kViewButton, 242, 456 + yOffset, kViewLabelId, "dialog_button_okay_base.png",
                            "dialog_button_okay_shad.png", "dialog_button_okay_roll%i.png");
    closeButton = DialogButton(this, kCloseButton, 409, 455 + yOffset, kCloseLabelId, "dialog_button_cancel_base.png",
                            "dialog_button_cancel_shad.png", "dialog_button_cancel_roll%i.png");

    sndUnlock = new CSound("trophy_unlock.ogg", false, 0.75f, false);
    sndUnlock->Play(false, 0, 0.0f, false);

    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerTrophyUnlock::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    delete fader;
    for (int panel = 0; panel < 3; panel++) {
        delete panels[panel];
        delete boxes[panel];
        panels[panel] = boxes[panel] = nullptr;
    }
    delete disc;
    delete picture;
    delete heading;
    delete name;
    delete description;
    fader = disc = picture = heading = name = description = nullptr;
    delete viewButton;
    delete closeButton;
    viewButton = closeButton = nullptr;
    delete sndUnlock;
    sndUnlock = nullptr;
    spritesLoaded = false;
}

void CControllerTrophyUnlock::GotFocusBack() {}

void CControllerTrophyUnlock::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    PumpTutorial();
}

// Any step up to 35 still due shows here: the pop-up covers the game screen
// that would otherwise show it.
void CControllerTrophyUnlock::PumpTutorial()
{
    if (TutorialOn()) {
        const int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
            return;
        }
        if (!CTutorialDialog::activeDialog && step <= kPopUpStep) {
            dialogs.push_back(new CTutorialDialog(step, this));
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = nullptr;
            if (step == kPopUpStep) {
                CTutorialDialog::tutorialCircle = new CTutorialCircle(kCircleX, kCircleY, false, 'A');
                CTutorialDialog::tutorialCircle->Pump(0, 0, 0);
            }
            return;
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 0);
    }
}

void CControllerTrophyUnlock::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        CTutorialDialog::CompleteTutorial(kRoomStep);
        dismissed = true;
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerTrophyUnlock::GUICallback(int id, int)
{
    if (id >= kFirstTutorialId && id <= kLastTutorialId) {
        CTutorialDialog::CompleteTutorial(id - kFirstTutorialId);
        return;
    }
    dismissed = false;
    if (id == kCloseButton) {
        CTutorialDialog::CompleteTutorial(kRoomStep);
        dismissed = true;
    }
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}
