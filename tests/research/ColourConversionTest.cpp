#include "ColourConversion.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    int hue, saturation, value;
    int red, green, blue;
};

}  // namespace

// Worked by hand from the integer rules: sector = 6h / 100, f the rounded
// position inside the sector, channels on 0..100 scaled by 255 / 100.
TEST(HSV2RGB, GivesTheWorkedValuesExactly)
{
    const Conversion cases[] = {
        {0, 100, 100, 255, 0, 0},
        {33, 100, 100, 5, 255, 0},
        {66, 100, 100, 0, 10, 255},
        {100, 100, 100, 255, 0, 0},   // hue 100 is hue 0 again
        {17, 50, 80, 201, 204, 102},
        {0, 0, 50, 127, 127, 127},    // 50 maps to 127, not 128
        {0, 0, 100, 255, 255, 255},
        {50, 100, 0, 0, 0, 0},
    };
    for (const Conversion& c : cases) {
        const SRGB rgb = HSV2RGB(c.hue, c.saturation, c.value);
        EXPECT_EQ(rgb.red, c.red) << c.hue << "," << c.saturation << "," << c.value;
        EXPECT_EQ(rgb.green, c.green) << c.hue << "," << c.saturation << "," << c.value;
        EXPECT_EQ(rgb.blue, c.blue) << c.hue << "," << c.saturation << "," << c.value;
    }
}

// Either side of each sector boundary, where the integer sector changes and
// the rounded position restarts.
TEST(HSV2RGB, ChangesSectorWhereSixTimesTheHueCrossesAHundred)
{
    const Conversion cases[] = {
        {16, 100, 100, 255, 244, 0},  // sector 0, f 96
        {17, 100, 100, 249, 255, 0},  // sector 1, f 2
        {34, 100, 100, 0, 255, 10},   // sector 2, f 4
        {50, 100, 100, 0, 255, 255},  // sector 3, f 0
        {83, 100, 100, 249, 0, 255},  // sector 4, f 98
        {84, 100, 100, 255, 0, 244},  // sector 5, f 4
        {99, 100, 100, 255, 0, 15},   // sector 5, f 94
    };
    for (const Conversion& c : cases) {
        const SRGB rgb = HSV2RGB(c.hue, c.saturation, c.value);
        EXPECT_EQ(rgb.red, c.red) << "hue " << c.hue;
        EXPECT_EQ(rgb.green, c.green) << "hue " << c.hue;
        EXPECT_EQ(rgb.blue, c.blue) << "hue " << c.hue;
    }
}
