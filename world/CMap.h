// The island: its terrain as a grid of heights and a coarse grid of terrain
// tiles, the islanders' start location and resource piles, the seed it was
// generated from and the chooser's history of seeds, and the lists of the
// trees, rocks, doodads, mysteries and flowers that belong to it. One island
// exists at a time, in one of two sizes: the island chooser's small preview
// (513 samples a side) or the playable island (4097 samples). It is reached
// through CControllerGame::island; the island chooser creates it and the
// screen that ends the game deletes it. The island owns its sprites, images
// and sounds; the world objects in its lists are deleted by
// CObject::UnloadAll, not by the island.
//
// Coordinates: world pixels are the pixels of the island image; world (x, y)
// is playable sample (x + 96, y + 96) and preview sample (x / 8 + 12,
// y / 8 + 12). A terrain tile is 32 playable or 4 preview samples. Divisions
// round toward zero.
//
// Every island comes from its seed alone: generation reseeds the shared
// random generator at each stage, and nothing else may draw from it while an
// island is made.
#pragma once

#include "TerrainTiles.h"
#include "Types.h"
#include "WeatherTypes.h"
#include "WorldTypes.h"

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

class CDoodad;
class CMysteriousObject;
class CSound;
class CSprite;
class CStone;
class CTree;

class CMap {
public:
    static constexpr int SCENERY_SPRITES = 30;  // the chooser's boat, easter egg and atolls
    static constexpr int BANNER_PICTURES = 6;
    // generate: make a new random island at once.
    explicit CMap(bool generate);
    ~CMap();
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    // ---- Lifecycle and loading banner (CMap_Lifecycle.cpp) -----------------
    // Each loads or frees the island's sprites, images and sounds only once.
    void LoadSprites(bool generate);
    void UnloadSprites();
    // Switches between the preview and the playable island of the same seed;
    // ignored while the chooser's scan runs unless forced.
    void ToggleBig(bool force);
    // Moves the banner's boat on by step pixels and puts the banner on the
    // screen at once (on the preview only when forced). Step 0 freezes the
    // current screen behind it. Sound is pumped on every call; the banner is
    // redrawn at most once every 33 ms.
    void ShowLoading(int step, bool force);
    void HideLoading();
    // Whether a banner step redraws: a new banner always, its later steps
    // once 33 ms have passed since the last redraw (ticks may wrap).
    static bool BannerRedrawDue(bool fresh, Uint32 now, Uint32 lastDraw);
    // The player's visual-effects setting (profile bool 7), which switches the
    // decorative motion on and off; off while no profile exists.
    static bool VisualEffectsOn();

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

    // ---- The grids ------------------------------------------------------------
    // Both grids at the given size, every sample -1 (the heights keep their
    // memory when the size stays).
    void AllocateGrids(int width, int height);
    void FreeSandNoise();
    // Height of a sample of the current size; 0 outside the grid.
    int GetHeight(int sx, int sy) const
    {
        const bool inside = heights && sx >= 0 && sy >= 0 && sx < samplesWide && sy < samplesHigh;
        return inside ? heights[sx + static_cast<size_t>(sy) * samplesWide] : 0;
    }
    void SetHeight(int sx, int sy, int h);
    // Sand noise of a sample; -1 outside the grid or when there is none.
    int GetSandNoise(int sx, int sy) const;
    unsigned int GetTile(int tileX, int tileY) const;
    void SetTile(int tileX, int tileY, unsigned int bits);
    int GetSamplesWide() const { return samplesWide; }
    int GetSamplesHigh() const { return samplesHigh; }

    // ---- Generation (CMap_Generation.cpp, CMap_Fractal.cpp, CMap_Ground.cpp) -
    // seed 0 asks for a new island; width and height -1 take the current
    // kind's size. A rejected preview is dropped and the next random seed is
    // tried until one is accepted.
    void CreateMap(unsigned int seed, int width, int height, bool travel, bool remember, bool force);
    // Only the heights of seed for the current kind: grids, corner and lattice
    // draws, border, peaks and the height fractal. The first stage of CreateMap.
    void GenerateHeights(unsigned int seed);
    // One level of the diamond-square fractal on grid (the heights when null);
    // every sample still -1 gets a value and costs one draw.
    void FractalPass(float scale, int size, int* grid);
    // The acceptance test of a preview island's share of grass and sand.
    bool CheckGrassAndSand();
    // Preview only: the tile flags from the heights.
    void ClassifyTiles();
    // On entry x1, y1 hold the least width and height in tiles; on success the
    // skip-th qualifying rectangle of tiles that all have mask, in preview
    // samples. The last argument is not used.
    bool GetSizedRegion(int mask, int& x1, int& y1, int& x2, int& y2, int skip, bool unused);
    // Paints the island image from the heights; x = -1 paints all of it.
    void DrawFractalMapPixels(int x, int y, int w, int h, bool banner);
    void AddMapColour(float fraction, int r, int g, int b);
    void AddMapColourRange(float top, int r1, int g1, int b1, float bottom, int r2, int g2, int b2, int steps);
    void AddNextColour(float span, int r, int g, int b, int steps);
    // The built-in colour ramp of the island's kind.
    void LoadColourDataFromFile(bool playableRamp);
    int GetGroundImage() const { return groundImage; }

    // ---- Populating (CMap_Populate.cpp, CMap_Flowers.cpp) ---------------------
    // World pixels; hidden at once on the preview.
    CStone* AddRock(int x, int y, int size, bool addToList, bool scenery);
    CTree* AddTree(int x, int y, int size, int trunk, bool addToList, bool scenery, bool mysterious);
    // Null when no place was found within the attempt limit (logged).
    CTree* PlaceTree(int size, int gap, int reach, bool anywhere);
    CStone* PlaceRock(int size, int rockGap, int reach, int treeGap, bool anywhere);
    void CreateTreesForIsland();
    void CreateRocksForIsland();
    void CreateFlowersForIsland();
    // False when the three mysteries find no places: the island is rejected.
    bool CreateMysteriousObjectsForIsland();
    // One flower of the generator, recorded but not painted.
    bool PlaceFlower(int size, int group, int minFlowerDist, int maxFlowerDist, int minObjectDist,
                     int maxObjectDist, bool newClump, bool nearLast);
    // x = -1 paints every recorded flower into the ground.
    void DrawFlowers(int x, int y, int w, int h);

    // ---- Painting the ground (CMap_Paint.cpp, CMap_Grass.cpp) -----------------
    // Every paint is clipped to the island image. Flowers are at world pixels
    // of their top-left; size -1 draws a size at each paint.
    void AddFlower(int x, int y, int colour, int size, int type);
    void RenderFlowerAt(int x, int y, int colour, int size, int type);
    void RenderFlowerAtWithinRect(int x, int y, int colour, int size, int type, int rx, int ry, int rw, int rh);
    // Removes the flowers within radius of (x, y) and repaints their ground.
    void EraseFlowers(int x, int y, int radius);
    void EraseAllFlowers();
    // The tufts whose centre lies within half a tuft's width of a point, once
    // for each such point, painted into the sprite's images from firstImage
    // on (-1 all). The images change in place: once per object.
    void GetGrassOverSprite(CSprite* sprite, const std::vector<coordinate>& points, int firstImage);
    void RenderGrassOverSprite(const std::vector<grasschunk>& tufts, CSprite* sprite, int firstImage);
    static bool SortByYCoordinate(const grasschunk& a, const grasschunk& b);

    // ---- View and scrolling (CMap_View.cpp) ------------------------------------
    // Once a frame: scrolling and centring, then the island's moving parts.
    void Pump();
    // Shows world (x, y): now jumps at once (unclamped until the next Pump),
    // smart moves only the axes on which the point left the middle of the
    // view, else the view glides there. Ignored while a locked centring runs.
    // Returns the change made at once.
    coordinate CenterScreen(int x, int y, bool now, bool smart, bool lock);
    void StopCenteringScreen();
    bool IsCenteringScreen();
    // The world point's place relative to the view's centre (322, 280).
    coordinate GetDistFromScreenCenter(int x, int y);
    // Moves the view, clamped; returns the change in x that was made.
    int OffsetMap(int dx, int dy);
    void MouseClick(bool left, bool right, bool released, bool overPanel);
    void MouseMove(int x, int y);
    bool IsMouseOverResourcePile();

    // ---- Saving and loading (CMap_Save.cpp) ------------------------------------
    // Into and out of the active profile; no file is written. False when the
    // saved seed makes no island (0, or one the generator turns down): the
    // loaded objects are then left for the caller to unload, never placed on
    // another island.
    void SaveMap();
    bool LoadMap(bool force);
    void SaveFlowers();
    // Returns how many saved flowers were left out.
    size_t LoadFlowers();

    // ---- Dressing the island (CMap_Decoration.cpp, CMap_Waves.cpp) ----------
    void CreateGrassForIsland();
    void CreateDoodadsForIsland(bool force);
    void GetGrassOverSprite(CSprite* sprite, int margin, int firstImage);
    // Finds the places of the coast waves along the playable island's shore.
    void CreateWavesForIsland(bool banner);
    void AddWave(float x, float y, float angle, int coastX, int coastY, int pointX, int pointY);
    void ResetWave(wave_struct* wave);
    void RemoveWaves();
    // Finds the places of the small waves around the preview island.
    void InitSmallWaves();
    void AddSmallWave(float x, float y, float angle, int sx, int sy, int ex, int ey);
    void ResetSmallWave(small_wave* wave);
    void DeleteSmallWaves();
    void CreateFroth();
    void EraseFroth();

    // ---- Waves, small waves and froth in motion (CMap_WaveMotion.cpp) --------
    // One frame of every coast wave: it rolls in, breaks on the shallows,
    // throws spray, sounds its surf and has its area redrawn.
    void DrawWaves();
    // One frame of the preview's small waves, five kept running, drawn where
    // the chooser's scan has the island.
    void MoveSmallWaves();
    // The sea's share of the island's frame. With the visual effects on, the
    // waves of the island's kind are built once (a coast without any is not
    // scanned again until the effects go off and on) and moved, and the
    // playable island shows its froth; with them off all of it goes.
    void PumpSea();
    std::vector<froth_data> froth;
    bool coastWavesBuilt = false, smallWavesBuilt = false;

    // ---- Weather and the chooser's scan (CMap_Weather.cpp, CMap_Chooser.cpp) -
    void LoadClouds();
    void UnloadClouds();
    void MoveClouds();
    void LoadRain();
    void UnloadRain();

    // ---- Rain and thunder (CMap_Weather.cpp) ---------------------------------
    static constexpr int RAIN_DROPS = 50;
    static constexpr int CLOUDS = 12;
    // kind: 0 rain, 1 thunderstorm, 2 heavy storm. While the tutorial has not
    // reached its weather step, calls about storms do nothing.
    void SetRain(bool on, int kind);
    // One frame of rain and thunder on the playable island.
    void MoveRain();
    // Hides every drop and splash; the rain itself goes on.
    void HideRain();
    // Playable island: the view moved by (dx, dy) outside the view's own moves.
    void AdjustRain(int dx, int dy);
    void ResetRainDrop(int i, bool initial);
    int rainKind = 0;
    rain_drop drops[RAIN_DROPS];
    CSprite* rainOverlay = nullptr;
    cloud_data clouds[CLOUDS];
    int activeClouds = 3;
    void InitSpline(unsigned int seed);
    bool ScanningForIsland();

    // ---- The chooser's travel scan and island history (CMap_Chooser.cpp) -----
    // One step of the scan; on the playable island it only places the ground.
    void RenderMapToScreen();
    void GetPointOnSpline(float_coordinate& out, float t);
    // Each is ignored while a scan runs.
    void NewMap(unsigned int seed);
    void NextMap();
    void PreviousMap();
    // The scan's curve: from curve[1] (where the old island lies from the new
    // one) to curve[2] = (0, 0) (the new island at rest).
    float_coordinate curve[4] = {};
    float_coordinate camera = {}, previousCamera = {};
    float_coordinate scanPoint = {};  // the new island's place on the curve
    float_coordinate sceneryPoints[SCENERY_SPRITES] = {};
    int previousHistoryIndex = 0;

    // ---- The mini-map (CMap_MiniMap.cpp) ---------------------------------------
    // A new picture of the playable island shrunk by 8 with what stands on it,
    // clouds and rain; the caller owns the image.
    int GetMiniMap();
    // Fills the picture list with the mini-map's objects. The islanders'
    // pictures are made here and put into images (by their painting key),
    // which the caller releases.
    void GatherMiniMapObjects(std::map<std::string, int>& images);
    // Paints the picture list onto image base in key order. Each picture is
    // taken from images by its name, shrink factor and brightening, or made
    // and added there.
    void PaintMiniMapObjects(int base, std::map<std::string, int>& images);
    // Paints the preview's picture list into the ground image, each picture
    // made once per name, shrinking and brightening.
    void PaintPreviewPictures();
    // Five clouds for the mini-map, kept off the island's middle and apart:
    // each picture number and the top-left of its place.
    static constexpr int MINIMAP_CLOUDS = 5;
    static void ChooseMiniMapClouds(coordinate (&places)[MINIMAP_CLOUDS], int (&numbers)[MINIMAP_CLOUDS]);

    // ---- Lifecycle state ------------------------------------------------------
    Uint32 creationTime;  // also the time of the generator's last sound pump
    int bannerProgress;   // pixels the banner's boat has moved
    int progress;         // generation steps of the current stage
    bool loading;         // true while a saved island is rebuilt
    bool spritesLoaded;

    // ---- The island's data ---------------------------------------------------
    int startX, startY;  // preview samples with the border; -1 none
    std::multimap<int, minimap_object> previewPictures;  // keyed by foot y
    std::vector<grasschunk> grass;

    int grassLevel;    // at and above: grass
    int seaLevel;      // the waterline; sand tiles begin 100 below it
    int shallowLevel;  // at and above (below the sand): shallow water
    int deepLevel;     // below: deep water

    float heightRoughness, sandRoughness, sandColourExponent, sandColourBlend;

    int lastColourR, lastColourG, lastColourB;
    float rampCursor;  // -1.0 for an empty ramp
    std::map<int, map_colour> colourRamp;  // height 0..10000 to colour

    std::map<int, map_seed> islandHistory;
    int currentHistoryIndex;

    unsigned int lastFixedSeeds[2];
    bool seeded;  // the generator is seeded for the island being made

    CMysteriousObject* mysteries[3];  // null when absent
    static bool mysteriousObjectsLoaded;

    CSprite* pileSprites[6];
    coordinate piles[3];  // wood, rock, food

    std::vector<CTree*> trees, beachPalms;
    std::vector<CStone*> rocks, beachRocks;
    std::vector<CDoodad*> doodads;
    int placementThreshold;  // the first trees go to the highest grass

    CSprite* ground;       // holds the island image
    CSprite* previewCopy;  // the last preview island, while the chooser travels

    int borderX, borderY;
    bool playable;

    // ---- View, weather, waves and chooser state ---------------------------------
    int offsetX, offsetY;  // scroll offset: world + offset = screen
    int scrollDeltaX, scrollDeltaY;
    bool personCarried, tombstoneCarried, placingFlowersOrTrees;
    bool raining;
    int rainFramesLeft;
    int thunderCountdown;
    int scanFrame;  // 120 while no scan runs
    float_coordinate travelFrom;  // where the chooser's scan came from
    std::vector<wave_struct> waves;
    std::vector<small_wave> smallWaves;

    std::vector<flower_data> flowers;

    // ---- View state (CMap_View.cpp) ---------------------------------------------
    enum { ARROW_UP, ARROW_RIGHT, ARROW_DOWN, ARROW_LEFT };
    bool arrowHeld[4] = {false, false, false, false};
    float arrowSpeed = 1.0f;  // pixels a frame of arrow-key scrolling
    int dragAnchorX = -1, dragAnchorY = -1;
    bool dragActive = false, pressOverPanel = false;
    bool mapDragged = false;  // read by the tutorial
    int centreTargetX = -1, centreTargetY = -1;  // -1, -1: no centring
    bool centreLock = false;
    float lastCentreDistance = -1.0f;

private:
    struct sized_region {
        int x1, y1, x2, y2;  // preview samples
    };
    struct flower_grid;
    // Decoded pictures the previews' trees and rocks copy, kept from one
    // preview to the next (CMap_Populate.cpp).
    struct picture_hold {
        std::vector<int> trees, rocks;
        void Release();
        ~picture_hold() { Release(); }
    } heldPictures;

    void ResetTerrain();
    // Playable or preview sample under world point (x, y).
    void WorldToSample(int x, int y, int& sx, int& sy) const;
    bool InGrid(int sx, int sy) const;

    // Generation stages.
    bool GenerateOnce(unsigned int seed, int width, int height, bool travel, bool remember, bool force);
    unsigned int ChooseSeed(unsigned int seed);
    void PrepareGrids(int width, int height);
    void SeedGrids();
    void RunFractal(int* grid, float roughness);
    void RunFractal(int16_t* grid, float roughness);
    void FractalProgress();
    void EnsureTerrainOf(unsigned int seed);
    bool FindStartLocation();
    void MakeGround();
    void MakeCamp();
    void AddPreviewPicturesOfCamp(bool newIsland);
    void AddPicture(int key, int x, int y, const char* name, bool shrink, bool tint);
    void AddCentredPicture(int cx, int cy, const char* name, int keyOffset);
    const std::vector<sized_region>& SizedRegions(int mask, int leastW, int leastH);
    bool OnOpenGrass(int sx, int sy);
    void AddTreePictures();
    void AddRockPictures();
    void AddMysteryPictures();
    void PlaceFlowers(int count, int tries, bool drawGroup, int group, int minFlowerDist, int maxFlowerDist,
                      bool newClump, bool nearLast);
    void AddFlowerPictures();
    // The smallest rounded distance from (x, y) to a flower that is at most
    // within, or -1 when no flower is that close.
    int NearestFlowerDistance(int x, int y, int within) const;

    // ---- View helpers (CMap_View.cpp) -------------------------------------------
    // Keeps the scroll offset inside the island; resets the view state.
    void ClampOffset();
    void ResetView();
    // Adds a change of the scroll offset to the rain's scroll delta.
    void AddScrollDelta(int dx, int dy);

    bool WaterRingClear(int x, int y) const;
    void LoadBanner();
    void DrawBanner(bool freshBackdrop);
    // What reaches the screen through the renderer.
    static void PresentNow();
    static void RedrawWholeScreen();

    int samplesWide, samplesHigh;  // -1 before the first generation
    unsigned int tiles[MAP_TILES * MAP_TILES];  // [tile x][tile y]
    int* heights;    // owned; row-major, null before the first generation
    int16_t* sandNoise;  // owned; exists only during a generation
    int groundImage;  // the island image, held by the ground sprite; -1 none

    // The seed the tiles and start location were computed for.
    unsigned int terrainSeed;
    bool terrainKnown;
    // The regions of the last search, with the tiles they were found in.
    int regionMask, regionLeastW, regionLeastH;
    std::vector<unsigned int> regionTiles;
    std::vector<sized_region> regions;
    flower_grid* flowerGrid;  // only while the flowers are placed

    CSound* sndRain;
    CSound* sndThunder[2];
    int grassTufts[6][5], minimapTufts[6][5], grassBlades[6];  // image ids by level and variant
    CSprite* scenery[SCENERY_SPRITES];
    CSprite* banner[BANNER_PICTURES];
    CSprite* bannerText[2];  // shown during a game, shown otherwise
    CSprite* backdrop;
    Uint32 lastBannerDraw;
    bool bannerDrawn;
};
