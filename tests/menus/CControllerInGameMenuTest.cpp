#include "CControllerTrophyScreens.h"

#include "CControllerInGameMenu.h"
#include "CControllerInstructions.h"
#include "CControllerSettings.h"
#include "CSound.h"
#include "CSprite.h"

#include <memory>

namespace {

// A screen between the opener and the menu that stays until told to close;
// it stands for the island chooser and the game screen.
class Middle : public Opener {
public:
    void Pump() override { GetInput(); }
};

constexpr int kButtonX[5] = {288, 305, 304, 303, 304};
constexpr int kButtonY[5] = {151, 220, 279, 339, 396};

class InGameMenu : public TrophyScreenTest {
protected:
    void SetUp() override
    {
        TrophyScreenTest::SetUp();
        TutorialOn(false);
        opener.PassFocus(&chooser);
        chooser.PassFocus(&game);
        game.onHandBack = [this] { menu.reset(); };
        menu = std::make_unique<CControllerInGameMenu>();
        game.PassFocus(menu.get());
    }

    void TearDown() override
    {
        menu.reset();
        TrophyScreenTest::TearDown();
    }

    void Press(int button) { ClickAt(kButtonX[button] + 95, kButtonY[button] + 23); }

    Middle chooser, game;
    std::unique_ptr<CControllerInGameMenu> menu;
};

TEST_F(InGameMenu, ResumeAndEscapeCloseOnlyTheMenu)
{
    Press(CControllerInGameMenu::kResume);
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(CController::focus, &game);
    EXPECT_EQ(game.returnCode, -2);
    menu = std::make_unique<CControllerInGameMenu>();
    game.PassFocus(menu.get());
    Escape();
    Turn(3);
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(CController::focus, &game);
}

TEST_F(InGameMenu, QuitClosesTheGameAndTheChooserOneAFrameBackToTheMainMenu)
{
    Press(CControllerInGameMenu::kQuit);
    EXPECT_EQ(menu, nullptr);
    EXPECT_EQ(CController::focus, &game);
    Turn();
    EXPECT_EQ(CController::focus, &chooser);
    Turn();
    EXPECT_EQ(CController::focus, &opener);
    EXPECT_EQ(opener.returnCode, -2) << "the main menu stays";
    EXPECT_EQ(opener.handBacks, 1);
}

TEST_F(InGameMenu, EachChildOpensOverTheHiddenMenuWhichShowsAgainWhenItCloses)
{
    Press(CControllerInGameMenu::kInstructions);
    ASSERT_NE(CControllerInGameMenu::instructions, nullptr);
    EXPECT_FALSE(menu->Shown());
    Escape();
    Turn();
    EXPECT_EQ(CControllerInGameMenu::instructions, nullptr);
    EXPECT_TRUE(menu->Shown());

    // Settings act on the paused game at once; Cancel puts them back.
    const float volume = CSound::GetGlobalMusicVolume();
    Press(CControllerInGameMenu::kSettings);
    ASSERT_NE(CControllerInGameMenu::settings, nullptr);
    ClickAt(248 + 12, 330 + 12);
    EXPECT_FALSE(profile->GetValue<bool>(7));
    ClickAt(410 + 55, 421 + 22);
    EXPECT_EQ(CControllerInGameMenu::settings, nullptr);
    EXPECT_TRUE(profile->GetValue<bool>(7));
    EXPECT_FLOAT_EQ(CSound::GetGlobalMusicVolume(), volume);

    Press(CControllerInGameMenu::kTrophies);
    ASSERT_NE(CControllerInGameMenu::trophies, nullptr);
    Escape();
    Turn();
    EXPECT_EQ(CControllerInGameMenu::trophies, nullptr);
    EXPECT_EQ(CController::focus, menu.get());
    EXPECT_TRUE(menu->Shown());
}

struct MenuScene : TrophyScreenTest {
    MenuScene() { SetUp(); }
    ~MenuScene() override { TearDown(); }
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        CSprite backdrop(0, 0, 100);
        backdrop.LoadImage("instructions_main_B.jpg");
        CControllerInGameMenu menu;
        opener.PassFocus(&menu);
        PointAt(304 + 95, 279 + 23);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return !menu.Shown();
    }
};

// Under a real X server, for a person to look at.
TEST(InGameMenuOnX, DrawsTheMenuOverWhatIsBelow)
{
    ScreenshotOnX("InGameMenu-x11.png", [](const std::string& path) { return MenuScene().Draw(path); });
}

}  // namespace
