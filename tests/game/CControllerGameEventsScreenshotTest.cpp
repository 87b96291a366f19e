// Held stardust sparkling at the pointer, drawn in a real window for a person to look at.
#include "CControllerGameFixture.h"

#include "CResources.h"
#include "CSprite.h"
#include "Screenshot.h"

namespace {

struct HeldThingsScene : GameScreenTest {
    void TestBody() override {}

    // The number of expected things that did not show.
    int Draw(const std::string& path)
    {
        SetUp();
        CProfile::current->SetValue<bool>(7, true);
        CProfile::current->SetValue<bool>(75, true);
        CProfile::current->SetValue<bool>(38, true);
        CControllerGame& game = Open(kFixedIslandSeeds[3]);
        MouseAt(300, 300);
        CControllerGame::Resources()->AddStardust(3);
        game.GUICallback(0, 0);
        for (int i = 0; i < 12; i++) {
            Frame();
        }
        int missing = game.heldStardustSprite->Hidden() ? 1 : 0;
        int sparks = 0;
        for (int i = 0; i < 60; i++) {
            sparks += game.starSprites[i]->Hidden() ? 0 : 1;
        }
        missing += sparks == 60 ? 0 : 1;
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        SaveRedrawnScreen(path);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(HeldThingsOnX, HeldStardustSparklesAtThePointer)
{
    ScreenshotOnX("game-held-stardust-x11.png", [](const std::string& path) { return HeldThingsScene().Draw(path); });
}
