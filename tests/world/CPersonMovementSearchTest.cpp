#include "CPersonMovementTestFixture.h"

#include "CPerson.h"
#include "tests/islanders/IslanderRecords.h"
#include "ChildProcess.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Every leg of the walker's route can be walked: straight from the walker to
// the first node and from the last node to the target, and along open links
// between nodes.
void ExpectEveryLegWalkable(const TestWalker& walker, int targetX, int targetY)
{
    const auto& route = walker.movement.Waypoints();
    ASSERT_GE(route.size(), 2u);
    EXPECT_EQ(route.back().x, static_cast<float>(targetX));
    EXPECT_EQ(route.back().y, static_cast<float>(targetY));
    EXPECT_FALSE(walker.movement.CollisionAlongPath(walker.x, walker.y, route.front().x, route.front().y));
    for (size_t i = 0; i + 2 < route.size(); i++) {
        const int x1 = static_cast<int>(route[i].x), y1 = static_cast<int>(route[i].y);
        const int x2 = static_cast<int>(route[i + 1].x), y2 = static_cast<int>(route[i + 1].y);
        EXPECT_EQ(std::abs(x2 - x1), PATH_SPACING) << "leg " << i;
        EXPECT_EQ(std::abs(y2 - y1), PATH_SPACING) << "leg " << i;
        EXPECT_FALSE(CPersonMovement::ObstructionBetweenPoints(x1, y1, x2, y2, true)) << "leg " << i;
        const pathnode* from = CPersonMovement::NodeAt(x1 / PATH_SPACING, y1 / PATH_SPACING);
        const pathnode* to = CPersonMovement::NodeAt(x2 / PATH_SPACING, y2 / PATH_SPACING);
        ASSERT_TRUE(from && to);
        bool linked = false;
        for (int k = 0; k < 4; k++) {
            linked |= from->links[k] == to && from->linkOpen[k];
        }
        EXPECT_TRUE(linked) << "leg " << i;
    }
    const float_coordinate last = route[route.size() - 2];
    EXPECT_LE(GetDist(last.x, last.y, static_cast<float>(targetX), static_cast<float>(targetY)), 100.0f);
    EXPECT_FALSE(walker.movement.CollisionAlongPath(last.x, last.y, targetX, targetY));
}

int NodesInWater(const TestWalker& walker)
{
    int wet = 0;
    for (const float_coordinate& point : walker.movement.Waypoints()) {
        const pathnode* node = CPersonMovement::NodeAt(static_cast<int>(point.x) / PATH_SPACING,
                                                       static_cast<int>(point.y) / PATH_SPACING);
        wet += node && node->x == point.x && node->y == point.y && node->cost > 1.0f;
    }
    return wet;
}

void CloseEveryLink()
{
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            for (bool& open : node.linkOpen) {
                open = false;
            }
        }
    }
}

void OpenLink(int column1, int row1, int column2, int row2)
{
    pathnode* a = CPersonMovement::NodeAt(column1, row1);
    pathnode* b = CPersonMovement::NodeAt(column2, row2);
    for (int k = 0; k < 4; k++) {
        if (a->links[k] == b) {
            a->linkOpen[k] = true;
            b->linkOpen[(k + 2) % 4] = true;
            return;
        }
    }
    FAIL() << "no link between " << column1 << ", " << row1 << " and " << column2 << ", " << row2;
}

}  // namespace

TEST_F(WalkTest, FindsAndWalksARouteAroundAWall)
{
    Wall(1150, 1000, 50, 1000);
    TestWalker walker(800.0f, 1450.0f);
    ASSERT_TRUE(walker.movement.CollisionAlongPath(800.0f, 1450.0f, 1500.0f, 1450.0f));
    walker.movement.MoveTo(1500, 1450);
    ASSERT_TRUE(walker.movement.IsMoving());
    ExpectEveryLegWalkable(walker, 1500, 1450);
    int x, y;
    walker.movement.GetDestination(x, y);
    EXPECT_EQ(x, 1500);
    EXPECT_EQ(y, 1450);

    ASSERT_TRUE(WalkUntilIdle(walker));
    EXPECT_EQ(walker.x, 1500.0f);
    EXPECT_EQ(walker.y, 1450.0f);
}

TEST_F(WalkTest, GivesUpOnAnUnreachableTargetAfterTwoThousandNodes)
{
    Ring(2000, 2000, 200, 200);
    TestWalker walker(500.0f, 500.0f);
    EXPECT_FALSE(walker.movement.PathfindTo(2050, 2030, false));
    EXPECT_EQ(walker.movement.LastSearchExpansions(), 2000);
    EXPECT_EQ(walker.x, 500.0f);
    EXPECT_EQ(walker.y, 500.0f);
    EXPECT_FALSE(walker.movement.IsMoving());

    // The same ends sooner when the walker's side of the wall is small.
    TestWalker shut(3000.0f, 3000.0f);
    Ring(2950, 3000, 150, 150);
    EXPECT_FALSE(shut.movement.PathfindTo(2050, 2030, false));
    EXPECT_LT(shut.movement.LastSearchExpansions(), 20);
}

TEST_F(WalkTest, ANodeWhoseCostTiesAnOpenOneIsLeftOut)
{
    // The target lies on a grid column, the walker a little off it (on it,
    // every start node of the column would tie). Beyond the start box the
    // only way leads to a fork whose two nodes tie exactly: offered first, to
    // the right, a dead end; offered second, to the left, the way on.
    CloseEveryLink();
    const int way[][2] = {{20, 22}, {21, 23}, {20, 24}, {19, 25}, {20, 26}, {19, 27}, {20, 28}, {19, 29},
                          {20, 30}, {19, 31}, {20, 32}, {19, 33}, {20, 34}, {19, 35}, {20, 36}};
    for (size_t i = 0; i + 1 < std::size(way); i++) {
        OpenLink(way[i][0], way[i][1], way[i + 1][0], way[i + 1][1]);
    }
    OpenLink(20, 24, 21, 25);  // the dead end
    TestWalker walker(1010.0f, 1000.0f);
    EXPECT_FALSE(walker.movement.PathfindTo(1000, 1850, false)) << "the way on never entered the open list";
    EXPECT_TRUE(walker.movement.Waypoints().empty());

    // Given a detour from the dead end round to the way on, the search takes
    // it rather than the shorter way through the node it left out, which
    // only comes back as a branch off the detour.
    OpenLink(21, 25, 22, 26);
    OpenLink(22, 26, 21, 27);
    OpenLink(21, 27, 20, 26);
    ASSERT_TRUE(walker.movement.PathfindTo(1000, 1850, false));
    ExpectEveryLegWalkable(walker, 1000, 1850);
    const auto& route = walker.movement.Waypoints();
    auto passes = [&route](int column, int row) {
        return std::any_of(route.begin(), route.end(), [&](const float_coordinate& point) {
            return point.x == static_cast<float>(column * PATH_SPACING) && point.y == static_cast<float>(row * PATH_SPACING);
        });
    };
    EXPECT_TRUE(passes(22, 26));
    EXPECT_FALSE(passes(19, 25));
    ASSERT_TRUE(WalkUntilIdle(walker));
    EXPECT_EQ(walker.y, 1850.0f);
}

TEST_F(WalkTest, WarpsToATargetThatFailedMoreThanThirtyTimes)
{
    Ring(900, 950, 220, 220);
    TestWalker walker(1000.0f, 1000.0f);
    for (int i = 0; i < 30; i++) {
        ASSERT_FALSE(walker.movement.PathfindTo(2100, 1000, false)) << i;
        ASSERT_FALSE(walker.movement.CanWeMoveTo(2200, 1000)) << i;
        ASSERT_FALSE(walker.movement.PathfindTo(2000, 1000, false)) << i;
    }
    // A check past the limit answers yes and leaves the walker be ...
    EXPECT_TRUE(walker.movement.CanWeMoveTo(2200, 1000));
    EXPECT_EQ(walker.x, 1000.0f);
    // ... a real search puts it there and forgets every failure.
    EXPECT_TRUE(walker.movement.PathfindTo(2000, 1000, false));
    EXPECT_EQ(walker.x, 2000.0f);
    EXPECT_EQ(walker.y, 1000.0f);
    walker.movement.WarpTo(1000.0f, 1000.0f);
    EXPECT_FALSE(walker.movement.PathfindTo(2100, 1000, false));
    EXPECT_FALSE(walker.movement.CanWeMoveTo(2200, 1000));
    EXPECT_EQ(walker.x, 1000.0f);
}

TEST_F(WalkTest, AFoundRouteForgetsTheFailuresOfItsTarget)
{
    Ring(900, 950, 220, 220);
    TestWalker walker(1000.0f, 1000.0f);
    for (int i = 0; i < 20; i++) {
        ASSERT_FALSE(walker.movement.PathfindTo(2000, 1000, false));
    }
    std::vector<std::unique_ptr<FakeObject>> ring;
    ring.swap(walls);
    ring.clear();
    ASSERT_TRUE(walker.movement.PathfindTo(2000, 1000, false));
    walker.movement.StopMovement();
    Ring(900, 950, 220, 220);
    for (int i = 0; i < 30; i++) {
        ASSERT_FALSE(walker.movement.PathfindTo(2000, 1000, false)) << i;
    }
    EXPECT_EQ(walker.x, 1000.0f);
}

TEST_F(WalkTest, WarpsOnTheNineHundredAndFirstSearchWithoutARoute)
{
    Ring(900, 950, 220, 220);
    TestWalker walker(1000.0f, 1000.0f);
    // Forty-five targets, twenty failures each: no target reaches its limit.
    for (int i = 0; i < 900; i++) {
        ASSERT_FALSE(walker.movement.PathfindTo(2000 + 10 * (i % 45), 1000, false)) << i;
    }
    EXPECT_TRUE(walker.movement.CanWeMoveTo(3000, 1000));
    EXPECT_EQ(walker.x, 1000.0f);
    EXPECT_TRUE(walker.movement.PathfindTo(3000, 1000, false));
    EXPECT_EQ(walker.x, 3000.0f);
    EXPECT_EQ(walker.y, 1000.0f);
    // The count starts again.
    walker.movement.WarpTo(1000.0f, 1000.0f);
    EXPECT_FALSE(walker.movement.PathfindTo(3100, 1000, false));
    EXPECT_EQ(walker.x, 1000.0f);
}

TEST_F(WalkTest, ACheckWithNowhereToStartNudgesTheWalkerAndSetsItOnItsRoute)
{
    for (unsigned int seed = 1; seed <= 8; seed++) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        InitRandom(seed);
        // Without speed the walker reaches no node more than 3 pixels away.
        TestWalker walker(1000.0f, 1003.5f, 0.0f);
        ASSERT_TRUE(walker.movement.CanWeMoveTo(2000, 2000));
        if (walker.x == 2000.0f && walker.y == 2000.0f) {
            continue;  // warped after thirty failures
        }
        EXPECT_NE(walker.y, 1003.5f) << "nudged towards the node";
        ASSERT_FALSE(walker.movement.Waypoints().empty());
        EXPECT_EQ(walker.movement.Waypoints().back().x, 2000.0f);
        EXPECT_EQ(walker.movement.Waypoints().back().y, 2000.0f);
        EXPECT_TRUE(walker.movement.IsMoving());
    }
    // A blocked target is refused before any nudge.
    Wall(1950, 1950, 150, 150);
    InitRandom(1);
    TestWalker walled(1000.0f, 1003.5f, 0.0f);
    EXPECT_FALSE(walled.movement.CanWeMoveTo(2000, 2000));
    EXPECT_EQ(walled.y, 1003.5f);
    EXPECT_FALSE(walled.movement.IsMoving());
}

TEST_F(WalkTest, ARealSearchWithNowhereToStartNudgesTheWalkerAPixelAtATime)
{
    struct nudge_case {
        float x, y, nodeX, nodeY;
    };
    const nudge_case cases[] = {
        {1000.0f, 1003.5f, 1000.0f, 1000.0f},
        {0.0f, 3.5f, 0.0f, 0.0f},           // at the left edge
        {3850.0f, 3746.4f, 3850.0f, 3750.0f},
    };
    for (unsigned int seed = 1; seed <= 8; seed++) {
        for (const nudge_case& c : cases) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " at " << c.x << ", " << c.y);
            InitRandom(seed);
            TestWalker walker(c.x, c.y, 0.0f);
            ASSERT_TRUE(walker.movement.PathfindTo(2000, 2000, false));
            EXPECT_TRUE(CPersonMovement::WithinMapBounds(walker.x, walker.y));
            if (walker.x == 2000.0f && walker.y == 2000.0f) {
                continue;  // warped after thirty failures
            }
            // The search starts from the walker's position rounded.
            EXPECT_LE(GetDist(static_cast<float>(Round(walker.x)), static_cast<float>(Round(walker.y)), c.nodeX, c.nodeY), 3.0f);
            EXPECT_EQ(walker.x - c.x, std::round(walker.x - c.x));
            EXPECT_EQ(walker.y - c.y, std::round(walker.y - c.y));
            EXPECT_FALSE(walker.movement.Waypoints().empty());
        }
    }
}

TEST_F(WalkTest, TheFirstSearchAfterARouteKeepsToLand)
{
    // A lake between walker and target, with land around it.
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            if (GetDist(node.x, node.y, 1900, 2000) < 500.0f) {
                node.cost = 5.0f;
            }
        }
    }
    TestWalker walker(1000.0f, 2000.0f);
    ASSERT_TRUE(walker.movement.PathfindTo(2800, 2000, false));
    EXPECT_EQ(NodesInWater(walker), 0);

    // After a failed search the plain distance counts: straight over.
    Ring(3000, 500, 200, 200);
    TestWalker swimmer(1000.0f, 2000.0f);
    EXPECT_FALSE(swimmer.movement.CanWeMoveTo(3050, 530));
    ASSERT_TRUE(swimmer.movement.PathfindTo(2800, 2000, false));
    EXPECT_GT(NodesInWater(swimmer), 5);
}

TEST_F(WalkTest, NamesItsSearchesOnlyWhileItsIslanderIsHeld)
{
    Wall(1150, 1000, 50, 1000);
    CPerson islander(IslanderRecord(800, 1450, 30 * 172800));
    float x = 800.0f, y = 1450.0f, vx = 0.0f, vy = 0.0f;
    CPersonMovement movement(&x, &y, &vx, &vy, 2.0f, &islander);
    auto searchOutput = [&](bool held) {
        return RunInChild([&] {
                   islander.pickedUp = held;
                   movement.MoveTo(1500, 1450);
               })
            .output;
    };
    EXPECT_NE(searchOutput(true).find("PATHFINDING TO: 1500 1450 ("), std::string::npos);
    EXPECT_EQ(searchOutput(false).find("PATHFINDING"), std::string::npos);
}
