#include "CDrawTestFixture.h"

#include "CController.h"
#include "ChildProcess.h"
#include "Config.h"
#include "QuietScreen.h"
#include "Utilities.h"

#include <gmock/gmock.h>

using testing::HasSubstr;

namespace {

const Rgba kWhite{255, 255, 255, 255};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{255, 0, 0, 255};

std::vector<int> Values(int x, int y, int w, int h)
{
    return {x, y, w, h};
}

// A screen that ends itself with a fixed code on its first frame.
class EndingScreen : public QuietScreen {
public:
    explicit EndingScreen(int code) : code(code) {}
    void Pump() override { ShutDown(code); }

private:
    int code;
};

}  // namespace

TEST(CDrawVideoMode, FallsBackToTheOtherModeBeforeGivingUp)
{
    TempFolder folder;  // refusals are logged
    SDL_Surface fake{};
    struct Case {
        bool wanted, fallback, fullWorks, windowWorks;
        std::vector<bool> tried;
        bool endsFullscreen;
    };
    const Case cases[] = {
        {true, false, true, true, {true}, true},           // full screen at start-up
        {true, false, false, true, {true, false}, false},  // refused: a window instead
        {false, false, true, true, {false}, false},
        {false, true, true, false, {false, true}, true},   // toggle to a window refused: back to full
    };
    for (const Case& c : cases) {
        std::vector<bool> tried;
        auto setMode = [&](bool full) -> SDL_Surface* {
            tried.push_back(full);
            return (full ? c.fullWorks : c.windowWorks) ? &fake : nullptr;
        };
        bool fullscreen = !c.endsFullscreen;
        EXPECT_EQ(CDraw::OpenVideoMode(c.wanted, c.fallback, setMode, fullscreen), &fake);
        EXPECT_EQ(tried, c.tried);
        EXPECT_EQ(fullscreen, c.endsFullscreen);
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

TEST(CDrawVideoMode, CutsPresentedRectanglesToTheScreen)
{
    const std::pair<PF_Rect, std::vector<int>> dirty[] = {
        {{-5, 10, 20, 20}, {0, 10, 20, 20}},  // moved, not shrunk
        {{790, 590, 50, 50}, {790, 590, 10, 10}},
        {{0, 0, 800, 600}, {0, 0, 800, 600}},
        {{900, 700, 10, 10}, {799, 599, 1, 1}},
    };
    for (const auto& [in, out] : dirty) {
        const SDL_Rect sent = CDraw::DirtyToScreen(in);
        EXPECT_EQ(Values(sent.x, sent.y, sent.w, sent.h), out);
    }
    // Immediate updates: clipped, or not sent at all.
    const std::pair<PF_Rect, std::vector<int>> now[] = {
        {{-10, -10, 30, 30}, {0, 0, 20, 20}},
        {{790, 595, 20, 20}, {790, 595, 10, 5}},
        {{800, 0, 10, 10}, {}},
        {{0, 600, 10, 10}, {}},
        {{-50, 0, 10, 10}, {}},  // nothing of it on screen
    };
    for (const auto& [in, out] : now) {
        PF_Rect r = in;
        const bool sent = CDraw::ClipToScreen(r.x, r.y, r.w, r.h);
        EXPECT_EQ(sent ? Values(r.x, r.y, r.w, r.h) : std::vector<int>{}, out) << in.x << "," << in.y;
    }
}

TEST(CDrawVideoMode, WaitsOutTheFrameLockReadingTheClockOncePerRound)
{
    struct Case {
        Uint32 lastFrame;
        int lock;
        std::vector<Uint32> readings;
        std::vector<Uint32> delays;
    };
    const Case cases[] = {
        {1000, 33, {1040}, {}},                           // a late frame goes at once
        {1000, 33, {1005, 1025, 1030, 1033}, {28, 0, 0}},  // sleeps, then yields the last 10 ms
        {1000, 33, {1010, 1040}, {23}},                   // a late clock after the decision to sleep
        {1000, 33, {1005, 1010, 1040}, {28, 23}},
        {1000, 0, {1000}, {}},                            // the lock switched off
        {0xfffffff0u, 33, {0xfffffff5u, 0x11u}, {28}},    // the tick counter wraps
    };
    for (const Case& c : cases) {
        size_t next = 0;
        std::vector<Uint32> delays;
        auto clock = [&]() -> Uint32 { return next < c.readings.size() ? c.readings[next++] : c.lastFrame + 99999; };
        CDraw::WaitFrameLock(c.lastFrame, c.lock, clock, [&](Uint32 ms) { delays.push_back(ms); });
        EXPECT_EQ(delays, c.delays) << "first reading " << c.readings[0];
        EXPECT_EQ(next, c.readings.size()) << "first reading " << c.readings[0];
    }
}

class CDrawVideo : public DrawTest {
protected:
    void PaintWhite()
    {
        white = MakeFilled(800, 600, kWhite, false);
        draw->DisplayImage(white);
    }

    // The last frame shows the picture moved: a black strip along an edge.
    bool Displaced()
    {
        return ScreenPixel(0, 300) == kBlack || ScreenPixel(799, 300) == kBlack || ScreenPixel(400, 0) == kBlack ||
               ScreenPixel(400, 599) == kBlack;
    }

    // Drawing reaches the screen at once only when no shake runs.
    bool ShakeOver()
    {
        draw->DisplayImage(MakeFilled(1, 1, kRed, false), 700, 500);
        const bool direct = ScreenPixel(700, 500) == kRed;
        draw->DisplayImage(white, 700, 500, 700, 500, 1, 1);
        return direct;
    }

    int white = -1;
};

TEST_F(CDrawVideo, OpensAWindowAsTheFlagSaysAndTogglesKeepingThePicture)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    EXPECT_EQ(Values(screen->w, screen->h, screen->flags & SDL_FULLSCREEN, SDL_ShowCursor(SDL_QUERY)),
              Values(800, 600, 0, SDL_DISABLE));
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

TEST_F(CDrawVideo, PresentsNothingWhileRenderingIsOffAndSkipsRequestedFrames)
{
    draw->skipFrames = 2;
    draw->Rendering(false);
    draw->Flip(true);
    draw->Flip(true);
    EXPECT_EQ(std::make_pair(draw->GetFramesSinceStart(), draw->skipFrames), std::make_pair(0, 2));
    draw->Rendering(true);
    draw->Flip(true);
    draw->Flip(true);
    EXPECT_EQ(std::make_pair(draw->GetFramesSinceStart(), draw->skipFrames), std::make_pair(0, 0));
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 1);

    // The screens switch rendering off on frames in which a chain closes.
    CController::draw = draw.get();
    EndingScreen closing(-1);
    closing.GotFocus(nullptr, true);
    CController::PumpFocus();
    draw->Flip(true);
    EndingScreen running(-2);
    running.GotFocus(nullptr, true);
    CController::PumpFocus();
    draw->Flip(true);
    EXPECT_EQ(draw->GetFramesSinceStart(), 2);
    CController::focus = nullptr;
    CController::running = true;
    draw.reset();
    EXPECT_EQ(CController::draw, nullptr) << "the service pointer must not outlive the context";
}

// The amplitude falls below one pixel at the twelfth step, which shows the
// picture in place and ends the shake.
TEST_F(CDrawVideo, AShakeDrawsIntoTheShakenPictureAndEndsOnTheTwelfthFrame)
{
    InitRandom(5);
    PaintWhite();
    draw->HandleShakeEnd(true);  // no shake: nothing happens
    draw->Shake();
    draw->DisplayImage(MakeFilled(40, 40, kRed, false), 290, 290);
    EXPECT_EQ(ScreenPixel(310, 310), kWhite) << "the screen is untouched until the next frame";
    draw->Flip(false);
    EXPECT_TRUE(Displaced());
    EXPECT_EQ(ScreenPixel(310, 310), kRed) << "shown, displaced by at most a few pixels";

    // A second shake restarts the motion on the same picture.
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
    EXPECT_EQ((std::vector<Rgba>{ScreenPixel(290, 290), ScreenPixel(289, 290)}), (std::vector<Rgba>{kRed, kWhite}));

    draw->Shake();
    draw->Flip(false);
    draw->HandleShakeEnd(true);
    EXPECT_FALSE(Displaced()) << "a forced end restores the picture at once";
    EXPECT_TRUE(ShakeOver());
}
