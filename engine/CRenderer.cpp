#include "CRenderer.h"

#include "CController.h"
#include "CDraw.h"
#include "CMouseCursor.h"
#include "CSprite.h"

#include <algorithm>
#include <cassert>

std::list<PF_Rect> CRenderer::dirty;
std::multimap<int, CSprite*> CRenderer::dirtySprites;
PF_Rect CRenderer::currentDirty = {0, 0, 0, 0};

namespace {

const int kScreenW = 800;
const int kScreenH = 600;
// The island view ends here; the side panel lies right of it.
const int kSidebarEdge = 644;
const int kOverSidebarZ = 20000000;
const int kBackdropZ = -1000000;

long long Area(const PF_Rect& r)
{
    return static_cast<long long>(r.w) * r.h;
}

PF_Rect BoundingBox(const PF_Rect& a, const PF_Rect& b)
{
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.w, b.x + b.w);
    const int bottom = std::max(a.y + a.h, b.y + b.h);
    return PF_Rect{left, top, right - left, bottom - top};
}

bool Empty(const PF_Rect& r)
{
    return r.w == 0 || r.h == 0;
}

void ClipToScreen(PF_Rect& r)
{
    if (r.x < 0) {
        r.w += r.x;
        r.x = 0;
    }
    if (r.x + r.w > kScreenW) {
        r.w = kScreenW - r.x;
    }
    if (r.y < 0) {
        r.h += r.y;
        r.y = 0;
    }
    if (r.y + r.h > kScreenH) {
        r.h = kScreenH - r.y;
    }
}

}  // namespace

CRenderer::CRenderer()
    : swapped(false), backdrop(nullptr), backdropImage(-1), dirtyImage(-1), showDirty(false)
{
    assert(CSprite::draw);
    dirtyImage = CSprite::draw->LoadImage("dirty.png", false, false);
}

CRenderer::~CRenderer()
{
    // The backdrop is the one sprite the renderer made itself.
    if (backdrop) {
        CSprite* made = backdrop;
        backdrop = nullptr;
        delete made;
        backdropImage = -1;
    }
    if (CSprite::draw && dirtyImage != -1) {
        CSprite::draw->RemoveImage(dirtyImage);
    }
    sprites.clear();
    slotOf.clear();
    gaps = 0;
    keptSprites.clear();
    specialDirty.clear();
    dirty.clear();
    dirtySprites.clear();
    if (CSprite::renderer == this) {
        CSprite::renderer = nullptr;
    }
    if (CController::renderer == this) {
        CController::renderer = nullptr;
    }
}

void CRenderer::AddSprite(CSprite* sprite)
{
    if (slotOf.emplace(sprite, sprites.size()).second) {
        sprites.push_back(sprite);
    }
}

void CRenderer::RemoveSprite(CSprite* sprite)
{
    const auto slot = slotOf.find(sprite);
    if (slot == slotOf.end()) {
        keptSprites.erase(std::remove(keptSprites.begin(), keptSprites.end(), sprite), keptSprites.end());
        return;
    }
    sprites[slot->second] = nullptr;
    slotOf.erase(slot);
    // Closed once they are half the list, so a removal costs a constant
    // share of one pass.
    if (++gaps > 32 && gaps * 2 > sprites.size()) {
        Compact();
    }
}

void CRenderer::Compact()
{
    if (gaps == 0) {
        return;
    }
    sprites.erase(std::remove(sprites.begin(), sprites.end(), nullptr), sprites.end());
    IndexSprites();
}

void CRenderer::IndexSprites()
{
    gaps = 0;
    slotOf.clear();
    for (size_t i = 0; i < sprites.size(); i++) {
        slotOf.emplace(sprites[i], i);
    }
}

bool CRenderer::OptimizeRectForSidebar(PF_Rect* rect, int z)
{
    if (z >= kOverSidebarZ) {
        return true;
    }
    if (rect->x > kSidebarEdge) {
        return false;
    }
    if (rect->x + rect->w > kSidebarEdge) {
        rect->w = kSidebarEdge - rect->x;
    }
    return true;
}

void CRenderer::Queue(PF_Rect rect, int z)
{
    if (OptimizeRectForSidebar(&rect, z)) {
        dirty.push_back(rect);
    }
}

void CRenderer::AddDirty(CSprite* sprite)
{
    Queue(PF_Rect{sprite->GetX(), sprite->GetY(), sprite->GetW(), sprite->GetH()}, sprite->GetZ());
}

void CRenderer::AddDirty(CSprite* sprite, int oldX, int oldY, int oldW, int oldH)
{
    const PF_Rect now{sprite->GetX(), sprite->GetY(), sprite->GetW(), sprite->GetH()};
    const PF_Rect old{oldX, oldY, oldW, oldH};
    const int z = sprite->GetZ();
    if (now.x == 0 && now.x + now.w == 0 && now.y == 0 && now.y + now.h == 0) {
        Queue(old, z);
        return;
    }
    // Two rectangles when the box around both would redraw more than they do.
    const PF_Rect box = BoundingBox(old, now);
    if (Area(old) + Area(now) <= Area(box)) {
        Queue(old, z);
        Queue(now, z);
    } else {
        Queue(box, z);
    }
}

void CRenderer::AddSpecialDirty(int x, int y, int w, int h, bool overSidebar)
{
    if (x + w < 0 || y + h < 0 || x > kScreenW || y > kScreenH) {
        return;
    }
    PF_Rect rect{x, y, w, h};
    ClipToScreen(rect);
    if (!overSidebar && !OptimizeRectForSidebar(&rect, 0)) {
        return;
    }
    specialDirty.push_back(rect);
}

void CRenderer::RedrawScreen()
{
    dirty.clear();
    dirty.push_back(PF_Rect{0, 0, kScreenW, kScreenH});
}

void CRenderer::OptimizeDirty()
{
    std::vector<PF_Rect> rects;
    rects.reserve(dirty.size());
    for (PF_Rect rect : dirty) {
        if (Empty(rect) || rect.x > kScreenW || rect.y > kScreenH || rect.x + rect.w < 0 || rect.y + rect.h < 0) {
            continue;
        }
        ClipToScreen(rect);
        rects.push_back(rect);
    }

    // One forward pass: a rectangle folds into the first later one it
    // overlaps when their areas together cover at least their box.
    for (size_t i = 0; i < rects.size(); i++) {
        PF_Rect& a = rects[i];
        if (a.w == 0) {
            continue;
        }
        for (size_t j = i + 1; j < rects.size(); j++) {
            PF_Rect& b = rects[j];
            if (b.w == 0 || !CSprite::Intersect(a, b)) {
                continue;
            }
            const PF_Rect box = BoundingBox(a, b);
            if (Area(a) + Area(b) >= Area(box)) {
                b = box;
                a = PF_Rect{0, 0, 0, 0};
                break;
            }
        }
    }

    dirty.clear();
    for (const PF_Rect& rect : rects) {
        if (!Empty(rect)) {
            dirty.push_back(rect);
        }
    }
}

void CRenderer::Render(bool clear)
{
    if (clear) {
        dirty.clear();
    }
    Compact();
    // Indexed: a pump may not add or remove sprites, but the list must not be
    // invalidated if one ever does.
    for (size_t i = 0; i < sprites.size(); i++) {
        if (sprites[i]) {
            sprites[i]->Pump();
        }
    }
    dirty.splice(dirty.end(), specialDirty);
    OptimizeDirty();

    std::vector<CSprite*> onScreen;
    onScreen.reserve(sprites.size());
    for (CSprite* sprite : sprites) {
        if (!sprite) {
            continue;
        }
        const int x = sprite->GetX();
        const int y = sprite->GetY();
        if (x >= kScreenW + 1 || y > kScreenH || x + sprite->GetW() < 0 || y + sprite->GetH() < 0) {
            continue;
        }
        onScreen.push_back(sprite);
    }

    for (PF_Rect& rect : dirty) {
        dirtySprites.clear();
        currentDirty = rect;
        for (CSprite* sprite : onScreen) {
            if (sprite->Intersect(rect)) {
                dirtySprites.insert({sprite->GetZ(), sprite});
            }
        }
        for (auto& [z, sprite] : dirtySprites) {
            sprite->Render(rect);
        }
    }
    dirtySprites.clear();

    if (showDirty) {
        CDraw* draw = CSprite::draw;
        for (const PF_Rect& rect : dirty) {
            for (int x = rect.x; x < rect.x + rect.w; x++) {
                draw->DisplayImage(dirtyImage, x, rect.y);
                draw->DisplayImage(dirtyImage, x, rect.y + rect.h - 1);
            }
            for (int y = rect.y; y < rect.y + rect.h; y++) {
                draw->DisplayImage(dirtyImage, rect.x, y);
                draw->DisplayImage(dirtyImage, rect.x + rect.w - 1, y);
            }
        }
    }
}

void CRenderer::RemovePointer()
{
    for (CSprite* pointer : {CMouseCursor::sCursor, CMouseCursor::sHourglass}) {
        if (!pointer) {
            continue;
        }
        const auto slot = slotOf.find(pointer);
        if (slot != slotOf.end()) {
            sprites[slot->second] = nullptr;
            slotOf.erase(slot);
            gaps++;
        }
        keptSprites.erase(std::remove(keptSprites.begin(), keptSprites.end(), pointer), keptSprites.end());
    }
}

void CRenderer::AppendPointer()
{
    // A hidden pointer sprite is out of the renderer and rejoins when shown.
    for (CSprite* pointer : {CMouseCursor::sCursor, CMouseCursor::sHourglass}) {
        if (pointer && !pointer->Hidden()) {
            AddSprite(pointer);
        }
    }
}

void CRenderer::Swap()
{
    // The backdrop sprite registers with the sprites' renderer.
    assert(CSprite::renderer == this);
    CDraw* draw = CSprite::draw;
    draw->HandleShakeEnd(true);
    RemovePointer();
    Compact();

    if (!swapped) {
        backdropImage = draw->CopyBackbuffer();
        keptSprites.clear();
        std::swap(sprites, keptSprites);
        IndexSprites();
        swapped = true;
        backdrop = new CSprite(kBackdropZ);
        backdrop->LoadImage(backdropImage);
    } else {
        backdrop->UnHide();
        RedrawScreen();
        Render(false);
        draw->Flip(true);
        // The backdrop sprite gives its image back as it goes.
        CSprite* made = backdrop;
        backdrop = nullptr;
        delete made;
        backdropImage = -1;
        sprites.clear();
        std::swap(sprites, keptSprites);
        IndexSprites();
        swapped = false;
    }

    AppendPointer();
}

void CRenderer::ToggleDirty()
{
    showDirty = !showDirty;
}
