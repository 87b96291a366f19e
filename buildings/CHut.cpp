#include "CHut.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CSound.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace {

constexpr int kHut = 1;
constexpr int kSleepTask = 8;
constexpr int kSleepSubTask = 9;
constexpr int kBuildTask = 5;
// The construction stages, the same for both sizes.
constexpr const char* kStageImages[] = {"hut_style0_construct0.png", "hut_style0_construct1.png",
                                        "hut_style0_construct2.png", "hut_style0_construct3.png"};
constexpr const char* kRoofs[] = {"hut_roof_style0.png", "hut_roof_style1.png", "hut_roof_style2.png",
                                  "hut_roof_style3.png"};
constexpr int kFinished = 4;
constexpr int kDoorShut = 5;
constexpr int kSpriteZ = 10;
constexpr int kRoofZ = 11;
constexpr int kMarkerZ = 30;
constexpr int kDepthLift = 55;
constexpr int kOverlayAbove = 1000;
constexpr int kRoofAbove = 1001;
constexpr int kSleepAbove = 500;
constexpr int kRoofLeft = 14, kRoofUp = 41;
constexpr float kRolloverLight = 1.5f;
constexpr float kDoorVolume = 0.5f;
constexpr int kNameId = 2814;
constexpr int kFirstRoofed = 12;

// Grass tufts painted into the finished pictures, from the picture's
// top-left: both sizes, then small only, then large only.
constexpr coordinate kGrassBoth[] = {{-13, 198}, {2, 203}, {68, 235}, {92, 242}};
constexpr coordinate kGrassSmall[] = {{117, 253}, {142, 243}, {167, 233}, {202, 203}};
constexpr coordinate kGrassLarge[] = {{37, 218}, {117, 243}, {152, 243}, {217, 188}};

// Stand points from the placement point lowered by half the picture, with
// the side the islander stands on.
constexpr int kStands[4][3] = {{70, -40, 2}, {-116, -60, 1}, {120, -85, 2}, {-65, -115, 1}};

constexpr const char* kSidebar[2][3] = {
    {"sidebar_item_hutAA.png", "sidebar_item_hutAB.png", "sidebar_item_hutAC.png"},
    {"sidebar_item_hutBA.png", "sidebar_item_hutBB.png", "sidebar_item_hutBC.png"}};

int ScrollX()
{
    return CControllerGame::island ? CControllerGame::island->offsetX : 0;
}

int ScrollY()
{
    return CControllerGame::island ? CControllerGame::island->offsetY : 0;
}

// 0 plain, 1 the first two roof styles, 2 the last two.
int Grade(int variant)
{
    return variant < kFirstRoofed ? 0 : variant < kFirstRoofed + 4 ? 1 : 2;
}

bool StillAmongPeople(CPerson* person)
{
    return std::find(CPerson::people.begin(), CPerson::people.end(), person) != CPerson::people.end();
}


}  // namespace

std::vector<CHut*> CHut::huts;

CHut::CHut(int atX, int atY, int variant) : CBuilding(kHut, variant, atX, atY)
{
    Init(true);
}

CHut::CHut(const building_data& saved) : CBuilding(saved)
{
    Init(false);
}

CHut::~CHut()
{
    delete hutSprite;
    delete overlay;
    delete roof;
    huts.erase(std::remove(huts.begin(), huts.end(), this), huts.end());
    // No islander may walk on towards a hut that is gone.
    for (CPerson* person : CPerson::people) {
        if (person->targetHut == this) {
            person->targetHut = nullptr;
        }
    }
    delete sndDoorOpen;
    delete sndDoorClose;
}

void CHut::Init(bool placing)
{
    assert(record.variant == 0 || record.variant == 1 ||
           (record.variant >= kFirstRoofed && record.variant < kFirstRoofed + 8));
    isHut = true;
    large = record.variant % 2 != 0;
    occupant = nullptr;
    shownFrame = -1;
    overlayX = large ? 54 : 34;
    overlayY = large ? 66 : 53;

    CDraw* draw = CSprite::draw;
    hutSprite = new CSprite(kSpriteZ);
    // Private copies: grass is painted into them.
    for (const char* stage : kStageImages) {
        hutSprite->LoadImage(draw->LoadImage(stage, true, true));
    }
    hutSprite->LoadImage(draw->LoadImage(large ? "hut_style1_construct4.png" : "hut_style0_construct4.png", true, true));
    hutSprite->LoadImage(
        draw->LoadImage(large ? "hut_style1_construct4door.png" : "hut_style0_construct4door.png", true, true));
    if (placing) {
        record.x -= static_cast<float>(hutSprite->GetW() / 2);
        record.y -= static_cast<float>(hutSprite->GetH() / 2);
    }
    x = record.x;
    y = record.y;
    depthOffset = hutSprite->GetH() - kDepthLift;
    hutSprite->Move(x, y, static_cast<float>(Depth()));
    hutSprite->Hide();

    overlay = new CSprite(kSpriteZ);
    overlay->LoadImage(draw->LoadImage(large ? "hut_style1_overlay.png" : "hut_style0_overlay.png", true, true));
    overlay->Move(-100, -100);
    overlay->Hide();

    selectionMarker = new CSprite(kMarkerZ);
    selectionMarker->LoadImage("selector_hut.png");
    selectionMarker->Hide();
    selectionOffsetX = -22;
    selectionOffsetY = 102;

    roof = nullptr;
    if (record.variant > 1) {
        roof = new CSprite(kRoofZ);
        roof->LoadImage(kRoofs[(record.variant - kFirstRoofed) / 2]);
        roof->Move(-100, -100);
        roof->Hide();
    }
    AddObstructions(false);
    UnHide();
    huts.push_back(this);
    sndDoorOpen = new CSound("door_open.ogg", false, kDoorVolume, false);
    sndDoorClose = new CSound("door_close.ogg", false, kDoorVolume, false);
}

int CHut::Depth()
{
    return (Round(y) + depthOffset) * 2000;
}

void CHut::Hide()
{
    hutSprite->Hide();
    if (roof) {
        roof->Hide();
    }
}

void CHut::UnHide()
{
    hutSprite->UnHide();
    if (roof && hutSprite->GetFrame() >= kFinished) {
        roof->UnHide();
    }
    CMap* island = CControllerGame::island;
    if (grassPainted || !island || !island->playable) {
        return;
    }
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    std::vector<coordinate> points;
    const auto add = [&](const coordinate* from, size_t n) {
        for (size_t i = 0; i < n; i++) {
            points.push_back({left + from[i].x, top + from[i].y});
        }
    };
    add(kGrassBoth, 4);
    large ? add(kGrassLarge, 4) : add(kGrassSmall, 4);
    island->GetGrassOverSprite(hutSprite, points, -1);
    overlay->Move(hutSprite->GetX() + overlayX, hutSprite->GetY() + overlayY);
    island->GetGrassOverSprite(overlay, points, -1);
    grassPainted = true;
}

void CHut::Pump(int offsetX, int offsetY, int)
{
    if (CControllerGame::island && !CControllerGame::island->playable) {
        return;
    }
    const int frame = GetAnimationFrame();
    if (frame >= kFinished) {
        overlay->Move(x + static_cast<float>(offsetX + overlayX), y + static_cast<float>(offsetY + overlayY),
                      static_cast<float>(Depth() + kOverlayAbove));
        overlay->UnHide();
    } else {
        overlay->Hide();
    }
    if (roof) {
        roof->Hide();
    }
    if (rendering) {
        hutSprite->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), static_cast<float>(Depth()));
        if (roof && frame >= kFinished) {
            roof->UnHide();
            roof->Move(x + static_cast<float>(offsetX - kRoofLeft), y + static_cast<float>(offsetY - kRoofUp),
                       static_cast<float>(Depth() + kRoofAbove));
        }
    }
    if (IsDemolished()) {
        Hide();
        overlay->Hide();
        RemoveObstructions(this);
    }
    HandleCompletion();
    if (IsDemolished() && selectedObject == this) {
        selectedObject = nullptr;
    }
    if (occupant && !StillAmongPeople(occupant)) {
        occupant = nullptr;
    }
    // Being built or coming down: nobody may stay inside.
    if ((!IsComplete() || IsBeingDemolished()) && occupant) {
        occupant->FinishTaskSoon();
    }
}

int CHut::GetAnimationFrame()
{
    const float percent = PercentageComplete();
    int frame = percent < 25.0f ? 0 : percent < 50.0f ? 1 : percent < 75.0f ? 2 : percent < 100.0f ? 3 : kFinished;
    if (frame == kFinished && occupant && StillAmongPeople(occupant) &&
        ((occupant->GetCurrentTask() == kSleepTask && occupant->GetCurrentSubTask() == kSleepSubTask) ||
         occupant->MakingBabyRightNow())) {
        frame = kDoorShut;
    }
    if (shownFrame != -1 && frame != shownFrame && (frame == kDoorShut || shownFrame == kDoorShut)) {
        CSound* sound = frame == kDoorShut ? sndDoorClose : sndDoorOpen;
        CMap* island = CControllerGame::island;
        if (island) {
            sound->Play(island->GetDistFromScreenCenter(Round(x), Round(y)), false, 0, 0.0f);
        } else {
            sound->Play(false, 0, 0.0f, false);
        }
    }
    shownFrame = frame;
    hutSprite->SetFrame(static_cast<unsigned int>(frame));
    return frame;
}

bool CHut::IsAtCoords(int& z, int atX, int atY)
{
    if (IsDemolished()) {
        return false;
    }
    if (atX != -1 || atY != -1) {
        atX += ScrollX();
        atY += ScrollY();
    }
    for (CSprite* sprite : {hutSprite, overlay, roof}) {
        if (sprite && !sprite->Hidden() && sprite->IsCollisionPixelPerfect(atX, atY)) {
            z = sprite->GetZ();
            return true;
        }
    }
    return false;
}

void CHut::Clicked()
{
    if (IsDemolished()) {
        return;
    }
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
}

int CHut::DroppedOn()
{
    if (IsComplete() && !IsBeingDemolished()) {
        // The dropped islander takes the hut: whoever held it wakes and goes.
        if (occupant && StillAmongPeople(occupant)) {
            occupant->FinishTaskSoon();
        }
        occupant = nullptr;
        return kSleepTask;
    }
    return IsDemolished() ? 0 : kBuildTask;
}

void CHut::Rollover(bool over)
{
    for (CSprite* sprite : {hutSprite, overlay, roof}) {
        if (sprite) {
            sprite->Lighten(over, kRolloverLight);
        }
    }
    PlayRollover(over);
}

selection_result CHut::GetSelectedName()
{
    return selection_result{kNameId, Grade(record.variant) + 1, nullptr, nullptr, 0, 0};
}

sidebar_image CHut::GetSpriteForSidebar()
{
    return sidebar_image{-1, kSidebar[large ? 1 : 0][Grade(record.variant)], 1};
}

int CHut::GetX()
{
    return Round(static_cast<float>(record.placeX));
}

int CHut::GetY()
{
    return Round(static_cast<float>(record.placeY));
}

void CHut::GiveResponse(bool yes)
{
    CBuilding::GiveResponse(yes);
    if (yes && occupant && StillAmongPeople(occupant)) {
        occupant->FinishTaskSoon();
    }
}

void CHut::AddObstructions(bool complete)
{
    RemoveObstructions(this);
    const int bx = static_cast<int>(x) + 30;
    const int w = hutSprite->GetW();
    const int t = (w - 50) / 3;
    const int third = (2 * w - 100) / 3;
    const int r1 = static_cast<int>(y) + 155, r2 = static_cast<int>(y) + 125, r3 = static_cast<int>(y) + 140;
    if (!complete) {
        AddObstruction(bx - 20, r1, t + 20, 40, this, false);
        AddObstruction(bx + t, r2, t, 80, this, false);
        AddObstruction(bx + third, r3, t + 10, 50, this, false);
    } else if (!large) {
        AddObstruction(bx - 20, r1, t + 10, 40, this, false);
        AddObstruction(bx + t - 10, r2, t + 10, 100, this, false);
        AddObstruction(bx + third, r3, t + 10, 75, this, false);
    } else {
        AddObstruction(bx - 20, r1, t + 20, 55, this, false);
        AddObstruction(bx + t, r2, t + 30, 100, this, false);
        AddObstruction(bx + third + 30, r3, t - 20, 50, this, false);
    }
}

int CHut::GetStandLocation(int& atX, int& atY, int& dir)
{
    const int i = RangedRandom(0, 3);
    atX = GetX() + kStands[i][0];
    atY = GetY() + hutSprite->GetH() / 2 + kStands[i][1];
    dir = kStands[i][2];
    return i;
}

int CHut::GetType()
{
    return kHut;
}

bool CHut::Overlaps(int atX, int atY)
{
    return hutSprite->IsCollisionPixelPerfect(atX, atY);
}

bool CHut::Intersect(CSprite* other)
{
    return hutSprite->Overlap(other);
}

void CHut::GetEntryCoordinates(int& atX, int& atY)
{
    atX = Round(x) + (large ? 113 : 93);
    atY = Round(y) + (large ? 128 : 138);
}

int CHut::GetSleepZ()
{
    return hutSprite->GetZ() + kSleepAbove;
}

CHut* CHut::FindAvailableHut(CPerson* person, int& atX, int& atY, bool underMouse, bool force, bool reserve)
{
    atX = atY = -1;
    if (huts.empty()) {
        return nullptr;
    }
    CHut* found = nullptr;
    if (underMouse) {
        for (CHut* hut : huts) {
            int z = 0;
            if (hut->IsAtCoords(z, -1, -1)) {
                found = hut;
                break;
            }
        }
    } else {
        for (size_t draw = 0; draw < huts.size() && !found; draw++) {
            CHut* hut = huts[static_cast<size_t>(RangedRandom(0, static_cast<int>(huts.size()) - 1))];
            if (hut->occupant && !StillAmongPeople(hut->occupant)) {
                hut->occupant = nullptr;
            }
            if (hut->IsComplete() && !hut->IsBeingDemolished() && (force || !hut->occupant)) {
                found = hut;
            }
        }
    }
    if (!found) {
        return nullptr;
    }
    // The asker may itself hold the hut it forces: telling it to finish
    // would end the very task that is looking for the hut.
    if (force && found->occupant && found->occupant != person && StillAmongPeople(found->occupant)) {
        found->occupant->FinishTaskSoon();
    }
    if (reserve) {
        // One reservation a person: an older one is given up.
        LeaveHut(person);
        found->occupant = person;
    }
    atX = Round(found->x) + (found->large ? 195 : 35);
    atY = Round(found->y) + (found->large ? 185 : 195);
    return found;
}

CHut* CHut::FindUnfinishedHut()
{
    for (CHut* hut : huts) {
        if (!hut->IsComplete() && !hut->IsBeingDemolished()) {
            return hut;
        }
    }
    return nullptr;
}

CHut* CHut::FindFinishedHut()
{
    for (CHut* hut : huts) {
        if (hut->IsComplete() && !hut->IsBeingDemolished()) {
            return hut;
        }
    }
    return nullptr;
}

void CHut::LeaveHut(CPerson* person)
{
    for (CHut* hut : huts) {
        if (hut->occupant == person) {
            hut->occupant = nullptr;
            return;
        }
    }
}

bool CHut::PlacementCollision()
{
    if (placingBuilding < 0 || placingBuilding >= VARIANTS || !sBuildingGhost[placingBuilding]) {
        return false;
    }
    CSprite* ghost = sBuildingGhost[placingBuilding];
    int gx = CMouseCursor::GetMouseX() - ScrollX() - ghost->GetW() / 2;
    int gy = CMouseCursor::GetMouseY() - ScrollY() - ghost->GetH() / 2;
    if (placingBuilding > 1) {
        // The hut's own corner inside the roofed ghost.
        gx += kRoofLeft;
        gy += kRoofUp;
    }
    if (placingBuilding % 2 != 0) {
        return Collision(gx + 10, gy + 100, 240, 100, true) || Collision(gx + 40, gy + 200, 200, 40, true);
    }
    return Collision(gx - 20, gy + 100, 190, 100, true) || Collision(gx - 20, gy + 200, 135, 40, true);
}
