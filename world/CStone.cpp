#include "CStone.h"

#include "CController.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CInput.h"
#include "CMap.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CSprite.h"
#include "Log.h"
#include "RockKinds.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kMaxRecords = 20000;

constexpr int kRocksProperty = 3;
constexpr int kSelectionMarkerZ = 30;
constexpr int kRockZ = 10;
constexpr int kShadowZ = 0;
constexpr int kDelayPicks = 150;
constexpr int kGrassMargin = 25;
// While an islander is held, rocks are easier to hit.
constexpr int kHeldMarginX = 10, kHeldMarginY = 30;

constexpr int kNameId = 2017;
constexpr int kAmountId = 2021;
constexpr int kMarkButtonId = 3018;

const rock_marker& MarkerOf(int size, int variant)
{
    const rock_kind& kind = kRockKinds[size];
    return variant >= kind.firstWideVariant ? kind.markerWide : kind.marker;
}

coordinate MousePosition()
{
    if (!CController::input) {
        return {0, 0};
    }
    return {CController::input->mouseX, CController::input->mouseY};
}

// A saved record fit to build a rock from: amounts brought within the size's
// table, flags made 0 or 1. False for a size or variant no rock has, or a
// place off the island.
bool RepairRecord(rock_data& record, CRepairTally& tally)
{
    if (record.footX < 0 || record.footX >= ISLAND_PIXELS || record.footY < 0 || record.footY >= ISLAND_PIXELS) {
        tally.Note("a rock off the island was dropped");
        return false;
    }
    if (record.size < 0 || record.size >= ROCK_SIZES || record.variant < 0 ||
        record.variant >= kRockKinds[record.size].variants) {
        tally.Note("a rock of an unknown size or variant was dropped");
        return false;
    }
    const int amount = kRockKinds[record.size].amount;
    if (record.maximum <= 0 || record.maximum > amount) {
        tally.Note("the rock's maximum was out of range and became the size's amount");
        record.maximum = amount;
    }
    if (record.remaining < 1 || record.remaining > record.maximum) {
        tally.Note("the rock's amount was out of range");
        record.remaining = std::min(std::max(record.remaining, 1), static_cast<int>(record.maximum));
    }
    record.consumed = 0;
    record.marked = record.marked ? 1 : 0;
    record.scenery = record.scenery ? 1 : 0;
    return true;
}

}  // namespace

std::vector<CStone*> CStone::choppable;

CStone::CStone(int atX, int atY, int rockSize, int rockVariant, bool loaded, bool isScenery)
    : record{}, grassPainted(false), sprite(nullptr), size(0), chopDelay(0), shadow(nullptr), variant(0),
      imageName{}, scenery(false)
{
    Initialize(atX, atY, rockSize, rockVariant, loaded, isScenery);
}

CStone::CStone(const rock_data& saved)
    : record(saved), grassPainted(false), sprite(nullptr), size(0), chopDelay(0), shadow(nullptr), variant(0),
      imageName{}, scenery(false)
{
    Initialize(saved.footX, saved.footY, saved.size, saved.variant, true, saved.scenery != 0);
}

void CStone::Initialize(int atX, int atY, int rockSize, int rockVariant, bool loaded, bool isScenery)
{
    isRock = true;
    scenery = isScenery;
    record.scenery = isScenery ? 1 : 0;
    grassPainted = isScenery;
    chopDelay = 0;
    shadow = nullptr;
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    size = rockSize;
    variant = rockVariant;
    if (size == -1) {
        size = RangedRandom(0, ROCK_SIZES - 1);
    }
    assert(size >= 0 && size < ROCK_SIZES);
    const rock_kind& kind = kRockKinds[size];
    if (variant == -1) {
        variant = RangedRandom(0, kind.variants - 1);
    }
    assert(variant >= 0 && variant < kind.variants);

    const rock_marker& marker = MarkerOf(size, variant);
    selectionMarker = new CSprite(kSelectionMarkerZ);
    selectionMarker->LoadImage(marker.image);
    selectionMarker->Hide();
    selectionOffsetX = marker.x;
    selectionOffsetY = marker.y;

    record.footX = atX;
    record.footY = atY;
    record.size = size;
    record.variant = variant;
    if (!loaded) {
        record.consumed = 0;
        record.marked = 0;
        record.maximum = record.remaining = kind.amount;
    }
    if (record.marked) {
        AddToChoppable(this);
    }

    // A private copy, so that grass can be painted into it.
    std::snprintf(imageName, sizeof(imageName), kind.image, variant);
    CDraw* draw = CSprite::draw;
    const int image = draw->LoadImage(imageName, true, true);
    const int w = draw->GetW(image);
    const int h = draw->GetH(image);
    sprite = new CSprite(kRockZ);
    sprite->LoadImage(image);
    x = static_cast<float>(atX - w / 2);
    y = static_cast<float>(atY - h);
    const int z = (atY - kind.zLift) * 2000;
    sprite->Move(x, y, static_cast<float>(z));

    if (scenery && kind.shadow) {
        shadow = new CSprite(kShadowZ);
        shadow->LoadImage(TempSprintf(kind.shadow, variant));
        shadow->Hide();
        shadow->Move(x, y, static_cast<float>(z - 1));
    }

    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    const rock_blocks& blocks = kRockBlocks[size][variant];
    for (int i = 0; i < blocks.count; i++) {
        const rock_block& b = blocks.block[i];
        AddObstruction(left + b.x, top + b.y, b.w, b.h, this, false);
    }
}

CStone::~CStone()
{
    delete sprite;
    delete shadow;
    RemoveFromVector();
    // The island lists its rocks and must not keep them past their end.
    if (CMap* island = CControllerGame::island) {
        island->rocks.erase(std::remove(island->rocks.begin(), island->rocks.end(), this), island->rocks.end());
        island->beachRocks.erase(std::remove(island->beachRocks.begin(), island->beachRocks.end(), this),
                                 island->beachRocks.end());
    }
}

void CStone::Hide()
{
    sprite->Hide();
    if (shadow) {
        shadow->Hide();
    }
}

void CStone::UnHide()
{
    // A rock broken up stays gone, whoever shows the island's objects again.
    if (record.consumed) {
        return;
    }
    sprite->UnHide();
    if (shadow) {
        shadow->UnHide();
    }
    if (!grassPainted && CControllerGame::island) {
        CControllerGame::island->GetGrassOverSprite(sprite, kGrassMargin, -1);
        grassPainted = true;
    }
}

void CStone::Pump(int offsetX, int offsetY, int)
{
    if (isSimulating) {
        return;
    }
    if (record.consumed && selectedObject == this) {
        selectedObject = nullptr;
    }
    sprite->Move(static_cast<int>(x) + offsetX, static_cast<int>(y) + offsetY);
    if (shadow) {
        const coordinate at = kRockShadowOffsets[size][variant];
        shadow->Move(static_cast<int>(x) + offsetX + at.x, static_cast<int>(y) + offsetY + at.y);
    }
}

bool CStone::IsAtCoords(int& z, int atX, int atY)
{
    if (record.consumed) {
        return false;
    }
    bool hit;
    if (CControllerGame::PickedUpPerson()) {
        const coordinate mouse = MousePosition();
        if (atX == -1) {
            atX = mouse.x;
        }
        if (atY == -1) {
            atY = mouse.y;
        }
        hit = !sprite->Hidden() && sprite->IsCollision(atX, atY, kHeldMarginX, kHeldMarginY);
    } else {
        if ((atX != -1 || atY != -1) && CControllerGame::island) {
            atX += CControllerGame::island->offsetX;
            atY += CControllerGame::island->offsetY;
        }
        hit = sprite->IsCollisionPixelPerfect(atX, atY);
    }
    if (hit) {
        z = sprite->GetZ();
    }
    return hit;
}

void CStone::Clicked()
{
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
}

int CStone::DroppedOn()
{
    AddToChoppable(this);
    return 4;
}

void CStone::Rollover(bool over)
{
    sprite->Lighten(over, kRockKinds[size].lighten);
    PlayRollover(over);
}

selection_result CStone::GetSelectedName()
{
    return selection_result{kNameId, 0, nullptr, nullptr, 0, 0};
}

selection_result CStone::GetSelectedTopDetail()
{
    return selection_result{kAmountId, record.remaining, nullptr, nullptr, 0, 0};
}

selection_result CStone::GetSelectedBottomDetail()
{
    return selection_result{};
}

selection_result CStone::GetSelectedDetailButton()
{
    return selection_result{kMarkButtonId, record.marked ? 2 : 1, nullptr, nullptr, 0, 0};
}

void CStone::RespondToDetailButtonClick()
{
    if (!record.marked) {
        AddToChoppable(this);
    } else {
        RemoveFromVector();
        record.marked = 0;
    }
}

sidebar_image CStone::GetSpriteForSidebar()
{
    return sidebar_image{-1, imageName, -1};
}

int CStone::GetX()
{
    return Round(footX);
}

int CStone::GetY()
{
    return Round(footY);
}

bool CStone::AcceptStardust()
{
    if (record.remaining >= record.maximum) {
        return false;
    }
    record.remaining = record.maximum;
    return true;
}

int CStone::GetSize()
{
    return size;
}

int CStone::GetType()
{
    return variant;
}

bool CStone::IsChoppable()
{
    return record.marked != 0;
}

bool CStone::IsConsumed()
{
    return record.consumed != 0;
}

bool CStone::IsScenery()
{
    return scenery;
}

void CStone::RemoveResource()
{
    record.remaining--;
    if (record.remaining > 0) {
        return;
    }
    sprite->Hide();
    if (shadow) {
        shadow->Hide();
    }
    RemoveObstructions(this);
    RemoveFromVector();
    record.consumed = 1;
}

void CStone::DelayChop()
{
    chopDelay = kDelayPicks;
}

void CStone::RemoveFromVector()
{
    choppable.erase(std::remove(choppable.begin(), choppable.end(), this), choppable.end());
}

void CStone::AddToChoppable(CStone* rock)
{
    rock->record.marked = 1;
    if (std::find(choppable.begin(), choppable.end(), rock) == choppable.end()) {
        choppable.push_back(rock);
    }
}

CStone* CStone::FindRockCoords(int& standX, int& standY, int& side, bool underMouse)
{
    if (!CControllerGame::island || choppable.empty()) {
        return nullptr;
    }
    CStone* rock = nullptr;
    if (underMouse) {
        int bestZ = 0;
        for (CStone* candidate : choppable) {
            int z = 0;
            if (candidate->IsAtCoords(z, -1, -1) && (!rock || z > bestZ)) {
                rock = candidate;
                bestZ = z;
            }
        }
        if (!rock) {
            return nullptr;
        }
    } else {
        // A rock an islander could not reach waits out its next picks.
        for (;;) {
            CStone* candidate = choppable[RangedRandom(0, static_cast<int>(choppable.size()) - 1)];
            if (candidate->chopDelay < 1) {
                rock = candidate;
                break;
            }
            candidate->chopDelay--;
        }
    }
    side = RangedRandom(1, 2);
    const coordinate stand = kRockKinds[rock->size].stand[side - 1];
    standX = rock->GetX() + stand.x;
    standY = rock->GetY() + stand.y;
    return rock;
}

void CStone::SaveRocks()
{
    CMap* island = CControllerGame::island;
    std::vector<rock_data> saved;
    if (island) {
        for (CStone* rock : island->rocks) {
            if (rock->record.consumed) {
                continue;
            }
            rock_data out;
            memset(&out, 0, sizeof(out));
            out.footX = rock->record.footX;
            out.footY = rock->record.footY;
            out.size = rock->record.size;
            out.variant = rock->record.variant;
            out.remaining = rock->record.remaining;
            out.maximum = rock->record.maximum;
            out.marked = rock->record.marked;
            out.scenery = rock->record.scenery;
            saved.push_back(out);
        }
    }
    CProfile::current->SetVectorValue<rock_data>(kRocksProperty, saved);
}

std::vector<CStone*> CStone::LoadRocks()
{
    std::vector<CStone*> loaded;
    CRepairTally tally("Saved rocks");
    std::vector<rock_data> records = CProfile::current->GetVectorValue<rock_data>(kRocksProperty);
    tally.Cap(records, kMaxRecords, "rocks past the most an island grows were left out");
    for (rock_data& record : records) {
        if (RepairRecord(record, tally)) {
            loaded.push_back(new CStone(record));
        }
    }
    return loaded;
}

void CStone::SetZone(int atX, int atY, int)
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    CStone* front = nullptr;
    int frontZ = 0;
    for (CStone* rock : island->rocks) {
        int z = 0;
        if (rock->IsAtCoords(z, atX, atY) && (!front || z > frontZ)) {
            front = rock;
            frontZ = z;
        }
    }
    if (front) {
        AddToChoppable(front);
    }
}
