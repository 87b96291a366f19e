#include "CDoodad.h"
#include "CMap.h"
#include "LifeFixture.h"
#include "Utilities.h"

#include <set>
#include <string>

namespace {

struct kind_size {
    int kind;
    int w, h;
    bool blocksWalking;
};
// The manifest's sizes of each kind's pictures.
constexpr kind_size kKinds[] = {{0, 7, 7, false}, {1, 16, 16, true}, {2, 24, 24, true}, {3, 16, 16, true},
                                {4, 24, 24, true}};

}  // namespace

TEST_F(LifeTest, PebblesBlockPlacementAndShellsAndStarfishBlockWalkingToo)
{
    for (const kind_size& k : kKinds) {
        SCOPED_TRACE(k.kind);
        CDoodad doodad(50, 60, k.kind);
        // The walking block leaves a 3-pixel margin inside the picture...
        EXPECT_EQ(CObject::Collision(53, 63, 1, 1, false), k.blocksWalking);
        EXPECT_EQ(CObject::Collision(50 + k.w - 4, 60 + k.h - 4, 1, 1, false), k.blocksWalking);
        EXPECT_FALSE(CObject::Collision(52, 62, 1, 1, false));
        EXPECT_FALSE(CObject::Collision(50 + k.w - 3, 60 + k.h - 3, 1, 1, false));
        // ... and the placement block a 1-pixel margin around it.
        EXPECT_TRUE(CObject::Collision(49, 59, 1, 1, true));
        EXPECT_TRUE(CObject::Collision(50 + k.w, 60 + k.h, 1, 1, true));
        EXPECT_FALSE(CObject::Collision(48, 58, 1, 1, true));
        EXPECT_FALSE(CObject::Collision(51 + k.w, 61 + k.h, 1, 1, true));
        EXPECT_EQ(CountObstructionsOf(&doodad), k.blocksWalking ? 2 : 1);
    }
}

TEST_F(LifeTest, DoodadShowsOnlyAfterUnHideAndAPump)
{
    CDoodad* doodad = new CDoodad(100, 200, 3);
    MouseAt(108 - 40, 208 - 30);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr);
    doodad->UnHide();
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr) << "not shown before its pump";
    doodad->Pump(-40, -30, 1);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), doodad);
    EXPECT_EQ(CObject::lastObjectZ, 25) << "below every standing object";
    doodad->Hide();
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr);
    doodad->UnHide();
    doodad->Pump(-40, -30, 1);

    // A world point is moved by the island's scroll offset first.
    CMap island(false);
    island.offsetX = -40;
    island.offsetY = -30;
    int z = 0;
    EXPECT_TRUE(doodad->IsAtCoords(z, 108, 208));
    EXPECT_FALSE(doodad->IsAtCoords(z, 108, 217));
}

TEST_F(LifeTest, DoodadOfAnUnknownKindHasNoPictureAndNeverShows)
{
    CDoodad* doodad = new CDoodad(100, 200, 9);
    EXPECT_STREQ(doodad->GetSpriteName(), "");
    EXPECT_EQ(CountObstructionsOf(doodad), 1);
    EXPECT_TRUE(CObject::Collision(99, 199, 2, 2, true));
    EXPECT_FALSE(CObject::Collision(101, 201, 1, 1, true));
    doodad->UnHide();
    doodad->Pump(0, 0, 1);
    MouseAt(100, 200);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr);
}

TEST_F(LifeTest, DeletedDoodadsLeaveTheIslandsList)
{
    CMap island(false);
    CDoodad* kept = new CDoodad(0, 0, 0);
    island.doodads = {kept, new CDoodad(50, 0, 1), new CDoodad(100, 0, 4)};
    delete island.doodads[1];
    EXPECT_EQ(island.doodads.size(), 2u);
    CObject::UnloadAll();
    EXPECT_TRUE(island.doodads.empty());
}

TEST_F(LifeTest, EveryDecorationPictureIsDrawnAndNoOther)
{
    std::set<std::string> pictures;
    for (int number = 0; number <= 23; number++) {
        pictures.insert("pebble_" + std::to_string(number) + ".png");
    }
    const int lastShell[5] = {23, 23, 19, 9, 17};
    for (const std::string size : {"small", "big"}) {
        for (int type = 0; type <= 4; type++) {
            const std::string kind = "_type" + std::to_string(type) + "_";
            for (int variant = 0; variant <= lastShell[type]; variant++) {
                pictures.insert("shell_" + size + kind + std::to_string(variant) + ".png");
            }
            for (int variant = 0; variant <= 2; variant++) {
                pictures.insert("starfish_" + size + kind + std::to_string(variant) + ".png");
            }
        }
    }
    // Seeded, so the same doodads every run: enough that each picture turns up.
    InitRandom(8);
    std::set<std::string> drawn;
    for (int i = 0; i < 8000; i++) {
        CDoodad doodad(0, 0, -1);
        drawn.insert(doodad.GetSpriteName());
    }
    EXPECT_EQ(drawn, pictures);
}
