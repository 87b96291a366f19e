// The base of every building on the island: its type and build-menu variant,
// its construction state (work done and wood and rock delivered against the
// type's needs, or taken away again while it comes down), the completion
// effects that run once, what the player does to a building (drops, the
// demolition question, dust, potions, storms), the islanders' search for a
// building to work at, the storehouse counts behind the stock's capacities,
// and the saving and loading of every building as building_data records.
//
// The static side also owns placement: the 23 translucent ghosts, one per
// build-menu variant, that follow the mouse while the player places a
// building, the per-frame test that turns a ghost red with its reason, and
// the click that puts a building down. The game screen calls MouseClick and
// HoverBuilding and reads placementFailed, setSail and the completed-building
// pointers.
//
// A building is a world object: it joins CObject::objects and buildings in
// its constructor and leaves both in its destructor; whoever unloads the
// world objects deletes it.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CSound;
class CSprite;

// One saved building: 56 bytes, little-endian, written raw and zeroed before
// it is filled.
struct building_data {
    float x, y;                // top-left of the building's picture, world pixels
    int32_t placeX, placeY;    // where it was put down: the picture's centre then
    int32_t type;              // 1..13
    int32_t variant;           // the build menu's 0..22
    int32_t work, wood, rock;  // construction done and delivered
    uint8_t demolishing;
    uint8_t kindFlags[4];
    uint8_t reserved[3];
    int32_t kindValues[3];
};
static_assert(sizeof(building_data) == 56, "building_data is a 56-byte saved record");

template <>
struct ProfileType<building_data> : ProfileRecord<building_data, 56> {
    static constexpr const char* tag = "13building_data";
};

class CBuilding : public CObject {
public:
    static constexpr int VARIANTS = 23;

    ~CBuilding() override;

    // ---- The player's actions (CBuilding_Player.cpp) ------------------------
    // Task 5 (build, or carry away) while not complete; the finished ship
    // asks whether to set sail instead and gives no task.
    int DroppedOn() override;
    // The answer to the building's last question (demolition or sailing).
    void GiveResponse(bool yes) override;
    // Speeds construction or demolition; false for a finished building.
    bool AcceptStardust() override;
    // Only potion 4, only on a building under construction.
    bool AcceptPotion(int potion) override;
    // The side panel's line for a building under construction or coming
    // down (never 100%), and its demolish button, which asks first.
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedDetailButton() override;
    void RespondToDetailButtonClick() override;
    // true asks the player whether to take the building down; false stops a
    // demolition at once.
    virtual void SetBuildingDemolitionState(bool demolish);
    // A storm or a crate: half the work points are lost.
    void Damage();

    // ---- The kind's own slots ------------------------------------------------
    // Replaces the building's obstruction rectangles: the site's for false,
    // the finished building's for true.
    virtual void AddObstructions(bool complete);
    // Shows and returns the construction stage 0..4 (4 finished).
    virtual int GetAnimationFrame() = 0;
    // A stand point beside the building (world pixels) and the side 1 left
    // or 2 right the islander stands on; returns the point's number.
    virtual int GetStandLocation(int& x, int& y, int& dir) = 0;
    virtual int GetType() = 0;
    virtual bool Overlaps(int x, int y) = 0;
    virtual bool Intersect(CSprite* sprite) = 0;

    // ---- Construction state ---------------------------------------------------
    // which 0 wood, anything else rock; negative amounts take away, never
    // below 0.
    void AddResource(int amount, int which);
    void Build(int n);
    bool HasAllCompletionPoints();
    bool HasAllResources();
    // For a building being demolished: the demolition has finished.
    bool IsComplete();
    bool IsDemolished();
    bool IsBeingDemolished();
    // Complete and not being taken down.
    bool IsInService();
    // 0 wood or 1 rock: what an islander carries next.
    int WhichResourceIsNeeded();
    // 0..100; a need of 0 counts as met.
    float PercentageComplete();
    int GetVariant();
    void DelayChop();
    void FinishNow();
    // Once a frame from the kind's Pump: the completion effects, once.
    void HandleCompletion();

    static int GetRequiredWood(int type);
    static int GetRequiredRock(int type);
    static int GetRequiredWork(int type);

    // ---- Finding buildings ------------------------------------------------------
    // The building an islander goes to work at, with its stand point, or null.
    static CBuilding* FindCoords(int& x, int& y, int& dir, int& location, bool needsResources,
                                 bool hasResourcesToTake, bool underMouse);
    // Storehouses in service of a resource number: 0 wood, 1 rock, 2, 3 and
    // 6 food; 0 for any other number.
    static int GetNumStorehouses(int resource);
    // The storehouse in service of the resource nearest to (x, y), which
    // become its placement point; null, with x and y unchanged, when there is
    // none. The first of equally near ones wins.
    static CBuilding* GetPileCoordinates(int& x, int& y, int resource);

    // ---- Saving (CBuilding.cpp) -----------------------------------------------------
    // Every building not fully demolished, in list order, into the profile.
    static void SaveBuildings();
    // Deletes every building and rebuilds them from the profile. A record of
    // an unknown type or of a variant its type does not have is logged and
    // skipped; negative counts become 0.
    static std::vector<CBuilding*> LoadBuildings();

    // ---- Placement (CBuilding_Placement.cpp) -----------------------------------
    // The ghosts and the placement sound; once at start-up, after the image
    // archive is loaded.
    static void InitSprites();
    static void DeleteSprites();
    // The same variant again stops placing; -1 always stops.
    static int HoverBuilding(int variant);
    // The picture of a variant at construction stage 0..4.
    static std::string GetBuildingFilename(int variant, int stage);
    // Once a frame from the world pump: moves and colours the ghost.
    static void HandleBuildingPlacement();
    // The game screen's left press while a variant is being placed.
    static void MouseClick();
    // Shows a tool-tip in the side panel for a number of frames.
    static void ShowToolTip(int stringId, int frames);

    static std::vector<CBuilding*> buildings;
    // The building of each kind whose completion was last handled while the
    // game screen existed.
    static CBuilding* isCompleteShipyard;
    static CBuilding* isCompleteShip;
    static CBuilding* isCompleteFarm;
    static CBuilding* isCompleteObservatory;
    static CBuilding* isCompleteWonderA;
    static CBuilding* isCompleteWonderB;
    static bool setSail;          // the player agreed to sail away
    static bool placementFailed;  // a click on a red ghost; the game screen clears it
    static CSprite* sBuildingGhost[VARIANTS];
    static CSound* sndPlace;
    // The last tool-tip asked for, until the side panel shows it.
    static selection_result toolTip;
    static int toolTipFrames;

protected:
    // A new building put down at (x, y), world pixels; nothing built yet.
    CBuilding(int type, int variant, int x, int y);
    // A saved building, as it was.
    explicit CBuilding(const building_data& saved);

    // Puts the building's request to the player whole, with nothing left of
    // an earlier one.
    void Ask(int stringId);
    // Moondust on a workplace that takes dust of its own: up to five doses of
    // stardust, stopping once the building's completion changes.
    bool DoseMoondust();
    // The answer to one of the building's two own notices closes it; any
    // other answer is the building's question's.
    void AnswerNotices(bool yes, int notice, int otherNotice);

    bool firstPump;
    int requiredWork;
    bool grassPainted;
    building_data record;  // the saved part
    int skipCounter;
    int requiredRock;
    int requiredWood;
    bool completionHandled;
    bool sailQuestion;  // the pending question is the ship's question to sail

private:
    // Shared uses of the stage pictures of the variants (every stage, or the
    // finished one only), so that the private copies made meanwhile decode
    // each picture once; give them back with ReleasePictures.
    static std::vector<int> HoldPictures(const std::vector<int>& variants, bool finishedOnly);
    static void ReleasePictures(const std::vector<int>& images);
    // Until the percentage reaches threshold: a point of work and a unit of
    // what is missing a step.
    void TopUp(float threshold);
    void ForgetCompletion();
};
