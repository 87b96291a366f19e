#include "SFMT.h"
#include "Utilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Every range the island's fractal draws from: plus and minus the rounded
// spread of each level, for the heights' and the sand's roughness.
std::vector<int> FractalSpreads()
{
    std::vector<int> spreads;
    for (float roughness : {0.43f, 0.8f}) {
        float scale = 1.0f;
        for (int size = 4097; size > 1; size /= 2, scale *= roughness) {
            spreads.push_back(Round(10000.0f * scale));
        }
    }
    return spreads;
}

int ByDivision(int spread, uint32_t r)
{
    const uint32_t width = 2u * static_cast<uint32_t>(spread) + 1u;
    return static_cast<int>(static_cast<uint32_t>(-spread) + r % width);
}

// A generator that hands out given outputs: the reciprocal is checked on
// chosen numbers rather than on what a seed happens to give.
class ChosenOutputs {
public:
    explicit ChosenOutputs(uint32_t r) : value(r) {}
    uint32_t GenRand32() { return value; }

private:
    uint32_t value;
};

int ByReciprocal(const ranged_span& span, uint32_t r)
{
    ChosenOutputs output(r);
    return RangedRandom(span, output);
}

}  // namespace

TEST(RangedRandom, APreparedSpanDrawsWhatTheDivisionDrawsForEveryFractalRange)
{
    const std::vector<int> spreads = FractalSpreads();
    ASSERT_EQ(spreads.front(), 10000);
    ASSERT_EQ(spreads.size(), 24u);
    ASSERT_EQ(spreads[11], 1) << "the finest level of the heights";
    for (int spread : spreads) {
        SCOPED_TRACE(spread);
        const ranged_span span = RangedSpan(spread, -spread);
        ASSERT_EQ(span.width, 2u * static_cast<uint32_t>(spread) + 1u);
        // With c = ceil(2^64 / d) and e = c d - 2^64, the reciprocal's error
        // on r / d is r e / (d 2^64), below 1 / d for every r < 2^32 when
        // e < 2^32: then no remainder can differ from the division's.
        const unsigned __int128 product =
            (span.reciprocal == 0 ? (static_cast<unsigned __int128>(1) << 64) : span.reciprocal) *
            static_cast<unsigned __int128>(span.width);
        const unsigned __int128 excess = product - (static_cast<unsigned __int128>(1) << 64);
        EXPECT_LT(excess, static_cast<unsigned __int128>(1) << 32);

        // Either side of every multiple of the width, where a remainder
        // turns over, for the wide ranges; the ends of the draws for all.
        const uint64_t width = span.width;
        if (width >= 600) {
            int wrong = 0;
            for (uint64_t k = width; k <= UINT32_MAX; k += width) {
                wrong += ByReciprocal(span, static_cast<uint32_t>(k)) != ByDivision(spread, static_cast<uint32_t>(k));
                wrong += ByReciprocal(span, static_cast<uint32_t>(k - 1)) !=
                         ByDivision(spread, static_cast<uint32_t>(k - 1));
            }
            EXPECT_EQ(wrong, 0);
        }
        for (uint32_t r : {0u, 1u, span.width - 1, span.width, UINT32_MAX - 1, UINT32_MAX}) {
            EXPECT_EQ(ByReciprocal(span, r), ByDivision(spread, r)) << r;
        }
    }
}

TEST(RangedRandom, APreparedSpanKeepsTheSequenceOfTheSharedGenerator)
{
    for (int spread : {10000, 342, 1, 0}) {
        InitRandom(4242);
        std::vector<int> divided;
        for (int i = 0; i < 5000; i++) {
            divided.push_back(RangedRandom(-spread, spread));
        }
        InitRandom(4242);
        const ranged_span span = RangedSpan(-spread, spread);
        for (int i = 0; i < 5000; i++) {
            ASSERT_EQ(RangedRandom(span, RandomGenerator()), divided[static_cast<size_t>(i)]) << spread << " " << i;
        }
    }
}

// The float form works out the width of its range in double: a range whose
// width a float cannot hold (2^24 + 1) still spreads its draws over the whole
// of it, and ranges a float holds exactly draw what they always drew.
TEST(RangedRandom, TheFloatFormTakesTheWidthOfItsRangeInDouble)
{
    struct range {
        float a, b;
    };
    for (const range& r : {range{-16777216.0f, 1.0f}, range{1.0f, -16777216.0f}, range{-0.2f, 0.2f},
                           range{0.0f, 6.28318f}, range{3.0f, 3.0f}}) {
        SCOPED_TRACE(testing::Message() << r.a << " to " << r.b);
        const double lo = std::min(r.a, r.b);
        const double hi = std::max(r.a, r.b);
        InitRandom(77);
        SFMT copy(77);
        for (int i = 0; i < 200; i++) {
            const double unit = copy.GenRand32() * (1.0 / 4294967296.0);
            ASSERT_EQ(RangedRandom(r.a, r.b), static_cast<float>(lo + (hi - lo) * unit)) << i;
        }
    }
}
