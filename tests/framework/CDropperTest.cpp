#include "CDropper.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct slide_case {
    const char* what;
    int start;
    float velocity, acceleration;
    int limit, delay, hold;
    std::vector<int> heights;  // after each pump; done after the last one only
};

const slide_case kSlides[] = {
    {"the flower panel drops in and settles on its 16th pump", -138, 15.2f, -1.66f, 0, 0, 5,
     {-123, -108, -92, -77, -62, -48, -37, -26, -18, -11, -6, -2, 0, 0, 0, 0}},
    {"a menu item slides in from the right and settles on its 20th pump", 814, -22.0f, 1.66f, 569, 0, 5,
     {792, 770, 748, 726, 704, 684, 665, 648, 633, 619, 607, 596, 588, 581, 575, 572, 569, 569, 569, 569}},
    {"a delay keeps it in place", 50, 10.0f, -10.0f, 50, 10, 0, {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50}},
    {"velocity 0 counts as forward", 10, 0.0f, -1.0f, 5, 0, 0, {9, 7, 5, 5}},
};

}  // namespace

TEST(CDropper, SettlesOnItsLimitAfterPassingIt)
{
    for (const slide_case& slide : kSlides) {
        CDropper dropper(slide.start, slide.velocity, slide.acceleration, slide.limit, slide.delay, slide.hold);
        for (size_t pump = 0; pump < slide.heights.size(); pump++) {
            const bool last = pump + 1 == slide.heights.size();
            dropper.Pump();
            EXPECT_EQ(dropper.GetHeight(), slide.heights[pump]) << slide.what << ", pump " << pump + 1;
            EXPECT_EQ(dropper.IsDone(), last && slide.delay == 0) << slide.what << ", pump " << pump + 1;
        }
    }
}

TEST(CDropper, NeverSettlesWhenItsVelocityNeverTurns)
{
    CDropper dropper(0, 5.0f, 0.5f, 100, 0, 0);
    for (int pump = 0; pump < 100; pump++) {
        dropper.Pump();
    }
    EXPECT_FALSE(dropper.IsDone());
    EXPECT_GT(dropper.GetHeight(), 100);
}
