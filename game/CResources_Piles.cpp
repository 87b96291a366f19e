// The stock as the three piles on the island: the heaps laid out from the
// counts every frame, the mats answering the mouse, and where islanders stand.
#include "CResources.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CFlowerIndicator.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "Log.h"
#include "PileLayouts.h"
#include "Utilities.h"

#include <algorithm>

using namespace PileLayouts;

namespace {

constexpr int kTakeFoodTask = 13;
constexpr float kMatHighlight = 1.5f;
constexpr int kStardustGift = 20;
constexpr int kWoodPile = 0, kRockPile = 1, kFoodPile = 2;

// The pile of a resource number: 3 and 6 are food; -1 for numbers without one.
int PileOf(int resource)
{
    switch (resource) {
    case 0: return kWoodPile;
    case 1: return kRockPile;
    case 2:
    case 3:
    case 6: return kFoodPile;
    default: return -1;
    }
}

// Heaps grow in steps of ten: 1 to 9 show one unit, 10 to 19 two.
int Units(int count)
{
    return count <= 0 ? 0 : count / 10 + 1;
}

int SlotsFor(int units)
{
    return (units + 3) / 4;
}

// Depth of a heap from the world y of its foot, the bottom of its picture.
int FootZ(CSprite* sprite, int offsetY)
{
    return (sprite->GetY() - offsetY + sprite->GetH() - 10) * 2000;
}

void PlaceAt(CSprite* sprite, int offsetX, int offsetY, coordinate anchor, coordinate at)
{
    sprite->Move(offsetX + anchor.x + at.x, offsetY + anchor.y + at.y);
}

// Shares the food mat's four slots between fish and vegetables by their units.
void ShareSlots(int fishUnits, int vegetableUnits, int& fishSlots, int& vegetableSlots)
{
    fishSlots = SlotsFor(fishUnits);
    vegetableSlots = SlotsFor(vegetableUnits);
    if (fishSlots + vegetableSlots <= 4) {
        return;
    }
    if (fishUnits == 0) {
        vegetableSlots = 4;
        fishSlots = 0;
    } else {
        const float all = static_cast<float>(fishUnits + vegetableUnits);
        vegetableSlots = Round(static_cast<float>(vegetableUnits) / all * 4.0f);
        fishSlots = Round(static_cast<float>(fishUnits) / all * 4.0f);
    }
    while (vegetableSlots + fishSlots > 4) {
        if (vegetableSlots > fishSlots) {
            vegetableSlots--;
        } else {
            fishSlots--;
        }
    }
    if (vegetableUnits > 0 && vegetableSlots == 0) {
        fishSlots--;
        vegetableSlots = 1;
    }
    if (fishUnits > 0 && fishSlots == 0) {
        vegetableSlots--;
        fishSlots = 1;
    }
}

// Scales the three vegetables' units down to the room, the largest giving
// way first.
void FitVegetables(int units[3], int room)
{
    const int all = units[0] + units[1] + units[2];
    if (all <= room) {
        return;
    }
    for (int v = 0; v < 3; v++) {
        units[v] = Round(static_cast<float>(units[v]) / static_cast<float>(all) * static_cast<float>(room));
    }
    int& a = units[0];
    int& b = units[1];
    int& c = units[2];
    // Rounding overshoots by at most one, so the third never runs dry here;
    // the guard only keeps a count from going below nothing.
    while (a + b + c > room) {
        int& taken = a > b ? (a > c ? a : c) : a == b ? (c > 0 ? c : a) : (b > c ? b : c);
        taken--;
    }
}

}  // namespace

void CResources::Hide() {}
void CResources::UnHide() {}
void CResources::Clicked() {}

CSprite* CResources::Mat(int pile)
{
    CMap* island = CControllerGame::island;
    return island ? island->pileSprites[pile] : nullptr;
}

bool CResources::MouseOverMat(int pile)
{
    CSprite* mat = Mat(pile);
    return mat && mat->IsCollisionPixelPerfect();
}

void CResources::Pump(int offsetX, int offsetY, int)
{
    CMap* island = CControllerGame::island;
    if (!island || !island->playable || CObject::isSimulating) {
        return;
    }
    LayOutFood(offsetX, offsetY, {GetPileX(2), GetPileY(2)});
    LayOutRock(offsetX, offsetY, {GetPileX(1), GetPileY(1)});
    LayOutWood(offsetX, offsetY, {GetPileX(0), GetPileY(0)});
}

void CResources::LayOutFood(int offsetX, int offsetY, coordinate anchor)
{
    const int fishUnits = Units(food[0]);
    int vegetableUnits[3] = {Units(food[1]), Units(food[2]), Units(food[3])};
    int fishSlots, vegetableSlots;
    ShareSlots(fishUnits, vegetableUnits[0] + vegetableUnits[1] + vegetableUnits[2], fishSlots, vegetableSlots);
    const int fishShown = std::min(fishUnits, 4 * fishSlots);
    FitVegetables(vegetableUnits, 4 * vegetableSlots);

    const bool anyFood = GetFood(-1) > 0;
    for (int s = 0; s < kFishSprites; s++) {
        CSprite* fish = fishSprites[s];
        fish->Hide();
        PlaceAt(fish, offsetX, offsetY, anchor, kFishOffsets[s]);
        const int image = std::min(fishShown - 1 - 4 * s, 3);
        if (image >= 0 && anyFood) {
            fish->SetFrame(static_cast<unsigned int>(image));
            fish->UnHide();
        }
        fish->SetZ(FootZ(fish, offsetY) - 40000);
    }

    for (int i = 0; i < kVegetablePlaces; i++) {
        for (int v = 0; v < kVegetables; v++) {
            CSprite* heap = vegetableSprites[v][i];
            heap->Hide();
            PlaceAt(heap, offsetX, offsetY, anchor, kVegetableOffsets[v][i]);
            // The near pair of a block sits just above the fish of that
            // block, the far pair just above the near pair.
            heap->SetZ(i % 4 < 2 ? fishSprites[i / 4]->GetZ() + i % 2 : vegetableSprites[v][i - 2]->GetZ() + 1);
        }
    }

    for (int slot = 0; slot < 4; slot++) {
        if (slot < fishSlots) {
            continue;
        }
        const int block = kBlockOfSlot[slot];
        for (int i = 4 * block; i < 4 * block + 4; i++) {
            for (int v = 0; v < kVegetables; v++) {
                if (vegetableUnits[v] > 0) {
                    vegetableUnits[v]--;
                    vegetableSprites[v][i]->UnHide();
                    break;
                }
            }
        }
    }
}

void CResources::LayOutRock(int offsetX, int offsetY, coordinate anchor)
{
    for (CSprite* heap : rockSprites) {
        heap->Hide();
    }
    const int units = Units(rock);
    if (units > 0) {
        const rock_layout& layout = kRockLayouts[std::min((units - 1) / 3, 3)];
        for (int h = 0; h < layout.heaps; h++) {
            CSprite* heap = rockSprites[h];
            PlaceAt(heap, offsetX, offsetY, anchor, layout.place[h]);
            const bool last = h == layout.heaps - 1;
            heap->SetFrame(last ? static_cast<unsigned int>(std::min(units - layout.firstUnits, 2)) : 2u);
            heap->UnHide();
        }
    }
    for (CSprite* heap : rockSprites) {
        heap->SetZ(FootZ(heap, offsetY) - 10000);
    }
}

void CResources::LayOutWood(int offsetX, int offsetY, coordinate anchor)
{
    for (CSprite* log : woodSprites) {
        log->Hide();
    }
    const int logs = std::min(Units(wood), kWoodSprites);
    if (logs == 0) {
        return;
    }
    const int firstLog = logs == 1 ? 0 : logs <= 4 ? 1 : logs <= 6 ? 2 : 3;
    PlaceAt(woodSprites[0], offsetX, offsetY, anchor, kFirstLog[firstLog]);
    for (int i = 1; i < logs; i++) {
        const log_place& place = i == 2 && logs == 3 ? kThirdOfThreeLogs : kLogPlaces[i];
        CSprite* under = woodSprites[place.from];
        woodSprites[i]->Move(under->GetX() + place.offset.x, under->GetY() + place.offset.y);
    }
    for (int i = 0; i < logs; i++) {
        woodSprites[i]->SetZ(FootZ(woodSprites[i], offsetY));
        woodSprites[i]->UnHide();
    }
    for (int i = 1; i < logs; i++) {
        const log_place& place = i == 2 && logs == 3 ? kThirdOfThreeLogs : kLogPlaces[i];
        if (place.restsOn >= 0) {
            woodSprites[i]->SetZ(woodSprites[place.restsOn]->GetZ() + 1);
        }
    }
}

bool CResources::IsAtCoords(int& z, int atX, int atY)
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return false;
    }
    // A point given in world px is tested where the mat is drawn; a -1 in
    // either names the mouse.
    const bool mouse = atX == -1 || atY == -1;
    const int screenX = mouse ? atX : atX + island->offsetX;
    const int screenY = mouse ? atY : atY + island->offsetY;
    for (int pile : {kFoodPile, kWoodPile, kRockPile}) {
        CSprite* mat = Mat(pile);
        if (mat && mat->IsCollisionPixelPerfect(screenX, screenY)) {
            z = mat->GetZ();
            return true;
        }
    }
    return false;
}

int CResources::DroppedOn()
{
    return MouseOverMat(kFoodPile) ? kTakeFoodTask : 0;
}

void CResources::Rollover(bool)
{
    if (!CControllerGame::island) {
        return;
    }
    // Only dust held at the pointer lights the mats, so that the player sees
    // where it can go; anything else being placed or an islander under the
    // mouse takes the pointer's attention.
    CControllerGame* game = CControllerGame::game;
    const bool allowed = game && (game->dustMode == 1 || game->dustMode == 2) && CObject::placingBuilding == -1 &&
                         CFlowerIndicator::placingFlowers == -1 && CTreeIndicator::placingTrees == -1 &&
                         !CPerson::didRollover;
    for (int pile = 0; pile < 3; pile++) {
        if (CSprite* mat = Mat(pile)) {
            mat->Lighten(allowed && mat->IsCollisionPixelPerfect(), kMatHighlight);
        }
    }
}

bool CResources::AcceptStardust()
{
    if (MouseOverMat(kFoodPile)) {
        const int before = GetFood(-1);
        AddFood(kStardustGift, 0);
        return GetFood(-1) != before;
    }
    if (MouseOverMat(kWoodPile)) {
        const int before = wood;
        AddWood(kStardustGift);
        return wood != before;
    }
    if (MouseOverMat(kRockPile)) {
        const int before = rock;
        AddRock(kStardustGift);
        return rock != before;
    }
    return false;
}

void CResources::SetPileCoordinates(int resource, int atX, int atY)
{
    const int pile = PileOf(resource);
    if (pile == -1) {
        logMessage("A pile was placed for a resource that has none: ", TempSprintf("%i", resource));
        return;
    }
    if (CMap* island = CControllerGame::island) {
        island->piles[pile] = {atX, atY};
    }
    blocked[pile] = {atX, atY};
    BlockPiles();
}

// A pile placed again (the camp remade) takes its old blocks away with it.
void CResources::BlockPiles()
{
    RemoveObstructions(this);
    for (int pile = 0; pile < 3; pile++) {
        if (blocked[pile].x == -1 && blocked[pile].y == -1) {
            continue;
        }
        for (const pile_block& block : kPileBlocks[pile]) {
            if (block.w > 0) {
                AddObstruction(blocked[pile].x + block.x, blocked[pile].y + block.y, block.w, block.h, this, false);
            }
        }
    }
}

int CResources::GetPileX(int resource)
{
    const int pile = PileOf(resource);
    CMap* island = CControllerGame::island;
    return pile != -1 && island ? island->GetPileX(pile) : -1;
}

int CResources::GetPileY(int resource)
{
    const int pile = PileOf(resource);
    CMap* island = CControllerGame::island;
    return pile != -1 && island ? island->GetPileY(pile) : -1;
}

void CResources::GetPileCoordinates(int& atX, int& atY, int resource)
{
    const int pile = PileOf(resource);
    if (pile == -1) {
        return;
    }
    int storeX = atX, storeY = atY;
    CBuilding* store = CBuilding::GetPileCoordinates(storeX, storeY, resource);
    const coordinate anchor = {GetPileX(pile), GetPileY(pile)};
    if (store && GetDist(atX, atY, storeX, storeY) < GetDist(atX, atY, anchor.x, anchor.y)) {
        int side = -1;
        store->GetStandLocation(atX, atY, side);
        return;
    }
    const coordinate spot = kStandSpots[pile][RangedRandom(0, 3)];
    atX = anchor.x + spot.x;
    atY = anchor.y + spot.y;
}
