// The potion lab's screen: building and freeing its pictures and buttons,
// input, pop-ups and closing.
#include "CControllerLab.h"

#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "PotionLabLayout.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

using namespace potion_recipes;
using potion_lab_layout::kGroupLabels;
using potion_lab_layout::kItems;
using potion_lab_layout::kSlots;

constexpr int kFaderZ = 21999999, kPanelZ = 22000000, kFrameZ = 22000001, kTextZ = 22000005;
constexpr int kLiquidZ = 22000008, kBubbleZ = 22000009, kFlaskZ = 22000010, kItemZ = 23000002;
constexpr int kFlaskX = 479, kFlaskY = 100;
constexpr int kBubbleFramesPerImage = 3;
constexpr float kBubbleFade[] = {0.8f, 0.6f, 0.4f, 0.2f, 0.0f};
constexpr int kLeft = 0, kCentred = 3;
constexpr RGBA_data kBodyShadow = {41, 35, 28, 0};
constexpr RGBA_data kGroupLabelShadow = {56, 52, 34, 0};
constexpr RGBA_data kPlaceholderShadow = {137, 122, 103, 0};
// The hover line (name and second part) is centred near this x.
constexpr int kHoverCentreX = 291, kHoverNameY = 453, kHoverSecondY = 455;
constexpr int kHoverTextY = 497, kHoverGeneralY = 486;
constexpr int kTitleText = 27100, kExitText = 27000, kMixText = 27101, kStartOverText = 27102;
constexpr int kFirstGroupLabelText = 27300, kHoverSecondMain = 27800, kHoverSecondOffset = 27792;
constexpr int kFirstHoverName = 27820, kFirstHoverText = 27850, kHoverGeneralText = 27870;
constexpr int kHoverUnavailableText = 27871;
constexpr int kEscape = SDLK_ESCAPE;
// Stands in a rollover name for the button's frame numbers.
constexpr const char* kFramePattern = "%i";

struct command_button {
    int x, y, textId;
    const char* name;
};

constexpr command_button kCommands[] = {
    {466, 525, kExitText, "exit"}, {465, 427, kMixText, "mix"}, {465, 476, kStartOverText, "startover"}};

}  // namespace

CControllerPopUp* CControllerLab::popUp = nullptr;

CControllerLab::CControllerLab()
    : sndPotion(nullptr),
      exitButton(nullptr),
      mixButton(nullptr),
      startOverButton(nullptr),
      itemButtons{},
      bubbles{},
      selectors{},
      itemBase{},
      itemGhost{},
      itemRoll{},
      backgroundA(nullptr),
      backgroundB(nullptr),
      fader(nullptr),
      title(nullptr),
      countLabels{},
      groupLabels{},
      slots{},
      hoverName{},
      hoverSecond{},
      hoverText{},
      hoverGeneral(nullptr),
      hoverUnavailable(nullptr),
      flaskFull(nullptr),
      flaskEmpty(nullptr),
      flaskLiquid(nullptr),
      itemPos{},
      itemCount{},
      spritesLoaded(false),
      selMain(-1),
      selWater(-1),
      selDust(-1),
      prevWater(-1),
      shownColour{},
      potion(0),
      flaskColour{},
      mistColour1{},
      mistColour2{},
      tutorialDialog(nullptr),
      tutorialCircle(nullptr)
{
    LoadSprites();
}

CControllerLab::~CControllerLab()
{
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = nullptr;
    delete tutorialDialog;
    UnloadSprites();
}

CSprite* CControllerLab::Text(int textId, int w, int h, int alignment, RGBA_data shadow, const char* insert, int z)
{
    CSprite* sprite = new CSprite(z);
    int lines = 0;
    sprite->LoadTextShadow(textId, w, h, alignment, lines, shadow.r, shadow.g, shadow.b, insert, nullptr, nullptr,
                           nullptr, nullptr);
    return sprite;
}

void CControllerLab::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    potion = 0;
    selMain = selWater = selDust = prevWater = -1;

    sndPotion = new CSound("potion_loop.ogg", false, 0.4f, false);
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    backgroundA = CSprite::ImageAt("scilabGUI_main_A.png", 130, 41, kPanelZ);
    backgroundB = CSprite::ImageAt("scilabGUI_main_B.jpg", 154, 81, kPanelZ);
    for (int i = 0; i < kIngredients; i++) {
        selectors[i] = new CSprite(kItems[i].framePoint.x, kItems[i].framePoint.y, kFrameZ);
        selectors[i]->LoadImage(TempSprintf("scilabGUI_button_selector_%i.png", kItems[i].frame));
        selectors[i]->Hide();
    }
    // Each bubble rises whole for three images, then fades out over five.
    for (int b = 0; b < kBubbles; b++) {
        const char* name = TempSprintf("scilabGUI_potion_%c.png", 'A' + b);
        bubbles[b] = new CSprite(kBubbleZ, kBubbleFramesPerImage);
        bubbles[b]->LoadImage(name, 3);
        const int whole = draw->LoadImage(name, false, false);
        for (float alpha : kBubbleFade) {
            SDL_Surface* faded = draw->AlterImageRGBA(whole, RGBA_offset{1.0f, 1.0f, 1.0f, alpha}, true, nullptr,
                                                      1.0f, 1.0f, 1.0f);
            bubbles[b]->LoadImage(draw->ImageFreeSpot(faded, "POTION BUBBLE FADING"));
        }
        draw->RemoveImage(whole);
        bubbles[b]->PauseWhenDone();
        bubbles[b]->Move(-100, -100);
        bubbles[b]->Hide();
    }
    flaskFull = CSprite::ImageAt("scilabGUI_potion_main.png", kFlaskX, kFlaskY, kFlaskZ);
    flaskFull->Hide();
    flaskEmpty = CSprite::ImageAt("scilabGUI_potion_mainempty.png", kFlaskX, kFlaskY, kFlaskZ);
    // Painted in the colour of the choice; only the lab shows this picture.
    flaskLiquid = CSprite::ImageAt("scilabGUI_potion_colour90.png", kFlaskX, kFlaskY, kLiquidZ);
    flaskLiquid->Hide();

    for (int i = 0; i < kIngredients; i++) {
        itemCount[i] = 0;
        CSprite** looks[3] = {&itemBase[i], &itemGhost[i], &itemRoll[i]};
        const char* suffixes[3] = {"base", "ghost", "roll"};
        for (int look = 0; look < 3; look++) {
            *looks[look] = new CSprite(kItemZ);
            (*looks[look])->LoadImage(
                TempSprintf("scilabGUI_item_%s_%s.png", kIngredientTable[i].name, suffixes[look]));
            (*looks[look])->Hide();
        }
        itemPos[i] = kItems[i].itemPoint;
    }

    for (int i = 0; i < kIngredients; i++) {
        const int group = i < kFirstWater ? 0 : i < kFirstDust ? 1 : 2;
        const int number = i - (group == 0 ? 0 : group == 1 ? kFirstWater : kFirstDust);
        CSprite* picture = new CSprite(kItems[i].slotPoint.x, kItems[i].slotPoint.y, kTextZ);
        picture->LoadImage(TempSprintf("scilabGUI_item_%s_base.png", kIngredientTable[i].name));
        picture->Hide();
        slots[group].pictures[number] = picture;
    }
    title = Text(kTitleText, 200, 50, kCentred, kBodyShadow, nullptr, kTextZ);
    title->CenterAt(396, 69);
    for (int i = 0; i < kWaters + kDusts; i++) {
        groupLabels[i] = Text(kFirstGroupLabelText + i, 100, 30, kCentred, kGroupLabelShadow, nullptr, kTextZ);
        groupLabels[i]->CenterAt(kGroupLabels[i].x, kGroupLabels[i].y);
    }
    const int groupSizes[3] = {kMains, kWaters, kDusts};
    for (int group = 0; group < 3; group++) {
        const potion_lab_layout::slot_layout& layout = kSlots[group];
        slot_sprites& slot = slots[group];
        slot.heading = Text(layout.heading, 200, 50, kCentred, layout.headingShadow, nullptr, kTextZ);
        slot.heading->CenterAt(layout.headingCentre.x, layout.headingCentre.y);
        slot.none = Text(layout.none, 200, 50, kCentred, layout.textShadow, nullptr, kTextZ);
        slot.none->CenterAt(layout.textCentre.x, layout.textCentre.y);
        for (int n = 0; n < groupSizes[group]; n++) {
            slot.names[n] = Text(layout.firstName + n, 200, 50, kCentred, layout.textShadow, nullptr, kTextZ);
            slot.names[n]->CenterAt(layout.textCentre.x, layout.textCentre.y);
            slot.names[n]->Hide();
        }
        slot.placeholder = Text(layout.placeholder, 50, 50, kCentred, kPlaceholderShadow, nullptr, kTextZ);
        slot.placeholder->CenterAt(layout.placeholderCentre.x, layout.placeholderCentre.y);
    }

    for (int i = 0; i < kIngredients; i++) {
        MakeHoverTexts(i);
    }
    hoverGeneral = Text(kHoverGeneralText, 280, 200, kCentred, kBodyShadow, nullptr, kTextZ);
    hoverGeneral->CenterAt(kHoverCentreX, kHoverGeneralY);
    hoverUnavailable = Text(kHoverUnavailableText, 280, 200, kCentred, kBodyShadow, nullptr, kTextZ);
    hoverUnavailable->CenterAt(kHoverCentreX, kHoverGeneralY);
    hoverUnavailable->Hide();

    // One record for all eighteen buttons; only what differs changes.
    button_data record;
    record.owner = this;
    record.rolloverFrames = 5;
    record.labelShadowR = 65;
    record.labelShadowG = 60;
    record.labelShadowB = 32;
    record.textOffsetX = -2;
    record.textOffsetY = -2;
    CGuiButton** commands[3] = {&exitButton, &mixButton, &startOverButton};
    for (int id = kExit; id <= kStartOver; id++) {
        const command_button& command = kCommands[id];
        record.x = command.x;
        record.y = command.y;
        record.id = id;
        record.textId = command.textId;
        record.baseImage = TempSprintf("scilabGUI_button_%s_base.png", command.name);
        record.shadowImage = TempSprintf("scilabGUI_button_%s_shad.png", command.name);
        record.rolloverImage = TempSprintf("scilabGUI_button_%s_roll%s.png", command.name, kFramePattern);
        *commands[id] = new CGuiButton(record);
    }
    record.textId = -1;
    for (int i = 0; i < kIngredients; i++) {
        const int images = kItems[i].buttonImages;
        record.x = kItems[i].buttonPoint.x;
        record.y = kItems[i].buttonPoint.y;
        record.id = kFirstIngredientButton + i;
        record.baseImage = TempSprintf("scilabGUI_button_item_%i_base.png", images);
        record.shadowImage = TempSprintf("scilabGUI_button_item_%i_shad.png", images);
        record.rolloverImage = TempSprintf("scilabGUI_button_item_%i_roll%s.png", images, kFramePattern);
        itemButtons[i] = new CGuiButton(record);
    }

    RefreshItems(true);
    DisplayImages();
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

// Name and second part read as one line centred near kHoverCentreX, measured
// by where their ink ends.
void CControllerLab::MakeHoverTexts(int i)
{
    const int secondText = i < kFirstWater ? kHoverSecondMain : kHoverSecondOffset + i;
    hoverName[i] = Text(kFirstHoverName + i, 280, 50, kLeft, kBodyShadow, nullptr, kTextZ);
    hoverSecond[i] = Text(secondText, 280, 50, kLeft, kBodyShadow, nullptr, kTextZ);
    const int nameEnd = draw->GetRightEdge(hoverName[i]->GetFirstImage());
    const int secondEnd = draw->GetRightEdge(hoverSecond[i]->GetFirstImage());
    const int half = (nameEnd + secondEnd) / 2;
    hoverName[i]->Move(kHoverCentreX - half, kHoverNameY);
    hoverSecond[i]->Move(kHoverCentreX - 2 + nameEnd - half, kHoverSecondY);
    hoverText[i] = Text(kFirstHoverText + i, 280, 200, kCentred, kBodyShadow, nullptr, kTextZ);
    hoverText[i]->CenterAt(kHoverCentreX, kHoverTextY);
    hoverName[i]->Hide();
    hoverSecond[i]->Hide();
    hoverText[i]->Hide();
}

void CControllerLab::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    delete sndPotion;
    sndPotion = nullptr;
    for (CGuiButton** button : {&exitButton, &mixButton, &startOverButton}) {
        delete *button;
        *button = nullptr;
    }
    for (CGuiButton*& button : itemButtons) {
        delete button;
        button = nullptr;
    }
    auto drop = [](CSprite*& sprite) {
        delete sprite;
        sprite = nullptr;
    };
    for (int i = 0; i < kIngredients; i++) {
        drop(selectors[i]);
        drop(itemBase[i]);
        drop(itemGhost[i]);
        drop(itemRoll[i]);
        drop(hoverName[i]);
        drop(hoverSecond[i]);
        drop(hoverText[i]);
    }
    for (CSprite*& bubble : bubbles) {
        drop(bubble);
    }
    for (CSprite*& label : countLabels) {
        drop(label);
    }
    for (CSprite*& label : groupLabels) {
        drop(label);
    }
    for (slot_sprites& slot : slots) {
        drop(slot.heading);
        drop(slot.none);
        drop(slot.placeholder);
        for (int n = 0; n < kMains; n++) {
            drop(slot.names[n]);
            drop(slot.pictures[n]);
        }
    }
    for (CSprite** sprite : {&backgroundA, &backgroundB, &fader, &title, &hoverGeneral, &hoverUnavailable, &flaskFull,
                             &flaskEmpty, &flaskLiquid}) {
        drop(*sprite);
    }
    spritesLoaded = false;
}

void CControllerLab::SetColour(RGBA_data colour)
{
    draw->ReplaceColour(flaskLiquid->GetFirstImage(), colour, colour, false, true);
}

void CControllerLab::InputKey(bool released, int key)
{
    if (!hasFocus || !released || key != kEscape) {
        return;
    }
    // The tutorial's recipe must be finished before the lab can be left.
    if (CTutorialDialog::nextTutorial == kTutorialStep) {
        return;
    }
    Close();
}

void CControllerLab::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    delete popUp;
    popUp = nullptr;
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
    CMouseCursor::ShowMouse();
    if (renderer) {
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
}

void CControllerLab::HandOver()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
    CMouseCursor::HideMouse(0, true);
}

void CControllerLab::OpenPopUp(int textId)
{
    HandOver();
    feedback_data request{};
    request.id = textId;
    popUp = new CControllerPopUp(request, true, -1);
    PassFocus(popUp);
}

void CControllerLab::Close()
{
    HandOver();
    ShutDown(0);
}
