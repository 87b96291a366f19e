#include "CControllerPopUp.h"

#include "CControllerGame.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <SDL.h>

#include <string>

namespace {

constexpr int kDefaultDepth = 25000000;
constexpr int kOkayTextId = 12000, kYesTextId = 12001, kCancelTextId = 12002;
constexpr int kCentredBothWays = 3;
constexpr int kNarrationProperty = 66, kTutorialOnProperty = 67;
constexpr int kPopUpTutorialStep = 78;
constexpr int kLastOwnScriptStep = 72;
constexpr int kTutorialOkayFirst = 1000, kTutorialOkayLast = 1999;

struct id_range {
    int first, last;
};

// The texts long enough for the large box.
constexpr id_range kLargeTexts[] = {
    {12005, 12005}, {12009, 12016}, {12018, 12019}, {12307, 12307}, {12313, 12313}, {12350, 12350},
    {12353, 12353}, {26001, 26011}, {26100, 26106}, {26200, 26208}, {26300, 26303}, {26400, 26402},
    {26405, 26406}, {26500, 26504}, {26600, 26605}, {26609, 26611}};

struct narration_row {
    int stringId;
    const char* file;
};

constexpr narration_row kNarrations[] = {{26007, "mystery1.dat"}, {26008, "mystery2.dat"}, {26106, "mystery3.dat"},
                                         {26208, "mystery4.dat"}, {26303, "mystery5.dat"}, {26406, "mystery6.dat"},
                                         {26503, "mystery7.dat"}, {26605, "mystery8.dat"}};

struct layout {
    const char* back;
    int backX, backY;
    const char* front;
    int frontX, frontY;
    int textW, textH;
    int centreX, centreY;
    int questionX, questionY;
    int noticeX, noticeY;
    int cancelX, cancelY;
};

constexpr layout kSmall = {"dialog_main_A_A.png", 232, 135, "dialog_main_A_B.jpg", 243, 147, 295, 200, 404, 246,
                           244, 348, 324, 348, 403, 349};
constexpr layout kLarge = {"dialog_main_B_A.png", 197, 98, "dialog_main_B_B.jpg", 210, 112, 360, 235, 404, 232,
                           243, 356, 323, 356, 402, 357};

const char* Insert(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

struct button_images {
    const char* base;
    const char* shadow;
    const char* rollover;  // five frames
};

constexpr button_images kOkayImages = {"dialog_button_okay_base.png", "dialog_button_okay_shad.png",
                                       "dialog_button_okay_roll%i.png"};
constexpr button_images kCancelImages = {"dialog_button_cancel_base.png", "dialog_button_cancel_shad.png",
                                         "dialog_button_cancel_roll%i.png"};

CGuiButton* DialogButton(CController* owner, int id, int textId, const button_images& images, int x, int y,
                         int labelX, int labelY, int z)
{
    button_data data = CGuiButton::ScreenButton(owner, id, x, y, textId, images.base, images.shadow, images.rollover,
                                                labelX, labelY);
    data.z = z;
    return new CGuiButton(data);
}

}  // namespace

bool CControllerPopUp::UsesLargeLayout(int stringId)
{
    for (const id_range& range : kLargeTexts) {
        if (stringId >= range.first && stringId <= range.last) {
            return true;
        }
    }
    return false;
}

const char* CControllerPopUp::NarrationFor(int stringId)
{
    for (const narration_row& row : kNarrations) {
        if (row.stringId == stringId) {
            return row.file;
        }
    }
    return nullptr;
}

CControllerPopUp::CControllerPopUp(const feedback_data& asked, bool noticeOnly, int depth)
    : firstButton(nullptr), cancelButton(nullptr), boxBack(nullptr), boxFront(nullptr), fader(nullptr),
      text(nullptr), loaded(false), narration(nullptr), answer(false), request{},
      tutorial(nullptr)
{
    LoadSprites(asked, noticeOnly, depth);
}

CControllerPopUp::~CControllerPopUp()
{
    if (CTutorialDialog::IsTutorialComplete(kPopUpTutorialStep - 1) &&
        !CTutorialDialog::IsTutorialComplete(kPopUpTutorialStep)) {
        CTutorialDialog::CompleteTutorial(kPopUpTutorialStep);
        if (CControllerGame::game) {
            CControllerGame::game->pendingTutorial = -1;
        }
    }
    DeleteAndClear(CTutorialDialog::tutorialCircle);
    UnloadSprites();
    delete tutorial;
}

void CControllerPopUp::LoadSprites(const feedback_data& asked, bool noticeOnly, int depth)
{
    if (loaded) {
        return;
    }
    request = asked;
    const int z = depth == -1 ? kDefaultDepth : depth;
    answer = false;
    const bool notice = noticeOnly || request.noticeOnly != 0;
    const layout& box = UsesLargeLayout(request.id) ? kLarge : kSmall;

    fader = new CSprite(0, 0, z - 1);
    fader->LoadImage("fader_lighter.png");
    boxBack = new CSprite(box.backX, box.backY, z);
    boxBack->LoadImage(box.back);
    boxFront = new CSprite(box.frontX, box.frontY, z);
    boxFront->LoadImage(box.front);

    text = new CSprite(z + 5);
    int lines = 0;
    const std::string number = std::to_string(request.number);
    text->LoadTextShadow(request.id, box.textW, box.textH, kCentredBothWays, lines, 41, 35, 28,
                         Insert(request.insert[0]), Insert(request.insert[1]), Insert(request.insert[2]),
                         Insert(request.insert[3]), number.c_str());
    text->CenterAt(box.centreX, box.centreY);

    firstButton = DialogButton(this, 0, notice ? kOkayTextId : kYesTextId, kOkayImages,
                               notice ? box.noticeX : box.questionX, notice ? box.noticeY : box.questionY, -2, -2,
                               z + 10);
    if (!notice) {
        cancelButton = DialogButton(this, 1, kCancelTextId, kCancelImages, box.cancelX, box.cancelY, -4,
                                    -4, z + 10);
    }
    if (const char* file = NarrationFor(request.id)) {
        narration = new CSound(file, false, 1.0f, true);
        if (CProfile::current->GetValue<bool>(kNarrationProperty)) {
            narration->Play(false, 10, 0.0f, false);
        }
    }
    CMouseCursor::ShowMouse();
    loaded = true;
}

void CControllerPopUp::UnloadSprites()
{
    if (!loaded) {
        return;
    }
    DeleteAndClear(fader);
    DeleteAndClear(boxBack);
    DeleteAndClear(boxFront);
    DeleteAndClear(text);
    DeleteAndClear(narration);
    DeleteAndClear(firstButton);
    DeleteAndClear(cancelButton);
    loaded = false;
}

void CControllerPopUp::GotFocusBack() {}

void CControllerPopUp::Close()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
        const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
        renderer->AddSpecialDirty(x - 50, y - 50, 100, 100, true);
    }
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}

void CControllerPopUp::Pump()
{
    GetInput();
    if (!hasFocus || (CController::pause && !CController::frame)) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    if (CProfile::current->GetValue<bool>(kTutorialOnProperty)) {
        int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
        }
        if ((step == -1 || step > kLastOwnScriptStep) && CControllerGame::game) {
            step = CControllerGame::game->pendingTutorial;
        }
        if (!CTutorialDialog::activeDialog && step == kPopUpTutorialStep) {
            delete tutorial;
            tutorial = new CTutorialDialog(kPopUpTutorialStep, this);
            CMouseCursor::ShowMouse();
            DeleteAndClear(CTutorialDialog::tutorialCircle);
            return;
        }
    }
    // The world stands still under the notice, but a ring it points at
    // keeps moving.
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
    }
}

void CControllerPopUp::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        Close();
    }
}

void CControllerPopUp::GUICallback(int id, int)
{
    if (id >= kTutorialOkayFirst && id <= kTutorialOkayLast) {
        CMouseCursor::ShowHourglass(true);
        CTutorialDialog::CompleteTutorial(id - kTutorialOkayFirst);
        if (CControllerGame::game) {
            CControllerGame::game->pendingTutorial = -1;
        }
        CMouseCursor::ShowMouse();
        return;
    }
    answer = id == 0;
    Close();
}
