// The obstructions sorted into square cells of the island, so that a
// collision test, run for every pixel of every walk the islanders try, looks
// only at the few rectangles near its box. It is derived from
// CObject::obstructions (which owns it as a private static) and rebuilt on the
// first test after the list changed (through AddObstruction and
// RemoveObstructions, or by being emptied).
#pragma once

#include "WorldTypes.h"

#include <cstddef>
#include <vector>

class CObstructionIndex {
public:
    void Invalidate() { valid = false; }
    // The same answer as testing every rectangle of rects in turn.
    bool Collides(const std::vector<obstruction_type>& rects, int x, int y, int w, int h, bool all);

private:
    static constexpr int kCellShift = 7;  // cells of 128 pixels
    static constexpr int kCells = 32;     // a side; the edge cells take in everything beyond

    // The cells from the lower to the higher end of an extent, which may be
    // negative: a rectangle overlaps a box only where their spans meet.
    static void CellSpan(int start, int size, int& first, int& last);
    void Rebuild(const std::vector<obstruction_type>& rects);
    template <typename Visit>
    static void ForEachCell(const obstruction_type& rect, Visit visit);

    bool valid = false;
    size_t indexedCount = 0;
    std::vector<int> cellStart;             // entries of cell c: cellStart[c] up to cellStart[c + 1]
    std::vector<obstruction_type> entries;  // copies, one per cell a rectangle covers
};
