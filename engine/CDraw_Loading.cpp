// The loading screen of start-up: the picture, hint and logo animation shown
// by the constructor, and the progress bar that the archive, sound and music
// loaders advance. The pictures are loose files beside the archives, since
// the image archive is not read yet when they are shown.
#include "CDraw.h"

#include "CProfile.h"
#include "CSound.h"
#include "FontSystem.h"
#include "Log.h"
#include "Utilities.h"

#include <SDL_image.h>

#include <array>
#include <cassert>
#include <string>

namespace {

const char* const kMainPicture = RESOURCE_FOLDER "loadingscreen_main.dat";
const char* const kBarPicture = RESOURCE_FOLDER "loadingscreen_loading.dat";

const int kLogoFrames = 38;
const int kLogoX = 160;
const int kLogoY = 77;
const int kBarX = 354;
const int kBarY = 539;
const int kHintY = 441;
const int kHintW = 800;
const int kHintH = 80;
const int kFirstHint = 22000;
const int kLastHint = 22038;
const int kHintProperty = 32;

// Null when the file is missing or undecodable; SDL's error says why.
SDL_Surface* Decode(const char* path, const char* type)
{
    // SDL_image wants a writable type string.
    char typeCopy[4] = {type[0], type[1], type[2], 0};
    return IMG_LoadTyped_RW(SDL_RWFromFile(path, "rb"), 1, typeCopy);
}

SDL_Surface* DecodeOrDie(const char* path, const char* type)
{
    SDL_Surface* surface = Decode(path, type);
    if (!surface) {
        const std::string detail = std::string(SDL_GetError()) + " (" + path + ")";
        errorMessage("Unable to load image: ", detail.c_str(), true, true);
    }
    return surface;
}

// A missing logo picture (null) is skipped.
void Blit(SDL_Surface* surface, SDL_Surface* screen, int x, int y)
{
    if (!surface) {
        return;
    }
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(surface, nullptr, screen, &where);
}

}  // namespace

void CDraw::ShowLoadingScreen()
{
    SDL_Surface* main = DecodeOrDie(kMainPicture, "JPG");
    std::array<SDL_Surface*, kLogoFrames> logos;
    for (int i = 0; i < kLogoFrames; i++) {
        logos[static_cast<size_t>(i)] = Decode(TempSprintf(RESOURCE_FOLDER "loadingscreen_logo_%i.dat", i), "JPG");
    }

    loadingScreenShown = true;
    Blit(main, screen, 0, 0);
    ShowLoadingHint();
    Blit(logos[0], screen, kLogoX, kLogoY);
    SDL_Flip(screen);

    CSound::PlayMusicTitle(false);
    for (SDL_Surface* logo : logos) {
        Blit(logo, screen, kLogoX, kLogoY);
        Flip(false);
        Flip(false);
    }

    SDL_FreeSurface(main);
    for (SDL_Surface* logo : logos) {
        if (logo) {
            SDL_FreeSurface(logo);
        }
    }
}

void CDraw::ShowLoadingHint()
{
    CProfile* profile = CProfile::current;
    assert(profile);
    int hint = profile->GetValue<int>(kHintProperty);
    // A damaged profile must not name a text outside the hints.
    if (hint < kFirstHint || hint > kLastHint) {
        hint = kFirstHint;
    }
    int lines = 0;
    SDL_Surface* rendered = FontSystem_RenderStringNumber(kHintW, kHintH, 3, hint, lines, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, nullptr);
    const int image = ImageFreeSpot(FormatImage(rendered, true), "LOADING HINT");
    profile->SetValue<int>(kHintProperty, hint + 1 > kLastHint ? kFirstHint : hint + 1);
    DisplayImage(image, 0, kHintY);
    RemoveImage(image);
}

void CDraw::LoadLoadingText()
{
    UnloadLoadingText();
    loadingBar = FormatImage(DecodeOrDie(kBarPicture, "PNG"), true);
    loadingBarShown = 0;
}

void CDraw::DisplayLoadingText(int count)
{
    if (count > loadingCount) {
        loadingCount = count;
    }
    // Before the bar is read or after it is freed there is nothing to show.
    if (!loadingBar) {
        return;
    }
    // Long loads keep fades and streams going; with no loading screen up
    // (the tests) nobody waits on its music.
    if (count % 100 == 0) {
        if (loadingScreenShown) {
            SDL_Delay(1);
        }
        CSound::PumpAll();
    }
    int w = static_cast<int>(static_cast<float>(count) / static_cast<float>(loadingTotal) *
                             static_cast<float>(loadingBar->w));
    // Past the full count the bar stays full.
    if (w > loadingBar->w) {
        w = loadingBar->w;
    }
    if (w <= loadingBarShown) {
        return;
    }
    loadingBarShown = w;
    SDL_Rect part = {0, 0, static_cast<Uint16>(w), static_cast<Uint16>(loadingBar->h)};
    SDL_Rect where = {kBarX, kBarY, 0, 0};
    SDL_UpperBlit(loadingBar, &part, screen, &where);
    // Sent at once: no frame is presented while the loaders run.
    RenderNow(where.x, where.y, where.w, where.h);
}

int CDraw::GetLoadingTextNum()
{
    return loadingCount;
}

void CDraw::UnloadLoadingText()
{
    if (loadingBar) {
        SDL_FreeSurface(loadingBar);
        loadingBar = nullptr;
    }
}
