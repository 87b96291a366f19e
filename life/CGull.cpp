#include "CGull.h"

#include "CControllerGame.h"
#include "CCrateBarrel.h"
#include "CGuano.h"
#include "CMap.h"
#include "CPerson.h"
#include "CRipple.h"
#include "CSound.h"
#include "CSprite.h"
#include "CUtilBounce.h"
#include "Log.h"
#include "Utilities.h"

namespace {

constexpr int kMiddleDeepMain = 2;
constexpr int kDeepPresent = 32;
constexpr int kTileProbe = 96;
constexpr int kSpotLow = 96;
constexpr int kSpotHigh = 3713;
// Enough for any island with open water; one without must not hang the game.
constexpr int kMaxSpotTries = 100000;
constexpr float kGullSpacing = 120.0f;
constexpr float kCrateSpacing = 200.0f;
constexpr int kScareReach = 200;
constexpr int kWaterLevel = 50;
constexpr float kCryVolume = 0.75f;
constexpr int kRunFrames = 15;
constexpr float kFlightDx = 8.0f;
constexpr float kDroppingHeight = 150.0f;
constexpr unsigned int kLastFallingImage = 18;

const char* const kCries[] = {"island_birds_6.ogg", "island_birds_4.ogg", "island_birds_3.ogg"};

}  // namespace

CGull* CGull::bird[CGull::GULLS] = {};
bool CGull::birdsInitialized = false;

CGull::CGull(int atX, int atY)
    : waterFactor(0), droppingReady(true), droppingX(0), droppingY(0), droppingDx(0), droppingDy(0), height(0),
      takeOffCounter(0), waiting(false), flying(false), facingLeft(false), lost(false)
{
    takeOffTimer = RangedRandom(0, 9000);
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    facingLeft = RangedRandom(0, 1) == 0;
    crySound = new CSound(kCries[RangedRandom(0, 2)], false, kCryVolume, false);

    const char side = facingLeft ? 'L' : 'R';
    floatingSprite = new CSprite(0, 2);
    if (RangedRandom(0, 1) == 1) {
        floatingSprite->LoadImage(TempSprintf("gull_float_%c_", side), 127, 0, ".png");
    } else {
        floatingSprite->LoadImage(TempSprintf("gull_float_%c_", side), 0, 127, ".png");
    }
    floatingSprite->SetFrame(static_cast<unsigned int>(RangedRandom(0, floatingSprite->GetNumImages() - 1)));
    floatingShadow = new CSprite(0);
    floatingShadow->LoadImage(TempSprintf("gull_float_%c_shad_0.png", side));
    flyingSprite = new CSprite(0, 1);
    flyingSprite->LoadImage(TempSprintf("gull_fly_%c_", side), 0, 9, ".png");
    flyingSprite->Hide();
    flyingShadow = new CSprite(0, 1);
    flyingShadow->LoadImage(TempSprintf("gull_fly_%c_shad_", side), 0, 9, ".png");
    flyingShadow->Hide();
    droppingSprite = new CSprite(0, 2);
    droppingSprite->LoadImage(TempSprintf("gull_bomb_%c_", side), 0, 28, ".png");
    droppingSprite->Hide();
    droppingSprite->PauseWhenDone();
    for (CSprite* sprite : {floatingSprite, floatingShadow, flyingSprite, flyingShadow, droppingSprite}) {
        sprite->Move(-100, -100);
    }

    // The range is drawn before the phase: an argument list would leave
    // the order to the compiler, and the island must replay alike.
    const int rangeX = RangedRandom(23, 27);
    swayX = new CUtilBounce(0, rangeX, 3.0f, 2.2f, RangedRandom(0, 60));
    const int rangeY = RangedRandom(13, 17);
    swayY = new CUtilBounce(0, rangeY, 3.0f, 2.2f, RangedRandom(0, 30));
}

CGull::~CGull()
{
    // Only its own slot: the array may hold a newer flock that must stay known.
    for (CGull*& slot : bird) {
        if (slot == this) {
            slot = nullptr;
        }
    }
    delete crySound;
    for (CSprite* sprite : {floatingSprite, floatingShadow, flyingSprite, flyingShadow, droppingSprite}) {
        delete sprite;
    }
    delete swayX;
    delete swayY;
}

void CGull::LoadBirds()
{
    if (!birdsInitialized) {
        for (CGull*& slot : bird) {
            slot = nullptr;
        }
        birdsInitialized = true;
    }
    for (CGull*& slot : bird) {
        delete slot;
        slot = new CGull(-100, -100);
        slot->FindNewLocation();
    }
}

void CGull::FindNewLocation()
{
    // The island's seeded sequence must not depend on how long the search took.
    const unsigned int resume = static_cast<unsigned int>(GetRandom());
    ReseedRandom();
    CMap* island = CControllerGame::island;
    CCrateBarrel* crate = CCrateBarrel::currentContainer;
    bool found = false;
    for (int tries = 0; island && tries < kMaxSpotTries && !found; tries++) {
        const int atX = RangedRandom(kSpotLow, kSpotHigh);
        const int atY = RangedRandom(kSpotLow, kSpotHigh);
        // Unlike the birds' grass test, the tile is shifted: it decides where
        // the gulls sit.
        const bool openWater =
            island->TileContainsTerrain_coords(atX + kTileProbe, atY + kTileProbe, kMiddleDeepMain, true) ||
            island->TileContainsTerrain_coords(atX + kTileProbe, atY + kTileProbe, kDeepPresent, true);
        if (!openWater || CObject::Collision(atX - 5, atY - 5, 40, 40, false)) {
            continue;
        }
        // Gulls sit at the spot moved by (40, 50): the spacing is measured
        // between where they sit, so no two floating gulls come closer.
        bool crowded = false;
        for (CGull* other : bird) {
            crowded = crowded || (other && other != this && !other->flying &&
                                  GetDist(other->x, other->y, static_cast<float>(atX + 40),
                                          static_cast<float>(atY + 50)) < kGullSpacing);
        }
        if (crate && GetDist(static_cast<float>(crate->GetX()), static_cast<float>(crate->GetY()),
                             static_cast<float>(atX), static_cast<float>(atY)) < kCrateSpacing) {
            continue;
        }
        const int islander = CPerson::HowCloseIsTheClosestPersonTo(atX, atY - 20, true);
        if (crowded || (islander != -1 && islander < kScareReach)) {
            continue;
        }
        waterFactor = island->GetWaterDepth(atX, atY, kWaterLevel);
        if (waterFactor > 1.0f) {
            waterFactor = 1.0f;
        }
        x = footX = static_cast<float>(atX + 40);
        y = footY = static_cast<float>(atY + 50);
        found = true;
    }
    flying = false;
    waiting = true;
    takeOffCounter = 0;
    height = 0;
    for (CSprite* sprite : {floatingSprite, floatingShadow, flyingSprite, flyingShadow}) {
        sprite->Hide();
    }
    droppingReady = true;
    lost = !found;
    if (lost) {
        logMessage("A gull found no open water and stays hidden");
    }
    InitRandom(resume);
}

void CGull::TakeOffRipple()
{
    CRipple::AddRipple(Round(x) + swayX->GetVal() + 22, Round(y) + swayY->GetVal() + 19, 0);
}

void CGull::FlyAway()
{
    if (flying || waiting) {
        return;
    }
    flying = true;
    takeOffCounter = 0;
    TakeOffRipple();
    if (!crySound->IsPlaying()) {
        if (CMap* island = CControllerGame::island) {
            crySound->Play(island->GetDistFromScreenCenter(Round(x), Round(y)), false, 0, 0.0f);
        }
    }
}

void CGull::PumpDropping(int offsetX, int offsetY, float z)
{
    if (height > kDroppingHeight && droppingSprite->Hidden() && droppingReady) {
        droppingReady = false;
        if (RangedRandom(0, 2) == 0) {
            droppingX = facingLeft ? x + 11.0f : x - 7.0f;
            droppingY = facingLeft ? y + 6.0f - height : y + 2.0f - height;
            droppingDx = facingLeft ? -7.0f : 7.0f;
            droppingDy = 0;
            droppingSprite->ResetStart();
            droppingSprite->PlayForward();
            droppingSprite->UnHide();
        }
    }
    if (droppingSprite->Hidden()) {
        return;
    }
    droppingDx *= 0.95f;
    droppingDy += 0.2f;
    droppingX += droppingDx;
    if (droppingSprite->GetFrame() <= kLastFallingImage) {
        droppingY += droppingDy;
    } else {
        CMap* island = CControllerGame::island;
        const int landX = Round(droppingX);
        const int landY = Round(droppingY);
        // A dropping hidden on water or on something in the way ends here,
        // even on its last image: going on would still leave guano on the
        // sea or under a building.
        if (island && island->GetWaterDepth(landX + 17, landY + 20, kWaterLevel) < 1.0f) {
            droppingSprite->Hide();
            CRipple::AddRipple(landX + 17, landY + 20, 0);
            return;
        }
        if (CObject::Collision(landX - 10, landY - 10, 60, 60, false)) {
            droppingSprite->Hide();
            return;
        }
    }
    droppingSprite->Move(static_cast<float>(offsetX) + droppingX, static_cast<float>(offsetY) + droppingY, z - 1.0f);
    if (droppingSprite->AtEnd() && !droppingSprite->Playing()) {
        new CGuano(Round(droppingX), Round(droppingY), facingLeft, droppingSprite->GetX(), droppingSprite->GetY(),
                   Round(z - 1.0f));
        droppingSprite->Hide();
    }
}

void CGull::Pump(int offsetX, int offsetY, int)
{
    if (lost) {
        return;
    }
    const int screenX = Round(static_cast<float>(offsetX) + x);
    const int screenY = Round(static_cast<float>(offsetY) + y);
    const bool outOfView = screenX < -100 || screenX > 900 || screenY < -100 || screenY > 900;
    if (!flying && !outOfView && !waiting) {
        const int islander = CPerson::HowCloseIsTheClosestPersonTo(Round(x) + 15, Round(y) - 25, true);
        if (islander != -1 && islander < kScareReach) {
            FlyAway();
        }
    }
    if (waiting && outOfView && !flying) {
        waiting = false;
    }

    const float ox = static_cast<float>(offsetX);
    const float oy = static_cast<float>(offsetY);
    if (flying) {
        if (takeOffCounter <= -kRunFrames) {
            height += 1.0f;
        } else {
            takeOffCounter--;
            if (takeOffCounter == -5 || takeOffCounter == -10) {
                TakeOffRipple();
            }
        }
        x += facingLeft ? -kFlightDx : kFlightDx;
        const float z = (y + 68.0f) * 2000.0f;
        flyingSprite->Move(ox + x, oy + y - height, z);
        flyingShadow->Move(ox + x + (facingLeft ? 6.0f : 4.0f), oy + y + 19.0f, z - 2.0f);
        PumpDropping(offsetX, offsetY, z);
        if (!waiting) {
            floatingSprite->Hide();
            floatingShadow->Hide();
            flyingSprite->UnHide();
            flyingShadow->UnHide();
        }
        if (x < -1000 || x > 5097 || y < -50) {
            FindNewLocation();
        }
    } else {
        swayX->Pump();
        swayY->Pump();
        const float z = (y + 68.0f) * 2000.0f;
        const float bob = (1.0f - waterFactor) * 0.8f;
        const float bobX = static_cast<float>(Round(static_cast<float>(swayX->GetVal()) * bob));
        const float bobY = static_cast<float>(Round(static_cast<float>(swayY->GetVal()) * bob));
        floatingSprite->Move(ox + x + bobX, oy + y + bobY, z);
        floatingShadow->Move(ox + x + bobX + (facingLeft ? 7.0f : 2.0f), oy + y + bobY + 17.0f, z - 1.0f);
        if (!waiting) {
            floatingSprite->UnHide();
            floatingShadow->UnHide();
            flyingSprite->Hide();
            flyingShadow->Hide();
        }
        height = 0;
    }
    footX = x;
    footY = y;

    if (crySound->IsPlaying()) {
        if (CMap* island = CControllerGame::island) {
            crySound->AdjustPosition(island->GetDistFromScreenCenter(Round(x), Round(y)), 1.0f);
        }
    }
    if (--takeOffTimer < 0) {
        takeOffTimer = RangedRandom(0, 9000);
        FlyAway();
    }
    if (!flying && !waiting && CObject::Collision(Round(x) - 10, Round(y) - 10, 40, 40, false)) {
        FlyAway();
    }
}

bool CGull::IsAtCoords(int& z, int atX, int atY)
{
    if (atX != -1 || atY != -1) {
        if (CMap* island = CControllerGame::island) {
            atX += island->offsetX;
            atY += island->offsetY;
        }
    }
    CSprite* shown = flying ? flyingSprite : floatingSprite;
    if (!shown->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = shown->GetZ();
    return true;
}

void CGull::Clicked()
{
    FlyAway();
}

void CGull::Hide() {}
void CGull::UnHide() {}
void CGull::Rollover(bool) {}
