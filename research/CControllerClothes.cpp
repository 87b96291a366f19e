// The clothes designer's screen: building and freeing its pictures and
// buttons, the button presses, style paging, stepping through the adults,
// the order queue and its questions, and closing.
#include "CControllerClothes.h"

#include "CControllerPopUp.h"
#include "CControllerScience.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CGuiSliderBar.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CTutorialDialog.h"
#include "CSprite.h"
#include "ClothesDesignerLayout.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

using namespace clothes_designer_layout;

constexpr int kFaderZ = 21999999, kPanelZ = 22000000, kMainPanelZ = 22000005, kCaptionZ = 22000050;
constexpr int kTabAColourZ = 22000008, kTabALinesZ = 22000009, kTabBColourZ = 22000003, kTabBLinesZ = 22000004;
constexpr int kTabFrontZ = 22000007, kTabBackZ = 22000002;
constexpr int kShirtColourZ = 22000022, kShirtLinesZ = 22000023, kPantsColourZ = 22000020, kPantsLinesZ = 22000021;
constexpr int kPopUpZ = 27000000;
constexpr int kBackText = 25000, kMakeClothesText = 25001, kFirstCaption = 25100;
constexpr int kEmptySlotText = 25200, kSlotText = 25201;
constexpr int kAskLeaveText = 12203, kUnchangedText = 12204, kAskRemoveText = 12205, kQueueFullText = 12206;
constexpr int kMaxSteps = 99;
constexpr RGBA_data kCaptionShadow = {28, 25, 15, 0};
constexpr int kCentred = 3;
// Stands in a rollover name for the button's frame numbers.
constexpr const char* kFramePattern = "%i";

// Where each garment sprite stands: [gender][garment][facing].
constexpr coordinate kGarmentPlaces[2][2][2] = {
    {{{187, 96}, {187, 96}}, {{187, 95}, {187, 95}}},
    {{{186, 95}, {192, 95}}, {{186, 95}, {192, 95}}},
};

bool IsAdult(const CPerson* person)
{
    return person && !person->IsKid() && !person->IsBaby();
}

}  // namespace

CControllerPopUp* CControllerClothes::popUp = nullptr;

CControllerClothes::CControllerClothes(CPerson* shown)
    : askedSlot(-1),
      questionKind(kAskLeave),
      shirtColour{},
      pantsColour{},
      shirtStyle(0),
      pantsStyle(0),
      buttons{},
      quickPicks{},
      tabA(nullptr),
      tabB(nullptr),
      tabAColour(nullptr),
      tabBColour(nullptr),
      tabALines(nullptr),
      tabBLines(nullptr),
      backPanels{},
      mainPanels{},
      fader(nullptr),
      portrait(nullptr),
      sliderPictures{},
      garmentColour{},
      garmentLines{},
      shirtColourInUse(nullptr),
      shirtLinesInUse(nullptr),
      pantsColourInUse(nullptr),
      pantsLinesInUse(nullptr),
      captions{},
      name(nullptr),
      sliders{},
      swatches{},
      swatchPressed{},
      spritesLoaded(false),
      draggedSlider(-1),
      changed(false),
      colourHintShown(false),
      tutorialFrames(0),
      person(IsAdult(shown) ? shown : nullptr),
      keepSelection(false),
      openedForSomeone(shown != nullptr),
      tutorialDialog(nullptr)
{
    CPerson::ResetClothes(true);
    LoadSprites();
}

CControllerClothes::~CControllerClothes()
{
    CloseTutorial();
    UnloadSprites();
    CPerson::ResetClothes(false);
}

void CControllerClothes::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    askedSlot = -1;
    questionKind = kAskLeave;
    changed = false;
    draggedSlider = -1;
    colourHintShown = false;
    tutorialFrames = 0;

    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    backPanels[0] = CSprite::ImageAt("clothtarr_mainback_A.png", 42, 0, kPanelZ);
    backPanels[1] = CSprite::ImageAt("clothtarr_mainback_B.jpg", 103, 47, kPanelZ);
    const char* mains[3] = {"clothtarr_main_A.png", "clothtarr_main_B.jpg", "clothtarr_main_C.jpg"};
    const coordinate mainPlaces[3] = {{100, 295}, {111, 302}, {107, 362}};
    for (int i = 0; i < 3; i++) {
        mainPanels[i] = new CSprite(mainPlaces[i].x, mainPlaces[i].y, kMainPanelZ);
        mainPanels[i]->LoadImage(mains[i]);
    }
    tabAColour = CSprite::ImageAt("clothtarr_tab_A_icon_clr.png", 391, 260, kTabAColourZ);
    tabALines = CSprite::ImageAt("clothtarr_tab_A_icon_lines.png", 391, 260, kTabALinesZ);
    tabBColour = CSprite::ImageAt("clothtarr_tab_B_icon_clr.png", 595, 262, kTabBColourZ);
    tabBLines = CSprite::ImageAt("clothtarr_tab_B_icon_lines.png", 595, 262, kTabBLinesZ);
    for (int i = 0; i < 9; i++) {
        captions[i] = new CSprite(kCaptionZ);
        int lines = 0;
        captions[i]->LoadTextShadow(kFirstCaption + i, 300, 50, kCentred, lines, kCaptionShadow.r, kCaptionShadow.g,
                                    kCaptionShadow.b, nullptr, nullptr, nullptr, nullptr, nullptr);
        captions[i]->CenterAt(kCaptions[i].x, kCaptions[i].y);
    }
    BuildButtons();

    const char* letters = "ABC";
    const int rows[3] = {353, 395, 437};
    for (int s = 0; s < 3; s++) {
        const std::string knob = TempSprintf("clothtarr_slider_%c_base.png", letters[s]);
        const std::string under = TempSprintf("clothtarr_slider_%c_shad.png", letters[s]);
        const std::string grab = TempSprintf("clothtarr_slider_%c_roll%s.png", letters[s], kFramePattern);
        sliders[s] = new CGuiSliderBar(kKnobLeft, rows[s], knob.c_str(), under.c_str(), grab.c_str());
    }
    for (int i = 0; i < kQuickPicks; i++) {
        swatches[i] = new CSprite(128, 362, 23000100);
        swatches[i]->LoadImage("clothtarr_swatch_", i, i, ".png");
        swatchPressed[i] = 0;
    }
    BuildGarments();

    if (!person) {
        CObject* last = CObject::lastSelectedPerson;
        CPerson* candidate = dynamic_cast<CPerson*>(last);
        if (IsAdult(candidate)) {
            person = candidate;
        } else {
            // From the start of the band, as a step forward from no one.
            CPerson* step = nullptr;
            for (int i = 0; i < kMaxSteps; i++) {
                step = CPerson::GetNextPerson(step);
                if (!step || IsAdult(step)) {
                    break;
                }
            }
            person = IsAdult(step) ? step : nullptr;
        }
    }
    keepSelection = openedForSomeone && person;
    if (person) {
        RenderNewPerson();
    }
    ChangeColours();
    UpdateQueue();
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerClothes::BuildButtons()
{
    auto named = [this](int id, int x, int y, int label, const std::string& name, int textOffsetY) {
        const std::string base = TempSprintf("clothtarr_button_%s_base.png", name.c_str());
        const std::string shadow = TempSprintf("clothtarr_button_%s_shad.png", name.c_str());
        const std::string rollover = TempSprintf("clothtarr_button_%s_roll%s.png", name.c_str(), kFramePattern);
        return new CGuiButton(CGuiButton::ScreenButton(this, id, x, y, label, base.c_str(), shadow.c_str(),
                                                       rollover.c_str(), -3, textOffsetY));
    };
    for (int id = 0; id < kFirstQuickPick; id++) {
        const button_place& place = kButtons[id];
        const bool slot = id >= kFirstSlot;
        // The queue slots are labelled by UpdateQueue once the layout stands.
        const int label = id == kBack ? kBackText : id == kMakeClothes ? kMakeClothesText : -1;
        buttons[id] = named(id, place.x, place.y, label, place.name, slot ? -1 : -3);
    }
    for (int i = 0; i < kQuickPicks; i++) {
        quickPicks[i] = named(kFirstQuickPick + i, kQuickPickPlaces[i].x, kQuickPickPlaces[i].y, -1,
                              "quickpick_" + std::to_string(i + 1), -3);
    }
    const char* tabs[2] = {"A", "B"};
    const coordinate tabPlaces[2] = {{252, 257}, {457, 258}};
    CGuiButton** tabButtons[2] = {&tabA, &tabB};
    for (int t = 0; t < 2; t++) {
        button_data data;
        data.owner = this;
        data.id = kTabA + t;
        data.x = tabPlaces[t].x;
        data.y = tabPlaces[t].y;
        data.z = t == 0 ? kTabFrontZ : kTabBackZ;
        data.baseImage = TempSprintf("clothtarr_tab_%s_base.png", tabs[t]);
        data.rolloverImage = TempSprintf("clothtarr_tab_%s_roll%s.png", tabs[t], kFramePattern);
        data.rolloverFrames = 5;
        data.pressedImage = TempSprintf("clothtarr_tab_%s_roll5.png", tabs[t]);
        data.labelShadowR = 46;
        data.labelShadowG = 43;
        data.labelShadowB = 24;
        *tabButtons[t] = new CGuiButton(data);
    }
}

// Every garment picture is doubled (and mirrored for facing 1) once here, so
// that stepping through islanders, styles and colours only shows, hides and
// repaints sprites.
void CControllerClothes::BuildGarments()
{
    const char* genders[2] = {"male", "female"};
    const char* garments[2] = {"clothes", "pants"};
    const int colourZ[2] = {kShirtColourZ, kPantsColourZ};
    const int linesZ[2] = {kShirtLinesZ, kPantsLinesZ};
    for (int g = 0; g < 2; g++) {
        for (int garment = 0; garment < 2; garment++) {
            for (int style = 0; style < 3; style++) {
                const char* layers[2] = {"color", "line"};
                for (int layer = 0; layer < 2; layer++) {
                    const std::string image =
                        TempSprintf("%s_%s%i_stand_SW_%s.png", genders[g], garments[garment], style, layers[layer]);
                    const int archive = draw->LoadImage(image.c_str(), false, false);
                    const int doubled = draw->DoubleImageSize(archive);
                    draw->RemoveImage(archive);
                    for (int facing = 0; facing < 2; facing++) {
                        const coordinate at = kGarmentPlaces[g][garment][facing];
                        CSprite* sprite = new CSprite(at.x, at.y, layer == 0 ? colourZ[garment] : linesZ[garment]);
                        // Facing 1 is the doubled picture turned left to right.
                        sprite->LoadImage(facing == 0 ? doubled : draw->MirrorImageHorizontally(doubled));
                        sprite->Hide();
                        (layer == 0 ? garmentColour : garmentLines)[g][garment][facing][style] = sprite;
                    }
                }
            }
        }
    }
}

void CControllerClothes::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CGuiButton*& button : buttons) {
        delete button;
        button = nullptr;
    }
    for (CGuiButton*& button : quickPicks) {
        delete button;
        button = nullptr;
    }
    for (CGuiButton** button : {&tabA, &tabB}) {
        delete *button;
        *button = nullptr;
    }
    for (CGuiSliderBar*& slider : sliders) {
        delete slider;
        slider = nullptr;
    }
    auto drop = [](CSprite*& sprite) {
        delete sprite;
        sprite = nullptr;
    };
    for (CSprite** sprite : {&tabAColour, &tabBColour, &tabALines, &tabBLines, &fader, &portrait, &name}) {
        drop(*sprite);
    }
    for (CSprite*& sprite : backPanels) {
        drop(sprite);
    }
    for (CSprite*& sprite : mainPanels) {
        drop(sprite);
    }
    for (CSprite*& sprite : sliderPictures) {
        drop(sprite);
    }
    for (CSprite*& sprite : captions) {
        drop(sprite);
    }
    for (CSprite*& sprite : swatches) {
        drop(sprite);
    }
    for (auto* sets : {&garmentColour, &garmentLines}) {
        for (auto& gender : *sets) {
            for (auto& garment : gender) {
                for (auto& facing : garment) {
                    for (CSprite*& sprite : facing) {
                        drop(sprite);
                    }
                }
            }
        }
    }
    shirtColourInUse = shirtLinesInUse = pantsColourInUse = pantsLinesInUse = nullptr;
    spritesLoaded = false;
}

void CControllerClothes::GUICallback(int id, int)
{
    if (id >= 1000 && id <= 1999) {
        TutorialOkay(id - 1000);
        return;
    }
    // Everything but leaving, stepping and the queue dresses the islander.
    const bool dresses = id == kMakeClothes || (id >= kShirtLeft && id <= kPantsRight) || id >= kFirstQuickPick;
    if (dresses && !person) {
        PlayDisallowed();
        return;
    }
    switch (id) {
    case kBack:
        if (changed) {
            Ask(kAskLeaveText, kAskLeave, nullptr);
        } else {
            Close();
        }
        return;
    case kMakeClothes:
        if (CPerson::craftQueue.size() >= kQueueSlots) {
            Ask(kQueueFullText, kNotice, nullptr);
        } else if (!changed) {
            Ask(kUnchangedText, kNotice, nullptr);
        } else {
            CPerson::AddCraft(person->GetID(), shirtStyle, pantsStyle, shirtColour, pantsColour);
            changed = false;
            UpdateQueue();
            HookB();
        }
        return;
    case kPreviousPerson:
    case kNextPerson:
        StepPerson(id == kNextPerson);
        HookA();
        return;
    case kShirtLeft:
    case kShirtRight:
    case kPantsLeft:
    case kPantsRight:
        changed = true;
        PageStyle(id <= kShirtRight, id == kShirtLeft || id == kPantsLeft);
        ChangeColours();
        HookA();
        return;
    case kTabA:
    case kTabB:
        SwitchTab(id == kTabA);
        return;
    default:
        break;
    }
    if (id >= kFirstSlot && id < kFirstSlot + kQueueSlots) {
        const int slot = id - kFirstSlot;
        askedSlot = slot;
        questionKind = kAskRemove;
        if (slot < static_cast<int>(CPerson::craftQueue.size()) && CPerson::craftQueue[slot].islanderId != -1) {
            Ask(kAskRemoveText, kAskRemove, NameOf(CPerson::craftQueue[slot].islanderId));
        }
    } else if (id >= kFirstQuickPick && id < kFirstQuickPick + kQuickPicks) {
        changed = true;
        JumpToRGB(GetSwatchColour(id - kFirstQuickPick));
    }
}

void CControllerClothes::PageStyle(bool shirt, bool next)
{
    const paging_rule* rule = &kAllStyles;
    const int arts = CControllerScience::GetLevelArts();
    const bool female = person->GetGender() == 1;
    if (shirt && arts == 0) {
        rule = female ? &kWomanBelowLevel : &kManShirtBelowLevel;
    } else if (!shirt && arts < 2) {
        rule = female ? &kWomanBelowLevel : &kManPantsBelowLevel;
    }
    int& style = shirt ? shirtStyle : pantsStyle;
    // A style from outside 0..2 (a damaged record) pages as style 0.
    const int from = style >= 0 && style <= 2 ? style : 0;
    style = next ? rule->next[from] : rule->previous[from];
}

void CControllerClothes::SwitchTab(bool toPants)
{
    if (toPants == EditingPants()) {
        return;
    }
    tabA->data.z = toPants ? kTabFrontZ : kTabBackZ;
    tabB->data.z = toPants ? kTabBackZ : kTabFrontZ;
    tabA->Redisplay();
    tabB->Redisplay();
    tabAColour->SetZ(toPants ? kTabAColourZ : kTabBColourZ);
    tabBColour->SetZ(toPants ? kTabBColourZ : kTabAColourZ);
    tabALines->SetZ(toPants ? kTabALinesZ : kTabBLinesZ);
    tabBLines->SetZ(toPants ? kTabBLinesZ : kTabALinesZ);
    JumpToRGB(toPants ? pantsColour : shirtColour);
    ChangeSwatches();
}

void CControllerClothes::PreviousPerson()
{
    changed = false;
    StepPerson(false);
}

void CControllerClothes::NextPerson()
{
    changed = false;
    StepPerson(true);
}

void CControllerClothes::StepPerson(bool forward)
{
    changed = false;
    CPerson* step = person;
    CPerson* found = nullptr;
    for (int i = 0; i < kMaxSteps; i++) {
        step = forward ? CPerson::GetNextPerson(step) : CPerson::GetPreviousPerson(step);
        if (!step) {
            break;
        }
        if (IsAdult(step)) {
            found = step;
            break;
        }
    }
    // No adult within reach: the islander shown stays, never a child.
    if (!found) {
        return;
    }
    person = found;
    keepSelection = openedForSomeone;
    RenderNewPerson();
    ChangeColours();
}

void CControllerClothes::UpdateQueue()
{
    const int orders = static_cast<int>(CPerson::craftQueue.size());
    for (int slot = 0; slot < kQueueSlots; slot++) {
        CGuiButton* button = buttons[kFirstSlot + slot];
        if (slot < orders) {
            slotNames[slot] = NameOf(CPerson::craftQueue[slot].islanderId);
            button->AlterText(kSlotText, slotNames[slot].c_str());
        } else {
            slotNames[slot].clear();
            button->AlterText(kEmptySlotText, nullptr);
        }
    }
}

const char* CControllerClothes::NameOf(int islanderId)
{
    const char* found = CPerson::GetASCIINameFromID(islanderId);
    return found ? found : "";
}

void CControllerClothes::HandOver()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
    CMouseCursor::HideMouse(0, true);
}

void CControllerClothes::Ask(int textId, int kind, const char* insert)
{
    HandOver();
    feedback_data request{};
    request.id = textId;
    if (insert) {
        request.insert[0] = insert;
    }
    questionKind = kind;
    popUp = new CControllerPopUp(request, kind == kNotice, kPopUpZ);
    PassFocus(popUp);
}

void CControllerClothes::Close()
{
    HandOver();
    ShutDown(0);
}

void CControllerClothes::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    const bool yes = popUp->answer;
    delete popUp;
    popUp = nullptr;
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
    CMouseCursor::ShowMouse();
    if (!yes) {
        return;
    }
    if (questionKind == kAskLeave) {
        ShutDown(0);
    } else if (questionKind == kAskRemove) {
        if (askedSlot >= 0 && askedSlot < static_cast<int>(CPerson::craftQueue.size())) {
            CPerson::craftQueue.erase(CPerson::craftQueue.begin() + askedSlot);
        }
        UpdateQueue();
    }
}

void CControllerClothes::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        Close();
    }
}

void CControllerClothes::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    CGuiSliderBar::PumpAll();
    PumpSwatches();
    if (hasFocus) {
        PumpTutorial();
    }
}
