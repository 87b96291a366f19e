// A sprite that hides has its last place painted over; over the side panel
// only sprites of the panel's depth, 20,000,000, and above may repaint it.
#include "CSpriteTestFixture.h"

#include <memory>

TEST_F(SpriteTest, AHiddenSpriteIsPaintedOverOnThePanelOnlyFromThePanelsDepth)
{
    using Rects = std::vector<PF_Rect>;
    const struct {
        int x, z;
        Rects painted;
    } cases[] = {
        {700, 20000000, {{700, 100, 10, 10}}},
        {700, 19999999, {}},
        {640, 20000000, {{640, 100, 10, 10}}},
        {640, 19999999, {{640, 100, 4, 10}}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CSprite> sprite(Block(c.x, 100, c.z, 10, 10));
        Frame();
        sprite->Hide();
        EXPECT_EQ(Frame(), c.painted) << c.x << " at depth " << c.z;
    }
}
