#include "CDrawTestFixture.h"

#include "CController.h"
#include "ChildProcess.h"
#include "Config.h"
#include "Utilities.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using testing::HasSubstr;

namespace {

const Rgba kWhite{255, 255, 255, 255};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{255, 0, 0, 255};

bool SameRect(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

std::string Show(const SDL_Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + ", " +
           std::to_string(r.h) + ")";
}

// A screen that ends itself with a fixed code on its first frame.
class EndingScreen : public CController {
public:
    explicit EndingScreen(int code) : code(code) {}
    void GotFocusBack() override {}
    void Pump() override { ShutDown(code); }
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}

private:
    int code;
};

}  // namespace

TEST(CDrawVideoMode, FallsBackToTheOtherModeBeforeGivingUp)
{
    TempFolder folder;  // the refusals are logged
    SDL_Surface fake{};
    struct Case {
        const char* what;
        bool wanted, fallback;
        bool fullWorks, windowWorks;
        std::vector<bool> tried;
        bool endsFullscreen;
    };
    const Case cases[] = {
        {"full screen at start-up", true, false, true, true, {true}, true},
        {"full screen refused at start-up", true, false, false, true, {true, false}, false},
        {"windowed at start-up", false, false, true, true, {false}, false},
        {"toggle to full screen refused", true, false, false, true, {true, false}, false},
        {"toggle to a window refused", false, true, true, false, {false, true}, true},
    };
    for (const Case& c : cases) {
        std::vector<bool> tried;
        auto setMode = [&](bool fullscreen) -> SDL_Surface* {
            tried.push_back(fullscreen);
            return (fullscreen ? c.fullWorks : c.windowWorks) ? &fake : nullptr;
        };
        bool fullscreen = !c.endsFullscreen;
        EXPECT_EQ(CDraw::OpenVideoMode(c.wanted, c.fallback, setMode, fullscreen), &fake) << c.what;
        EXPECT_EQ(tried, c.tried) << c.what;
        EXPECT_EQ(fullscreen, c.endsFullscreen) << c.what;
    }

    for (bool wanted : {true, false}) {
        const ChildResult result = RunInChild([wanted] {
            bool fullscreen = false;
            CDraw::OpenVideoMode(wanted, false, [](bool) -> SDL_Surface* { return nullptr; }, fullscreen);
        });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.output, HasSubstr("ERROR!  Unable to set video mode: "));
    }
}

TEST(CDrawVideoMode, PresentsDirtyRectanglesCutToTheScreen)
{
    const std::pair<PF_Rect, SDL_Rect> cases[] = {
        {{-5, 10, 20, 20}, {0, 10, 20, 20}},  // moved, not shrunk
        {{10, -3, 5, 5}, {10, 0, 5, 5}},
        {{790, 590, 50, 50}, {790, 590, 10, 10}},
        {{0, 0, 800, 600}, {0, 0, 800, 600}},
        {{900, 700, 10, 10}, {799, 599, 1, 1}},
    };
    for (const auto& [dirty, expected] : cases) {
        const SDL_Rect sent = CDraw::DirtyToScreen(dirty);
        EXPECT_TRUE(SameRect(sent, expected)) << Show(sent) << " for dirty " << dirty.x << "," << dirty.y;
    }
}

TEST(CDrawVideoMode, ClipsImmediateUpdatesToTheScreen)
{
    struct Case {
        PF_Rect in;
        bool sent;
        PF_Rect out;
    };
    const Case cases[] = {
        {{-10, -10, 30, 30}, true, {0, 0, 20, 20}},
        {{790, 595, 20, 20}, true, {790, 595, 10, 5}},
        {{799, 599, 5, 5}, true, {799, 599, 1, 1}},
        {{800, 0, 10, 10}, false, {}},
        {{0, 600, 10, 10}, false, {}},
        {{-50, 0, 10, 10}, false, {}},  // nothing of it is on screen
    };
    for (const Case& c : cases) {
        PF_Rect r = c.in;
        EXPECT_EQ(CDraw::ClipToScreen(r.x, r.y, r.w, r.h), c.sent) << c.in.x << "," << c.in.y;
        if (c.sent) {
            EXPECT_EQ((std::vector<int>{r.x, r.y, r.w, r.h}), (std::vector<int>{c.out.x, c.out.y, c.out.w, c.out.h}));
        }
    }
}

TEST(CDrawVideoMode, WaitsOutTheFrameLockReadingTheClockOncePerRound)
{
    struct Case {
        const char* what;
        Uint32 lastFrame;
        int lock;
        std::vector<Uint32> readings;
        std::vector<Uint32> delays;
    };
    const Case cases[] = {
        {"a late frame goes at once", 1000, 33, {1040}, {}},
        {"sleeps while more than 10 ms remain, then yields", 1000, 33, {1005, 1025, 1030, 1033}, {28, 0, 0}},
        {"a late clock after the sleep decision", 1000, 33, {1010, 1040}, {23}},
        {"a clock that jumps past the frame", 1000, 33, {1005, 1010, 1040}, {28, 23}},
        {"the lock switched off", 1000, 0, {1000}, {}},
        {"the tick counter wraps", 0xfffffff0u, 33, {0xfffffff5u, 0x11u}, {28}},
    };
    for (const Case& c : cases) {
        size_t next = 0;
        std::vector<Uint32> delays;
        auto clock = [&]() -> Uint32 {
            // Past the scripted readings the frame is long over.
            return next < c.readings.size() ? c.readings[next++] : c.lastFrame + 100000;
        };
        CDraw::WaitFrameLock(c.lastFrame, c.lock, clock, [&](Uint32 ms) { delays.push_back(ms); });
        EXPECT_EQ(delays, c.delays) << c.what;
        EXPECT_EQ(next, c.readings.size()) << c.what;
        for (Uint32 ms : delays) {
            EXPECT_LE(ms, static_cast<Uint32>(c.lock)) << c.what;
        }
    }
}

class CDrawVideo : public DrawTest {
protected:
    // True when the last frame shows the picture moved: a black strip along an edge.
    bool Displaced()
    {
        return ScreenPixel(0, 300) == kBlack || ScreenPixel(799, 300) == kBlack || ScreenPixel(400, 0) == kBlack ||
               ScreenPixel(400, 599) == kBlack;
    }

    // Draws a marker at (700, 500) and reports whether it reached the screen
    // at once, which it does only when no shake is running.
    bool ShakeOver()
    {
        draw->DisplayImage(marker, 700, 500);
        const bool direct = ScreenPixel(700, 500) == kRed;
        draw->DisplayImage(white, 700, 500, 700, 500, 1, 1);
        return direct;
    }

    void PaintWhite()
    {
        white = MakeFilled(800, 600, kWhite, false);
        marker = MakeFilled(1, 1, kRed, false);
        draw->DisplayImage(white);
    }

    int white = -1;
    int marker = -1;
};

TEST_F(CDrawVideo, OpensAWindowWhenTheFlagSaysSoAndTogglesKeepingThePicture)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 800);
    EXPECT_EQ(screen->h, 600);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    draw->DisplayImage(MakeFilled(10, 10, kRed, false), 100, 100);
    draw->ToggleFullscreen();
    EXPECT_TRUE(Config_GetFullscreen());
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_EQ(ScreenPixel(105, 105), kRed);
    draw->ToggleFullscreen();
    EXPECT_FALSE(Config_GetFullscreen());
    EXPECT_EQ(ScreenPixel(105, 105), kRed);

    draw.reset();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(CDrawVideo, CountsNothingWhileRenderingIsOffAndSkipsRequestedFrames)
{
    draw->skipFrames = 2;
    draw->Rendering(false);
    for (int i = 0; i < 3; i++) {
        draw->Flip(true);
    }
    EXPECT_EQ(draw->GetFramesSinceStart(), 0);
    EXPECT_EQ(draw->skipFrames, 2) << "rendering off changes nothing, not even the skips";

    draw->Rendering(true);
    draw->Flip(true);
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 0);
    EXPECT_EQ(draw->skipFrames, 0);
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 1);
}

TEST_F(CDrawVideo, IsNotPresentedWhileAChainOfScreensCloses)
{
    CController::draw = draw.get();
    EndingScreen closing(-1);
    closing.GotFocus(nullptr, true);
    CController::PumpFocus();
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 0);

    EndingScreen running(-2);
    running.GotFocus(nullptr, true);
    CController::PumpFocus();
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 1);

    CController::focus = nullptr;
    CController::running = true;
    draw.reset();
    EXPECT_EQ(CController::draw, nullptr) << "the service pointer must not outlive the context";
}

TEST_F(CDrawVideo, DrawsAPartOrTheWholeImageWhenThePartReachesPastIt)
{
    std::vector<Rgba> pixels;
    for (int i = 0; i < 16; i++) {
        pixels.push_back(Rgba{i * 10, 0, 0, 255});
    }
    const int image = MakeImage(4, 4, pixels, false);
    draw->DisplayImage(image, 10, 10, 1, 1, 2, 2);
    EXPECT_EQ(ScreenPixel(10, 10), pixels[5]);
    EXPECT_EQ(ScreenPixel(11, 11), pixels[10]);
    EXPECT_EQ(ScreenPixel(12, 12), kBlack);

    draw->DisplayImage(image, 50, 50, 3, 3, 2, 2);
    EXPECT_EQ(ScreenPixel(50, 50), pixels[0]);
    EXPECT_EQ(ScreenPixel(53, 53), pixels[15]);
}

// The amplitude falls below one pixel at the twelfth step, which shows the
// picture in place and ends the shake. (The motion may pass through the
// middle on its way, so frames in between are not all displaced.)
TEST_F(CDrawVideo, AShakeRunsElevenFramesAndTheTwelfthShowsThePictureInPlace)
{
    for (unsigned int seed : {1u, 2u, 3u, 77u}) {
        InitRandom(seed);
        PaintWhite();
        draw->Shake();
        std::vector<bool> over;
        int displacedFrames = 0;
        bool firstDisplaced = false;
        bool lastDisplaced = true;
        for (int frame = 1; frame <= 12; frame++) {
            draw->Flip(false);
            lastDisplaced = Displaced();
            displacedFrames += lastDisplaced ? 1 : 0;
            firstDisplaced = firstDisplaced || (frame == 1 && lastDisplaced);
            over.push_back(ShakeOver());
        }
        std::vector<bool> expected(11, false);
        expected.push_back(true);
        EXPECT_EQ(over, expected) << "seed " << seed;
        EXPECT_TRUE(firstDisplaced) << "seed " << seed;
        EXPECT_FALSE(lastDisplaced) << "seed " << seed;
        EXPECT_GE(displacedFrames, 8) << "seed " << seed;
        EXPECT_EQ(draw->GetFramesSinceStart(), 12) << "seed " << seed;
        draw.reset();
        draw = std::make_unique<CDraw>();
        draw->ToggleFrameLock();
    }
}

TEST_F(CDrawVideo, DrawsIntoTheShakenPictureUntilTheShakeEnds)
{
    InitRandom(5);
    PaintWhite();
    draw->Shake();
    const int square = MakeFilled(20, 20, kRed, false);
    draw->DisplayImage(square, 300, 300);
    EXPECT_EQ(ScreenPixel(310, 310), kWhite) << "the screen is untouched until the next frame";

    draw->Flip(false);
    EXPECT_TRUE(Displaced());
    bool seen = false;
    for (int y = 290; y < 330; y++) {
        for (int x = 290; x < 330; x++) {
            seen = seen || ScreenPixel(x, y) == kRed;
        }
    }
    EXPECT_TRUE(seen) << "the frame shows the shake surface, displaced";

    // A second shake restarts the motion on the same surface.
    for (int i = 0; i < 5; i++) {
        draw->Flip(false);
    }
    draw->Shake();
    int frames = 0;
    do {
        draw->Flip(false);
        frames++;
    } while (!ShakeOver() && frames < 30);
    EXPECT_EQ(frames, 12);
    EXPECT_EQ(ScreenPixel(300, 300), kRed);
    EXPECT_EQ(ScreenPixel(299, 300), kWhite);
}

TEST_F(CDrawVideo, AForcedShakeEndRestoresThePictureAtOnce)
{
    InitRandom(9);
    PaintWhite();
    draw->HandleShakeEnd(true);  // nothing runs: nothing happens
    draw->Shake();
    draw->Flip(false);
    ASSERT_TRUE(Displaced());
    draw->HandleShakeEnd(true);
    EXPECT_FALSE(Displaced());
    EXPECT_TRUE(ShakeOver());
}
