// Flowers painted into the island's ground image: the list of painted
// flowers, a flower planted by an islander, the eraser, and the repainting
// of the ground under a rectangle with its tufts and flowers. Every paint is
// cut to the island image first: a flower record may come from a damaged
// profile, and the image store's blits take 16-bit positions.
#include "CMap.h"

#include "CDraw.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

// A flower counts as this many pixels a side when the ground is repainted.
constexpr int kFlowerSize = 12;

const char* FlowerImage(int colour, int size, int type)
{
    return TempSprintf("flower_colour_%i_size_%i_type_%i.png", colour, size, type);
}

// The part of rectangle (x, y, w, h) that lies inside (0, 0, W, H); false
// when none does.
bool ClipTo(int W, int H, int& x, int& y, int& w, int& h)
{
    const int x2 = std::min(x + w, W), y2 = std::min(y + h, H);
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = x2 - x;
    h = y2 - y;
    return w > 0 && h > 0;
}

}  // namespace

void CMap::AddFlower(int x, int y, int colour, int size, int type)
{
    flower_data flower{};
    flower.x = x;
    flower.y = y;
    flower.colour = colour;
    flower.size = size;
    flower.type = type;
    flowers.push_back(flower);
    RenderFlowerAt(x, y, colour, size, type);
    if (CSprite::renderer) {
        CSprite::renderer->AddSpecialDirty(x + offsetX, y + offsetY, kFlowerSize, kFlowerSize, false);
    }
}

void CMap::RenderFlowerAt(int x, int y, int colour, int size, int type)
{
    if (size == -1) {
        size = RangedRandom(0, 2);
    }
    CDraw* draw = CSprite::draw;
    if (!draw || groundImage == -1) {
        return;
    }
    const int id = draw->LoadImage(FlowerImage(colour, size, type), false, false);
    int px = x, py = y, w = draw->GetW(id), h = draw->GetH(id);
    if (ClipTo(draw->GetW(groundImage), draw->GetH(groundImage), px, py, w, h)) {
        draw->DisplayImageOnImage(id, groundImage, px, py, px - x, py - y, w, h);
    }
    draw->RemoveImage(id);
}

void CMap::RenderFlowerAtWithinRect(int x, int y, int colour, int size, int type, int rx, int ry, int rw, int rh)
{
    if (size == -1) {
        size = RangedRandom(0, 2);
    }
    CDraw* draw = CSprite::draw;
    if (!draw || groundImage == -1 ||
        !ClipTo(draw->GetW(groundImage), draw->GetH(groundImage), rx, ry, rw, rh)) {
        return;
    }
    int sourceX = 0, w = kFlowerSize;
    if (x < rx) {
        sourceX = rx - x;
        w -= sourceX;
        x = rx;
    }
    int sourceY = 0, h = kFlowerSize;
    if (y < ry) {
        sourceY = ry - y;
        h -= sourceY;
        y = ry;
    }
    w = std::min(w, rx + rw - x);
    h = std::min(h, ry + rh - y);
    if (w <= 0 || h <= 0) {
        return;
    }
    draw->DisplayImageOnImage(FlowerImage(colour, size, type), groundImage, x, y, sourceX, sourceY, w, h);
}

void CMap::DrawFlowers(int x, int y, int w, int h)
{
    if (x == -1) {
        for (const flower_data& flower : flowers) {
            RenderFlowerAt(flower.x, flower.y, flower.colour, flower.size, flower.type);
        }
        return;
    }
    CDraw* draw = CSprite::draw;
    if (!draw || groundImage == -1 || !ClipTo(draw->GetW(groundImage), draw->GetH(groundImage), x, y, w, h)) {
        return;
    }
    // Bare ground first: a repaint during play has no loading banner.
    DrawFractalMapPixels(x, y, w, h, false);
    for (const grasschunk& tuft : grass) {
        const int left = std::max(x, tuft.x), top = std::max(y, tuft.y);
        const int right = std::min(x + w, tuft.x + tuft.w), bottom = std::min(y + h, tuft.y + tuft.h);
        if (left < right && top < bottom) {
            draw->DisplayImageOnImage(tuft.image, groundImage, left, top, left - tuft.x, top - tuft.y, right - left,
                                      bottom - top);
        }
    }
    for (const flower_data& flower : flowers) {
        RenderFlowerAtWithinRect(flower.x, flower.y, flower.colour, flower.size, flower.type, x, y, w, h);
    }
    if (CSprite::renderer) {
        CSprite::renderer->AddSpecialDirty(x + offsetX, y + offsetY, w, h, true);
    }
}

void CMap::EraseFlowers(int x, int y, int radius)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    bool erased = false;
    for (;;) {
        auto found = std::find_if(flowers.begin(), flowers.end(), [&](const flower_data& flower) {
            return GetDist(x, y, flower.x, flower.y) <= static_cast<float>(radius);
        });
        if (found == flowers.end()) {
            break;
        }
        if (!erased) {
            left = right = found->x;
            top = bottom = found->y;
        }
        left = std::min(left, found->x);
        top = std::min(top, found->y);
        right = std::max(right, found->x + kFlowerSize);
        bottom = std::max(bottom, found->y + kFlowerSize);
        erased = true;
        flowers.erase(found);
    }
    if (erased) {
        DrawFlowers(left, top, right - left, bottom - top);
    }
}

void CMap::EraseAllFlowers()
{
    CMouseCursor::ShowHourglass(true);
    flowers.clear();
    DrawFractalMapPixels(-1, -1, -1, -1, false);
    if (CDraw* draw = CSprite::draw) {
        if (groundImage != -1) {
            for (const grasschunk& tuft : grass) {
                draw->DisplayImageOnImage(tuft.image, groundImage, tuft.x, tuft.y);
            }
        }
    }
    RedrawWholeScreen();
    CMouseCursor::ShowMouse();
}
