// The two places where the integer colour rules choose a branch by a value
// rather than by a range: the lightness at which HSL changes formula, and the
// order in which RGB2HSV tries the channels that tie for the top.
#include "ColourConversion.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<int, 3> Channels(SRGB c) { return {c.red, c.green, c.blue}; }
std::array<int, 3> Components(SHSV c) { return {c.hue, c.saturation, c.value}; }

}  // namespace

// Worked by hand: up to lightness 49 m2 = (s + 100) l / 100, from 50 on
// m2 = l + s - s l / 100. An odd saturation tells the two apart at 50 too.
TEST(HSL2RGB, ChangesFormulaBetweenLightness49And50)
{
    const std::array<int, 6> cases[] = {
        {0, 100, 49, 249, 0, 0},  {0, 100, 50, 255, 0, 0},  // m1 0 and m2 98, then m1 0 and m2 100
        {0, 51, 49, 186, 63, 63}, {0, 51, 50, 193, 61, 61},  // m2 73, then 76
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Channels(HSL2RGB(c[0], c[1], c[2])), (std::array<int, 3>{c[3], c[4], c[5]}))
            << "HSL " << c[0] << ", " << c[1] << ", " << c[2];
    }
}

// Yellow ties red with green, magenta red with blue, cyan green with blue:
// red is tried first, then green.
TEST(RGB2HSV, GivesATieForTheTopChannelToRedThenGreen)
{
    const std::array<int, 6> cases[] = {
        {255, 255, 0, 16, 100, 100},  // by red's rule; green's would give 17
        {255, 0, 255, 84, 100, 100},  // by red's rule; blue's would give 82
        {0, 255, 255, 49, 100, 100},  // by green's rule; blue's would give 50
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Components(RGB2HSV(c[0], c[1], c[2])), (std::array<int, 3>{c[3], c[4], c[5]}))
            << "RGB " << c[0] << ", " << c[1] << ", " << c[2];
    }
}
