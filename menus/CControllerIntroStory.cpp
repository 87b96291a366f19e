#include "CControllerIntroStory.h"

#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "ScreenSteps.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr int kBackgroundZ = 22000000;
constexpr int kPanelZ = 22000001;
constexpr int kCaptionZ = 22000002;
constexpr int kFlashZ = 22000010;
constexpr int kLastFrameZ = 899999000;
constexpr int kFadeMs = 500;
constexpr int kNarrationProperty = 66;
constexpr int kTutorialOnProperty = 67;
constexpr int kClosingStep = 105;
constexpr int kTutorialOff = 1105;
constexpr int kSkipQuestion = 12306;

struct panel_place {
    int x, y;
};
constexpr panel_place kPanelPlaces[4] = {{245, 83}, {235, 239}, {39, 140}, {425, 142}};

struct caption {
    int text;
    int w;
    int cx, cy;
    int threshold;  // shown on frames after this one
};
// Panel by panel: five, four, two and seven lines.
constexpr int kFirstCaption[5] = {0, 5, 9, 11, 18};
constexpr caption kCaptionLines[18] = {
    {23010, 450, 400, 407, 60},  {23011, 450, 400, 425, 156}, {23012, 450, 400, 458, 245},
    {23013, 450, 400, 476, 303}, {23014, 450, 400, 509, 424}, {23020, 400, 400, 123, 56},
    {23021, 400, 400, 141, 131}, {23022, 400, 400, 159, 216}, {23023, 400, 400, 177, 293},
    {23030, 400, 577, 292, 54},  {23031, 400, 577, 310, 104}, {23040, 400, 226, 235, 51},
    {23041, 400, 226, 253, 107}, {23042, 400, 226, 271, 196}, {23043, 400, 226, 289, 274},
    {23044, 400, 226, 318, 335}, {23045, 400, 226, 336, 400}, {23046, 400, 226, 354, 491}};
constexpr int kFinalFrames[4] = {425, 296, 115, 492};

CSprite* Blank(CDraw* draw, int like, RGBA_data colour, int z)
{
    const int image = draw->CreateSizedBlank(800, 600, like);
    draw->ColourFill(image, colour, 0, 0, 800, 600);
    CSprite* sprite = new CSprite(z);
    sprite->LoadImage(image);
    return sprite;
}

// A caption fades in over 42 frames: 20 ever less transparent copies, then
// the text itself, all made once here.
CSprite* Caption(CDraw* draw, const caption& line)
{
    CSprite* sprite = new CSprite(kCaptionZ, 2);
    int lines = 0;
    const int text = draw->LoadText(line.text, line.w, 30, 3, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    float alpha = 0.0f;
    for (int i = 0; i < 20; i++) {
        if (i < 19) {
            alpha += 0.05f;
        }
        SDL_Surface* faded = draw->AlterImageRGBA(text, RGBA_offset{1.0f, 1.0f, 1.0f, alpha}, true, nullptr, 1.0f,
                                                  1.0f, 1.0f);
        sprite->LoadImage(draw->ImageFreeSpot(faded, "INTRO TEXT FADING"));
    }
    sprite->LoadImage(text);
    sprite->Pause();
    sprite->PauseWhenDone();
    sprite->CenterAt(line.cx, line.cy);
    sprite->Hide();
    return sprite;
}

bool NarrationOn()
{
    return CProfile::current->GetValue<bool>(kNarrationProperty);
}

bool Waiting(CSound* sound)
{
    return sound->IsPlaying() || sound->GetFramesToDelay() > 0;
}

}  // namespace

CControllerPopUp* CControllerIntroStory::popUp = nullptr;
CSound* CControllerIntroStory::sndWaves = nullptr;
CSound* CControllerIntroStory::sndBirds[6] = {};
CSound* CControllerIntroStory::sndRain = nullptr;
CSound* CControllerIntroStory::sndThunder1 = nullptr;
CSound* CControllerIntroStory::sndThunder2 = nullptr;
CSound* CControllerIntroStory::sndWind = nullptr;

CControllerIntroStory::CControllerIntroStory()
    : panelRunning(true), frameCounter(0), skipButton(nullptr), panel(0), lastFrame(nullptr), flash(nullptr),
      blackBackground(nullptr), panels{}, captions{}, prompt(nullptr), spritesLoaded(false),
      closingQuestion(nullptr), narration{}
{
    LoadSprites();
}

CControllerIntroStory::~CControllerIntroStory()
{
    UnloadSprites();
    DeleteAndClear(popUp);
}

void CControllerIntroStory::DeleteAmbientSounds()
{
    DeleteAndClear(sndWaves);
    for (CSound*& bird : sndBirds) {
        DeleteAndClear(bird);
    }
    DeleteAndClear(sndRain);
    DeleteAndClear(sndThunder1);
    DeleteAndClear(sndThunder2);
    DeleteAndClear(sndWind);
}

void CControllerIntroStory::NewLastFrame()
{
    delete lastFrame;
    lastFrame = new CSprite(kLastFrameZ);
    lastFrame->LoadImage(draw->CopyBackbuffer());
    lastFrame->FadeOut(kFadeMs);
}

void CControllerIntroStory::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    closingQuestion = nullptr;
    panelRunning = true;
    frameCounter = 0;
    panel = 0;
    // A story told again before the chooser freed the last one's sounds.
    DeleteAmbientSounds();
    sndWaves = new CSound("waves_LOOP.ogg", false, 0.6f, false);
    for (int i = 0; i < 6; i++) {
        const std::string name = "island_birds_" + std::to_string(i + 1) + ".ogg";
        sndBirds[i] = new CSound(name.c_str(), false, 0.5f, false);
    }
    sndRain = new CSound("rain_ambient.ogg", false, 1.0f, false);
    sndThunder1 = new CSound("rain_thunder_1.ogg", false, 0.8f, false);
    sndThunder2 = new CSound("rain_thunder_2.ogg", false, 0.8f, false);
    sndWind = new CSound("island_woosh.ogg", false, 0.8f, false);
    for (int i = 0; i < kPanels; i++) {
        const std::string name = "Intro" + std::to_string(i + 1) + ".dat";
        narration[i] = new CSound(name.c_str(), false, 1.0f, true);
    }
    for (int i = 0; i < kPanels; i++) {
        const std::string prefix = "intro_panel" + std::to_string(i + 1) + "_";
        panels[i] = new CSprite(kPanelZ, 2);
        panels[i]->LoadImage(prefix.c_str(), 0, 55, ".jpg");
        panels[i]->Move(kPanelPlaces[i].x, kPanelPlaces[i].y);
        panels[i]->PlayForward();
        panels[i]->PauseWhenDone();
        if (i > 0) {
            panels[i]->Hide();
        }
    }
    const int like = panels[0]->GetFirstImage();
    blackBackground = Blank(draw, like, RGBA_data{0, 0, 0, 255}, kBackgroundZ);
    flash = Blank(draw, like, RGBA_data{255, 255, 255, 255}, kFlashZ);
    flash->Hide();
    for (int i = 0; i < kCaptions; i++) {
        captions[i] = Caption(draw, kCaptionLines[i]);
    }
    prompt = new CSprite(kCaptionZ, 2);
    int lines = 0;
    prompt->LoadText(23050, 400, 30, 3, lines, nullptr, nullptr, nullptr, nullptr, nullptr);
    prompt->CenterAt(400, 580);
    prompt->Hide();
    // The skip button is button 0.
    skipButton = new CGuiButton(CGuiButton::ScreenButton(this, 0, 695, 539, 23000, "intro_button_skip_base.png",
                                                         "intro_button_skip_shad.png",
                                                         "intro_button_skip_roll%i.png", 0, 0));
    CSound::PlayMusicIntro();
    NewLastFrame();
    if (NarrationOn()) {
        narration[0]->Play(false, 60, 0.0f, false);
    }
    CMouseCursor::HideMouse(-1, false);
    spritesLoaded = true;
}

void CControllerIntroStory::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    CSound* ambient[] = {sndWaves,   sndBirds[0], sndBirds[1], sndBirds[2],
                         sndBirds[3], sndBirds[4], sndBirds[5], sndRain, sndThunder1, sndThunder2, sndWind};
    for (CSound* sound : ambient) {
        if (sound && sound->IsPlaying()) {
            sound->FadeOut(5);
        }
    }
    for (CSound*& voice : narration) {
        DeleteAndClear(voice);
    }
    DeleteAndClear(lastFrame);
    DeleteAndClear(blackBackground);
    DeleteAndClear(flash);
    for (CSprite*& sprite : panels) {
        DeleteAndClear(sprite);
    }
    for (CSprite*& sprite : captions) {
        DeleteAndClear(sprite);
    }
    DeleteAndClear(prompt);
    DeleteAndClear(skipButton);
    DeleteAndClear(closingQuestion);
    spritesLoaded = false;
}

int CControllerIntroStory::GetFinalFrame()
{
    return panel >= 0 && panel < kPanels ? kFinalFrames[panel] : kFinalFrames[kPanels - 1];
}

void CControllerIntroStory::SilenceNarration()
{
    for (CSound* voice : narration) {
        if (Waiting(voice)) {
            voice->FadeOut(15);
            voice->SetFramesToDelay(0);
        }
    }
}

void CControllerIntroStory::ShowDialog()
{
    CMouseCursor::ShowHourglass(true);
    if (!closingQuestion) {
        closingQuestion = new CTutorialDialog(kClosingStep, this);
    }
    if (panel >= 0 && panel < kPanels) {
        panels[panel]->Pause();
    }
    skipButton->Hide();
    prompt->Hide();
    SilenceNarration();
}

void CControllerIntroStory::Pump()
{
    GetInput();
    if (!hasFocus || returnCode != -2 || !spritesLoaded) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus || closingQuestion) {
        return;
    }
    frameCounter++;
    if (!lastFrame->Fading()) {
        lastFrame->Hide();
    }
    if (!panelRunning) {
        StartNextPanel();
        if (closingQuestion) {
            return;
        }
    }
    const int f = frameCounter;
    for (int i = kFirstCaption[panel]; i < kFirstCaption[panel + 1]; i++) {
        if (f > kCaptionLines[i].threshold && captions[i]->Hidden()) {
            captions[i]->UnHide();
            captions[i]->PlayForward();
        }
    }
    if (panel == 2) {
        RunStorm(f);
    } else if (panel == 3) {
        RunShore(f);
    }
    if (GetFinalFrame() <= f) {
        prompt->UnHide();
    }
}

void CControllerIntroStory::StartNextPanel()
{
    frameCounter = 0;
    panel++;
    if (panel >= 1 && panel <= 3) {
        CSound* left = narration[panel - 1];
        if (Waiting(left)) {
            left->FadeOut(15);
            left->SetFramesToDelay(0);
        }
        if (NarrationOn()) {
            narration[panel]->Play(false, 60, 0.0f, false);
        }
    }
    if (panel > 3) {
        ShowDialog();
        return;
    }
    panels[panel]->ResetStart();
    panels[panel]->PlayForward();
    panels[panel]->UnHide();
    for (int i = 0; i < kPanels; i++) {
        if (i != panel) {
            panels[i]->Hide();
        }
    }
    for (CSprite* line : captions) {
        line->Hide();
    }
    prompt->Hide();
    flash->Hide();
    panelRunning = true;
    NewLastFrame();
}

void CControllerIntroStory::Lightning(CSound* thunder)
{
    thunder->Play(false, 0, 0.0f, false);
    flash->UnHide();
    draw->Shake();
}

void CControllerIntroStory::RunStorm(int f)
{
    if (f == 60) {
        Lightning(sndThunder1);
    } else if (f == 180) {
        Lightning(sndThunder2);
    } else if (f >= 300 && f % 90 == 0 && RangedRandom(0, 2) == 0) {
        Lightning(RangedRandom(0, 1) == 1 ? sndThunder2 : sndThunder1);
    } else {
        flash->Hide();
    }
    if (!sndRain->IsPlaying()) {
        sndRain->Play(true, 0, 0.0f, false);
        sndRain->FadeIn(15);
        sndWind->Play(true, 0, 0.0f, false);
        sndWind->FadeIn(15);
    }
}

void CControllerIntroStory::RunShore(int f)
{
    if (f == 0) {
        sndRain->FadeOut(15);
        sndWind->FadeOut(15);
    }
    if (f % 90 == 0 && RangedRandom(0, 2) == 0) {
        sndBirds[RangedRandom(0, 5)]->Play(false, 0, 0.0f, false);
    }
    if (!sndWaves->IsPlaying()) {
        sndWaves->Play(true, 0, 0.0f, false);
        sndWaves->FadeIn(15);
    }
}

void CControllerIntroStory::InputKey(bool, int) {}

void CControllerIntroStory::InputMouseClick(bool left, bool, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (!left) {
        return;
    }
    CGuiButtonBase::LeftMouseClick(released, false);
    if (!hasFocus || !released || closingQuestion || !spritesLoaded) {
        return;
    }
    if (frameCounter >= GetFinalFrame()) {
        panelRunning = false;
        panels[panel]->Pause();
    } else {
        frameCounter = GetFinalFrame();
    }
}

void CControllerIntroStory::GUICallback(int id, int)
{
    if (id == 0) {
        SilenceNarration();
        HourglassSteps();
        feedback_data request{};
        request.id = kSkipQuestion;
        popUp = new CControllerPopUp(request, false, -1);
        PassFocus(popUp);
        return;
    }
    CProfile* profile = CProfile::current;
    for (int step = 0; step < CTutorialDialog::kSteps; step++) {
        profile->SetValue<bool>(1000 + step, false);
    }
    profile->SetValue<bool>(kTutorialOnProperty, id != kTutorialOff);
    CloseScreen(this);
}

void CControllerIntroStory::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    const bool skip = popUp->answer;
    DeleteAndClear(popUp);
    if (returnCode != -2) {
        return;
    }
    CMouseCursor::ShowMouse();
    renderer->AddSpecialDirty(0, 0, 800, 600, true);
    if (skip) {
        ShowDialog();
    }
    CMouseCursor::ShowMouse();
}
