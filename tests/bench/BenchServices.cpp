#include "BenchServices.h"

#include "CController.h"
#include "CControllerGame.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSprite.h"
#include "GameResources.h"
#include "TempFolder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// The generated resource folder: the build folder is the one above this binary's.
std::string ResourceFolder()
{
    char exe[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    const std::filesystem::path build =
        std::filesystem::path(std::string(exe, length > 0 ? static_cast<size_t>(length) : 0)).parent_path().parent_path();
    return (build / "Palmora.app/Contents/Resources").string();
}

struct Services {
    Services()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("PALMORA_RESOURCES", ResourceFolder().c_str(), 0);
        folder = std::make_unique<TempFolder>();
        CController::input = &input;
        profile = std::make_unique<CProfile>();
        resources = std::make_unique<GameResources>(*folder);
    }

    std::unique_ptr<TempFolder> folder;
    CInput input;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<GameResources> resources;
};

}  // namespace

void EnsureBenchServices()
{
    static Services services;
}

std::unique_ptr<CMap> BenchIsland(unsigned int seed)
{
    EnsureBenchServices();
    CObject::UnloadAll();
    CObject::obstructions.clear();
    CMap::mysteriousObjectsLoaded = false;
    auto island = std::make_unique<CMap>(false);
    island->CreateMap(seed, -1, -1, false, true, false);
    island->ToggleBig(true);
    return island;
}

BenchNoSprites::BenchNoSprites()
{
    EnsureBenchServices();
    CControllerGame::Resources();
    draw = CSprite::draw;
    CSprite::draw = nullptr;
}

BenchNoSprites::~BenchNoSprites()
{
    CSprite::draw = draw;
}
