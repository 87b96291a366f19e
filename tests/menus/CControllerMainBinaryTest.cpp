#include "CController.h"
#include "CInput.h"
#include "CProfile.h"
#include "TempFolder.h"
#include "TestXServer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

// Last: Xlib's macros would trip the headers above.
#include "CControllerMainOnX.h"

namespace {

constexpr int kMenuX = 680, kPlayY = 195, kQuitY = 485;

// The bottom-left corner: the menu's and the chooser's own pictures there,
// black under the story, the island under the game.
int Brightness(const rgb_picture& picture)
{
    if (picture.w != 800) {
        return -1;
    }
    long sum = 0;
    for (int y = 560; y < 600; y++) {
        for (int x = 0; x < 200; x++) {
            const size_t at = static_cast<size_t>((y * 800 + x) * 3);
            sum += picture.rgb[at] + picture.rgb[at + 1] + picture.rgb[at + 2];
        }
    }
    return static_cast<int>(sum / (200 * 40 * 3));
}

int CornerDifferences(const rgb_picture& a, const rgb_picture& b)
{
    if (a.w != 800 || b.w != 800) {
        return 800 * 600;
    }
    int count = 0;
    for (int y = 560; y < 600; y++) {
        for (int x = 0; x < 200; x++) {
            const size_t at = static_cast<size_t>((y * 800 + x) * 3);
            count += a.rgb[at] != b.rgb[at] || a.rgb[at + 1] != b.rgb[at + 1] || a.rgb[at + 2] != b.rgb[at + 2];
        }
    }
    return count;
}

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

// Clicks there until done, each time giving the game a second to answer.
template <class Done>
bool ClickUntil(GameOnX& game, int x, int y, int attempts, Done done)
{
    for (int attempt = 0; attempt < attempts && game.Running(); attempt++) {
        game.Click(x, y);
        if (game.Poll(5, done)) {
            return true;
        }
    }
    return false;
}

// Some seconds on the island, then Escape: the in-game menu's quit leads
// back to the main menu, whose corner is kept once it holds still; quit there
// asks, after a game, whether to go, and the dialog's okay ends the program.
bool LeaveTheIslandAndQuit(GameOnX& game, rgb_picture& menu)
{
    game.Poll(25, [] { return false; });
    game.Escape();
    game.Poll(10, [] { return false; });
    game.Click(399, 419);  // the in-game menu's last button: to the main menu
    rgb_picture shown = game.Capture();
    int still = 0;
    if (!game.Poll(150, [&] {
            const rgb_picture now = game.Capture();
            still = CornerDifferences(now, shown) == 0 ? still + 1 : 0;
            shown = now;
            return still >= 5;
        })) {
        return false;
    }
    menu = shown;
    ClickUntil(game, kMenuX, kQuitY, 20, [&] {
        game.Click(478, 454);  // the quit dialog's okay
        return !game.Running();
    });
    game.WaitFor([] { return false; });
    return game.EndedWell();
}

}  // namespace

// The road a player takes, on the real binary under the test X server: the
// logo, the main menu, play, the story skipped to its closing question, the
// chooser and its first-island question, the game, Escape back to the menu
// and quit; a second run's play continues the same island.
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
        ASSERT_TRUE(game.WaitFor([&] { return game.FindWindow(); })) << "run " << run;
        if (run == 0) {
            // Play with no game under way: the story, black around its panels.
            ASSERT_TRUE(ClickUntil(game, kMenuX, kPlayY, 60, [&] { return Brightness(game.Capture()) < 5; }))
                << "the story";
            game.Click(740, 561);  // skip
            game.Poll(3, [] { return false; });
            game.Click(318, 376);  // yes, skip it: the dialog's first button
            game.Poll(3, [] { return false; });
            game.Click(520, 565);  // the tutorial, yes
            rgb_picture chooser;
            int still = 0;
            ASSERT_TRUE(game.Poll(300, [&] {
                const rgb_picture now = game.Capture();
                still = Brightness(now) > 10 && CornerDifferences(now, chooser) == 0 ? still + 1 : 0;
                chooser = now;
                return still >= 5;
            })) << "the chooser";
            SavePng(chooser, ScreenshotPath("CControllerIslandSelect-x11.png"));
            // Settle: a first island is asked about, and its first button
            // answers yes.
            ASSERT_TRUE(ClickUntil(game, 499, 551, 10, [&] {
                game.Click(318, 376);
                return game.Poll(10, [&] { return CornerDifferences(game.Capture(), chooser) > 2000; });
            })) << "the island";
        } else {
            // Straight onto the stored island, once the menu is up.
            ASSERT_TRUE(game.Poll(300, [&] { return CornerDifferences(game.Capture(), menu) == 0; })) << "the menu";
            ASSERT_TRUE(ClickUntil(game, kMenuX, kPlayY, 20,
                                   [&] { return CornerDifferences(game.Capture(), menu) > 2000; }))
                << "the island";
        }
        SavePng(game.Capture(), ScreenshotPath("CControllerMain-x11-island" + std::to_string(run) + ".png"));
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
