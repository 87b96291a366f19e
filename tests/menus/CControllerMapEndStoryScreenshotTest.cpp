// The ending page and the island map under a real X server, for a person to
// look at.
#include "tests/game/CControllerGameFixture.h"

#include "CControllerEndStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerMap.h"
#include "CControllerTrophies.h"
#include "CMysteriousObject.h"
#include "CRenderer.h"
#include "Screenshot.h"

namespace {

struct VoyageScenes : GameScreenTest {
    VoyageScenes() { SetUp(); }
    ~VoyageScenes() override { TearDown(); }
    void TestBody() override {}

    void Shoot(const std::string& path, int turns)
    {
        for (int i = 0; i < turns; i++) {
            CController::PumpFocus();
            resources.Renderer().Render(true);
        }
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
    }

    // The page over the island; 1 when its button is missing.
    int Ending(const std::string& path)
    {
        Open(kFixedIslandSeeds[2]);
        Shoot(path, 3);
        resources.Renderer().Swap();
        CControllerEndStory page;
        opener.screen->PassFocus(&page);
        Shoot(path, 3);
        CController::focus = nullptr;
        return page.continueButton == nullptr;
    }

    // The map with two mysteries ticked off and a band's story; 1 when an
    // icon that should show does not.
    int Map(const std::string& path)
    {
        const unsigned int seed = kFixedIslandSeeds[2];
        int nameId = 0, prefixId = 0;
        CControllerIslandSelect::IslandName(seed, nameId, prefixId);
        CProfile::current->SetValue<unsigned int>(46, seed);
        CProfile::current->SetValue<int>(47, nameId);
        CProfile::current->SetValue<int>(48, prefixId);
        CProfile::current->SetValue<int>(49, 3 * 172800);
        CProfile::current->SetValue<int>(52, 4);
        CProfile::current->SetValue<int>(60, 12);
        CControllerTrophies::SetVar(0x200 | 0x800);
        CMysteriousObject::SetVar((1 << 0) | (1 << 3));
        Open(seed);
        Shoot(path, 3);
        resources.Renderer().Swap();
        CControllerMap map;
        opener.screen->PassFocus(&map);
        Shoot(path, 3);
        CController::focus = nullptr;
        return map.mysteryIcons[0]->Hidden() || map.mysteryIcons[3]->Hidden();
    }
};

TEST(VoyageScreensOnX, DrawTheEndingPageAndTheIslandMap)
{
    ScreenshotOnX("EndStory-x11.png", [](const std::string& path) { return VoyageScenes().Ending(path); });
    ScreenshotOnX("IslandMap-x11.png", [](const std::string& path) { return VoyageScenes().Map(path); });
}

}  // namespace
