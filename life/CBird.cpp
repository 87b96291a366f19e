#include "CBird.h"

#include "BirdColours.h"
#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSound.h"
#include "CSprite.h"
#include "Log.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr int kGrassPresent = 512;
constexpr int kTileProbe = 96;
constexpr int kSpotLow = 400;
constexpr int kSpotHigh = 3697;
// Enough for any island with grass; one without must not hang the game.
constexpr int kMaxSpotTries = 100000;
constexpr float kBirdSpacing = 50.0f;
constexpr int kScareReach = 80;
constexpr float kSoundVolume = 0.5f;
constexpr int kFlightDx = 9;
constexpr int kFlightDy = 6;
constexpr float kFlightZ = 2000000.0f;

// One image of a bird: the body layer recoloured on a private copy, the other
// layers recoloured on their own private copies and laid over it. No shared
// image is ever changed.
int ComposeImage(const bird_colours& colours, const char* body, const char* headTail, const char* wings,
                 const char* line)
{
    CDraw* draw = CSprite::draw;
    const int base = draw->LoadImage(body, true, true);
    draw->ReplaceColour(base, kBirdBodyGrey, colours.body, false, false);
    const int head = draw->LoadImage(headTail, true, true);
    draw->ReplaceColour(head, kBirdHeadGrey, colours.headTail, false, false);
    draw->CompositeImageOnImage(head, base, 0, 0, false);
    draw->RemoveImage(head);
    const int wing = draw->LoadImage(wings, true, true);
    draw->ReplaceColour(wing, kBirdWingWhite, colours.wings, false, false);
    draw->CompositeImageOnImage(wing, base, 0, 0, false);
    draw->RemoveImage(wing);
    const int outline = draw->LoadImage(line, false, true);
    draw->CompositeImageOnImage(outline, base, 0, 0, false);
    draw->RemoveImage(outline);
    return base;
}

}  // namespace

CBird* CBird::bird[CBird::BIRDS] = {};
bool CBird::birdsInitialized = false;

CBird::CBird()
    : pose(0), poseTimer(0), flyingAway(false), facesLeft(false), hidden(true), waiting(true), callTimer(0),
      lost(false)
{
    callTimer = RangedRandom(600, 1200);
    facesLeft = RangedRandom(0, 1) == 0;
    const char* side = facesLeft ? "left" : "right";

    flapSound = new CSound("bird_flap.ogg", false, kSoundVolume, false);
    for (int i = 0; i < 3; i++) {
        callSound[i] = new CSound(TempSprintf("bird_call_%d.ogg", i + 1), false, kSoundVolume, false);
    }
    const bird_colours& colours =
        RangedRandom(0, 2) != 0 ? kBirdColoursA[RangedRandom(0, 5)] : kBirdColoursB[RangedRandom(0, 8)];

    // TempSprintf's buffer is reused: each name is copied before the next.
    const std::string standBody = TempSprintf("bird_%s_stand_body_color.png", side);
    const std::string standWing = TempSprintf("bird_%s_stand_color_wing.png", side);

    flyingSprite = new CSprite(0, 2);
    for (int i = 0; i < 8; i++) {
        const std::string body = TempSprintf("bird_%s_color_body_%d.png", side, i);
        const std::string head = TempSprintf("bird_%s_color_headtail_%d.png", side, i);
        const std::string wings = TempSprintf("bird_%s_color_wings_%d.png", side, i);
        const std::string line = TempSprintf("bird_%s_line_%d.png", side, i);
        flyingSprite->LoadImage(ComposeImage(colours, body.c_str(), head.c_str(), wings.c_str(), line.c_str()));
    }
    standingSprite = new CSprite(0);
    {
        const std::string head = TempSprintf("bird_%s_stand_color_headtail.png", side);
        const std::string line = TempSprintf("bird_%s_stand_line_0.png", side);
        standingSprite->LoadImage(
            ComposeImage(colours, standBody.c_str(), head.c_str(), standWing.c_str(), line.c_str()));
    }
    peckingSprite = new CSprite(0, 2);
    for (int i = 0; i < 3; i++) {
        const std::string head = TempSprintf("bird_%s_peck_color_headtail_%d.png", side, i);
        const std::string line = TempSprintf("bird_%s_peck_line_%d.png", side, i);
        peckingSprite->LoadImage(
            ComposeImage(colours, standBody.c_str(), head.c_str(), standWing.c_str(), line.c_str()));
    }
    CSprite* turns[2] = {};
    const char* turnWords[2] = {"left", "right"};
    for (int t = 0; t < 2; t++) {
        const std::string head = TempSprintf("bird_%s_turn%s_color_headtail_0.png", side, turnWords[t]);
        const std::string line = TempSprintf("bird_%s_turn%s_line_0.png", side, turnWords[t]);
        turns[t] = new CSprite(0, 2);
        turns[t]->LoadImage(ComposeImage(colours, standBody.c_str(), head.c_str(), standWing.c_str(), line.c_str()));
    }
    turnLeftSprite = turns[0];
    turnRightSprite = turns[1];

    for (CSprite* sprite : {flyingSprite, standingSprite, peckingSprite}) {
        sprite->Move(-100, -100);
        sprite->Hide();
    }
    for (CSprite* sprite : {turnLeftSprite, turnRightSprite}) {
        sprite->Move(-100, 100);
        sprite->Hide();
    }
    current = standingSprite;
}

CBird::~CBird()
{
    // Only its own slot: the array may hold a newer flock that must stay known.
    for (CBird*& slot : bird) {
        if (slot == this) {
            slot = nullptr;
        }
    }
    delete flapSound;
    for (CSound* sound : callSound) {
        delete sound;
    }
    for (CSprite* sprite : {flyingSprite, standingSprite, peckingSprite, turnLeftSprite, turnRightSprite}) {
        delete sprite;
    }
}

void CBird::LoadBirds()
{
    if (!birdsInitialized) {
        for (CBird*& slot : bird) {
            slot = nullptr;
        }
        birdsInitialized = true;
    }
    for (CBird*& slot : bird) {
        delete slot;
        slot = new CBird();
        slot->FindNewLocation();
    }
}

void CBird::FindNewLocation()
{
    // The island's seeded sequence must not depend on how long the search took.
    const unsigned int resume = static_cast<unsigned int>(GetRandom());
    ReseedRandom();
    pose = 0;
    current->Hide();
    current = standingSprite;
    CMap* island = CControllerGame::island;
    bool found = false;
    for (int tries = 0; island && tries < kMaxSpotTries && !found; tries++) {
        const int atX = RangedRandom(kSpotLow, kSpotHigh);
        const int atY = RangedRandom(kSpotLow, kSpotHigh);
        // Unlike the gulls' water test, the tile is not shifted: it decides
        // where the birds sit.
        if (!island->TileContainsTerrain_coords(atX + kTileProbe, atY + kTileProbe, kGrassPresent, false) ||
            CObject::Collision(atX - 5, atY - 5, 40, 40, false)) {
            continue;
        }
        bool crowded = false;
        for (CBird* other : bird) {
            crowded = crowded || (other && other != this && !other->flyingAway &&
                                  GetDist(other->x, other->y, static_cast<float>(atX), static_cast<float>(atY)) <
                                      kBirdSpacing);
        }
        const int islander = CPerson::HowCloseIsTheClosestPersonTo(atX, atY - 20, true);
        if (crowded || (islander != -1 && islander < kScareReach)) {
            continue;
        }
        x = footX = static_cast<float>(atX);
        y = footY = static_cast<float>(atY);
        found = true;
    }
    current->Hide();
    flyingAway = false;
    waiting = true;
    lost = !found;
    if (lost) {
        logMessage("A bird found no free grass and stays hidden");
    }
    InitRandom(resume);
}

void CBird::FlyAway()
{
    for (CBird* one : bird) {
        if (!one || one->lost) {
            continue;
        }
        one->flyingAway = true;
        if (!one->flapSound->IsPlaying()) {
            one->PlayAtBird(one->flapSound);
        }
    }
}

void CBird::PlayAtBird(CSound* sound)
{
    if (CMap* island = CControllerGame::island) {
        sound->Play(island->GetDistFromScreenCenter(Round(x), Round(y)), false, 0, 0.0f);
    }
}

CSprite* CBird::SpriteOfPose()
{
    CSprite* const sprites[] = {standingSprite, peckingSprite, turnLeftSprite, turnRightSprite};
    return sprites[pose];
}

void CBird::Pump(int offsetX, int offsetY, int)
{
    if (lost) {
        return;
    }
    if (--poseTimer < 1 && !flyingAway) {
        pose = RangedRandom(0, 3);
        poseTimer = RangedRandom(15, 45);
        current->Hide();
        current = SpriteOfPose();
    }
    if (flyingAway) {
        if (current != flyingSprite) {
            current->Hide();
            current = flyingSprite;
        }
        y -= kFlightDy;
        x += facesLeft ? -kFlightDx : kFlightDx;
        if (x < -50 || x > 4147 || y < -50) {
            FindNewLocation();
            if (lost) {
                return;
            }
        }
    }
    footX = x;
    footY = y;

    const float z = (y + 19.0f) * 2000.0f + (flyingAway ? kFlightZ : 0.0f);
    current->Move(x + static_cast<float>(offsetX), y + static_cast<float>(offsetY), z);

    const int left = current->GetX();
    const int top = current->GetY();
    const bool outOfView =
        left + current->GetW() < -100 || left > 900 || top + current->GetH() < -10 || top > 900;
    if (!outOfView && !hidden && !waiting) {
        const int islander = CPerson::HowCloseIsTheClosestPersonTo(Round(x), Round(y - 20.0f), true);
        if (islander != -1 && islander < kScareReach) {
            FlyAway();
        }
    }
    if (!hidden) {
        if (!waiting) {
            current->UnHide();
        } else if (outOfView) {
            waiting = false;
            current->UnHide();
        }
    }

    if (--callTimer < 1) {
        PlayAtBird(callSound[RangedRandom(0, 2)]);
        callTimer = RangedRandom(600, 1200);
    }

    if (!flyingAway && !hidden && !waiting &&
        CObject::Collision(Round(x - 10.0f), Round(y - 10.0f), 40, 40, false)) {
        FlyAway();
    }
}

bool CBird::IsAtCoords(int& z, int atX, int atY)
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

void CBird::Clicked()
{
    FlyAway();
}

void CBird::Hide()
{
    hidden = true;
    current->Hide();
}

void CBird::UnHide()
{
    hidden = false;
}

void CBird::Rollover(bool) {}
