#include "CControllerEndStory.h"

#include "CControllerTrophies.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSprite.h"
#include "ScreenSteps.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

constexpr int kFaderZ = 21999999, kPictureZ = 22000000, kTextZ = 22000005;
constexpr int kSailingsProperty = 59, kEndingsProperty = 74, kNarrationProperty = 66;
constexpr int kVoyagerTrophy = 0x800000, kExplorerTrophy = 0x4;
// The explorer's trophy comes with the fifth ending.
constexpr int kEndingsBeforeExplorer = 4;
constexpr int kNarrationDelayFrames = 10;

struct picture_place {
    const char* name;
    int x, y;
};
constexpr picture_place kPicturePlaces[CControllerEndStory::kPictures] = {
    {"endstory_main_A.png", 131, 36},
    {"endstory_main_B.jpg", 168, 108},
    {"endstory_main_C.jpg", 204, 65},
    {"endstory_main_D.jpg", 611, 74}};

struct text_place {
    int id;
    int cy;
};
constexpr text_place kTextPlaces[CControllerEndStory::kTexts] = {{50000, 361}, {50001, 411}, {50002, 471}};
constexpr int kTextCentreX = 408;
constexpr int kContinueLabel = 50003;

void RaiseInt(int property)
{
    CProfile::current->SetValue<int>(property, SaturatingAdd(CProfile::current->GetValue<int>(property), 1));
}

}  // namespace

CControllerEndStory::CControllerEndStory()
    : continueButton(nullptr), pictures{}, fader(nullptr), texts{}, spritesLoaded(false), narration(nullptr)
{
    RaiseInt(kSailingsProperty);
    LoadSprites();
}

CControllerEndStory::~CControllerEndStory()
{
    UnloadSprites();
}

void CControllerEndStory::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    RaiseInt(kEndingsProperty);
    CControllerTrophies::CompleteTrophy(kVoyagerTrophy);
    if (CProfile::current->GetValue<int>(kEndingsProperty) > kEndingsBeforeExplorer) {
        CControllerTrophies::CompleteTrophy(kExplorerTrophy);
    }

    fader = CSprite::ImageAt("gui_fader.png", 0, 0, kFaderZ);
    for (int i = 0; i < kPictures; i++) {
        pictures[i] = new CSprite(kPicturePlaces[i].x, kPicturePlaces[i].y, kPictureZ);
        pictures[i]->LoadImage(kPicturePlaces[i].name);
    }
    for (int i = 0; i < kTexts; i++) {
        texts[i] = new CSprite(kTextZ);
        int lines = 0;
        texts[i]->LoadTextShadow(kTextPlaces[i].id, 400, 200, 3, lines, 41, 35, 28, nullptr, nullptr, nullptr,
                                 nullptr, nullptr);
        texts[i]->CenterAt(kTextCentreX, kTextPlaces[i].cy);
    }
    continueButton = new CGuiButton(CGuiButton::ScreenButton(this, 0, 316, 514, kContinueLabel,
                                                             "endstory_button_base.png", "endstory_button_shad.png",
                                                             "endstory_button_roll%i.png", -2, -2));
    narration = new CSound("ending.dat", false, 1.0f, true);
    if (CProfile::current->GetValue<bool>(kNarrationProperty)) {
        narration->Play(false, kNarrationDelayFrames, 0.0f, false);
    }
    CMouseCursor::ShowMouse();
    spritesLoaded = true;
}

void CControllerEndStory::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    DeleteAndClear(fader);
    for (CSprite*& picture : pictures) {
        DeleteAndClear(picture);
    }
    for (CSprite*& text : texts) {
        DeleteAndClear(text);
    }
    DeleteAndClear(narration);
    DeleteAndClear(continueButton);
    spritesLoaded = false;
}

void CControllerEndStory::GotFocusBack() {}

void CControllerEndStory::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
}

void CControllerEndStory::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        CloseScreen(this);
    }
}

void CControllerEndStory::GUICallback(int, int)
{
    CloseScreen(this);
}
