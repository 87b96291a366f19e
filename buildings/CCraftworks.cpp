#include "CCraftworks.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kCraftworks = 6;
constexpr int kCraftTask = 12, kBuildTask = 5;
constexpr int kStardustNotice = 12359, kMoondustNotice = 12360;
constexpr int kDoorZ = 11;
constexpr int kDoorAbove = 1000, kInsideAbove = 500;
constexpr int kFinishedStage = 4;
constexpr float kRolloverLight = 1.5f;
constexpr int kStardustShare = 5;  // a stardust does a fifth of an order's work
constexpr int kRaise = 12;

constexpr building_look kCraftworksLook = {
    180, "selector_wonder-art-science.png", -9, 152, 2811, "sidebar_item_craftworks.png",
    {{208, 261, 2}, {-30, 233, 1}, {292, 149, 2}, {72, 151, 1}}, 4,
    {{7, 315}, {142, 377}, {212, 292}, {253, 238}, {271, 210}}, 5,
    {}, {}, 0,
    {{47, 115, 216, 85}, {7, 200, 313, 153}}, 2,
};

constexpr coordinate kEntry = {132, 186};
constexpr coordinate kPickup = {216, 240};

struct craftworks_box {
    int x, y, w, h;
};

// The last six step down along the front.
constexpr craftworks_box kBoxes[] = {{33, 133, 229, 73}, {33, 184, 142, 96}, {9, 240, 166, 40},
                                     {40, 280, 135, 10}, {65, 290, 110, 10}, {80, 300, 95, 10},
                                     {100, 310, 75, 10}, {120, 320, 55, 10}, {140, 330, 35, 10}};

// Work spots lie on the line from (10, 278) to (137, 335) of the picture.
constexpr int kSpotFirst = 10, kSpotLast = 137, kSpotTop = 278;
constexpr float kSpotSlope = 0.4488189f;

bool Usable(CCraftworks* building)
{
    return building->IsInService();
}

// The first order goes to the pickup queue once its work is done.
void MoveFinishedOrder()
{
    craft_data& order = CPerson::craftQueue.front();
    if (order.progress >= order.workNeeded) {
        CPerson::pickupQueue.push_back(order);
        CPerson::craftQueue.erase(CPerson::craftQueue.begin());
    }
}

}  // namespace

std::vector<CCraftworks*> CCraftworks::craftworks;
int CCraftworks::numCraftworks = 0;

CCraftworks::CCraftworks(int atX, int atY)
    : CBuildingKind(kCraftworksLook, kCraftworks, kCraftworks, atX, atY), door(nullptr), counted(false)
{
    Register();
}

CCraftworks::CCraftworks(const building_data& saved)
    : CBuildingKind(kCraftworksLook, saved), door(nullptr), counted(false)
{
    Register();
}

CCraftworks::~CCraftworks()
{
    if (counted) {
        numCraftworks--;
    }
    delete door;
    craftworks.erase(std::remove(craftworks.begin(), craftworks.end(), this), craftworks.end());
}

void CCraftworks::Register()
{
    isCraftworks = true;
    door = new CSprite(kDoorZ);
    door->LoadImage("craftworks_style0_construct4door.png");
    door->Move(-100, -100);
    door->Hide();
    // The base constructor could only reach its own version.
    AddObstructions(false);
    craftworks.push_back(this);
}

int CCraftworks::DoorDepth()
{
    return (Round(y) + depthOffset) * 2000 + kDoorAbove;
}

void CCraftworks::Pump(int offsetX, int offsetY, int steps)
{
    CMap* island = CControllerGame::island;
    if (island && !island->playable) {
        return;
    }
    CBuildingKind::Pump(offsetX, offsetY, steps);
    if (static_cast<int>(sprite->GetFrame()) >= kFinishedStage && !IsDemolished()) {
        door->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), static_cast<float>(DoorDepth()));
        door->UnHide();
    } else {
        door->Hide();
    }
    const bool usable = Usable(this);
    if (usable && !counted) {
        counted = true;
        numCraftworks++;
    } else if (!usable && counted) {
        counted = false;
        numCraftworks--;
    }
}

bool CCraftworks::IsAtCoords(int& z, int atX, int atY)
{
    if (CBuildingKind::IsAtCoords(z, atX, atY)) {
        return true;
    }
    if (IsDemolished() || door->Hidden()) {
        return false;
    }
    CMap* island = CControllerGame::island;
    if ((atX != -1 || atY != -1) && island) {
        atX += island->offsetX;
        atY += island->offsetY;
    }
    if (!door->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = door->GetZ();
    return true;
}

void CCraftworks::Rollover(bool over)
{
    door->Lighten(over, kRolloverLight);
    CBuildingKind::Rollover(over);
}

int CCraftworks::DroppedOn()
{
    return Usable(this) ? kCraftTask : kBuildTask;
}

void CCraftworks::AddObstructions(bool)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    for (const craftworks_box& box : kBoxes) {
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, false);
    }
}

bool CCraftworks::AcceptStardust()
{
    if (!Usable(this) || CPerson::craftQueue.empty()) {
        return CBuilding::AcceptStardust();
    }
    craft_data& order = CPerson::craftQueue.front();
    order.progress += order.workNeeded / kStardustShare;
    MoveFinishedOrder();
    Ask(kStardustNotice);
    requestingFeedbackData.noticeOnly = 1;
    return true;
}

bool CCraftworks::AcceptMoondust()
{
    if (Usable(this)) {
        if (CPerson::craftQueue.empty()) {
            return CObject::AcceptMoondust();
        }
        craft_data& order = CPerson::craftQueue.front();
        order.progress += order.workNeeded;
        MoveFinishedOrder();
        Ask(kMoondustNotice);
        requestingFeedbackData.noticeOnly = 1;
        return true;
    }
    return DoseMoondust();
}

void CCraftworks::GiveResponse(bool yes)
{
    AnswerNotices(yes, kStardustNotice, kMoondustNotice);
}

bool CCraftworks::PlacementCollision()
{
    return FootprintCollides(kCraftworksLook);
}

void CCraftworks::GetEntryCoordinates(int& atX, int& atY)
{
    atX = Round(x) + kEntry.x;
    atY = Round(y) + kEntry.y;
}

int CCraftworks::GetSleepZ()
{
    return sprite->GetZ() + kInsideAbove;
}

CCraftworks* CCraftworks::GetUseableCraftworks()
{
    for (CCraftworks* building : craftworks) {
        if (Usable(building)) {
            return building;
        }
    }
    return nullptr;
}

bool CCraftworks::AnyUseableCraftworks()
{
    return GetUseableCraftworks() != nullptr;
}

CCraftworks* CCraftworks::FindAvailableCraftworks(int& atX, int& atY)
{
    atX = atY = -1;
    CCraftworks* building = GetUseableCraftworks();
    if (building) {
        atX = Round(building->x) + kPickup.x;
        atY = Round(building->y) + kPickup.y;
    }
    return building;
}

CCraftworks* CCraftworks::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse, bool raise)
{
    atX = atY = -1;
    dir = 0;
    CCraftworks* taken = nullptr;
    if (underMouse) {
        for (CCraftworks* building : craftworks) {
            int z = 0;
            if (building->IsAtCoords(z, -1, -1)) {
                taken = building;
                break;
            }
        }
    } else {
        const int n = static_cast<int>(craftworks.size());
        for (int draw = 0; draw < n && !taken; draw++) {
            CCraftworks* building = craftworks[RangedRandom(0, n - 1)];
            if (Usable(building)) {
                taken = building;
            }
        }
    }
    if (!taken) {
        return nullptr;
    }
    const int d = RangedRandom(kSpotFirst, kSpotLast);
    atX = Round(taken->x) + d;
    atY = Round(taken->y) + Round(static_cast<float>(kSpotTop) + static_cast<float>(d - kSpotFirst) * kSpotSlope);
    if (raise) {
        atY -= kRaise;
    }
    return taken;
}
