// The ground under a grave: taken while the grave stands, whatever the
// player answers to keep it, and free again once the player clears it away.
#include "CTombstone.h"

#include "LifeFixture.h"

namespace {

class GraveGroundTest : public LifeTest {
protected:
    void TearDown() override
    {
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
        LifeTest::TearDown();
    }

    static CTombstone* Grave(int x, int y)
    {
        return new CTombstone(x, y, "Tala", "11126", "", "12022", 41, 2, true);
    }
};

}  // namespace

TEST_F(GraveGroundTest, AGraveClearedAwayFreesItsGroundAndOneKeptHoldsIt)
{
    CTombstone* standing = Grave(1000, 1000);
    CTombstone* moved = Grave(2000, 2000);
    EXPECT_FALSE(moved->MoveTo(1000, 1000, false, false)) << "the ground is taken";

    for (bool clear : {false, true}) {
        SCOPED_TRACE(clear ? "cleared away" : "kept");
        standing->Drop();
        ASSERT_EQ(CObject::requestingFeedback, standing);
        standing->GiveResponse(clear);
        EXPECT_EQ(CObject::requestingFeedback, nullptr);
        EXPECT_EQ(moved->MoveTo(1000, 1000, false, false), clear);
    }
    EXPECT_EQ(moved->GetX(), 1000);
    EXPECT_EQ(moved->GetY(), 1000);
}
