// What the building kinds share: one main sprite with the five construction
// stages, the selection marker, the depth from the foot, grass painted into
// the pictures once on the playable island, the hit tests, the side-panel
// texts and picture, stand points drawn at random and the obstruction boxes
// of the site and of the finished building. A kind gives its numbers as a
// building_look and adds only what it does differently.
#pragma once

#include "CBuilding.h"
#include "Types.h"

class CSprite;

// An obstruction box from the picture's top-left (X, Y) and its width W,
// with q = (W - 50) / 3 and r = (2W - 100) / 3:
// (X + x + xq q + xr r, Y + y, w + wq q, h).
struct kind_box {
    int x, xq, xr, y, w, wq, h;
};

// A stand point from the rounded picture top-left, and the side the
// islander stands on: 1 left, 2 right.
struct kind_stand {
    int x, y, side;
};

// A box of the ghost's footprint from its top-left.
struct kind_footprint {
    int x, y, w, h;
};

struct building_look {
    int depthLift;           // the depth offset is the sprite's height minus this
    const char* marker;      // selection marker picture; null for none
    int markerX, markerY;    // its offset from the picture's top-left
    int nameId;              // 0 for no name
    const char* sidebar;     // side-panel picture; null for none
    kind_stand stands[4];
    int standCount;
    coordinate grass[8];     // grass points from the picture's top-left
    int grassCount;
    kind_box site[3];
    kind_box finished[3];
    int boxCount;
    kind_footprint footprint[2];
    int footprintCount;
};

class CBuildingKind : public CBuilding {
public:
    ~CBuildingKind() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    sidebar_image GetSpriteForSidebar() override;
    int GetX() override;
    int GetY() override;

    void AddObstructions(bool complete) override;
    int GetAnimationFrame() override;
    int GetStandLocation(int& x, int& y, int& dir) override;
    int GetType() override;
    bool Overlaps(int x, int y) override;
    bool Intersect(CSprite* other) override;

    CSprite* GetSprite() { return sprite; }

protected:
    // A new building at the placement point (x, y), world pixels.
    CBuildingKind(const building_look& look, int type, int variant, int x, int y);
    CBuildingKind(const building_look& look, const building_data& saved);

    // Whether the ghost of the variant being placed, at the mouse, meets an
    // obstruction with one of the look's footprint boxes.
    static bool FootprintCollides(const building_look& look);

    const building_look& look;
    CSprite* sprite;  // owned
    int depthOffset;

private:
    void Init(bool placing);
    int Depth();
};
