#include "BenchServices.h"

#include "CBird.h"
#include "CBuilding.h"
#include "CButterfly.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CCraftworks.h"
#include "CDust.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CFlowerIndicator.h"
#include "CFlyaway.h"
#include "CGuiButtonBase.h"
#include "CGuiSliderBar.h"
#include "CGull.h"
#include "CHut.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRelic.h"
#include "CRipple.h"
#include "CScienceStation.h"
#include "CSprite.h"
#include "CStone.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"
#include "CTombstone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
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

CDraw* servicesDraw = nullptr;

}  // namespace

void EnsureBenchServices()
{
    static Services services;
    servicesDraw = &services.resources->Draw();
}

std::string LeftBehind()
{
    std::string left;
    const auto list = [&](const char* name, size_t size) {
        if (size != 0) {
            left += std::string(left.empty() ? "" : ", ") + name + " holds " + std::to_string(size);
        }
    };
    const auto pointer = [&](const char* name, const void* now, const void* expected) {
        if (now != expected) {
            left += std::string(left.empty() ? "" : ", ") + name + (expected ? " is not the services' one" : " is set");
        }
    };
    const auto slots = [&](const char* name, auto& array) {
        size_t used = 0;
        for (auto* creature : array) {
            used += creature != nullptr;
        }
        list(name, used);
    };
    list("CObject::objects", CObject::objects.size());
    list("CObject::obstructions", CObject::obstructions.size());
    list("CPerson::people", CPerson::people.size());
    list("CPerson::craftQueue", CPerson::craftQueue.size());
    list("CPerson::pickupQueue", CPerson::pickupQueue.size());
    list("CBuilding::buildings", CBuilding::buildings.size());
    list("CHut::huts", CHut::huts.size());
    list("CFarm::farms", CFarm::farms.size());
    list("CFireplace::fireplaces", CFireplace::fireplaces.size());
    list("CCraftworks::craftworks", CCraftworks::craftworks.size());
    list("CScienceStation::stations", CScienceStation::stations.size());
    list("CStorehouseWood::allBuildings", CStorehouseWood::allBuildings.size());
    list("CStorehouseFood::allBuildings", CStorehouseFood::allBuildings.size());
    list("CStorehouseRock::allBuildings", CStorehouseRock::allBuildings.size());
    list("CFlyaway::flyaways", CFlyaway::flyaways.size());
    list("CTreeIndicator::treeIndicator", CTreeIndicator::treeIndicator.size());
    list("CTreeIndicator::treeData", CTreeIndicator::treeData.size());
    list("CFlowerIndicator::flowerIndicator", CFlowerIndicator::flowerIndicator.size());
    list("CFlowerIndicator::flowerData", CFlowerIndicator::flowerData.size());
    list("CTombstone::tombstones", CTombstone::tombstones.size());
    list("CDust::dust", CDust::dust.size());
    list("CRelic::relic", CRelic::relic.size());
    list("CRipple::ripples", CRipple::ripples.size());
    list("CTree::choppable", CTree::choppable.size());
    list("CStone::choppable", CStone::choppable.size());
    list("CGuiButtonBase::buttons", CGuiButtonBase::buttons.size());
    list("CGuiSliderBar::buttons", CGuiSliderBar::buttons.size());
    slots("CBird::bird", CBird::bird);
    slots("CGull::bird", CGull::bird);
    slots("CButterfly::butterfly", CButterfly::butterfly);
    if (CPerson::showFlyaways) {
        left += std::string(left.empty() ? "" : ", ") + "CPerson::showFlyaways is set";
    }
    pointer("CObject::selectedObject", CObject::selectedObject, nullptr);
    pointer("CObject::lastSelectedPerson", CObject::lastSelectedPerson, nullptr);
    pointer("CObject::requestingFeedback", CObject::requestingFeedback, nullptr);
    pointer("CControllerGame::game", CControllerGame::game, nullptr);
    pointer("CControllerGame::island", CControllerGame::island, nullptr);
    pointer("CController::focus", CController::focus, nullptr);
    pointer("CSprite::draw", CSprite::draw, servicesDraw);
    pointer("CController::draw", CController::draw, servicesDraw);
    return left;
}

void ClearBenchWorld()
{
    // A game screen left open takes its island and objects with it.
    delete CControllerGame::game;
    CControllerGame::game = nullptr;
    CController::focus = nullptr;
    CPerson::showFlyaways = false;
    CObject::UnloadAll();
    CObject::obstructions.clear();
    CObject::selectedObject = CObject::lastSelectedPerson = CObject::requestingFeedback = nullptr;
    CPersonMovement::whoIsMoving = nullptr;
    CPerson::craftQueue.clear();
    CPerson::pickupQueue.clear();
    CFlyaway::RemoveFlyaways();
    CRipple::Unload();
    CTreeIndicator::treeData.clear();
    CFlowerIndicator::flowerData.clear();
    CTree::choppable.clear();
    CStone::choppable.clear();
    CMap::mysteriousObjectsLoaded = false;
}

void IslandRemover::operator()(CMap* island) const
{
    delete island;
    ClearBenchWorld();
}

void LayOpenGrass(CMap& island, int offsetX, int offsetY)
{
    island.playable = true;
    island.offsetX = offsetX;
    island.offsetY = offsetY;
    for (int tileX = 0; tileX < 128; tileX++) {
        for (int tileY = 0; tileY < 128; tileY++) {
            island.SetTile(tileX, tileY, 16 | 0x200);
        }
    }
}

BenchIslandPtr BenchNewIsland()
{
    EnsureBenchServices();
    ClearBenchWorld();
    return BenchIslandPtr(new CMap(false));
}

BenchIslandPtr BenchIsland(unsigned int seed)
{
    BenchIslandPtr island = BenchNewIsland();
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
    ClearBenchWorld();
}
