#include "CPersonMovement.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CObject.h"
#include "Utilities.h"

#include <cstdlib>

namespace {

// Links are re-tested around a changed rectangle this far out.
constexpr int kRetestReach = 200;
constexpr float kLandCost = 1.0f;
constexpr float kWaterCost = 5.0f;

// Column (or row) and the offsets of the diagonal neighbour of link k.
constexpr int kLinkColumn[4] = {1, 1, -1, -1};
constexpr int kLinkRow[4] = {-1, 1, 1, -1};

int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int CeilDiv(int a, int b) { return -FloorDiv(-a, b); }

int Clamp(int value, int lo, int hi) { return value < lo ? lo : (value > hi ? hi : value); }

// The columns and rows of the nodes inside the rectangle grown by
// kRetestReach, edges included, cut to the grid. Empty when first > last.
struct node_span {
    int firstColumn, lastColumn, firstRow, lastRow;
    bool Contains(int column, int row) const
    {
        return column >= firstColumn && column <= lastColumn && row >= firstRow && row <= lastRow;
    }
};

node_span NodesAround(int x, int y, int w, int h)
{
    node_span span;
    span.firstColumn = Clamp(CeilDiv(x - kRetestReach, PATH_SPACING), 0, PATH_COLUMNS);
    span.lastColumn = Clamp(FloorDiv(x + w + kRetestReach, PATH_SPACING), -1, PATH_COLUMNS - 1);
    span.firstRow = Clamp(CeilDiv(y - kRetestReach, PATH_SPACING), 0, PATH_ROWS);
    span.lastRow = Clamp(FloorDiv(y + h + kRetestReach, PATH_SPACING), -1, PATH_ROWS - 1);
    return span;
}

void RetestLink(pathnode& node, int k)
{
    pathnode* neighbour = node.links[k];
    const bool open =
        !CPersonMovement::ObstructionBetweenPoints(node.x, node.y, neighbour->x, neighbour->y, true);
    node.linkOpen[k] = open;
    neighbour->linkOpen[(k + 2) % 4] = open;
}

}  // namespace

pathnode CPersonMovement::pathMap[PATH_COLUMNS][PATH_ROWS];

pathnode* CPersonMovement::NodeAt(int column, int row)
{
    if (column < 0 || column >= PATH_COLUMNS || row < 0 || row >= PATH_ROWS) {
        return nullptr;
    }
    return &pathMap[column][row];
}

void CPersonMovement::GeneratePathMap()
{
    for (int c = 0; c < PATH_COLUMNS; c++) {
        for (int r = 0; r < PATH_ROWS; r++) {
            pathnode& node = pathMap[c][r];
            node.x = c * PATH_SPACING;
            node.y = r * PATH_SPACING;
            node.active = (c + r) % 2 == 0;
            for (int k = 0; k < 4; k++) {
                // The diagonal neighbours of an active node are active too.
                node.links[k] = node.active ? NodeAt(c + kLinkColumn[k], r + kLinkRow[k]) : nullptr;
                node.linkOpen[k] = node.links[k] != nullptr;
            }
        }
    }
}

void CPersonMovement::GenerateWaterPathMap()
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    for (int c = 0; c < PATH_COLUMNS; c++) {
        for (int r = 0; r < PATH_ROWS; r++) {
            pathnode& node = pathMap[c][r];
            if (node.active) {
                node.cost = island->GetWaterDepth(node.x, node.y, 0) < 1.0f ? kWaterCost : kLandCost;
            }
        }
    }
}

bool CPersonMovement::ObstructionBetweenPoints(int x1, int y1, int x2, int y2, bool footBox)
{
    // The feet grown by 5 pixels on every side, or the bare point.
    int boxX = 0, boxY = 0, boxW = 0, boxH = 0;
    if (footBox) {
        x1 -= 5;
        y1 -= 5;
        x2 -= 5;
        y2 -= 5;
        boxX = 10;
        boxY = 52;
        boxW = 24;
        boxH = 20;
    }
    auto blocked = [&](int px, int py) { return CObject::Collision(px + boxX, py + boxY, boxW, boxH, false); };
    if (blocked(x1, y1)) {
        return true;
    }
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (std::abs(dx) > std::abs(dy)) {
        const int step = dx > 0 ? 1 : -1;
        for (int px = x1 + step;; px += step) {
            const float along = static_cast<float>(px - x1) / static_cast<float>(dx);
            if (blocked(px, Round(static_cast<float>(y1) + static_cast<float>(dy) * along))) {
                return true;
            }
            if (px == x2) {
                break;
            }
        }
    } else if (dy != 0) {
        const int step = dy > 0 ? 1 : -1;
        for (int py = y1 + step;; py += step) {
            const float along = static_cast<float>(py - y1) / static_cast<float>(dy);
            if (blocked(Round(static_cast<float>(x1) + static_cast<float>(dx) * along), py)) {
                return true;
            }
            if (py == y2) {
                break;
            }
        }
    }
    return false;
}

void CPersonMovement::AlterPathMapDueToObstruction(int x, int y, int w, int h)
{
    const node_span span = NodesAround(x, y, w, h);
    for (int c = span.firstColumn; c <= span.lastColumn; c++) {
        for (int r = span.firstRow; r <= span.lastRow; r++) {
            pathnode& node = pathMap[c][r];
            if (!node.active) {
                continue;
            }
            for (int k = 0; k < 4; k++) {
                if (!node.links[k]) {
                    continue;
                }
                // A link back to a node inside the span is that node's link
                // forward, tested from there.
                if (k >= 2 && span.Contains(c + kLinkColumn[k], r + kLinkRow[k])) {
                    continue;
                }
                RetestLink(node, k);
            }
        }
    }
}

void CPersonMovement::AlterPathMapDueToObstructions(const std::vector<obstruction_type>& rects)
{
    // A link's state depends only on the rectangles, so testing it once gives
    // the grid that re-testing around every rectangle in turn would give.
    static_assert(PATH_COLUMNS * PATH_ROWS < 8192, "the marks fit on the stack");
    bool near[PATH_COLUMNS][PATH_ROWS] = {};
    for (const obstruction_type& rect : rects) {
        const node_span span = NodesAround(rect.x, rect.y, rect.w, rect.h);
        for (int c = span.firstColumn; c <= span.lastColumn; c++) {
            for (int r = span.firstRow; r <= span.lastRow; r++) {
                near[c][r] = true;
            }
        }
    }
    for (int c = 0; c < PATH_COLUMNS; c++) {
        for (int r = 0; r < PATH_ROWS; r++) {
            pathnode& node = pathMap[c][r];
            if (!node.active) {
                continue;
            }
            // Links 0 and 1 lead to the next column: every link once.
            for (int k = 0; k < 2; k++) {
                if (node.links[k] && (near[c][r] || near[c + kLinkColumn[k]][r + kLinkRow[k]])) {
                    RetestLink(node, k);
                }
            }
        }
    }
}
