// What the shipyard and the ship share about standing on the shore: water
// under a point, and a dry stand point drawn at random from the four that a
// building measured when it was put down.
#pragma once

struct building_data;

// World pixels; open sea where there is no island.
bool IsWaterAt(int x, int y);
// A random point whose water flag is clear; a record with every flag set
// (damaged player data) is logged under the kind's name and a random point
// is used all the same.
int DryStandPoint(const building_data& record, const char* kind);
