#include "CDropper.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CDropper, SettlesOnItsLimitAfterPassingIt)
{
    const struct {
        int start;
        float velocity, acceleration;
        int limit, delay, hold;
        std::vector<int> heights;  // after each pump; done after the last one only
    } slides[] = {
        {-138, 15.2f, -1.66f, 0, 0, 5, {-123, -108, -92, -77, -62, -48, -37, -26, -18, -11, -6, -2, 0, 0, 0, 0}},
        {814, -22.0f, 1.66f, 569, 0, 5,
         {792, 770, 748, 726, 704, 684, 665, 648, 633, 619, 607, 596, 588, 581, 575, 572, 569, 569, 569, 569}},
        {50, 10.0f, -10.0f, 50, 10, 0, {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50}},
        {10, 0.0f, -1.0f, 5, 0, 0, {9, 7, 5, 5}},  // velocity 0 counts as forward
    };
    for (const auto& slide : slides) {
        CDropper dropper(slide.start, slide.velocity, slide.acceleration, slide.limit, slide.delay, slide.hold);
        for (size_t pump = 1; pump <= slide.heights.size(); pump++) {
            dropper.Pump();
            EXPECT_EQ(dropper.GetHeight(), slide.heights[pump - 1]) << slide.start << ", pump " << pump;
            EXPECT_EQ(dropper.IsDone(), pump == slide.heights.size()) << slide.start << ", pump " << pump;
        }
    }
}
