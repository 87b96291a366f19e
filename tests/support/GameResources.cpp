#include "GameResources.h"

#include "ArchiveBytes.h"
#include "engine/CDraw.h"
#include "engine/Config.h"
#include "engine/CRenderer.h"
#include "engine/CSprite.h"
#include "engine/FontSystem.h"
#include "engine/Utilities.h"
#include "framework/CController.h"
#include "menus/CControllerExit.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const char* const kResources = "Palmora.app/Contents/Resources";

[[noreturn]] void Fail(const char* what, const char* detail)
{
    fprintf(stderr, "GameResources: %s%s\n", what, detail);
    abort();
}

}  // namespace

void GameResources::LinkResources()
{
    const char* source = getenv("PALMORA_RESOURCES");
    if (!source) {
        Fail("PALMORA_RESOURCES names no resource folder", "");
    }
    fs::create_directories(kResources);
    for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
        fs::create_symlink(entry.path(), fs::path(kResources) / entry.path().filename());
    }
}

void GameResources::DropImages(const std::vector<std::string>& names)
{
    const fs::path archive = fs::path(kResources) / "resource.dat";
    archive_entries kept = ArchiveEntries(ReadBytes(archive.string()));
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [&](const auto& entry) {
                                  return std::find(names.begin(), names.end(), entry.first) != names.end();
                              }),
               kept.end());
    fs::remove(archive);
    std::ofstream(archive, std::ios::binary) << ArchiveBytes(kept);
}

GameResources::GameResources(const TempFolder&)
{
    if (!fs::exists(fs::path(kResources) / "resource.dat")) {
        LinkResources();
    }
    Config_SetFullscreen(false);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Fail("SDL video: ", SDL_GetError());
    }
    // Texts drawn as pictures (labels, banners) come from the generated table.
    FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
    draw = std::make_unique<CDraw>(CDraw::NoLoadingScreen{});
    // Tests never wait for a frame.
    draw->ToggleFrameLock();
    draw->Preload();
    CSprite::draw = draw.get();
    CController::draw = draw.get();
    renderer = std::make_unique<CRenderer>();
    CSprite::renderer = renderer.get();
    CController::renderer = renderer.get();
}

GameResources::~GameResources()
{
    // The quit dialog keeps the last game's islander picture across screens,
    // as the program keeps one drawing service for its whole run; a later
    // test's service would otherwise be handed that stale image id.
    CControllerExit::ForgetPerson();
    renderer.reset();
    draw.reset();
    CSprite::draw = nullptr;
    FontSystem_Unload();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
