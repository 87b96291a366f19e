// The terrain tiles are one block of 128 columns of 128 rows: a tile one row
// past a column's end or before its start would land in the neighbouring
// column, so both are refused however near they lie.
#include "CMap.h"
#include "TerrainTiles.h"

#include <gtest/gtest.h>

TEST(CMap, TilesJustOffAColumnAreNeitherWrittenNorReadInTheNextOne)
{
    CMap map(false);
    map.SetTile(1, 0, TILE_GRASS);
    map.SetTile(0, 127, TILE_SAND);
    map.SetTile(127, 127, TILE_GRASS | TILE_HOLDS_SAND);

    map.SetTile(0, 128, TILE_DEEP);   // one row past column 0: tile (1, 0) in the block
    map.SetTile(1, -1, TILE_DEEP);    // one row before column 1: tile (0, 127)
    map.SetTile(126, 128, TILE_DEEP);  // into the last column's first row
    map.SetTile(128, 0, TILE_DEEP);
    EXPECT_EQ(map.GetTile(1, 0), static_cast<unsigned int>(TILE_GRASS));
    EXPECT_EQ(map.GetTile(0, 127), static_cast<unsigned int>(TILE_SAND));
    EXPECT_EQ(map.GetTile(127, 0), 0u);
    EXPECT_EQ(map.GetTile(127, 127), static_cast<unsigned int>(TILE_GRASS | TILE_HOLDS_SAND)) << "the last tile";

    EXPECT_EQ(map.GetTile(0, 128), 0u);
    EXPECT_EQ(map.GetTile(1, -1), 0u);
    EXPECT_FALSE(map.TileContainsTerrain_tile(0, 128, TILE_GRASS));
    EXPECT_FALSE(map.TileContainsTerrain_tile(1, -1, TILE_SAND));
}
