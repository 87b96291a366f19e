#include "CPersonMovementTestFixture.h"

#include <cstring>

namespace {

using link_states = std::vector<bool>;

link_states ReadLinks()
{
    link_states states;
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            states.insert(states.end(), node.linkOpen, node.linkOpen + 4);
        }
    }
    return states;
}

void WriteLinks(const link_states& states)
{
    size_t i = 0;
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            for (bool& open : node.linkOpen) {
                open = states[i++];
            }
        }
    }
}

// The grid re-test as first designed: every link of every active node near
// the rectangle, written to both of its ends.
void RetestAroundNaively(const obstruction_type& rect)
{
    for (int c = 0; c < PATH_COLUMNS; c++) {
        for (int r = 0; r < PATH_ROWS; r++) {
            pathnode& node = CPersonMovement::pathMap[c][r];
            if (!node.active || node.x < rect.x - 200 || node.x > rect.x + rect.w + 200 ||
                node.y < rect.y - 200 || node.y > rect.y + rect.h + 200) {
                continue;
            }
            for (int k = 0; k < 4; k++) {
                if (pathnode* neighbour = node.links[k]) {
                    const bool open =
                        !CPersonMovement::ObstructionBetweenPoints(node.x, node.y, neighbour->x, neighbour->y, true);
                    node.linkOpen[k] = open;
                    neighbour->linkOpen[(k + 2) % 4] = open;
                }
            }
        }
    }
}

// Counts links whose flag differs from their line test over the whole grid.
int LinksDisagreeingWithTheirLineTest()
{
    int wrong = 0;
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            for (int k = 0; k < 4; k++) {
                if (pathnode* neighbour = node.links[k]) {
                    const bool open =
                        !CPersonMovement::ObstructionBetweenPoints(node.x, node.y, neighbour->x, neighbour->y, true);
                    wrong += node.linkOpen[k] != open;
                }
            }
        }
    }
    return wrong;
}

// Collision as a plain scan of every rectangle.
bool CollidesWithAny(int x, int y, int w, int h, bool all)
{
    for (const obstruction_type& rect : CObject::obstructions) {
        if ((all || !rect.flag) && x + w > rect.x && x < rect.x + rect.w && y + h > rect.y && y < rect.y + rect.h) {
            return true;
        }
    }
    return false;
}

// Boxes of every kind: points, feet, negative extents, huge, off the island.
// One draw a statement, x, y, width and height in that order.
obstruction_type Drawn(int lowXY, int highXY, int lowWH, int highWH)
{
    obstruction_type box{0, 0, 0, 0, nullptr, false};
    box.x = RangedRandom(lowXY, highXY);
    box.y = RangedRandom(lowXY, highXY);
    box.w = RangedRandom(lowWH, highWH);
    box.h = RangedRandom(lowWH, highWH);
    return box;
}

obstruction_type RandomBox()
{
    obstruction_type box{0, 0, 0, 0, nullptr, false};
    switch (RangedRandom(0, 4)) {
    case 0:
        box.x = RangedRandom(-200, 4100);
        box.y = RangedRandom(-200, 4100);
        return box;
    case 1:
        box.x = RangedRandom(-50, 3950);
        box.y = RangedRandom(-50, 3950);
        box.w = 14;
        box.h = 10;
        return box;
    case 2:
        return Drawn(-300, 4200, -150, 150);
    case 3:
        return Drawn(-5000, 100, 0, 9000);
    default:
        return Drawn(0, 3900, 1, 400);
    }
}

obstruction_type RandomRect()
{
    obstruction_type rect{0, 0, 0, 0, nullptr, false};
    rect.x = RangedRandom(-100, 3950);
    rect.y = RangedRandom(-100, 3850);
    rect.w = RangedRandom(1, 120);
    rect.h = RangedRandom(1, 120);
    rect.flag = RangedRandom(0, 9) == 0;
    return rect;
}

}  // namespace

TEST_F(WalkTest, CollisionAgreesWithAPlainScanWhileRectanglesComeAndGo)
{
    // Off the grid, the walk grid is left alone: only the answers count here.
    island.reset();
    auto agree = [](int rounds) {
        for (int i = 0; i < rounds; i++) {
            const obstruction_type box = RandomBox();
            for (bool all : {false, true}) {
                if (CObject::Collision(box.x, box.y, box.w, box.h, all) != CollidesWithAny(box.x, box.y, box.w, box.h, all)) {
                    ADD_FAILURE() << box.x << ", " << box.y << ", " << box.w << ", " << box.h << (all ? " all" : "");
                    return;
                }
            }
        }
    };
    EXPECT_FALSE(CObject::Collision(-10000, -10000, 20000, 20000, true));
    for (int i = 0; i < 300; i++) {
        obstruction_type rect = RandomRect();
        if (i % 10 == 0) {
            rect = RandomBox();  // odd shapes too
        }
        Wall(rect.x, rect.y, rect.w, rect.h, rect.flag);
        if (i % 25 == 0) {
            agree(200);
        }
    }
    agree(20000);
    for (size_t i = 0; i < walls.size(); i += 3) {
        CObject::RemoveObstructions(walls[i].get());
    }
    agree(20000);
    CObject::obstructions.clear();
    agree(100);
    Wall(100, 100, 10, 10);
    agree(2000);
    EXPECT_TRUE(CObject::Collision(105, 105, 0, 0, false));
}

TEST_F(WalkTest, WaterNodesCostFiveTimesLand)
{
    // Land left of x 500, the waterline itself to x 699, then sea; beyond the
    // height grid lies open sea.
    island->AllocateGrids(1001, 1001);
    for (int sy = 0; sy < 1001; sy++) {
        for (int sx = 0; sx < 1001; sx++) {
            island->SetHeight(sx, sy, sx < 500 ? 4000 : (sx < 700 ? 3000 : 2999));
        }
    }
    CPersonMovement::pathMap[1][0].cost = 7.0f;
    CPersonMovement::GenerateWaterPathMap();
    struct cost_case {
        int column, row;
        float cost;
    };
    const cost_case cases[] = {
        {12, 12, 1.0f}, {14, 0, 5.0f}, {0, 30, 5.0f},
        {1, 0, 7.0f},  // inactive nodes keep theirs
    };
    for (const cost_case& c : cases) {
        EXPECT_EQ(CPersonMovement::pathMap[c.column][c.row].cost, c.cost) << c.column << ", " << c.row;
    }
}

TEST_F(WalkTest, LineTestFindsWhatLiesOnTheLine)
{
    Wall(1000, 1000, 20, 20);
    Wall(2000, 2000, 20, 20, true);
    struct line_case {
        const char* what;
        int x1, y1, x2, y2;
        bool footBox, blocked;
    };
    const line_case cases[] = {
        {"through it", 990, 1010, 1030, 1010, false, true},
        {"along its top edge", 990, 1000, 1030, 1000, false, false},
        {"ending on its edge", 980, 1010, 1000, 1010, false, false},
        {"ending a pixel inside", 980, 1010, 1001, 1010, false, true},
        {"shallow, just above", 900, 999, 1100, 999, false, false},
        {"one point inside", 1010, 1010, 1010, 1010, false, true},
        {"through a placement-only rectangle", 1990, 2010, 2030, 2010, false, false},
        // The feet grown by 5: (p.x + 5, p.y + 47) to (p.x + 29, p.y + 67).
        {"feet touching it", 971, 953, 971, 953, true, false},
        {"feet a pixel in", 972, 953, 972, 953, true, true},
        {"feet passing under it", 900, 934, 1100, 934, true, true},
        {"feet passing just clear", 900, 933, 1100, 933, true, false},
    };
    for (const line_case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CPersonMovement::ObstructionBetweenPoints(c.x1, c.y1, c.x2, c.y2, c.footBox), c.blocked);
    }
}

TEST_F(WalkTest, AWallClosesTheLinksAcrossItBothWaysUntilItGoes)
{
    pathnode& a = CPersonMovement::pathMap[20][20];
    pathnode& b = CPersonMovement::pathMap[21][21];
    FakeObject* wall = Wall(1040, 1090, 4, 4);
    EXPECT_FALSE(a.linkOpen[1]);
    EXPECT_FALSE(b.linkOpen[3]);
    EXPECT_TRUE(a.linkOpen[0]);
    EXPECT_EQ(LinksDisagreeingWithTheirLineTest(), 0);

    CObject::RemoveObstructions(wall);
    EXPECT_TRUE(a.linkOpen[1]);
    EXPECT_TRUE(b.linkOpen[3]);

    // Placement-only rectangles and the preview island leave the grid alone.
    Wall(1040, 1090, 4, 4, true);
    EXPECT_TRUE(a.linkOpen[1]);
    island->playable = false;
    Wall(1040, 1090, 4, 4);
    EXPECT_TRUE(a.linkOpen[1]);
}

TEST_F(WalkTest, EveryLinkMatchesItsLineTestWhileWallsComeAndGo)
{
    // Walls along and beyond every edge reach past the last node.
    const obstruction_type edges[] = {
        {3860, 3760, 100, 100, nullptr, false}, {-50, -50, 80, 80, nullptr, false},
        {3900, 0, 20, 20, nullptr, false},      {-1000, 1800, 6000, 30, nullptr, false},
        {0, 3900, 50, 50, nullptr, false},      {1000, -400, 30, 30, nullptr, false},
    };
    for (const obstruction_type& rect : edges) {
        Wall(rect.x, rect.y, rect.w, rect.h);
    }
    for (int i = 0; i < 40; i++) {
        const obstruction_type rect = RandomRect();
        Wall(rect.x, rect.y, rect.w, rect.h, rect.flag);
    }
    EXPECT_EQ(LinksDisagreeingWithTheirLineTest(), 0);
    for (size_t i = 0; i < walls.size(); i += 2) {
        CObject::RemoveObstructions(walls[i].get());
    }
    EXPECT_EQ(LinksDisagreeingWithTheirLineTest(), 0);
}

TEST_F(WalkTest, RetestingEachLinkOnceGivesTheGridOfRetestingAroundEveryRectangle)
{
    // The rectangles exist before the island does, as while loading, and the
    // grid starts from an arbitrary state so that untouched links show.
    island.reset();
    for (int i = 0; i < 80; i++) {
        const obstruction_type rect = RandomRect();
        Wall(rect.x, rect.y, rect.w, rect.h, rect.flag);
    }
    link_states scrambled = ReadLinks();
    for (size_t i = 0; i < scrambled.size(); i++) {
        scrambled[i] = RangedRandom(0, 1) == 1;
    }

    WriteLinks(scrambled);
    for (const obstruction_type& rect : CObject::obstructions) {
        RetestAroundNaively(rect);
    }
    const link_states expected = ReadLinks();

    WriteLinks(scrambled);
    CObject::InitPathMap();
    EXPECT_TRUE(ReadLinks() == expected) << "all at once";

    WriteLinks(scrambled);
    for (const obstruction_type& rect : CObject::obstructions) {
        CPersonMovement::AlterPathMapDueToObstruction(rect.x, rect.y, rect.w, rect.h);
    }
    EXPECT_TRUE(ReadLinks() == expected) << "one rectangle at a time";
    EXPECT_FALSE(expected == scrambled);
}
