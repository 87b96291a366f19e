#include "CControllerProfile.h"

#include "CControllerExit.h"
#include "CControllerPopUp.h"
#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kFaderZ = 21999999;
constexpr int kPanelZ = 22000000;
constexpr int kHighlighterZ = 22000001;
constexpr int kCursorZ = 22000002;
constexpr int kTextZ = 22000005;
constexpr int kLeft = 0;

constexpr int kRowX = 277, kFirstRowY = 184, kRowStep = 29;
constexpr int kHighlighterX = 270;
constexpr int kHighlighterY[CControllerProfile::kRows] = {177, 204, 232, 260, 291};
constexpr int kRowText = 52010;
constexpr int kDeleteQuestion = 12355;
const char* const kNewName = "New Player";

constexpr int kBlinkFrames = 15;
constexpr int kRepeatAfter = 15;
constexpr int kDoubleClickFrames = 29;

constexpr int kBackspace = 8, kReturn = 13, kEscape = 27, kDelete = 127, kKeypadEnter = 271;
constexpr int kRightShift = 303, kLeftShift = 304;

constexpr screen_button_place kButtonPlaces[CControllerProfile::kButtons] = {
    {"profile_button_new_base.png", "profile_button_new_shad.png", "profile_button_new_roll%i.png", 267, 343,
     52000},
    {"profile_button_select_base.png", "profile_button_select_shad.png", "profile_button_select_roll%i.png", 415, 342,
     52001},
    {"profile_button_rename_base.png", "profile_button_rename_shad.png", "profile_button_rename_roll%i.png", 257, 400,
     52002},
    {"profile_button_delete_base.png", "profile_button_delete_shad.png", "profile_button_delete_roll%i.png", 417, 400,
     52003},
    {"profile_button_up_base.png", "profile_button_up_shad.png", "profile_button_up_roll%i.png", 521, 194,
     -1},
    {"profile_button_down_base.png", "profile_button_down_shad.png", "profile_button_down_roll%i.png", 522, 272,
     -1}};

CProfile& Profile()
{
    return *CProfile::current;
}

}  // namespace

CControllerPopUp* CControllerProfile::popUp = nullptr;

CControllerProfile::CControllerProfile()
    : buttons{},
      outerPanel(nullptr),
      innerPanel(nullptr),
      fader(nullptr),
      rows{},
      highlighters{},
      textCursor(nullptr),
      spritesLoaded(false),
      firstVisibleRow(0),
      editing(false),
      blinkCounter(0),
      shift(false),
      editBuffer{},
      keyRepeatCounter(0),
      heldKey(0),
      framesSinceClick(999),
      lastClickRow(-1)
{
    LoadSprites();
}

CControllerProfile::~CControllerProfile()
{
    // Only an opener that deletes the screen while it asks leaves a question.
    delete popUp;
    popUp = nullptr;
    UnloadSprites();
}

void CControllerProfile::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    framesSinceClick = 999;
    lastClickRow = -1;
    blinkCounter = 0;
    firstVisibleRow = 0;
    editing = shift = false;
    editBuffer[0] = 0;
    keyRepeatCounter = heldKey = 0;
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    outerPanel = CSprite::ImageAt("profile_mainA.png", 230, 106, kPanelZ);
    innerPanel = CSprite::ImageAt("profile_mainB.jpg", 241, 132, kPanelZ);
    for (int row = 0; row < kRows; row++) {
        highlighters[row] =
            CSprite::ImageAt(TempSprintf("profile_highlighter_%c.png", 'A' + row), kHighlighterX, kHighlighterY[row],
                             kHighlighterZ);
        highlighters[row]->Hide();
        rows[row] = nullptr;
    }
    textCursor = CSprite::ImageAt("islandselector_cursor.png", 0, 0, kCursorZ);
    textCursor->Hide();
    RenderText();

    for (int id = 0; id < kButtons; id++) {
        buttons[id] = new CGuiButton(CGuiButton::ScreenButton(this, id, kButtonPlaces[id], -2, -2));
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerProfile::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&fader, &outerPanel, &innerPanel, &textCursor}) {
        delete *sprite;
        *sprite = nullptr;
    }
    for (int row = 0; row < kRows; row++) {
        delete rows[row];
        delete highlighters[row];
        rows[row] = highlighters[row] = nullptr;
    }
    for (CGuiButton*& button : buttons) {
        delete button;
        button = nullptr;
    }
    spritesLoaded = false;
}

CSprite* CControllerProfile::MakeRow(int row, const char* name)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(kRowText, 300, 50, kLeft, lines, 74, 69, 38, name, nullptr, nullptr, nullptr, nullptr);
    text->Move(kRowX, kFirstRowY + kRowStep * row);
    text->dirtyOnDelete = true;
    return text;
}

void CControllerProfile::RenderText()
{
    for (CSprite*& row : rows) {
        delete row;
        row = nullptr;
    }
    const int count = Profile().GetNumProfiles();
    const int active = Profile().GetActiveAbsolute();
    if (active >= firstVisibleRow + kRows) {
        firstVisibleRow = active - (kRows - 1);
    }
    if (active < firstVisibleRow) {
        firstVisibleRow = active;
    }
    // A damaged header may list no active profile; the window stays put.
    if (firstVisibleRow < 0) {
        firstVisibleRow = 0;
    }
    for (int i = firstVisibleRow; i < count && i < firstVisibleRow + kRows; i++) {
        rows[i - firstVisibleRow] = MakeRow(i - firstVisibleRow, Profile().GetProfileNameAbsolute(i));
    }
    for (int row = 0; row < kRows; row++) {
        if (row == active - firstVisibleRow) {
            highlighters[row]->UnHide();
        } else {
            highlighters[row]->Hide();
        }
    }
    // Stored names may be longer than any this screen makes: the buffer
    // takes what fits.
    std::snprintf(editBuffer, sizeof editBuffer, "%s", Profile().GetActiveProfileName());
    editing = false;
}

void CControllerProfile::Type(char c)
{
    if (!editing) {
        return;
    }
    const size_t length = std::strlen(editBuffer);
    if (c == kBackspace) {
        if (length > 0) {
            editBuffer[length - 1] = 0;
        }
    } else if (length < kLongestName) {
        editBuffer[length] = c;
        editBuffer[length + 1] = 0;
    }
    const int row = Profile().GetActiveAbsolute() - firstVisibleRow;
    if (row >= 0 && row < kRows) {
        delete rows[row];
        rows[row] = MakeRow(row, editBuffer[0] ? editBuffer : " ");
    }
    Profile().SetActiveProfileName(editBuffer);
}

void CControllerProfile::TypeKey(int key, bool released)
{
    if (key == kRightShift || key == kLeftShift) {
        shift = !released;
        return;
    }
    if (released) {
        return;
    }
    if (key >= 'a' && key <= 'z') {
        Type(static_cast<char>(shift ? key - 32 : key));
    } else if ((key >= '0' && key <= '9') || key == ' ') {
        Type(static_cast<char>(key));
    } else if (key == kBackspace || key == kDelete) {
        Type(kBackspace);
    }
}

void CControllerProfile::ActiveChangedFrom(int oldPosition, bool changed)
{
    if (!changed && Profile().GetActiveAbsolute() == oldPosition) {
        return;
    }
    CControllerTrophies::trophyUnlockQueue = {};
    CControllerExit::ForgetPerson();
}

void CControllerProfile::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    if (popUp->answer) {
        Profile().DeleteProfileAbsolute(Profile().GetActiveAbsolute());
        ActiveChangedFrom(-1, true);
        RenderText();
    }
    delete popUp;
    popUp = nullptr;
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
    CMouseCursor::ShowMouse();
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
}

void CControllerProfile::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    const int row = Profile().GetActiveAbsolute() - firstVisibleRow;
    if (editing) {
        if (--blinkCounter <= -kBlinkFrames) {
            blinkCounter = kBlinkFrames;
        }
        if (blinkCounter <= 0) {
            textCursor->UnHide();
        } else {
            textCursor->Hide();
        }
        if (row >= 0 && row < kRows && rows[row]) {
            const size_t length = std::strlen(editBuffer);
            const int space = length > 0 && editBuffer[length - 1] == ' ' ? 8 : 0;
            textCursor->Move(rows[row]->GetX() + draw->GetRightEdge(rows[row]->GetFirstImage()) + space - 2,
                             rows[row]->GetY() - 1);
        } else {
            textCursor->Hide();
        }
    } else {
        textCursor->Hide();
    }
    if (heldKey) {
        keyRepeatCounter++;
        if (keyRepeatCounter % 2 == 0 && keyRepeatCounter > kRepeatAfter) {
            TypeKey(heldKey, false);
        }
    }
    framesSinceClick++;
}

void CControllerProfile::InputKey(bool released, int key)
{
    if (!hasFocus) {
        return;
    }
    if (released) {
        heldKey = 0;
    } else {
        heldKey = key;
        keyRepeatCounter = 0;
    }
    if (released && key == kEscape) {
        Close();
    } else if (released && (key == kReturn || key == kKeypadEnter)) {
        editing = false;
    } else {
        TypeKey(key, released);
    }
}

void CControllerProfile::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (left) {
        CGuiButtonBase::LeftMouseClick(released, false);
        if (!hasFocus) {
            return;
        }
    }
    if (!released) {
        return;
    }
    const int count = Profile().GetNumProfiles();
    int picked = -1;
    for (int row = 0; row < kRows && picked < 0; row++) {
        if (highlighters[row]->IsMouseOver(0, 0) && firstVisibleRow + row < count) {
            picked = row;
        }
    }
    if (picked < 0) {
        return;
    }
    const int oldPosition = Profile().GetActiveAbsolute();
    Profile().LoadProfileAbsolute(firstVisibleRow + picked);
    ActiveChangedFrom(oldPosition, false);
    RenderText();
    int shown = -2;
    for (int row = 0; row < kRows; row++) {
        if (!highlighters[row]->Hidden()) {
            shown = row;
        }
    }
    if (framesSinceClick <= kDoubleClickFrames && lastClickRow == shown) {
        GUICallback(kSelect, 0);
        return;
    }
    framesSinceClick = 0;
    lastClickRow = shown;
}

void CControllerProfile::HourglassAndRender()
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
}

void CControllerProfile::Close()
{
    HourglassAndRender();
    ShutDown(0);
}

void CControllerProfile::GUICallback(int id, int)
{
    const int active = Profile().GetActiveAbsolute();
    switch (id) {
    case kNew:
        Profile().AddProfile(kNewName);
        ActiveChangedFrom(active, true);
        RenderText();
        editing = true;
        break;
    case kSelect:
        Close();
        break;
    case kRename:
        editing = true;
        break;
    case kDelete: {
        HourglassAndRender();
        feedback_data question{};
        question.id = kDeleteQuestion;
        popUp = new CControllerPopUp(question, false, -1);
        PassFocus(popUp);
        break;
    }
    case kUp:
    case kDown:
        Profile().LoadProfileAbsolute(id == kUp ? active - 1 : active + 1);
        ActiveChangedFrom(active, false);
        RenderText();
        break;
    default:
        break;
    }
}
