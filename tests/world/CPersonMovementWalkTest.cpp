#include "CPersonMovementTestFixture.h"

#include <cmath>

namespace {

constexpr float k30 = 0.5235983f, k60 = 1.0471966f, k120 = 2.0943933f, k150 = 2.6179917f;
constexpr float k210 = 3.6651883f, k240 = 4.1887865f, k300 = 5.2359834f, k330 = 5.7595816f;

// The heading of one frame's step, tolerant of the float error of taking the
// angle back from the step.
bool StepAtAllowedHeading(float dx, float dy)
{
    const float angle = FindAngle(0.0f, 0.0f, dx, dy);
    for (float nudge : {0.0f, 0.001f, -0.001f}) {
        if (CPersonMovement::IsAllowedHeading(angle + nudge)) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(WalkTest, WalksOnlyAtAllowedHeadingsAndStopsExactlyOnItsTarget)
{
    struct walk_case {
        float dx, dy, speed;
    };
    const walk_case cases[] = {
        {3, 0, 2},      {0, -3, 2},   {2, 2, 2},        {-40, 25, 2},    {0, -100, 2},
        {100, 0, 1.7f}, {0, 250, 3},  {-300, -10, 2.5f}, {170, 160, 0.9f}, {-3, 0, 6},
    };
    for (const walk_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy << " at " << c.speed);
        TestWalker walker(1000.0f, 1000.0f, c.speed);
        const int targetX = static_cast<int>(1000 + c.dx), targetY = static_cast<int>(1000 + c.dy);
        walker.movement.MoveTo(targetX, targetY);
        int steps = 0;
        for (int frame = 0; frame < 2000 && walker.movement.IsMoving(); frame++) {
            const float lastX = walker.x, lastY = walker.y;
            walker.movement.Pump(1);
            if (walker.movement.CurrentlyMoving()) {
                steps++;
                EXPECT_TRUE(StepAtAllowedHeading(walker.x - lastX, walker.y - lastY));
            }
        }
        EXPECT_FALSE(walker.movement.IsMoving());
        EXPECT_EQ(walker.x, static_cast<float>(targetX));
        EXPECT_EQ(walker.y, static_cast<float>(targetY));
        if (GetDist(c.dx, c.dy) <= 3.0f) {
            EXPECT_EQ(steps, 0) << "a target within 3 pixels counts as reached";
        }
    }
}

TEST_F(WalkTest, ReachesATargetStraightAboveByAZigZag)
{
    TestWalker walker(1000.0f, 1000.0f, 2.0f);
    walker.movement.MoveTo(1000, 800);
    walker.movement.Pump(1);
    // The first leg runs at 30 degrees, up and to the right ...
    EXPECT_NEAR(walker.movement.GetXVel(), 1.0f, 1e-5f);
    EXPECT_NEAR(walker.movement.GetYVel(), -1.7320508f, 1e-5f);
    float furthestRight = walker.x;
    bool cameBack = false;
    for (int frame = 0; frame < 500 && walker.movement.IsMoving(); frame++) {
        walker.movement.Pump(1);
        furthestRight = std::max(furthestRight, walker.x);
        // ... until the direct angle enters 300..330 degrees; then straight.
        if (walker.movement.CurrentlyMoving() && walker.movement.GetXVel() < 0.0f) {
            cameBack = true;
            const float heading = FindAngle(0.0f, 0.0f, walker.movement.GetXVel(), walker.movement.GetYVel());
            EXPECT_GE(heading, k300 - 0.001f);
            EXPECT_LE(heading, k330 + 0.001f);
        }
    }
    EXPECT_TRUE(cameBack);
    // The legs meet where the target lies 30 degrees left of straight up.
    EXPECT_NEAR(furthestRight, 1000.0f + 200.0f / 2.0f * std::tan(k30), 2.5f);
    EXPECT_EQ(walker.x, 1000.0f);
    EXPECT_EQ(walker.y, 800.0f);
}

TEST_F(WalkTest, OnlyOneWalkerStartsAWalkEachFrame)
{
    TestWalker first(500.0f, 500.0f), second(800.0f, 500.0f);
    first.movement.MoveTo(600, 450);
    EXPECT_EQ(CPersonMovement::whoIsMoving, &first.owner);

    second.movement.MoveTo(900, 450);
    int x, y;
    second.movement.GetDestination(x, y);
    EXPECT_EQ(x, 900);
    EXPECT_EQ(y, 450);
    EXPECT_TRUE(second.movement.IsMoving());
    EXPECT_EQ(CPersonMovement::whoIsMoving, &first.owner);

    // Until the first walker's next frame releases the turn, the second waits.
    second.movement.Pump(1);
    EXPECT_EQ(second.x, 800.0f);
    EXPECT_FALSE(second.movement.CurrentlyMoving());

    first.movement.Pump(1);
    second.movement.Pump(1);
    EXPECT_TRUE(second.movement.CurrentlyMoving());
    EXPECT_NE(second.x, 800.0f);
    EXPECT_EQ(CPersonMovement::whoIsMoving, &second.owner);

    {
        TestWalker leaving(100.0f, 100.0f);
        CPersonMovement::whoIsMoving = nullptr;
        leaving.movement.MoveTo(150, 50);
        EXPECT_EQ(CPersonMovement::whoIsMoving, &leaving.owner);
    }
    EXPECT_EQ(CPersonMovement::whoIsMoving, nullptr);
}

TEST_F(WalkTest, IgnoresTargetsWhereItsFeetCannotStand)
{
    Wall(600, 600, 50, 50);
    Wall(700, 600, 50, 50, true);
    struct target_case {
        const char* what;
        int x, y;
        bool taken;
    };
    const target_case cases[] = {
        {"feet in a wall", 610, 560, false},
        {"feet touching a wall", 576, 538, true},
        {"feet on a placement-only rectangle", 710, 560, true},
        {"left of the walkable area", -1, 100, false},
        {"right of it", 3881, 100, false},
        {"above it", 100, -1, false},
        {"below it", 100, 3843, false},
        {"its far corner", 3880, 3842, true},
    };
    for (const target_case& c : cases) {
        SCOPED_TRACE(c.what);
        TestWalker walker(c.x > 2000 ? 3600.0f : 500.0f, c.y > 2000 ? 3600.0f : 500.0f);
        CPersonMovement::whoIsMoving = nullptr;
        walker.movement.MoveTo(c.x, c.y);
        EXPECT_EQ(walker.movement.IsMoving(), c.taken);
        if (!c.taken) {
            EXPECT_FALSE(walker.movement.CanWeMoveTo(c.x, c.y));
        }
    }
}

TEST_F(WalkTest, DropsAWaitingTargetThatBecameBlocked)
{
    TestWalker first(500.0f, 500.0f), second(800.0f, 500.0f);
    first.movement.MoveTo(600, 450);
    second.movement.MoveTo(900, 450);
    Wall(900, 490, 40, 40);
    first.movement.Pump(1);
    second.movement.Pump(1);
    EXPECT_FALSE(second.movement.IsMoving());
    EXPECT_EQ(second.x, 800.0f);
}

TEST_F(WalkTest, StraightWalkTestEndsWhenTheWalkerCannotArrive)
{
    // A step longer than the arrival circle is wide can pass the target for
    // ever; a walker without speed never gets anywhere. Both count as blocked.
    const float diagonal = std::sqrt(0.5f);
    struct straight_case {
        const char* what;
        float speed, distance;
        bool blocked;
    };
    const straight_case cases[] = {
        {"no speed, already there", 0.0f, 2.0f, false},
        {"no speed", 0.0f, 50.0f, true},
        {"steps over the arrival circle", 10.0f, 105.0f, true},
        {"steps onto it", 10.0f, 102.0f, false},
        {"a long ordinary walk", 2.0f, 500.0f, false},
        {"a negative speed", -1.0f, 50.0f, true},
    };
    for (const straight_case& c : cases) {
        SCOPED_TRACE(c.what);
        TestWalker walker(1000.0f, 1000.0f, c.speed);
        const float tx = 1000.0f + c.distance * diagonal, ty = 1000.0f - c.distance * diagonal;
        EXPECT_EQ(walker.movement.CollisionAlongPath(1000.0f, 1000.0f, tx, ty), c.blocked);
    }
    CObject::isSimulating = true;
    TestWalker still(1000.0f, 1000.0f, 0.0f);
    EXPECT_FALSE(still.movement.CollisionAlongPath(1000.0f, 1000.0f, 1300.0f, 700.0f));
}

TEST_F(WalkTest, KeepsTheWalkerInsideTheWalkableArea)
{
    struct clamp_case {
        float x, y, expectedX, expectedY;
    };
    const clamp_case cases[] = {
        {-5.0f, 4000.0f, 0.0f, 3842.0f},    {4000.0f, -3.0f, 3880.0f, 0.0f},
        {3880.6f, 100.0f, 3880.0f, 100.0f}, {100.0f, 3842.7f, 100.0f, 3842.0f},
        {100.5f, 200.25f, 100.5f, 200.25f},
    };
    for (const clamp_case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        TestWalker walker(c.x, c.y);
        walker.movement.HandleCollisions(false);
        EXPECT_EQ(walker.x, c.expectedX);
        EXPECT_EQ(walker.y, c.expectedY);
        EXPECT_FALSE(walker.movement.CheckCollisionAt(walker.x, walker.y));
    }
}

TEST_F(WalkTest, AWalkerPushedIntoAWallGoesBackAndStops)
{
    TestWalker walker(1000.0f, 1000.0f);
    walker.movement.MoveTo(1087, 950);
    walker.movement.Pump(1);
    ASSERT_GT(walker.movement.GetXVel(), 1.5f);
    const float x = walker.x, y = walker.y;
    // Just ahead of its feet: the next step walks into it.
    Wall(Round(x) + 24, Round(y) + 30, 50, 60);
    ASSERT_FALSE(walker.movement.CheckCollisionAt(x, y));
    walker.movement.Pump(1);
    EXPECT_EQ(walker.x, x);
    EXPECT_EQ(walker.y, y);
    EXPECT_FALSE(walker.movement.IsMoving());
}

TEST_F(WalkTest, AWalkerStandingInAWallIsNudgedFreeDownwards)
{
    Wall(990, 1040, 60, 40);
    TestWalker walker(1000.0f, 1000.0f);
    ASSERT_TRUE(walker.movement.CheckCollisionAt(walker.x, walker.y));
    walker.movement.Pump(1);
    EXPECT_FALSE(walker.movement.CheckCollisionAt(walker.x, walker.y));
    EXPECT_GE(walker.y, 1000.0f);
    EXPECT_FALSE(walker.movement.IsMoving());

    // Once regardless, and then upwards too, when both axes are asked for.
    TestWalker free(2000.0f, 2000.0f);
    EXPECT_TRUE(free.movement.WarpNearby(10, true));
    EXPECT_LE(std::fabs(free.x - 2000.0f), 5.0f);
    EXPECT_LE(std::fabs(free.y - 2000.0f), 5.0f);
}

TEST_F(WalkTest, NudgingGivesUpWhenTheBottomEdgeIsWalled)
{
    Wall(0, 3800, 3905, 200);
    TestWalker walker(1000.0f, 3842.0f);
    EXPECT_FALSE(walker.movement.WarpNearby(10, false));
    EXPECT_TRUE(walker.movement.CheckCollisionAt(walker.x, walker.y));
    EXPECT_EQ(walker.y, 3842.0f);
    walker.movement.Pump(1);  // the frame ends, blocked still
    EXPECT_FALSE(walker.movement.IsMoving());
}
