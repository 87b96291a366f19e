// The potion lab under X for a person to look at: wood, seawater and
// stardust chosen, then the main ingredient changed, so that the flask is
// caught blending between two colours while it bubbles, with the pointer on
// the rock and its description showing.
#include "CControllerLabFixture.h"

#include "CDraw.h"
#include "Screenshot.h"

namespace {

struct LabScene : LabTest {
    void TestBody() override {}

    // The number of expected things that do not show.
    int Draw(const std::string& path)
    {
        SetUp();
        CResources* stock = CControllerGame::Resources();
        stock->wood = 12;
        stock->rock = 7;
        stock->food[0] = 5;
        stock->stardust = 3;
        opener.Open();
        for (int ingredient : {kWood, kSeawater, kStardust}) {
            Choose(ingredient);
        }
        Frame(40);
        Choose(kRock);
        Frame(6);
        MouseOnButton(CControllerLab::kFirstIngredientButton + kRock);
        Frame(2);
        CSprite::renderer->RedrawScreen();
        Frame();
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);

        // Whether a bubble is rising at the captured frame depends on draws
        // that differ from run to run, and the blend with it: the lab's own
        // tests check both; here only what must show on every run.
        CControllerLab& lab = Lab();
        const int missing = lab.hoverText[kRock]->Hidden() + lab.flaskLiquid->Hidden() +
                            lab.selectors[kRock]->Hidden() + lab.slots[1].names[0]->Hidden();
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(LabOnX, ShowsAChoiceBlendingInTheBubblingFlask)
{
    ScreenshotOnX("potion-lab-x11.png", [](const std::string& path) { return LabScene().Draw(path); });
}
