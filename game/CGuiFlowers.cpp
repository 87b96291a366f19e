#include "CGuiFlowers.h"

#include "CDropper.h"
#include "CGuiButton.h"
#include "CMysteriousObject.h"
#include "CSprite.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr float kAwayX = -138.0f;
constexpr int kPanelZ = 20000000;
constexpr int kSelectorZ = 22999999;
constexpr int kIconZ = 23000006;
constexpr int kTopY = 86, kBottomY = 129;
constexpr int kIconImages = 14;
constexpr int kRolloverFrames = 5;
// The image a backward-playing icon skips back from, so it shuts quickly.
constexpr int kIconSnapImage = 4;
constexpr int kPush = 2;
constexpr float kLeaveSpeed = 15.0f;
constexpr int kFirstColourId = 6;

// The colour that locks the last slot until its mystery is solved.
constexpr int kLockedSlot = 6;
constexpr int kLockingMystery = 2;
constexpr int kLockedLabel = 20004, kUnlockedLabel = 20005;

struct colour_slot {
    const char* name;  // in the icon images
    int buttonX, buttonY;
    int iconX, iconY;
    int selectorX, selectorY;
};
constexpr colour_slot kSlots[CGuiFlowers::SLOTS] = {
    {"white", 10, 143, 17, 146, 5, 139},   {"yellow", 44, 143, 50, 148, 39, 138},
    {"pink", 78, 143, 82, 147, 73, 138},   {"dkblue", 9, 174, 15, 178, 4, 169},
    {"ltblue", 43, 174, 51, 178, 39, 170}, {"purple", 78, 175, 83, 178, 73, 170},
    {"orange", 42, 206, 50, 209, 37, 201},
};

struct tool_button {
    int id;
    const char* name;
    int x, y;
    int label;
    int labelX, labelY;
};
constexpr tool_button kTools[4] = {
    {13, "spray", 19, 242, 20000, 7, -2},
    {14, "erase", 19, 275, 20001, -2, -2},
    {15, "eraseall", 18, 307, 20002, -4, -2},
    {16, "close", 19, 338, 20003, -2, -2},
};

// The rollover frames of the buttons, in id order, each with the button's
// frame number still to fill in.
constexpr const char* kRollovers[11] = {
    "flowerGUI_button_1_roll%i.png",     "flowerGUI_button_2_roll%i.png",     "flowerGUI_button_3_roll%i.png",
    "flowerGUI_button_4_roll%i.png",     "flowerGUI_button_5_roll%i.png",     "flowerGUI_button_6_roll%i.png",
    "flowerGUI_button_7_roll%i.png",     "flowerGUI_button_spray_roll%i.png", "flowerGUI_button_erase_roll%i.png",
    "flowerGUI_button_eraseall_roll%i.png", "flowerGUI_button_close_roll%i.png",
};

// name: the slot's number or the tool's word in the image names.
button_data PanelButton(CController* owner, int id, const char* name, int x, int y)
{
    button_data data;
    data.owner = owner;
    data.id = id;
    data.x = x;
    data.y = y;
    data.baseImage = TempSprintf("flowerGUI_button_%s_base.png", name);
    data.shadowImage = TempSprintf("flowerGUI_button_%s_shad.png", name);
    data.rolloverImage = kRollovers[id - kFirstColourId];
    data.rolloverFrames = kRolloverFrames;
    return data;
}

// Halves away from zero.
int RoundX(float x)
{
    return Round(x);
}

}  // namespace

CGuiFlowers::CGuiFlowers(CController* owner)
    : x(kAwayX),
      slideState(0),
      wanted(0),
      chosen(-1),
      slider(nullptr),
      panelTop(nullptr),
      panelBottom(nullptr),
      pressed{},
      selector{},
      icon{},
      colourButton{},
      sprayButton(nullptr),
      eraseButton(nullptr),
      eraseAllButton(nullptr),
      closeButton(nullptr),
      hidden(false)
{
    panelTop = CSprite::ImageAt("flowerGUI_main_A.png", 0, kTopY, kPanelZ);
    panelBottom = CSprite::ImageAt("flowerGUI_main_B.jpg", 0, kBottomY, kPanelZ);

    const bool orangeOpen = CMysteriousObject::IsComplete(kLockingMystery);
    for (int slot = 0; slot < SLOTS; slot++) {
        const colour_slot& look = kSlots[slot];
        icon[slot] = new CSprite(kIconZ, 1);
        icon[slot]->LoadImage(TempSprintf("flowerGUI_icon_%s", look.name), 0, kIconImages - 1, ".png");
        icon[slot]->PauseWhenDone();
        icon[slot]->ResetStart();
        icon[slot]->Pause();
        icon[slot]->Move(look.iconX, look.iconY);
        if (slot == kLockedSlot && !orangeOpen) {
            icon[slot]->Hide();
        }
        selector[slot] = new CSprite(look.selectorX, look.selectorY, kSelectorZ);
        selector[slot]->LoadImage(TempSprintf("flowerGUI_button_%i_selector.png", slot + 1));
        selector[slot]->Hide();
    }
    for (int slot = 0; slot < SLOTS; slot++) {
        const colour_slot& look = kSlots[slot];
        const std::string number = std::to_string(slot + 1);
        button_data data = PanelButton(owner, kFirstColourId + slot, number.c_str(), look.buttonX, look.buttonY);
        if (slot == kLockedSlot && !orangeOpen) {
            data.textId = kLockedLabel;
            data.textOffsetX = -2;
            data.textOffsetY = -1;
        }
        colourButton[slot] = new CGuiButton(data);
    }
    CGuiButton** tools[4] = {&sprayButton, &eraseButton, &eraseAllButton, &closeButton};
    for (int i = 0; i < 4; i++) {
        const tool_button& tool = kTools[i];
        button_data data = PanelButton(owner, tool.id, tool.name, tool.x, tool.y);
        data.textId = tool.label;
        data.textOffsetX = tool.labelX;
        data.textOffsetY = tool.labelY;
        data.labelShadowR = 46;
        data.labelShadowG = 43;
        data.labelShadowB = 24;
        if (tool.id == 13) {
            data.checkBox = true;
            data.checkBoxOffsetX = 3;
            data.checkBoxOffsetY = 2;
        }
        *tools[i] = new CGuiButton(data);
    }
    MoveAll();
}

CGuiFlowers::~CGuiFlowers()
{
    delete panelTop;
    delete panelBottom;
    for (int slot = 0; slot < SLOTS; slot++) {
        delete icon[slot];
        delete selector[slot];
        delete colourButton[slot];
    }
    delete sprayButton;
    delete eraseButton;
    delete eraseAllButton;
    delete closeButton;
    delete slider;
}

void CGuiFlowers::MoveAll()
{
    const int left = RoundX(x);
    panelTop->Move(left, kTopY);
    panelBottom->Move(left, kBottomY);
    for (int slot = 0; slot < SLOTS; slot++) {
        const colour_slot& look = kSlots[slot];
        colourButton[slot]->x = left + look.buttonX;
        colourButton[slot]->Redisplay();
        icon[slot]->Move(left + look.iconX, look.iconY);
        selector[slot]->Move(left + look.selectorX, look.selectorY);
    }
    CGuiButton* tools[4] = {sprayButton, eraseButton, eraseAllButton, closeButton};
    for (int i = 0; i < 4; i++) {
        tools[i]->x = left + kTools[i].x;
        tools[i]->Redisplay();
    }
}

void CGuiFlowers::Pump()
{
    if (slideState == 0) {
        chosen = -1;
    }
    if (wanted == 1 && slideState == 0) {
        delete slider;
        slider = new CDropper(static_cast<int>(kAwayX), 15.2f, -1.66f, 0, 0, 5);
        slideState = 3;
    }
    if (wanted == 0 && slideState == 1) {
        slideState = 2;
    }

    if (slideState == 3) {
        if (slider->IsDone()) {
            slideState = 1;
        } else {
            slider->Pump();
            x = static_cast<float>(slider->GetHeight());
            MoveAll();
        }
    } else if (slideState == 2) {
        x -= kLeaveSpeed;
        MoveAll();
        if (x < kAwayX) {
            slideState = 0;
        }
    }

    for (int slot = 0; slot < SLOTS; slot++) {
        CSprite* face = icon[slot];
        if (face->GetState() == -1 && face->GetFrame() == kIconSnapImage) {
            face->SetFrame(0);
        }
        face->PlayBackward();
        if (colourButton[slot]->IsMouseOver()) {
            face->PlayForward();
        }
        if (colourButton[slot]->IsHeldDown()) {
            if (!pressed[slot]) {
                face->Move(face->GetX() + kPush, face->GetY() + kPush);
                pressed[slot] = true;
            }
        } else if (pressed[slot]) {
            face->Move(face->GetX() - kPush, face->GetY() - kPush);
            pressed[slot] = false;
        }
    }

    for (CSprite* mark : selector) {
        mark->Hide();
    }
    if (chosen >= 0 && chosen < SLOTS && !hidden) {
        selector[chosen]->UnHide();
    }

    if (icon[kLockedSlot]->Hidden() && !hidden && CMysteriousObject::IsComplete(kLockingMystery)) {
        colourButton[kLockedSlot]->AlterText(kUnlockedLabel, nullptr);
        icon[kLockedSlot]->UnHide();
    }
}

void CGuiFlowers::Appear()
{
    wanted = 1;
}

void CGuiFlowers::Disappear()
{
    wanted = 0;
}

bool CGuiFlowers::IsVisible()
{
    return !hidden && wanted != 0;
}

bool CGuiFlowers::IsMouseOver()
{
    if (hidden || slideState == 0) {
        return false;
    }
    return panelTop->IsCollisionPixelPerfect(-1, -1) || panelBottom->IsCollisionPixelPerfect(-1, -1);
}

void CGuiFlowers::SetSpray(bool on)
{
    sprayButton->SetCheckbox(on);
}

void CGuiFlowers::Hide()
{
    hidden = true;
    panelTop->Hide();
    panelBottom->Hide();
    for (int slot = 0; slot < SLOTS; slot++) {
        icon[slot]->Hide();
        selector[slot]->Hide();
        colourButton[slot]->Hide();
    }
    for (CGuiButton* tool : {sprayButton, eraseButton, eraseAllButton, closeButton}) {
        tool->Hide();
    }
}

void CGuiFlowers::UnHide()
{
    hidden = false;
    panelTop->UnHide();
    panelBottom->UnHide();
    const bool orangeOpen = CMysteriousObject::IsComplete(kLockingMystery);
    for (int slot = 0; slot < SLOTS; slot++) {
        if (slot != kLockedSlot || orangeOpen) {
            icon[slot]->UnHide();
        }
        colourButton[slot]->UnHide();
    }
    for (CGuiButton* tool : {sprayButton, eraseButton, eraseAllButton, closeButton}) {
        tool->UnHide();
    }
}
