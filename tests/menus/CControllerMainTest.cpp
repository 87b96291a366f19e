#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CGuiButton.h"
#include "CSprite.h"
#include "CPerson.h"
#include "CTutorialDialog.h"
#include "LayoutCheck.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <map>

namespace {

constexpr int kButtonX = 680;
constexpr int kPlayY = 195, kNewGameY = 258;

class MainMenuTest : public ScreenRoadTest {
protected:
    void TearDown() override
    {
        // A cancelled new game leaves the simulation stopped, as the game would;
        // the next test starts a game of its own.
        CPerson::stoppedSimForDeath = false;
        ScreenRoadTest::TearDown();
    }

    CControllerMain* Open()
    {
        menu = root.Open<CControllerMain>();
        Turn(60);  // every button has slid in
        return menu;
    }

    // Every scalar key a new game may touch or must keep, as set before.
    std::map<int, long> Keys()
    {
        CProfile* p = CProfile::current;
        std::map<int, long> keys;
        for (int key : {25, 26, 27, 28, 29, 49, 55, 56, 57, 40, 41, 42, 44, 45, 36, 65, 52, 47}) {
            keys[key] = p->GetValue<int>(key);
        }
        for (int key : {31, 38, 71, 72, 73, 1000, 1050, 7, 66}) {
            keys[key] = p->GetValue<bool>(key);
        }
        keys[46] = p->GetValue<unsigned int>(46);
        keys[50] = p->GetValue<long>(50);
        return keys;
    }

    void SetEveryKey()
    {
        CProfile* p = CProfile::current;
        for (int key : {25, 26, 27, 28, 29, 49, 55, 56, 57, 40, 41, 42, 44, 45, 36, 65, 52, 47}) {
            p->SetValue<int>(key, key);
        }
        for (int key : {31, 38, 71, 72, 73, 1000, 1050, 7, 66}) {
            p->SetValue<bool>(key, true);
        }
        p->SetValue<unsigned int>(46, 4242u);
        p->SetValue<long>(50, 77);
        CPerson::stoppedSimForDeath = true;
    }

    static bool Exists(const std::string& path)
    {
        struct stat info;
        return stat(path.c_str(), &info) == 0;
    }

    // Whether the player's greeting is among the sprites drawn now.
    static bool GreetingShown()
    {
        constexpr int kGreeting = 20;
        for (CSprite* sprite : CSprite::renderer->Sprites()) {
            const text_layout* text = CSprite::draw->TextLayout(sprite->GetImage(static_cast<int>(sprite->GetFrame())));
            if (text && text->id == kGreeting && !sprite->Hidden()) {
                return true;
            }
        }
        return false;
    }

    CControllerMain* menu = nullptr;
};

TEST_F(MainMenuTest, ReadsCleanlyAndGreetsThePlayerStillAfterTheProfileScreen)
{
    Open();
    EXPECT_TRUE(GreetingShown());
    for (const std::string& problem : LayoutProblems()) {
        ADD_FAILURE() << problem;
    }
    CSprite::renderer->RedrawScreen();
    Turn();
    resources.Draw().Flip(false);
    SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath("MainMenu-dummy.png"));

    menu->GUICallback(CControllerMain::kProfiles, 0);
    Turn(30);
    ASSERT_NE(CControllerMain::profileGUI, nullptr);
    Escape();
    Turn(30);
    ASSERT_EQ(CController::focus, menu);
    EXPECT_TRUE(GreetingShown());
}

// Each of the seven labels sits where a plain button puts its label: two
// pixels left of and three above the button's corner, with no shift of the
// menu's own.
TEST_F(MainMenuTest, TheSevenLabelsSitWhereAPlainButtonPutsThem)
{
    Open();
    const int labels[CControllerMain::kButtons] = {2, 3, 4, 5, 6, 7, 1};
    for (int i = 0; i < CControllerMain::kButtons; i++) {
        CGuiButton* button = menu->buttons[i];
        int found = 0;
        for (CSprite* sprite : CSprite::renderer->Sprites()) {
            const text_layout* text =
                sprite ? CSprite::draw->TextLayout(sprite->GetImage(static_cast<int>(sprite->GetFrame()))) : nullptr;
            if (text && text->id == labels[i] && sprite->GetZ() == button->GetButtonSprite()->GetZ() + 3) {
                found++;
                EXPECT_EQ(sprite->GetX(), button->x - 2) << "button " << i;
                EXPECT_EQ(sprite->GetY(), button->y - 3) << "button " << i;
            }
        }
        EXPECT_EQ(found, 1) << "button " << i;
    }
}

TEST_F(MainMenuTest, ANewGameResetsTheGamesKeysAndKeepsTrophiesTutorialAndSettings)
{
    SetEveryKey();
    std::map<int, long> expected = Keys();
    for (int key : {25, 26, 27, 28, 29, 49, 55, 56, 57, 40, 41, 42, 44, 45}) {
        expected[key] = 0;
    }
    for (int key : {31, 38, 71, 72, 73}) {
        expected[key] = 0;
    }
    Open();
    ClickAt(kButtonX, kNewGameY);
    ASSERT_EQ(CController::focus, CControllerMain::popUp);
    EXPECT_EQ(CControllerMain::popUp->request.id, 12100);
    CControllerMain::popUp->GUICallback(0, 0);
    Turn();
    EXPECT_EQ(Keys(), expected);
    EXPECT_FALSE(CPerson::stoppedSimForDeath);
    EXPECT_NE(CControllerMain::introStory, nullptr);
    EXPECT_EQ(CController::focus, CControllerMain::introStory);
    EXPECT_FALSE(menu->spritesLoaded) << "the story covers the whole screen";
}

TEST_F(MainMenuTest, ACancelledNewGameChangesNothingButWritesTheFiles)
{
    SetEveryKey();
    const std::map<int, long> before = Keys();
    Open();
    ClickAt(kButtonX, kNewGameY);
    ASSERT_NE(CControllerMain::popUp, nullptr);
    char userData[4096];
    GetUserDataPath(userData);
    const std::string profileFile = std::string(userData) + "PROFILE1v8.DAT";
    std::remove(profileFile.c_str());
    Key(SDLK_ESCAPE);
    Turn();
    EXPECT_EQ(Keys(), before);
    EXPECT_TRUE(CPerson::stoppedSimForDeath);
    EXPECT_EQ(CController::focus, menu);
    EXPECT_TRUE(menu->spritesLoaded);
    EXPECT_EQ(CControllerMain::popUp, nullptr);
    EXPECT_TRUE(Exists(profileFile)) << profileFile;
}

// Play with no game under way opens the story; a window close there ends
// everything without the chooser the story would otherwise lead to.
TEST_F(MainMenuTest, AWindowCloseDuringTheStoryOrItsSkipQuestionOpensNothingMore)
{
    for (int depth = 0; depth < 2; depth++) {
        CController::running = true;
        root.GotFocus(nullptr, true);
        Open();
        ClickAt(kButtonX, kPlayY);
        ASSERT_NE(CControllerMain::introStory, nullptr);
        if (depth == 1) {
            ClickAt(740, 561);
            ASSERT_EQ(CController::focus, CControllerIntroStory::popUp);
        }
        CloseWindow();
        for (int i = 0; i < 6 && CController::running; i++) {
            Turn();
            EXPECT_EQ(dynamic_cast<CControllerIslandSelect*>(CController::focus), nullptr);
        }
        EXPECT_FALSE(CController::running) << depth;
        EXPECT_EQ(CControllerMain::introStory, nullptr);
        EXPECT_EQ(CControllerIntroStory::popUp, nullptr);
    }
}

}  // namespace

// A list of players made again without the profiles it could not read: the
// player is told once, over the menu, in a notice apart from the new-game
// question, whose okay starts and resets nothing.
TEST_F(MainMenuTest, AProfileLeftOffARebuiltListIsToldOnceAndItsOkayResetsNothing)
{
    char userData[4096];
    GetUserDataPath(userData);
    const std::string folder = userData;
    const std::string cutShort = ReadBytes(PALMORA_SOURCE_DIR "/tests/fuzz/corpus/game/profile-cut-short.DAT");
    struct Case {
        int leftOff;
        int text;
    };
    for (const Case& c : {Case{1, 12130}, Case{2, 12131}}) {
        SCOPED_TRACE(c.leftOff);
        CController::running = true;
        root.GotFocus(nullptr, true);
        CProfile::current->SaveHeader();
        for (const char* suffix : {"", ".BAKS", ".BAKL"}) {
            std::remove((folder + "PALMORAv8.DAT" + suffix).c_str());
        }
        for (int i = 0; i < c.leftOff; i++) {
            std::ofstream(folder + "PROFILE" + std::to_string(i + 4) + "v8.DAT", std::ios::binary) << cutShort;
        }
        CProfile::current->LoadHeader(0);
        SetEveryKey();
        const std::map<int, long> before = Keys();

        Open();
        ASSERT_NE(CControllerMain::notice, nullptr);
        ASSERT_EQ(CController::focus, CControllerMain::notice);
        EXPECT_EQ(CControllerMain::popUp, nullptr);
        EXPECT_EQ(CControllerMain::notice->request.id, c.text);
        EXPECT_EQ(CControllerMain::notice->cancelButton, nullptr) << "a notice, not a question";
        for (const std::string& problem : LayoutProblems()) {
            ADD_FAILURE() << problem;
        }
        SaveRedrawnScreen(ScreenshotPath("MainMenu-ProfilesLeftOff" + std::to_string(c.leftOff) + "-dummy.png"));
        CControllerMain::notice->GUICallback(0, 0);
        Turn(60);
        EXPECT_EQ(CController::focus, menu) << "told once";
        EXPECT_EQ(CControllerMain::notice, nullptr);
        EXPECT_TRUE(menu->spritesLoaded);
        EXPECT_EQ(CControllerMain::introStory, nullptr);
        EXPECT_EQ(Keys(), before);
        EXPECT_TRUE(CPerson::stoppedSimForDeath);
        for (int i = 0; i < c.leftOff; i++) {
            EXPECT_TRUE(ReadBytes(folder + "PROFILE" + std::to_string(i + 4) + "v8.DAT") == cutShort);
        }
        delete root.child;
        root.child = nullptr;
    }
}
