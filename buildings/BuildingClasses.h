// The one table that turns a building type into its class: how a saved
// record is rebuilt, how a new building is put down and how the class judges
// a ghost's place. Every type has a class of its own.
#pragma once

class CBuilding;
struct building_data;

struct building_class {
    CBuilding* (*load)(const building_data& saved);
    // A new building at the placement point (x, y), world pixels.
    CBuilding* (*place)(int x, int y, int variant);
    // Whether the ghost of the variant being placed meets an obstruction.
    bool (*placementCollision)();
};

// The type of a build-menu variant 0..22; 0 for any other number.
int TypeOfVariant(int variant);
// type: 1..13.
const building_class& ClassOfType(int type);
