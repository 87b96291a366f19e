// The islander's sprite sets: one sprite per facing direction with its
// drawing offset from the islander's position, and the carried goods. The
// islander owns every sprite in them; a null entry (the working poses face
// SE or SW only) is skipped by every hide, show and move.
#pragma once

class CSprite;

// Facing directions, in this order everywhere (image names, tables).
enum facing_direction { FACING_NE, FACING_SE, FACING_SW, FACING_NW };
constexpr int kDirections = 4;
constexpr int kHeadFrames = 16;
constexpr int kFaces = 6;
constexpr int kCarriedGoods = 6;

struct direction_entry {
    CSprite* sprite;
    int x, y;
};

struct direction_set {
    direction_entry entry[kDirections];
};
