#include "CDrawTestFixture.h"

#include "ChildProcess.h"
#include "ColourConversion.h"
#include "Utilities.h"

#include <gmock/gmock.h>

using testing::HasSubstr;

namespace {

const Rgba kClear{0, 0, 0, 0};
const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{255, 0, 0, 255};
const Rgba kBlue{0, 0, 255, 255};
const Rgba kHalfRed{255, 0, 0, 128};

Rgba FromSRGB(const SRGB& c)
{
    return Rgba{c.red, c.green, c.blue, 255};
}

}  // namespace

using CDrawOperations = DrawTest;

TEST_F(CDrawOperations, AltersChannelsByMultipliersBentByBrightness)
{
    struct Case {
        const char* what;
        Rgba in;
        RGBA_offset m;
        float lo, hi, exp;
        Rgba out;
    };
    const Case cases[] = {
        {"identity", {200, 100, 50, 128}, {1, 1, 1, 1}, 1, 1, 1, {200, 100, 50, 128}},
        {"doubling clamps at 255", {200, 100, 0, 255}, {2, 2, 2, 1}, 1, 1, 1, {255, 200, 0, 255}},
        {"truncates toward zero", {101, 51, 3, 255}, {0.5f, 0.5f, 0.5f, 0.5f}, 1, 1, 1, {50, 25, 1, 127}},
        {"white keeps the top of the curve", {255, 255, 255, 255}, {1, 1, 1, 1}, 0, 1, 1, {255, 255, 255, 255}},
        {"a dark grey gets a fifth", {51, 51, 51, 255}, {1, 1, 1, 1}, 0, 1, 1, {10, 10, 10, 255}},
        {"the curve leaves alpha alone", {51, 51, 51, 200}, {1, 1, 1, 1}, 0, 1, 1, {10, 10, 10, 200}},
        {"an exponent squares the brightness", {153, 153, 153, 255}, {1, 1, 1, 1}, 0, 1, 2, {55, 55, 55, 255}},
        {"lo above hi brightens dark pixels", {90, 30, 0, 255}, {1, 1, 1, 1}, 2, 1, 1, {165, 55, 0, 255}},
        {"multiplier then curve", {100, 100, 100, 255}, {2, 1, 0, 1}, 0, 1, 1, {78, 39, 0, 255}},
    };
    for (const Case& c : cases) {
        const int id = MakeImage(1, 1, {c.in});
        EXPECT_EQ(draw->AlterImageRGBA(id, c.m, false, nullptr, c.lo, c.hi, c.exp), draw->GetSurface(id));
        EXPECT_EQ(PixelAt(id, 0, 0), c.out) << c.what;
        draw->RemoveImage(id);
    }
}

TEST_F(CDrawOperations, AltersOnlyTheAreaAndOnlyTheCopyWhenAsked)
{
    const int id = MakeImage(3, 1, {kRed, kRed, kRed});
    SDL_Rect middle = {1, 0, 1, 1};
    draw->AlterImageRGBA(id, RGBA_offset{0.5f, 1, 1, 1}, false, &middle, 1, 1, 1);
    EXPECT_EQ(AllPixels(id), (std::vector<Rgba>{kRed, {127, 0, 0, 255}, kRed}));

    SDL_Rect beyond = {2, -5, 50, 50};  // cut to the image
    SDL_Surface* copy = draw->AlterImageRGBA(id, RGBA_offset{0, 1, 1, 1}, true, &beyond, 1, 1, 1);
    ASSERT_NE(copy, draw->GetSurface(id));
    const int copyId = draw->ImageFreeSpot(copy, "COPY");
    EXPECT_EQ(AllPixels(copyId), (std::vector<Rgba>{kRed, {127, 0, 0, 255}, {0, 0, 0, 255}}));
    EXPECT_EQ(PixelAt(id, 2, 0), kRed) << "the source stays";
}

TEST_F(CDrawOperations, ReplacesColoursKeepingEachPixelsAlpha)
{
    const std::vector<Rgba> pixels = {{10, 20, 30, 100}, {10, 20, 30, 255}, {1, 2, 3, 50}};
    const RGBA_data from{10, 20, 30, 0};
    const RGBA_data to{200, 100, 50, 7};

    const int some = MakeImage(3, 1, pixels);
    draw->ReplaceColour(some, from, to, false, false);
    EXPECT_EQ(AllPixels(some), (std::vector<Rgba>{{200, 100, 50, 100}, {200, 100, 50, 255}, {1, 2, 3, 50}}));

    const int all = MakeImage(3, 1, pixels);
    draw->ReplaceColour(all, from, to, false, true);
    EXPECT_EQ(AllPixels(all), (std::vector<Rgba>{{200, 100, 50, 100}, {200, 100, 50, 255}, {200, 100, 50, 50}}));

    InitRandom(4);
    const int random = MakeImage(3, 1, pixels);
    draw->ReplaceColour(random, from, to, true, true);
    const std::vector<Rgba> result = AllPixels(random);
    for (size_t i = 0; i < result.size(); i++) {
        EXPECT_EQ((std::array<int, 3>{result[i][0], result[i][1], result[i][2]}),
                  (std::array<int, 3>{result[0][0], result[0][1], result[0][2]}))
            << "one colour for the whole call";
        EXPECT_EQ(result[i][3], pixels[i][3]);
    }
    EXPECT_NE(result[0], (Rgba{200, 100, 50, 100})) << "the random colour, not the given one";
}

TEST_F(CDrawOperations, DoublesImagesFadingTheirEdges)
{
    const int single = MakeImage(1, 1, {{40, 80, 120, 255}});
    const int doubled = draw->DoubleImageSize(single);
    EXPECT_EQ(AllPixels(doubled), std::vector<Rgba>(4, Rgba{40, 80, 120, 128}));
    EXPECT_NE(draw->GetSurface(single), nullptr) << "the source stays";

    // Two pixels side by side: each target pixel is half its centre and a
    // sixth of three neighbours, outside ones in the centre's colour, clear.
    const int pair = draw->DoubleImageSize(MakeImage(2, 1, {{120, 0, 0, 255}, {0, 60, 0, 255}}));
    ASSERT_EQ(draw->GetW(pair), 4);
    ASSERT_EQ(draw->GetH(pair), 2);
    const std::vector<Rgba> row = {{120, 0, 0, 128}, {100, 10, 0, 170}, {20, 50, 0, 170}, {0, 60, 0, 128}};
    for (int x = 0; x < 4; x++) {
        EXPECT_EQ(PixelAt(pair, x, 0), row[x]) << x;
        EXPECT_EQ(PixelAt(pair, x, 1), row[x]) << x;
    }
}

TEST_F(CDrawOperations, ShrinksByPlainAveragesDroppingTheRemainder)
{
    std::vector<Rgba> pattern;
    for (int y = 0; y < 5; y++) {
        for (int x = 0; x < 5; x++) {
            pattern.push_back(Rgba{x * 10, y * 10, x + y, 255});
        }
    }
    const int source = MakeImage(5, 5, pattern);
    const int shrunk = draw->ShrinkImage(source, 2, false);
    EXPECT_EQ(draw->GetW(shrunk), 2);
    EXPECT_EQ(draw->GetH(shrunk), 2);
    EXPECT_EQ(AllPixels(shrunk), (std::vector<Rgba>{{5, 5, 1, 255}, {25, 5, 3, 255}, {5, 25, 3, 255}, {25, 25, 5, 255}}));
    EXPECT_NE(draw->GetSurface(source), nullptr);

    const int weighted = MakeImage(2, 2, {{200, 100, 0, 255}, kClear, kClear, kClear});
    const int average = draw->ShrinkImage(weighted, 2, true);
    EXPECT_EQ(PixelAt(average, 0, 0), (Rgba{50, 25, 0, 63})) << "colours are not weighted by alpha";
    EXPECT_EQ(draw->GetSurface(weighted), nullptr) << "the source was released";

    const int tiny = draw->ShrinkImage(MakeImage(3, 3, std::vector<Rgba>(9, kRed)), 4, true);
    EXPECT_EQ(AllPixels(tiny), std::vector<Rgba>{kClear}) << "smaller than one block: one clear pixel";

    const ChildResult result = RunInChild([&] { draw->ShrinkImage(source, 1, false); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.output, HasSubstr("Attempted to call ShrinkImage with a shrinkFactor of 1 or less."));
}

TEST_F(CDrawOperations, ShrinksAnArchiveImageByNameAndReleasesIt)
{
    WriteImageArchive({{"big.png", PngFile(4, 2, std::vector<Rgba>(8, kBlue), true)}});
    draw->Preload();
    const int shrunk = draw->ShrinkImage("big.png", 2);
    EXPECT_EQ(AllPixels(shrunk), (std::vector<Rgba>{kBlue, kBlue}));
    EXPECT_EQ(draw->GetSurface(0), nullptr) << "the archive image went back";
    EXPECT_EQ(shrunk, 1);
}

TEST_F(CDrawOperations, CombinesLayersIntoABoxCoveringThemAndTheOrigin)
{
    const std::vector<Rgba> quad = {kRed, kBlue, kBlue, kRed};
    struct Case {
        const char* what;
        std::vector<image_combine> layers;  // ids filled in below
        std::vector<std::vector<Rgba>> pictures;
        int w, h;
        std::vector<Rgba> expected;
    };
    const Case cases[] = {
        {"one layer at (1, 1)", {{-1, 1, 1}}, {quad}, 3, 3,
         {kClear, kClear, kClear, kClear, kRed, kBlue, kClear, kBlue, kRed}},
        {"one layer at (-1, -1)", {{-1, -1, -1}}, {quad}, 2, 2, quad},
        {"the first layer is copied, later ones blended", {{-1, 0, 0}, {-1, 1, 0}},
         {{{0, 0, 255, 100}, kBlue, kBlue, kBlue}, {kHalfRed}}, 2, 2,
         {{0, 0, 255, 100}, {128, 0, 127, 255}, kBlue, kBlue}},
    };
    for (const Case& c : cases) {
        std::vector<image_combine> layers = c.layers;
        std::vector<int> ids;
        for (size_t i = 0; i < layers.size(); i++) {
            const int side = c.pictures[i].size() == 4 ? 2 : 1;
            layers[i].id = MakeImage(side, side, c.pictures[i]);
            ids.push_back(layers[i].id);
        }
        const int combined = draw->CombineImages(layers);
        EXPECT_EQ(draw->GetW(combined), c.w) << c.what;
        EXPECT_EQ(draw->GetH(combined), c.h) << c.what;
        EXPECT_EQ(AllPixels(combined), c.expected) << c.what;
        for (int id : ids) {
            EXPECT_EQ(draw->GetSurface(id), nullptr) << c.what << ": every layer is released";
        }
        draw->RemoveImage(combined);
    }

    const int nothing = draw->CombineImages({});
    EXPECT_EQ(AllPixels(nothing), std::vector<Rgba>{kClear});
}

TEST_F(CDrawOperations, CompositesWithTheOverOperator)
{
    struct Case {
        const char* what;
        Rgba source, target;
        bool overwrite;
        Rgba result;
    };
    const Case cases[] = {
        {"half red over blue", kHalfRed, kBlue, false, {128, 0, 127, 255}},
        {"half red over half blue", kHalfRed, {0, 0, 255, 128}, false, {170, 0, 85, 192}},
        {"a clear source pixel is skipped", {255, 0, 0, 0}, kBlue, true, kBlue},
        {"an opaque source replaces", kRed, {0, 0, 255, 100}, false, kRed},
        {"over a clear target the source is copied", kHalfRed, {0, 0, 255, 0}, false, kHalfRed},
        {"overwrite copies with the source's alpha", kHalfRed, kBlue, true, kHalfRed},
    };
    for (const Case& c : cases) {
        const int source = MakeImage(1, 1, {c.source});
        const int target = MakeImage(1, 1, {c.target});
        draw->CompositeImageOnImage(source, target, 0, 0, c.overwrite);
        EXPECT_EQ(PixelAt(target, 0, 0), c.result) << c.what;
    }

    // Only the overlap is touched, on either side.
    const int source = MakeImage(2, 2, {kRed, kRed, kRed, {0, 255, 0, 255}});
    const int below = MakeImage(2, 2, std::vector<Rgba>(4, kBlue));
    draw->CompositeImageOnImage(source, below, 1, 1, false);
    EXPECT_EQ(AllPixels(below), (std::vector<Rgba>{kBlue, kBlue, kBlue, kRed}));
    const int above = MakeImage(2, 2, std::vector<Rgba>(4, kBlue));
    draw->CompositeImageOnImage(source, above, -1, -1, false);
    EXPECT_EQ(AllPixels(above), (std::vector<Rgba>{{0, 255, 0, 255}, kBlue, kBlue, kBlue}));
}

TEST_F(CDrawOperations, MakesBlanksCopiesAndMirrors)
{
    const int opaque = draw->CreateSizedBlank(3, 2, nullptr);
    EXPECT_EQ(AllPixels(opaque), std::vector<Rgba>(6, kBlack)) << "like the screen: opaque black";
    const int withAlpha = MakeImage(1, 1, {kRed});
    const int clear = draw->CreateSizedBlank(2, 1, withAlpha);
    EXPECT_EQ(AllPixels(clear), std::vector<Rgba>(2, kClear)) << "like an image with alpha: clear";
    draw->RemoveImage(clear);
    const int likeFree = draw->CreateSizedBlank(1, 1, clear);
    EXPECT_EQ(AllPixels(likeFree), std::vector<Rgba>{kBlack}) << "an empty slot is like the screen";
    const int screenBlank = draw->CreateScreenBlank();
    EXPECT_EQ(draw->GetW(screenBlank), 800);
    EXPECT_EQ(draw->GetH(screenBlank), 600);

    draw->DisplayImage(MakeFilled(4, 4, kRed, false), 10, 10);
    const int backbuffer = draw->CopyBackbuffer();
    EXPECT_EQ(PixelAt(backbuffer, 12, 12), kRed);
    EXPECT_EQ(PixelAt(backbuffer, 9, 9), kBlack);

    const std::vector<Rgba> row = {kRed, {0, 255, 0, 100}, kBlue};
    const int source = MakeImage(3, 1, row);
    const int mirrored = draw->MirrorImageHorizontally(source);
    EXPECT_EQ(AllPixels(mirrored), (std::vector<Rgba>{kBlue, {0, 255, 0, 100}, kRed}));
    const int copy = draw->CopyImage(source);
    draw->ColourFill(copy, RGBA_data{1, 2, 3, 0}, 0, 0, 3, 1);
    EXPECT_EQ(AllPixels(copy), std::vector<Rgba>(3, Rgba{1, 2, 3, 255})) << "a fill is opaque";
    EXPECT_EQ(AllPixels(source), row);
}

TEST_F(CDrawOperations, FindsTheVisibleEdges)
{
    struct Case {
        const char* what;
        int visibleX, visibleY;  // -1: nothing visible
        int bottom, right;
    };
    const Case cases[] = {
        {"nothing visible", -1, -1, 0, 0},
        {"only row 0", 2, 0, 1, 3},
        {"bottom right corner", 3, 2, 3, 4},
        {"top left corner", 0, 0, 1, 1},
    };
    for (const Case& c : cases) {
        std::vector<Rgba> pixels(12, Rgba{255, 255, 255, 0});
        if (c.visibleX >= 0) {
            pixels[static_cast<size_t>(c.visibleY * 4 + c.visibleX)] = Rgba{0, 0, 0, 1};
        }
        const int id = MakeImage(4, 3, pixels);
        EXPECT_EQ(draw->GetBottomEdge(id), c.bottom) << c.what;
        EXPECT_EQ(draw->GetRightEdge(id), c.right) << c.what;
    }
    const int opaque = MakeFilled(5, 2, kBlack, false);
    EXPECT_EQ(draw->GetBottomEdge(opaque), 2);
    EXPECT_EQ(draw->GetRightEdge(opaque), 5);
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
    const int large = MakeFilled(1500, 1500, {255, 255, 255, 255});
    EXPECT_EQ(draw->GetImageChecksum(large), 1500u * 1500u * 1020u);
}

TEST_F(CDrawOperations, PaintsSliderColumnsWithHSV2RGB)
{
    const int hue = draw->CreateSizedBlank(241, 25, nullptr);
    EXPECT_EQ(draw->CreateHueSliderImage(hue), hue);
    const int saturation = draw->CreateSaturationSliderImage(draw->CreateSizedBlank(241, 25, nullptr), 0);
    const int lightness = draw->CreateLightnessSliderImage(draw->CreateSizedBlank(241, 25, nullptr), 66, 100);
    struct Case {
        int id;
        int column;
        SRGB colour;
    };
    const Case cases[] = {
        {hue, 0, HSV2RGB(0, 100, 100)},     {hue, 60, HSV2RGB(25, 100, 100)},
        {hue, 120, HSV2RGB(50, 100, 100)},  {hue, 240, HSV2RGB(100, 100, 100)},
        {saturation, 0, HSV2RGB(0, 0, 100)}, {saturation, 120, HSV2RGB(0, 50, 100)},
        {saturation, 240, HSV2RGB(0, 100, 100)}, {lightness, 0, HSV2RGB(66, 100, 0)},
        {lightness, 240, HSV2RGB(66, 100, 100)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PixelAt(c.id, c.column, 0), FromSRGB(c.colour)) << "column " << c.column;
        EXPECT_EQ(PixelAt(c.id, c.column, 24), FromSRGB(c.colour)) << "column " << c.column;
    }
    EXPECT_EQ(PixelAt(hue, 120, 12), (Rgba{0, 255, 255, 255}));
}

TEST_F(CDrawOperations, BlitsBetweenImagesWithinTheSource)
{
    const int source = MakeFilled(4, 4, kRed, false);
    const int target = MakeFilled(6, 6, kBlue, false);
    draw->DisplayImageOnImage(source, target, 1, 1, 0, 0, 10, 10);
    EXPECT_EQ(PixelAt(target, 4, 4), kRed);
    EXPECT_EQ(PixelAt(target, 5, 5), kBlue) << "the part is capped at the source's size";

    WriteImageArchive({{"tile.png", PngFile(2, 3, std::vector<Rgba>(6, kRed), true)}});
    draw->Preload();
    const int strip = MakeFilled(6, 3, kBlue, false);
    int x = draw->DisplayImageOnImage("tile.png", strip, 0, 0, true);
    EXPECT_EQ(x, 2);
    x = draw->DisplayImageOnImage("tile.png", strip, x, 1, 0, 0, 1, 1);
    EXPECT_EQ(x, 4) << "laid side by side";
    EXPECT_EQ(PixelAt(strip, 1, 2), kRed);
    EXPECT_EQ(PixelAt(strip, 2, 1), kRed);
    EXPECT_EQ(PixelAt(strip, 3, 1), kBlue);
    EXPECT_EQ(PixelAt(strip, 2, 2), kBlue);
}

TEST_F(CDrawOperations, ReadsAndWritesNothingOutsideAnImage)
{
    const int id = MakeFilled(2, 2, kRed);
    draw->LockImage(id);
    const Uint32 red = draw->getpixel(id, 1, 1);
    EXPECT_NE(red, 0u);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {-100000, 5}}) {
        EXPECT_EQ(draw->getpixel(id, x, y), 0u) << x << "," << y;
        draw->putpixel(id, x, y, red);
    }
    draw->UnlockImage(id);
    draw->DrawPixelSafe(id, 2, 2, 0, 0, 255, 255, true);
    draw->DrawPixel(id, 5, 5, 0, 0, 255, 255, true);
    draw->DrawPixel(id, 0, 1, 0, 0, 255, 255, true);
    EXPECT_EQ(AllPixels(id), (std::vector<Rgba>{kRed, kRed, kBlue, kRed}));
}

TEST(CDrawDoublePixel, WeighsTheCentreByHalfAndEachNeighbourByASixth)
{
    const RGBA_Uint8 result =
        CDraw::DoublePixel(RGBA_Uint8{255, 0, 100, 255}, RGBA_Uint8{0, 0, 100, 0}, RGBA_Uint8{0, 255, 100, 0},
                           RGBA_Uint8{3, 0, 100, 255});
    EXPECT_EQ((Rgba{result.r, result.g, result.b, result.a}), (Rgba{128, 43, 100, 170}));
}
