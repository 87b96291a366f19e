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

    // A wet beach point with open sea 200 px to its right and, 200 px to its
    // left, a tile of the given size holding grass (or not grass).
    static bool FindShore(CMap& island, int& atX, int& atY, int tileSize, bool grass)
    {
        for (int y = 400; y < 3600; y += 16) {
            for (int x = 400; x < 3600; x += 16) {
                const float depth = island.GetDepth(x, y, 0);
                if (depth > 1.02f && depth < 1.2f && island.GetWaterDepth(x + 200, y, 50) < 0.6f &&
                    island.TileContainsTerrain_coords(x - 200, y, tileSize, grass)) {
                    atX = x;
                    atY = y;
                    return true;
                }
            }
        }
        return false;
    }

    // What the game screen does in one frame for the island and its life,
    // then the whole screen drawn.
    static void ShoreFrame(CMap& island)
    {
        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        CFootprint::PumpAll(island.offsetX, island.offsetY);
        CRipple::PumpAll(island.offsetX, island.offsetY);
        CSprite::renderer->Render(false);
    }
};
