#include "CDraw.h"
#include "CGuiButton.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Screenshot.h"
#include "ServicesFixture.h"
#include "TutorialScreen.h"

namespace {

// The first step's dialog with the extras and its ring drawn whole, in a
// real window.
struct TutorialScenes : ServicesTest {
    TutorialScenes() { SetUp(); }
    ~TutorialScenes() override
    {
        CObject::UnloadAll();
        TearDown();
    }
    void TestBody() override {}

    void Show(const std::string& path)
    {
        resources.Renderer().AddSpecialDirty(0, 0, 800, 600, true);
        resources.Renderer().Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
    }

    int FirstStep(const std::string& path)
    {
        TutorialScreen game(true);
        CTutorialDialog dialog(0, &game);
        CTutorialDialog::tutorialCircle = new CTutorialCircle(224, 122, false, 'A');
        for (int pump = 0; pump < 19; pump++) {
            CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
        }
        Show(path);
        int shown = 0;
        for (CSprite* frame : CTutorialDialog::tutorialCircle->frameSprites) {
            shown += frame && !frame->Hidden();
        }
        return (shown != 19) + !dialog.narrationCheckBox + !dialog.okayButton + !dialog.endLabel;
    }

    // A lesson's dialog alone, with its texts.
    int Lesson(int step, const std::string& path)
    {
        TutorialScreen game(true);
        CTutorialDialog dialog(step, &game);
        Show(path);
        return !dialog.endLabel;
    }
};

TEST(TutorialOnX, DrawsTheFirstStepWithItsRing)
{
    ScreenshotOnX("TutorialFirstStep-x11.png", [](const std::string& path) { return TutorialScenes().FirstStep(path); });
}

// The two placing lessons, which tell what to do when a spot is refused.
TEST(TutorialOnX, DrawsTheLessonsOfPlacingTheHutAndTheStation)
{
    ScreenshotOnX("TutorialPlacingHut-x11.png", [](const std::string& path) { return TutorialScenes().Lesson(26, path); });
    ScreenshotOnX("TutorialPlacingStation-x11.png",
                  [](const std::string& path) { return TutorialScenes().Lesson(43, path); });
}

}  // namespace
