// A sound's frames as the mixer reads them: a mono frame sounds its one
// sample on both sides, a stereo frame its own two, up to the last frame.
#include "CSoundSource.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CSoundSource, EveryFrameUpToTheLastGivesItsOwnSamplesOnBothSides)
{
    CSoundSource mono({100, -200, 300}, 1, 22050);
    CSoundSource stereo({100, -100, 200, -200, 300, -300}, 2, 22050);
    for (int frame = 0; frame < 3; frame++) {
        float left = 0, right = 0;
        ASSERT_TRUE(mono.Frame(frame, left, right));
        const float sample = frame == 1 ? -200.0f : 100.0f * (frame + 1);
        EXPECT_EQ(left, sample) << "mono frame " << frame;
        EXPECT_EQ(right, sample) << "mono frame " << frame;
        ASSERT_TRUE(stereo.Frame(frame, left, right));
        EXPECT_EQ(left, 100.0f * (frame + 1)) << "stereo frame " << frame;
        EXPECT_EQ(right, -100.0f * (frame + 1)) << "stereo frame " << frame;
    }
    float left = 0, right = 0;
    EXPECT_FALSE(mono.Frame(3, left, right));
    EXPECT_FALSE(stereo.Frame(3, left, right));
    EXPECT_FALSE(mono.Frame(-1, left, right));
}
