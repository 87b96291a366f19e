#include "CTree.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Log.h"
#include "TreeKinds.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

constexpr size_t kMaxRecords = 20000;

constexpr int kTreesProperty = 2;
constexpr int kSelectionMarkerZ = 30;
constexpr int kTreeZ = 10;
constexpr int kShadowZ = 0;
constexpr int kStages = 4;
constexpr int kDelayPicks = 150;
constexpr float kLighten = 1.5f;

constexpr int kNameId = 2018;
constexpr int kMysteriousNameId = 2805;
constexpr int kAmountId = 2021;
constexpr int kMarkButtonId = 3018;

// Tutorial steps that trees complete: marking a tree by a drop, then
// selecting and unmarking one.
constexpr int kStepDropTaught = 15, kStepDropped = 16;
constexpr int kStepSelectTaught = 60, kStepUnmarked = 61, kStepButtonUsed = 62;

const char* const kMysteriousTrunk = "mysterious_4_tree.png";
const char* const kMysteriousSidebar = "sidebar_item_myst4b.png";

// A saved record fit to build a tree from: amounts brought within the size's
// table, flags made 0 or 1. False for a size or trunk style no tree has, or
// a place off the island.
bool RepairRecord(tree_data& record, CRepairTally& tally)
{
    if (record.footX < 0 || record.footX >= ISLAND_PIXELS || record.footY < 0 || record.footY >= ISLAND_PIXELS) {
        tally.Note("a tree off the island was dropped");
        return false;
    }
    if (record.size < 0 || record.size >= TREE_SIZES || record.trunk < 0 ||
        record.trunk >= kTreeKinds[record.size].styles) {
        tally.Note("a tree of an unknown size or trunk style was dropped");
        return false;
    }
    const int wood = kTreeKinds[record.size].wood;
    if (record.maximum <= 0 || record.maximum > wood) {
        tally.Note("the tree's maximum was out of range and became the size's wood");
        record.maximum = wood;
    }
    if (record.remaining < 1 || record.remaining > record.maximum) {
        tally.Note("the tree's wood was out of range");
        record.remaining = std::min(std::max(record.remaining, 1), static_cast<int>(record.maximum));
    }
    record.consumed = 0;
    record.marked = record.marked ? 1 : 0;
    record.scenery = record.scenery ? 1 : 0;
    record.mysterious = record.mysterious ? 1 : 0;
    return true;
}

}  // namespace

std::vector<CTree*> CTree::choppable;

CTree::CTree(int atX, int atY, int treeSize, int treeTrunk, bool loaded, bool isScenery, bool mysterious)
    : record{}, grassPainted(false), trunkSprite(nullptr), leavesSprite(nullptr), shadow(nullptr),
      trunkHeightMinus5(0), trunkAnchor{0, 0}, leavesAnchor{0, 0}, size(0), trunk(0), chopDelay(0),
      sidebarImage(-1), scenery(false), trunkImage(-1), leavesImage(-1), stage(0)
{
    Initialize(atX, atY, treeSize, treeTrunk, loaded, isScenery, mysterious);
}

CTree::CTree(const tree_data& saved)
    : record(saved), grassPainted(false), trunkSprite(nullptr), leavesSprite(nullptr), shadow(nullptr),
      trunkHeightMinus5(0), trunkAnchor{0, 0}, leavesAnchor{0, 0}, size(0), trunk(0), chopDelay(0),
      sidebarImage(-1), scenery(false), trunkImage(-1), leavesImage(-1), stage(0)
{
    Initialize(saved.footX, saved.footY, saved.size, saved.trunk, true, saved.scenery != 0, saved.mysterious != 0);
}

void CTree::Initialize(int atX, int atY, int treeSize, int treeTrunk, bool loaded, bool isScenery,
                       bool mysterious)
{
    isTree = true;
    scenery = isScenery;
    record.scenery = isScenery ? 1 : 0;
    grassPainted = isScenery;
    chopDelay = 0;
    sidebarImage = -1;
    size = treeSize == -1 ? RangedRandom(0, TREE_SIZES - 1) : treeSize;
    assert(size >= 0 && size < TREE_SIZES);
    trunk = treeTrunk == -1 ? RangedRandom(0, kTreeKinds[size].styles - 1) : treeTrunk;
    assert(trunk >= 0 && trunk < kTreeKinds[size].styles);
    const int leafPattern = RangedRandom(0, TREE_LEAF_PATTERNS - 1);

    selectionMarker = new CSprite(kSelectionMarkerZ);
    selectionMarker->LoadImage("selector_adult.png");
    selectionMarker->Hide();
    const coordinate marker = mysterious ? kMysteriousTreeMarker : kTreeMarkers[size][trunk];
    selectionOffsetX = marker.x;
    selectionOffsetY = marker.y;

    record.footX = atX;
    record.footY = atY;
    record.size = size;
    record.trunk = trunk;
    record.mysterious = mysterious ? 1 : 0;
    if (!loaded) {
        record.marked = 0;
        record.consumed = 0;
        record.maximum = record.remaining = kTreeKinds[size].wood;
    }
    if (record.marked) {
        AddToChoppable(this);
    }
    trunkAnchor = kTrunkAnchors[size][trunk];
    leavesAnchor = kLeavesAnchors[size][trunk];

    // The shared trunk pictures; the tree takes copies of its own when grass
    // is first painted into them, which a preview's trees never need.
    CDraw* draw = CSprite::draw;
    trunkSprite = new CSprite(kTreeZ);
    if (mysterious) {
        trunkImage = draw->LoadImage(kMysteriousTrunk, false, true);
        trunkSprite->LoadImage(trunkImage);
    } else {
        for (int chop = 0; chop < kStages; chop++) {
            const int image =
                draw->LoadImage(TempSprintf("tree_size%i_trunk%i_chop%i.png", size, trunk, chop), false, true);
            if (chop == 0) {
                trunkImage = image;
            }
            trunkSprite->LoadImage(image);
        }
    }
    const int trunkW = draw->GetW(trunkImage);
    const int trunkH = draw->GetH(trunkImage);
    trunkHeightMinus5 = trunkH - 5;
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    x = static_cast<float>(atX - trunkW / 2);
    y = static_cast<float>(atY - trunkH);
    const int z = (Round(y) + trunkHeightMinus5) * 2000;
    trunkSprite->Move(Round(x), Round(y), z);

    leavesImage = draw->LoadImage(TempSprintf("tree_size%i_leaf%i.png", size, leafPattern), false, false);
    leavesSprite = new CSprite(kTreeZ);
    leavesSprite->LoadImage(leavesImage);
    leavesSprite->Move(Round(x) + trunkAnchor.x - leavesAnchor.x, Round(y) + trunkAnchor.y - leavesAnchor.y, z + 1);
    if (mysterious) {
        leavesSprite->Hide();
    }

    if (scenery) {
        shadow = new CSprite(kShadowZ);
        shadow->LoadImage(TempSprintf("tree_size%i_shadow.png", size));
        shadow->Hide();
        shadow->Move(Round(x), Round(y), z - 1);
    }

    const tree_block block = mysterious ? kMysteriousTreeBlock : kTreeBlocks[size][trunk];
    AddObstruction(Round(x) + block.x, Round(y) + block.y, block.w, block.h, this, false);
    DisplayResource();
}

CTree::~CTree()
{
    delete trunkSprite;
    delete leavesSprite;
    delete shadow;
    if (sidebarImage != -1 && CSprite::draw) {
        CSprite::draw->RemoveImage(sidebarImage);
    }
    RemoveFromVector();
    // The island lists its trees and must not keep them past their end.
    if (CMap* island = CControllerGame::island) {
        island->trees.erase(std::remove(island->trees.begin(), island->trees.end(), this), island->trees.end());
        island->beachPalms.erase(std::remove(island->beachPalms.begin(), island->beachPalms.end(), this),
                                 island->beachPalms.end());
    }
}

void CTree::Hide()
{
    trunkSprite->Hide();
    leavesSprite->Hide();
    if (shadow) {
        shadow->Hide();
    }
}

void CTree::UnHide()
{
    trunkSprite->UnHide();
    leavesSprite->UnHide();
    if (shadow) {
        shadow->UnHide();
    }
    DisplayResource();
    if (!grassPainted && CControllerGame::island) {
        const tree_kind& kind = kTreeKinds[size];
        trunkSprite->OwnImages();
        trunkImage = trunkSprite->GetImage(0);
        CControllerGame::island->GetGrassOverSprite(trunkSprite,
                                                    trunk < 2 ? kind.grassMarginNarrow : kind.grassMarginWide, -1);
        grassPainted = true;
    }
}

void CTree::Pump(int offsetX, int offsetY, int)
{
    if (isSimulating) {
        return;
    }
    if (record.consumed && selectedObject == this) {
        selectedObject = nullptr;
    }
    const int left = Round(x);
    const int top = Round(y);
    trunkSprite->Move(left + offsetX, top + offsetY);
    leavesSprite->Move(left + trunkAnchor.x - leavesAnchor.x + offsetX, top + trunkAnchor.y - leavesAnchor.y + offsetY);
    if (record.mysterious) {
        leavesSprite->Hide();
    }
    if (shadow) {
        const coordinate at = kTreeShadows[size][trunk];
        shadow->Move(left + offsetX + at.x, top + offsetY + at.y);
    }
}

bool CTree::IsAtCoords(int& z, int atX, int atY)
{
    if (record.consumed) {
        return false;
    }
    if ((atX != -1 || atY != -1) && CControllerGame::island) {
        atX += CControllerGame::island->offsetX;
        atY += CControllerGame::island->offsetY;
    }
    if (leavesSprite->IsCollisionPixelPerfect(atX, atY)) {
        z = leavesSprite->GetZ();
        return true;
    }
    if (trunkSprite->IsCollisionPixelPerfect(atX, atY)) {
        z = trunkSprite->GetZ();
        return true;
    }
    return false;
}

void CTree::Clicked()
{
    if (selectedObject != this) {
        PlayClick();
    }
    selectedObject = this;
    if (CTutorialDialog::IsTutorialComplete(kStepSelectTaught) && !CTutorialDialog::IsTutorialComplete(kStepUnmarked)) {
        if (record.marked) {
            RespondToDetailButtonClick();
        }
        CTutorialDialog::CompleteTutorial(kStepUnmarked);
    }
}

int CTree::DroppedOn()
{
    if (CTutorialDialog::IsTutorialComplete(kStepDropTaught)) {
        CTutorialDialog::CompleteTutorial(kStepDropped);
    }
    AddToChoppable(this);
    return 2;
}

void CTree::Rollover(bool over)
{
    trunkSprite->Lighten(over, kLighten);
    leavesSprite->Lighten(over, kLighten);
    PlayRollover(over);
}

selection_result CTree::GetSelectedName()
{
    return selection_result{record.mysterious ? kMysteriousNameId : kNameId, 0, nullptr, nullptr, 0, 0};
}

selection_result CTree::GetSelectedTopDetail()
{
    if (record.mysterious) {
        return selection_result{};
    }
    return selection_result{kAmountId, record.remaining, nullptr, nullptr, 0, 0};
}

selection_result CTree::GetSelectedBottomDetail()
{
    return selection_result{};
}

selection_result CTree::GetSelectedDetailButton()
{
    return selection_result{kMarkButtonId, record.marked ? 2 : 1, nullptr, nullptr, 0, 0};
}

void CTree::RespondToDetailButtonClick()
{
    if (CTutorialDialog::IsTutorialComplete(kStepUnmarked)) {
        CTutorialDialog::CompleteTutorial(kStepButtonUsed);
    }
    if (!record.marked) {
        AddToChoppable(this);
    } else {
        RemoveFromVector();
        record.marked = 0;
    }
}

sidebar_image CTree::GetSpriteForSidebar()
{
    if (record.mysterious) {
        return sidebar_image{-1, kMysteriousSidebar, 1};
    }
    if (sidebarImage == -1) {
        CDraw* draw = CSprite::draw;
        sidebarImage = draw->CombineImages({{draw->CopyImage(trunkImage), 0, 0},
                                            {draw->CopyImage(leavesImage), trunkAnchor.x - leavesAnchor.x,
                                             trunkAnchor.y - leavesAnchor.y}});
    }
    return sidebar_image{sidebarImage, "", -1};
}

int CTree::GetX()
{
    return Round(footX);
}

int CTree::GetY()
{
    return Round(footY);
}

bool CTree::AcceptStardust()
{
    if (record.mysterious || record.remaining >= record.maximum) {
        return false;
    }
    record.remaining = record.maximum;
    DisplayResource();
    return true;
}

int CTree::GetSize()
{
    return size;
}

int CTree::GetTrunk()
{
    return trunk;
}

bool CTree::IsChoppable()
{
    return record.marked != 0;
}

bool CTree::IsConsumed()
{
    return record.consumed != 0;
}

bool CTree::IsScenery()
{
    return scenery;
}

bool CTree::IsMysterious()
{
    return record.mysterious != 0;
}

int CTree::GetFrameToShow()
{
    return stage;
}

void CTree::RemoveResource(int n)
{
    if (record.mysterious) {
        return;
    }
    record.remaining -= n;
    DisplayResource();
}

void CTree::DisplayResource()
{
    const float f = static_cast<float>(record.remaining) / static_cast<float>(record.maximum);
    if (f <= 0.0f) {
        trunkSprite->Hide();
        leavesSprite->Hide();
        if (shadow) {
            shadow->Hide();
        }
        RemoveObstructions(this);
        RemoveFromVector();
        record.consumed = 1;
        return;
    }
    ShowStage(f >= 0.75f ? 0 : f >= 0.5f ? 1 : f >= 0.25f ? 2 : 3);
}

void CTree::ShowStage(int chopStage)
{
    stage = chopStage;
    trunkSprite->SetFrame(static_cast<unsigned int>(stage));
    if (stage == 0) {
        leavesSprite->UnHide();
    } else {
        leavesSprite->Hide();
    }
}

void CTree::DelayChop()
{
    chopDelay = kDelayPicks;
}

void CTree::RemoveFromVector()
{
    choppable.erase(std::remove(choppable.begin(), choppable.end(), this), choppable.end());
}

void CTree::AddToChoppable(CTree* tree)
{
    tree->record.marked = 1;
    if (std::find(choppable.begin(), choppable.end(), tree) == choppable.end()) {
        choppable.push_back(tree);
    }
}

CTree* CTree::FindTreeCoords(int& standX, int& standY, int& side, bool underMouse)
{
    if (!CControllerGame::island || choppable.empty()) {
        return nullptr;
    }
    CTree* tree = nullptr;
    if (underMouse) {
        int bestZ = 0;
        for (CTree* candidate : choppable) {
            int z = 0;
            if (candidate->IsAtCoords(z, -1, -1) && (!tree || z > bestZ)) {
                tree = candidate;
                bestZ = z;
            }
        }
        if (!tree) {
            return nullptr;
        }
    } else {
        // A tree an islander could not reach waits out its next picks.
        for (;;) {
            CTree* candidate = choppable[RangedRandom(0, static_cast<int>(choppable.size()) - 1)];
            if (candidate->chopDelay < 1) {
                tree = candidate;
                break;
            }
            candidate->chopDelay--;
        }
    }
    side = RangedRandom(1, 2);
    const tree_stand& stand = kTreeStands[tree->size][tree->trunk];
    standX = tree->GetX() + (side == 1 ? stand.left : stand.right);
    standY = tree->GetY() + kTreeStandY;
    if (tree->record.mysterious) {
        standX += kMysteriousTreeStandShift.x;
        standY += kMysteriousTreeStandShift.y;
    }
    return tree;
}

void CTree::SaveTrees()
{
    CMap* island = CControllerGame::island;
    std::vector<tree_data> saved;
    if (island) {
        for (CTree* tree : island->trees) {
            if (tree->record.consumed) {
                continue;
            }
            tree_data out;
            memset(&out, 0, sizeof(out));
            out.footX = tree->record.footX;
            out.footY = tree->record.footY;
            out.size = tree->record.size;
            out.trunk = tree->record.trunk;
            out.remaining = tree->record.remaining;
            out.maximum = tree->record.maximum;
            out.marked = tree->record.marked;
            out.scenery = tree->record.scenery;
            out.mysterious = tree->record.mysterious;
            saved.push_back(out);
        }
    }
    CProfile::current->SetVectorValue<tree_data>(kTreesProperty, saved);
}

std::vector<CTree*> CTree::LoadTrees()
{
    std::vector<CTree*> loaded;
    CRepairTally tally("Saved trees");
    std::vector<tree_data> records = CProfile::current->GetVectorValue<tree_data>(kTreesProperty);
    tally.Cap(records, kMaxRecords, "trees past the most an island grows were left out");
    for (tree_data& record : records) {
        if (RepairRecord(record, tally)) {
            loaded.push_back(new CTree(record));
        }
    }
    return loaded;
}

void CTree::SetZone(int atX, int atY, int)
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    CTree* front = nullptr;
    int frontZ = 0;
    for (CTree* tree : island->trees) {
        int z = 0;
        if (tree->IsAtCoords(z, atX, atY) && (!front || z > frontZ)) {
            front = tree;
            frontZ = z;
        }
    }
    if (front) {
        AddToChoppable(front);
    }
}
