#include "CBuildingKind.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "Utilities.h"

#include <vector>

namespace {

constexpr int kStages = 5;
constexpr int kSpriteZ = 10;
constexpr int kMarkerZ = 30;
constexpr float kRolloverLight = 1.5f;

int ScrollX()
{
    return CControllerGame::island ? CControllerGame::island->offsetX : 0;
}

int ScrollY()
{
    return CControllerGame::island ? CControllerGame::island->offsetY : 0;
}

bool OnPreview()
{
    return CControllerGame::island && !CControllerGame::island->playable;
}

// A kind without boxes of its own stands on the middle of the lower half of
// its picture: the box of the site, the finished building and the ghost.
PF_Rect PlainFootprint(int w, int h)
{
    return {w / 6, h / 2, 2 * w / 3, 3 * h / 8};
}

}  // namespace

CBuildingKind::CBuildingKind(const building_look& kindLook, int type, int variant, int atX, int atY)
    : CBuilding(type, variant, atX, atY), look(kindLook), sprite(nullptr), depthOffset(0)
{
    Init(true);
}

CBuildingKind::CBuildingKind(const building_look& kindLook, const building_data& saved)
    : CBuilding(saved), look(kindLook), sprite(nullptr), depthOffset(0)
{
    Init(false);
}

CBuildingKind::~CBuildingKind()
{
    delete sprite;
}

void CBuildingKind::Init(bool placing)
{
    CDraw* draw = CSprite::draw;
    sprite = new CSprite(kSpriteZ);
    for (int stage = 0; stage < kStages; stage++) {
        // Private copies: grass is painted into them.
        sprite->LoadImage(draw->LoadImage(GetBuildingFilename(record.variant, stage).c_str(), true, true));
    }
    if (placing) {
        record.x -= static_cast<float>(sprite->GetW() / 2);
        record.y -= static_cast<float>(sprite->GetH() / 2);
    }
    x = record.x;
    y = record.y;
    depthOffset = sprite->GetH() - look.depthLift;
    sprite->Move(x, y, static_cast<float>(Depth()));
    sprite->Hide();
    if (look.marker) {
        selectionMarker = new CSprite(kMarkerZ);
        selectionMarker->LoadImage(look.marker);
        selectionMarker->Hide();
        selectionOffsetX = look.markerX;
        selectionOffsetY = look.markerY;
    }
    AddObstructions(false);
    UnHide();
}

int CBuildingKind::Depth()
{
    return (Round(y) + depthOffset) * 2000;
}

void CBuildingKind::Hide()
{
    sprite->Hide();
}

void CBuildingKind::UnHide()
{
    sprite->UnHide();
    CMap* island = CControllerGame::island;
    if (grassPainted || !island || !island->playable) {
        return;
    }
    if (look.grassCount > 0) {
        std::vector<coordinate> points;
        for (int i = 0; i < look.grassCount; i++) {
            points.push_back({static_cast<int>(x) + look.grass[i].x, static_cast<int>(y) + look.grass[i].y});
        }
        island->GetGrassOverSprite(sprite, points, -1);
    }
    grassPainted = true;
}

void CBuildingKind::Pump(int offsetX, int offsetY, int)
{
    if (OnPreview()) {
        return;
    }
    GetAnimationFrame();
    if (rendering) {
        sprite->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), static_cast<float>(Depth()));
    }
    if (IsDemolished()) {
        sprite->Hide();
        RemoveObstructions(this);
    }
    HandleCompletion();
    if (IsDemolished() && selectedObject == this) {
        selectedObject = nullptr;
    }
}

bool CBuildingKind::IsAtCoords(int& z, int atX, int atY)
{
    if (IsDemolished()) {
        return false;
    }
    if (atX != -1 || atY != -1) {
        atX += ScrollX();
        atY += ScrollY();
    }
    if (!sprite->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = sprite->GetZ();
    return true;
}

void CBuildingKind::Clicked()
{
    if (IsDemolished()) {
        return;
    }
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
}

void CBuildingKind::Rollover(bool over)
{
    sprite->Lighten(over, kRolloverLight);
    PlayRollover(over);
}

selection_result CBuildingKind::GetSelectedName()
{
    return selection_result{look.nameId, 0, nullptr, nullptr, 0, 0};
}

sidebar_image CBuildingKind::GetSpriteForSidebar()
{
    if (!look.sidebar) {
        return sidebar_image{-1, "", -1};
    }
    return sidebar_image{-1, look.sidebar, 1};
}

int CBuildingKind::GetX()
{
    return Round(static_cast<float>(record.placeX));
}

int CBuildingKind::GetY()
{
    return Round(static_cast<float>(record.placeY));
}

void CBuildingKind::AddObstructions(bool complete)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    const int w = sprite->GetW();
    if (look.boxCount == 0) {
        const PF_Rect box = PlainFootprint(w, sprite->GetH());
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, false);
        return;
    }
    const int q = (w - 50) / 3, r = (2 * w - 100) / 3;
    const kind_box* boxes = complete ? look.finished : look.site;
    for (int i = 0; i < look.boxCount; i++) {
        const kind_box& box = boxes[i];
        AddObstruction(left + box.x + box.xq * q + box.xr * r, top + box.y, box.w + box.wq * q, box.h, this, false);
    }
}

int CBuildingKind::GetAnimationFrame()
{
    const float percent = PercentageComplete();
    const int stage = percent < 25.0f ? 0 : percent < 50.0f ? 1 : percent < 75.0f ? 2 : percent < 100.0f ? 3 : 4;
    sprite->SetFrame(stage);
    return stage;
}

int CBuildingKind::GetStandLocation(int& atX, int& atY, int& dir)
{
    const int left = Round(x), top = Round(y);
    if (look.standCount == 0) {
        // Beside the foot of the picture, left or right.
        const int i = RangedRandom(0, 1);
        atX = i == 0 ? left - 10 : left + sprite->GetW() + 10;
        atY = top + sprite->GetH() - 20;
        dir = i + 1;
        return i;
    }
    const int i = RangedRandom(0, look.standCount - 1);
    atX = left + look.stands[i].x;
    atY = top + look.stands[i].y;
    dir = look.stands[i].side;
    return i;
}

int CBuildingKind::GetType()
{
    return record.type;
}

bool CBuildingKind::Overlaps(int atX, int atY)
{
    return sprite->IsCollisionPixelPerfect(atX, atY);
}

bool CBuildingKind::Intersect(CSprite* other)
{
    return sprite->Overlap(other);
}

bool CBuildingKind::FootprintCollides(const building_look& kindLook)
{
    if (placingBuilding < 0 || placingBuilding >= VARIANTS || !sBuildingGhost[placingBuilding]) {
        return false;
    }
    CSprite* ghost = sBuildingGhost[placingBuilding];
    const int gw = ghost->GetW(), gh = ghost->GetH();
    const int left = CMouseCursor::GetMouseX() - ScrollX() - gw / 2;
    const int top = CMouseCursor::GetMouseY() - ScrollY() - gh / 2;
    if (kindLook.footprintCount == 0) {
        const PF_Rect box = PlainFootprint(gw, gh);
        return Collision(left + box.x, top + box.y, box.w, box.h, true);
    }
    for (int i = 0; i < kindLook.footprintCount; i++) {
        const kind_footprint& box = kindLook.footprint[i];
        if (Collision(left + box.x, top + box.y, box.w, box.h, true)) {
            return true;
        }
    }
    return false;
}
