// The islander: one CPerson for every islander on the island, a world object
// pumped once a frame, drawn, picked up and dropped. It holds its saved record
// by value and rebuilds everything else (strengths, speed, task list, walker,
// sounds, sprites) from that record whenever it is built, so that the record
// alone is what survives a save.
//
// CPerson::people lists every islander in order of construction; the order
// is saved and decides ties in every search over the band. The registry only
// lists islanders: whoever makes one deletes it (a new band, a load, a death,
// the world's sweep of delete-flagged objects, shut-down).
#pragma once

#include "BandRecords.h"
#include "CObject.h"
#include "PersonFrame.h"
#include "PersonRecords.h"
#include "PersonSprites.h"
#include "ThoughtData.h"

#include <functional>
#include <string>
#include <vector>

class CBuilding;
class CCraftworks;
class CFarm;
class CFlowerIndicator;
class CHut;
class CPersonMovement;
class CSound;
class CSprite;
class CStone;
class CTree;
class CTreeIndicator;
class CUtilBounce;

class CPerson : public CObject {
public:
    // Builds an islander from its record and appends it to people.
    explicit CPerson(const person_data& record);
    ~CPerson() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
    sidebar_image GetSpriteForSidebar() override;

    // ---- The band ---------------------------------------------------------
    // A new islander: x -1 a random place (y ignored); genes null random
    // genes, else a newborn with a copy of them; startingBand takes the sex
    // and the age in years from male and years.
    static CPerson* NewPerson(int x, int y, const genome* genes, bool startingBand, bool male, int years);
    // Deletes every islander and starts the band of seven at the island's
    // start point.
    static void StartWithNewPeople();
    // Scatters the band around the new island's start point.
    static void ResetForNewIsland();
    // Islanders neither delete-flagged nor dying (NumAdults: aged 14 or more).
    static int NumPeople();
    static int NumAdults();

    // ---- Time away (CPerson_Simulate.cpp) -----------------------------------------
    // Plays frames of time away in bulk, in steps of 9,000; it may stop after
    // a step, once per profile, when an adult runs out of food or energy or an
    // islander dies young.
    static void Simulate(int frames);
    // Ages every islander, delete-flagged ones too; nothing else.
    static void AdvanceTime(int ticks);

    // ---- What the game screen asks of the band ------------------------------------
    // Every couple in a hut gets its child (or twins) at once: the game
    // screen is closing.
    static void ProcessBabyMakingCouples();
    static void CenterOnClosestAdult();
    // Every islander that can walk to (x, y) drops its task and walks there.
    static void MoveEveryoneTo(int x, int y);
    // A picture of a random adult for the quit dialog; -1 none.
    static int FindRandomAdultImage(int* gender, char* name);

    // ---- Selection and side-panel texts (CPerson_Selection.cpp) ----------------
    selection_result GetSelectedName() override;
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedBottomDetail() override;
    selection_result GetSelectedDetailButton() override;
    void RespondToDetailButtonClick() override;
    selection_result GetTooltipForSidebar() override;
    // The selected object when it is a listed islander, else null.
    static CPerson* GetSelectedPerson();
    // The islander after (before) p in list order, wrapping; a null p gives
    // the first; null when the band is empty or p is not listed.
    static CPerson* GetNextPerson(CPerson* p);
    static CPerson* GetPreviousPerson(CPerson* p);
    // sex: 0 men, 1 women, else anybody; living islanders only, the first
    // listed on equal ages; null none.
    static CPerson* GetYoungest(int sex);
    static void SelectYoungest();
    // The first listed islander of 14 or more; the selection stays when none.
    static void SelectAnAdult();
    // Whole years of the oldest living islander; 0 none.
    static int GetOldestPerson();
    // The custom name, else the table name cut to 10 characters; valid while
    // the islander lives.
    const char* GetASCIIName();
    static const char* GetASCIINameFromID(int id);
    // The first 10 characters become the custom name; empty clears it.
    void SetASCIIName(const std::string& name);

    int statusTextId = -1;  // replaces the task text in the bottom line; -1 none
    char asciiName[12] = {};

    // ---- Saving -------------------------------------------------------------
    // The band, the default task list, the last id and the clothes queues
    // into the active profile, and back. A missing or mistyped key is fatal
    // (the profile store's check); damaged records are repaired and logged.
    static void SavePeople();
    static void LoadPeople();
    static void SaveTaskQueue();
    static void LoadTaskQueue();
    // Puts every field that is built into image names, sounds or indexes back
    // into its range; true when something had to change.
    static bool RepairRecord(person_data& record);

    // ---- The record ---------------------------------------------------------
    int GetID() const { return data.id; }
    int GetGender() const { return data.gender; }  // 0 male, 1 female
    void SetParents(int mother, int father);
    int GetAge() const;        // whole years
    int GetActualAge() const;  // whole years, never reset by a potion
    bool IsBaby() const;       // below 3
    bool IsKid() const;        // 3 to 13
    bool IsAdult() const;      // 14 to 64
    bool IsSenior() const;     // 65 and over
    bool IsPickedUp() const { return pickedUp; }

    // ---- Genes and attributes -------------------------------------------------
    static void RandomizeGene(gene& g);
    static gene CrossGenes(const gene* a, const gene* b);
    static void RandomizeGenome(genome* genes);
    // A newborn's genome, crossed gene by gene from its parents.
    static genome CrossGenome(const genome& a, const genome& b);
    static int GetPhenotype(const gene& g);
    // Genes with phenotype 1 in strength block 0 (physical) or 1 (mental).
    int GetGeneticAttributeValue(int block) const;
    static int GetHairColour(const genome* genes);  // 0..7
    int GetHairColour() const;                       // as shown: 0..8, 8 grey
    void InitStats();
    // apply also hands the new speed to the walker and the sprites.
    void AdjustSpeed(bool apply);
    static int GetAnimRate(int level);
    static float GetActualWalkSpeed(int level);
    int GetPhysicalStrength() const { return physicalStrength; }
    int GetMentalStrength() const { return mentalStrength; }
    // Switch strength genes on (off) until the block gained (lost) amount;
    // false when the block was already full (empty).
    bool ImproveAttribute(int block, int amount);
    bool DecreaseAttribute(int block, int amount);
    void PrematureGray();

    // ---- Tasks, clothes, thoughts and sprites (their first pieces) -----------
    static void InitTaskQueue();
    static void RandomizeClothesColour(RGBA_data& colour, bool top, bool male);
    void ChangeHairStyle(int style);
    static void PreLoadClothes();
    static void UnPreLoadClothes();
    // ---- Thoughts and status texts (CPerson_Thoughts.cpp, CPerson_Status.cpp) ----
    // Builds the catalogue once; later calls leave it as it is.
    static void InitThoughts();
    // The tutorial's nudges: a thought at once (rain only once a life).
    void ThinkSomething();
    void ThinkRain();
    // No thought, and a quiet time of 600..900 frames, which it returns.
    int ClearThoughts();
    static void WipeTD(thought_data* rule);
    // At the clock's zero: a rule from the catalogue that fits the islander
    // now; false when 1000 draws found none.
    bool PickCatalogueThought();
    bool ThoughtConditionHolds(int kind);
    static std::vector<thought_data> possibleThoughts;
    int statusTimer = 0;  // frames until a new status text is drawn
    bool rainThoughtShown = false;
    // Every islander of 3 or more who is not delete-flagged looks surprised
    // for 45 frames: the weather's thunder.
    static void Lightning();
    // The water depth factor at the feet: 1.0 on land, below 0.85 wading.
    float GetDepth();
    void LoadSprites();
    void UnloadSprites();

    // ---- Tasks, walking and the frame ------------------------------------------------
    bool IsTaskPermitted(int task) const;
    // Tasks 5..7 share one permission, as do 9, 14, 15 and 16; forbidding the
    // current task asks the next frame to end it.
    void PermitTask(int task, bool allow);
    int GetCurrentTask() const { return currentTask; }
    int GetCurrentSubTask() const { return currentSubTask; }
    void ChangeTask(int task);
    // repeat: the task is taken up again when the islander is next idle.
    void EndTask(bool repeat);
    // False when a walk cannot start; the task has then been ended.
    bool SetSubTask(int subTask, int x, int y);
    bool AttemptTaskRepeatedly(int task, bool chosen);
    void FinishTaskSoon();
    // Frames one unit of work takes.
    int GetTaskLength(int task, bool atFishingSpot);
    static bool FishSuccess();
    void GetDestination(int& x, int& y);
    // Walk targets are foot points; the walker gets them with the foot offset.
    void MoveTo(int x, int y);
    void MoveTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool CanWeMoveTo(int x, int y);
    bool GetPileCoordinates(int& x, int& y, int kind);
    // A man stands a little off a work spot so that his tool meets the
    // object; side is the work direction.
    void AdjustHackCoordinates(int& x, int& y, int side);
    void FinishDive();
    bool WillIBeCloseToSomeoneElseAt(int x, int y, int distance, bool addFootOffset);
    // -1 when there is nobody.
    static int HowCloseIsTheClosestPersonTo(int x, int y, bool skipHeld);
    bool WalkNearby(int range, int minRange);
    bool KeepPeopleSpacedApart();
    // Everyone working on the object ends the task; a null object ends nothing.
    static void StopEveryoneHacking(CTree* tree);
    static void StopEveryoneHacking(CStone* rock);
    static void StopEveryoneHacking(CBuilding* building);
    static void StopEveryoneHacking(CTreeIndicator* sapling);
    static void StopEveryoneHacking(CFlowerIndicator* flowers);
    // One frame of the sub-task; false when the task ended here or the task
    // step is to wait.
    bool PumpSubTask();
    void HandleWake();
    void InitWakeParticle(wake_particle& p);
    // A young adult or a senior makes its lesson the pending one, once.
    void RaiseAgeTutorials(int years);

    // ---- Picking up, dropping and the work (CPerson_Pickup.cpp,
    // CPerson_TaskSteps.cpp, CPerson_SubTasks.cpp) ------------------------------
    // The first islander, in band order, whose body is under world (x, y);
    // -1, -1 the mouse. Null none.
    static CPerson* FindPickup(int x, int y);
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Grabs the islander, at most once a frame; a first grab of one carrying
    // a load or staying in a hut only explains why it cannot be lifted.
    void Pickup();
    // Lets go of the islander: the object under the mouse names its task.
    void Drop();
    // One frame of the current task; the sub-task runs first.
    void PumpTask();
    // The walking sub-tasks and the stand-still ones (CPerson_Walking.cpp).
    bool PumpWalkingSubTask();
    int voiceToggle = 0;
    int speechId = -1;  // a remark shown instead of the thought; -1 none
    int speechTimer = 0;
    std::string speechName;  // the other islander a remark is about
    int hutVariant = 0;  // the hut's variant, for the way out

    // ---- Families and births (CPerson_Family.cpp) -------------------------------
    // The islander under the drop point weighs up a pairing with the held
    // one: a question, a notice saying why not, or nothing. Always task 0.
    int DroppedOn() override;
    // The player's answer to this islander's question or notice.
    void GiveResponse(bool yes) override;
    // The child of this islander and other, shown at once; sex 0 a boy, 1 a
    // girl, else the band's balance decides. Null without another parent.
    CPerson* ProduceChildWith(CPerson* other, int sex);
    // A child of the first fertile woman and man found, without a hut (time
    // away only).
    static void MakeSomeBaby(bool boy);
    // Both partners are inside their hut together.
    bool MakingBabyRightNow() const;

    // Served by needs, thoughts and sprites.
    void DecideWhatToDo();
    void GetTired(int effort);
    // The same as calls GetTired(effort) in a row, drawing the same numbers.
    void GetTiredFor(int effort, int calls);
    void HandleAgeing();
    // How many coming HandleAgeing calls would only count the ticks: the
    // birthday, its draws and the looks of a new stage wait for later.
    int QuietAgeingTicks() const;
    void CountAgeingTicks(int ticks);
    void Die(bool scatter);
    void DieSoon(int cause);
    void HandleStatusAndThoughts(bool held);
    void ChangeEmotion(int face, int frames);
    // Drops the cached side-panel portrait, to be drawn again from the
    // islander's looks when next asked for.
    void ReleasePortrait();
    void HandleHead();
    void MoveHead(int& x, int& y);
    void ChangeState(int state);
    void AlterBodyDirection(int direction);
    void OffsetByBodySize(int& x, int& y) const;
    void InverseOffsetByBodySize(int& x, int& y) const;
    void HidePerson();
    void UnHidePerson();
    body_view DescribeBody() const;
    // Moves every layer of the stack; (sx, sy) the screen point, head the
    // head's offset, z the body's depth, held while the player holds it.
    void PlaceLayers(int sx, int sy, int headX, int headY, int z, bool held);
    // Cuts the body, the carried good and the garments to the body's height.
    void SetShownBodyHeight(int height);
    void PlaceShadow(int x, int y, int z, bool hacking);
    // Dust puffs: restart (at frame 0..20, played once), place, hide.
    void RestartDustPuff(int puff);
    void PlaceDustPuff(int puff, int x, int y, int z);
    void HideDustPuffs();
    void GetDustPuffSize(int& width, int& height) const;
    void PlaceSplash(int offsetX, int offsetY, int bodyHeight);
    void HideHeadForDive();

    int lastTask = 0;
    bool subTaskDone = false;
    int subTaskX = -1, subTaskY = -1;  // -1 none
    int taskFrames = 0;
    int spacingDelay = 0;
    bool finishSoon = false;
    CFarm* targetFarm = nullptr;
    CFlowerIndicator* targetFlowerMarker = nullptr;
    CTreeIndicator* targetSaplingMarker = nullptr;
    CTree* targetTree = nullptr;
    CStone* targetRock = nullptr;
    CBuilding* targetBuilding = nullptr;
    CHut* targetHut = nullptr;
    CCraftworks* targetCraftworks = nullptr;
    int workDirection = 0, workSpot = -1;
    int carryX = -1, carryY = -1, carryKind = -1;
    int carriedItem = -1;  // -1 nothing, 0 wood, 1 rock, 2 fish, 3..5 a vegetable
    int zOverride = -1, zOverrideDelay = 0;
    bool targetUnderMouse = false;
    int diveTimer = 0;  // above 0 under water
    bool sentByPlayer = false;
    bool endTaskRequested = false;
    bool mayWander = true;
    bool keepPartner = false;
    int hutTimer = 0;
    bool waitingForFire = false;
    bool twinsBorn = false;
    bool inSpacingRule = false;  // keeps a failed spacing walk from starting another

    // ---- Deciding, needs, ageing, death and skills ----------------------------
    // (CPerson_Decide.cpp, CPerson_Needs.cpp, CPerson_Skills.cpp)
    void DecideWhatToDoKid();
    void DecideWhatToDoBaby();
    // The tutorial's sleepy islander: energy -5000, and off to rest.
    void AsleepOnFeet();
    // The mother while she is in the band (dead but not yet deleted too).
    CPerson* FindMom();
    // v -1 fills both needs of every islander of 14 or more; else adds v.
    static void RevitalizeAll(int v);
    void CheckForDeath();
    // Deletes every delete-flagged islander.
    static void RemoveDeadPeople();
    // The skill slot a task trains: 6 and 7 build, 9, 15 and 16 garden.
    static int ConvertSkill(int task);
    // Out-of-range tasks and meters read 0 and change nothing.
    int GetSkill(int task) const;
    void ImproveSkill(int task, bool showNumber);
    // The same as calls ImproveSkill(task, false) in a row, drawing the same numbers.
    void ImproveSkillFor(int task, int calls);
    void ActuallyImproveSkill(int task, int amount);
    int GetSkillMeter(int shown) const;  // shown skill 0..6
    int GetSkillSpecialty() const;       // -1 none, 0..7
    bool MultipleMaster() const;
    int GetSkillRank() const;  // 0..3
    // Width of the head picture now shown; 0 while there is none.
    int GetShownHeadWidth() const;

    bool idle = false;  // had no task when this frame decided
    int wanderTimer = 0;  // an idle adult's frames until it wanders on its own
    int kidWanderTimer = 0;
    int sleepCountdown = -1, eatCountdown = -1;
    int energyTimer = -1, foodTimer = -1;
    int stageAge = 0;  // years at the last change of looks by age
    int skillTimer = -1;
    // String ids as decimal text, for the side panel's top line and the grave.
    std::string rankText, specialtyText;

    bool grabGuard = false;
    float depthFactor = 1.0f;  // 1.0 on land, lower in water
    bool wasHeld = false;
    float dustPuffX[4] = {}, dustPuffY[4] = {};
    int rippleCounter = 0;
    int scrollDeltaX = 0, scrollDeltaY = 0;
    int lastYears = -1;
    int bodyState = 0, bodyDirection = 0;
    // Where this frame drew the body; the wake follows it.
    int bodyDrawX = 0, bodyDrawY = 0, bodyZ = 0;
    int fullBodyWidth = 0, fullBodyHeight = 0, shownBodyHeight = 0;
    wake_particle smallWake[kSmallWake] = {};
    wake_particle largeWake[kLargeWake] = {};

    // ---- State ------------------------------------------------------------------
    person_data data;  // everything that is saved

    // Derived from the genes and the age by InitStats.
    int hairColour;  // 0..7
    int skinTone;    // 0..3
    int physicalStrength, mentalStrength;  // 0..100
    int speedLevel;                        // 0..4
    int animRate;                          // frames per animation step
    float walkSpeed;                       // pixels per frame
    bool isMale;

    std::vector<task_item> tasks;  // this islander's priority list
    int currentTask;               // 0 idle
    int currentSubTask;
    CObject* target;  // the work target; null none

    CPersonMovement* movement;  // owned
    float moveDX, moveDY;       // the walker's step this frame

    CPerson* partner;           // met in a hut; null none
    CPerson* pairingCandidate;  // the islander last dropped on this one
    CPerson* motherCache;       // the mother once found; null none
    bool dying;
    std::string deathCause;  // a string id as decimal text
    bool wasAdult, wasKid;   // the stage when last looked at

    int thoughtId;  // -1 none
    // Above 0 the quiet time before the next thought; from 0 down to -1200
    // the thought is shown.
    int thoughtCountdown;
    int personalZGap;
    CUtilBounce* bounceA;  // owned
    CUtilBounce* bounceB;  // owned

    int portraitImage;  // cached side-panel portrait, -1 none
    int headDirection;
    int blinkTimer, headTurnTimer;
    int lastOffsetX, lastOffsetY;  // the map offset of the last frame

    // ---- The sprite stack (CPerson_Sprites, _Body, _Head, _ClothesLooks) ----
    // Every sprite set of the islander's stage and of the stages it can still
    // reach is built once by LoadSprites, so that play only hides and shows.
    void InitSpriteOffsets();
    // Rebuilds the ground shadow and the selection ring for the stage.
    void UpdateSelectionRing();
    void HideBody();
    // Shows the body layers and marks the islander's layers as shown.
    void UnHideBody();
    // The image shift that keeps a walk in step when turning to direction.
    int GetFrameOffsetForDirectionChange(int direction);
    // Turns the body to the direction of the walker's last step.
    void AdjustDisplayedSprite();
    // The head picture the portrait shows: -1 default, 0..15; others ignored.
    void ChangeHeadDirection(int index);
    // A baby turning 3: the grown-up head, eyelids and hair take over.
    void SwitchToGrownUpHead();
    // The hair pictures again, for the style and colour of the current age,
    // or in the given style 0..7 (-1: by age).
    void RebuildHair(int style = -1);
    // Frames per animation step of every body, tool and adult garment.
    void SetBodyFramesPerStep(int frames);
    void LoadClothes();
    void UnloadClothes();
    // Puts a finished order on its islander; an unknown islander is no error.
    static void ChangeClothes(craft_data order);
    static void AddCraft(int islanderId, int topStyle, int bottomStyle, RGBA_data topColour, RGBA_data bottomColour);
    // Portraits drawn without clothes while set (the clothes designer).
    static void ResetClothes(bool noClothes);
    int GetClothesStyle(bool top) const;
    RGBA_data GetClothesColour(bool top) const;
    // Redraws the hair genes until they give colour 0..7 (500 draws at most).
    void ChangeHairColour(int colour);
    // Every sprite field the islander owns, null ones skipped; visit may take
    // the sprite over and clear the field.
    void ForEachSprite(const std::function<void(CSprite*&)>& visit);
    // Hide, unload, load again and set the two body states: the way every
    // change of looks goes, after the record changed. The archive pictures
    // stay decoded across it; the caller shows the islander again.
    void ReloadSprites(int firstState, int secondState);

    direction_set adultStand = {}, adultWalk = {}, adultCarry = {}, adultHoe = {}, adultHack = {};
    direction_set toolStick = {}, toolAxe = {}, toolPickaxe = {}, toolHammer = {};
    direction_set babyStand = {}, babyWalk = {}, kidStand = {}, kidWalk = {};
    direction_set topStand = {}, bottomStand = {}, topWalk = {}, bottomWalk = {}, topCarry = {}, bottomCarry = {};
    direction_set topHack = {}, bottomHack = {}, topHoe = {}, bottomHoe = {};
    direction_set babyTopStand = {}, babyBottomStand = {}, babyTopWalk = {}, babyBottomWalk = {};
    direction_set kidTopStand = {}, kidBottomStand = {}, kidTopWalk = {}, kidBottomWalk = {};
    direction_set* bodySet = nullptr;  // the shown body and garments
    direction_set* topSet = nullptr;
    direction_set* bottomSet = nullptr;
    CSprite* adultHead[kHeadFrames] = {};
    CSprite* adultBlink[kHeadFrames] = {};
    CSprite* hair[kHeadFrames] = {};
    CSprite* babyHead[kHeadFrames] = {};
    CSprite* babyBlink[kHeadFrames] = {};
    CSprite* noHair[kHeadFrames] = {};
    CSprite** headImages = nullptr;  // the arrays shown
    CSprite** blinkImages = nullptr;
    CSprite** hairImages = nullptr;
    CSprite* mouthSets[kFaces][kHeadFrames] = {};  // by face number
    CSprite** currentMouth = nullptr;
    CSprite** previousMouth = nullptr;
    direction_entry carriedSprites[kDirections][kCarriedGoods] = {};
    CSprite* dustSprites[4] = {};
    CSprite* splashSprite = nullptr;
    int splashX = 0, splashY = 0;  // world pixels
    CSprite* groundShadow = nullptr;
    CSprite* hackShadow = nullptr;
    CSprite* selectionRing = nullptr;  // also the world object's selection marker
    int selectionRingX = 0, selectionRingY = 0;
    int headOffsetX = 0, headOffsetY = 0;
    int headFrame = -1, targetHeadFrame = 0;  // -1 before the first load
    int emotionTimer = 0;
    bool layersShown = false;  // cleared by HidePerson, set by UnHideBody

    bool pickedUp;
    bool hidden;
    bool hiddenAway;      // inside a building or otherwise off the island
    int surprisedFrames;  // frames of the surprised face left

    CSound* sndSnore[2];
    CSound* sndHackWood[5];
    CSound* sndHackRock[5];
    CSound* sndHackBuilding[5];
    CSound* sndHackFarm[5];

    // ---- Stardust, moondust and potions (CPerson_Dust.cpp) ----------------------
    // Stardust improves a strength or a skill; false when nothing can improve.
    bool AcceptStardust() override;
    // New hair styles, hair colour and skin; always true.
    bool AcceptMoondust() override;
    // potion 1..51; at most one an islander-year, and none below 3 years.
    bool AcceptPotion(int potion) override;
    bool HasHadStardust() const { return data.hadStardust != 0; }
    bool HasHadMoondust() const { return data.hadMoondust != 0; }

    // ---- Shared by all islanders -------------------------------------------------
    static std::vector<CPerson*> people;
    static std::vector<task_item> taskQueue;  // the default priority list
    static std::vector<craft_data> craftQueue, pickupQueue;
    static game_data gameData;
    static std::vector<int> preloadedClothes;
    static CSound* sndGrab;
    static CSound* sndDrop;
    static CSound* sndSplash;
    static CSound* sndBaby[5];
    static CSound* sndKid[5];
    static CSound* sndMaleHuh[6][2];
    static CSound* sndFemaleHuh[6][2];
    static CSprite* sRolloverAdult;
    static CSprite* sRolloverKid;
    static CSprite* sRolloverBaby;
    static int personalZGapCurrent;
    static bool simulating, stoppedSimForDeath;
    static bool showFlyaways;
    static CPerson* isMasterOfSkill;
    // The islander whose rollover ring shows; the world pump re-runs its
    // hover test while one does, even when the mouse did not move.
    static CPerson* didRollover;
    static bool wantNoClothes;

private:
    // A walk under way turns the body with its steps; once it stops short it
    // starts again, else the sub-task is done.
    bool PumpWalkingOn(int subTask);
    static void CreateSharedSounds();
    static void DeleteSharedSounds();
    // Deletes islanders, always the last one, until none is left.
    static void DeleteAllPeople();
    // Drops every pointer another islander or the statics keep to this one.
    void ForgetMe();
    // Dust and potion messages, with the islander's name.
    void Notice(int stringId);
    void ToolTip(int stringId);
    void QuietFor600To900Frames();
    bool AdultPotion(int potion);
    void Rejuvenate();
};
