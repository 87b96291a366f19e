// Every profile property key the game uses: its store, its stored type and,
// where it has one, the value a new profile starts with. Keys without a
// default get their first value from their owner before anything reads them.
// The profile store fills new profiles from this table and rejects a loaded
// file that holds a listed key with another type.
#pragma once

struct ProfileKey {
    int key;
    int count;         // consecutive keys sharing this row
    bool vector;       // the vector store rather than the scalar store
    const char* tag;   // stored type tag (kStoredTypes)
    bool hasDefault;
    double value;      // the default, converted to the key's type
};

constexpr ProfileKey kProfileKeys[] = {
    {1, 1, false, "j", false, 0},                 // seed of the current island
    {2, 1, true, "9tree_data", false, 0},         // trees
    {3, 1, true, "9rock_data", false, 0},         // rocks
    {4, 1, true, "11person_data", false, 0},      // living islanders
    {5, 1, true, "9task_item", false, 0},         // default task priorities
    {6, 1, true, "13building_data", false, 0},    // buildings
    {7, 1, false, "b", true, 1},                  // visual effects on
    {8, 1, true, "7fi_data", false, 0},           // flower markers
    {9, 1, true, "11flower_data", false, 0},      // flowers in the ground
    {11, 1, false, "i", false, 0},                // wood in stock
    {12, 1, false, "i", false, 0},                // fish in stock
    {13, 1, false, "i", false, 0},                // rock in stock
    {14, 1, false, "9game_data", false, 0},       // last islander id issued
    {15, 1, true, "10craft_data", false, 0},      // clothes orders waiting
    {16, 3, false, "i", false, 0},                // food kinds 1 to 3 in stock
    {19, 1, true, "7ti_data", false, 0},          // saplings
    {20, 1, false, "f", true, 1.0},               // sound-effect volume
    {21, 1, false, "f", true, 1.0},               // music volume
    {22, 1, false, "f", true, 1.0},               // mouse speed multiplier
    {23, 1, false, "b", true, 1},                 // absolute mouse mode
    {24, 1, false, "b", true, 1},                 // full screen
    {25, 5, false, "i", true, 0},                 // science points, four research levels
    {30, 1, true, "14tombstone_data", false, 0},  // graves
    {31, 1, false, "b", true, 0},                 // a game is under way
    {32, 1, false, "i", true, 22000},             // next loading-screen hint
    {33, 1, false, "l", true, 0},                 // calendar time of the last play
    {34, 2, false, "i", false, 0},                // stardust and moondust in stock
    {36, 2, false, "i", true, 0},                 // islands generated, crates opened
    {38, 1, false, "b", true, 0},                 // first crate opened
    {39, 1, true, "10craft_data", false, 0},      // finished clothes waiting
    {40, 3, false, "i", true, 0},                 // mystery progress, guano, mushrooms
    {44, 2, false, "i", true, 0},                 // lodestones, relics
    {46, 1, false, "j", false, 0},                // number of the island played
    {47, 2, false, "i", false, 0},                // island name's string id and argument
    {49, 1, false, "i", true, 0},                 // game time on this island, frames
    {50, 1, false, "l", true, 0},                 // total play time, seconds
    {51, 1, false, "i", true, 7},                 // largest band size
    {52, 3, false, "i", true, 0},                 // births, twin births, deaths
    {55, 11, false, "i", true, 0},                // lifetime counters and trophy bits
    {66, 2, false, "b", true, 1},                 // narration on, tutorial on
    {68, 6, false, "b", true, 0},                 // one-time notices and catch-up flags
    {74, 1, false, "i", true, 0},                 // endings reached
    {75, 1, false, "b", true, 0},                 // slow-machine warning given
    {76, 1, false, "f", true, 1.0},               // catch-up time factor
    {1000, 107, false, "b", true, 0},             // tutorial steps 0 to 106 completed
};
