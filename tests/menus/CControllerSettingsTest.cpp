#include "CControllerTrophyScreens.h"

#include "CControllerCredits.h"
#include "CControllerPopUp.h"
#include "CControllerSettings.h"
#include "CGuiButton.h"
#include "CGuiSliderBar.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "CSprite.h"
#include "Config.h"
#include "NullSound.h"
#include "SoundLayer.h"
#include "TestBytes.h"

#include <memory>

namespace {

constexpr int kSliderY[3] = {154, 195, 256};

class SettingsPage : public TrophyScreenTest {
protected:
    void SetUp() override
    {
        TrophyScreenTest::SetUp();
        StartNullSound(folder);
        CSound::SetGlobalVolume(0.8f);
        CSound::SetGlobalMusicVolume(0.6f);
        CController::SetMouseMultiplier(1.0f);
        CController::SetMouseAbsolute(true);
        opener.onHandBack = [this] { page.reset(); };
    }

    void TearDown() override
    {
        page.reset();
        delete CControllerSettings::popUp;
        CControllerSettings::popUp = nullptr;
        CGuiSliderBar::leftMouseDown = false;
        CSound::ShutDown();
        TrophyScreenTest::TearDown();
    }

    void Open()
    {
        page = std::make_unique<CControllerSettings>();
        opener.PassFocus(page.get());
    }

    static void Press(bool down) { ButtonEdge(SDL_BUTTON_LEFT, down); }

    // The pointer moves there in relative mode, at the normal speed.
    void PointRelative(int x, int y)
    {
        input.virtualX = static_cast<float>(x - 1);
        input.virtualY = static_cast<float>(y);
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.xrel = 1;
        Push(event);
    }

    // Grabs a knob, drags it to x and lets it go, a turn for each step.
    void Drag(int slider, int toX)
    {
        PointAt(page->KnobX(slider) + 14, kSliderY[slider] + 14);
        Turn(3);
        Press(true);
        Turn();
        PointAt(toX, kSliderY[slider] + 14);
        Turn();
    }

    void Let() { Press(false), Turn(); }

    void Point(int x, int y)
    {
        if (CController::GetMouseAbsolute()) {
            PointAt(x, y);
        } else {
            PointRelative(x, y);
        }
    }

    void Click(int x, int y)
    {
        Point(x, y);
        Turn();
        Button(SDL_BUTTON_LEFT);
        Turn();
    }

    void DismissNotice()
    {
        CSprite* okay = CControllerSettings::popUp->firstButton->GetButtonSprite();
        Click(okay->GetX() + okay->GetW() / 2, okay->GetY() + okay->GetH() / 2);
    }

    // A click on a box of the page by its top left corner.
    void ClickBox(int x, int y) { Click(x + 12, y + 12); }

    std::unique_ptr<CControllerSettings> page;
};

TEST_F(SettingsPage, OpensOnTheLiveSettingsWithTheFactorRoundedUpToItsNearestBox)
{
    profile->SetValue<float>(76, 1.5f);
    Open();
    EXPECT_EQ(page->KnobX(CControllerSettings::kMouseSlider), 406) << "the default speed";
    EXPECT_EQ(page->KnobX(CControllerSettings::kSoundSlider), 478);
    EXPECT_EQ(page->KnobX(CControllerSettings::kMusicSlider), 449);
    for (int box = 0; box < 4; box++) {
        EXPECT_EQ(page->FactorChecked(box), box == 3) << box;
    }
    EXPECT_EQ(page->FullScreenChecked(), Config_GetFullscreen());
    EXPECT_TRUE(page->MouseModeChecked());
}

// Each radio box stands for its own catch-up factor, whether it is clicked
// or read back from the profile when the page opens.
TEST_F(SettingsPage, EachTimeAwayBoxStoresAndShowsItsOwnFactor)
{
    constexpr float kFactors[4] = {0.0f, 0.5f, 1.0f, 2.0f};
    constexpr int kFirstFactorBox = 6;
    for (int box = 0; box < 4; box++) {
        SCOPED_TRACE(testing::Message() << "box " << box);
        profile->SetValue<float>(76, kFactors[box]);
        Open();
        for (int other = 0; other < 4; other++) {
            EXPECT_EQ(page->FactorChecked(other), other == box) << "opened on box " << other;
        }
        Key(SDLK_ESCAPE);
        Turn();
        ASSERT_EQ(page, nullptr);
    }
    profile->SetValue<float>(76, 0.5f);
    Open();
    for (int box = 3; box >= 0; box--) {
        SCOPED_TRACE(testing::Message() << "box " << box);
        page->GUICallback(kFirstFactorBox + box, 1);
        EXPECT_FLOAT_EQ(profile->GetValue<float>(76), kFactors[box]);
        for (int other = 0; other < 4; other++) {
            EXPECT_EQ(page->FactorChecked(other), other == box) << "box " << other;
        }
    }
}

TEST_F(SettingsPage, SlidersActWhenLetGoExceptMusicWhichFollowsTheDragAndKnobsKeepToTheTrack)
{
    Open();
    Drag(CControllerSettings::kSoundSlider, 700);
    EXPECT_EQ(page->KnobX(CControllerSettings::kSoundSlider), CControllerSettings::kKnobRight);
    EXPECT_FLOAT_EQ(CSound::GetGlobalVolume(), 0.8f) << "nothing while the knob is held";
    Let();
    EXPECT_FLOAT_EQ(CSound::GetGlobalVolume(), 1.0f);

    Drag(CControllerSettings::kMusicSlider, 0);
    EXPECT_EQ(page->KnobX(CControllerSettings::kMusicSlider), CControllerSettings::kKnobLeft);
    EXPECT_FLOAT_EQ(CSound::GetGlobalMusicVolume(), 0.0f) << "the music follows the drag";
    Let();

    // A press on a track jumps the knob there, at once; the speed's track
    // counts once the mouse is relative.
    PointAt(368, 175);
    Turn();
    Press(true);
    Turn();
    EXPECT_EQ(page->KnobX(CControllerSettings::kSoundSlider), CControllerSettings::kKnobLeft);
    EXPECT_FLOAT_EQ(CSound::GetGlobalVolume(), 0.0f);
    Press(false);
    ClickBox(359, 297);
    ASSERT_FALSE(CController::GetMouseAbsolute());
    PointRelative(368, 275);
    Turn();
    Press(true), Press(false);
    Turn();
    EXPECT_EQ(page->KnobX(CControllerSettings::kMouseSlider), CControllerSettings::kKnobLeft);
    EXPECT_FLOAT_EQ(CController::GetMouseMultiplier(), 0.15f);
}

// A press moves the knob of the track it lands on, counted from x 368 to
// x 550 and, row by row, y 168 to 183, 208 to 222 and 271 to 283 (the speed's
// once the mouse is relative); one pixel past any of them moves nothing.
// Every knob rests where a moved one could not end up, and no press but the
// last leaves a knob under the pointer, which the next press would grab.
TEST_F(SettingsPage, APressMovesAKnobOnlyInsideItsTracksRowsAndEnds)
{
    Open();
    ClickBox(359, 297);
    ASSERT_FALSE(CController::GetMouseAbsolute());
    constexpr int kNone = -1;
    const struct {
        int x, y;
        float rest;
        int moved, knob;
    } presses[] = {
        {367, 175, 1.0f, kNone, 0},
        {551, 175, 0.0f, kNone, 0},
        {550, 175, 0.0f, CControllerSettings::kSoundSlider, 506},
        {540, 167, 0.0f, kNone, 0},
        {540, 168, 0.0f, CControllerSettings::kSoundSlider, 506},
        {540, 183, 0.0f, CControllerSettings::kSoundSlider, 506},
        {540, 184, 0.0f, kNone, 0},
        {540, 207, 0.0f, kNone, 0},
        {540, 208, 0.0f, CControllerSettings::kMusicSlider, 506},
        {540, 222, 0.0f, CControllerSettings::kMusicSlider, 506},
        {540, 223, 0.0f, kNone, 0},
        {540, 270, 0.0f, kNone, 0},
        {540, 271, 0.0f, CControllerSettings::kMouseSlider, 506},
        {540, 283, 0.0f, CControllerSettings::kMouseSlider, 506},
        {540, 284, 0.0f, kNone, 0},
        {368, 175, 1.0f, CControllerSettings::kSoundSlider, 364},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(testing::Message() << "a press at " << press.x << ", " << press.y);
        for (int slider = 0; slider < CControllerSettings::kSliders; slider++) {
            page->SetSliderValue(slider, press.rest);
        }
        const int rest = page->KnobX(CControllerSettings::kSoundSlider);
        CController::SetMouseMultiplier(1.0f);  // a press on the speed's track changed it
        Point(press.x, press.y);
        Turn();
        Press(true);
        Turn();
        Press(false);
        Turn();
        for (int slider = 0; slider < CControllerSettings::kSliders; slider++) {
            EXPECT_EQ(page->KnobX(slider), slider == press.moved ? press.knob : rest) << "slider " << slider;
        }
    }
}

TEST_F(SettingsPage, InAbsoluteModeTheSpeedKnobExplainsAndItsTrackIgnoresPresses)
{
    Open();
    ASSERT_TRUE(page->MouseModeChecked());
    PointAt(550, 275);
    Turn();
    Press(true), Press(false);
    Turn();
    EXPECT_EQ(CControllerSettings::popUp, nullptr);
    EXPECT_EQ(page->KnobX(CControllerSettings::kMouseSlider), 406);

    Drag(CControllerSettings::kMouseSlider, 500);
    ASSERT_NE(CControllerSettings::popUp, nullptr);
    EXPECT_EQ(CControllerSettings::popUp->request.id, 12005);
    Let();  // the release goes to the notice
    DismissNotice();
    EXPECT_EQ(CController::focus, page.get());
    EXPECT_EQ(CControllerSettings::popUp, nullptr);
    EXPECT_FLOAT_EQ(CController::GetMouseMultiplier(), 1.0f);
    EXPECT_EQ(page->KnobX(CControllerSettings::kMouseSlider), 406);
}

TEST_F(SettingsPage, CancelPutsBackWhatHeldButNarrationAndSaveKeepsEverythingOverARestart)
{
    const bool fullScreen = Config_GetFullscreen();
    profile->SetValue<bool>(66, true);
    for (bool keep : {false, true}) {
        profile->SetValue<bool>(7, true);
        profile->SetValue<float>(76, 2.0f);
        Open();
        Drag(CControllerSettings::kSoundSlider, 380), Let();
        ClickBox(359, 297);  // relative mouse
        ClickBox(248, 330);  // effects off: music silenced, narration off
        ClickBox(436, 330);  // full screen, twice
        ClickBox(436, 330);
        EXPECT_EQ(page->FullScreenChecked(), Config_GetFullscreen()) << "the box shows the player's choice";
        ClickBox(414, 390);  // time away at the normal pace
        EXPECT_FALSE(profile->GetValue<bool>(7));
        EXPECT_FALSE(profile->GetValue<bool>(66));
        EXPECT_FLOAT_EQ(CSound::GetGlobalMusicVolume(), 0.0f);
        EXPECT_EQ(page->KnobX(CControllerSettings::kMusicSlider), CControllerSettings::kKnobLeft);
        EXPECT_FLOAT_EQ(profile->GetValue<float>(76), 1.0f);
        ClickBox(240, 390);  // time stands still, with a word about it
        ASSERT_NE(CControllerSettings::popUp, nullptr);
        EXPECT_EQ(CControllerSettings::popUp->request.id, 12358);
        DismissNotice();
        EXPECT_TRUE(page->FactorChecked(0));
        EXPECT_FALSE(page->FactorChecked(2));
        Click(keep ? 291 + 55 : 410 + 55, keep ? 422 + 22 : 421 + 22);
        EXPECT_EQ(page, nullptr) << keep;
        EXPECT_EQ(Config_GetFullscreen(), fullScreen) << "two toggles leave the choice as it was";
        EXPECT_FALSE(profile->GetValue<bool>(66)) << "narration stays off either way";
        if (!keep) {
            EXPECT_FLOAT_EQ(CSound::GetGlobalVolume(), 0.8f);
            EXPECT_FLOAT_EQ(CSound::GetGlobalMusicVolume(), 0.6f);
            EXPECT_TRUE(CController::GetMouseAbsolute());
            EXPECT_TRUE(profile->GetValue<bool>(7)) << "effects back on";
            EXPECT_FLOAT_EQ(profile->GetValue<float>(76), 2.0f) << "the pace from before";
        }
    }
    // Kept after Save; the profile's next save carries the live settings.
    profile.reset();
    profile = std::make_unique<CProfile>();
    EXPECT_LT(profile->GetValue<float>(20), 0.8f);
    EXPECT_FLOAT_EQ(profile->GetValue<float>(21), 0.0f);
    EXPECT_FALSE(profile->GetValue<bool>(23));
    EXPECT_FALSE(profile->GetValue<bool>(7));
    EXPECT_FLOAT_EQ(profile->GetValue<float>(76), 0.0f);
}

TEST_F(SettingsPage, EscapeCancelsAndTheCreditsComeBackToThePage)
{
    Open();
    ClickBox(248, 330);
    Click(347 + 60, 471 + 22);
    ASSERT_NE(CControllerSettings::credits, nullptr);
    Escape();
    Turn();
    EXPECT_EQ(CControllerSettings::credits, nullptr);
    EXPECT_EQ(CController::focus, page.get());
    EXPECT_TRUE(page->EffectsChecked() == false);
    Escape();
    Turn();
    EXPECT_EQ(page, nullptr);
    EXPECT_TRUE(profile->GetValue<bool>(7)) << "the effects are back";
    EXPECT_FLOAT_EQ(CSound::GetGlobalMusicVolume(), 0.6f);
}

struct SettingsScene : TrophyScreenTest {
    SettingsScene() { SetUp(); }
    ~SettingsScene() override { TearDown(); }
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        CControllerSettings page;
        opener.PassFocus(&page);
        PointAt(478 + 14, 154 + 14);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return page.KnobX(CControllerSettings::kMouseSlider) != 406;
    }
};

// Under a real X server, for a person to look at.
TEST(SettingsOnX, DrawsThePage)
{
    ScreenshotOnX("Settings-x11.png", [](const std::string& path) { return SettingsScene().Draw(path); });
}

}  // namespace
