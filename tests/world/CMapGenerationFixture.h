// The island fixture: the world-object fixture with a drawing context over
// the generated resource pack, empty work lists, and helpers that make
// islands, fill their grids and hash what they hold.
#pragma once

#include "CDraw.h"
#include "CMap.h"
#include "CMysteriousObject.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTree.h"
#include "tests/life/LifeFixture.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

// FNV-1a, 64 bits: goldens of grids and lists.
class Fnv {
public:
    void Add(const void* data, size_t size)
    {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; i++) {
            hash = (hash ^ bytes[i]) * 1099511628211ull;
        }
    }
    void Add(int value) { Add(&value, sizeof(value)); }
    uint64_t Value() const { return hash; }

private:
    uint64_t hash = 14695981039346656037ull;
};

class IslandTest : public LifeTest {
protected:
    void SetUp() override
    {
        LifeTest::SetUp();
        CStone::choppable.clear();
        CTree::choppable.clear();
        CMap::mysteriousObjectsLoaded = false;
    }

    void TearDown() override
    {
        map.reset();
        LifeTest::TearDown();
        CStone::choppable.clear();
        CTree::choppable.clear();
    }

    // A preview island object without an island yet.
    CMap& NewMap()
    {
        map = std::make_unique<CMap>(false);
        return *map;
    }

    // The accepted preview island of seed, recorded in the history.
    CMap& PreviewOf(unsigned int seed)
    {
        NewMap();
        map->CreateMap(seed, -1, -1, false, true, false);
        return *map;
    }

    // A square grid without a border unless given, each sample from height(x, y).
    template <class Height>
    static CMap& Fill(CMap& island, int samples, bool playable, Height height, int border = 0)
    {
        island.playable = playable;
        island.borderX = island.borderY = border;
        island.AllocateGrids(samples, samples);
        for (int y = 0; y < samples; y++) {
            for (int x = 0; x < samples; x++) {
                island.SetHeight(x, y, height(x, y));
            }
        }
        return island;
    }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static std::string Log() { return ReadFile("LOG.TXT"); }

    static uint64_t HeightHash(CMap& island)
    {
        Fnv fnv;
        for (int y = 0; y < island.GetSamplesHigh(); y++) {
            for (int x = 0; x < island.GetSamplesWide(); x++) {
                fnv.Add(island.GetHeight(x, y));
            }
        }
        return fnv.Value();
    }

    static uint64_t TerrainHash(CMap& island)
    {
        Fnv fnv;
        for (int tx = 0; tx < MAP_TILES; tx++) {
            for (int ty = 0; ty < MAP_TILES; ty++) {
                fnv.Add(static_cast<int>(island.GetTile(tx, ty)));
            }
        }
        fnv.Add(island.startX);
        fnv.Add(island.startY);
        for (int i = 0; i < 3; i++) {
            fnv.Add(island.GetPileX(i));
            fnv.Add(island.GetPileY(i));
        }
        return fnv.Value();
    }

    static uint64_t PlacementHash(CMap& island)
    {
        Fnv fnv;
        for (CTree* tree : island.trees) {
            fnv.Add(tree->GetX());
            fnv.Add(tree->GetY());
            fnv.Add(tree->GetSize());
            fnv.Add(tree->GetTrunk());
        }
        for (CStone* rock : island.rocks) {
            fnv.Add(rock->GetX());
            fnv.Add(rock->GetY());
            fnv.Add(rock->GetSize());
            fnv.Add(rock->GetType());
        }
        for (CMysteriousObject* mystery : island.mysteries) {
            fnv.Add(mystery ? mystery->GetVariant() : -1);
            fnv.Add(mystery ? mystery->GetX() : -1);
            fnv.Add(mystery ? mystery->GetY() : -1);
        }
        for (const flower_data& flower : island.flowers) {
            fnv.Add(&flower, sizeof(flower));
        }
        return fnv.Value();
    }

    std::unique_ptr<CMap> map;
};
