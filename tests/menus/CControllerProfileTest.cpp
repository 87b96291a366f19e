#include "CControllerTrophyScreens.h"

#include "CControllerExit.h"
#include "CControllerPopUp.h"
#include "CControllerProfile.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CSprite.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRowY[CControllerProfile::kRows] = {177, 204, 232, 260, 291};

class ProfileScreen : public TrophyScreenTest {
protected:
    void SetUp() override
    {
        TrophyScreenTest::SetUp();
        opener.onHandBack = [this] { screen.reset(); };
    }

    void TearDown() override
    {
        screen.reset();
        delete CControllerProfile::popUp;
        CControllerProfile::popUp = nullptr;
        TrophyScreenTest::TearDown();
    }

    void Open()
    {
        screen = std::make_unique<CControllerProfile>();
        opener.PassFocus(screen.get());
    }

    void ClickRow(int row) { ClickAt(390, kRowY[row] + 13); }
    void ClickNew() { ClickAt(332, 365); }
    void ClickRename() { ClickAt(322, 422); }
    void ClickDelete() { ClickAt(482, 422); }
    void ClickUp() { ClickAt(537, 214); }

    void Tap(int key)
    {
        Key(key);
        Turn();
    }

    void TypeText(const std::string& text)
    {
        for (char c : text) {
            Tap(c);
        }
    }

    static std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int i = 0; i < CProfile::current->GetNumProfiles(); i++) {
            names.push_back(CProfile::current->GetProfileNameAbsolute(i));
        }
        return names;
    }

    static std::string Active() { return CProfile::current->GetActiveProfileName(); }

    std::unique_ptr<CControllerProfile> screen;
};

TEST_F(ProfileScreen, ANewPlayerIsNamedByTypingUpToTwelveLettersDigitsAndSpaces)
{
    Open();
    ClickNew();
    EXPECT_EQ(Active(), "New Player");
    ASSERT_TRUE(screen->Editing());
    TypeText("ab");
    Tap('c');
    EXPECT_EQ(Active(), "New Playerab") << "the 13th character is dropped";
    for (int i = 0; i < 12; i++) {
        Tap(SDLK_BACKSPACE);
    }
    Tap(SDLK_DELETE);
    EXPECT_EQ(Active(), "");
    EXPECT_NE(screen->Row(1), nullptr) << "an empty name still has its row";
    KeyEdge(SDLK_LSHIFT, true);
    TypeText("m1 ");
    KeyEdge(SDLK_LSHIFT, false);
    TypeText("o!-");
    EXPECT_EQ(Active(), "M1 o");

    // Held down, a key types again on the 16th frame, then every second one.
    KeyEdge('z', true);
    Turn(15);
    EXPECT_EQ(Active(), "M1 oz");
    Turn();
    EXPECT_EQ(Active(), "M1 ozz");
    Turn(4);
    EXPECT_EQ(Active(), "M1 ozzzz");
    KeyEdge('z', false);
    Turn(4);
    EXPECT_EQ(Active(), "M1 ozzzz");

    Tap(SDLK_RETURN);
    EXPECT_FALSE(screen->Editing());
    Tap('q');
    EXPECT_EQ(Active(), "M1 ozzzz") << "typing ends with Return";
    ClickRename();
    Tap('q');
    EXPECT_EQ(Active(), "M1 ozzzzq");
    EXPECT_EQ(Names(), (std::vector<std::string>{"PLAYER 1", "M1 ozzzzq"}));
}

// While a name is typed, the cursor blinks just after its last letter, in
// the first row as in any other.
TEST_F(ProfileScreen, TheTextCursorBlinksAfterTheNameBeingTypedInTheFirstRow)
{
    Open();
    ClickRename();
    ASSERT_TRUE(screen->Editing());
    CSprite* cursor = screen->TextCursor();
    CSprite* name = screen->Row(0);
    ASSERT_NE(name, nullptr);
    Turn();
    EXPECT_FALSE(cursor->Hidden());
    EXPECT_EQ(cursor->GetX(), name->GetX() + CSprite::draw->GetRightEdge(name->GetFirstImage()) - 2);
    EXPECT_EQ(cursor->GetY(), name->GetY() - 1);
    Turn(15);
    EXPECT_TRUE(cursor->Hidden()) << "15 frames on, 15 off";
}

// The first and last of the digits and of the letters type, shifted or not;
// the keys either side of each range type nothing.
TEST_F(ProfileScreen, ANameTakesDigitsZeroToNineAndLettersAToZButNothingBesideThem)
{
    Open();
    ClickRename();
    for (int i = 0; i < 8; i++) {
        Tap(SDLK_BACKSPACE);
    }
    ASSERT_EQ(Active(), "");
    for (int key : {'/', '0', '9', ':', '`', 'a', 'z', '{'}) {
        Tap(key);
    }
    KeyEdge(SDLK_LSHIFT, true);
    for (int key : {'`', 'a', 'z', '{', '9'}) {
        Tap(key);
    }
    KeyEdge(SDLK_LSHIFT, false);
    EXPECT_EQ(Active(), "09azAZ9");
}

TEST_F(ProfileScreen, SevenProfilesScrollInAFiveRowWindowAndADoubleClickPlays)
{
    for (int i = 2; i <= 7; i++) {
        profile->AddProfile("P" + std::to_string(i));
    }
    Open();
    EXPECT_EQ(screen->FirstVisibleRow(), 2);
    EXPECT_FALSE(screen->Highlighter(4)->Hidden());
    for (int press = 1; press <= 5; press++) {
        ClickUp();
        EXPECT_EQ(screen->FirstVisibleRow(), press == 5 ? 1 : 2) << press;
    }
    EXPECT_EQ(Active(), "P2");
    EXPECT_FALSE(screen->Highlighter(0)->Hidden());

    // Single clicks on different rows only pick; two on one row play.
    ClickRow(2);
    EXPECT_EQ(Active(), "P4");
    ClickRow(3);
    EXPECT_EQ(Active(), "P5");
    ASSERT_NE(screen, nullptr);
    Turn(30);
    ClickRow(3);
    ASSERT_NE(screen, nullptr) << "too slow for a double click";
    ClickRow(3);
    EXPECT_EQ(screen, nullptr);
    EXPECT_EQ(Active(), "P5");
}

// A second click on the same row is a double click up to the 29th frame
// after the first, not on the 30th.
TEST_F(ProfileScreen, ASecondClickOnTheTwentyNinthFrameStillPlaysButNotOnTheThirtieth)
{
    profile->AddProfile("P2");
    for (int late : {0, 1}) {
        SCOPED_TRACE(late ? "30 frames" : "29 frames");
        Open();
        ClickRow(1);
        ASSERT_NE(screen, nullptr);
        // The click is counted as frame 0 of the pump that takes it, the
        // next click's point costs a frame and the click is taken before
        // that pump counts.
        Turn(27 + late);
        ClickRow(1);
        EXPECT_EQ(screen == nullptr, late == 0);
        if (screen) {
            Key(SDLK_ESCAPE);
            Turn();
            ASSERT_EQ(screen, nullptr);
        }
    }
}

TEST_F(ProfileScreen, ClickingBelowTheListDoesNothing)
{
    Open();
    ClickRow(3);
    EXPECT_EQ(Names(), std::vector<std::string>{"PLAYER 1"});
    EXPECT_FALSE(screen->Highlighter(0)->Hidden());
    EXPECT_TRUE(screen->Highlighter(3)->Hidden());
}

TEST_F(ProfileScreen, DeletingAsksFirstAndALaterNewPlayerNeverTakesAnotherPlayersFile)
{
    profile->AddProfile("Bea");
    profile->AddProfile("Cal");
    profile->SetValue<int>(65, 7);
    Open();
    ClickRow(0);
    ClickDelete();
    ASSERT_NE(CControllerProfile::popUp, nullptr);
    EXPECT_EQ(CControllerProfile::popUp->request.id, 12355);
    Escape();
    Turn();
    EXPECT_EQ(Names(), (std::vector<std::string>{"PLAYER 1", "Bea", "Cal"}));
    ClickDelete();
    CSprite* yes = CControllerProfile::popUp->firstButton->GetButtonSprite();
    ClickAt(yes->GetX() + yes->GetW() / 2, yes->GetY() + yes->GetH() / 2);
    EXPECT_EQ(CControllerProfile::popUp, nullptr);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Bea", "Cal"}));
    EXPECT_EQ(Active(), "Bea");
    EXPECT_FALSE(screen->Highlighter(0)->Hidden());

    ClickNew();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Bea", "Cal", "New Player"}));
    EXPECT_EQ(profile->GetValue<int>(65), 0);
    ClickRow(1);
    EXPECT_EQ(Active(), "Cal");
    EXPECT_EQ(profile->GetValue<int>(65), 7) << "Cal's file is still Cal's";
}

TEST_F(ProfileScreen, AnotherPlayerTakesNeitherTheQueuedTrophiesNorTheQuitPortrait)
{
    profile->AddProfile("Bea");
    CControllerTrophies::trophyUnlockQueue.push(4);
    CControllerExit::SetPerson(CSprite::draw->LoadImage("gui_fader.png", true, true), true, "Ana");
    Open();
    ClickRow(1);  // the same player again keeps both
    EXPECT_EQ(CControllerTrophies::trophyUnlockQueue.size(), 1u);
    EXPECT_NE(CControllerExit::personImage, -1);
    ClickUp();
    EXPECT_TRUE(CControllerTrophies::trophyUnlockQueue.empty());
    EXPECT_EQ(CControllerExit::personImage, -1);
}

TEST_F(ProfileScreen, AStoredNameLongerThanTheEditBufferIsCut)
{
    profile->SetActiveProfileName(std::string(63, 'w').c_str());
    Open();
    EXPECT_EQ(std::string(screen->EditBuffer()), std::string(34, 'w'));
    ClickRename();
    Tap(SDLK_BACKSPACE);
    EXPECT_EQ(Active(), std::string(33, 'w'));
    Tap('a');
    EXPECT_EQ(Active(), std::string(33, 'w')) << "longer than any name typed here";
}

struct ProfileScene : TrophyScreenTest {
    ProfileScene() { SetUp(); }
    ~ProfileScene() override { TearDown(); }
    void TestBody() override {}

    // Seven players, the window scrolled down to the seventh, being renamed.
    int Draw(const std::string& path)
    {
        for (const char* name : {"Ana", "Bea", "Cal", "Dov", "Eli", "Fay"}) {
            profile->AddProfile(name);
        }
        CControllerProfile screen;
        opener.PassFocus(&screen);
        screen.GUICallback(CControllerProfile::kRename, 0);
        screen.Type('s');
        PointAt(600, 500);
        Turn(3);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        return (screen.FirstVisibleRow() != 2) + screen.TextCursor()->Hidden();
    }
};

// Under a real X server, for a person to look at.
TEST(ProfileScreenOnX, DrawsSevenPlayersScrolledWhileOneIsRenamed)
{
    ScreenshotOnX("Profiles-x11.png", [](const std::string& path) { return ProfileScene().Draw(path); });
}

}  // namespace
