#include "CDraw.h"
#include "CFlyaway.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CUtilBounce.h"
#include "tests/world/WorldFakes.h"

#include <gtest/gtest.h>

namespace {

class FlyawayTest : public WorldTest {
protected:
    void TearDown() override
    {
        CFlyaway::RemoveFlyaways();
        WorldTest::TearDown();
    }

    // The digit picture a sprite starts on.
    static int FirstPictureOfDigit(int digit)
    {
        const std::string name = "flyaway" + std::to_string(digit) + "-0.png";
        return static_cast<int>(CSprite::draw->GetImageChecksum(CSprite::draw->LoadImage(name.c_str(), false, false)));
    }
};

}  // namespace

TEST(CUtilBounce, TurnsAtTheEndOfItsRangeRepeatsAfterAPeriodAndTruncatesTowardZero)
{
    CUtilBounce bounce(0, 4, 3.0f, 2.2f, 0);
    for (int i = 0; i < 4; i++) {
        bounce.Pump();
    }
    EXPECT_EQ(bounce.direction, -1);
    EXPECT_FLOAT_EQ(bounce.value, 0.0f);
    bounce.Pump();
    EXPECT_LT(bounce.value, 0.0f) << "on the way back the offset is negative";

    CUtilBounce late(0, 4, 3.0f, 2.2f, 16);
    CUtilBounce early(0, 4, 3.0f, 2.2f, 0);
    late.Pump();
    early.Pump();
    EXPECT_EQ(late.position, early.position);
    EXPECT_FLOAT_EQ(late.value, early.value);

    CUtilBounce truncated(10, 4, 3.0f, 2.2f, 0);
    truncated.value = -0.5f;
    EXPECT_EQ(truncated.GetVal(), 9) << "toward zero, not down";
}

// Every phase of a period starts the sway where a sway started at 0 stands
// after as many steps, on the same side and going the same way.
TEST(CUtilBounce, EachPhaseStartsWhereTheFirstPeriodStandsAfterAsManySteps)
{
    CUtilBounce fromZero(0, 4, 3.0f, 2.2f, 0);
    for (int phase = 0; phase < 16; phase++) {
        SCOPED_TRACE(testing::Message() << "phase " << phase);
        CUtilBounce started(0, 4, 3.0f, 2.2f, phase);
        EXPECT_EQ(started.position, fromZero.position);
        EXPECT_EQ(started.direction, fromZero.direction);
        CUtilBounce next = started;
        next.Pump();
        fromZero.Pump();
        EXPECT_FLOAT_EQ(next.value, fromZero.value);
    }
}

TEST_F(FlyawayTest, EachPlaceShowsItsDigitFromItsOwnPowerOfTenOn)
{
    struct example {
        int number;
        int digits[3];  // hundreds, tens, units; -1 none
    };
    const example examples[] = {
        {1, {-1, -1, 1}},  {9, {-1, -1, 9}},  {10, {-1, 1, 0}},
        {99, {-1, 9, 9}},  {100, {1, 0, 0}},  {999, {9, 9, 9}},
    };
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "number " << e.number);
        CFlyaway::AddFlyaway(e.number, 300, 200);
        const CFlyaway& number = *CFlyaway::flyaways.back();
        int count = 0;
        for (int place = 0; place < 3; place++) {
            if (e.digits[place] == -1) {
                EXPECT_EQ(number.digits[place], nullptr) << "place " << place;
                continue;
            }
            count++;
            ASSERT_NE(number.digits[place], nullptr) << "place " << place;
            EXPECT_EQ(CSprite::draw->GetImageChecksum(number.digits[place]->GetImage(0)),
                      static_cast<unsigned int>(FirstPictureOfDigit(e.digits[place])));
        }
        EXPECT_EQ(number.digitCount, count);
        CFlyaway::RemoveFlyaways();
    }
}

TEST_F(FlyawayTest, ANumberWithoutDigitsGoesAtTheNextPump)
{
    CFlyaway::AddFlyaway(0, 300, 200);
    ASSERT_EQ(CFlyaway::flyaways.size(), 1u);
    EXPECT_EQ(CFlyaway::flyaways[0]->digitCount, 0);
    CFlyaway::PumpFlyaways();
    EXPECT_TRUE(CFlyaway::flyaways.empty());
}

TEST_F(FlyawayTest, OnlyTheLastThreeDigitsRiseAndTheNumberVanishesWhenTheyHavePlayed)
{
    CFlyaway::AddFlyaway(1234, 300, 200);
    CFlyaway& number = *CFlyaway::flyaways[0];
    ASSERT_EQ(number.digitCount, 3);
    for (int place = 0; place < 3; place++) {
        ASSERT_NE(number.digits[place], nullptr);
        EXPECT_TRUE(number.digits[place]->Hidden());
        EXPECT_EQ(CSprite::draw->GetImageChecksum(number.digits[place]->GetImage(0)),
                  static_cast<unsigned int>(FirstPictureOfDigit(2 + place)));
    }
    EXPECT_FLOAT_EQ(number.y, 200.0f) << "the rise starts at the given point";

    // The digits come out two frames apart from the left and the number
    // rises two pixels for each moving digit.
    CFlyaway::PumpFlyaways();
    EXPECT_FALSE(number.digits[0]->Hidden());
    EXPECT_TRUE(number.digits[1]->Hidden());
    EXPECT_FLOAT_EQ(number.y, 198.0f);
    CFlyaway::PumpFlyaways();
    resources.Renderer().Render(true);
    CFlyaway::PumpFlyaways();
    EXPECT_FALSE(number.digits[1]->Hidden());
    EXPECT_TRUE(number.digits[2]->Hidden());
    EXPECT_EQ(number.digits[1]->GetX() - number.digits[0]->GetX(), 10) << "one spacing apart";
    EXPECT_EQ(number.digits[1]->GetY() - number.digits[0]->GetY(), -2) << "each a step above the one on its left";

    int frames = 0;
    while (!CFlyaway::flyaways.empty() && frames < 100) {
        CFlyaway::PumpFlyaways();
        resources.Renderer().Render(true);
        frames++;
    }
    EXPECT_TRUE(CFlyaway::flyaways.empty());
    EXPECT_GE(frames, 16) << "every digit plays its sixteen pictures";
    EXPECT_LE(frames, 24);
}
