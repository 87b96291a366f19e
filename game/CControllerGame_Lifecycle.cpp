// The game screen's birth and end: what it builds when it loads, the catch-up
// on time away, storing the island when it closes, and its small services.
#include "CControllerGame.h"

#include "CControllerExit.h"
#include "CControllerInGameMenu.h"
#include "CControllerPopUp.h"
#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CFlyaway.h"
#include "CFootprint.h"
#include "CGuiFlowers.h"
#include "CTutorialCircle.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CPersonMovement.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CRipple.h"
#include "CSidebar.h"
#include "CSound.h"
#include "CSprite.h"
#include "CFlowerIndicator.h"
#include "CTombstone.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kGameUnderWayProperty = 31;
constexpr int kLastSaveProperty = 33;
constexpr int kCatchUpFactorProperty = 76;
constexpr int kCatchUpPlayed = 900;
// Thirty days of frames, after the catch-up factor.
constexpr int kLongestAbsenceFrames = 30 * 24 * 60 * 60 * 30;
constexpr int kParticleZ = 22999990;
constexpr int kHeldDustZ = 899999999;
constexpr int kPotionZ = 900000002, kPotionColourZ = 900000001;

struct step_delay {
    int step, frames;
};
constexpr step_delay kStepDelays[] = {{8, 150},  {11, 150}, {24, 150}, {37, 150},  {56, 150},  {64, 150},
                                      {41, 300}, {61, 300}, {70, 900}, {71, 1800}, {72, 2700}};

// Hidden and out of sight until the frame shows it.
void Park(CSprite* sprite)
{
    sprite->Move(-100, -100);
    sprite->Hide();
}

CSprite* Particle(const char* prefix)
{
    CSprite* sprite = new CSprite(kParticleZ, 2);
    sprite->LoadImage(prefix, 0, 2, ".png");
    sprite->LoadImage(prefix, 1, 0, ".png");
    sprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, 3)));
    Park(sprite);
    return sprite;
}

CSprite* PointerSprite(const char* name, int z)
{
    CSprite* sprite = new CSprite(z);
    sprite->LoadImage(name);
    Park(sprite);
    return sprite;
}

CSprite* Mist(const char* prefix)
{
    CSprite* sprite = new CSprite(0, 2);
    sprite->LoadImage(prefix, 0, CControllerGame::MIST_IMAGES - 1, ".png");
    sprite->PlayForward();
    sprite->PauseWhenDone();
    Park(sprite);
    return sprite;
}

}  // namespace

CControllerGame* CControllerGame::game = nullptr;
CMap* CControllerGame::island = nullptr;
CResources* CControllerGame::resources = nullptr;
CSidebar* CControllerGame::sidebar = nullptr;
CGuiFlowers* CControllerGame::flowers = nullptr;
CControllerPersonDetail* CControllerGame::personGUI = nullptr;
CControllerPopUp* CControllerGame::popUp = nullptr;
CControllerInGameMenu* CControllerGame::inGameMenu = nullptr;
CControllerCrate* CControllerGame::crateGUI = nullptr;
CControllerEndStory* CControllerGame::endStory = nullptr;
CControllerTrophyUnlock* CControllerGame::trophyUnlock = nullptr;
CControllerTrophies* CControllerGame::trophies = nullptr;
CControllerMap* CControllerGame::mapGUI = nullptr;
CControllerLab* CControllerGame::lab = nullptr;
CControllerClothes* CControllerGame::clothes = nullptr;
CSound* CControllerGame::sndUsingDust = nullptr;
CSound* CControllerGame::sndWaves = nullptr;
int CControllerGame::lastDustPickup = 0;
bool CControllerGame::stopFollowing = false;
selection_result CControllerGame::lastToolTip = {};

CControllerGame::CControllerGame(bool newPeople, bool)
    : step6Frames(0), settleFrames(0), crateTimer(0), sndTwinkle(nullptr), rainTimer(0), popUpPurpose(-1),
      eraserMode(false), buildMenu(nullptr), scienceScreen(nullptr), followedObject(nullptr),
      spritesLoaded(false), pressX(0), pressY(0), gravePressX(0), gravePressY(0), starSprites{},
      starParticles{}, moonSprites{}, moonParticles{}, stardustTimer(0), moondustTimer(0), lastDustMode(0),
      heldStardustSprite(nullptr), heldMoondustSprite(nullptr), framesPerSecond(30), potionPointer(nullptr),
      potionPointerColour(nullptr), mistA(nullptr), mistB(nullptr), mistX(0), mistY(0), mushroomTimer(0),
      endTutorialRequested(false), rememberedSelection(nullptr), stepObject(nullptr), cycleIndex(0),
      cycleFrames(0), frameCount(0), framesSinceDialog(0), savedOffsetX(0), savedOffsetY(0),
      islanderDropped(false), woodRotFrames(0), stepDelay{}, lastFrameTicks(0), stallSeconds(0), slowFrames(0),
      step0Frames(0), pendingDelay(0), catchUpFrames(0), stepCircle(nullptr), pendingTutorial(-1), dustMode(0),
      heldPotion(0), potionColour{}, mistColourA{}, mistColourB{}, pickupCandidate(nullptr),
      shiftCursorPending(true), tombstoneCandidate(nullptr), sprayMode(false), potionRefusal(-1), requester(nullptr),
      shownRequest{}
{
    LoadSprites(newPeople, false);
    if (!CProfile::current->GetValue<bool>(kGameUnderWayProperty)) {
        CSound::PlayMusicGame(0);
    } else {
        ReseedRandom();
        CSound::PlayMusicGame(RangedRandom(0, 3));
    }
}

CControllerGame::~CControllerGame()
{
    CControllerExit::ForgetPerson();
    int gender = 0;
    char name[256] = {};
    const int portrait = CPerson::FindRandomAdultImage(&gender, name);
    CControllerExit::SetPerson(portrait, gender == 0, name);
    if (island) {
        CPerson::ProcessBabyMakingCouples();
        island->SaveMap();
    }
    if (stallSeconds > 0) {
        CProfile::current->SetValue<long>(kLastSaveProperty, static_cast<long>(GetCurrentTime()) - stallSeconds);
    }
    if (game == this) {
        game = nullptr;
    }
    UnloadSprites();
}

void CControllerGame::LoadSprites(bool newPeople, bool noCatchUp)
{
    if (spritesLoaded) {
        return;
    }
    CProfile* profile = CProfile::current;

    for (int& delay : stepDelay) {
        delay = 0;
    }
    for (const step_delay& delay : kStepDelays) {
        stepDelay[delay.step] = delay.frames;
    }
    pendingDelay = step0Frames = slowFrames = stallSeconds = woodRotFrames = 0;
    lastFrameTicks = 0;
    islanderDropped = false;
    CObject::selectedObject = CObject::lastSelectedPerson = CObject::requestingFeedback = nullptr;
    framesSinceDialog = 0;
    CTutorialDialog::UncompleteTutorial(106);
    frameCount = 0;
    pendingTutorial = -1;
    cycleFrames = cycleIndex = step6Frames = 0;
    stepObject = rememberedSelection = nullptr;
    stepCircle = nullptr;
    CTutorialDialog::DetermineNextTutorial();
    endTutorialRequested = false;
    if (!CControllerTrophies::trophyUnlockQueue.empty() && draw) {
        draw->skipFrames++;
    }

    settleFrames = 0;
    mushroomTimer = RangedRandom(2500, 4000);
    crateTimer = RangedRandom(9000, 12600);
    rainTimer = RangedRandom(18000, 54000);
    sprayMode = eraserMode = false;
    // The brush follows the panel's spray button, which a new screen shows off.
    CFlowerIndicator::SetSpray(false);
    popUpPurpose = -1;
    dustMode = heldPotion = lastDustMode = 0;
    stardustTimer = RangedRandom(1800, 5400);
    moondustTimer = RangedRandom(5400, 10800);
    game = this;
    personGUI = nullptr;
    buildMenu = nullptr;
    scienceScreen = nullptr;
    followedObject = nullptr;
    stopFollowing = false;
    pickupCandidate = nullptr;
    shiftCursorPending = true;
    tombstoneCandidate = nullptr;
    pressX = pressY = gravePressX = gravePressY = -1;
    CPersonMovement::whoIsMoving = nullptr;
    requester = nullptr;

    if (island) {
        island->ToggleBig(true);
    }
    CObject::InitPathMap();
    if (newPeople) {
        CPerson::StartWithNewPeople();
    }
    CObject::UnHideAll();

    sidebar = new CSidebar(this);
    flowers = new CGuiFlowers(this);
    sndUsingDust = new CSound("dust_use.ogg", false, 0.8f, false);
    sndTwinkle = new CSound("dust_twinkle.ogg", false, 0.5f, false);
    for (int i = 0; i < PARTICLES; i++) {
        starSprites[i] = Particle(i % 2 == 0 ? "dust_particleA_" : "dust_particleB_");
        moonSprites[i] = Particle(i % 2 == 0 ? "dust_particleC_" : "dust_particleB_");
    }
    heldStardustSprite = PointerSprite("dust_stardust_falling_base.png", kHeldDustZ);
    heldMoondustSprite = PointerSprite("dust_moondust_falling_base.png", kHeldDustZ);
    potionPointer = PointerSprite("potion_pointer_main.png", kPotionZ);
    potionPointerColour = PointerSprite("potion_pointer_colour90.png", kPotionColourZ);
    mistA = Mist("mist_A_");
    mistB = Mist("mist_B_");

    CMouseCursor::ShowMouse();
    spritesLoaded = true;
    // The tutorial's dialogs on this screen carry the narration box and the end-tutorial label.
    showTutorialExtras = true;
    framesPerSecond = 30;

    catchUpFrames = 0;
    const long lastSave = profile->GetValue<long>(kLastSaveProperty);
    if (lastSave != 0 && !noCatchUp) {
        const double away = std::round(GetTimeDiff(GetCurrentTime(), lastSave));
        catchUpFrames = CatchUpFramesFor(away, profile->GetValue<float>(kCatchUpFactorProperty));
    }
    if (BulkSimulate()) {
        // A crate washes up three seconds into the visit.
        crateTimer = 90;
    }
    if (sndWaves && sndWaves->IsPlaying()) {
        sndWaves->FadeOut(15);
    }
}

void CControllerGame::UnloadSprites()
{
    if (!spritesLoaded) {
        return;
    }
    CProfile::current->SetValue<bool>(kGameUnderWayProperty, true);
    // Nothing held outlives the screen: no twinkle left looping, no pointer picture.
    DropHeld();
    DeleteAndClear(island);
    CObject::UnloadAll();
    CFlyaway::RemoveFlyaways();
    DeleteAndClear(sidebar);
    DeleteAndClear(flowers);
    for (int i = 0; i < PARTICLES; i++) {
        DeleteAndClear(starSprites[i]);
        DeleteAndClear(moonSprites[i]);
    }
    DeleteAndClear(heldStardustSprite);
    DeleteAndClear(heldMoondustSprite);
    DeleteAndClear(potionPointer);
    DeleteAndClear(potionPointerColour);
    DeleteAndClear(mistA);
    DeleteAndClear(mistB);
    DeleteAndClear(sndUsingDust);
    DeleteAndClear(sndTwinkle);
    CFootprint::Unload();
    CRipple::Unload();
    spritesLoaded = false;
}

void CControllerGame::Simulate()
{
    BulkSimulate();
}

bool CControllerGame::BulkSimulate()
{
    if (catchUpFrames < kCatchUpPlayed) {
        return false;
    }
    const int beyond = catchUpFrames - kCatchUpPlayed;
    catchUpFrames = kCatchUpPlayed;
    CPerson::showFlyaways = false;
    CPerson::Simulate(beyond);
    return true;
}

void CControllerGame::EndTutorial()
{
    endTutorialRequested = true;
}

int CControllerGame::CatchUpFramesFor(double secondsAway, float factor)
{
    if (!std::isfinite(factor)) {
        factor = 1.0f;
    }
    if (!(secondsAway > 0.0) || !(factor > 0.0f)) {
        return 0;
    }
    // Whole seconds, then whole frames, then the factor, each rounded; in
    // double precision a count beyond an int saturates instead of wrapping.
    const double frames = std::round(std::round(secondsAway) * 30.0);
    const double scaled = std::round(frames * static_cast<double>(factor));
    // A return after a very long absence (or from a clock far ahead) plays
    // the longest absence instead, so the player waits seconds, not minutes.
    return scaled >= static_cast<double>(kLongestAbsenceFrames) ? kLongestAbsenceFrames : static_cast<int>(scaled);
}

CResources* CControllerGame::Resources()
{
    if (!resources) {
        resources = new CResources();
    }
    return resources;
}

void CControllerGame::NullResources()
{
    resources = nullptr;
}

void CControllerGame::SetToolTipMessage(selection_result message, int frames)
{
    lastToolTip = message;
    lastToolTip.text1 = lastToolTip.text2 = nullptr;
    if (sidebar) {
        sidebar->SetToolTipMessage(message, frames);
    }
}

bool CControllerGame::PickedUpPerson()
{
    return game && game->pickupCandidate;
}

void CControllerGame::CloseFlowersGUI()
{
    if (CTutorialDialog::IsTutorialComplete(64) && !CTutorialDialog::IsTutorialComplete(67)) {
        CTutorialDialog::CompleteTutorial(67);
    }
    if (game && game->stepCircle && flowers && flowers->IsVisible()) {
        game->stepCircle->Hide();
    }
    if (flowers) {
        flowers->Disappear();
    }
    CFlowerIndicator::PlaceFlowers(-1);
}

void CControllerGame::ForgetObject(CObject* object)
{
    CControllerGame* screen = game;
    if (!screen) {
        return;
    }
    if (screen->pickupCandidate == object) {
        screen->pickupCandidate = nullptr;
        screen->pressX = screen->pressY = -1;
        if (island) {
            island->personCarried = false;
        }
    }
    if (static_cast<CObject*>(screen->tombstoneCandidate) == object) {
        screen->tombstoneCandidate = nullptr;
        screen->gravePressX = screen->gravePressY = -1;
        if (island) {
            island->tombstoneCarried = false;
        }
    }
    if (screen->stepObject == object) {
        screen->stepObject = nullptr;
    }
    if (screen->followedObject == object) {
        screen->followedObject = nullptr;
    }
    if (screen->rememberedSelection == object) {
        screen->rememberedSelection = nullptr;
    }
    if (screen->requester == object) {
        screen->requester = nullptr;
    }
}
