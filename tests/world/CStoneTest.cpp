#include "CControllerGame.h"
#include "CStone.h"
#include "RockKinds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

class RockTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        NewMap();
    }

    CStone* Rock(int size, int variant, bool scenery = false)
    {
        CStone* rock = new CStone(400, 600, size, variant, false, scenery);
        map->rocks.push_back(rock);
        return rock;
    }

    static int Remaining(CStone* rock) { return rock->GetSelectedTopDetail().number; }
};

}  // namespace

TEST_F(RockTest, DroppingMarksOnceAndTheButtonTogglesTheMark)
{
    CStone* first = Rock(2, 0);
    CStone* second = Rock(2, 1);
    EXPECT_EQ(first->DroppedOn(), 4);
    EXPECT_EQ(second->DroppedOn(), 4);
    EXPECT_EQ(first->DroppedOn(), 4);
    EXPECT_EQ(CStone::choppable, (std::vector<CStone*>{first, second}));
    EXPECT_EQ(first->GetSelectedDetailButton().number, 2);

    first->RespondToDetailButtonClick();
    EXPECT_FALSE(first->IsChoppable());
    EXPECT_EQ(first->GetSelectedDetailButton().number, 1);
    EXPECT_EQ(CStone::choppable, (std::vector<CStone*>{second}));
    first->RespondToDetailButtonClick();
    EXPECT_EQ(CStone::choppable, (std::vector<CStone*>{second, first}));
}

TEST_F(RockTest, TheLastUnitConsumesTheRockAndDeselectsItAtItsNextPump)
{
    CStone* rock = Rock(2, 2);
    rock->DroppedOn();
    rock->Clicked();
    ASSERT_EQ(CObject::selectedObject, rock);
    for (int i = 0; i < kRockKinds[2].amount - 1; i++) {
        rock->RemoveResource();
    }
    EXPECT_FALSE(rock->IsConsumed());
    EXPECT_EQ(Remaining(rock), 1);
    rock->RemoveResource();
    EXPECT_TRUE(rock->IsConsumed());
    EXPECT_TRUE(CStone::choppable.empty());
    EXPECT_EQ(CountObstructionsOf(rock), 0);
    int z = 0;
    EXPECT_FALSE(rock->IsAtCoords(z, -1, -1));
    EXPECT_EQ(CObject::selectedObject, rock);
    rock->Pump(0, 0, 1);
    EXPECT_EQ(CObject::selectedObject, nullptr);
}

// Each size's picture, number of variants and stone, written out as the
// sizes' table gives them.
TEST_F(RockTest, EachSizeHasItsPicturesAndItsStone)
{
    const struct {
        const char* image;
        int variants, amount;
    } sizes[] = {
        {"rock_large%i.png", 5, 320},  {"rock_medium%i.png", 8, 160},   {"rock_small%i.png", 3, 80},
        {"rock_bigger%i.png", 1, 640}, {"rock_biggest%i.png", 1, 1600},
    };
    for (int size = 0; size < 5; size++) {
        for (int variant : {0, sizes[size].variants - 1}) {
            CStone* rock = Rock(size, variant);
            EXPECT_EQ(Remaining(rock), sizes[size].amount) << size;
            char name[64];
            snprintf(name, sizeof name, sizes[size].image, variant);
            EXPECT_EQ(rock->GetSpriteForSidebar().name, name);
            // The picture stands on the rock's foot point: hit in its middle.
            const int h = CSprite::draw->GetH(CSprite::draw->LoadImage(name, false, true));
            int z = 0;
            EXPECT_TRUE(rock->IsAtCoords(z, 400, 600 - h / 2)) << name;
        }
    }
}

// With the view scrolled, a world point on the rock and the pointer over the
// same spot on the screen both hit it, pixel-exactly; the pointer or a point
// beside it misses.
TEST_F(RockTest, AScrolledRockIsHitAtItsWorldPointAndUnderThePointer)
{
    CStone* rock = Rock(0, 0);
    map->offsetX = -150;
    map->offsetY = -220;
    rock->Pump(map->offsetX, map->offsetY, 1);
    const int h = CSprite::draw->GetH(CSprite::draw->LoadImage("rock_large0.png", false, true));
    const int worldY = 600 - h / 2;
    int z = 0;
    EXPECT_TRUE(rock->IsAtCoords(z, 400, worldY));
    EXPECT_NE(z, 0) << "the picture's depth";
    z = 0;
    EXPECT_FALSE(rock->IsAtCoords(z, 400, 600 + 40)) << "below its foot";

    MouseAt(400 + map->offsetX, worldY + map->offsetY);
    EXPECT_TRUE(rock->IsAtCoords(z, -1, -1));
    MouseAt(400, worldY);
    EXPECT_FALSE(rock->IsAtCoords(z, -1, -1)) << "the world point is not the screen's";
}

TEST_F(RockTest, StardustRefillsOnlyAWorkedRock)
{
    CStone* rock = Rock(0, 1);
    EXPECT_FALSE(rock->AcceptStardust());
    EXPECT_EQ(Remaining(rock), 320);
    rock->RemoveResource();
    rock->RemoveResource();
    EXPECT_TRUE(rock->AcceptStardust());
    EXPECT_EQ(Remaining(rock), 320);
}

TEST_F(RockTest, ADelayedRockIsStillPickedAndFromEitherSide)
{
    int x = 0, y = 0, side = 0;
    EXPECT_EQ(CStone::FindRockCoords(x, y, side, false), nullptr);
    CStone* rock = Rock(3, 0);
    rock->DroppedOn();
    rock->DelayChop();
    bool seen[3] = {false, false, false};
    for (int i = 0; i < 40; i++) {
        ASSERT_EQ(CStone::FindRockCoords(x, y, side, false), rock);
        seen[side] = true;
    }
    EXPECT_TRUE(seen[1] && seen[2]) << "both sides are taken";
}

TEST_F(RockTest, SavedRocksComeBackWithAmountsMarksAndWorkOrder)
{
    CStone* big = Rock(3, 0, true);
    CStone* small = Rock(2, 1);
    CStone* gone = Rock(1, 3);
    small->DroppedOn();
    big->DroppedOn();
    for (int i = 0; i < 17; i++) {
        big->RemoveResource();
    }
    for (int i = 0; i < 160; i++) {
        gone->RemoveResource();
    }
    CStone::SaveRocks();
    const std::vector<rock_data> first = CProfile::current->GetVectorValue<rock_data>(3);
    ASSERT_EQ(first.size(), 2u) << "a consumed rock is not saved";
    // Saving again gives the same bytes: no padding carries stale memory.
    CStone::SaveRocks();
    const std::vector<rock_data> second = CProfile::current->GetVectorValue<rock_data>(3);
    EXPECT_EQ(memcmp(first.data(), second.data(), first.size() * sizeof(rock_data)), 0);
    for (const rock_data& record : first) {
        EXPECT_EQ(record.padding1[0] | record.padding1[1] | record.padding1[2] | record.padding2[0] |
                      record.padding2[1],
                  0);
    }

    for (CStone* rock : std::vector<CStone*>(map->rocks)) {
        delete rock;
    }
    ASSERT_TRUE(CStone::choppable.empty());
    const std::vector<CStone*> loaded = CStone::LoadRocks();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->GetSize(), 3);
    EXPECT_EQ(Remaining(loaded[0]), 640 - 17);
    EXPECT_TRUE(loaded[0]->IsChoppable());
    EXPECT_TRUE(loaded[0]->IsScenery());
    EXPECT_EQ(loaded[1]->GetSize(), 2);
    EXPECT_EQ(loaded[1]->GetType(), 1);
    EXPECT_EQ(Remaining(loaded[1]), 80);
    EXPECT_EQ(CStone::choppable, (std::vector<CStone*>{loaded[0], loaded[1]})) << "record order";
    for (CStone* rock : loaded) {
        delete rock;
    }
}

TEST_F(RockTest, DamagedSavedRocksAreRepairedOrDropped)
{
    struct damaged {
        int size, variant, remaining, maximum;
        bool kept;
        int wantRemaining, wantMaximum;
    };
    const damaged cases[] = {
        {7, 0, 10, 10, false, 0, 0},        // no such size
        {2, 3, 10, 10, false, 0, 0},        // no such variant
        {2, 0, 30, 0, true, 30, 80},        // no maximum: the size's amount
        {2, 0, 500, 9000, true, 80, 80},    // above the table
        {2, 0, 30, 81, true, 30, 80},       // a maximum one above the table
        {2, 0, 80, 80, true, 80, 80},       // whole, at the table's maximum
        {2, 0, 81, 80, true, 80, 80},       // one more than its maximum
        {2, 0, 1, 80, true, 1, 80},         // the last unit, as saved
        {2, 0, 0, 80, true, 1, 80},         // nothing left yet saved
        {2, 0, -4, 80, true, 1, 80},
    };
    std::vector<rock_data> records;
    for (const damaged& c : cases) {
        rock_data record{};
        record.footX = 100;
        record.footY = 200;
        record.size = c.size;
        record.variant = c.variant;
        record.remaining = c.remaining;
        record.maximum = c.maximum;
        record.consumed = 1;
        record.marked = 7;
        records.push_back(record);
    }
    CProfile::current->SetVectorValue<rock_data>(3, records);
    const std::vector<CStone*> loaded = CStone::LoadRocks();
    size_t next = 0;
    for (const damaged& c : cases) {
        if (!c.kept) {
            continue;
        }
        SCOPED_TRACE(testing::Message() << c.remaining << " of " << c.maximum << " saved");
        ASSERT_LT(next, loaded.size());
        CStone* rock = loaded[next++];
        EXPECT_EQ(Remaining(rock), c.wantRemaining);
        EXPECT_FALSE(rock->IsConsumed());
        EXPECT_TRUE(rock->IsChoppable());
        rock->AcceptStardust();
        EXPECT_EQ(Remaining(rock), c.wantMaximum);
    }
    EXPECT_EQ(next, loaded.size());
    EXPECT_NE(Log().find("dropped"), std::string::npos);
    for (CStone* rock : loaded) {
        delete rock;
    }
}

TEST_F(RockTest, DeletedRocksLeaveTheIslandsListsAndTheWorkList)
{
    CStone* rock = Rock(0, 0);
    map->beachRocks.push_back(rock);
    rock->DroppedOn();
    delete rock;
    EXPECT_TRUE(map->rocks.empty());
    EXPECT_TRUE(map->beachRocks.empty());
    EXPECT_TRUE(CStone::choppable.empty());
}
