#include "CControllerCrate.h"

#include "CCrateBarrel.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CSprite.h"
#include "ScreenSteps.h"
#include "Utilities.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int kFaderZ = 21999999, kPanelZ = 22000000, kPictureZ = 22000001, kPortraitZ = 22000002;
constexpr int kMistAZ = 22000003, kMistBZ = 22000004, kTextZ = 22000005, kSparkleZ = 22000010;
constexpr int kOkayText = 24001, kNoticeOkayText = 24002, kCancelText = 24000;
constexpr int kMistImages = 53;
// Sparkles gather round the container while the mist is thick, then go.
constexpr int kLastSparklingMistImage = 40;
constexpr int kSparkleX = 348, kSparkleY = 205, kSparkleRadius = 25;
constexpr int kFacingPlayer = 8, kDefaultHead = -1;
constexpr int kFemale = 1;

struct mist_colours {
    int textId;
    RGBA_data a, b;
    int sparkleSet;  // 1 or 2
};

// The masters' journals, each in its own colours.
constexpr mist_colours kMists[] = {
    {24192, {198, 233, 251, 255}, {0, 112, 149, 255}, 2}, {24193, {204, 246, 192, 255}, {0, 149, 7, 255}, 2},
    {24194, {255, 255, 255, 255}, {45, 81, 106, 255}, 2}, {24195, {255, 236, 117, 255}, {80, 90, 0, 255}, 1},
    {24196, {200, 177, 138, 255}, {82, 51, 0, 255}, 1},   {24197, {255, 215, 138, 255}, {146, 108, 0, 255}, 1},
    {24198, {238, 196, 235, 255}, {82, 19, 170, 255}, 2}};

const mist_colours* MistFor(int textId)
{
    for (const mist_colours& mist : kMists) {
        if (mist.textId == textId) {
            return &mist;
        }
    }
    return nullptr;
}

// A mist that plays once; its own copies are painted in the colour so the
// game's potion mist, which shares the pictures, keeps its own.
CSprite* Mist(CDraw* draw, const char* prefix, const RGBA_data* colour, int z)
{
    CSprite* sprite = new CSprite(z, 2);
    if (colour) {
        for (int i = 0; i < kMistImages; i++) {
            const std::string name = prefix + std::to_string(i) + ".png";
            const int copy = draw->LoadImage(name.c_str(), true, false);
            draw->ReplaceColour(copy, RGBA_data{}, *colour, false, true);
            sprite->LoadImage(copy);
        }
    } else {
        sprite->LoadImage(prefix, 0, kMistImages - 1, ".png");
        sprite->Hide();
    }
    sprite->Move(320, 171);
    sprite->PlayForward();
    sprite->PauseWhenDone();
    return sprite;
}

CSprite* Sparkle(const char* prefix, bool shown)
{
    CSprite* sprite = new CSprite(-100, -100, kSparkleZ);
    sprite->SetFramesPerStep(2);
    for (int image : {0, 1, 2, 1, 0}) {
        sprite->LoadImage((prefix + std::to_string(image) + ".png").c_str());
    }
    sprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, sprite->GetNumImages() - 2)));
    sprite->PlayForward();
    if (!shown) {
        sprite->Hide();
    }
    return sprite;
}

CGuiButton* DialogButton(CController* owner, int id, int x, int y, int label, bool okay)
{
    return new CGuiButton(CGuiButton::ScreenButton(
        owner, id, x, y, label, okay ? "dialog_button_okay_base.png" : "dialog_button_cancel_base.png",
        okay ? "dialog_button_okay_shad.png" : "dialog_button_cancel_shad.png",
        okay ? "dialog_button_okay_roll%i.png" : "dialog_button_cancel_roll%i.png", -4, -2));
}

const char* Insert(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

CControllerCrate::CControllerCrate(const feedback_data& request)
    : noticeOnly(request.noticeOnly), okayButton(nullptr), cancelButton(nullptr), panelA(nullptr),
      panelB(nullptr), panelC(nullptr), fader(nullptr), picture(nullptr), text(nullptr), portrait(nullptr),
      portraitShadow(nullptr), mistA(nullptr), mistB(nullptr), sparkles1{}, sparkles2{}, spritesLoaded(false),
      specialFind(request.crateFirst == 1), showSet2(false), showSet1(false), answer(false)
{
    LoadSprites(request);
}

CControllerCrate::~CControllerCrate()
{
    UnloadSprites();
}

CPerson* CControllerCrate::LivingOpener()
{
    CPerson* opener = CCrateBarrel::pickedUp;
    const auto& people = CPerson::people;
    if (!opener || std::find(people.begin(), people.end(), opener) == people.end() || opener->deleteMe) {
        return nullptr;
    }
    return opener;
}

void CControllerCrate::LoadSprites(const feedback_data& request)
{
    if (draw) {
        draw->Rendering(true);
    }
    if (spritesLoaded) {
        return;
    }
    answer = false;
    showSet1 = showSet2 = false;
    const bool notice = noticeOnly != 0;

    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    panelA = CSprite::ImageAt("crateGUI_main_A.png", 175, 83, kPanelZ);
    panelB = CSprite::ImageAt(notice ? "crateGUI_main_B2.png" : "crateGUI_main_B1.png", 222, 282, kPanelZ);
    panelC = CSprite::ImageAt(notice ? "crateGUI_main_C2.jpg" : "crateGUI_main_C1.jpg", 239, 282, kPanelZ);
    const std::string pictureName = (request.number != 0 ? "crateGUI_crate" : "crateGUI_barrel") +
                                    std::to_string(request.crateTier) + ".jpg";
    picture = CSprite::ImageAt(pictureName.c_str(), 368, 200, kPictureZ);
    LoadPortrait();
    portraitShadow = CSprite::ImageAt("peopleshadow_adult.png", 336, 252, kPictureZ);

    const mist_colours* colours = MistFor(request.id);
    if (colours) {
        showSet1 = colours->sparkleSet == 1;
        showSet2 = colours->sparkleSet == 2;
    }
    mistA = Mist(draw, "mist_A_", colours ? &colours->a : nullptr, kMistAZ);
    mistB = Mist(draw, "mist_B_", colours ? &colours->b : nullptr, kMistBZ);
    for (int i = 0; i < kSparkles; i++) {
        sparkles1[i] = Sparkle(i % 2 == 0 ? "dust_particleA_" : "dust_particleB_", showSet1);
        sparkles2[i] = Sparkle(i % 2 == 0 ? "dust_particleC_" : "dust_particleB_", showSet2);
    }

    text = new CSprite(kTextZ);
    int lines = 0;
    text->LoadTextShadow(request.id, 300, 200, 3, lines, 41, 35, 28, Insert(request.insert[0]),
                         Insert(request.insert[1]), Insert(request.insert[2]), nullptr, nullptr);
    if (notice) {
        text->CenterAt(399, 359);
    } else {
        text->CenterAt(397, 368);
    }

    if (specialFind) {
        okayButton = DialogButton(this, 0, 315, 428, kOkayText, true);
    } else if (notice) {
        okayButton = DialogButton(this, 0, 315, 428, kNoticeOkayText, true);
    } else {
        okayButton = DialogButton(this, 0, 403, 429, kOkayText, true);
        cancelButton = DialogButton(this, 1, 236, 428, kCancelText, false);
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

// The opener looks out at the player, mirrored to face the container.
void CControllerCrate::LoadPortrait()
{
    CPerson* opener = LivingOpener();
    if (!opener) {
        return;
    }
    opener->ChangeHeadDirection(kFacingPlayer);
    const sidebar_image face = opener->GetSpriteForSidebar();
    int copy = -1;
    if (face.id != -1) {
        copy = draw->CopyImage(face.id);
    } else if (!face.name.empty()) {
        copy = draw->LoadImage(face.name.c_str(), true, false);
    }
    portrait = new CSprite(kPortraitZ);
    if (copy != -1) {
        portrait->LoadImage(draw->MirrorImageHorizontally(copy));
        draw->RemoveImage(copy);
    }
    if (opener->GetGender() == kFemale) {
        portrait->Move(331, 175);
    } else {
        portrait->Move(341, 183);
    }
    opener->ChangeHeadDirection(kDefaultHead);
}

void CControllerCrate::UnloadSprites()
{
    if (draw) {
        // Between a question and the notice that follows it nothing is shown.
        draw->Rendering(noticeOnly != 0);
    }
    if (!spritesLoaded) {
        return;
    }
    CSprite** sprites[] = {&panelA, &panelB,         &panelC, &fader, &picture, &text,
                           &portrait, &portraitShadow, &mistA, &mistB};
    for (CSprite** sprite : sprites) {
        DeleteAndClear(*sprite);
    }
    for (int i = 0; i < kSparkles; i++) {
        DeleteAndClear(sparkles1[i]);
        DeleteAndClear(sparkles2[i]);
    }
    DeleteAndClear(okayButton);
    DeleteAndClear(cancelButton);
    spritesLoaded = false;
}

void CControllerCrate::GotFocusBack() {}

void CControllerCrate::Pump()
{
    GetInput();
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    PumpMist();
}

void CControllerCrate::PumpMist()
{
    if (mistB->Paused()) {
        mistA->Hide();
        mistB->Hide();
        return;
    }
    if (static_cast<int>(mistB->GetFrame()) <= kLastSparklingMistImage) {
        for (int i = 0; i < kSparkles; i++) {
            const int r = RangedRandom(0, kSparkleRadius);
            const float a = RangedRandom(0.0f, 6.28318f);
            const int x = kSparkleX + Round(std::sin(a) * static_cast<float>(r));
            const int y = kSparkleY - Round(static_cast<float>(r) * std::cos(a));
            if (showSet2 && sparkles2[i]->AtEnd()) {
                sparkles2[i]->Move(x, y);
            }
            if (showSet1 && sparkles1[i]->AtEnd()) {
                sparkles1[i]->Move(x, y);
            }
        }
        return;
    }
    for (int i = 0; i < kSparkles; i++) {
        for (CSprite* sparkle : {sparkles1[i], sparkles2[i]}) {
            if (sparkle->AtEnd()) {
                sparkle->Hide();
            }
        }
    }
}

void CControllerCrate::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        answer = false;
        CloseScreen(this);
    }
}

void CControllerCrate::GUICallback(int id, int)
{
    answer = id == 0;
    CloseScreen(this);
}
