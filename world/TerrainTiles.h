// The island's sizes and the flag bits of its 128 x 128 terrain tiles,
// shared by the island and everything that asks it about its ground.
#pragma once

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
// World pixels a side of the playable island, where saved objects stand.
constexpr int ISLAND_PIXELS = PLAYABLE_SAMPLES - 2 * PLAYABLE_BORDER;
