#include "CObstructionIndex.h"

#include <algorithm>

bool CObstructionIndex::Collides(const std::vector<obstruction_type>& rects, int x, int y, int w, int h, bool all)
{
    if (!valid || indexedCount != rects.size()) {
        Rebuild(rects);
    }
    int firstX, lastX, firstY, lastY;
    CellSpan(x, w, firstX, lastX);
    CellSpan(y, h, firstY, lastY);
    for (int cy = firstY; cy <= lastY; cy++) {
        for (int cx = firstX; cx <= lastX; cx++) {
            const int cell = cy * kCells + cx;
            for (int i = cellStart[cell]; i < cellStart[cell + 1]; i++) {
                const obstruction_type& rect = entries[i];
                if (rect.flag && !all) {
                    continue;
                }
                if (x + w > rect.x && x < rect.x + rect.w && y + h > rect.y && y < rect.y + rect.h) {
                    return true;
                }
            }
        }
    }
    return false;
}

void CObstructionIndex::CellSpan(int start, int size, int& first, int& last)
{
    const int lo = std::min(start, start + size);
    const int hi = std::max(start, start + size);
    first = lo < 0 ? 0 : std::min(lo >> kCellShift, kCells - 1);
    last = hi < 0 ? 0 : std::min(hi >> kCellShift, kCells - 1);
}

template <typename Visit>
void CObstructionIndex::ForEachCell(const obstruction_type& rect, Visit visit)
{
    int firstX, lastX, firstY, lastY;
    CellSpan(rect.x, rect.w, firstX, lastX);
    CellSpan(rect.y, rect.h, firstY, lastY);
    for (int cy = firstY; cy <= lastY; cy++) {
        for (int cx = firstX; cx <= lastX; cx++) {
            visit(cy * kCells + cx);
        }
    }
}

void CObstructionIndex::Rebuild(const std::vector<obstruction_type>& rects)
{
    cellStart.assign(kCells * kCells + 1, 0);
    for (const obstruction_type& rect : rects) {
        ForEachCell(rect, [this](int cell) { cellStart[cell + 1]++; });
    }
    for (int cell = 0; cell < kCells * kCells; cell++) {
        cellStart[cell + 1] += cellStart[cell];
    }
    entries.resize(cellStart[kCells * kCells]);
    std::vector<int> fill(cellStart.begin(), cellStart.end() - 1);
    for (const obstruction_type& rect : rects) {
        ForEachCell(rect, [&](int cell) { entries[fill[cell]++] = rect; });
    }
    indexedCount = rects.size();
    valid = true;
}
