// The dirty-rectangle renderer: redraws only what changed. Every sprite
// registers itself here; each frame the renderer pumps every registered
// sprite (which reports the screen rectangles it changed), adds the
// rectangles that screens queued by hand, merges and clips them, and redraws
// every sprite overlapping each rectangle in increasing depth. The drawing
// context then presents only those rectangles.
// Swap freezes the current picture as a backdrop, so that a screen opened
// over the island runs with a fresh sprite list, and later restores the old
// list.
// Start-up owns the one instance (after the drawing context, destroyed before
// it); code reaches it through CSprite::renderer and CController::renderer.
// It lists sprites but owns none of them, except the backdrop.
#pragma once

#include "Types.h"

#include <cstddef>
#include <list>
#include <map>
#include <unordered_map>
#include <vector>

class CSprite;

class CRenderer {
public:
    // Takes "dirty.png" from the drawing context (CSprite::draw).
    CRenderer();
    // Leaves CSprite::renderer and CController::renderer null when they
    // point here.
    ~CRenderer();
    CRenderer(const CRenderer&) = delete;
    CRenderer& operator=(const CRenderer&) = delete;

    // A sprite is listed once; adding a listed sprite again changes nothing.
    void AddSprite(CSprite* sprite);
    // The sprite leaves the active list, or the kept list when it was not
    // active; the others keep their order.
    void RemoveSprite(CSprite* sprite);
    // Queue the sprite's rectangle, kept off the side panel by its depth.
    void AddDirty(CSprite* sprite);
    // Queue the change of a sprite that was shown at (oldX, oldY, oldW, oldH).
    void AddDirty(CSprite* sprite, int oldX, int oldY, int oldW, int oldH);
    // A rectangle to redraw at the next Render that no sprite reports, clipped
    // to the screen and, unless overSidebar, kept off the side panel.
    void AddSpecialDirty(int x, int y, int w, int h, bool overSidebar);
    // The next presented frame is the whole screen.
    void RedrawScreen();
    // One frame of drawing; clear false keeps what was queued in dirty.
    void Render(bool clear);
    // First call: freeze the screen as a backdrop and start an empty list.
    // Second call: show the frozen picture whole and bring the old list back.
    void Swap();
    // Between the first and the second Swap.
    bool Swapped() const { return swapped; }
    // Drops empty and off-screen rectangles, clips to the screen and merges
    // overlapping ones where the merge costs no extra area.
    void OptimizeDirty();
    // The debug outline of every dirty rectangle.
    void ToggleDirty();

    // Every sprite shown this frame, in registration order (hidden ones
    // have left the list); one removed since the last render leaves a null
    // in its place.
    const std::vector<CSprite*>& Sprites() const { return sprites; }

    // Sprites below the side-panel depth never reach the side panel: false
    // when the rectangle lies wholly on it, else it is cut at its edge.
    static bool OptimizeRectForSidebar(PF_Rect* rect, int z);

    // The rectangles redrawn and presented this frame.
    static std::list<PF_Rect> dirty;
    static std::multimap<int, CSprite*> dirtySprites;
    static PF_Rect currentDirty;

private:
    void Queue(PF_Rect rect, int z);
    // Takes the pointer and hourglass out of both lists.
    void RemovePointer();
    void AppendPointer();
    // Closes the gaps that removals leave, keeping the order.
    void Compact();
    // Numbers a list without gaps afresh.
    void IndexSprites();

    // Equal depths draw in list order, so removal leaves a gap (null) and
    // the gaps close in one pass later, instead of every removal moving
    // the rest of the list.
    std::vector<CSprite*> sprites;
    std::unordered_map<const CSprite*, size_t> slotOf;
    size_t gaps = 0;
    std::vector<CSprite*> keptSprites;
    std::list<PF_Rect> specialDirty;
    bool swapped;
    CSprite* backdrop;
    int backdropImage;
    int dirtyImage;
    bool showDirty;
};
