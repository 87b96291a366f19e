#include "CFireplace.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CResources.h"
#include "CSound.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kFireplace = 9;
constexpr int kStages = 5;
constexpr int kSpriteZ = 10, kPileZ = 11, kSparkZ = 12, kFireZ = 13;
constexpr int kFramesPerImage = 2;
constexpr int kDepthLift = 70;
constexpr int kPileX = 36, kPileY = 23;
constexpr int kSparkX = 41, kSparkY = 33;
constexpr int kFireX = 29, kFireY = -10;
constexpr int kSmokeX = 12, kSmokeY = -36;
constexpr float kRise = 1.2f, kDrift = 0.25f;
constexpr int kSmokeImages = 61;

constexpr building_look kFireplaceLook = {
    kDepthLift, "selector_leather-firepit.png", -48, -2, 2813, "sidebar_item_firepit.png",
    {{133, 50, 2}, {-36, 50, 1}, {137, -3, 2}, {-26, 3, 1}}, 4,
    {{15, 111}, {50, 121}, {94, 116}}, 3,
    {{20, 0, 0, 20, 76, 0, 66}}, {{20, 0, 0, 20, 76, 0, 66}}, 1,
    {{0, 0, 111, 96}}, 1,
};

// The four places to eat at, from the picture's top-left, and the facing
// that looks into the fire from each.
struct eating_corner {
    int x, y, facing;
};
constexpr eating_corner kCorners[4] = {{8, 8, 1}, {103, 8, 2}, {8, 88, 0}, {103, 88, 3}};

bool OnPreview()
{
    return CControllerGame::island && !CControllerGame::island->playable;
}

bool WoodInStock()
{
    CResources* stock = CControllerGame::Resources();
    return stock && stock->GetWood() > 0;
}

}  // namespace

std::vector<CFireplace*> CFireplace::fireplaces;

CFireplace::CFireplace(int atX, int atY) : CBuildingKind(kFireplaceLook, kFireplace, kFireplace, atX, atY)
{
    InitFire();
}

CFireplace::CFireplace(const building_data& saved) : CBuildingKind(kFireplaceLook, saved)
{
    InitFire();
}

CFireplace::~CFireplace()
{
    delete crackle;
    delete woodPile;
    delete sparks;
    delete fire;
    for (smoke_puff& puff : puffs) {
        delete puff.sprite;
    }
    fireplaces.erase(std::remove(fireplaces.begin(), fireplaces.end(), this), fireplaces.end());
}

void CFireplace::InitFire()
{
    CDraw* draw = CSprite::draw;
    crackle = new CSound("fire_crackle.ogg", false, 0.9f, false);
    // While it is built the pit shows unlit; its private copies take grass.
    delete sprite;
    sprite = new CSprite(kSpriteZ);
    for (int stage = 0; stage < kStages; stage++) {
        const char* picture = stage < kStages - 1 ? "fireplace_style0_construct1.png" : "fireplace_style0_construct0.png";
        sprite->LoadImage(draw->LoadImage(picture, true, true));
    }
    depthOffset = sprite->GetH() - kDepthLift;
    const int depth = Depth();
    sprite->Move(x, y, static_cast<float>(depth));
    sprite->Hide();

    const int left = Round(x), top = Round(y);
    woodPile = new CSprite(kPileZ);
    woodPile->LoadImage(TempSprintf("pile_wood%i.png", RangedRandom(0, 3)));
    sparks = new CSprite(kSparkZ, kFramesPerImage);
    sparks->LoadImage("fireplace_spark_", 0, 3, ".png");
    fire = new CSprite(kFireZ, kFramesPerImage);
    fire->LoadImage("fireplace_fire_", 0, 10, ".png");
    int z = depth;
    for (CSprite* part : {woodPile, sparks, fire}) {
        part->Move(left + kPileX, top + kPileY, ++z);
        part->Hide();
    }
    for (smoke_puff& puff : puffs) {
        puff.frame = 0;
        puff.sprite = new CSprite(fire->GetZ() + 1, 1);
        puff.sprite->LoadImage("firesmoke_A", 0, kSmokeImages - 1, ".png");
        puff.sprite->Move(-100, -100);
        puff.sprite->Hide();
        puff.sprite->PauseWhenDone();
        puff.offsetX = puff.offsetY = 0.0f;
        puff.drift = NewDrift();
    }
    smokeCountdown = 0;
    AddObstructions(false);
    // The kind's first showing painted nothing into the pictures it has now.
    grassPainted = false;
    UnHide();
    fireplaces.push_back(this);
}

float CFireplace::NewDrift()
{
    return static_cast<float>(RangedRandom(-static_cast<double>(kDrift), static_cast<double>(kDrift)));
}

int CFireplace::Depth()
{
    return (Round(y) + depthOffset) * 2000;
}

bool CFireplace::Standing()
{
    return IsComplete() && !IsBeingDemolished() && !IsDemolished();
}

bool CFireplace::Supplied()
{
    CMap* island = CControllerGame::island;
    return !(island && island->raining) && WoodInStock();
}

bool CFireplace::ThisIsBurning()
{
    return Standing() && Supplied();
}

bool CFireplace::IsBurning()
{
    return std::any_of(fireplaces.begin(), fireplaces.end(), [](CFireplace* each) { return each->ThisIsBurning(); });
}

void CFireplace::Hide()
{
    sprite->Hide();
    woodPile->Hide();
    sparks->Hide();
    fire->Hide();
}

void CFireplace::UnHide()
{
    sprite->UnHide();
    if (WoodInStock()) {
        // The next frame hides them again where the fire is out.
        woodPile->UnHide();
        sparks->UnHide();
        fire->UnHide();
    }
    CMap* island = CControllerGame::island;
    if (grassPainted || !island || !island->playable) {
        return;
    }
    std::vector<coordinate> points;
    for (int i = 0; i < look.grassCount; i++) {
        points.push_back({static_cast<int>(x) + look.grass[i].x, static_cast<int>(y) + look.grass[i].y});
    }
    island->GetGrassOverSprite(sprite, points, -1);
    grassPainted = true;
}

void CFireplace::Pump(int offsetX, int offsetY, int)
{
    if (OnPreview()) {
        return;
    }
    const bool burning = ThisIsBurning();
    if (burning) {
        const coordinate at = CControllerGame::island ? CControllerGame::island->GetDistFromScreenCenter(Round(x), Round(y))
                                                      : coordinate{0, 0};
        if (crackle->IsPlaying()) {
            crackle->AdjustPosition(at, 1.0f);
        } else {
            crackle->Play(at, true, 0, 0.0f);
        }
    } else {
        crackle->Stop();
    }
    GetAnimationFrame();
    if (rendering) {
        const int left = offsetX + Round(x), top = offsetY + Round(y);
        const int depth = Depth();
        sprite->Move(left, top, depth);
        woodPile->Move(left + kPileX, top + kPileY, depth + 1);
        sparks->Move(left + kSparkX, top + kSparkY, depth + 2);
        fire->Move(left + kFireX, top + kFireY, depth + 3);
        PumpSmoke();
        if (burning) {
            woodPile->UnHide();
            sparks->UnHide();
            fire->UnHide();
        } else {
            sparks->Hide();
            fire->Hide();
            if (WoodInStock() && Standing()) {
                woodPile->UnHide();
            } else {
                woodPile->Hide();
            }
        }
    }
    if (IsDemolished()) {
        sprite->Hide();
        RemoveObstructions(this);
    }
    HandleCompletion();
    if (IsDemolished() && selectedObject == this) {
        selectedObject = nullptr;
    }
}

void CFireplace::PumpSmoke()
{
    smokeCountdown--;
    const bool burning = ThisIsBurning();
    for (smoke_puff& puff : puffs) {
        CSprite* smoke = puff.sprite;
        if (smokeCountdown <= 0 && burning && smoke->Hidden()) {
            puff.frame = 0;
            smoke->UnHide();
            smoke->ResetStart();
            smoke->PlayForward();
            puff.offsetX = puff.offsetY = 0.0f;
            puff.drift = NewDrift();
            smokeCountdown = RangedRandom(18, 28);
        }
        const int rise = Round(puff.offsetY);
        smoke->Move(sprite->GetX() + kSmokeX + Round(puff.offsetX), sprite->GetY() + kSmokeY + rise,
                    fire->GetZ() - rise + 1);
        if (!smoke->Hidden()) {
            smoke->SetFrame(static_cast<unsigned int>(puff.frame));
            puff.frame++;
        }
        puff.offsetY -= kRise;
        puff.offsetX += puff.drift;
        if ((smoke->AtEnd() && smoke->Paused()) || puff.frame >= PUFF_FRAMES) {
            smoke->Hide();
        }
    }
}

CFireplace* CFireplace::FindWorkCoords(int& atX, int& atY, int& dir, bool nearest)
{
    const int fromX = atX, fromY = atY;
    atX = atY = -1;
    dir = 3;
    CFireplace* chosen = nullptr;
    if (nearest) {
        float best = 0.0f;
        for (CFireplace* each : fireplaces) {
            if (!each->Standing()) {
                continue;
            }
            const float distance = GetDist(fromX, fromY, each->GetX(), each->GetY());
            if (!chosen || distance < best) {
                chosen = each;
                best = distance;
            }
        }
    } else {
        const int n = static_cast<int>(fireplaces.size());
        for (int pick = 0; pick < n && !chosen; pick++) {
            CFireplace* each = fireplaces[RangedRandom(0, n - 1)];
            if (each->IsComplete() && !each->IsBeingDemolished()) {
                chosen = each;
            }
        }
    }
    if (!chosen) {
        return nullptr;
    }
    const eating_corner& corner = kCorners[RangedRandom(0, 3)];
    atX = Round(chosen->x) + corner.x;
    atY = Round(chosen->y) + corner.y;
    dir = corner.facing;
    return chosen;
}

bool CFireplace::PlacementCollision()
{
    return FootprintCollides(kFireplaceLook);
}
