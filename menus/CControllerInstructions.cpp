#include "CControllerInstructions.h"

#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "InstructionPages.h"
#include "Utilities.h"

#include <SDL.h>

using namespace instruction_pages;

namespace {

static_assert(kPages == CControllerInstructions::kPages, "one layout a page");
static_assert(kMaxCaptions == CControllerInstructions::kCaptionSlots, "a slot for every caption");
static_assert(kMaxPictures == CControllerInstructions::kPictureSlots, "a slot for every picture");

constexpr int kFaderZ = 21999999;
constexpr int kFrameZ = 22000000;
constexpr int kPictureZ = 22000002;
constexpr int kCaptionZ = 22000005;
constexpr int kCaptionW = 400, kCaptionH = 200;
constexpr int kLeft = 0, kRight = 1, kCentredBothWays = 3;

constexpr int kCloseButton = 0, kLeftArrow = 1, kRightArrow = 2;

CSprite* MakeCaption(const caption_data& caption)
{
    const int alignment = caption.rule == 'c' ? kCentredBothWays : caption.rule == 'l' ? kLeft : kRight;
    CSprite* text = new CSprite(kCaptionZ);
    int lines = 0;
    text->LoadTextShadow(caption.text, kCaptionW, kCaptionH, alignment, lines, 46, 42, 23, nullptr, nullptr,
                         nullptr, nullptr, nullptr);
    if (caption.rule == 'c') {
        text->CenterAt(caption.x, caption.y);
        return text;
    }
    // The box is far taller than the lines written in it: centre what is
    // written, not the box.
    const int top = caption.y - CSprite::draw->GetBottomEdge(text->GetFirstImage()) / 2;
    text->Move(caption.rule == 'l' ? caption.x : caption.x - text->GetW(), top);
    return text;
}

}  // namespace

CControllerInstructions::CControllerInstructions()
    : closeButton(nullptr),
      leftArrow(nullptr),
      rightArrow(nullptr),
      frameA(nullptr),
      frameB(nullptr),
      fader(nullptr),
      captions{},
      pictures{},
      spritesLoaded(false),
      page(0)
{
    LoadSprites();
}

CControllerInstructions::~CControllerInstructions()
{
    UnloadSprites();
}

void CControllerInstructions::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    page = 0;
    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    frameA = CSprite::ImageAt("instructions_main_A.png", 2, 0, kFrameZ);
    frameB = CSprite::ImageAt("instructions_main_B.jpg", 25, 26, kFrameZ);
    RenderPage();

    closeButton = new CGuiButton(CGuiButton::ScreenButton(this, kCloseButton, 330, 535, 17100,
                                                          "credits_button_base.png", "credits_button_shad.png",
                                                          "credits_button_roll%i.png", -2, -2));
    leftArrow = new CGuiButton(CGuiButton::ScreenButton(
        this, kLeftArrow, 172, 526, 17102, "instructions_button_arrowL_base.png",
        "instructions_button_arrowL_shad.png", "instructions_button_arrowL_roll%i.png", -2, -2));
    rightArrow = new CGuiButton(CGuiButton::ScreenButton(
        this, kRightArrow, 497, 525, 17101, "instructions_button_arrowR_base.png",
        "instructions_button_arrowR_shad.png", "instructions_button_arrowR_roll%i.png", -2, -2));
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerInstructions::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    delete fader;
    delete frameA;
    delete frameB;
    fader = frameA = frameB = nullptr;
    ClearPage();
    delete closeButton;
    delete leftArrow;
    delete rightArrow;
    closeButton = leftArrow = rightArrow = nullptr;
    spritesLoaded = false;
}

void CControllerInstructions::ClearPage()
{
    for (CSprite*& caption : captions) {
        delete caption;
        caption = nullptr;
    }
    for (CSprite*& picture : pictures) {
        delete picture;
        picture = nullptr;
    }
}

void CControllerInstructions::RenderPage()
{
    CMouseCursor::ShowHourglass(true);
    ClearPage();
    if (page >= 0 && page < kPages) {
        const page_data& layout = kPageLayouts[page];
        for (int slot = 0; slot < layout.captionCount; slot++) {
            captions[slot] = MakeCaption(layout.captions[slot]);
        }
        for (int slot = 0; slot < layout.pictureCount; slot++) {
            pictures[slot] = CSprite::ImageAt(TempSprintf("instructions_pics_%c_%i.jpg", layout.letter, slot),
                                              layout.pictures[slot].x, layout.pictures[slot].y, kPictureZ);
        }
    }
    // The next page may cover less: whatever goes must leave no trace.
    for (CSprite* caption : captions) {
        if (caption) {
            caption->dirtyOnDelete = true;
        }
    }
    for (CSprite* picture : pictures) {
        if (picture) {
            picture->dirtyOnDelete = true;
        }
    }
    CMouseCursor::ShowMouse();
}

void CControllerInstructions::GotFocusBack() {}

void CControllerInstructions::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
}

void CControllerInstructions::InputKey(bool released, int key)
{
    if (released && key == SDLK_ESCAPE && hasFocus) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerInstructions::GUICallback(int id, int)
{
    if (id == kLeftArrow) {
        page = page == 0 ? kPages - 1 : page - 1;
        RenderPage();
    } else if (id == kRightArrow) {
        page = page == kPages - 1 ? 0 : page + 1;
        RenderPage();
    } else {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}
