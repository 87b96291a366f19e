#include "CMap.h"
#include "WorldFakes.h"

namespace {

struct box_case {
    const char* what;
    int x, y, w, h;
    bool collides;
};

}  // namespace

TEST_F(WorldTest, BoxesCollideOnlyWhenTheirInteriorsOverlap)
{
    FakeObject owner;
    CObject::AddObstruction(10, 10, 20, 20, &owner, false);
    const box_case cases[] = {
        {"shares the left edge", 0, 10, 10, 20, false},
        {"overlaps the left edge by one pixel", 1, 10, 10, 20, true},
        {"shares the right edge", 30, 10, 5, 5, false},
        {"overlaps the right edge by one pixel", 29, 10, 5, 5, true},
        {"shares the top edge", 10, 0, 5, 10, false},
        {"overlaps the top edge by one pixel", 10, 1, 5, 10, true},
        {"shares the bottom edge", 10, 30, 5, 5, false},
        {"overlaps the bottom edge by one pixel", 10, 29, 5, 5, true},
        {"touches a corner", 30, 30, 5, 5, false},
        {"covers it", 0, 0, 50, 50, true},
        {"inside it", 15, 15, 1, 1, true},
        {"a point on its edge", 10, 15, 0, 0, false},
        {"a point inside", 11, 11, 0, 0, true},
    };
    for (const box_case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CObject::Collision(c.x, c.y, c.w, c.h, false), c.collides);
    }
}

TEST_F(WorldTest, FlaggedRectanglesBlockOnlyPlacementTestsAndNothingBlocksWhileSimulating)
{
    EXPECT_FALSE(CObject::Collision(0, 0, 100, 100, true));
    FakeObject owner;
    CObject::AddObstruction(0, 0, 10, 10, &owner, true);
    EXPECT_FALSE(CObject::Collision(5, 5, 1, 1, false));
    EXPECT_TRUE(CObject::Collision(5, 5, 1, 1, true));
    CObject::AddObstruction(0, 0, 10, 10, &owner, false);
    EXPECT_TRUE(CObject::Collision(5, 5, 1, 1, false));
    CObject::isSimulating = true;
    EXPECT_FALSE(CObject::Collision(0, 0, 100, 100, true));
}

TEST_F(WorldTest, RemovingAnOwnersRectanglesKeepsEveryOtherInOrder)
{
    FakeObject a, b, none;
    CObject::AddObstruction(0, 0, 1, 1, &a, false);
    CObject::AddObstruction(1, 0, 1, 1, &b, false);
    CObject::AddObstruction(2, 0, 1, 1, &a, true);
    CObject::AddObstruction(3, 0, 1, 1, &b, true);
    CObject::AddObstruction(4, 0, 1, 1, &a, false);

    CObject::RemoveObstructions(&none);
    EXPECT_EQ(CObject::obstructions.size(), 5u);

    CObject::RemoveObstructions(&a);
    ASSERT_EQ(CObject::obstructions.size(), 2u);
    EXPECT_EQ(CObject::obstructions[0].x, 1);
    EXPECT_EQ(CObject::obstructions[1].x, 3);
    EXPECT_TRUE(CObject::obstructions[1].flag);
}

TEST_F(WorldTest, AnObjectsRectanglesEndWithIt)
{
    FakeObject keeper;
    CObject::AddObstruction(0, 0, 10, 10, &keeper, false);
    FakeObject* object = new FakeObject();
    CObject::AddObstruction(20, 0, 10, 10, object, false);
    CObject::AddObstruction(40, 0, 10, 10, object, true);
    delete object;
    ASSERT_EQ(CObject::obstructions.size(), 1u);
    EXPECT_EQ(CObject::obstructions[0].owner, &keeper);
}

TEST_F(WorldTest, WorldOutlivesTheIslandItStoodOn)
{
    CMap* island = new CMap(false);
    island->playable = true;
    FakeObject* object = new FakeObject();
    CObject::AddObstruction(0, 0, 10, 10, object, false);
    delete island;
    EXPECT_EQ(CControllerGame::island, nullptr);
    CObject::RemoveObstructions(object);
    CObject::AddObstruction(0, 0, 10, 10, object, false);
    CObject::UnloadAll();
    EXPECT_TRUE(CObject::obstructions.empty());
}
