// The island: its terrain as a grid of heights and a coarse grid of terrain
// tiles, the islanders' start location and resource piles, the seed it was
// generated from and the chooser's history of seeds, and the lists of the
// trees, rocks, doodads, mysteries and flowers that belong to it. One island
// exists at a time, in one of two sizes: the island chooser's small preview
// (513 samples a side) or the playable island (4097 samples). It is reached
// through CControllerGame::island; the island chooser creates it and the
// screen that ends the game deletes it. The world objects in its lists are
// deleted by CObject::UnloadAll, not by the island.
//
// Coordinates: world pixels are the pixels of the island image; world (x, y)
// is playable sample (x + 96, y + 96) and preview sample (x / 8 + 12,
// y / 8 + 12). A terrain tile is 32 playable or 4 preview samples. Divisions
// round toward zero.
#pragma once

#include "Types.h"
#include "WorldTypes.h"

#include <SDL.h>

#include <map>
#include <vector>

class CDoodad;
class CMysteriousObject;
class CSprite;
class CStone;
class CTree;

// Dominant kind of a terrain tile (exactly one is set) ...
constexpr unsigned int TILE_DEEP = 1;
constexpr unsigned int TILE_MIDDLE = 2;
constexpr unsigned int TILE_SHALLOW = 4;
constexpr unsigned int TILE_SAND = 8;
constexpr unsigned int TILE_GRASS = 16;
// ... and every kind that occurs in it.
constexpr unsigned int TILE_HOLDS_DEEP = 32;
constexpr unsigned int TILE_HOLDS_MIDDLE = 64;
constexpr unsigned int TILE_HOLDS_SHALLOW = 128;
constexpr unsigned int TILE_HOLDS_SAND = 256;
constexpr unsigned int TILE_HOLDS_GRASS = 512;

constexpr int MAP_TILES = 128;
constexpr int PLAYABLE_SAMPLES = 4097;
constexpr int PREVIEW_SAMPLES = 513;
constexpr int PLAYABLE_BORDER = 96;
constexpr int PREVIEW_BORDER = 12;

class CMap {
public:
    explicit CMap(bool generate);
    ~CMap();
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    // ---- Terrain queries (CMap_Terrain.cpp) --------------------------------
    // Every query answers as for open deep sea (height 0) outside the height
    // grid and before any island exists.

    // Height at sample (x + border, y + border) / (sea level - level); land
    // gives values above 1.
    float GetDepth(int x, int y, int level);
    // The same, at most 1.0; with level 50 a value below 1.0 means water.
    float GetWaterDepth(int x, int y, int level);
    // Height at sample (x + border, y + border) as a fraction 0..1.
    float GetTerrainDepth(int x, int y);
    // World pixels: land above sea level + 100.
    bool IsNotOnWater(int x, int y);
    // World pixels: sand strictly between sea level + 100 and grass level - 200.
    bool IsOnlyOnSand(int x, int y);
    // Samples of the current size: the narrow band just below the waterline.
    bool IsWaterEdge(int x, int y);
    // Samples of the current size: no sand tile near and no land on a ring of
    // 150 samples around.
    bool IsSurroundedByWater(int x, int y);
    bool TileContainsTerrain_tile(int tileX, int tileY, int mask);
    // shifted: (x, y) are world pixels; else playable samples.
    bool TileContainsTerrain_coords(int x, int y, int mask, bool shifted);
    // World pixels: inside the ground kept clear around a grass mystery.
    bool CloseToMysteriousObject(int x, int y);
    // The islanders' start point, world pixels.
    int GetStartX();
    int GetStartY();
    // -1.0 before a start location exists.
    float GetDistanceFromStartLocation(int x, int y);
    // Anchor of pile i (0 wood, 1 rock, 2 food): world pixels on the playable
    // island, preview samples before; -1 for any other i.
    int GetPileX(int i);
    int GetPileY(int i);
    // The seed of the history's current entry; a missing entry is made zeroed.
    unsigned int GetCurrentSeed();
    // Pulls a ground colour toward sand on heights 3000..5000.
    void ModifySandColour(int x, int y, int& r, int& g, int& b, int h);

    // ---- The grids ----------------------------------------------------------
    // Replaces both grids with new ones of the given size, every sample -1.
    void AllocateGrids(int width, int height);
    void FreeSandNoise();
    // Height of a sample of the current size; 0 outside the grid.
    int GetHeight(int sx, int sy) const;
    void SetHeight(int sx, int sy, int h);
    unsigned int GetTile(int tileX, int tileY) const;
    void SetTile(int tileX, int tileY, unsigned int bits);
    int GetSamplesWide() const { return samplesWide; }
    int GetSamplesHigh() const { return samplesHigh; }

    // ---- Lifecycle ------------------------------------------------------------
    Uint32 creationTime;
    int bannerProgress;
    bool loading;  // true while a saved island is rebuilt

    // ---- The island's data ---------------------------------------------------
    int startX, startY;  // preview samples with the border; -1 none
    std::multimap<int, minimap_object> previewPictures;  // keyed by foot y
    std::vector<grasschunk> grass;

    int grassLevel;    // at and above: grass
    int seaLevel;      // the waterline; sand tiles begin 100 below it
    int shallowLevel;  // at and above (below the sand): shallow water
    int deepLevel;     // below: deep water

    float heightRoughness;
    float sandRoughness;
    float sandColourExponent;
    float sandColourBlend;

    int lastColourR, lastColourG, lastColourB;
    float rampCursor;  // -1.0 for an empty ramp
    std::map<int, map_colour> colourRamp;  // height 0..10000 to colour

    std::map<int, map_seed> islandHistory;
    int currentHistoryIndex;

    unsigned int lastFixedSeeds[2];
    bool seeded;

    CMysteriousObject* mysteries[3];  // null when absent

    CSprite* pileSprites[6];
    coordinate piles[3];  // wood, rock, food

    std::vector<CTree*> trees;
    std::vector<CTree*> beachPalms;
    std::vector<CStone*> rocks;
    std::vector<CStone*> beachRocks;
    std::vector<CDoodad*> doodads;

    CSprite* ground;
    CSprite* previewCopy;

    int borderX, borderY;
    bool playable;

    // ---- View and carry state -------------------------------------------------
    int offsetX, offsetY;  // scroll offset: world + offset = screen
    bool personCarried;
    bool tombstoneCarried;
    bool placingFlowersOrTrees;

    std::vector<flower_data> flowers;

private:
    void ResetTerrain();
    // Playable or preview sample under world point (x, y).
    void WorldToSample(int x, int y, int& sx, int& sy) const;
    bool InGrid(int sx, int sy) const;

    int samplesWide, samplesHigh;  // -1 before the first generation
    unsigned int tiles[MAP_TILES * MAP_TILES];  // [tile x][tile y]
    int* heights;    // owned; row-major, null before the first generation
    int* sandNoise;  // owned; exists only during a generation
};
