// The program's life: every service comes up in a fixed order, the first
// screen gets the focus, the frame loop runs until the screens stop it, and
// everything goes down again in a fixed order. Services that are still to be
// built are named at the step where they belong.
#include "CBuilding.h"
#include "CController.h"
#include "CControllerExit.h"
#include "CControllerGame.h"
#include "CControllerIntro.h"
#include "CDraw.h"
#include "CControllerMap.h"
#include "CDust.h"
#include "CFlowerIndicator.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSDL.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "CommandLine.h"
#include "Config.h"
#include "FontSystem.h"
#include "Log.h"
#include "Utilities.h"

#include <SDL.h>

#include <algorithm>

int SDL_main(int argc, char* argv[])
{
    const CommandLine commandLine = ReadCommandLine(argc, argv);

    FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
    if (!commandLine.noSound) {
        CSound::Initialize(!commandLine.consoleSound);
    }
    CSound::LoadTitleMusic();

    CSDL sdl;
    SeedRandom();
    CInput input;
    CController::input = &input;

    new CProfile();
    // Only now: the command line overrides the full-screen flag the profile applied.
    if (commandLine.windowed) {
        Config_SetFullscreen(false);
    }

    CDraw draw;
    // Relative mouse mode asks for a grab, which only takes once a window exists.
    CProfile::ApplyInputGrab();
    draw.Preload();
    CSound::Preload(&draw);
    CSound::LoadMusic(&draw);
    CSprite::draw = &draw;
    CRenderer renderer;
    CSprite::renderer = &renderer;
    CController::draw = &draw;
    CController::renderer = &renderer;
    CController::LoadSounds();
    CMouseCursor mouseCursor;

    CBuilding::InitSprites();
    CFlowerIndicator::Init();
    CTreeIndicator::Init();
    CPerson::PreLoadClothes();

    CControllerIntro intro;
    intro.GotFocus(nullptr, true);

    while (CController::running) {
        CController::PumpFocus();
        CSound::PumpAll();
        // The frame in which the last screen closed is neither drawn nor shown.
        if (CController::running) {
            mouseCursor.Pump();
            renderer.Render(true);
            draw.Flip(true);
        }
    }

    CBuilding::DeleteSprites();
    CFlowerIndicator::Unload();
    CTreeIndicator::Unload();
    CPerson::UnPreLoadClothes();
    // Asking for the stock here would make a new one; its destructor clears
    // the pointer, so the world's unloading below cannot delete it again.
    delete CControllerGame::resources;
    if (CDust::sndObservatory) {
        delete CDust::sndObservatory;
        CDust::sndObservatory = nullptr;
    }
    delete CControllerMap::sMap;
    CControllerMap::sMap = nullptr;
    if (CControllerExit::personImage != -1) {
        draw.RemoveImage(CControllerExit::personImage);
        CControllerExit::personImage = -1;
    }
    CProfile* profile = CProfile::CurrentProfile();
    // The total is stored in 32 bits: it stops at their top instead of wrapping.
    const double played =
        static_cast<double>(profile->GetValue<long>(50)) + GetTimeDiff(GetCurrentTime(), CProfile::startTime);
    profile->SetValue<long>(50, static_cast<long>(std::min(std::max(played, 0.0), 2147483647.0)));
    CObject::UnloadAll();
    CController::UnloadSounds();
    CSound::UnloadMusic();
    if (CControllerGame::sndWaves) {
        delete CControllerGame::sndWaves;
        CControllerGame::sndWaves = nullptr;
    }
    FontSystem_Unload();
    delete profile;

    // The automatic objects go in reverse order of their making: the first
    // screen, the pointer, the renderer, the drawing context, then SDL's guard.
    // SDL_Quit runs at process exit; the sound library is never closed.
    return 0;
}
