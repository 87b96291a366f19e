// A tree on the island, the source of wood: islanders chop it (task 2) and
// carry the wood away. It works like a rock (CStone): marked for work by a
// drop or the side panel's button, picked from the static work list, chopped
// from a stand point left or right, refilled by stardust, saved as a
// tree_data record. It is drawn as a trunk that shows one of four chop
// stages and a crown of leaves shown only while the tree is whole. A
// mysterious tree grows out of one of the island's mysteries and can be
// neither chopped nor refilled. The island creates its trees and keeps them
// in its tree list; CObject::UnloadAll or the island's next population
// deletes them.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

class CSprite;

// One saved tree: 32 bytes, little-endian, written raw and zeroed before it
// is filled, so that its padding is always 0.
struct tree_data {
    int32_t footX, footY;  // world pixels
    int32_t size;          // 0..2
    int32_t trunk;         // trunk style
    uint8_t consumed;      // always 0 in saved records
    uint8_t padding1[3];
    int32_t remaining;     // wood
    int32_t maximum;
    uint8_t marked;
    uint8_t scenery;
    uint8_t mysterious;
    uint8_t padding2;
};
static_assert(sizeof(tree_data) == 32, "tree_data is a 32-byte saved record");

template <>
struct ProfileType<tree_data> : ProfileRecord<tree_data, 32> {
    static constexpr const char* tag = "9tree_data";
};

class CTree : public CObject {
public:
    // Foot point (x, y) in world pixels; size and trunk -1 for random ones.
    // loaded: the amounts and marks already stand in the record and stay.
    CTree(int x, int y, int size, int trunk, bool loaded, bool scenery, bool mysterious);
    explicit CTree(const tree_data& record);
    ~CTree() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    int DroppedOn() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedBottomDetail() override;
    selection_result GetSelectedDetailButton() override;
    void RespondToDetailButtonClick() override;
    // Made once on the first request and kept until the tree is destroyed.
    sidebar_image GetSpriteForSidebar() override;
    int GetX() override;  // the foot point
    int GetY() override;
    bool AcceptStardust() override;

    int GetSize();
    int GetTrunk();
    bool IsChoppable();
    bool IsConsumed();
    bool IsScenery();
    bool IsMysterious();
    // The chop stage 0..3 the trunk shows.
    int GetFrameToShow();
    // Takes n units of wood (nothing from a mysterious tree).
    void RemoveResource(int n);
    // Shows the chop stage of the wood left; no wood left fells the tree.
    void DisplayResource();
    void DelayChop();
    void RemoveFromVector();

    static void AddToChoppable(CTree* tree);
    // Marks the frontmost tree of the island under world (x, y) for work; n is not read.
    static void SetZone(int x, int y, int n);
    // As CStone::FindRockCoords.
    static CTree* FindTreeCoords(int& x, int& y, int& side, bool underMouse);
    static void SaveTrees();
    // The saved trees, rebuilt with new crowns; damaged records are repaired
    // or dropped.
    static std::vector<CTree*> LoadTrees();

    static std::vector<CTree*> choppable;  // marked trees, in marking order

private:
    void Initialize(int x, int y, int size, int trunk, bool loaded, bool scenery, bool mysterious);
    void ShowStage(int stage);

    tree_data record;
    bool grassPainted;
    CSprite* trunkSprite;   // owned
    CSprite* leavesSprite;  // owned
    CSprite* shadow;        // owned; null when none
    int trunkHeightMinus5;
    coordinate trunkAnchor, leavesAnchor;
    int size;
    int trunk;
    int chopDelay;
    int sidebarImage;  // -1 until first asked for
    bool scenery;

    int trunkImage;   // the whole trunk's picture
    int leavesImage;
    int stage;        // 0..3
};
