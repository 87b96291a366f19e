// The trophy room: the cabinet of discs, what each rewards, and the reset.
#include "CControllerTrophies.h"

#include "CControllerPopUp.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "TrophyTable.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

static_assert(kTrophyCount == CControllerTrophies::kTrophies, "one look for every trophy");

constexpr int kBackgroundZ = 21999998;
constexpr int kGlowZ = 21999999;
constexpr int kBoxZ = 22000000;
constexpr int kTextZ = 22000005;
constexpr int kDiscZ = 22000010;
constexpr int kPictureZ = 22000020;

constexpr int kBoxX[3] = {181, 278, 196};
constexpr int kBoxY[3] = {10, 17, 50};
const char* const kBoxImages[3] = {"trophies_boxA.png", "trophies_boxB.jpg", "trophies_boxC.jpg"};
// The glow is larger than a disc by this much on every side.
constexpr int kGlowMargin = 34;

constexpr int kBackLabelId = 19000;
constexpr int kResetLabelId = 19001;
constexpr int kFirstTitleId = 19010;
constexpr int kFirstDescriptionId = 19110;
constexpr int kResetQuestionId = 12213;
constexpr int kTextW = 300, kTextH = 200;
constexpr int kTitleX = 400, kTitleY = 41;
constexpr int kDescriptionX = 400, kDescriptionY = 121;
constexpr int kCentredBothWays = 3;

constexpr int kBackButton = 0;
constexpr int kResetButton = 1;
constexpr int kFirstTutorialId = 1000, kLastTutorialId = 1999;
constexpr int kTutorialOnProperty = 67;
// The step that teaches the reset, and the one before it that the trophy
// pop-up teaches.
constexpr int kRoomStep = 36;
constexpr int kPopUpStep = 35;

bool TutorialOn()
{
    return CProfile::current->GetValue<bool>(kTutorialOnProperty);
}

CSprite* HiddenText(int id, int cx, int cy)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(id, kTextW, kTextH, kCentredBothWays, lines, 43, 38, 23, nullptr, nullptr, nullptr,
                         nullptr, nullptr);
    text->CenterAt(cx, cy);
    text->Hide();
    return text;
}

CGuiButton* RoomButton(CController* owner, int id, int x, int y, int label, const char* base, const char* shadow,
                      const char* rollover)
{
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, x, y, label, base, shadow, rollover, -2, -2));
}

}  // namespace

CControllerPopUp* CControllerTrophies::popUp = nullptr;

CControllerTrophies::CControllerTrophies()
    : backButton(nullptr),
      resetButton(nullptr),
      background(nullptr),
      boxes{},
      glow(nullptr),
      discs{},
      pictures{},
      titles{},
      descriptions{},
      hovered(-1),
      spritesLoaded(false)
{
    LoadSprites();
}

CControllerTrophies::~CControllerTrophies()
{
    CTutorialDialog::CompleteTutorial(kRoomStep);
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = nullptr;
    for (CTutorialDialog* dialog : dialogs) {
        delete dialog;
    }
    // Only an opener that deletes the room while its question is open leaves
    // one behind; the question's owner is gone then.
    delete popUp;
    popUp = nullptr;
    UnloadSprites();
}

void CControllerTrophies::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    glow = CSprite::ImageAt("trophies_discglow.png", 0, 0, kGlowZ);
    glow->Hide();
    background = CSprite::ImageAt("trophies_bg.jpg", 0, 0, kBackgroundZ);
    for (int box = 0; box < 3; box++) {
        boxes[box] = CSprite::ImageAt(kBoxImages[box], kBoxX[box], kBoxY[box], kBoxZ);
    }
    for (int trophy = 0; trophy < kTrophies; trophy++) {
        const trophy_data& look = kTrophyLooks[trophy];
        discs[trophy] =
            CSprite::ImageAt(TempSprintf("trophies_disc%c_base.png", look.disc), look.roomDisc.x, look.roomDisc.y,
                             kDiscZ);
        pictures[trophy] = CSprite::ImageAt(TempSprintf("trophies_tr_%s.png", look.name), look.roomPicture.x,
                                            look.roomPicture.y, kPictureZ);
        if (!IsTrophyComplete(1 << trophy)) {
            pictures[trophy]->Hide();
        }
    }
    backButton = RoomButton(this, kBackButton, 596, 536, kBackLabelId, "trophies_button_back_base.png",
                            "trophies_button_back_shad.png", "trophies_button_back_roll%i.png");
    resetButton = RoomButton(this, kResetButton, 16, 536, kResetLabelId, "trophies_button_reset_base.png",
                            "trophies_button_reset_shad.png", "trophies_button_reset_roll%i.png");

    CMouseCursor::ShowMouse();
    // Step 36 talks about the reset; the button comes back with its okay.
    if (TutorialOn() && !CTutorialDialog::IsTutorialComplete(kRoomStep) &&
        CTutorialDialog::IsTutorialComplete(kPopUpStep)) {
        resetButton->Hide();
    }
    spritesLoaded = true;
}

void CControllerTrophies::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    delete glow;
    delete background;
    for (CSprite*& box : boxes) {
        delete box;
        box = nullptr;
    }
    for (int trophy = 0; trophy < kTrophies; trophy++) {
        delete discs[trophy];
        delete pictures[trophy];
        delete titles[trophy];
        delete descriptions[trophy];
        discs[trophy] = pictures[trophy] = titles[trophy] = descriptions[trophy] = nullptr;
    }
    delete backButton;
    delete resetButton;
    glow = background = nullptr;
    backButton = resetButton = nullptr;
    spritesLoaded = false;
}

bool CControllerTrophies::PictureShown(int trophy)
{
    return !pictures[trophy]->Hidden();
}

void CControllerTrophies::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    if (popUp->answer) {
        ResetAllTrophies();
        // Trophies won and not yet announced are no longer held either: left
        // queued, their pop-ups would announce what the reset took away.
        trophyUnlockQueue = {};
        for (CSprite* picture : pictures) {
            picture->Hide();
        }
    }
    delete popUp;
    popUp = nullptr;
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
    CMouseCursor::ShowMouse();
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
}

void CControllerTrophies::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
    int hit = -1;
    for (int trophy = 0; trophy < kTrophies && hit < 0; trophy++) {
        if (discs[trophy]->IsCollisionPixelPerfect(x, y)) {
            hit = trophy;
        }
    }
    ShowHovered(hit);
    PumpTutorial();
}

// Only a change of disc touches the sprites, so a resting pointer costs the
// renderer nothing.
void CControllerTrophies::ShowHovered(int trophy)
{
    if (trophy == hovered) {
        return;
    }
    if (hovered >= 0) {
        titles[hovered]->Hide();
        descriptions[hovered]->Hide();
    }
    hovered = trophy;
    if (trophy < 0) {
        glow->Hide();
        return;
    }
    // Fifty shadowed texts would take most of the room's opening; each pair
    // is made the first time its disc is pointed at.
    if (!titles[trophy]) {
        titles[trophy] = HiddenText(kFirstTitleId + trophy, kTitleX, kTitleY);
        descriptions[trophy] = HiddenText(kFirstDescriptionId + trophy, kDescriptionX, kDescriptionY);
    }
    titles[trophy]->UnHide();
    descriptions[trophy]->UnHide();
    glow->Move(discs[trophy]->GetX() - kGlowMargin, discs[trophy]->GetY() - kGlowMargin);
    glow->UnHide();
}

void CControllerTrophies::PumpTutorial()
{
    if (TutorialOn()) {
        if (CTutorialDialog::nextTutorial == -1) {
            CTutorialDialog::DetermineNextTutorial();
            return;
        }
        if (!CTutorialDialog::activeDialog && CTutorialDialog::nextTutorial == kRoomStep) {
            dialogs.push_back(new CTutorialDialog(kRoomStep, this));
            CMouseCursor::ShowMouse();
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = nullptr;
            return;
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 0);
    }
}

void CControllerTrophies::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerTrophies::HourglassAndRender()
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
}

void CControllerTrophies::GUICallback(int id, int)
{
    if (id >= kFirstTutorialId && id <= kLastTutorialId) {
        CMouseCursor::ShowHourglass(true);
        CTutorialDialog::CompleteTutorial(id - kFirstTutorialId);
        resetButton->UnHide();
        return;
    }
    HourglassAndRender();
    if (id == kBackButton) {
        ShutDown(0);
        return;
    }
    feedback_data question{};
    question.id = kResetQuestionId;
    popUp = new CControllerPopUp(question, false, -1);
    PassFocus(popUp);
}
