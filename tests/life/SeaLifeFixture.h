// The fixture for the island's creatures and effects: the island fixture with
// the effect pools and fish cleared after each test, and small islands whose
// tiles and heights a test draws itself.
#pragma once

#include "CFish.h"
#include "CFootprint.h"
#include "CRenderer.h"
#include "CRipple.h"
#include "tests/world/CMapGenerationFixture.h"

class SeaLifeTest : public IslandTest {
protected:
    void TearDown() override
    {
        CFootprint::Unload();
        CRipple::Unload();
        CFish::EraseFish();
        IslandTest::TearDown();
    }

    // A playable island whose every terrain tile holds bits(tx, ty) and whose
    // ground lies at height (sea level is 3000) over samples x samples.
    template <class Bits>
    CMap& TiledIsland(Bits bits, int height, int samples = 64)
    {
        CMap& island = Fill(NewMap(), samples, true, [height](int, int) { return height; });
        for (int tx = 0; tx < MAP_TILES; tx++) {
            for (int ty = 0; ty < MAP_TILES; ty++) {
                island.SetTile(tx, ty, bits(tx, ty));
            }
        }
        return island;
    }

    // The tile that holds world (x, y).
    static int TileOf(int world) { return (world + 96) / 32; }

    // One drawn frame: the renderer steps every shown animation.
    static void Frame() { CSprite::renderer->Render(false); }
};
