#include "CControllerGameFixture.h"

#include "CRenderer.h"
#include "Screenshot.h"
#include "Utilities.h"
#include "XDisplayLock.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, int>> TreePlaces(CMap& island)
{
    std::vector<std::pair<int, int>> places;
    for (CTree* tree : island.trees) {
        places.emplace_back(tree->GetX(), tree->GetY());
    }
    return places;
}

}  // namespace

TEST_F(GameScreenTest, LeavingThroughTheMenuStoresTheIslandAndTheNextVisitContinuesIt)
{
    Open(kFixedIslandSeeds[5]);
    CMap* island = CControllerGame::island;
    const unsigned int seed = island->GetCurrentSeed();
    const auto trees = TreePlaces(*island);
    ASSERT_FALSE(trees.empty());
    for (int i = 0; i < 200; i++) {
        Frame();
    }
    resources.Renderer().Render(true);
    SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath("CControllerGame-dummy.png"));

    opener.screen->InputKey(true, SDLK_ESCAPE);
    ASSERT_NE(CControllerGame::inGameMenu, nullptr);
    CControllerGame::inGameMenu->GUICallback(CControllerInGameMenu::kQuit, 0);
    Frame();  // the menu closes, then the game screen
    Frame();
    EXPECT_EQ(opener.screen, nullptr);
    EXPECT_EQ(CControllerGame::island, nullptr);
    EXPECT_TRUE(CObject::objects.empty());
    EXPECT_EQ(CProfile::current->GetValue<unsigned int>(1), seed);
    EXPECT_GE(CProfile::current->GetValue<long>(33), GetCurrentTime() - 1);
    EXPECT_TRUE(CProfile::current->GetValue<bool>(31)) << "a game is under way";

    // Damaged records that pass the checksum: each is left out, the rest loads.
    auto badTrees = CProfile::current->GetVectorValue<tree_data>(2);
    badTrees.push_back(badTrees[0]);
    badTrees.back().footX = INT_MAX;
    CProfile::current->SetVectorValue<tree_data>(2, badTrees);
    auto badRocks = CProfile::current->GetVectorValue<rock_data>(3);
    const size_t rocks = badRocks.size();
    badRocks.push_back(badRocks[0]);
    badRocks.back().footY = -40;
    CProfile::current->SetVectorValue<rock_data>(3, badRocks);
    auto badFlowers = CProfile::current->GetVectorValue<flower_data>(9);
    const size_t flowerCount = badFlowers.size();
    ASSERT_GT(flowerCount, 0u);
    for (int i = 0; i < 4; i++) {
        badFlowers.push_back(badFlowers[0]);
    }
    badFlowers[flowerCount].colour = 7;
    badFlowers[flowerCount + 1].size = -2;
    badFlowers[flowerCount + 2].type = 3;
    badFlowers[flowerCount + 3].x = INT_MIN;
    CProfile::current->SetVectorValue<flower_data>(9, badFlowers);

    CMap* again = new CMap(false);
    again->LoadMap(true);
    opener.screen = new CControllerGame(false, false);
    opener.PassFocus(opener.screen);
    Frame();
    ASSERT_EQ(CControllerGame::island, again);
    EXPECT_TRUE(again->playable);
    EXPECT_EQ(again->GetCurrentSeed(), seed);
    EXPECT_EQ(TreePlaces(*again), trees);
    EXPECT_EQ(again->rocks.size(), rocks);
    EXPECT_EQ(again->flowers.size(), flowerCount);
    EXPECT_NE(Log().find("A saved tree off the island was dropped"), std::string::npos);
    EXPECT_NE(Log().find("A saved flower that cannot be painted was dropped"), std::string::npos);
}

namespace {

// The few Xlib and XTest calls the binary's road needs, looked up at run time.
struct x_calls {
    Display* (*open)(const char*);
    int (*close)(Display*);
    int (*flush)(Display*);
    Status (*queryTree)(Display*, Window, Window*, Window*, Window**, unsigned int*);
    Status (*attributes)(Display*, Window, XWindowAttributes*);
    int (*free)(void*);
    XImage* (*getImage)(Display*, Drawable, int, int, unsigned int, unsigned int, unsigned long, int);
    KeyCode (*keycode)(Display*, KeySym);
    int (*motion)(Display*, int, int, int, unsigned long);
    int (*button)(Display*, unsigned int, Bool, unsigned long);
    int (*key)(Display*, unsigned int, Bool, unsigned long);
    XErrorHandler (*setErrorHandler)(XErrorHandler);

    bool Load()
    {
        void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW | RTLD_GLOBAL);
        if (!x11 || !xtst) {
            return false;
        }
        open = reinterpret_cast<decltype(open)>(dlsym(x11, "XOpenDisplay"));
        close = reinterpret_cast<decltype(close)>(dlsym(x11, "XCloseDisplay"));
        flush = reinterpret_cast<decltype(flush)>(dlsym(x11, "XFlush"));
        queryTree = reinterpret_cast<decltype(queryTree)>(dlsym(x11, "XQueryTree"));
        attributes = reinterpret_cast<decltype(attributes)>(dlsym(x11, "XGetWindowAttributes"));
        free = reinterpret_cast<decltype(free)>(dlsym(x11, "XFree"));
        getImage = reinterpret_cast<decltype(getImage)>(dlsym(x11, "XGetImage"));
        keycode = reinterpret_cast<decltype(keycode)>(dlsym(x11, "XKeysymToKeycode"));
        motion = reinterpret_cast<decltype(motion)>(dlsym(xtst, "XTestFakeMotionEvent"));
        button = reinterpret_cast<decltype(button)>(dlsym(xtst, "XTestFakeButtonEvent"));
        key = reinterpret_cast<decltype(key)>(dlsym(xtst, "XTestFakeKeyEvent"));
        setErrorHandler = reinterpret_cast<decltype(setErrorHandler)>(dlsym(x11, "XSetErrorHandler"));
        // A window that closed while it was read fails that read, not the test.
        if (setErrorHandler) {
            setErrorHandler([](Display*, XErrorEvent*) { return 0; });
        }
        return open && close && flush && queryTree && attributes && free && getImage && keycode && motion &&
               button && key;
    }
};

int Channel(unsigned long pixel, unsigned long mask)
{
    while (mask && !(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
    }
    return static_cast<int>(pixel & mask);
}

// The game running under the test X server, seen and driven from outside.
class GameOnX {
public:
    GameOnX(x_calls& calls, Display* display, const char* binary, const char* name) : x(calls), dpy(display)
    {
        pid = fork();
        if (pid == 0) {
            signal(SIGTERM, SIG_DFL);
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("DISPLAY", name, 1);
            // Xlib keeps a few bytes of its own to the end; the game's own
            // leaks are looked for by the tests that run it in process.
            const char* asan = getenv("ASAN_OPTIONS");
            setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
            execl(binary, binary, "3", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~GameOnX()
    {
        if (pid > 0 && waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
    }

    // Polls (10 ms apart, at most 30 s) until done; false when the game ended first.
    template <class Done>
    bool WaitFor(Done done)
    {
        for (int attempt = 0; attempt < 3000; attempt++) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return false;
            }
            if (done()) {
                return true;
            }
            usleep(10000);
        }
        return false;
    }

    // Polls every 200 ms, at most times times, until done; false when the
    // game ended or the polls ran out.
    template <class Done>
    bool Poll(int times, Done done)
    {
        for (int attempt = 0; attempt < times; attempt++) {
            usleep(200000);
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return false;
            }
            if (done()) {
                return true;
            }
        }
        return false;
    }

    bool FindWindow()
    {
        Window root = DefaultRootWindow(dpy), parent, *children = nullptr;
        unsigned int count = 0;
        window = 0;
        if (x.queryTree(dpy, root, &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count; i++) {
                XWindowAttributes a;
                if (x.attributes(dpy, children[i], &a) && a.width == 800 && a.height == 600 &&
                    a.map_state == IsViewable) {
                    window = children[i];
                    left = a.x;
                    top = a.y;
                }
            }
            x.free(children);
        }
        return window != 0;
    }

    rgb_picture Capture()
    {
        rgb_picture picture;
        XImage* image = x.getImage(dpy, window, 0, 0, 800, 600, AllPlanes, ZPixmap);
        if (!image) {
            return picture;
        }
        picture.w = 800;
        picture.h = 600;
        for (int py = 0; py < 600; py++) {
            for (int px = 0; px < 800; px++) {
                const unsigned long pixel = XGetPixel(image, px, py);
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->red_mask)));
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->green_mask)));
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->blue_mask)));
            }
        }
        XDestroyImage(image);
        return picture;
    }

    void Click(int atX, int atY)
    {
        x.motion(dpy, -1, left + atX, top + atY, 0);
        x.button(dpy, 1, True, 0);
        x.button(dpy, 1, False, 0);
        x.flush(dpy);
    }

    void Escape()
    {
        const KeyCode code = x.keycode(dpy, XK_Escape);
        x.key(dpy, code, True, 0);
        x.key(dpy, code, False, 0);
        x.flush(dpy);
    }

    // Asks the game to close and waits for its whole shut-down.
    bool Close()
    {
        if (pid <= 0) {
            return false;
        }
        kill(pid, SIGTERM);
        WaitFor([] { return false; });
        return pid == -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    x_calls& x;
    Display* dpy;
    pid_t pid = -1;
    int status = 0;
    Window window = 0;
    int left = 0, top = 0;
};

// The island of the saved profile: its seed and where its trees stand.
std::pair<unsigned int, std::vector<std::pair<int, int>>> SavedIsland()
{
    CInput input;
    CController::input = &input;
    std::pair<unsigned int, std::vector<std::pair<int, int>>> saved;
    {
        CProfile profile;
        saved.first = profile.GetValue<unsigned int>(1);
        for (const tree_data& tree : profile.GetVectorValue<tree_data>(2)) {
            saved.second.emplace_back(tree.footX, tree.footY);
        }
    }
    CController::input = nullptr;
    return saved;
}

}  // namespace

// The road a player takes, on the real binary under the test X server: a
// click on the first screen opens the game on a new island, which runs until
// Escape leaves it through the menu; a second run continues the same island.
TEST(GameBinaryOnX, TheFirstScreenLeadsOntoTheIslandAndTheNextRunContinuesIt)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    const char* binary = getenv("PALMORA_BINARY");
    if (!display || !*display || !binary || !*binary) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY) or no game binary";
    }
    x_calls x{};
    if (!x.Load()) {
        GTEST_SKIP() << "Xlib or XTest is not installed";
    }
    const XDisplayLock onlyWindow(display);
    TempFolder folder;
    Display* dpy = x.open(display);
    ASSERT_NE(dpy, nullptr);

    std::pair<unsigned int, std::vector<std::pair<int, int>>> islands[2];
    for (int run = 0; run < 2; run++) {
        GameOnX game(x, dpy, binary, display);
        ASSERT_TRUE(game.WaitFor([&] { return game.FindWindow(); })) << "run " << run;
        // The first screen is up once its picture holds still for a second.
        rgb_picture shown = game.Capture();
        int still = 0;
        ASSERT_TRUE(game.Poll(300, [&] {
            rgb_picture now = game.Capture();
            still = now.CountDifferences(shown) == 0 ? still + 1 : 0;
            shown = now;
            return still >= 5;
        })) << "run " << run;
        // The click waits in the window's queue until the first screen reads
        // it; the banner of the island being made covers the screen, and the
        // island covers the banner.
        const int most = 800 * 600 * 3 / 10;
        game.Click(400, 300);
        rgb_picture banner;
        ASSERT_TRUE(game.Poll(300, [&] {
            banner = game.Capture();
            return banner.CountDifferences(shown) > most;
        })) << "run " << run;
        game.Poll(150, [&] { return game.Capture().CountDifferences(banner) > most; });
        game.Poll(40, [] { return false; });  // some 240 frames on the island
        if (run == 0) {
            SavePng(game.Capture(), ScreenshotPath("CControllerGame-x11.png"));
        }
        game.Escape();
        EXPECT_TRUE(game.Close()) << "run " << run;
        islands[run] = SavedIsland();
    }
    x.close(dpy);
    EXPECT_NE(islands[0].first, 0u);
    EXPECT_FALSE(islands[0].second.empty());
    EXPECT_EQ(islands[1].first, islands[0].first) << "the second run continued the island";
    EXPECT_EQ(islands[1].second, islands[0].second);
}
