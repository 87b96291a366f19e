#include "CSpriteTestFixture.h"

#include "CController.h"
#include "CInput.h"
#include "ChildProcess.h"

#include <gmock/gmock.h>

#include <iterator>
#include <memory>
#include <string>

using testing::HasSubstr;

namespace {

const Pixel kRed{255, 0, 0, 255};
const Pixel kBlue{0, 0, 255, 255};
const Pixel kClear{0, 0, 0, 0};

// Left half clear, right half opaque red.
Pixel HalfClear(int x, int)
{
    return x < 5 ? kClear : kRed;
}

}  // namespace

class CSpriteTest : public SpriteTest {
protected:
    // A sprite of n images, 4x4 each, at (100, 100).
    std::unique_ptr<CSprite> Animated(int n, int framesPerStep)
    {
        auto sprite = std::make_unique<CSprite>(0, framesPerStep);
        sprite->Move(100, 100);
        for (int i = 0; i < n; i++) {
            sprite->LoadImage(Filled(4, 4, kRed));
        }
        return sprite;
    }

    static int Alpha(CDraw& draw, int id) { return draw.GetSurface(id)->format->alpha; }
};

TEST_F(CSpriteTest, AnimationStepsEveryFramesPerStepPumpsAndLoopsOrStops)
{
    struct Case {
        const char* what;
        int state, loopFrom;
        bool pauseWhenDone;
        std::vector<unsigned int> frames;  // after each pump
        int endState;
    };
    const Case cases[] = {
        {"forward", 1, 0, false, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0}, 1},
        {"looping from 2", 1, 2, false, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 2, 2, 2, 3}, 1},
        {"backward", -1, 0, false, {0, 0, 0, 3, 3, 3, 2}, -1},
        {"forward once", 1, 0, true, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3}, 0},
        {"backward once", -1, 0, true, {0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto sprite = Animated(4, 3);
        sprite->SetState(c.state);
        sprite->LoopFrom(c.loopFrom);
        if (c.pauseWhenDone) {
            sprite->PauseWhenDone();
        }
        for (size_t i = 0; i < c.frames.size(); i++) {
            const unsigned int predicted = sprite->GetNextFrame();
            sprite->Pump();
            EXPECT_EQ(sprite->GetFrame(), c.frames[i]) << "pump " << i + 1;
            EXPECT_EQ(sprite->GetFrame(), predicted) << "pump " << i + 1;
        }
        EXPECT_EQ(sprite->GetState(), c.endState);
        if (c.pauseWhenDone) {
            EXPECT_TRUE(c.state == 1 ? sprite->AtEnd() : sprite->AtStart());
        }
    }
}

TEST_F(CSpriteTest, FrameSettersClampAndWrapIntoTheImages)
{
    auto sprite = Animated(5, 1);
    const struct {
        void (*set)(CSprite&);
        unsigned int frame;
    } cases[] = {
        {[](CSprite& s) { s.SetFrameWrap(-1); }, 4},   {[](CSprite& s) { s.SetFrameWrap(7); }, 2},
        {[](CSprite& s) { s.SetFrameWrap(-6); }, 4},   {[](CSprite& s) { s.SetFrame(9); }, 4},
        {[](CSprite& s) { s.SetFramesFromEnd(1); }, 3}, {[](CSprite& s) { s.SetFramesFromEnd(9); }, 0},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        cases[i].set(*sprite);
        EXPECT_EQ(sprite->GetFrame(), cases[i].frame) << "case " << i;
    }
}

TEST_F(CSpriteTest, ReportsItsAreaOnlyWhenSomethingVisibleChanged)
{
    std::unique_ptr<CSprite> sprite(Block(0, 0, 5, 10, 10));
    EXPECT_EQ(Frame(), (std::vector<PF_Rect>{{0, 0, 10, 10}})) << "a new sprite shows its whole area";
    EXPECT_TRUE(Frame().empty()) << "then nothing until it changes";

    sprite->LoadImage(Filled(10, 10, kBlue));
    struct Case {
        const char* what;
        void (*change)(CSprite&);
    };
    const Case cases[] = {
        {"moved", [](CSprite& s) { s.Move(1, 0); }},
        {"depth", [](CSprite& s) { s.SetZ(6); }},
        {"depth offset of the image shown", [](CSprite& s) { s.AddZOffset(0, 3); }},
        {"narrower", [](CSprite& s) { s.SetW(4); }},
        {"source offset", [](CSprite& s) { s.SetSrcYOff(2); }},
        {"other image", [](CSprite& s) { s.SetFrame(1); }},
        {"lightened", [](CSprite& s) { s.Lighten(true, 1.5f); }},
    };
    for (const Case& c : cases) {
        c.change(*sprite);
        EXPECT_FALSE(Frame().empty()) << c.what;
        EXPECT_TRUE(Frame().empty()) << c.what << ", a frame later";
    }
    sprite->ShouldDirty(false);
    sprite->Move(200, 200);
    EXPECT_TRUE(Frame().empty()) << "a sprite told not to report";
}

TEST_F(CSpriteTest, FadesChangeTheImagesAlphaAndTheLastStepIsRedrawn)
{
    std::unique_ptr<CSprite> sprite(Block(20, 20, 0, 10, 10));
    const int id = sprite->GetFirstImage();
    Frame();

    sprite->Hide();
    sprite->FadeIn(3600000);
    EXPECT_FALSE(sprite->Hidden()) << "a fade shows the sprite";
    EXPECT_EQ(Frame(), (std::vector<PF_Rect>{{20, 20, 10, 10}}));
    EXPECT_TRUE(sprite->Fading());
    EXPECT_EQ(Alpha(draw, id), 0) << "an hour-long fade has barely begun";
    EXPECT_FALSE(Frame().empty()) << "every frame of a fade is redrawn";

    sprite->FadeOut(0);
    EXPECT_EQ(Alpha(draw, id), 255);
    EXPECT_EQ(Frame(), (std::vector<PF_Rect>{{20, 20, 10, 10}})) << "the pump that ends a fade redraws it";
    EXPECT_FALSE(sprite->Fading());
    EXPECT_EQ(Alpha(draw, id), 0);
    EXPECT_FALSE(sprite->Hidden()) << "a faded-out sprite stays shown";
    EXPECT_TRUE(Frame().empty());

    sprite->FadeIn(0);
    Frame();
    EXPECT_EQ(Alpha(draw, id), 255);
}

TEST_F(CSpriteTest, HitTestsFollowTheRectangleAndOpaquePixels)
{
    CInput input;
    CController::input = &input;
    std::unique_ptr<CSprite> sprite(new CSprite(10, 10, 0));
    sprite->LoadImage(MakeImage(10, 5, HalfClear));

    struct Case {
        int px, py, mx, my;
        bool hit;
    };
    const Case rectangle[] = {
        {10, 10, 0, 0, true}, {19, 14, 0, 0, true}, {20, 10, 0, 0, false},
        {10, 15, 0, 0, false}, {9, 10, 0, 0, false}, {8, 9, 2, 1, true}, {21, 16, 2, 2, true},
    };
    for (const Case& c : rectangle) {
        EXPECT_EQ(sprite->IsCollision(c.px, c.py, c.mx, c.my), c.hit) << c.px << ", " << c.py;
    }
    input.mouseX = 20;
    input.mouseY = 15;
    EXPECT_TRUE(sprite->IsMouseOverOriginalSize(0, 0)) << "both ends count";

    const Case pixels[] = {{12, 12, 0, 0, false}, {16, 12, 0, 0, true}, {15, 14, 0, 0, true}, {20, 12, 0, 0, false}};
    for (const Case& c : pixels) {
        EXPECT_EQ(sprite->IsCollisionPixelPerfect(c.px, c.py), c.hit) << c.px << ", " << c.py;
    }
    input.mouseX = 17;
    input.mouseY = 11;
    EXPECT_TRUE(sprite->IsCollisionPixelPerfect());
    sprite->SetSrcXOff(5);
    sprite->SetW(5);
    EXPECT_TRUE(sprite->IsCollisionPixelPerfect(10, 10)) << "shows the image from its source offset";
    sprite->Hide();
    EXPECT_FALSE(sprite->IsCollisionPixelPerfect(12, 12)) << "hidden";
    CController::input = nullptr;
}

// Rectangles meet only where their insides do: one pixel in on either side
// of either axis meets, touching edges do not.
TEST_F(CSpriteTest, SpritesAndRectanglesMeetOnlyWhereTheirInsidesOverlap)
{
    std::unique_ptr<CSprite> sprite(new CSprite(10, 10, 0));
    sprite->LoadImage(MakeImage(10, 5, HalfClear));
    std::unique_ptr<CSprite> other(new CSprite(0, 0, 0));
    other->LoadImage(MakeImage(4, 3, HalfClear));
    const struct {
        int x, y;
        bool meet;
    } places[] = {{20, 11, false}, {19, 11, true}, {6, 11, false}, {7, 11, true},
                  {12, 15, false}, {12, 14, true}, {12, 7, false}, {12, 8, true}};
    for (const auto& p : places) {
        other->Move(p.x, p.y);
        PF_Rect r{p.x, p.y, 4, 3};
        PF_Rect mine{10, 10, 10, 5};
        EXPECT_EQ(sprite->Overlap(other.get()), p.meet) << p.x << ", " << p.y;
        EXPECT_EQ(CSprite::Intersect(mine, r), p.meet) << p.x << ", " << p.y;
        EXPECT_EQ(CSprite::Intersect(r, mine), p.meet) << p.x << ", " << p.y;
        EXPECT_EQ(sprite->Intersect(r), p.meet) << p.x << ", " << p.y;
    }
    sprite->Hide();
    PF_Rect inside{12, 11, 4, 3};
    EXPECT_FALSE(sprite->Intersect(inside)) << "hidden";
}

TEST_F(CSpriteTest, ClippingCutsTheSpriteToItsRectangleAtEveryPump)
{
    // Taller than wide, so that rows and columns cannot stand in for each other.
    std::unique_ptr<CSprite> sprite(new CSprite(0));
    sprite->LoadImage(MakeImage(20, 30, [](int x, int) { return x < 7 ? kBlue : kRed; }));
    sprite->ClipToRect(287, 20, 489, 489);
    struct Case {
        int x, y;
        PF_Rect shown;
        int srcX, srcY;
    };
    const Case cases[] = {
        {280, 30, {287, 30, 13, 30}, 7, 0},
        {300, 10, {300, 20, 20, 20}, 0, 10},
        {300, 20, {300, 20, 20, 30}, 0, 0},
        {300, 19, {300, 20, 20, 29}, 0, 1},
        {300, -10, {300, 20, 20, 0}, 0, 30},
        {770, 500, {770, 500, 6, 9}, 0, 0},
        {250, 30, {287, 30, 0, 30}, 20, 0},
    };
    for (const Case& c : cases) {
        sprite->Move(c.x, c.y);
        sprite->Pump();
        const PF_Rect shown{sprite->GetX(), sprite->GetY(), sprite->GetW(), sprite->GetH()};
        EXPECT_EQ(shown, c.shown) << c.x << ", " << c.y;
        EXPECT_EQ(sprite->GetSrcXOff(), c.srcX);
        EXPECT_EQ(sprite->GetSrcYOff(), c.srcY);
    }
    sprite->Move(280, 30);
    renderer.RedrawScreen();
    renderer.Render(false);
    EXPECT_EQ(ScreenPixel(286, 35), (Pixel{0, 0, 0, 255})) << "nothing left of the clip";
    EXPECT_EQ(ScreenPixel(287, 35), kRed) << "the part from the source offset";
}

TEST_F(CSpriteTest, HidingOrDeletingRepaintsWhereItWasLastDrawn)
{
    std::unique_ptr<CSprite> sprite(Block(100, 100, 0, 10, 10));
    Frame();
    sprite->Move(300, 300);
    sprite->Hide();
    EXPECT_THAT(Frame(), testing::Contains(PF_Rect{100, 100, 10, 10})) << "not only where it was moved to";
    sprite->Move(400, 400);
    sprite->Hide();
    EXPECT_TRUE(Frame().empty()) << "hidden sprites are not pumped, hiding twice does nothing";
    sprite->UnHide();
    EXPECT_EQ(Frame(), (std::vector<PF_Rect>{{400, 400, 10, 10}}));

    for (bool asked : {false, true}) {
        CSprite* deleted = Block(50, 60, 0, 8, 8);
        Frame();
        deleted->dirtyOnDelete = asked;
        delete deleted;
        EXPECT_EQ(Frame().size(), asked ? 1u : 0u) << "dirtyOnDelete " << asked;
    }
}

TEST_F(CSpriteTest, LightenDrawsABrightenedCopyAndSetRGBAChangesTheImage)
{
    std::unique_ptr<CSprite> sprite(Block(0, 0, 0, 4, 4, {100, 50, 20, 255}));
    sprite->Lighten(true, 2.0f);
    Frame();
    EXPECT_EQ(ScreenPixel(1, 1), (Pixel{200, 100, 40, 255}));
    sprite->Lighten(false, 0);
    Frame();
    EXPECT_EQ(ScreenPixel(1, 1), (Pixel{100, 50, 20, 255}));
    sprite->SetRGBA(0.5f, 1.0f, 1.0f, 1.0f, -1);
    sprite->Move(1, 0);
    Frame();
    EXPECT_EQ(ScreenPixel(2, 1), (Pixel{50, 50, 20, 255}));
}

TEST_F(CSpriteTest, LoadsArchiveImagesByNameAndLogsMixedSizes)
{
    CSprite sprite(0);
    sprite.LoadImage("pointerA", 2, 0, ".png");
    sprite.LoadImage("pointerA1.png", 2);
    sprite.LoadImage("pointerA0.png", 0);
    ASSERT_EQ(sprite.GetNumImages(), 5);
    const char* expected[] = {"pointerA2.png", "pointerA1.png", "pointerA0.png", "pointerA1.png", "pointerA1.png"};
    for (int i = 0; i < 5; i++) {
        EXPECT_STREQ(draw.GetImageName(sprite.GetImage(i)), expected[i]);
    }
    EXPECT_EQ(sprite.GetImage(1), sprite.GetImage(3)) << "one shared archive image";

    sprite.LoadImage("dirty.png");
    EXPECT_EQ(sprite.GetNumImages(), 6) << "kept although of another size";
    EXPECT_EQ(sprite.GetW(), draw.GetW(sprite.GetImage(5)));
    EXPECT_THAT(folder.Read("LOG.TXT"), HasSubstr("A sprite (dirty.png) was loaded with images of different sizes!"));
}

TEST_F(CSpriteTest, AskingForAnImageBeyondItsImagesIsFatal)
{
    const ChildResult result = RunInChild([&] {
        CSprite sprite(0);
        sprite.LoadImage(Filled(2, 2, kRed));
        sprite.GetImage(1);
    });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.output, HasSubstr("CSprite::GetImage - Tried to get an image that does not exist."));
}
