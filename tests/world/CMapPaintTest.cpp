#include "IslandSeeds.h"
#include "tests/world/CMapGenerationFixture.h"

namespace {

class IslandPaintTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        PreviewOf(kFixedIslandSeeds[11]).flowers.clear();
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
    // Ground pixels changed since the snapshot, outside the rectangle.
    int ChangedOutside(int rx, int ry, int rw, int rh)
    {
        CDraw* draw = CSprite::draw;
        const int ground = map->GetGroundImage();
        int changed = 0;
        draw->LockImage(ground);
        draw->LockImage(before);
        for (int y = 0; y < draw->GetH(ground); y++) {
            for (int x = 0; x < draw->GetW(ground); x++) {
                const bool inside = x >= rx && x < rx + rw && y >= ry && y < ry + rh;
                changed += !inside && draw->getpixel(ground, x, y) != draw->getpixel(before, x, y);
            }
        }
        draw->UnlockImage(before);
        draw->UnlockImage(ground);
        return changed;
    }
    int before = -1;
};

}  // namespace

TEST_F(IslandPaintTest, FlowersAreCutToTheRepaintAndToTheImage)
{
    map->RenderFlowerAtWithinRect(100, 100, 3, 0, 1, 106, 100, 50, 50);
    EXPECT_EQ(ChangedOutside(106, 100, 50, 50), 0);
    EXPECT_GT(ChangedOutside(0, 0, 0, 0), 0);

    // A damaged record far beyond the image: the image store's 16-bit
    // positions would wrap it onto (100, 100).
    Snapshot();
    map->AddFlower(65536 + 100, 100, 2, 0, 0);
    map->DrawFlowers(-1, -1, -1, -1);
    EXPECT_EQ(ChangedOutside(0, 0, 0, 0), 0);
}

TEST_F(IslandPaintTest, TheEraserRepaintsOnlyTheBoxesOfTheFlowersItTakes)
{
    map->AddFlower(-6, 483, 2, 1, 0);  // over the image's corner
    Snapshot();
    map->EraseFlowers(300, 300, 15);
    EXPECT_EQ(map->flowers.size(), 1u) << "nothing within reach";
    EXPECT_EQ(ChangedOutside(0, 0, 0, 0), 0) << "and nothing repainted";
    const int banner = map->bannerProgress;
    map->EraseFlowers(0, 480, 15);
    EXPECT_TRUE(map->flowers.empty());
    EXPECT_EQ(ChangedOutside(0, 483, 6, 6), 0) << "only the flower's box, cut to the image";
    EXPECT_GT(ChangedOutside(0, 0, 0, 0), 0);
    map->DrawFlowers(0, 0, 200, 200);
    EXPECT_EQ(map->bannerProgress, banner) << "a repaint during play shows no loading banner";
}

TEST_F(IslandPaintTest, TheEraserTakesEveryFlowerWithinItsReachItsEdgeIncluded)
{
    const struct {
        int x, y;
        bool taken;
    } flowers[] = {
        {309, 312, true},   // exactly 15 away
        {300, 285, true},   // 15 straight up
        {300, 300, true},   // under the eraser
        {301, 315, false},  // just past 15
        {316, 300, false},
    };
    for (const auto& f : flowers) {
        map->AddFlower(f.x, f.y, 1, 0, 0);
    }
    map->EraseFlowers(300, 300, 15);
    std::vector<std::pair<int, int>> left, expected;
    for (const flower_data& flower : map->flowers) {
        left.emplace_back(flower.x, flower.y);
    }
    for (const auto& f : flowers) {
        if (!f.taken) {
            expected.emplace_back(f.x, f.y);
        }
    }
    EXPECT_EQ(left, expected);
}

TEST_F(IslandPaintTest, ARepaintPutsBackTheTuftsAndFlowersItCovers)
{
    map->DrawFlowers(180, 180, 80, 80);  // bare ground there
    const int tuft = CSprite::draw->LoadImage("temp_grasstuft_green_large0_0.png", false, false);
    CSprite::draw->DisplayImageOnImage(tuft, map->GetGroundImage(), 200, 200);
    map->grass = {{200, 200, tuft, CSprite::draw->GetW(tuft), CSprite::draw->GetH(tuft)}};
    map->AddFlower(195, 205, 0, 0, 0);
    Snapshot();
    map->DrawFlowers(190, 204, 40, 6);  // across the whole tuft and the flower
    EXPECT_EQ(ChangedOutside(0, 0, 0, 0), 0) << "ground, tuft and flower as they were";
    map->grass.clear();
    CSprite::draw->RemoveImage(tuft);
}
