#include "CControllerHutSelect.h"

#include "CControllerScience.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

constexpr int kFaderZ = 21999999, kPanelZ = 22000000, kTextZ = 22000005, kHutZ = 23000002;
constexpr int kRolloverFrames = 5;
constexpr int kLastSize = CControllerHutSelect::kSizes - 1;
constexpr int kPressedShift = 2;
// The image index where the bounce ends and the rest of the animation starts.
constexpr unsigned int kAfterBounce = 4;

// By family (small first), then size.
constexpr const char* kHutPrefixes[2][CControllerHutSelect::kSizes] = {
    {"buildGUI_hutAA", "buildGUI_hutAB", "buildGUI_hutAC"}, {"buildGUI_hutBA", "buildGUI_hutBB", "buildGUI_hutBC"}};
constexpr int kHutsAt[2][CControllerHutSelect::kSizes][2] = {{{260, 247}, {355, 247}, {449, 247}},
                                                             {{259, 247}, {353, 247}, {448, 247}}};
constexpr const char* kGhosts[2] = {"hutselect_hutAC_ghost.png", "hutselect_hutBC_ghost.png"};
constexpr int kGhostX = 458, kGhostY = 264;

struct button_layout {
    const char* base;
    const char* shadow;
    const char* rollover;
    int x, y;
    int label;
};

// Back, then the three sizes.
constexpr button_layout kButtons[] = {
    {"buildGUI_buttonback_base.png", "buildGUI_buttonback_shad.png", "buildGUI_buttonback_roll%i.png", 326, 351,
     10005},
    {"buildGUI_button5_base.png", "buildGUI_button5_shad.png", "buildGUI_button5_roll%i.png", 250, 261, -1},
    {"buildGUI_button6_base.png", "buildGUI_button6_shad.png", "buildGUI_button6_roll%i.png", 349, 260, -1},
    {"buildGUI_button7_base.png", "buildGUI_button7_shad.png", "buildGUI_button7_roll%i.png", 444, 260, -1},
};

constexpr int kTitleTextId = 10007;
constexpr int kTitleX = 396, kTitleY = 215;

// The variant of a size: the plain hut, else the lower or higher of the size's
// pair at random. Small huts take the even variants, large ones the odd.
int VariantOf(int size, bool small)
{
    constexpr int kFirstOfPair[CControllerHutSelect::kSizes] = {0, 12, 16};
    const int family = small ? 0 : 1;
    if (size == 0) {
        return family;
    }
    return kFirstOfPair[size] + family + 2 * RangedRandom(0, 1);
}

CSprite* Picture(const char* name, int x, int y, int z)
{
    CSprite* sprite = new CSprite(x, y, z);
    sprite->LoadImage(name);
    return sprite;
}

}  // namespace

CControllerHutSelect::CControllerHutSelect(bool smallHuts)
    : result(-1),
      huts{},
      ghost(nullptr),
      backButton(nullptr),
      sizeButtons{},
      panelA(nullptr),
      panelB(nullptr),
      fader(nullptr),
      title(nullptr),
      pressed{},
      spritesLoaded(false),
      small(smallHuts)
{
    LoadSprites(smallHuts);
}

CControllerHutSelect::~CControllerHutSelect()
{
    UnloadSprites();
}

void CControllerHutSelect::LoadSprites(bool smallHuts)
{
    if (spritesLoaded) {
        return;
    }
    small = smallHuts;
    const int family = small ? 0 : 1;
    fader = Picture("gui_fader.png", 0, 0, kFaderZ);
    panelA = Picture("hutselect_main_A.png", 186, 188, kPanelZ);
    panelB = Picture("hutselect_main_B.jpg", 227, 245, kPanelZ);
    for (int size = 0; size < kSizes; size++) {
        pressed[size] = false;
        // A bounce (images 0, 1, 2, 1, 0), then the rest of the animation.
        CSprite* hut = new CSprite(kHutZ, 1);
        const char* prefix = kHutPrefixes[family][size];
        hut->LoadImage(prefix, 0, 2, ".png");
        hut->LoadImage(prefix, 1, 0, ".png");
        hut->LoadImage(prefix, 4, 13, ".png");
        hut->Pause();
        hut->PauseWhenDone();
        hut->Move(kHutsAt[family][size][0], kHutsAt[family][size][1]);
        huts[size] = hut;
    }
    ghost = Picture(kGhosts[family], kGhostX, kGhostY, kHutZ);
    ghost->Hide();
    if (CControllerScience::GetLevelConstruction() < CControllerScience::kTopLevel) {
        ghost->UnHide();
        huts[kLastSize]->Hide();
    }

    title = new CSprite(kTextZ);
    int lines = 0;
    title->LoadTextShadow(kTitleTextId, 300, 50, 3, lines, 41, 35, 28, nullptr, nullptr, nullptr, nullptr, nullptr);
    title->CenterAt(kTitleX, kTitleY);

    CGuiButton** buttons[] = {&backButton, &sizeButtons[0], &sizeButtons[1], &sizeButtons[2]};
    for (int i = 0; i <= kSizes; i++) {
        const button_layout& layout = kButtons[i];
        button_data data;
        data.x = layout.x;
        data.y = layout.y;
        data.id = i;
        data.owner = this;
        data.textId = layout.label;
        data.baseImage = layout.base;
        data.shadowImage = layout.shadow;
        data.rolloverImage = layout.rollover;
        data.rolloverFrames = kRolloverFrames;
        data.labelShadowR = 46;
        data.labelShadowG = 43;
        data.labelShadowB = 24;
        data.textOffsetX = -2;
        data.textOffsetY = -2;
        *buttons[i] = new CGuiButton(data);
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerHutSelect::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&fader, &panelA, &panelB, &title, &ghost}) {
        delete *sprite;
        *sprite = nullptr;
    }
    delete backButton;
    backButton = nullptr;
    for (int size = 0; size < kSizes; size++) {
        delete huts[size];
        delete sizeButtons[size];
        huts[size] = nullptr;
        sizeButtons[size] = nullptr;
    }
    spritesLoaded = false;
}

void CControllerHutSelect::Close()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}

void CControllerHutSelect::GUICallback(int id, int)
{
    result = -1;
    const int size = id - 1;
    if (size == kLastSize && CControllerScience::GetLevelConstruction() < CControllerScience::kTopLevel) {
        PlayDisallowed();
        return;
    }
    if (size >= 0 && size < kSizes) {
        result = VariantOf(size, small);
    }
    Close();
}

void CControllerHutSelect::GotFocusBack() {}

void CControllerHutSelect::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    for (int size = 0; size < kSizes; size++) {
        CSprite* hut = huts[size];
        CGuiButton* button = sizeButtons[size];
        // Played back, the hut skips the bounce and goes straight to rest.
        if (hut->GetState() == -1 && hut->GetFrame() == kAfterBounce) {
            hut->SetFrame(0);
        }
        hut->PlayBackward();
        if (button->IsMouseOver()) {
            hut->PlayForward();
        }

        const bool held = button->IsHeldDown();
        if (held != pressed[size]) {
            const int shift = held ? kPressedShift : -kPressedShift;
            hut->Move(hut->GetX() + shift, hut->GetY() + shift);
            if (size == kLastSize) {
                ghost->Move(ghost->GetX() + shift, ghost->GetY() + shift);
            }
            pressed[size] = held;
        }
    }
}

void CControllerHutSelect::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        result = -1;
        Close();
    }
}

