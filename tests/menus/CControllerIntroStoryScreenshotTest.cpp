#include "CControllerIntro.h"
#include "CControllerIntroStory.h"
#include "CDraw.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "GameResources.h"
#include "Screenshot.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

Uint32 sceneNow = 0;
Uint32 SceneTicks()
{
    return sceneNow;
}

// What start-up makes before the first screen, in the screenshot's child.
struct Scene {
    Scene() : resources(folder)
    {
        CController::input = &input;
        CController::running = true;
        profile = std::make_unique<CProfile>();
        pointer = std::make_unique<CMouseCursor>();
        CMouseCursor::MoveCursor(500, 300);
    }
    ~Scene()
    {
        CController::focus = nullptr;
        pointer.reset();
        profile.reset();
        CController::input = nullptr;
    }
    void Frame(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            pointer->Pump();
            resources.Renderer().Render(true);
            resources.Draw().Flip(true);
        }
    }
    bool Save(const std::string& path) { return SavePng(PictureOf(SDL_GetVideoSurface()), path); }

    TempFolder folder;
    GameResources resources;
    CInput input;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<CMouseCursor> pointer;
};

// The logo with its emblem turning and its first line written in.
int Logo(const std::string& path)
{
    Scene scene;
    CControllerIntro::ticks = SceneTicks;
    CControllerIntro logo;
    logo.GotFocus(nullptr, true);
    while (logo.lastFrame->Fading()) {
        scene.Frame();
    }
    for (int i = 0; i < 45; i++) {
        sceneNow += 33;
        scene.Frame();
    }
    const int missing = logo.emblem->Hidden() + logo.textA->Hidden() + logo.textB->Hidden() + !scene.Save(path);
    CControllerIntro::ticks = SDL_GetTicks;
    return missing;
}

// The closing question over the last panel.
int Story(const std::string& path)
{
    Scene scene;
    CControllerIntroStory story;
    story.GotFocus(nullptr, true);
    // A click jumps to the panel's end, the next leaves it.
    for (int panel = 0; panel < 3; panel++) {
        scene.Frame(3);
        story.InputMouseClick(true, false, true);
        scene.Frame();
        story.InputMouseClick(true, false, true);
        scene.Frame();
    }
    // The cross-fade from the panel before runs on the clock alone.
    while (story.lastFrame->Fading()) {
        scene.resources.Renderer().Render(true);
    }
    scene.Frame(60);
    story.ShowDialog();
    scene.Frame(2);
    const int missing = story.panels[story.panel]->Hidden() + !scene.Save(path) + (story.closingQuestion == nullptr);
    CControllerIntroStory::DeleteAmbientSounds();
    return missing;
}

// The closing question as the skip answer opens it over the first panel,
// every caption of that panel faded in: the question box lies over the
// last of them.
int Skipped(const std::string& path)
{
    Scene scene;
    CControllerIntroStory story;
    story.GotFocus(nullptr, true);
    scene.Frame(3);
    story.InputMouseClick(true, false, true);
    while (story.lastFrame->Fading()) {
        scene.resources.Renderer().Render(true);
    }
    scene.Frame(45);
    story.ShowDialog();
    scene.Frame(2);
    const int missing = story.panel != 0 || story.captions[4]->Hidden() || !scene.Save(path) ||
                        story.closingQuestion == nullptr;
    CControllerIntroStory::DeleteAmbientSounds();
    return missing;
}

// Each panel at its end, every caption faded in, so that each is seen (and
// its layout checked) as a player reads it: path names the first panel's
// picture; the others follow with their own number.
int StoryPanels(const std::string& path)
{
    Scene scene;
    CControllerIntroStory story;
    story.GotFocus(nullptr, true);
    int missing = 0;
    for (int panel = 0; panel < 4; panel++) {
        scene.Frame(3);
        story.InputMouseClick(true, false, true);
        while (story.lastFrame->Fading()) {
            scene.resources.Renderer().Render(true);
        }
        // A caption fades in over 42 frames.
        scene.Frame(45);
        std::string picture = path;
        picture.replace(picture.rfind("panel1"), 6, "panel" + std::to_string(panel + 1));
        missing += story.panel != panel || story.panels[panel]->Hidden() || !scene.Save(picture);
        story.InputMouseClick(true, false, true);
        scene.Frame();
    }
    CControllerIntroStory::DeleteAmbientSounds();
    return missing;
}

TEST(RoadScreensOnX, DrawTheLogoTheStorysPanelsAndTheClosingQuestion)
{
    ScreenshotOnX("CControllerIntro-x11.png", [](const std::string& path) { return Logo(path); });
    ScreenshotOnX("IntroStory-panel1-x11.png", [](const std::string& path) { return StoryPanels(path); });
    ScreenshotOnX("CControllerIntroStory-question-x11.png", [](const std::string& path) { return Story(path); });
    ScreenshotOnX("CControllerIntroStory-skipped-x11.png", [](const std::string& path) { return Skipped(path); });
}

}  // namespace
