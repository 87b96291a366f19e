// The clothes designer under X for a person to look at: a woman in a
// chosen shirt colour with five orders waiting, a man with an even id shown
// mirrored, and the colour step of the tutorial with its dialog and ring.
#include "ClothesDesignerFixture.h"

#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Screenshot.h"

namespace {

struct ClothesScene : ClothesTest {
    void TestBody() override {}

    void Shoot(const std::string& path)
    {
        CSprite::renderer->RedrawScreen();
        Frame();
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
    }

    int Woman(const std::string& path)
    {
        SetUp();
        Member(1, 0);
        CPerson* woman = Member(3, 1);
        Open(woman);
        for (int i = 0; i < 5; i++) {
            Button(CControllerClothes::kFirstQuickPick + i);
            Button(CControllerClothes::kMakeClothes);
        }
        Button(CControllerClothes::kTabB);
        Button(CControllerClothes::kFirstQuickPick + 8);
        Frame(3);
        Shoot(path);
        CControllerClothes& d = Designer();
        const int missing = (d.shirtColourInUse == nullptr || d.shirtColourInUse->Hidden()) +
                            (d.pantsColourInUse == nullptr || d.pantsColourInUse->Hidden()) +
                            (CPerson::craftQueue.size() != 5) + (d.slotNames[4].empty() ? 1 : 0) +
                            !d.slotNames[5].empty();
        TearDown();
        return missing;
    }

    int EvenMan(const std::string& path)
    {
        SetUp();
        Open(Member(2, 0));
        Frame(3);
        Shoot(path);
        CControllerClothes& d = Designer();
        const int missing = (d.Facing() != 1) + (d.shirtColourInUse != d.garmentColour[0][0][1][d.shirtStyle]) +
                            d.shirtColourInUse->Hidden();
        TearDown();
        return missing;
    }

    int ColourStep(const std::string& path)
    {
        SetUp();
        game = std::make_unique<CControllerGame>(false, false);
        profile.SetValue<bool>(67, true);
        for (int step = 0; step <= 89; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
        game->pendingTutorial = 90;
        Open(Member(1, 1));
        Frame(10);
        Shoot(path);
        const int missing = (CTutorialDialog::activeDialog == nullptr) + (CTutorialDialog::tutorialCircle == nullptr);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(ClothesDesignerOnX, ShowsAWomanInAChosenColourWithAHalfFullQueue)
{
    ScreenshotOnX("clothes-designer-woman-x11.png", [](const std::string& path) { return ClothesScene().Woman(path); });
}

TEST(ClothesDesignerOnX, ShowsAManWithAnEvenIdMirrored)
{
    ScreenshotOnX("clothes-designer-even-man-x11.png",
                  [](const std::string& path) { return ClothesScene().EvenMan(path); });
}

TEST(ClothesDesignerOnX, ShowsTheColourStepWithItsRing)
{
    ScreenshotOnX("clothes-designer-step90-x11.png",
                  [](const std::string& path) { return ClothesScene().ColourStep(path); });
}
