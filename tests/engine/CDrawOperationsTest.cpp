#include "CDrawTestFixture.h"

#include "ChildProcess.h"
#include "Utilities.h"

#include <gmock/gmock.h>

using testing::HasSubstr;

namespace {

const Rgba kClear{0, 0, 0, 0};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{255, 0, 0, 255};
const Rgba kBlue{0, 0, 255, 255};
const Rgba kHalfRed{255, 0, 0, 128};

std::vector<Rgba> Many(size_t n, Rgba colour)
{
    return std::vector<Rgba>(n, colour);
}

}  // namespace

using CDrawOperations = DrawTest;

TEST_F(CDrawOperations, AltersChannelsByMultipliersBentByBrightness)
{
    struct Case {
        Rgba in;
        RGBA_offset m;
        float lo, hi, exp;
        Rgba out;
    };
    const Case cases[] = {
        {{200, 100, 50, 128}, {1, 1, 1, 1}, 1, 1, 1, {200, 100, 50, 128}},  // identity
        {{200, 100, 0, 255}, {2, 2, 2, 1}, 1, 1, 1, {255, 200, 0, 255}},    // clamped at 255
        {{101, 51, 3, 255}, {0.5f, 0.5f, 0.5f, 0.5f}, 1, 1, 1, {50, 25, 1, 127}},  // truncated
        {{255, 255, 255, 255}, {1, 1, 1, 1}, 0, 1, 1, {255, 255, 255, 255}},  // white: top of the curve
        {{51, 51, 51, 200}, {1, 1, 1, 1}, 0, 1, 1, {10, 10, 10, 200}},        // a fifth; alpha not curved
        {{153, 153, 153, 255}, {1, 1, 1, 1}, 0, 1, 2, {55, 55, 55, 255}},     // brightness squared
        {{90, 30, 0, 255}, {1, 1, 1, 1}, 2, 1, 1, {165, 55, 0, 255}},         // lo above hi brightens
        {{100, 100, 100, 255}, {2, 1, 0, 1}, 0, 1, 1, {78, 39, 0, 255}},      // multiplier, then curve
    };
    for (const Case& c : cases) {
        const int id = MakeImage(1, 1, {c.in});
        EXPECT_EQ(draw->AlterImageRGBA(id, c.m, false, nullptr, c.lo, c.hi, c.exp), draw->GetSurface(id));
        EXPECT_EQ(PixelAt(id, 0, 0), c.out) << c.in[0] << "," << c.in[1] << "," << c.in[2];
    }

    const int id = MakeImage(3, 1, Many(3, kRed));
    SDL_Rect middle = {1, 0, 1, 1};
    draw->AlterImageRGBA(id, RGBA_offset{0.5f, 1, 1, 1}, false, &middle, 1, 1, 1);
    SDL_Rect beyond = {2, -5, 50, 50};  // cut to the image
    const int copy = draw->ImageFreeSpot(draw->AlterImageRGBA(id, RGBA_offset{0, 1, 1, 1}, true, &beyond, 1, 1, 1), "");
    EXPECT_EQ(AllPixels(id), (std::vector<Rgba>{kRed, {127, 0, 0, 255}, kRed}));
    EXPECT_EQ(AllPixels(copy), (std::vector<Rgba>{kRed, {127, 0, 0, 255}, kBlack}));
}

TEST_F(CDrawOperations, ReplacesColoursKeepingEachPixelsAlpha)
{
    const std::vector<Rgba> pixels = {{10, 20, 30, 100}, {10, 20, 30, 255}, {1, 2, 3, 50}};
    const RGBA_data from{10, 20, 30, 0}, to{200, 100, 50, 7};
    const int some = MakeImage(3, 1, pixels);
    const int all = MakeImage(3, 1, pixels);
    const int random = MakeImage(3, 1, pixels);
    draw->ReplaceColour(some, from, to, false, false);
    draw->ReplaceColour(all, from, to, false, true);
    InitRandom(4);
    draw->ReplaceColour(random, from, to, true, true);
    EXPECT_EQ(AllPixels(some), (std::vector<Rgba>{{200, 100, 50, 100}, {200, 100, 50, 255}, {1, 2, 3, 50}}));
    EXPECT_EQ(AllPixels(all), (std::vector<Rgba>{{200, 100, 50, 100}, {200, 100, 50, 255}, {200, 100, 50, 50}}));
    const std::vector<Rgba> result = AllPixels(random);
    const Rgba one{result[0][0], result[0][1], result[0][2], 0};
    EXPECT_NE(one, (Rgba{200, 100, 50, 0})) << "a random colour, not the given one";
    for (size_t i = 0; i < result.size(); i++) {
        EXPECT_EQ(result[i], (Rgba{one[0], one[1], one[2], pixels[i][3]})) << "one colour for the whole call";
    }
}

TEST_F(CDrawOperations, DoublesImagesFadingTheirEdges)
{
    const int single = MakeImage(1, 1, {{40, 80, 120, 255}});
    EXPECT_EQ(AllPixels(draw->DoubleImageSize(single)), Many(4, Rgba{40, 80, 120, 128}));
    EXPECT_NE(draw->GetSurface(single), nullptr) << "the source stays";

    // Half the centre and a sixth of three neighbours; outside ones have the
    // centre's colour and no alpha.
    const int pair = draw->DoubleImageSize(MakeImage(2, 1, {{120, 0, 0, 255}, {0, 60, 0, 255}}));
    const std::vector<Rgba> row = {{120, 0, 0, 128}, {100, 10, 0, 170}, {20, 50, 0, 170}, {0, 60, 0, 128}};
    std::vector<Rgba> both = row;
    both.insert(both.end(), row.begin(), row.end());
    EXPECT_EQ(AllPixels(pair), both);
}

TEST_F(CDrawOperations, ShrinksByPlainAveragesDroppingTheRemainder)
{
    std::vector<Rgba> pattern;
    for (int i = 0; i < 25; i++) {
        pattern.push_back(Rgba{i % 5 * 10, i / 5 * 10, i % 5 + i / 5, 255});
    }
    const int source = MakeImage(5, 5, pattern);
    EXPECT_EQ(AllPixels(draw->ShrinkImage(source, 2, false)),
              (std::vector<Rgba>{{5, 5, 1, 255}, {25, 5, 3, 255}, {5, 25, 3, 255}, {25, 25, 5, 255}}));

    const int weighted = MakeImage(2, 2, {{200, 100, 0, 255}, kClear, kClear, kClear});
    EXPECT_EQ(AllPixels(draw->ShrinkImage(weighted, 2, true)), Many(1, Rgba{50, 25, 0, 63}))
        << "colours are not weighted by alpha";
    EXPECT_EQ(draw->GetSurface(weighted), nullptr) << "the source was released";
    EXPECT_EQ(AllPixels(draw->ShrinkImage(MakeFilled(3, 3, kRed), 4, true)), Many(1, kClear))
        << "smaller than one block: one clear pixel";

    WriteImageArchive({{"big.png", PngFile(4, 2, Many(8, kBlue))}});
    draw->Preload();
    const int byName = draw->ShrinkImage("big.png", 2);
    EXPECT_EQ(AllPixels(byName), Many(2, kBlue));
    for (int id = 0; id <= byName; id++) {
        EXPECT_EQ(draw->GetImageName(id), nullptr) << "the archive image went back";
    }

    const ChildResult result = RunInChild([&] { draw->ShrinkImage(source, 1, false); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.output, HasSubstr("Attempted to call ShrinkImage with a shrinkFactor of 1 or less."));
}

TEST_F(CDrawOperations, CombinesLayersIntoABoxCoveringThemAndTheOrigin)
{
    const std::vector<Rgba> quad = {kRed, kBlue, kBlue, kRed};
    struct Case {
        std::vector<std::pair<std::vector<Rgba>, coordinate>> layers;  // 2x2 or 1x1 pictures
        int w, h;
        std::vector<Rgba> expected;
    };
    const Case cases[] = {
        {{{quad, {1, 1}}}, 3, 3, {kClear, kClear, kClear, kClear, kRed, kBlue, kClear, kBlue, kRed}},
        {{{quad, {-1, -1}}}, 2, 2, quad},
        // the first layer is copied in, later ones blended over it
        {{{{{0, 0, 255, 100}, kBlue, kBlue, kBlue}, {0, 0}}, {{kHalfRed}, {1, 0}}},
         2, 2, {{0, 0, 255, 100}, {128, 0, 127, 255}, kBlue, kBlue}},
    };
    for (const Case& c : cases) {
        std::vector<image_combine> layers;
        for (const auto& [picture, at] : c.layers) {
            const int side = picture.size() == 4 ? 2 : 1;
            layers.push_back(image_combine{MakeImage(side, side, picture), at.x, at.y});
        }
        const int combined = draw->CombineImages(layers);
        EXPECT_EQ((std::vector<int>{draw->GetW(combined), draw->GetH(combined)}), (std::vector<int>{c.w, c.h}));
        EXPECT_EQ(AllPixels(combined), c.expected);
        for (const image_combine& layer : layers) {
            EXPECT_EQ(draw->GetSurface(layer.id), nullptr) << "every layer is released";
        }
        draw->RemoveImage(combined);
    }
    EXPECT_EQ(AllPixels(draw->CombineImages({})), Many(1, kClear));
}

TEST_F(CDrawOperations, CompositesWithTheOverOperator)
{
    struct Case {
        Rgba source, target;
        bool overwrite;
        Rgba result;
    };
    const Case cases[] = {
        {kHalfRed, kBlue, false, {128, 0, 127, 255}},
        {kHalfRed, {0, 0, 255, 128}, false, {170, 0, 85, 192}},
        {{255, 0, 0, 0}, kBlue, true, kBlue},            // a clear source pixel is skipped
        {kRed, {0, 0, 255, 100}, false, kRed},           // an opaque one replaces
        {kHalfRed, {0, 0, 255, 0}, false, kHalfRed},     // over a clear target: copied
        {kHalfRed, kBlue, true, kHalfRed},               // overwrite keeps the source's alpha
    };
    for (const Case& c : cases) {
        const int target = MakeImage(1, 1, {c.target});
        draw->CompositeImageOnImage(MakeImage(1, 1, {c.source}), target, 0, 0, c.overwrite);
        EXPECT_EQ(PixelAt(target, 0, 0), c.result) << c.source[3] << " over " << c.target[3];
    }
    // Only the overlap is touched, on either side.
    const Rgba green{0, 255, 0, 255};
    const int source = MakeImage(2, 2, {kRed, kRed, kRed, green});
    const int below = MakeFilled(2, 2, kBlue);
    const int above = MakeFilled(2, 2, kBlue);
    draw->CompositeImageOnImage(source, below, 1, 1, false);
    draw->CompositeImageOnImage(source, above, -1, -1, false);
    EXPECT_EQ(AllPixels(below), (std::vector<Rgba>{kBlue, kBlue, kBlue, kRed}));
    EXPECT_EQ(AllPixels(above), (std::vector<Rgba>{green, kBlue, kBlue, kBlue}));
}

TEST_F(CDrawOperations, MakesBlanksAndMirrors)
{
    EXPECT_EQ(AllPixels(draw->CreateSizedBlank(3, 2, nullptr)), Many(6, kBlack)) << "like the screen: opaque";
    const int clear = draw->CreateSizedBlank(2, 1, MakeImage(1, 1, {kRed}));
    EXPECT_EQ(AllPixels(clear), Many(2, kClear)) << "like an image with alpha: clear";
    draw->RemoveImage(clear);
    EXPECT_EQ(AllPixels(draw->CreateSizedBlank(1, 1, clear)), Many(1, kBlack)) << "an empty slot: like the screen";

    const std::vector<Rgba> row = {kRed, {0, 255, 0, 100}, kBlue};
    const int source = MakeImage(3, 1, row);
    EXPECT_EQ(AllPixels(draw->MirrorImageHorizontally(source)), (std::vector<Rgba>{kBlue, {0, 255, 0, 100}, kRed}));
    EXPECT_EQ(AllPixels(source), row);
}

TEST_F(CDrawOperations, FindsTheVisibleEdges)
{
    struct Case {
        int visibleX, visibleY;  // -1: nothing visible
        int bottom, right;
    };
    const Case cases[] = {{-1, -1, 0, 0}, {2, 0, 1, 3}, {3, 2, 3, 4}, {0, 0, 1, 1}};
    for (const Case& c : cases) {
        std::vector<Rgba> pixels = Many(12, Rgba{255, 255, 255, 0});
        if (c.visibleX >= 0) {
            pixels[static_cast<size_t>(c.visibleY * 4 + c.visibleX)] = Rgba{0, 0, 0, 1};
        }
        const int id = MakeImage(4, 3, pixels);
        EXPECT_EQ((std::vector<int>{draw->GetBottomEdge(id), draw->GetRightEdge(id)}),
                  (std::vector<int>{c.bottom, c.right}))
            << c.visibleX << "," << c.visibleY;
    }
    const int opaque = MakeFilled(5, 2, kBlack, false);
    EXPECT_EQ((std::vector<int>{draw->GetBottomEdge(opaque), draw->GetRightEdge(opaque)}), (std::vector<int>{2, 5}));
}

TEST_F(CDrawOperations, KeepsTheFirstChecksumUntilTheIdIsReleased)
{
    const int id = MakeImage(2, 1, {{1, 2, 3, 4}, {10, 20, 30, 40}});
    EXPECT_EQ(draw->GetImageChecksum(id), 110u);
    draw->ColourFill(id, RGBA_data{0, 0, 0, 0}, 0, 0, 2, 1);
    EXPECT_EQ(draw->GetImageChecksum(id), 110u) << "changes in place keep the cached sum";
    draw->RemoveImage(id);
    EXPECT_EQ(MakeImage(1, 1, {{5, 5, 5, 5}}), id);
    EXPECT_EQ(draw->GetImageChecksum(id), 20u);
    // An island-sized picture sums past 2^31.
    EXPECT_EQ(draw->GetImageChecksum(MakeFilled(1500, 1500, {255, 255, 255, 255})), 1500u * 1500u * 1020u);
}

TEST_F(CDrawOperations, BlitsBetweenImagesAndTouchesNothingOutsideThem)
{
    const int target = MakeFilled(6, 6, kBlue, false);
    draw->DisplayImageOnImage(MakeFilled(4, 4, kRed, false), target, 1, 1, 0, 0, 10, 10);
    EXPECT_EQ((std::vector<Rgba>{PixelAt(target, 4, 4), PixelAt(target, 5, 5)}), (std::vector<Rgba>{kRed, kBlue}))
        << "the part is capped at the source's size";

    WriteImageArchive({{"tile.png", PngFile(2, 3, Many(6, kRed))}});
    draw->Preload();
    const int strip = MakeFilled(6, 3, kBlue, false);
    const int next = draw->DisplayImageOnImage("tile.png", strip, 0, 0, true);
    EXPECT_EQ(draw->DisplayImageOnImage("tile.png", strip, next, 1, 0, 0, 1, 1), 4) << "laid side by side";
    EXPECT_EQ((std::vector<Rgba>{PixelAt(strip, 1, 2), PixelAt(strip, 2, 1), PixelAt(strip, 3, 1), PixelAt(strip, 2, 2)}),
              (std::vector<Rgba>{kRed, kRed, kBlue, kBlue}));

    const int id = MakeFilled(2, 2, kRed);
    draw->LockImage(id);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {-100000, 5}}) {
        EXPECT_EQ(draw->getpixel(id, x, y), 0u) << x << "," << y;
        draw->putpixel(id, x, y, 0xffffffffu);
    }
    draw->UnlockImage(id);
    draw->DrawPixelSafe(id, 2, 2, 0, 0, 255, 255, true);
    draw->DrawPixel(id, 5, 5, 0, 0, 255, 255, true);
    draw->DrawPixel(id, 0, 1, 0, 0, 255, 255, true);
    EXPECT_EQ(AllPixels(id), (std::vector<Rgba>{kRed, kRed, kBlue, kRed}));
}
