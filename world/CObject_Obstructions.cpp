#include "CObject.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"

#include <algorithm>
#include <vector>

namespace {

// The obstructions sorted into square cells of the island, so that a
// collision test, run for every pixel of every walk the islanders try, looks
// only at the few rectangles near its box. It is derived from
// CObject::obstructions and rebuilt on the first test after the list changed
// (through AddObstruction and RemoveObstructions, or by being emptied).
class obstruction_index {
public:
    void Invalidate() { valid = false; }

    bool Collides(const std::vector<obstruction_type>& rects, int x, int y, int w, int h, bool all)
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

private:
    static constexpr int kCellShift = 7;  // cells of 128 pixels
    static constexpr int kCells = 32;     // a side; the edge cells take in everything beyond

    // The cells from the lower to the higher end of an extent, which may be
    // negative: a rectangle overlaps a box only where their spans meet.
    static void CellSpan(int start, int size, int& first, int& last)
    {
        const int lo = std::min(start, start + size);
        const int hi = std::max(start, start + size);
        first = lo < 0 ? 0 : std::min(lo >> kCellShift, kCells - 1);
        last = hi < 0 ? 0 : std::min(hi >> kCellShift, kCells - 1);
    }

    void Rebuild(const std::vector<obstruction_type>& rects)
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

    template <typename Visit>
    static void ForEachCell(const obstruction_type& rect, Visit visit)
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

    bool valid = false;
    size_t indexedCount = 0;
    std::vector<int> cellStart;             // entries of cell c: cellStart[c] up to cellStart[c + 1]
    std::vector<obstruction_type> entries;  // copies, one per cell a rectangle covers
};

obstruction_index obstructionIndex;

}  // namespace

bool CObject::ShouldRetestWalkGrid()
{
    // unloadingAll comes first: while everything is torn down the island may
    // already be gone.
    return !unloadingAll && CControllerGame::island && CControllerGame::island->playable;
}

void CObject::AddObstruction(int x, int y, int w, int h, CObject* owner, bool flag)
{
    obstructions.push_back(obstruction_type{x, y, w, h, owner, flag});
    obstructionIndex.Invalidate();
    if (CControllerGame::island && CControllerGame::island->playable) {
        CPersonMovement::AlterPathMapDueToObstruction(x, y, w, h);
    }
}

void CObject::RemoveObstructions(CObject* owner)
{
    size_t i = 0;
    while (i < obstructions.size()) {
        if (obstructions[i].owner != owner) {
            i++;
            continue;
        }
        const obstruction_type removed = obstructions[i];
        obstructions.erase(obstructions.begin() + i);
        obstructionIndex.Invalidate();
        if (ShouldRetestWalkGrid()) {
            CPersonMovement::AlterPathMapDueToObstruction(removed.x, removed.y, removed.w, removed.h);
        }
    }
}

bool CObject::Collision(int x, int y, int w, int h, bool all)
{
    if (isSimulating || obstructions.empty()) {
        return false;
    }
    return obstructionIndex.Collides(obstructions, x, y, w, h, all);
}

void CObject::InitPathMap()
{
    CPersonMovement::AlterPathMapDueToObstructions(obstructions);
}
