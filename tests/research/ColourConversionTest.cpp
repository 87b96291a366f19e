#include "ColourConversion.h"

#include <gtest/gtest.h>

#include <array>

// Worked by hand from the integer rules: sector = 6h / 100, f the rounded
// position inside the sector, channels on 0..100 scaled by 255 / 100.
TEST(HSV2RGB, GivesTheWorkedValuesExactlyOnBothSidesOfEachSectorBoundary)
{
    const std::array<int, 6> cases[] = {
        {0, 100, 100, 255, 0, 0},    {100, 100, 100, 255, 0, 0},  // hue 100 is hue 0 again
        {33, 100, 100, 5, 255, 0},   {66, 100, 100, 0, 10, 255},
        {17, 50, 80, 201, 204, 102}, {0, 0, 50, 127, 127, 127},   // 50 maps to 127
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
