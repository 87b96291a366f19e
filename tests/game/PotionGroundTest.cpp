// The ground a grass potion needs, on a small island of grass whose one tile
// also holds shallow water: that tile is not grass to a potion, the tile
// beside it is.
#include "CControllerGameFixture.h"
#include "CDust.h"
#include "CMap.h"
#include "CMushroom.h"
#include "TerrainTiles.h"

namespace {

constexpr unsigned int kGrass = TILE_GRASS | TILE_HOLDS_GRASS;
constexpr int kPotionFailedTip = 15012;

// The terrain tile that holds world (x, y).
int TileOf(int world) { return (world + 96) / 32; }

int Mushrooms()
{
    int count = 0;
    for (CObject* object : CObject::objects) {
        count += object->isMushroom;
    }
    return count;
}

}  // namespace

TEST_F(GameScreenTest, AGrassPotionFailsOnGrassThatHoldsShallowWater)
{
    CProfile::current->SetValue<bool>(67, false);
    CControllerGame& game = Open();
    // The screen deletes the island it plays on when it closes.
    CMap& island = Fill(*new CMap(false), 1024, true, [](int, int) { return 6000; });
    for (int tx = 0; tx < MAP_TILES; tx++) {
        for (int ty = 0; ty < MAP_TILES; ty++) {
            island.SetTile(tx, ty, kGrass);
        }
    }
    const coordinate wet = {400, 300};
    island.SetTile(TileOf(wet.x), TileOf(wet.y), kGrass | TILE_HOLDS_SHALLOW);

    struct potion_case {
        int potion, tip;
    };
    const potion_case potions[] = {{5, 15017}, {6, 15018}, {9, 15062}};
    int dryY = 150;  // a fresh spot of grass for each potion, clear of the last one's
    for (const potion_case& p : potions) {
        const coordinate dry = {520, dryY};
        dryY += 150;
        for (const coordinate at : {wet, dry}) {
            const bool grass = at.x == dry.x;
            SCOPED_TRACE(testing::Message() << "potion " << p.potion << (grass ? " on grass" : " on wet grass"));
            const size_t heaps = CDust::dust.size();
            const int mushrooms = Mushrooms();
            game.heldPotion = p.potion;
            MouseAt(at.x + island.offsetX, at.y + island.offsetY);
            ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr) << "poured on the ground";
            game.InputMouseClick(true, false, false);
            game.InputMouseClick(true, false, true);
            EXPECT_EQ(game.heldPotion, 0) << "used up either way";
            EXPECT_EQ(CControllerGame::lastToolTip.id, grass ? p.tip : kPotionFailedTip);
            EXPECT_EQ(CDust::dust.size(), heaps + (grass && p.potion == 6 ? 1 : 0));
            EXPECT_EQ(Mushrooms(), mushrooms + (grass && p.potion == 9 ? 4 : 0));
        }
    }
}
