#include "CButterfly.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSprite.h"
#include "Log.h"
#include "Utilities.h"

namespace {

constexpr int kGrassPresent = 512;
constexpr int kSandDominant = 8;
constexpr int kShallowPresent = 128;
constexpr int kBorder = 96;
constexpr int kSpotLow = 400;
constexpr int kSpotHigh = 3697;
// Enough for any island with grass; one without must not hang the game.
constexpr int kMaxSpotTries = 100000;
constexpr float kButterflySpacing = 50.0f;
constexpr int kIslanderReach = 79;
constexpr int kFlightTries = 50;
constexpr int kKindDraws = 100;

// The wing beat: down from 3 to 0, up to 5 and back to 4, then round again.
CSprite* WingBeat(const char* prefix, int framesPerStep)
{
    CSprite* sprite = new CSprite(0, framesPerStep);
    sprite->LoadImage(prefix, 3, 0, ".png");
    sprite->LoadImage(prefix, 1, 5, ".png");
    sprite->LoadImage(prefix, 4, 4, ".png");
    sprite->Hide();
    return sprite;
}

CSprite* Still(const char* name)
{
    CSprite* sprite = new CSprite(0);
    sprite->LoadImage(name);
    sprite->Hide();
    return sprite;
}

int LandingTime()
{
    return RangedRandom(45, 75);
}

}  // namespace

CButterfly* CButterfly::butterfly[CButterfly::BUTTERFLIES] = {};
bool CButterfly::butterfliesInitialized = false;

CButterfly::CButterfly() : vx(0), vy(0), state(SIT_LEFT), timer(1), kind('A'), lost(false)
{
    for (int draw = 0; draw < kKindDraws; draw++) {
        kind = static_cast<char>(RangedRandom(65, 79));
        bool taken = false;
        for (CButterfly* other : butterfly) {
            taken = taken || (other && other != this && other->kind == kind);
        }
        if (!taken) {
            break;
        }
    }
    flyLeftUp = WingBeat(TempSprintf("butterfly_%c_B_", kind), 1);
    flyRightUp = WingBeat(TempSprintf("butterfly_%c_A_", kind), 1);
    flyLeftDown = WingBeat(TempSprintf("butterfly_%c_D_", kind), 1);
    flyRightDown = WingBeat(TempSprintf("butterfly_%c_C_", kind), 1);
    sitLeft = Still(TempSprintf("butterfly_%c_B_3.png", kind));
    sitRight = Still(TempSprintf("butterfly_%c_A_3.png", kind));
    flapLeft = WingBeat(TempSprintf("butterfly_%c_B_", kind), 3);
    flapRight = WingBeat(TempSprintf("butterfly_%c_A_", kind), 3);
    shadowLeft = WingBeat("butterfly_shad_B_", 3);
    shadowRight = WingBeat("butterfly_shad_A_", 3);
    current = sitLeft;
}

CButterfly::~CButterfly()
{
    // Only its own slot: the array may hold a newer swarm that must stay known.
    for (CButterfly*& slot : butterfly) {
        if (slot == this) {
            slot = nullptr;
        }
    }
    for (CSprite* sprite : {flyLeftUp, flyRightUp, flyLeftDown, flyRightDown, sitLeft, sitRight, flapLeft, flapRight,
                            shadowLeft, shadowRight}) {
        delete sprite;
    }
}

void CButterfly::LoadButterflies()
{
    if (!butterfliesInitialized) {
        for (CButterfly*& slot : butterfly) {
            slot = nullptr;
        }
        butterfliesInitialized = true;
    }
    for (CButterfly*& slot : butterfly) {
        delete slot;
        slot = new CButterfly();
        slot->FindNewLocation();
    }
}

void CButterfly::SummonTo(int atX, int atY)
{
    for (CButterfly* one : butterfly) {
        if (!one) {
            continue;
        }
        one->x = one->footX = static_cast<float>(atX);
        one->y = one->footY = static_cast<float>(atY);
        one->lost = false;
        if (!one->IsFlying()) {
            one->FlySomewhere(-1);
        }
    }
}

int CButterfly::ClosestIslander(int atX, int atY)
{
    int closest = -1;
    for (CPerson* person : CPerson::people) {
        if (person->IsPickedUp()) {
            continue;
        }
        const int distance = person->GetDistFrom(atX, atY);
        if (closest == -1 || distance < closest) {
            closest = distance;
        }
    }
    return closest;
}

void CButterfly::FindNewLocation()
{
    // The island's seeded sequence must not depend on how long the search took.
    const unsigned int resume = static_cast<unsigned int>(GetRandom());
    ReseedRandom();
    CMap* island = CControllerGame::island;
    bool found = false;
    for (int tries = 0; island && tries < kMaxSpotTries && !found; tries++) {
        const int atX = RangedRandom(kSpotLow, kSpotHigh);
        const int atY = RangedRandom(kSpotLow, kSpotHigh);
        if (!island->TileContainsTerrain_coords(atX + kBorder, atY + kBorder, kGrassPresent, false) ||
            CObject::Collision(atX - 50, atY - 50, 80, 80, false)) {
            continue;
        }
        bool crowded = false;
        for (CButterfly* other : butterfly) {
            crowded = crowded || (other && other != this &&
                                  GetDist(other->x, other->y, static_cast<float>(atX), static_cast<float>(atY)) <
                                      kButterflySpacing);
        }
        const int islander = ClosestIslander(atX, atY - 20);
        if (crowded || (islander != -1 && islander <= kIslanderReach)) {
            continue;
        }
        x = footX = static_cast<float>(atX);
        y = footY = static_cast<float>(atY);
        found = true;
    }
    InitRandom(resume);
    lost = !found;
    if (lost) {
        current->Hide();
        logMessage("A butterfly found no free grass and stays hidden: ", TempSprintf("%c", kind));
    }
}

bool CButterfly::IsFlying()
{
    return state >= FLY_LEFT_UP && state <= FLY_RIGHT_DOWN;
}

bool CButterfly::FacesLeft()
{
    return state % 2 == 0;
}

void CButterfly::FlyAway()
{
    if (!IsFlying()) {
        FlySomewhere(-1);
    }
}

CSprite* CButterfly::SpriteOf(int forState)
{
    CSprite* const sprites[] = {sitLeft, sitRight, flyLeftUp, flyRightUp, flyLeftDown, flyRightDown, flapLeft,
                                flapRight};
    return sprites[forState];
}

void CButterfly::FlySomewhere(int direction)
{
    current->Hide();
    timer = RangedRandom(60, 120);
    state = direction == -1 ? RangedRandom(2, 5) : direction;
    CMap* island = CControllerGame::island;
    for (int tries = kFlightTries;;) {
        tries--;
        const bool leftward = state == FLY_LEFT_UP || state == FLY_LEFT_DOWN;
        const bool upward = state == FLY_LEFT_UP || state == FLY_RIGHT_UP;
        if (leftward) {
            vx = RangedRandom(-1.5f, -0.5f);
        } else {
            vx = RangedRandom(0.5f, 1.5f);
        }
        if (upward) {
            vy = RangedRandom(-0.75f, -0.2f);
        } else {
            vy = RangedRandom(0.2f, 0.75f);
        }
        const int toX = Round(x + static_cast<float>(timer) * vx);
        const int toY = Round(y + static_cast<float>(timer) * vy);
        const bool good = island &&
                          (island->TileContainsTerrain_coords(toX + 106, toY + 109, kGrassPresent, false) ||
                           island->TileContainsTerrain_coords(toX + 106, toY + 109, kSandDominant, false)) &&
                          !island->TileContainsTerrain_coords(toX + 106, toY + 109, kShallowPresent, false) &&
                          !CObject::Collision(toX - 15, toY - 12, 70, 70, false);
        if (good && tries > 0) {
            current = SpriteOf(state);
            return;
        }
        if (tries <= 0) {
            break;
        }
        state = RangedRandom(2, 5);
    }
    FindNewLocation();
    timer = LandingTime();
    current = sitLeft;
    state = SIT_LEFT;
}

void CButterfly::Pump(int offsetX, int offsetY, int)
{
    if (lost) {
        current->Hide();
        shadowLeft->Hide();
        shadowRight->Hide();
        return;
    }
    if (--timer <= 0) {
        CSprite* old = current;
        old->Hide();
        if (IsFlying()) {
            if (RangedRandom(0, 5) == 0) {
                state = FacesLeft() ? SIT_LEFT : SIT_RIGHT;
                timer = LandingTime();
                current = SpriteOf(state);
            } else {
                FlySomewhere(-1);
            }
        } else {
            const int choice = RangedRandom(0, 3);
            if (choice == 0) {
                FlySomewhere(-1);
            } else if (choice == 1) {
                state = FacesLeft() ? SIT_LEFT : SIT_RIGHT;
                timer = LandingTime();
                current = SpriteOf(state);
            } else {
                state = FacesLeft() ? FLAP_LEFT : FLAP_RIGHT;
                timer = 30;
                current = SpriteOf(state);
            }
        }
    }

    // Pushed out of whatever it ended up in.
    if (CObject::Collision(Round(x) - 10, Round(y) - 10, 40, 40, false)) {
        x += static_cast<float>(RangedRandom(-5, 5));
        y += static_cast<float>(RangedRandom(0, 40));
    }
    if (IsFlying()) {
        if (CObject::Collision(Round(x + vx) - 10, Round(y + vy) - 10, 40, 40, false)) {
            FlySomewhere(-1);
        } else {
            x += vx;
            y += vy;
        }
    }
    footX = x;
    footY = y;

    const float z = (y + static_cast<float>(current->GetH())) * 2000.0f;
    current->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), z);
    current->UnHide();

    shadowLeft->Hide();
    shadowRight->Hide();
    CSprite* shadow = state == SIT_LEFT || state == FLAP_LEFT    ? shadowLeft
                      : state == SIT_RIGHT || state == FLAP_RIGHT ? shadowRight
                                                                  : nullptr;
    if (shadow) {
        shadow->Move(x + static_cast<float>(offsetX + 1), y + static_cast<float>(offsetY + 1), z - 1.0f);
        if (state == SIT_LEFT || state == SIT_RIGHT) {
            shadow->ResetStart();
        } else {
            shadow->SetFrame(current->GetFrame());
        }
        shadow->SetFrameCounter(current->GetFrameCounter());
        shadow->UnHide();
    }

    const int islander = ClosestIslander(Round(x), Round(y) - 20);
    if (islander != -1 && islander <= kIslanderReach && !IsFlying()) {
        FlySomewhere(-1);
    }
}

bool CButterfly::IsAtCoords(int& z, int atX, int atY)
{
    if (atX != -1 || atY != -1) {
        if (CMap* island = CControllerGame::island) {
            atX += island->offsetX;
            atY += island->offsetY;
        }
    }
    if (!current->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = current->GetZ();
    return true;
}

void CButterfly::Clicked()
{
    if (!IsFlying()) {
        FlySomewhere(-1);
    }
}

void CButterfly::Hide()
{
    current->Hide();
}

void CButterfly::UnHide()
{
    current->UnHide();
}

void CButterfly::Rollover(bool) {}
