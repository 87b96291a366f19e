#include "CTreeIndicator.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "Log.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSaplingsProperty = 19;
constexpr int kSaplingsGrownProperty = 61;
constexpr int kLooks = 6;
constexpr int kOffsetX = 14, kOffsetY = 50;  // painted point to the image's top-left
constexpr int kRipeAge = 108000;             // an hour of play
constexpr int kRecordEvery = 300;
constexpr int kMaxFailedReaches = 60;
constexpr int kMarkerBox = 180;
constexpr int kHitMargin = 20;
constexpr float kMoondustReach = 300.0f;
constexpr float kLitFactor = 1.35f;
constexpr int kGhostDepth = 10000000;
constexpr int kFirstDepth = 15;
constexpr int kGrassMargin = 29;
// Saved saplings outside these bounds come from damaged data.
constexpr int kWorldMin = -1000, kWorldMax = 5000;
constexpr size_t kMaxSaplings = 20000;
constexpr int kOldestSapling = 1000 * 1000 * 1000;

constexpr int kBlockedTip = 10504, kWaterTip = 10505, kPileTip = 10506, kPlaceTip = 15113;
constexpr int kRefusedTipFrames = 270, kPlaceTipFrames = 150, kClearTipFrames = 3;

// Where a new tree stands relative to the sapling, by size and look; only
// the smallest trees have looks 5 and 6.
constexpr coordinate kTreeOffsets[3][7] = {
    {{22, 64}, {11, 64}, {19, 64}, {10, 62}, {13, 63}, {-35, 59}, {50, 59}},
    {{21, 61}, {10, 61}, {18, 60}, {8, 59}, {11, 60}, {0, 0}, {0, 0}},
    {{20, 58}, {10, 57}, {17, 57}, {10, 57}, {10, 57}, {0, 0}, {0, 0}},
};

selection_result Tip(int id)
{
    return selection_result{id, 0, nullptr, nullptr, 0, 0};
}

bool ShowingPlacementTip()
{
    CSidebar* sidebar = CControllerGame::sidebar;
    if (!sidebar || sidebar->timedMessageFrames <= 0) {
        return false;
    }
    const int id = sidebar->timedMessage.id;
    return id == kBlockedTip || id == kWaterTip || id == kPileTip;
}

void ClearPlacementTip()
{
    if (ShowingPlacementTip()) {
        CControllerGame::SetToolTipMessage(Tip(0), kClearTipFrames);
    }
}

int HeldDust()
{
    return CControllerGame::game ? CControllerGame::game->dustMode : 0;
}

}  // namespace

std::vector<CTreeIndicator*> CTreeIndicator::treeIndicator;
std::vector<ti_data> CTreeIndicator::treeData;
std::vector<CTreeIndicator*> CTreeIndicator::recordOwners;
int CTreeIndicator::placingTrees = -1;
bool CTreeIndicator::lmbDown = false;
CSprite* CTreeIndicator::sTreeIndicatorGhosts = nullptr;

CTreeIndicator::CTreeIndicator(int px, int py, bool planted, int startAge, bool loading)
    : needsGrass(true), left(px - kOffsetX), top(py - kOffsetY), grown(planted), sprite(nullptr),
      failedReaches(0), age(startAge)
{
    x = static_cast<float>(left);
    y = static_cast<float>(top);
    footX = x;
    footY = y;
    if (!loading) {
        ti_data record;
        memset(&record, 0, sizeof(record));
        record.x = left;
        record.y = top;
        record.grown = planted ? 1 : 0;
        record.age = startAge;
        treeData.push_back(record);
        recordOwners.push_back(this);
    }

    const int look = RangedRandom(0, kLooks - 1);
    sprite = new CSprite(kFirstDepth);
    sprite->LoadImage(CSprite::draw->LoadImage(TempSprintf("tree_sapling_size0_%i.png", look), true, false));
    sprite->LoadImage(CSprite::draw->LoadImage(TempSprintf("tree_sapling_size1_%i.png", look), true, false));
    sprite->Move(-100, -100);
    sprite->SetFrame(planted ? 1 : 0);
    AddObstruction(left + 5, top + 40, sprite->GetW() - 10, sprite->GetH() - 40, this, false);
}

CTreeIndicator::~CTreeIndicator()
{
    delete sprite;
    const auto owned = std::find(recordOwners.begin(), recordOwners.end(), this);
    if (owned != recordOwners.end()) {
        treeData.erase(treeData.begin() + (owned - recordOwners.begin()));
        recordOwners.erase(owned);
    }
    treeIndicator.erase(std::remove(treeIndicator.begin(), treeIndicator.end(), this), treeIndicator.end());
}

ti_data* CTreeIndicator::Record()
{
    const auto owned = std::find(recordOwners.begin(), recordOwners.end(), this);
    return owned == recordOwners.end() ? nullptr : &treeData[owned - recordOwners.begin()];
}

void CTreeIndicator::Hide()
{
    sprite->Hide();
}

void CTreeIndicator::UnHide()
{
    sprite->UnHide();
}

void CTreeIndicator::Pump(int offsetX, int offsetY, int)
{
    CMap* island = CControllerGame::island;
    if (needsGrass && !sprite->Hidden()) {
        sprite->Move(left, top);
        if (island) {
            island->GetGrassOverSprite(sprite, kGrassMargin, -1);
        }
        needsGrass = false;
    }
    sprite->Move(left + offsetX, top + offsetY, (top + sprite->GetH()) * 2000);
    Age(false);
}

bool CTreeIndicator::IsAtCoords(int& z, int atX, int atY)
{
    bool hit;
    if (atX == -1 || atY == -1) {
        hit = sprite->IsCollision(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY(), kHitMargin, kHitMargin);
    } else {
        CMap* island = CControllerGame::island;
        const int offsetX = island ? island->offsetX : 0, offsetY = island ? island->offsetY : 0;
        hit = sprite->IsCollision(atX + offsetX, atY + offsetY, kHitMargin, kHitMargin);
    }
    if (hit) {
        z = sprite->GetZ();
    }
    return hit;
}

void CTreeIndicator::Clicked() {}

int CTreeIndicator::DroppedOn()
{
    return 16;
}

void CTreeIndicator::Rollover(bool over)
{
    bool lit;
    const int dust = HeldDust();
    if (dust == 1 || dust == 2) {
        lit = over;
    } else {
        CMap* island = CControllerGame::island;
        lit = over && !IsGrown() && island && island->personCarried;
    }
    sprite->Lighten(lit, kLitFactor);
    PlayRollover(lit);
}

int CTreeIndicator::GetX()
{
    return left;
}

int CTreeIndicator::GetY()
{
    return top;
}

bool CTreeIndicator::IsGrown()
{
    return sprite->GetFrame() == 1;
}

void CTreeIndicator::Age(bool forced)
{
    if (!IsGrown()) {
        return;
    }
    if (age % kRecordEvery == 0) {
        if (ti_data* record = Record()) {
            record->age = age;
        }
    }
    if (age != -1) {
        age++;
    }
    if (age < kRipeAge) {
        return;
    }
    if (!forced) {
        // A tree springing up in front of the player would look wrong: wait
        // until the view has left it.
        const int sx = sprite->GetX(), sy = sprite->GetY(), w = sprite->GetW(), h = sprite->GetH();
        if (sx + w >= -100 && sx < 901 && sy + h >= -10 && sy < 901) {
            return;
        }
    }
    PlaceTree(this);
}

void CTreeIndicator::CountAge(int ticks)
{
    if (!IsGrown() || age == -1 || ticks <= 0) {
        return;
    }
    if (age < 0) {
        for (int i = 0; i < ticks; i++) {
            Age(true);
        }
        return;
    }
    // Only the last of the record's refreshes in the run is left to see.
    const int last = age + ticks - 1;
    const int refreshed = last - last % kRecordEvery;
    if (refreshed >= age) {
        if (ti_data* record = Record()) {
            record->age = refreshed;
        }
    }
    age += ticks;
}

void CTreeIndicator::AgeAll(int ticks)
{
    // Ripening draws the new tree's looks, so the ticks on which a sapling
    // ripens are played whole, in list order; the ticks between only count.
    int tick = 0;
    while (tick < ticks) {
        int quiet = ticks - tick;
        for (CTreeIndicator* marker : treeIndicator) {
            if (!marker->deleteMe && marker->IsGrown() && marker->age >= 0) {
                quiet = std::min(quiet, std::max(0, kRipeAge - 1 - marker->age));
            }
        }
        for (CTreeIndicator* marker : treeIndicator) {
            if (!marker->deleteMe) {
                marker->CountAge(quiet);
            }
        }
        tick += quiet;
        if (tick < ticks) {
            // Ripening takes the sapling off the list being walked.
            const std::vector<CTreeIndicator*> markers = treeIndicator;
            for (CTreeIndicator* marker : markers) {
                if (!marker->deleteMe) {
                    marker->Age(true);
                }
            }
            tick++;
        }
    }
}

void CTreeIndicator::CantReachTree()
{
    if (++failedReaches >= kMaxFailedReaches) {
        DeleteTreeIndicator(this);
    }
}

bool CTreeIndicator::AcceptStardust()
{
    CPerson::StopEveryoneHacking(this);
    PlaceTree(this);
    return true;
}

bool CTreeIndicator::AcceptMoondust()
{
    CMap* island = CControllerGame::island;
    const float wx = static_cast<float>(CMouseCursor::GetMouseX() - (island ? island->offsetX : 0));
    const float wy = static_cast<float>(CMouseCursor::GetMouseY() - (island ? island->offsetY : 0));
    for (;;) {
        CTreeIndicator* inReach = nullptr;
        for (CTreeIndicator* entry : treeIndicator) {
            const float cx = static_cast<float>(entry->GetX() + entry->sprite->GetW() / 2);
            const float cy = static_cast<float>(entry->GetY() + entry->sprite->GetH() / 2);
            if (GetDist(wx, wy, cx, cy) <= kMoondustReach) {
                inReach = entry;
                break;
            }
        }
        if (!inReach) {
            return true;
        }
        // Placing takes the entry off the list, so the search starts over.
        CPerson::StopEveryoneHacking(inReach);
        PlaceTree(inReach);
    }
}

// ---- Placing ---------------------------------------------------------------------------------

void CTreeIndicator::Init()
{
    sTreeIndicatorGhosts = new CSprite(kGhostDepth);
    sTreeIndicatorGhosts->LoadImage(CSprite::draw->LoadImage("tree_sapling_size0_2.png", true, false));
    sTreeIndicatorGhosts->LoadImage(CSprite::draw->LoadImage("tree_sapling_size0_2.png", true, false));
    sTreeIndicatorGhosts->SetRGBA(1.0f, 0.2f, 0.2f, 1.0f, 1);
    sTreeIndicatorGhosts->Hide();
}

void CTreeIndicator::Unload()
{
    delete sTreeIndicatorGhosts;
    sTreeIndicatorGhosts = nullptr;
}

void CTreeIndicator::PlaceTrees(int mode)
{
    placingTrees = mode == 0 || mode == -1 ? mode : -1;
}

int CTreeIndicator::GetTreePlacementType()
{
    return placingTrees;
}

void CTreeIndicator::HandleTreePlacement()
{
    if (!CControllerGame::island || !sTreeIndicatorGhosts) {
        return;
    }
    sTreeIndicatorGhosts->Hide();
    if (placingTrees != -1) {
        sTreeIndicatorGhosts->Move(CMouseCursor::GetMouseX() - kOffsetX, CMouseCursor::GetMouseY() - kOffsetY);
        sTreeIndicatorGhosts->UnHide();
    }
}

void CTreeIndicator::MouseMove()
{
    if (placingTrees == -1) {
        ClearPlacementTip();
        return;
    }
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    if (sTreeIndicatorGhosts) {
        sTreeIndicatorGhosts->SetFrame(0);
    }
    const int px = CMouseCursor::GetMouseX() - island->offsetX;
    const int py = CMouseCursor::GetMouseY() - island->offsetY;
    const bool onLand = island->IsNotOnWater(px, py);
    const bool valid =
        onLand && !Collision(px - kMarkerBox / 2, py - kMarkerBox / 2, kMarkerBox, kMarkerBox, true);
    const bool pile = island->IsMouseOverResourcePile();
    if (!valid || pile) {
        if (sTreeIndicatorGhosts) {
            sTreeIndicatorGhosts->SetFrame(1);
        }
        const int tip = !onLand ? kWaterTip : pile ? kPileTip : kBlockedTip;
        CControllerGame::SetToolTipMessage(Tip(tip), kRefusedTipFrames);
        return;
    }
    if (!lmbDown) {
        CControllerGame::SetToolTipMessage(Tip(kPlaceTip), kPlaceTipFrames);
        return;
    }
    CControllerGame::SetToolTipMessage(Tip(0), kClearTipFrames);
    treeIndicator.push_back(new CTreeIndicator(px, py, false, -1, false));
    ClearPlacementTip();
}

void CTreeIndicator::Click(bool released)
{
    lmbDown = !released;
    if (!released) {
        MouseMove();
    }
}

// ---- Planting and growing -------------------------------------------------------------------

CTreeIndicator* CTreeIndicator::FindCoords(int& atX, int& atY, int& side, bool underMouse)
{
    if (!CControllerGame::island || treeIndicator.empty()) {
        return nullptr;
    }
    CTreeIndicator* chosen = nullptr;
    if (underMouse) {
        int bestZ = 0;
        for (CTreeIndicator* entry : treeIndicator) {
            int z = 0;
            if (entry->IsAtCoords(z, -1, -1) && (!chosen || z > bestZ)) {
                chosen = entry;
                bestZ = z;
            }
        }
    } else {
        chosen = treeIndicator[RangedRandom(0, static_cast<int>(treeIndicator.size()) - 1)];
    }
    if (!chosen || chosen->IsGrown()) {
        return nullptr;
    }
    if (RangedRandom(0, 1) == 1) {
        side = 2;
        atX = chosen->GetX() + 52;
        atY = chosen->GetY() + 15;
    } else {
        side = 1;
        atX = chosen->GetX() - 40;
        atY = chosen->GetY() + 12;
    }
    return chosen;
}

void CTreeIndicator::GrowTree(CTreeIndicator* marker)
{
    if (!marker) {
        return;
    }
    marker->sprite->SetFrame(1);
    marker->age = 0;
    if (ti_data* record = marker->Record()) {
        record->grown = 1;
        record->age = 0;
    }
}

void CTreeIndicator::PlaceTree(CTreeIndicator* sapling)
{
    CMap* island = CControllerGame::island;
    if (!sapling || !island) {
        return;
    }
    const int size = RangedRandom(0, 2);
    int look = RangedRandom(0, 4);
    if (size == 0) {
        look = RangedRandom(0, 6);
    }
    const coordinate offset = kTreeOffsets[size][look];
    island->AddTree(sapling->GetX() + offset.x, sapling->GetY() + offset.y, size, look, true, false, false);
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kSaplingsGrownProperty, SaturatingAdd(profile->GetValue<int>(kSaplingsGrownProperty), 1));
    DeleteTreeIndicator(sapling);
}

void CTreeIndicator::DeleteTreeIndicator(CTreeIndicator* marker)
{
    if (!marker) {
        return;
    }
    // The marker is freed after the world's pass; nobody may walk on to it.
    CPerson::StopEveryoneHacking(marker);
    marker->deleteMe = true;
    marker->sprite->Hide();
    treeIndicator.erase(std::remove(treeIndicator.begin(), treeIndicator.end(), marker), treeIndicator.end());
}

// ---- Saving ---------------------------------------------------------------------------------

void CTreeIndicator::Save()
{
    CProfile::current->SetVectorValue<ti_data>(kSaplingsProperty, treeData);
}

size_t CTreeIndicator::Load()
{
    treeIndicator.clear();
    treeData.clear();
    CRepairTally tally("Saved saplings");
    std::vector<ti_data> records = CProfile::current->GetVectorValue<ti_data>(kSaplingsProperty);
    const size_t stored = records.size();
    tally.Cap(records, kMaxSaplings, "saplings past the most the island has room for were left out");
    for (ti_data& saved : records) {
        if (saved.x < kWorldMin || saved.x > kWorldMax || saved.y < kWorldMin || saved.y > kWorldMax) {
            tally.Note("a sapling far off the island was left out");
            continue;
        }
        // -1 marks a sapling not yet planted. A ripe one in view waits to
        // become a tree and goes on ageing, but not for a year of frames.
        const int age = std::min(std::max(saved.age, -1), kOldestSapling);
        tally.Note(age != saved.age, "an age no sapling reaches was brought to its bound");
        saved.age = age;
        treeData.push_back(saved);
    }
    recordOwners.assign(treeData.size(), nullptr);
    for (size_t i = 0; i < treeData.size(); i++) {
        ti_data& record = treeData[i];
        // Any byte but 0 in a damaged record still means planted.
        record.grown = record.grown != 0 ? 1 : 0;
        CTreeIndicator* entry =
            new CTreeIndicator(record.x + kOffsetX, record.y + kOffsetY, record.grown == 1, record.age, true);
        recordOwners[i] = entry;
        treeIndicator.push_back(entry);
    }
    return stored - treeData.size();
}
