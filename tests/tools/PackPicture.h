// A picture the pack tool drew, read pixel by pixel: its RGBA bytes, row by
// row, with its size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct pack_picture {
    int w, h;
    std::vector<uint8_t> rgba;

    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
    bool Opaque(int x, int y) const { return At(x, y)[3] >= 128; }
    // The pixel's colour as 0xRRGGBB.
    uint32_t Colour(int x, int y) const
    {
        const uint8_t* p = At(x, y);
        return static_cast<uint32_t>(p[0] << 16 | p[1] << 8 | p[2]);
    }
};
