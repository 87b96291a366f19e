#include "ColourConversion.h"

#include <gtest/gtest.h>

#include <array>

// Worked by hand from the integer rules: sector = 6h / 100, f the rounded
// position inside the sector, channels on 0..100 scaled by 255 / 100. The
// worked conversions below hold the sectors' starts.
TEST(HSV2RGB, GivesTheWorkedValuesExactlyOnBothSidesOfEachSectorBoundary)
{
    const std::array<int, 6> cases[] = {
        {16, 100, 100, 255, 244, 0}, {17, 100, 100, 249, 255, 0},  // sectors 0 | 1
        {34, 100, 100, 0, 255, 10},  {50, 100, 100, 0, 255, 255},  // 2 | 3
        {83, 100, 100, 249, 0, 255}, {84, 100, 100, 255, 0, 244},  // 4 | 5
        {99, 100, 100, 255, 0, 15},  {50, 100, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const SRGB rgb = HSV2RGB(c[0], c[1], c[2]);
        EXPECT_EQ((std::array<int, 3>{rgb.red, rgb.green, rgb.blue}), (std::array<int, 3>{c[3], c[4], c[5]}))
            << "HSV " << c[0] << ", " << c[1] << ", " << c[2];
    }
}

// The twelve worked conversions, each with what a trip back gives.
TEST(ColourConversion, GivesTheWorkedValuesAndTheirRoundTrips)
{
    struct worked {
        char kind;  // 'V' HSV2RGB, 'R' RGB2HSV, 'L' HSL2RGB
        std::array<int, 3> in, out, back;
    };
    const worked cases[] = {
        {'V', {0, 100, 100}, {255, 0, 0}, {0, 100, 100}},
        {'V', {33, 100, 100}, {5, 255, 0}, {33, 100, 100}},
        {'V', {66, 100, 100}, {0, 10, 255}, {66, 100, 100}},
        {'V', {100, 100, 100}, {255, 0, 0}, {0, 100, 100}},  // hue 100 comes back as 0
        {'V', {17, 50, 80}, {201, 204, 102}, {17, 50, 80}},
        {'V', {0, 0, 50}, {127, 127, 127}, {0, 0, 50}},
        {'V', {50, 50, 50}, {63, 127, 127}, {49, 50, 50}},  // not every colour survives
        {'R', {255, 128, 0}, {8, 100, 100}, {255, 122, 0}},
        {'R', {200, 100, 50}, {5, 74, 78}, {198, 94, 51}},
        {'R', {128, 128, 128}, {0, 0, 50}, {127, 127, 127}},
        {'R', {5, 255, 0}, {33, 100, 100}, {5, 255, 0}},
        {'L', {0, 100, 50}, {255, 0, 0}, {0, 100, 100}},
        {'L', {50, 50, 25}, {33, 91, 94}, {50, 64, 37}},
    };
    auto rgb = [](SRGB c) { return std::array<int, 3>{c.red, c.green, c.blue}; };
    auto hsv = [](SHSV c) { return std::array<int, 3>{c.hue, c.saturation, c.value}; };
    for (const worked& c : cases) {
        const auto& [a, b, d] = c.in;
        if (c.kind == 'V') {
            EXPECT_EQ(rgb(HSV2RGB(a, b, d)), c.out) << a << " " << b << " " << d;
            EXPECT_EQ(hsv(RGB2HSV(HSV2RGB(SHSV{a, b, d}))), c.back) << a << " " << b << " " << d;
        } else if (c.kind == 'R') {
            EXPECT_EQ(hsv(RGB2HSV(a, b, d)), c.out) << a << " " << b << " " << d;
            EXPECT_EQ(rgb(HSV2RGB(RGB2HSV(SRGB{a, b, d}))), c.back) << a << " " << b << " " << d;
        } else {
            EXPECT_EQ(rgb(HSL2RGB(a, b, d)), c.out) << a << " " << b << " " << d;
            const SRGB out = HSL2RGB(a, b, d);
            EXPECT_EQ(hsv(RGB2HSV(out)), c.back) << a << " " << b << " " << d;
        }
    }
}

// Full channels reach the top of the scale and back; greys, black among
// them, have no hue and no saturation.
TEST(ColourConversion, KeepsTheEndsOfTheScalesAndTreatsGreysAsHueless)
{
    EXPECT_EQ(RGB2HSV(255, 0, 0).value, 100);
    EXPECT_EQ(HSV2RGB(0, 0, 100).red, 255);
    for (int grey : {0, 1, 85, 254, 255}) {
        const SHSV c = RGB2HSV(grey, grey, grey);
        EXPECT_EQ(c.hue, 0);
        EXPECT_EQ(c.saturation, 0);
    }
    for (int h = 0; h <= 100; h++) {
        const SRGB c = HSV2RGB(h, 100, 100);
        EXPECT_TRUE(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 && c.blue <= 255)
            << "hue " << h;
    }
}
