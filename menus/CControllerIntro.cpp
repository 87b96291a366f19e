#include "CControllerIntro.h"

#include "CControllerMain.h"
#include "CDraw.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "Utilities.h"

#include <SDL_image.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kLastFrameZ = 899999000;
constexpr int kBackgroundZ = 23000023;
constexpr int kEmblemZ = 23000027;
constexpr int kTextZ = 23000025;
constexpr int kSplash2Z = 23004021;
constexpr int kSplash3Z = 23005021;
constexpr int kFadeMs = 500;
constexpr int kEmblemX = 186, kEmblemY = 165;
constexpr int kTextAX = 295, kTextAY = 203;
constexpr int kTextBX = 304, kTextBY = 262;
constexpr float kSlide = 1.07f;  // pixels per percent of the slide

// Percent of the text lines' slide on frames 4 to 21; 100 from frame 22 on.
constexpr float kEasing[] = {9.4f,  18.5f, 27.2f, 35.4f, 43.3f, 50.7f, 57.6f, 64.1f, 70.1f,
                             75.6f, 80.5f, 85.0f, 88.9f, 92.2f, 95.0f, 97.1f, 98.7f, 99.7f};

float EasingPercent(int frame)
{
    if (frame < 4) {
        return 0.0f;
    }
    const int i = frame - 4;
    return i < static_cast<int>(sizeof(kEasing) / sizeof(kEasing[0])) ? kEasing[i] : 100.0f;
}

CSprite* Animation(const char* prefix, int x, int y, int z)
{
    CSprite* sprite = new CSprite(z, 1);
    sprite->LoadImage(prefix, 0, 17, ".png");
    sprite->Move(x, y);
    sprite->Pause();
    sprite->PauseWhenDone();
    return sprite;
}

// A text line writes itself in and out: 0, 1, 1..13, 13..1, 1, 0.
CSprite* TextLine(const char* prefix, int x, int y)
{
    CSprite* sprite = new CSprite(kTextZ, 1);
    sprite->LoadImage(prefix, 0, 1, ".png");
    sprite->LoadImage(prefix, 1, 13, ".png");
    sprite->LoadImage(prefix, 13, 1, ".png");
    sprite->LoadImage(prefix, 1, 0, ".png");
    sprite->Move(x, y);
    sprite->Pause();
    sprite->PauseWhenDone();
    sprite->Hide();
    return sprite;
}

// The whole of a JPEG file: it starts with the start-of-image marker and
// ends with the end-of-image marker. Anything shorter is no picture: the
// decoder would fill a cut-off file with grey rather than fail.
bool ReadWholeJpeg(const std::string& path, std::vector<Uint8>& bytes)
{
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    if (!stream) {
        return false;
    }
    const int size = SDL_RWseek(stream, 0, RW_SEEK_END);
    if (size > 4) {
        bytes.resize(static_cast<size_t>(size));
        SDL_RWseek(stream, 0, RW_SEEK_SET);
        if (SDL_RWread(stream, bytes.data(), 1, size) != size) {
            bytes.clear();
        }
    }
    SDL_RWclose(stream);
    const size_t n = bytes.size();
    return n > 4 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[n - 2] == 0xFF && bytes[n - 1] == 0xD9;
}

}  // namespace

Uint32 (*CControllerIntro::ticks)() = SDL_GetTicks;
const char* CControllerIntro::splashFolder = RESOURCE_FOLDER;

CControllerIntro::CControllerIntro()
    : lastFrame(nullptr), background(nullptr), emblem(nullptr), emblemShadow(nullptr), textA(nullptr),
      textAShadow(nullptr), textB(nullptr), textBShadow(nullptr), splash2(nullptr), splash3(nullptr),
      spritesLoaded(false), mainMenu(nullptr), done(false), startTime(-1), frameCounter(0)
{
    LoadSprites();
}

CControllerIntro::~CControllerIntro()
{
    UnloadSprites();
    delete mainMenu;
}

void CControllerIntro::LoadSprites()
{
    if (spritesLoaded) {
        return;
    }
    frameCounter = 0;
    splash2 = splash3 = nullptr;
    lastFrame = new CSprite(kLastFrameZ);
    lastFrame->LoadImage(draw->CopyBackbuffer());
    lastFrame->FadeOut(kFadeMs);
    background = CSprite::ImageAt("logo_bg.jpg", 0, 0, kBackgroundZ);
    emblem = Animation("Brinemark_logo_main_", kEmblemX, kEmblemY, kEmblemZ);
    emblemShadow = Animation("Brinemark_logo_mainshad_", kEmblemX, kEmblemY, kEmblemZ - 1);
    textA = TextLine("Brinemark_logo_textA_", kTextAX, kTextAY);
    textAShadow = CSprite::ImageAt("Brinemark_logo_textAshad.png", kTextAX, kTextAY, kTextZ - 1);
    textAShadow->Hide();
    textB = TextLine("Brinemark_logo_textB_", kTextBX, kTextBY);
    textBShadow = CSprite::ImageAt("Brinemark_logo_textBshad.png", kTextBX, kTextBY, kTextZ - 1);
    textBShadow->Hide();
    splash2 = LoadSplash(2, "INTRO SCREEN 2", kSplash2Z);
    splash3 = LoadSplash(3, "INTRO SCREEN 3", kSplash3Z);
    CMouseCursor::HideMouse(-1, false);
    spritesLoaded = true;
}

CSprite* CControllerIntro::LoadSplash(int number, const char* label, int z)
{
    // A file of the player's beside the program, not of the resource archive.
    const std::string path = std::string(splashFolder) + "splash" + std::to_string(number) + ".jpg";
    std::vector<Uint8> bytes;
    if (!ReadWholeJpeg(path, bytes)) {
        return nullptr;
    }
    SDL_Surface* surface = IMG_LoadTyped_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1,
                                            const_cast<char*>("JPG"));
    if (!surface) {
        return nullptr;
    }
    CSprite* sprite = new CSprite(z);
    sprite->LoadImage(draw->ImageFreeSpot(draw->FormatImage(surface, true), label));
    sprite->Hide();
    return sprite;
}

void CControllerIntro::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    for (CSprite** sprite : {&lastFrame, &background, &emblem, &emblemShadow, &textA, &textAShadow, &textB,
                             &textBShadow, &splash2, &splash3}) {
        delete *sprite;
        *sprite = nullptr;
    }
    spritesLoaded = false;
}

void CControllerIntro::Pump()
{
    if (done) {
        ShutDown(0);
        return;
    }
    GetInput();
    if (!hasFocus || !spritesLoaded) {
        return;
    }
    if (lastFrame->Fading()) {
        return;
    }
    lastFrame->Hide();
    if (startTime == -1) {
        startTime = static_cast<long>(ticks());
        return;
    }
    if (emblem->AtStart()) {
        emblem->PlayForward();
        emblemShadow->PlayForward();
    }
    if (frameCounter == 3) {
        for (CSprite* sprite : {textA, textAShadow, textB, textBShadow}) {
            sprite->UnHide();
        }
    }
    const float shift = kSlide * EasingPercent(frameCounter);
    const int ax = static_cast<int>(std::lround(kTextAX + shift));
    const int bx = static_cast<int>(std::lround(kTextBX + shift));
    textA->Move(ax, kTextAY);
    textAShadow->Move(ax, kTextAY);
    textB->Move(bx, kTextBY);
    textBShadow->Move(bx, kTextBY);
    if (frameCounter == 34) {
        textA->PlayForward();
    }
    if (frameCounter == 61) {
        textB->PlayForward();
    }
    frameCounter++;
    if (RunSplashes(static_cast<long>(ticks()) - startTime)) {
        return;
    }
    if (static_cast<long>(ticks()) - startTime > 9999) {
        OpenMainMenu();
    }
}

bool CControllerIntro::RunSplashes(long elapsed)
{
    const long now = static_cast<long>(ticks());
    if (splash2 && elapsed > 4000) {
        if (splash2->Hidden()) {
            splash2->UnHide();
            splash2->FadeIn(kFadeMs);
        }
        if (splash2->Fading()) {
            return true;
        }
    } else if (elapsed >= 4001 && elapsed <= 6999) {
        startTime = now - 7000;
    }
    elapsed = now - startTime;
    if (splash3 && elapsed > 6000) {
        if (splash3->Hidden()) {
            splash3->UnHide();
            splash3->FadeIn(kFadeMs);
        }
        if (splash3->Fading()) {
            return true;
        }
    } else if (elapsed >= 7001 && elapsed <= 9999) {
        startTime = now - 10000;
    }
    return false;
}

void CControllerIntro::OpenMainMenu()
{
    UnloadSprites();
    mainMenu = new CControllerMain();
    PassFocus(mainMenu);
}

void CControllerIntro::InputKey(bool released, int)
{
    if (hasFocus && released && startTime != -1) {
        OpenMainMenu();
    }
}

void CControllerIntro::InputMouseMove(int, int) {}

void CControllerIntro::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released && startTime != -1) {
        OpenMainMenu();
    }
}

void CControllerIntro::GotFocusBack()
{
    delete mainMenu;
    mainMenu = nullptr;
    done = true;
}
