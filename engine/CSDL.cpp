#include "CSDL.h"

#include "Log.h"

#include <SDL.h>

#include <cstdlib>

CSDL::CSDL()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        errorMessage("Unable to initialize SDL: ", SDL_GetError(), true, true);
    }
    atexit(SDL_Quit);
    SDL_WM_SetCaption("Palmora", "Palmora");
}

CSDL::~CSDL() {}
