// Small value types shared by every subsystem: screen and world points,
// rectangles and colours. Plain data, no behaviour.
#pragma once

#include <cstdint>

struct coordinate {
    int x;
    int y;
};

struct float_coordinate {
    float x;
    float y;
};

struct PF_Rect {
    int x, y, w, h;
};

struct RGBA_data {
    unsigned char r, g, b, a;
};

// One pixel as stored in a 32-bit surface, byte by byte.
struct RGBA_Uint8 {
    uint8_t r, g, b, a;
};

// Per-channel multipliers applied when tinting.
struct RGBA_offset {
    float r, g, b, a;
};

static_assert(sizeof(coordinate) == 8, "coordinate is two 32-bit ints");
static_assert(sizeof(RGBA_data) == 4, "RGBA_data is four bytes");

// The data files and saved records are little-endian and written raw.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the host must be little-endian");
