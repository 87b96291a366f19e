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
        // Chosen through the buttons' callbacks, so that the picture does not
        // hang on where a real X server's pointer has got to; the lab's own
        // tests click.
        CControllerLab& lab = Lab();
        for (int ingredient : {kWood, kSeawater, kStardust}) {
            lab.GUICallback(CControllerLab::kFirstIngredientButton + ingredient, 0);
            Frame();
        }
        Frame(40);
        lab.GUICallback(CControllerLab::kFirstIngredientButton + kRock, 0);
        Frame(6);
        MouseOnButton(CControllerLab::kFirstIngredientButton + kRock);
        Frame(2);
        CSprite::renderer->RedrawScreen();
        Frame();
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);

        // Whether a bubble is rising at the captured frame, the blend and the
        // pointer's description vary from run to run: the lab's own tests
        // check them; here only what must show on every run.
        const int missing =
            lab.flaskLiquid->Hidden() + lab.selectors[kRock]->Hidden() + lab.slots[1].names[0]->Hidden();
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(LabOnX, ShowsAChoiceBlendingInTheBubblingFlask)
{
    ScreenshotOnX("potion-lab-x11.png", [](const std::string& path) { return LabScene().Draw(path); });
}
