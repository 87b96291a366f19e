// Held stardust sparkling at the pointer, and the mist of a potion poured on
// the island, drawn in a real window for a person to look at.
#include "CControllerGameFixture.h"

#include "CDraw.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSprite.h"
#include "Screenshot.h"

namespace {

struct HeldThingsScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path, bool potion)
    {
        SetUp();
        CProfile::current->SetValue<bool>(7, true);
        CProfile::current->SetValue<bool>(75, true);
        CProfile::current->SetValue<bool>(38, true);
        CControllerGame& game = Open(kFixedIslandSeeds[3]);
        MouseAt(300, 300);
        int missing = 0;
        if (potion) {
            game.mistColourA = RGBA_data{120, 220, 255, 255};
            game.mistColourB = RGBA_data{255, 160, 230, 255};
            game.heldPotion = 17;
            game.InputMouseClick(true, false, false);
            game.InputMouseClick(true, false, true);
            for (int i = 0; i < 20; i++) {
                Frame();
            }
            missing += game.mistA->Hidden() ? 1 : 0;
        } else {
            CControllerGame::Resources()->AddStardust(3);
            game.GUICallback(0, 0);
            for (int i = 0; i < 12; i++) {
                Frame();
            }
            missing += game.heldStardustSprite->Hidden() ? 1 : 0;
            int sparks = 0;
            for (int i = 0; i < 60; i++) {
                sparks += game.starSprites[i]->Hidden() ? 0 : 1;
            }
            missing += sparks == 60 ? 0 : 1;
        }
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(HeldThingsOnX, HeldStardustSparklesAtThePointer)
{
    ScreenshotOnX("game-held-stardust-x11.png",
                  [](const std::string& path) { return HeldThingsScene().Draw(path, false); });
}

TEST(HeldThingsOnX, APotionOnTheGroundLeavesAMist)
{
    ScreenshotOnX("game-potion-mist-x11.png",
                  [](const std::string& path) { return HeldThingsScene().Draw(path, true); });
}
