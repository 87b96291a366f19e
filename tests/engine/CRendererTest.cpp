#include "CSpriteTestFixture.h"

#include "CMouseCursor.h"

#include <gmock/gmock.h>

#include <memory>

namespace {

using Rects = std::vector<PF_Rect>;

const int kIsland = 1000;        // below the side-panel depth
const int kWidget = 25000000;    // side panel and above
const Pixel kRed{255, 0, 0, 255};
const Pixel kGreen{0, 255, 0, 255};
const Pixel kBlue{0, 0, 255, 255};
const Pixel kGrey{90, 90, 90, 255};

}  // namespace

class CRendererTest : public SpriteTest {
protected:
    Rects Optimized(const Rects& input)
    {
        CRenderer::dirty.assign(input.begin(), input.end());
        renderer.OptimizeDirty();
        return Dirty();
    }
};

TEST_F(CRendererTest, AMovedSpriteQueuesOneBoxOrTwoRectanglesWhicheverIsSmaller)
{
    struct Case {
        const char* what;
        int toX, toY, z;
        Rects queued;
    };
    const Case cases[] = {
        {"one pixel", 101, 100, kIsland, {{100, 100, 21, 20}}},
        {"across the screen", 400, 300, kIsland, {{100, 100, 20, 20}, {400, 300, 20, 20}}},
        {"side by side: the box is no smaller", 120, 100, kIsland, {{100, 100, 20, 20}, {120, 100, 20, 20}}},
        {"onto the side panel", 700, 100, kIsland, {{100, 100, 20, 20}}},
        {"a widget onto the side panel", 700, 100, kWidget, {{100, 100, 20, 20}, {700, 100, 20, 20}}},
        {"an island sprite across the panel's edge", 630, 100, kIsland, {{100, 100, 20, 20}, {630, 100, 14, 20}}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CSprite> sprite(Block(100, 100, c.z, 20, 20));
        sprite->Pump();
        CRenderer::dirty.clear();
        sprite->Move(c.toX, c.toY);
        sprite->Pump();
        EXPECT_EQ(Dirty(), c.queued) << c.what;
    }
}

TEST_F(CRendererTest, OptimizerMergesOverlapsThatCostNoExtraAreaAndClipsToTheScreen)
{
    struct Case {
        const char* what;
        Rects in, out;
    };
    const Case cases[] = {
        {"touching edges", {{0, 0, 10, 10}, {10, 0, 10, 10}}, {{0, 0, 10, 10}, {10, 0, 10, 10}}},
        {"half overlap", {{0, 0, 10, 10}, {5, 0, 10, 10}}, {{0, 0, 15, 10}}},
        {"areas just cover the box", {{0, 0, 3, 1}, {1, 0, 2, 3}}, {{0, 0, 3, 3}}},
        {"corner overlap costs area", {{0, 0, 10, 10}, {5, 5, 10, 10}}, {{0, 0, 10, 10}, {5, 5, 10, 10}}},
        {"a merged box absorbs a later one",
         {{0, 0, 10, 10}, {5, 0, 10, 10}, {10, 0, 10, 10}},
         {{0, 0, 20, 10}}},
        {"empty and off screen", {{5, 5, 0, 10}, {801, 0, 5, 5}, {0, -20, 5, 10}, {1, 1, 3, 0}}, {}},
        {"clipped", {{-10, -10, 20, 20}, {790, 590, 50, 50}}, {{0, 0, 10, 10}, {790, 590, 10, 10}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Optimized(c.in), c.out) << c.what;
    }
}

TEST_F(CRendererTest, SpecialRectanglesAreClippedAndKeptOffTheSidePanelUnlessAsked)
{
    struct Case {
        int x, y, w, h;
        bool overSidebar;
        Rects queued;
    };
    const Case cases[] = {
        {-10, -10, 20, 20, false, {{0, 0, 10, 10}}},
        {700, 10, 20, 20, false, {}},
        {700, 10, 20, 20, true, {{700, 10, 20, 20}}},
        {600, 10, 100, 20, false, {{600, 10, 44, 20}}},
        {790, 590, 30, 30, true, {{790, 590, 10, 10}}},
        {-30, 0, 20, 20, true, {}},
        {0, 601, 20, 20, true, {}},
    };
    for (const Case& c : cases) {
        renderer.AddSpecialDirty(c.x, c.y, c.w, c.h, c.overSidebar);
        EXPECT_EQ(Frame(), c.queued) << c.x << ", " << c.y << ", " << c.w << ", " << c.h;
    }
    renderer.RedrawScreen();
    EXPECT_EQ(Dirty(), (Rects{{0, 0, 800, 600}}));
}

// The island ends at x 644 and its sprites end at depth 20,000,000: each
// edge on both its sides.
TEST_F(CRendererTest, TheSidePanelRuleHoldsAtItsColumnAndItsDepth)
{
    const struct {
        int x, w, z;
        bool kept;
        int keptW;
    } cases[] = {
        {600, 44, 19999999, true, 44},  {600, 45, 19999999, true, 44}, {644, 10, 19999999, true, 0},
        {645, 10, 19999999, false, 0},  {645, 10, 20000000, true, 10}, {600, 45, 20000000, true, 45},
    };
    for (const auto& c : cases) {
        PF_Rect rect{c.x, 5, c.w, 7};
        EXPECT_EQ(CRenderer::OptimizeRectForSidebar(&rect, c.z), c.kept) << c.x << "+" << c.w << " at " << c.z;
        if (c.kept) {
            EXPECT_EQ(rect.w, c.keptW) << c.x << "+" << c.w << " at " << c.z;
            EXPECT_EQ(rect.x, c.x);
        }
    }
}

TEST_F(CRendererTest, DrawsOnlyInsideDirtyRectanglesInDepthThenRegistrationOrder)
{
    std::unique_ptr<CSprite> ground(Block(0, 0, kIsland, 100, 100, kGrey));
    std::unique_ptr<CSprite> top(Block(10, 10, kIsland + 2, 10, 10, kRed));
    std::unique_ptr<CSprite> first(Block(30, 10, kIsland + 1, 10, 10, kGreen));
    std::unique_ptr<CSprite> second(Block(30, 10, kIsland + 1, 10, 10, kBlue));
    Frame();
    EXPECT_EQ(ScreenPixel(15, 15), kRed) << "the deeper ground lies under";
    EXPECT_EQ(ScreenPixel(35, 15), kBlue) << "equal depths: the later registered on top";
    EXPECT_EQ(ScreenPixel(50, 50), kGrey);

    FillScreen({0, 0, 0, 255});
    top->Move(60, 60);
    EXPECT_EQ(Frame(), (Rects{{10, 10, 10, 10}, {60, 60, 10, 10}}));
    EXPECT_EQ(ScreenPixel(15, 15), kGrey) << "uncovered ground redrawn";
    EXPECT_EQ(ScreenPixel(65, 65), kRed);
    EXPECT_EQ(ScreenPixel(35, 15), (Pixel{0, 0, 0, 255})) << "nothing drawn outside the dirty rectangles";

    // Removals among many sprites keep the rest in their order.
    std::vector<std::unique_ptr<CSprite>> crowd;
    for (int i = 0; i < 80; i++) {
        crowd.emplace_back(Block(30, 10, kIsland + 1, 10, 10, i % 2 ? kRed : kGrey));
    }
    std::unique_ptr<CSprite> last(Block(30, 10, kIsland + 1, 10, 10, kGreen));
    crowd.clear();
    const auto redraw = [this]() {
        renderer.RedrawScreen();
        renderer.Render(false);
    };
    redraw();
    EXPECT_EQ(ScreenPixel(35, 15), kGreen);
    last.reset();
    redraw();
    EXPECT_EQ(ScreenPixel(35, 15), kBlue) << "the later of the two left is still on top";
    second.reset();
    redraw();
    EXPECT_EQ(ScreenPixel(35, 15), kGreen);
}

TEST_F(CRendererTest, SwapFreezesThePictureUnderANewListAndRestoresTheOld)
{
    std::unique_ptr<CSprite> island(Block(0, 0, kIsland, 800, 600, kGrey));
    std::unique_ptr<CSprite> walker(Block(100, 100, kIsland + 1, 10, 10, kRed));
    CMouseCursor pointer;
    CMouseCursor::sCursor->Move(300, 300);
    Frame();

    renderer.Swap();
    std::unique_ptr<CSprite> dialog(Block(400, 400, kWidget, 50, 50, kBlue));
    Frame();
    walker->Move(200, 200);
    CMouseCursor::sCursor->Move(310, 310);
    FillScreen({0, 0, 0, 255});
    const Rects redrawn = Frame();
    EXPECT_THAT(redrawn, testing::Not(testing::Contains(PF_Rect{200, 200, 10, 10}))) << "the old list is not pumped";
    EXPECT_THAT(redrawn, testing::Contains(PF_Rect{300, 300, 42, 42})) << "the pointer moves on";
    EXPECT_EQ(ScreenPixel(335, 305), kGrey) << "the frozen picture where the pointer was";
    EXPECT_EQ(ScreenPixel(205, 205), (Pixel{0, 0, 0, 255})) << "the walker is not drawn";

    dialog.reset();
    renderer.Swap();
    EXPECT_EQ(ScreenPixel(420, 420), kGrey) << "the frozen picture shown whole once more";
    EXPECT_EQ(ScreenPixel(105, 105), kRed);
    EXPECT_EQ(Frame(), (Rects{{100, 100, 10, 10}, {200, 200, 10, 10}})) << "the old list runs again";
    EXPECT_EQ(ScreenPixel(205, 205), kRed);
}
