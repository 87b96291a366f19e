#include "CController.h"
#include "CInput.h"
#include "CProfile.h"
#include "TempFolder.h"
#include "TestXServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>

// Last: Xlib's macros would trip the headers above.
#include "CControllerMainOnX.h"

namespace {

constexpr int kMenuX = 680, kPlayY = 195, kQuitY = 485;
// The sky: on the logo, and harmless on the menu should the logo go first.
constexpr int kLogoX = 400, kLogoY = 60;
// The first button of a dialog (yes), of the story's closing question (yes,
// please), of the in-game menu's last (to the main menu) and of the quit
// dialog's okay.
constexpr int kDialogYesX = 318, kDialogYesY = 366;
constexpr int kTutorialYesX = 474, kTutorialYesY = 554;
constexpr int kSkipX = 740, kSkipY = 561;
constexpr int kSettleX = 499, kSettleY = 547;
constexpr int kToMainMenuX = 397, kToMainMenuY = 415;
constexpr int kQuitOkayX = 478, kQuitOkayY = 454;

// Seconds for a screen to come: the sanitized game on a machine held at three
// busy processes a core takes many times what it takes on a quiet one.
constexpr int kScreenSeconds = 120;

// The mean of the picture's colour channels over a rectangle.
int Mean(const rgb_picture& picture, int x, int y, int w, int h)
{
    if (picture.w != 800) {
        return -1;
    }
    long sum = 0;
    for (int py = y; py < y + h; py++) {
        for (int px = x; px < x + w; px++) {
            const size_t at = static_cast<size_t>((py * 800 + px) * 3);
            sum += picture.rgb[at] + picture.rgb[at + 1] + picture.rgb[at + 2];
        }
    }
    return static_cast<int>(sum / (w * h * 3));
}

// The bottom-left corner: black under the story, the screen's own pictures
// elsewhere.
int Brightness(const rgb_picture& picture)
{
    return Mean(picture, 0, 560, 200, 40);
}

// The colours the screens' own pictures paint where nothing else lies: each
// screen's board has one deep tone with a faint grain over it.
struct tone {
    int r, g, b;
};
constexpr tone kSky{126, 184, 232};        // the logo's sky, high up
constexpr tone kMakersPlate{99, 69, 46};    // the logo's wooden plate
constexpr tone kTitlePlate{46, 61, 39};     // the main menu's title plate
constexpr tone kQuitFace{101, 56, 97};      // the main menu's quit button
constexpr tone kTeal{44, 76, 87};           // the chooser and its dialogs
constexpr tone kGreen{62, 81, 52};          // the menus over the island, the story's question
constexpr tone kWood{81, 53, 32};           // the side panel's carved board

// A patch painted in one tone: every pixel within the grain's reach of it.
// The island, the sea and the sky shade or texture a patch of any size.
bool Panel(const rgb_picture& picture, int x, int y, int w, int h, tone t)
{
    if (picture.w != 800) {
        return false;
    }
    constexpr int kGrain = 12;
    for (int py = y; py < y + h; py++) {
        for (int px = x; px < x + w; px++) {
            const uint8_t* at = &picture.rgb[static_cast<size_t>((py * 800 + px) * 3)];
            if (std::abs(at[0] - t.r) > kGrain || std::abs(at[1] - t.g) > kGrain || std::abs(at[2] - t.b) > kGrain) {
                return false;
            }
        }
    }
    return true;
}

// What the game shows, told apart by the panels each screen has where the
// others have texture, sky, darkness or another tone.
// The sky above the maker's plate on the logo screen.
bool Logo(const rgb_picture& p) { return Panel(p, 400, 20, 40, 10, kSky) && Panel(p, 305, 212, 20, 30, kMakersPlate); }
// The title plate and the quit button, once the buttons have slid in.
bool MainMenu(const rgb_picture& p) { return Panel(p, 588, 16, 8, 14, kTitlePlate) && Panel(p, 600, 476, 30, 1, kQuitFace); }
// Black around the story's panels, its skip button lit.
bool Story(const rgb_picture& p) { return Brightness(p) < 5 && Mean(p, 715, 550, 50, 22) > 60; }
// The body of a dialog in the middle of the screen, below its text.
bool Dialog(const rgb_picture& p) { return Panel(p, 300, 290, 200, 30, kTeal); }
bool ClosingQuestion(const rgb_picture& p) { return Brightness(p) < 5 && Panel(p, 300, 500, 40, 4, kGreen); }
// The chooser's panel on the left, lit: a dialog over it darkens it.
bool Chooser(const rgb_picture& p) { return Panel(p, 20, 60, 25, 150, kTeal) && !Dialog(p); }
// The game's side panel, lit: a screen over the island darkens it.
// Two patches of plain board beside the buttons, clear of the carved picture
// and its ropes.
bool Island(const rgb_picture& p) { return Panel(p, 760, 330, 30, 30, kWood) && Panel(p, 770, 420, 20, 20, kWood); }
bool InGameMenu(const rgb_picture& p) { return Panel(p, 190, 150, 80, 300, kGreen); }
// The quit dialog's board below the islander's picture, over the darkened menu.
bool QuitQuestion(const rgb_picture& p) { return Panel(p, 300, 290, 200, 30, kGreen) && !InGameMenu(p); }

struct saved_data {
    unsigned int seed = 0, number = 0;
    bool underWay = false;
    long playTime = 0;
};

saved_data Saved()
{
    CInput input;
    CController::input = &input;
    saved_data saved;
    {
        CProfile profile;
        saved.seed = profile.GetValue<unsigned int>(1);
        saved.underWay = profile.GetValue<bool>(31);
        saved.number = saved.underWay ? profile.GetValue<unsigned int>(46) : 0;
        saved.playTime = profile.GetValue<long>(50);
    }
    CController::input = nullptr;
    return saved;
}

std::string LogText()
{
    std::ifstream in("LOG.TXT");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Waits for what the screen should show, then clicks what it acts on.
template <class Shown>
bool ClickOn(GameOnX& game, Shown shown, int x, int y)
{
    if (!game.WaitFor([&] { return shown(game.Capture()); }, kScreenSeconds)) {
        return false;
    }
    game.Click(x, y);
    return true;
}

// Escape on the island opens the in-game menu, whose last button leads back
// to the main menu; quit there asks, after a game, whether to go, and the
// dialog's okay ends the program.
bool LeaveTheIslandAndQuit(GameOnX& game, rgb_picture& menu)
{
    if (!game.WaitFor([&] { return Island(game.Capture()); }, kScreenSeconds)) {
        ADD_FAILURE() << "the island";
        return false;
    }
    game.Escape();
    if (!ClickOn(game, InGameMenu, kToMainMenuX, kToMainMenuY)) {
        ADD_FAILURE() << "the in-game menu";
        return false;
    }
    if (!game.WaitFor([&] { return MainMenu(menu = game.Capture()); }, kScreenSeconds)) {
        ADD_FAILURE() << "the main menu";
        return false;
    }
    game.Click(kMenuX, kQuitY);
    if (!ClickOn(game, QuitQuestion, kQuitOkayX, kQuitOkayY)) {
        ADD_FAILURE() << "the quit dialog";
        return false;
    }
    game.WaitFor([] { return false; }, kScreenSeconds);
    return game.EndedWell();
}

}  // namespace

// The road a player takes, on the real binary under the test X server: the
// logo, the main menu, play, the story skipped to its closing question, the
// chooser and its first-island question, the game, Escape back to the menu
// and quit; a second run's play continues the same island. Every input waits
// until the screen it is meant for is shown.
TEST(GameBinaryOnX, TheMenuLeadsThroughStoryAndChooserOntoTheIslandAndTheNextRunContinuesIt)
{
    const char* binary = getenv("PALMORA_BINARY");
    if (!binary || !*binary) {
        GTEST_SKIP() << "no game binary";
    }
    x_calls x{};
    if (!x.Load()) {
        GTEST_SKIP() << "Xlib or XTest is not installed";
    }
    const TestXServer server;
    if (server.Display().empty()) {
        GTEST_SKIP() << server.Why();
    }
    const char* display = server.Display().c_str();
    TempFolder folder;
    Display* dpy = x.open(display);
    ASSERT_NE(dpy, nullptr);

    saved_data runs[2];
    rgb_picture menu;
    for (int run = 0; run < 2; run++) {
        GameOnX game(x, dpy, binary, display);
        ASSERT_TRUE(game.WaitFor([&] { return game.FindWindow(); }, kScreenSeconds)) << "run " << run;
        // A click on the logo goes on to the menu at once; then play.
        rgb_picture shown;
        ASSERT_TRUE(game.WaitFor([&] { return Logo(shown = game.Capture()) || MainMenu(shown); }, kScreenSeconds))
            << "the logo, run " << run;
        if (Logo(shown)) {
            game.Click(kLogoX, kLogoY);
        }
        ASSERT_TRUE(ClickOn(game, MainMenu, kMenuX, kPlayY)) << "the menu, run " << run;
        if (run == 0) {
            // With no game under way the story comes, black around its
            // panels; skipped, it asks its closing question.
            ASSERT_TRUE(ClickOn(game, Story, kSkipX, kSkipY)) << "the story";
            ASSERT_TRUE(ClickOn(game, Dialog, kDialogYesX, kDialogYesY)) << "the question whether to skip";
            ASSERT_TRUE(ClickOn(game, ClosingQuestion, kTutorialYesX, kTutorialYesY)) << "the story's question";
            rgb_picture chooser;
            ASSERT_TRUE(game.WaitFor([&] { return Chooser(chooser = game.Capture()); }, kScreenSeconds))
                << "the chooser";
            // The chooser turns settling down while its first island glides
            // in; once it takes it, it asks about a first island, whose
            // first button answers yes.
            bool asked = false;
            for (int attempt = 0; attempt < kScreenSeconds / 5 && !asked; attempt++) {
                chooser = game.Capture();
                game.Click(kSettleX, kSettleY);
                asked = game.WaitFor([&] { return Dialog(game.Capture()); }, 5);
            }
            ASSERT_TRUE(asked) << "the question whether to settle";
            SavePng(chooser, ScreenshotPath("CControllerIslandSelect-x11.png"));
            game.Click(kDialogYesX, kDialogYesY);
        }
        // Straight onto the island: the new one, or the stored one.
        rgb_picture island;
        if (!game.WaitFor([&] { return Island(island = game.Capture()); }, kScreenSeconds)) {
            SavePng(island, ScreenshotPath("CControllerMain-x11-no-island.png"));
            FAIL() << "the island, run " << run << ": the screen is in CControllerMain-x11-no-island.png";
        }
        SavePng(island, ScreenshotPath("CControllerMain-x11-island" + std::to_string(run) + ".png"));
        ASSERT_TRUE(LeaveTheIslandAndQuit(game, menu)) << "run " << run;
        if (run == 0) {
            SavePng(menu, ScreenshotPath("CControllerMain-x11.png"));
        }
        runs[run] = Saved();
    }
    x.close(dpy);
    EXPECT_TRUE(runs[0].underWay);
    EXPECT_NE(runs[0].seed, 0u);
    EXPECT_EQ(runs[0].number, runs[0].seed);
    EXPECT_EQ(runs[1].seed, runs[0].seed) << "the second run continued the island";
    EXPECT_GT(runs[1].playTime, runs[0].playTime);
    EXPECT_EQ(LogText().find("ERROR"), std::string::npos) << LogText();
}
