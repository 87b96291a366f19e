// Painting the ground: flowers cut to a repainted rectangle and to the
// island image, the eraser, and the tufts that a repaint puts back.
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

namespace {

struct changes {
    int inside = 0, outside = 0;
};

// Pixels of the ground that differ from a copy taken before, inside and
// outside the rectangle.
changes ChangesSince(CMap& island, int before, PF_Rect r)
{
    CDraw* draw = CSprite::draw;
    const int ground = island.GetGroundImage();
    changes found;
    draw->LockImage(ground);
    draw->LockImage(before);
    for (int y = 0; y < draw->GetH(ground); y++) {
        for (int x = 0; x < draw->GetW(ground); x++) {
            if (draw->getpixel(ground, x, y) != draw->getpixel(before, x, y)) {
                (PointInRectangle(x, y, r.x, r.y, r.w - 1, r.h - 1) ? found.inside : found.outside)++;
            }
        }
    }
    draw->UnlockImage(before);
    draw->UnlockImage(ground);
    return found;
}

class IslandPaintTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        PreviewOf(kFixedIslandSeeds[11]);
        map->flowers.clear();
        Snapshot();
    }
    void TearDown() override
    {
        CSprite::draw->RemoveImage(before);
        IslandTest::TearDown();
    }
    void Snapshot()
    {
        if (before != -1) {
            CSprite::draw->RemoveImage(before);
        }
        before = CSprite::draw->CopyImage(map->GetGroundImage());
    }
    int before = -1;
};

}  // namespace

TEST_F(IslandPaintTest, AFlowerHalfInsideARepaintIsDrawnOnlyInsideIt)
{
    map->RenderFlowerAtWithinRect(100, 100, 3, 0, 1, 106, 100, 50, 50);
    const changes c = ChangesSince(*map, before, {106, 100, 50, 50});
    EXPECT_GT(c.inside, 0);
    EXPECT_EQ(c.outside, 0);
}

TEST_F(IslandPaintTest, FlowersAtAndBeyondTheEdgeNeverPaintElsewhere)
{
    // A damaged record far beyond the image: the image store's 16-bit
    // positions would wrap it onto (100, 100).
    map->AddFlower(65536 + 100, 100, 2, 0, 0);
    map->DrawFlowers(-1, -1, -1, -1);
    EXPECT_EQ(ChangesSince(*map, before, {0, 0, 1, 1}).outside, 0);

    map->AddFlower(-6, 483, 2, 1, 0);
    EXPECT_GT(ChangesSince(*map, before, {0, 483, 6, 6}).inside, 0);
    Snapshot();
    map->EraseFlowers(300, 300, 15);
    EXPECT_EQ(map->flowers.size(), 2u) << "nothing within reach";
    EXPECT_EQ(ChangesSince(*map, before, {0, 0, 1, 1}).outside, 0) << "and nothing repainted";
    const int banner = map->bannerProgress;
    map->EraseFlowers(0, 480, 15);
    EXPECT_EQ(map->flowers.size(), 1u);
    EXPECT_EQ(ChangesSince(*map, before, {0, 483, 6, 6}).outside, 0) << "only the flower's box, cut to the image";
    map->DrawFlowers(0, 0, 200, 200);
    EXPECT_EQ(map->bannerProgress, banner) << "a repaint during play shows no loading banner";
}

TEST_F(IslandPaintTest, ARepaintPutsBackThePartsOfTuftsItCovers)
{
    map->DrawFlowers(180, 180, 80, 80);  // bare ground there
    const int tuft = CSprite::draw->LoadImage("temp_grasstuft_green_large0_0.png", false, false);
    const int w = CSprite::draw->GetW(tuft), h = CSprite::draw->GetH(tuft);
    CSprite::draw->DisplayImageOnImage(tuft, map->GetGroundImage(), 200, 200);
    map->grass = {{200, 200, tuft, w, h}};
    map->AddFlower(195, 205, 0, 0, 0);
    Snapshot();
    map->DrawFlowers(190, 204, 40, 6);  // across the whole tuft and the flower
    const changes c = ChangesSince(*map, before, {0, 0, 1, 1});
    EXPECT_EQ(c.outside, 0) << "ground, tuft and flower as they were";
    map->grass.clear();
    CSprite::draw->RemoveImage(tuft);
}
