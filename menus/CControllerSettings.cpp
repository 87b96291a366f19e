#include "CControllerSettings.h"

#include "CControllerCredits.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiCheckBox.h"
#include "CGuiSliderBar.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "Config.h"
#include "Utilities.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kFaderZ = 21999999;
constexpr int kPanelZ = 22000000;
constexpr int kBoxZ = 22000001;
constexpr int kTextZ = 22000005;
constexpr int kLeft = 0, kCentredBothWays = 3;

constexpr int kSaveButton = 0, kCancelButton = 1, kCreditsButton = 2;
constexpr int kMouseModeBox = 3, kEffectsBox = 4, kFullScreenBox = 5, kFirstFactorBox = 6;

constexpr int kEffectsProperty = 7;
constexpr int kNarrationProperty = 66;
constexpr int kFactorProperty = 76;
constexpr float kFactorValues[CControllerSettings::kFactors] = {0.0f, 0.5f, 1.0f, 2.0f};

constexpr int kMouseNotice = 12005;
constexpr int kStillTimeNotice = 12358;

// The mouse-speed slider spans these multipliers.
constexpr double kSlowest = 0.15, kSpan = 2.85;
constexpr float kKnobTravel = CControllerSettings::kKnobRight - CControllerSettings::kKnobLeft;

// A press on a track puts the knob's left edge this far left of the pointer.
constexpr int kTrackGrab = 14;
constexpr int kTrackLeft = 368, kTrackRight = 550;
struct track_rows {
    int top, bottom;
};
constexpr track_rows kTrackRows[CControllerSettings::kSliders] = {{168, 183}, {208, 222}, {271, 283}};

struct label_place {
    int text;
    int w, h, alignment;
    int x, y;  // the centre, or the top left for left-aligned labels
};
constexpr label_place kLabels[7] = {
    {18003, 300, 200, kCentredBothWays, 407, 107}, {18004, 300, 200, kCentredBothWays, 303, 175},
    {18005, 300, 200, kCentredBothWays, 303, 217}, {18006, 300, 200, kLeft, 268, 258},
    {18007, 300, 200, kCentredBothWays, 458, 310}, {18008, 300, 200, kCentredBothWays, 330, 342},
    {18009, 300, 200, kCentredBothWays, 507, 342}};
constexpr int kFactorBoxX[CControllerSettings::kFactors] = {240, 330, 414, 510};
constexpr int kFactorLabelX[CControllerSettings::kFactors] = {265, 355, 439, 535};
constexpr int kFactorBoxSet[CControllerSettings::kFactors] = {0, 1, 2, 0};

CSprite* Label(const label_place& place)
{
    CSprite* text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(place.text, place.w, place.h, place.alignment, lines, 43, 38, 23, nullptr, nullptr,
                         nullptr, nullptr, nullptr);
    if (place.alignment == kLeft) {
        text->Move(place.x, place.y);
    } else {
        text->CenterAt(place.x, place.y);
    }
    return text;
}

CGuiButton* PageButton(CController* owner, int id, int x, int y, int label, const char* base, const char* shadow,
                       const char* rollover)
{
    return new CGuiButton(CGuiButton::ScreenButton(owner, id, x, y, label, base, shadow, rollover, -2, -2));
}

// Box, box rollover, check mark and check-mark rollover of the three looks.
const char* const kBoxLooks[3][4] = {
    {"personGUI_chkbox0A_base.png", "personGUI_chkbox0A_roll%i.png", "personGUI_chkbox0B_base.png",
     "personGUI_chkbox0B_roll%i.png"},
    {"personGUI_chkbox1A_base.png", "personGUI_chkbox1A_roll%i.png", "personGUI_chkbox1B_base.png",
     "personGUI_chkbox1B_roll%i.png"},
    {"personGUI_chkbox2A_base.png", "personGUI_chkbox2A_roll%i.png", "personGUI_chkbox2B_base.png",
     "personGUI_chkbox2B_roll%i.png"}};

CGuiCheckBox* Box(CController* owner, int id, int set, int x, int y)
{
    const char* const* look = kBoxLooks[set];
    return new CGuiCheckBox(x, y, id, owner, look[0], look[1], look[2], look[3], 0, 0, 5, false, kBoxZ);
}

int ClampKnob(int x)
{
    return std::clamp(x, CControllerSettings::kKnobLeft, CControllerSettings::kKnobRight);
}

int KnobFor(double value)
{
    return static_cast<int>(Round(static_cast<float>(kKnobTravel * value + CControllerSettings::kKnobLeft)));
}

// The profile remembers which grab it asked for, so that a new video mode
// can ask again.
void GrabInputFor(bool absolute)
{
    CProfile::inputGrab = !absolute;
    SDL_WM_GrabInput(absolute ? SDL_GRAB_OFF : SDL_GRAB_ON);
}

CProfile& Profile()
{
    return *CProfile::current;
}

}  // namespace

CControllerPopUp* CControllerSettings::popUp = nullptr;
CControllerCredits* CControllerSettings::credits = nullptr;

CControllerSettings::CControllerSettings()
    : oldSoundVolume(0),
      oldMusicVolume(0),
      oldMouseMultiplier(0),
      oldMouseAbsolute(false),
      oldEffects(false),
      oldFullScreen(false),
      testSound(nullptr),
      saveButton(nullptr),
      cancelButton(nullptr),
      creditsButton(nullptr),
      sliders{},
      outerPanel(nullptr),
      innerPanel(nullptr),
      fader(nullptr),
      labels{},
      mouseModeBox(nullptr),
      effectsBox(nullptr),
      fullScreenBox(nullptr),
      factorBoxes{},
      factorLabels{},
      factorRowLabel(nullptr),
      spritesLoaded(false),
      heldSlider(-1),
      appliedSlider(-1),
      oldFactor(0)
{
    LoadSprites();
}

CControllerSettings::~CControllerSettings()
{
    // Only an opener that deletes the page while a child is open leaves one.
    delete credits;
    credits = nullptr;
    delete popUp;
    popUp = nullptr;
    UnloadSprites();
}

void CControllerSettings::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    heldSlider = appliedSlider = -1;
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    outerPanel = CSprite::ImageAt("settings_main_A.png", 190, 57, kPanelZ);
    innerPanel = CSprite::ImageAt("settings_main_B.jpg", 215, 87, kPanelZ);
    for (int i = 0; i < 7; i++) {
        labels[i] = Label(kLabels[i]);
    }
    saveButton = PageButton(this, kSaveButton, 291, 422, 18000, "settings_button_save_base.png",
                            "settings_button_save_shad.png", "settings_button_save_roll%i.png");
    cancelButton = PageButton(this, kCancelButton, 410, 421, 18001, "settings_button_cancel_base.png",
                              "settings_button_cancel_shad.png", "settings_button_cancel_roll%i.png");
    creditsButton = PageButton(this, kCreditsButton, 347, 471, 18002, "settings_button_credits_base.png",
                               "settings_button_credits_shad.png", "settings_button_credits_roll%i.png");
    for (int box = 0; box < kFactors; box++) {
        factorBoxes[box] = Box(this, kFirstFactorBox + box, kFactorBoxSet[box], kFactorBoxX[box], 390);
    }
    for (int box = 0; box < kFactors; box++) {
        factorLabels[box] = Label({18010 + box, 100, 30, kLeft, kFactorLabelX[box], 394});
    }
    factorRowLabel = Label({18014, 200, 30, kCentredBothWays, 407, 378});
    mouseModeBox = Box(this, kMouseModeBox, 0, 359, 297);
    effectsBox = Box(this, kEffectsBox, 1, 248, 330);
    fullScreenBox = Box(this, kFullScreenBox, 2, 436, 330);
    sliders[kSoundSlider] = new CGuiSliderBar(kKnobLeft, 154, "settings_slider_A_base.png",
                                              "settings_slider_A_shad.png", "settings_slider_A_roll%i.png");
    sliders[kMusicSlider] = new CGuiSliderBar(kKnobLeft, 195, "settings_slider_B_base.png",
                                              "settings_slider_B_shad.png", "settings_slider_B_roll%i.png");
    sliders[kMouseSlider] = new CGuiSliderBar(kKnobLeft, 256, "settings_slider_C_base.png",
                                              "settings_slider_C_shad.png", "settings_slider_C_roll%i.png");
    testSound = new CSound("kid_laugh_4.ogg", false, 0.5f, false);

    oldSoundVolume = CSound::GetGlobalVolume();
    oldMusicVolume = CSound::GetGlobalMusicVolume();
    oldMouseMultiplier = GetMouseMultiplier();
    oldMouseAbsolute = GetMouseAbsolute();
    oldEffects = Profile().GetValue<bool>(kEffectsProperty);
    oldFullScreen = Config_GetFullscreen();
    oldFactor = Profile().GetValue<float>(kFactorProperty);

    sliders[kSoundSlider]->SetX(KnobFor(oldSoundVolume));
    sliders[kMusicSlider]->SetX(KnobFor(oldMusicVolume));
    sliders[kMouseSlider]->SetX(ClampKnob(KnobFor((oldMouseMultiplier - kSlowest) / kSpan)));
    mouseModeBox->SetChecked(oldMouseAbsolute);
    effectsBox->SetChecked(oldEffects);
    fullScreenBox->SetChecked(oldFullScreen);
    int factorBox = 3;
    for (int box = 0; box < 3; box++) {
        if (oldFactor == kFactorValues[box]) {
            factorBox = box;
        }
    }
    factorBoxes[factorBox]->SetChecked(true);
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerSettings::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&outerPanel, &innerPanel, &fader, &factorRowLabel}) {
        delete *sprite;
        *sprite = nullptr;
    }
    for (CSprite*& label : labels) {
        delete label;
        label = nullptr;
    }
    for (CSprite*& label : factorLabels) {
        delete label;
        label = nullptr;
    }
    for (CGuiButton** button : {&saveButton, &cancelButton, &creditsButton}) {
        delete *button;
        *button = nullptr;
    }
    for (CGuiCheckBox** box : {&mouseModeBox, &effectsBox, &fullScreenBox}) {
        delete *box;
        *box = nullptr;
    }
    for (CGuiCheckBox*& box : factorBoxes) {
        delete box;
        box = nullptr;
    }
    for (CGuiSliderBar*& slider : sliders) {
        delete slider;
        slider = nullptr;
    }
    delete testSound;
    testSound = nullptr;
    spritesLoaded = false;
}

void CControllerSettings::HideAll()
{
    for (CSprite* sprite : {outerPanel, innerPanel, fader, factorRowLabel}) {
        sprite->Hide();
    }
    for (CSprite* label : labels) {
        label->Hide();
    }
    for (CSprite* label : factorLabels) {
        label->Hide();
    }
    for (CGuiButton* button : {saveButton, cancelButton, creditsButton}) {
        button->Hide();
    }
    for (CGuiCheckBox* box : {mouseModeBox, effectsBox, fullScreenBox}) {
        box->Hide();
    }
    for (CGuiCheckBox* box : factorBoxes) {
        box->Hide();
    }
    for (CGuiSliderBar* slider : sliders) {
        slider->Hide();
    }
}

void CControllerSettings::UnHideAll()
{
    for (CSprite* sprite : {outerPanel, innerPanel, fader, factorRowLabel}) {
        sprite->UnHide();
    }
    for (CSprite* label : labels) {
        label->UnHide();
    }
    for (CSprite* label : factorLabels) {
        label->UnHide();
    }
    for (CGuiButton* button : {saveButton, cancelButton, creditsButton}) {
        button->UnHide();
    }
    for (CGuiCheckBox* box : {mouseModeBox, effectsBox, fullScreenBox}) {
        box->UnHide();
    }
    for (CGuiCheckBox* box : factorBoxes) {
        box->UnHide();
    }
    for (CGuiSliderBar* slider : sliders) {
        slider->UnHide();
    }
}

float CControllerSettings::GetSliderValue(int slider)
{
    return (sliders[slider]->GetX() - kKnobLeft) / kKnobTravel;
}

void CControllerSettings::SetSliderValue(int slider, float value)
{
    sliders[slider]->SetX(KnobFor(value));
}

int CControllerSettings::KnobX(int slider)
{
    return sliders[slider]->GetX();
}

bool CControllerSettings::FactorChecked(int box)
{
    return factorBoxes[box]->GetChecked();
}

bool CControllerSettings::MouseModeChecked()
{
    return mouseModeBox->GetChecked();
}

bool CControllerSettings::EffectsChecked()
{
    return effectsBox->GetChecked();
}

bool CControllerSettings::FullScreenChecked()
{
    return fullScreenBox->GetChecked();
}

void CControllerSettings::GotFocusBack()
{
    if (credits) {
        delete credits;
        credits = nullptr;
    } else if (popUp) {
        delete popUp;
        popUp = nullptr;
    } else {
        return;
    }
    // The release of the press that opened the child went to the child.
    CGuiSliderBar::LeftMouseClick(true, false);
    heldSlider = -1;
    UnHideAll();
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
    CMouseCursor::ShowMouse();
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
}

void CControllerSettings::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    CGuiSliderBar::PumpAll();
    if (!hasFocus) {
        return;
    }
    if (heldSlider != appliedSlider) {
        ApplySlider(appliedSlider);
    }
    appliedSlider = heldSlider;
}

void CControllerSettings::ApplySlider(int slider)
{
    const float value = slider >= 0 ? GetSliderValue(slider) : 0.0f;
    switch (slider) {
    case kSoundSlider:
        CSound::SetGlobalVolume(value);
        testSound->Play(false, 0, 0.0f, false);
        break;
    case kMusicSlider:
        CSound::SetGlobalMusicVolume(value);
        break;
    case kMouseSlider:
        SetMouseMultiplier(static_cast<float>(kSlowest + kSpan * value));
        break;
    default:
        break;
    }
}

void CControllerSettings::MoveKnob(int slider, int x)
{
    sliders[slider]->SetX(ClampKnob(x));
}

void CControllerSettings::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        RevertToOldValues();
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerSettings::InputMouseMove(int x, int)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (heldSlider < 0) {
        return;
    }
    MoveKnob(heldSlider, x - sliders[heldSlider]->GetW() / 2);
    if (heldSlider == kMusicSlider) {
        CSound::SetGlobalMusicVolume(GetSliderValue(kMusicSlider));
    }
}

void CControllerSettings::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (!left) {
        return;
    }
    CGuiButtonBase::LeftMouseClick(released, false);
    CGuiSliderBar::LeftMouseClick(released, false);
    if (!hasFocus) {
        return;
    }
    if (released) {
        heldSlider = -1;
        return;
    }
    const bool absolute = mouseModeBox->GetChecked();
    if (sliders[kSoundSlider]->IsHeldDown()) {
        heldSlider = kSoundSlider;
    } else if (sliders[kMusicSlider]->IsHeldDown()) {
        heldSlider = kMusicSlider;
    } else if (sliders[kMouseSlider]->IsHeldDown()) {
        if (absolute) {
            OpenChild(kMouseNotice);
        } else {
            heldSlider = kMouseSlider;
        }
    } else {
        const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
        if (x < kTrackLeft || x > kTrackRight) {
            return;
        }
        for (int slider = 0; slider < kSliders; slider++) {
            if (y < kTrackRows[slider].top || y > kTrackRows[slider].bottom) {
                continue;
            }
            // In absolute mode the speed means nothing: its track ignores presses.
            if (slider == kMouseSlider && absolute) {
                return;
            }
            MoveKnob(slider, x - kTrackGrab);
            appliedSlider = slider;
            heldSlider = -1;
            return;
        }
    }
}

void CControllerSettings::GUICallback(int id, int)
{
    switch (id) {
    case kSaveButton:
        Close();
        break;
    case kCancelButton:
        RevertToOldValues();
        Close();
        break;
    case kCreditsButton:
        OpenChild(-1);
        break;
    case kMouseModeBox: {
        const bool absolute = mouseModeBox->GetChecked();
        SetMouseAbsolute(absolute);
        GrabInputFor(absolute);
        break;
    }
    case kEffectsBox:
        // Effects, music and narration are what a slow machine gives up
        // together, so the box silences the last two whichever way it goes.
        Profile().SetValue<bool>(kEffectsProperty, effectsBox->GetChecked());
        CSound::SetGlobalMusicVolume(0.0f);
        sliders[kMusicSlider]->SetX(kKnobLeft);
        Profile().SetValue<bool>(kNarrationProperty, false);
        break;
    case kFullScreenBox:
        // The box shows the player's choice, the one the profile keeps and the
        // next start tries, also while this display shows a window because it
        // refused full screen.
        draw->ToggleFullscreen();
        fullScreenBox->SetChecked(Config_GetFullscreen());
        break;
    default:
        if (id >= kFirstFactorBox && id < kFirstFactorBox + kFactors) {
            ChooseFactor(id - kFirstFactorBox);
        }
        break;
    }
}

void CControllerSettings::ChooseFactor(int chosen)
{
    for (int box = 0; box < kFactors; box++) {
        factorBoxes[box]->SetChecked(box == chosen);
    }
    Profile().SetValue<float>(kFactorProperty, kFactorValues[chosen]);
    if (chosen == 0) {
        OpenChild(kStillTimeNotice);
    }
}

void CControllerSettings::RevertToOldValues()
{
    CSound::SetGlobalVolume(oldSoundVolume);
    CSound::SetGlobalMusicVolume(oldMusicVolume);
    SetMouseMultiplier(oldMouseMultiplier);
    SetMouseAbsolute(oldMouseAbsolute);
    GrabInputFor(oldMouseAbsolute);
    Profile().SetValue<bool>(kEffectsProperty, oldEffects);
    if (Config_GetFullscreen() != oldFullScreen) {
        draw->ToggleFullscreen();
    }
    Profile().SetValue<float>(kFactorProperty, oldFactor);
}

void CControllerSettings::Close()
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}

// noticeId -1 opens the credits page.
void CControllerSettings::OpenChild(int noticeId)
{
    CMouseCursor::ShowHourglass(true);
    renderer->Render(true);
    renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    CMouseCursor::HideMouse(0, true);
    renderer->Render(true);
    HideAll();
    if (noticeId < 0) {
        credits = new CControllerCredits();
        PassFocus(credits);
        return;
    }
    feedback_data notice{};
    notice.id = noticeId;
    notice.noticeOnly = 1;
    popUp = new CControllerPopUp(notice, true, -1);
    PassFocus(popUp);
}
