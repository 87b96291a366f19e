// The island screen, on which the game is played. The screen that chose the
// island constructs it once the island is loaded or made, passes it the
// focus and keeps the pointer. Each frame it reads the player's input, runs
// the island and every world object, autosaves, and turns the requests of
// world objects into pop-ups; on a return to an island it first catches up
// on the time spent away. It owns its panels, sprites and sounds and the
// child screens it opens (static members), and on destruction it stores the
// island in the active profile and frees the island and all world objects.
#pragma once

#include "CController.h"
#include "WorldTypes.h"

class CControllerBuild;
class CControllerClothes;
class CControllerCrate;
class CControllerEndStory;
class CControllerInGameMenu;
class CControllerLab;
class CControllerMap;
class CControllerPersonDetail;
class CControllerPopUp;
class CControllerScience;
class CControllerTrophies;
class CControllerTrophyUnlock;
class CGuiFlowers;
class CMap;
class CObject;
class CPerson;
class CResources;
class CSidebar;
class CSound;
class CSprite;
class CTombstone;
class CTutorialCircle;

class CControllerGame : public CController {
public:
    static constexpr int TUTORIAL_STEPS = 107;
    static constexpr int PARTICLES = 120;
    static constexpr int MIST_IMAGES = 53;

    // newPeople: a new game, the starting band is made on the island. The
    // second flag is not read.
    CControllerGame(bool newPeople, bool unused);
    ~CControllerGame() override;

    // ---- Lifecycle (CControllerGame_Lifecycle.cpp) ---------------------------
    // Each does nothing when it has already run.
    void LoadSprites(bool newPeople, bool noCatchUp);
    void UnloadSprites();
    // Hands the frames away beyond the last 900 to the bulk simulation.
    void Simulate();
    void EndTutorial() override;

    // Game frames for time away: seconds x 30 x factor, rounded; a negative
    // result gives 0, a factor that is not finite counts as 1, and the count
    // saturates at the largest int.
    static int CatchUpFramesFor(double secondsAway, float factor);
    // The one stock of resources, made on first use; never null.
    static CResources* Resources();
    static void NullResources();
    static void SetToolTipMessage(selection_result message, int frames);
    // Whether the game screen exists and holds an islander candidate.
    static bool PickedUpPerson();
    static void CloseFlowersGUI();
    // Forgets every pointer of the game screen to an object being deleted.
    static void ForgetObject(CObject* object);

    // ---- The frame (CControllerGame_Frame.cpp) -------------------------------
    // One frame, or after a return the catch-up frames and then one more.
    void Pump() override;
    // More than a minute between two frames: the machine stalled.
    static bool Stalled(unsigned int now, unsigned int lastFrame);

    // ---- Input (CControllerGame_Input.cpp) ------------------------------------
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    // ---- Buttons and child screens (CControllerGame_Buttons.cpp) --------------
    // Any button first drops held dust or a held potion (the potion is lost).
    void GUICallback(int id, int value) override;
    // Reads the result of the child that came back, deletes it, and opens the
    // next child it asked for or restores the island's picture.
    void GotFocusBack() override;
    // Opens the islander detail screen over the game screen.
    static void ShowPersonDetail(CPerson* person);
    static bool SameRequest(const feedback_data& a, const feedback_data& b);

    // ---- Island events and held things (CControllerGame_Events.cpp, _Dust.cpp) --
    // A dust heap collected: one unit into the stock, and its particles fly
    // from the pointer to the counter.
    void AddDust(bool stardust);
    // Dust used at the pointer: its particles burst there.
    void DisplayStarBurst();
    void DisplayMoonBurst();
    // The first at (x, y), -1 a free spot; a second and a third by chance.
    void GrowMushrooms(int x, int y);

    int step6Frames;
    int settleFrames;  // ordinary frames since loading; pop-ups wait for 3
    int crateTimer;
    CSound* sndTwinkle;
    int rainTimer;
    int popUpPurpose;  // -1, 1 end-tutorial question, 2 slow-machine question
    bool eraserMode;
    CControllerBuild* buildMenu;
    CControllerScience* scienceScreen;
    CObject* followedObject;
    bool spritesLoaded;
    int pressX, pressY;          // screen px of the press that found the candidate; -1 none
    int gravePressX, gravePressY;
    CSprite* starSprites[PARTICLES];
    float starParticles[PARTICLES][4];  // x, y, vx, vy in screen px
    CSprite* moonSprites[PARTICLES];
    float moonParticles[PARTICLES][4];
    int stardustTimer, moondustTimer;
    int lastDustMode;
    CSprite* heldStardustSprite;
    CSprite* heldMoondustSprite;
    int framesPerSecond;
    CSprite* potionPointer;
    CSprite* potionPointerColour;
    CSprite* mistA;
    CSprite* mistB;
    int mistX, mistY;
    int mushroomTimer;
    bool endTutorialRequested;
    CObject* rememberedSelection;
    CObject* stepObject;
    int cycleIndex, cycleFrames;
    int frameCount;  // frames since loading, catch-up frames included
    int framesSinceDialog;
    int savedOffsetX, savedOffsetY;
    bool islanderDropped;  // an islander that was really carried was dropped
    int woodRotFrames;
    int stepDelay[TUTORIAL_STEPS];
    unsigned int lastFrameTicks;  // 0 before the first frame
    int stallSeconds;
    int slowFrames;
    int step0Frames;
    int pendingDelay;
    int catchUpFrames;  // frames still to run without input
    CTutorialCircle* stepCircle;
    int pendingTutorial;  // -1 none
    int dustMode;         // 0 none, 1 stardust held, 2 moondust held, 3..6 effects
    int heldPotion;       // 0 none
    RGBA_data potionColour, mistColourA, mistColourB;
    // The islander under the last left press, kept while it is carried.
    CPerson* pickupCandidate;
    // Set at load and on every left release; the next move with a candidate
    // lifts the pointer to a grown islander's hand and clears it.
    bool shiftCursorPending;
    CTombstone* tombstoneCandidate;
    bool sprayMode;
    int potionRefusal;  // the refusal text an object set for the offered potion; -1 none

    static CControllerGame* game;
    static CMap* island;  // the one island; null when none
    static CResources* resources;
    static CSidebar* sidebar;
    static CGuiFlowers* flowers;
    // The open child screens; null when closed. At most one is open.
    static CControllerPersonDetail* personGUI;
    static CControllerPopUp* popUp;
    static CControllerInGameMenu* inGameMenu;
    static CControllerCrate* crateGUI;
    static CControllerEndStory* endStory;
    static CControllerTrophyUnlock* trophyUnlock;
    static CControllerTrophies* trophies;
    static CControllerMap* mapGUI;
    static CControllerLab* lab;
    static CControllerClothes* clothes;
    static CSound* sndUsingDust;
    static CSound* sndWaves;
    static int lastDustPickup;  // frames since dust was last collected
    static bool stopFollowing;
    static selection_result lastToolTip;  // the last one asked for; id 0 none

private:
    // One frame; false when it ended early (a child screen opened, the
    // screen closed or lost the focus).
    bool RunFrame();
    // Hourglass, one render, the picture kept as the next screen's backdrop;
    // the long form also takes the pointer out of that picture.
    void HandOver(bool longForm);
    // The hand-over for a child opened as another child comes back.
    void HandOverAgain();
    // Opens a question or notice of the game screen itself.
    void OpenPopUp(int stringId, bool noticeOnly, int depth, bool longHandOver);
    // ---- The tutorial's script (CControllerGame_Tutorial.cpp) ----
    // Once a frame: steps completed by watching the player, the pending
    // chain, and the next step's dialog with what opening it does.
    void RunTutorialScript();
    void CheckTutorialCompletion();
    // The next step when it must wait this frame, else -1.
    int HoldTutorialStep();
    void OpenNextTutorialStep(int heldStep);
    void OpenTutorialStepAction(int step);
    void TourMysteries();
    void ShowMystery(int index);
    // An adult becomes the selection unless one is selected; false when none.
    bool SelectAdultForStep();
    void Circle(int x, int y, bool onIsland, char letter);
    void GlideTo(int x, int y, bool lock);
    void LetGoOfView();
    void FollowSelectedIslander();
    bool OpenRequestedPopUp();
    void CentreViewOn(int x, int y);
    bool OverPanel();
    void CancelPlacing();
    void ApplyPopUpAnswer(bool yes);
    // The answer to the request shown, at most once, to a requester that still exists.
    void DeliverAnswer(bool yes);
    void TutorialOkay(int step);
    // After a child came back: the island's sprites back in the renderer
    // (the frozen picture shown whole), then, after the child's own steps,
    // the whole screen redrawn and the pointer shown.
    void BackToIsland();
    void Restore();
    void SelectAndCentre(CPerson* person);
    bool BulkSimulate();
    // Drops held dust and a held potion, stopping the twinkle and the pointer pictures.
    void DropHeld();
    void StopTwinkle();
    // Frame steps with more than one stage: each false when the frame ended.
    void RaiseTutorialSteps();
    void TimeTutorialDialogs();
    void AnimateDust();
    void FlyToCounter(CSprite** sprites, float (*particles)[4], float counterX, float counterY);
    void ShowHeldDust(bool effects);
    void Burst(bool stardust);
    void HideParticles();
    void RunIslandEvents();
    void RotWood();
    bool OpenTrophyPopUp();
    // The left press that uses what the player holds; false ends the event.
    bool UseHeld();
    bool UseHeldDust(CObject* target);
    bool UseHeldPotion(CObject* target);
    // A potion on the ground at world (x, y): its tool-tip, or 0 for a failure.
    int PourOnGround(int x, int y);
    void ShowMist(int baseDepth);

    // The object whose request the open pop-up shows, and the request as shown.
    CObject* requester;
    feedback_data shownRequest;
};
