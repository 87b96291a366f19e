// The loading screen of start-up: the picture, hint and logo animation shown
// by the constructor, and the progress bar that the archive, sound and music
// loaders advance.
#include "CDraw.h"

#include "CSound.h"

void CDraw::ShowLoadingScreen()
{
    // The loading picture, the hint and the logo animation are shown here,
    // right after the video mode is set and before the archive is read.
}

void CDraw::LoadLoadingText()
{
    // The bar's picture is read here; while there is none, the count is
    // still kept but nothing is drawn.
    loadingBarShown = 0;
}

void CDraw::DisplayLoadingText(int count)
{
    if (count > loadingCount) {
        loadingCount = count;
    }
    if (!loadingBar) {
        return;
    }
    // Long loads keep fades and streams going.
    if (count % 100 == 0) {
        SDL_Delay(1);
        CSound::PumpAll();
    }
    const int w = static_cast<int>(static_cast<float>(count) / static_cast<float>(loadingTotal) *
                                   static_cast<float>(loadingBar->w));
    if (w <= loadingBarShown) {
        return;
    }
    loadingBarShown = w;
    SDL_Rect part = {0, 0, static_cast<Uint16>(w), static_cast<Uint16>(loadingBar->h)};
    SDL_Rect where = {354, 539, 0, 0};
    SDL_UpperBlit(loadingBar, &part, screen, &where);
    RenderNow(354, 539, w, loadingBar->h);
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
