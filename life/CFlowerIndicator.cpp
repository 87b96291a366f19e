#include "CFlowerIndicator.h"

#include "CControllerGame.h"
#include "CGuiFlowers.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CMysteriousObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMarkersProperty = 8;
constexpr int kFlowersPlantedProperty = 62;
constexpr int kColours = 7;
constexpr int kWorldMin = -1000, kWorldMax = 5000;
// Markers stand at least 12 pixels apart on a 3904-pixel island.
constexpr size_t kMaxMarkers = 120000;
constexpr int kMarkerZ = 10;
constexpr int kGhostZ = 899999999;
constexpr int kMarkerImages = 3;
// The painted point lies this far right of and below the marker's x, y.
constexpr int kPaintOffset = 4;
constexpr int kHitMargin = 20;
constexpr int kPlantTask = 9;
constexpr int kGiveUpReaches = 60;

constexpr int kSprayReach = 50;
constexpr float kFullTurn = 6.28318f;
// A flower's patch is tested from this far up and left of the painted point.
constexpr int kPatchOffset = 6;
constexpr int kSpacing = 12;  // markers and flowers closer than this refuse
constexpr float kEraseReach = 15.0f;
constexpr float kStardustReach = 40.0f, kMoondustReach = 150.0f;

constexpr int kTutorialPanelOpen = 65, kTutorialFirstMarker = 66;

// Where the planter kneels, from the marker's x, y, by side.
constexpr int kLeftSpotX = -48, kLeftSpotY = -25, kRightSpotX = 37, kRightSpotY = -24;

bool NearerThan(int ax, int ay, int bx, int by, int reach)
{
    const long long dx = ax - bx, dy = ay - by;
    return dx * dx + dy * dy <= static_cast<long long>(reach) * reach;
}

CFlowerIndicator* WorkSpot(CFlowerIndicator* marker, int& x, int& y, int& side)
{
    if (RangedRandom(0, 1) == 0) {
        side = 1;
        x = marker->GetX() + kLeftSpotX;
        y = marker->GetY() + kLeftSpotY;
    } else {
        side = 2;
        x = marker->GetX() + kRightSpotX;
        y = marker->GetY() + kRightSpotY;
    }
    return marker;
}

coordinate MouseInWorld()
{
    coordinate point = {CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY()};
    if (CMap* island = CControllerGame::island) {
        point.x -= island->offsetX;
        point.y -= island->offsetY;
    }
    return point;
}

bool OverPanel()
{
    return CControllerGame::flowers && CControllerGame::flowers->IsMouseOver();
}

}  // namespace

std::vector<CFlowerIndicator*> CFlowerIndicator::flowerIndicator;
std::vector<fi_data> CFlowerIndicator::flowerData;
int CFlowerIndicator::placingFlowers = -1;
bool CFlowerIndicator::spraying = false;
bool CFlowerIndicator::lmbDown = false;
CSprite* CFlowerIndicator::sFlowerIndicatorGhosts = nullptr;

CFlowerIndicator::CFlowerIndicator(int px, int py, int markerColour, bool loading)
    : hidden(false),
      markerX(px - kPaintOffset),
      markerY(py - kPaintOffset),
      colour(markerColour),
      sprite(nullptr),
      failedReaches(0),
      hasRecord(true),
      erased(false)
{
    x = footX = static_cast<float>(markerX);
    y = footY = static_cast<float>(markerY);
    if (!loading) {
        flowerData.push_back(fi_data{markerX, markerY, colour});
    }
    const int look = RangedRandom(0, kMarkerImages - 1);
    sprite = new CSprite(kMarkerZ);
    sprite->LoadImage(TempSprintf("flower_indicator%i.png", look));
    sprite->Move(-100, -100);
}

CFlowerIndicator::~CFlowerIndicator()
{
    delete sprite;
    RemoveFromFlowerData(this);
    Unlist(this);
}

void CFlowerIndicator::Hide()
{
    hidden = true;
    sprite->Hide();
}

void CFlowerIndicator::UnHide()
{
    if (erased) {
        return;
    }
    hidden = false;
    sprite->UnHide();
}

void CFlowerIndicator::Pump(int offsetX, int offsetY, int)
{
    if (erased && !deleteMe && !IsWorkedOn()) {
        deleteMe = true;
    }
    sprite->Move(markerX + offsetX - 1, markerY + offsetY - 1);
}

bool CFlowerIndicator::IsAtCoords(int& z, int atX, int atY)
{
    if (hidden) {
        return false;
    }
    if (atX == -1 && atY == -1) {
        atX = CMouseCursor::GetMouseX();
        atY = CMouseCursor::GetMouseY();
    } else if (CMap* island = CControllerGame::island) {
        atX += island->offsetX;
        atY += island->offsetY;
    }
    if (!sprite->IsCollision(atX, atY, kHitMargin, kHitMargin)) {
        return false;
    }
    z = sprite->GetZ();
    return true;
}

void CFlowerIndicator::Clicked() {}

int CFlowerIndicator::DroppedOn()
{
    return hidden ? 0 : kPlantTask;
}

void CFlowerIndicator::Rollover(bool) {}

int CFlowerIndicator::GetX()
{
    return markerX;
}

int CFlowerIndicator::GetY()
{
    return markerY;
}

int CFlowerIndicator::CentreX()
{
    return markerX + sprite->GetW() / 2;
}

int CFlowerIndicator::CentreY()
{
    return markerY + sprite->GetH() / 2;
}

bool CFlowerIndicator::IsWorkedOn()
{
    for (CPerson* person : CPerson::people) {
        if (person->targetFlowerMarker == this) {
            return true;
        }
    }
    return false;
}

bool CFlowerIndicator::AcceptStardust()
{
    PlantAroundMouse(kStardustReach);
    return true;
}

bool CFlowerIndicator::AcceptMoondust()
{
    PlantAroundMouse(kMoondustReach);
    return true;
}

void CFlowerIndicator::PlantAroundMouse(float radius)
{
    const coordinate mouse = MouseInWorld();
    // Planting takes markers off the list, so the walk goes over a copy.
    const std::vector<CFlowerIndicator*> markers = flowerIndicator;
    for (CFlowerIndicator* marker : markers) {
        if (std::find(flowerIndicator.begin(), flowerIndicator.end(), marker) == flowerIndicator.end()) {
            continue;
        }
        if (GetDist(mouse.x, mouse.y, marker->CentreX(), marker->CentreY()) <= radius) {
            CPerson::StopEveryoneHacking(marker);
            PlaceFlower(marker);
        }
    }
}

void CFlowerIndicator::CantReachFlower()
{
    failedReaches++;
    if (failedReaches == kGiveUpReaches) {
        DeleteFlowerIndicator(this);
    }
}

void CFlowerIndicator::Init()
{
    Unload();
    sFlowerIndicatorGhosts = new CSprite(kGhostZ);
    for (int c = 0; c < kColours; c++) {
        sFlowerIndicatorGhosts->LoadImage(TempSprintf("flower_colour_%i_size_2_type_0.png", c));
    }
    sFlowerIndicatorGhosts->Pause();
    sFlowerIndicatorGhosts->Hide();
}

void CFlowerIndicator::Unload()
{
    delete sFlowerIndicatorGhosts;
    sFlowerIndicatorGhosts = nullptr;
}

void CFlowerIndicator::PlaceFlowers(int paintColour)
{
    placingFlowers = paintColour >= kColours || paintColour < -1 ? -1 : paintColour;
}

void CFlowerIndicator::SetSpray(bool on)
{
    spraying = on;
}

int CFlowerIndicator::GetFlowerPlacementType()
{
    return OverPanel() ? -1 : placingFlowers;
}

void CFlowerIndicator::HandleFlowerPlacement()
{
    if (!sFlowerIndicatorGhosts || !CControllerGame::island) {
        return;
    }
    sFlowerIndicatorGhosts->Hide();
    if (placingFlowers == -1) {
        return;
    }
    sFlowerIndicatorGhosts->Move(CMouseCursor::GetMouseX() - sFlowerIndicatorGhosts->GetW() / 2,
                                 CMouseCursor::GetMouseY() - sFlowerIndicatorGhosts->GetH() / 2);
    sFlowerIndicatorGhosts->SetFrame(static_cast<unsigned int>(placingFlowers));
    sFlowerIndicatorGhosts->UnHide();
}

void CFlowerIndicator::MouseMove()
{
    CMap* island = CControllerGame::island;
    if (!lmbDown || OverPanel() || placingFlowers == -1 || !island) {
        return;
    }
    coordinate point = MouseInWorld();
    if (spraying) {
        const int reach = RangedRandom(0, kSprayReach);
        const float angle = RangedRandom(0.0f, kFullTurn);
        point.x += Round(std::sin(angle) * static_cast<float>(reach));
        point.y += Round(std::cos(angle) * static_cast<float>(reach));
    }
    if (!island->IsNotOnWater(point.x, point.y)) {
        return;
    }
    const int qx = point.x - kPatchOffset, qy = point.y - kPatchOffset;
    if (!CMysteriousObject::CheckFlower(qx, qy)) {
        return;
    }
    for (CFlowerIndicator* marker : flowerIndicator) {
        if (NearerThan(qx, qy, marker->markerX, marker->markerY, kSpacing)) {
            return;
        }
    }
    for (const flower_data& flower : island->flowers) {
        if (NearerThan(qx, qy, flower.x, flower.y, kSpacing)) {
            return;
        }
    }
    if (island->IsMouseOverResourcePile()) {
        return;
    }
    if (CTutorialDialog::IsTutorialComplete(kTutorialPanelOpen) &&
        !CTutorialDialog::IsTutorialComplete(kTutorialFirstMarker)) {
        CTutorialDialog::CompleteTutorial(kTutorialFirstMarker);
    }
    flowerIndicator.push_back(new CFlowerIndicator(point.x, point.y, placingFlowers, false));
}

void CFlowerIndicator::Click(bool released)
{
    lmbDown = !released;
    MouseMove();
}

CFlowerIndicator* CFlowerIndicator::FindCoords(int& x, int& y, int& side, bool underMouse)
{
    if (!CControllerGame::island || flowerIndicator.empty()) {
        return nullptr;
    }
    if (!underMouse) {
        const int pick = RangedRandom(0, static_cast<int>(flowerIndicator.size()) - 1);
        return WorkSpot(flowerIndicator[static_cast<size_t>(pick)], x, y, side);
    }
    CFlowerIndicator* best = nullptr;
    int bestZ = 0;
    for (CFlowerIndicator* marker : flowerIndicator) {
        int z = 0;
        if (marker->IsAtCoords(z, -1, -1) && (!best || z > bestZ)) {
            best = marker;
            bestZ = z;
        }
    }
    return best ? WorkSpot(best, x, y, side) : nullptr;
}

CFlowerIndicator* CFlowerIndicator::FindClosestCoords(int& x, int& y, int& side)
{
    if (!CControllerGame::island || flowerIndicator.empty()) {
        return nullptr;
    }
    CFlowerIndicator* best = nullptr;
    long long bestDistance = 0;
    for (CFlowerIndicator* marker : flowerIndicator) {
        const long long dx = marker->CentreX() - x, dy = marker->CentreY() - y;
        const long long distance = dx * dx + dy * dy;
        if (!best || distance < bestDistance) {
            best = marker;
            bestDistance = distance;
        }
    }
    return WorkSpot(best, x, y, side);
}

void CFlowerIndicator::PlaceFlower(CFlowerIndicator* marker)
{
    if (!marker) {
        return;
    }
    const int type = RangedRandom(0, 2);
    const int size = RangedRandom(1, 2);
    if (CMap* island = CControllerGame::island) {
        island->AddFlower(marker->GetX(), marker->GetY(), marker->colour, size, type);
    }
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kFlowersPlantedProperty, SaturatingAdd(profile->GetValue<int>(kFlowersPlantedProperty), 1));
    DeleteFlowerIndicator(marker);
    CMysteriousObject::FlowerPlaced();
}

void CFlowerIndicator::DeleteFlowerIndicator(CFlowerIndicator* marker)
{
    marker->deleteMe = true;
    marker->sprite->Hide();
    if (std::find(flowerIndicator.begin(), flowerIndicator.end(), marker) == flowerIndicator.end()) {
        return;
    }
    CPerson::StopEveryoneHacking(marker);
    RemoveFromFlowerData(marker);
    Unlist(marker);
}

void CFlowerIndicator::RemoveFromFlowerData(CFlowerIndicator* marker)
{
    if (!marker->hasRecord) {
        return;
    }
    marker->hasRecord = false;
    for (auto record = flowerData.begin(); record != flowerData.end(); ++record) {
        if (record->x == marker->markerX && record->y == marker->markerY && record->colour == marker->colour) {
            flowerData.erase(record);
            return;
        }
    }
}

void CFlowerIndicator::Unlist(CFlowerIndicator* marker)
{
    auto listed = std::find(flowerIndicator.begin(), flowerIndicator.end(), marker);
    if (listed != flowerIndicator.end()) {
        flowerIndicator.erase(listed);
    }
}

void CFlowerIndicator::EraseFlowers(int atX, int atY)
{
    const std::vector<CFlowerIndicator*> markers = flowerIndicator;
    for (CFlowerIndicator* marker : markers) {
        if (GetDist(atX, atY, marker->CentreX(), marker->CentreY()) > kEraseReach) {
            continue;
        }
        marker->Hide();
        marker->erased = true;
        RemoveFromFlowerData(marker);
        Unlist(marker);
    }
}

void CFlowerIndicator::DeleteAllFlowerIndicators()
{
    while (!flowerIndicator.empty()) {
        CFlowerIndicator* marker = flowerIndicator.front();
        marker->Hide();
        CPerson::StopEveryoneHacking(marker);
        marker->hasRecord = false;
        marker->deleteMe = true;
        Unlist(marker);
    }
    flowerData.clear();
}

void CFlowerIndicator::Save()
{
    CProfile::current->SetVectorValue<fi_data>(kMarkersProperty, flowerData);
}

size_t CFlowerIndicator::Load()
{
    // Markers of an earlier load are left to the registry; they must not
    // take the new records with them when they go.
    for (CFlowerIndicator* marker : flowerIndicator) {
        marker->hasRecord = false;
    }
    flowerIndicator.clear();
    flowerData.clear();
    CRepairTally tally("Saved flower markers");
    std::vector<fi_data> records = CProfile::current->GetVectorValue<fi_data>(kMarkersProperty);
    const size_t stored = records.size();
    tally.Cap(records, kMaxMarkers, "markers past the most the island has room for were left out");
    for (const fi_data& record : records) {
        if (record.colour < 0 || record.colour >= kColours) {
            tally.Note("a marker of a colour that does not exist was left out");
            continue;
        }
        if (record.x < kWorldMin || record.x > kWorldMax || record.y < kWorldMin || record.y > kWorldMax) {
            tally.Note("a marker far off the island was left out");
            continue;
        }
        flowerData.push_back(record);
        flowerIndicator.push_back(
            new CFlowerIndicator(record.x + kPaintOffset, record.y + kPaintOffset, record.colour, true));
    }
    return stored - flowerData.size();
}
