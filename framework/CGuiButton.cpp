#include "CGuiButton.h"

#include "CController.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "Utilities.h"

namespace {

// Depth of each layer: relative to a given z, or fixed for the default z.
struct depth_data {
    int offset;
    int byDefault;
};

constexpr depth_data kDepths[] = {
    {0, 23000000},   // base
    {-1, 22999998},  // shadow
    {0, 23000001},   // rollover and pressed animation
    {3, 23000003},   // labels
    {4, 23000004},   // check-box shadow
    {5, 23000005},   // check-box base
    {6, 23000006},   // check-box rollover
};

// The two check-box looks: base, rollover frames 1 to 5, shadow.
constexpr const char* kCheckImages[2][3] = {
    {"personGUI_chkbox0A_base.png", "personGUI_chkbox0A_roll%i.png", "personGUI_chkbox0A_shad.png"},
    {"personGUI_chkbox0B_base.png", "personGUI_chkbox0B_roll%i.png", "personGUI_chkbox0B_shad.png"},
};
const int kCheckFrames = 5;

// The label is drawn over a shadow in this colour; a changed label in the other.
const unsigned char kLabelShadow[3] = {46, 43, 24};
const unsigned char kAlteredLabelShadow[3] = {65, 60, 32};
const int kCentredBothWays = 3;
// How far a held face sinks.
const int kSink = 2;

}  // namespace

CGuiButton::CGuiButton(button_data record)
    : CGuiButtonBase(record.x, record.y, record.id, record.owner, record.defaultButton),
      data(record),
      base(nullptr),
      rollover(nullptr),
      shadow(nullptr),
      pressed(nullptr),
      labels{},
      iconA(record.iconA),
      iconB(record.iconB),
      checkSprites{},
      mouseOverX(-1),
      mouseOverY(-1),
      mouseOverW(-1),
      mouseOverH(-1)
{
    // The icons belong to the button now; the record copy does not keep them.
    data.iconA = nullptr;
    data.iconB = nullptr;

    base = NewSprite(kBase);
    base->LoadImage(data.baseImage.c_str());
    base->Move(x, y);

    if (!data.shadowImage.empty()) {
        shadow = NewSprite(kShadow);
        shadow->LoadImage(data.shadowImage.c_str());
        shadow->Move(x + data.shadowOffsetX, y + data.shadowOffsetY);
    }

    rollover = NewSprite(kRollover);
    rollover->SetFramesPerStep(1);
    if (data.rolloverFrames > 1) {
        LoadFrames(rollover, data.rolloverImage.c_str(), 1, data.rolloverFrames);
    } else {
        rollover->LoadImage(data.rolloverImage.c_str());
    }
    rollover->Move(x, y);
    rollover->PauseWhenDone();
    rollover->Pause();
    rollover->ResetStart();
    rollover->Hide();

    if (!data.pressedImage.empty()) {
        pressed = NewSprite(kRollover);
        pressed->SetFramesPerStep(1);
        LoadFrames(pressed, data.pressedImage.c_str(), 0, 2);
        pressed->Move(x, y);
        pressed->PauseWhenDone();
        pressed->Hide();
    }

    if (data.textId == -1) {
        for (CSprite* icon : {iconA, iconB}) {
            if (icon) {
                icon->dirtyOnDelete = true;
            }
        }
        PlaceIcons(false);
    } else {
        // Icons are only shown on a button without a label.
        delete iconA;
        delete iconB;
        iconA = iconB = nullptr;
        MakeLabels(data.textId, nullptr, kLabelShadow[0], kLabelShadow[1], kLabelShadow[2]);
    }

    if (data.checkBox) {
        const Layer layers[3] = {kCheckBase, kCheckRollover, kCheckShadow};
        for (int set = 0; set < 2; set++) {
            for (int which = 0; which < 3; which++) {
                CSprite* sprite = NewSprite(layers[which]);
                if (which == 1) {
                    LoadFrames(sprite, kCheckImages[set][which], 1, kCheckFrames);
                    sprite->Hide();
                } else {
                    sprite->LoadImage(kCheckImages[set][which]);
                    if (set == 1) {
                        sprite->Hide();
                    }
                }
                sprite->Move(x + data.checkBoxOffsetX, y + data.checkBoxOffsetY);
                checkSprites[set * 3 + which] = sprite;
            }
        }
    }
}

button_data CGuiButton::ScreenButton(CController* owner, int id, int x, int y, int label, const char* base,
                                     const char* shadow, const char* rollover, int textOffsetX, int textOffsetY)
{
    button_data data;
    data.x = x;
    data.y = y;
    data.id = id;
    data.owner = owner;
    data.textId = label;
    data.baseImage = base;
    data.shadowImage = shadow;
    data.rolloverImage = rollover;
    data.rolloverFrames = 5;
    data.labelShadowR = 46;
    data.labelShadowG = 43;
    data.labelShadowB = 24;
    data.textOffsetX = textOffsetX;
    data.textOffsetY = textOffsetY;
    return data;
}

CGuiButton::~CGuiButton()
{
    delete base;
    delete rollover;
    delete shadow;
    delete pressed;
    DeleteLabels();
    delete iconA;
    delete iconB;
    for (CSprite* sprite : checkSprites) {
        delete sprite;
    }
}

int CGuiButton::Depth(Layer layer)
{
    return data.z == -1 ? kDepths[layer].byDefault : data.z + kDepths[layer].offset;
}

CSprite* CGuiButton::NewSprite(Layer layer)
{
    CSprite* sprite = new CSprite(Depth(layer));
    sprite->dirtyOnDelete = true;
    return sprite;
}

int CGuiButton::LabelX() { return x + data.textOffsetX - 2; }
int CGuiButton::LabelY() { return y + data.textOffsetY - 3; }
int CGuiButton::IconX(CSprite* icon) { return base->GetW() / 2 - icon->GetW() / 2; }
int CGuiButton::IconY(CSprite* icon) { return base->GetH() / 2 - icon->GetH() / 2; }

void CGuiButton::PlaceLabels(int sink)
{
    for (CSprite* label : labels) {
        if (label) {
            label->Move(LabelX() + sink, LabelY() + sink);
        }
    }
}

void CGuiButton::PlaceIcons(bool held)
{
    if (iconA) {
        // The pressed animation's face sits lower than the rollover's.
        const int dx = held ? 1 : (pressed ? 0 : -1);
        const int dy = held ? 1 : (pressed ? 1 : -1);
        iconA->Move(x + IconX(iconA) + dx, y + IconY(iconA) + dy);
    }
    if (iconB) {
        const int d = held ? 3 : 1;
        iconB->Move(x + IconX(iconB) + d, y + IconY(iconB) + d);
    }
}

void CGuiButton::MakeLabels(int textId, const char* insert, unsigned char r, unsigned char g, unsigned char b)
{
    const int w = base->GetW();
    const int h = base->GetH();
    int lines = 0;
    labels[0] = NewSprite(kLabel);
    labels[0]->LoadTextShadow(textId, w, h, kCentredBothWays, lines, r, g, b, insert, nullptr, nullptr, nullptr,
                              nullptr);
    if (data.perFrameTexts) {
        // One slot per rollover frame; frames beyond the slots keep the label.
        for (int k = 1; k <= data.rolloverFrames && k < kLabelSlots; k++) {
            labels[k] = NewSprite(kLabel);
            labels[k]->LoadText(textId + k, w, h, kCentredBothWays, lines, insert, nullptr, nullptr, nullptr,
                                nullptr);
            labels[k]->Hide();
        }
    }
    PlaceLabels(0);
}

void CGuiButton::DeleteLabels()
{
    for (CSprite*& label : labels) {
        delete label;
        label = nullptr;
    }
}

void CGuiButton::ShowLabel(int slot)
{
    for (int i = 0; i < kLabelSlots; i++) {
        Show(labels[i], i == slot);
    }
}

CSprite* CGuiButton::CheckSprite(bool secondSet, int which) { return checkSprites[(secondSet ? 3 : 0) + which]; }

void CGuiButton::Pump()
{
    if (hidden) {
        return;
    }
    const bool hovered = IsMouseOver() && currentButton == -1;
    if (!hovered) {
        if (!rollover->Hidden()) {
            rollover->Move(x, y);
            rollover->PlayBackward();
            if (rollover->AtStart()) {
                Show(base, true);
                rollover->ResetStart();
                Show(rollover, false);
            }
        }
        if (iconA) {
            iconA->ResetStart();
        }
        PlaceLabels(0);
        ShowLabel(0);
        if (pressed) {
            // The rollover's first face stands in for the base at rest, so a
            // pressed face let go of runs back from there.
            Show(pressed, false);
            pressed->ResetStart();
            Show(rollover, true);
        } else {
            PlaceIcons(false);
        }
    } else {
        if (rollover->Hidden() && (!pressed || pressed->Hidden())) {
            CController::PlayRollover();
        }
        currentButton = id;
        Show(base, false);
        Show(rollover, true);
        if (iconA) {
            iconA->ResetEnd();
        }
        RunForward(rollover);
        const int slot = static_cast<int>(rollover->GetFrame()) + 1;
        ShowLabel(slot < kLabelSlots && labels[slot] ? slot : 0);
        if (!leftMouseDown) {
            rollover->Move(x, y);
            PlaceLabels(0);
            if (pressed) {
                Show(pressed, false);
                pressed->ResetStart();
                Show(rollover, true);
            } else {
                PlaceIcons(false);
            }
        } else if (pressed) {
            rollover->ResetStart();
            Show(rollover, false);
            Show(pressed, true);
            RunForward(pressed);
        } else {
            rollover->Move(x + kSink, y + kSink);
            PlaceLabels(kSink);
            PlaceIcons(true);
        }
    }
    if (data.checkBox) {
        PumpCheckBox();
    }
}

void CGuiButton::PumpCheckBox()
{
    const int cx = rollover->GetX() + data.checkBoxOffsetX;
    const int cy = rollover->GetY() + data.checkBoxOffsetY;
    const bool hovered = base->Hidden();
    for (CSprite* sprite : checkSprites) {
        sprite->Move(cx, cy);
    }
    for (int set = 0; set < 2; set++) {
        const bool current = set == (data.checkBoxSecondSet ? 1 : 0);
        Show(CheckSprite(set, 0), current && !hovered);
        Show(CheckSprite(set, 1), current && hovered);
        Show(CheckSprite(set, 2), current);
    }
    if (hovered) {
        CheckSprite(data.checkBoxSecondSet, 1)->SetFrame(rollover->GetFrame() + 1);
    }
}

bool CGuiButton::IsMouseOver()
{
    if (hidden) {
        return false;
    }
    if (mouseOverX != -1) {
        return PointInRectangle(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY(), mouseOverX, mouseOverY,
                                mouseOverW, mouseOverH);
    }
    if (!base->Hidden()) {
        return base->IsCollisionPixelPerfect();
    }
    if (rollover->Hidden()) {
        return pressed && !pressed->Hidden() && pressed->IsCollisionPixelPerfect();
    }
    // A held face has sunk: its box, widened, keeps the hover.
    return IsHeldDown() ? rollover->IsMouseOver(kSink, kSink) : rollover->IsCollisionPixelPerfect();
}

bool CGuiButton::IsMouseOver(coordinate)
{
    return !hidden && base->IsCollisionPixelPerfect();
}

bool CGuiButton::IsHeldDown()
{
    return !rollover->Hidden() && leftMouseDown && rollover->GetState() != -1;
}

void CGuiButton::MoveMouseOver()
{
    CMouseCursor::MoveCursor(base->GetX() + base->GetW() / 2, base->GetY() + base->GetH() / 2);
    CMouseCursor::HideMouse(1, false);
}

void CGuiButton::Hide()
{
    if (hidden) {
        return;
    }
    Show(base, false);
    Show(shadow, false);
    rollover->ResetStart();
    rollover->Pause();
    Show(rollover, false);
    Show(pressed, false);
    ShowLabel(-1);
    Show(iconA, false);
    Show(iconB, false);
    for (int i = 0; data.checkBox && i < 6; i++) {
        if (i % 3 == 1) {
            checkSprites[i]->ResetStart();
            checkSprites[i]->Pause();
        }
        Show(checkSprites[i], false);
    }
    hidden = true;
}

void CGuiButton::UnHide()
{
    if (!hidden) {
        return;
    }
    Show(base, true);
    Show(shadow, true);
    Show(labels[0], true);
    Show(iconA, true);
    Show(iconB, true);
    if (data.checkBox) {
        Show(CheckSprite(data.checkBoxSecondSet, 0), true);
        Show(CheckSprite(data.checkBoxSecondSet, 2), true);
    }
    hidden = false;
}

void CGuiButton::AlterText(int textId, const char* insert)
{
    DeleteLabels();
    MakeLabels(textId, insert, kAlteredLabelShadow[0], kAlteredLabelShadow[1], kAlteredLabelShadow[2]);
    // A hidden button stays hidden, label and all.
    if (hidden) {
        ShowLabel(-1);
    }
}

void CGuiButton::Redisplay()
{
    // Put back, every face takes the base's own depth and the shadow the
    // one just under it, whatever depths construction gave them.
    const int z = Depth(kBase);
    base->Move(x, y, z);
    rollover->Move(x, y, z);
    if (shadow) {
        shadow->Move(x + data.shadowOffsetX, y + data.shadowOffsetY, z - 1);
    }
    if (pressed) {
        pressed->Move(x, y, z);
    }
    for (CSprite* label : labels) {
        if (label) {
            label->Move(LabelX(), LabelY(), Depth(kLabel));
        }
    }
    PlaceIcons(false);
    for (int i = 0; data.checkBox && i < 6; i++) {
        checkSprites[i]->Move(x + data.checkBoxOffsetX, y + data.checkBoxOffsetY);
    }
}

void CGuiButton::HideRollover()
{
    Show(base, true);
    rollover->ResetStart();
    rollover->Pause();
    Show(rollover, false);
    if (data.checkBox) {
        Show(CheckSprite(data.checkBoxSecondSet, 1), false);
    }
}

bool CGuiButton::Hidden() { return hidden; }
int CGuiButton::GetW() { return base->GetW(); }
int CGuiButton::GetH() { return base->GetH(); }
CSprite* CGuiButton::GetButtonSprite() { return base; }
CSprite* CGuiButton::GetButtonRolloverSprite() { return rollover; }
void CGuiButton::SetCheckbox(bool second) { data.checkBoxSecondSet = second; }

void CGuiButton::AlterMouseoverRect(int rectX, int rectY, int rectW, int rectH)
{
    mouseOverX = rectX;
    mouseOverY = rectY;
    mouseOverW = rectW;
    mouseOverH = rectH;
}

button_data CGuiButton::ScreenButton(CController* owner, int id, const screen_button_place& place, int textOffsetX,
                                     int textOffsetY)
{
    return ScreenButton(owner, id, place.x, place.y, place.label, place.base, place.shadow, place.rollover,
                        textOffsetX, textOffsetY);
}
