#include "CDust.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Finds.h"
#include "TerrainTiles.h"
#include "Utilities.h"

#include <algorithm>
#include <cstdlib>

std::vector<CDust*> CDust::dust;
int CDust::dustIgnore = 0;
CSound* CDust::sndObservatory = nullptr;

namespace {

constexpr int kRandomSpotLifetime = 1500;
constexpr int kGivenSpotLifetime = 99999999;
constexpr float kFallStep = 10.0f;
// The heap starts beyond these edges of the island picture.
constexpr float kFallFromLeft = -30.0f, kFallFromRight = 3935.0f;

constexpr int kLastTry = 19999;
constexpr int kInViewTries = 999;
constexpr int kGrassOnlyTries = 9999;
constexpr int kMostPassedTries = 5000;
constexpr int kPickLow = 96, kPickHigh = 3905;
constexpr int kViewLow = 50, kViewHigh = 550;
constexpr int kLandingShift = 116;
// The ground a heap keeps clear of other things, from its landing point.
constexpr int kRoomX = -60, kRoomY = -20, kRoomW = 165, kRoomH = 260;

constexpr int kFramesPerImage = 2;
constexpr int kFadedCopies = 10;
constexpr float kFades[kFadedCopies] = {0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f, 0.0f};
constexpr const char* kFadeLabel = "DUST FADING";
constexpr int kOffScreen = -100;

constexpr int kDustTask = 0;
constexpr float kRolloverLight = 1.35f;
constexpr int kHitMarginX = 30, kHitMarginY = 50;
constexpr int kHitDepth = 8194000;

constexpr int kFirstStardustStep = 29, kStardustPickedStep = 30, kStardustKeptStep = 31;
constexpr int kFirstMoondustStep = 47, kMoondustPickedStep = 48;

// Dominant grass, or from the late tries on dominant sand too; the point is
// looked up unshifted, so the tile lies 96 px up and left of it.
bool TerrainFits(CMap* island, int x, int y, int attempt)
{
    if (!island) {
        return false;
    }
    if (island->TileContainsTerrain_coords(x, y, TILE_GRASS, false)) {
        return true;
    }
    return attempt > kGrassOnlyTries && island->TileContainsTerrain_coords(x, y, TILE_SAND, false);
}

CSprite* ParticleSprite(const char* prefix)
{
    CSprite* particle = new CSprite(0, kFramesPerImage);
    particle->LoadImage(prefix, 0, 2, ".png");
    particle->LoadImage(prefix, 1, 0, ".png");
    // On its last image, so that the first pump gives it a place on the heap
    // before it is ever seen.
    particle->SetFrame(static_cast<unsigned int>(particle->GetNumImages() - 1));
    particle->SetFrameCounter(kFramesPerImage - 1);
    particle->Hide();
    return particle;
}

CSprite* FadingSprite(const char* name, bool paused)
{
    CSprite* fading = new CSprite(0, kFramesPerImage);
    const int base = CSprite::draw->LoadImage(name, false, false);
    fading->LoadImage(base);
    AppendFadedCopies(fading, base, kFades, kFadedCopies, kFadeLabel);
    fading->PauseWhenDone();
    if (paused) {
        fading->Pause();
    }
    fading->Move(kOffScreen, kOffScreen);
    fading->Hide();
    return fading;
}

}  // namespace

CDust::CDust(bool stardust, int atX, int atY, int wait)
    : landed(false), sndTwinkle(nullptr), velocityX(kFallStep), fallSpeed(kFallStep), destX(0), destY(0),
      sprite(nullptr), spriteFalling(nullptr), spriteGround(nullptr), spritePuff(nullptr), sparkles{},
      sparklePos{}, glitters{}, glitterPos{}, puffRise(0), sndLand(nullptr),
      lifetime(atX == -1 ? kRandomSpotLifetime : kGivenSpotLifetime), expired(false), delay(wait), height(0.0f),
      isStardust(stardust), hidden(true), outOfPlay(false)
{
    isDust = true;

    ChooseLandingPoint();
    if (atX != -1) {
        destX = atX;
    }
    if (atY != -1) {
        destY = atY;
    }

    // Walk back up the 45-degree path until beyond the island's edge.
    velocityX = RangedRandom(0, 1) == 0 ? -kFallStep : kFallStep;
    x = footX = static_cast<float>(destX);
    y = footY = static_cast<float>(destY);
    while (x > kFallFromLeft && x < kFallFromRight) {
        x += velocityX;
        height += fallSpeed;
    }

    MakeSprites();
    sndLand = new CSound("person_drop.ogg", false, 1.0f, false);
    sndTwinkle = new CSound("dust_twinkle.ogg", false, 0.5f, false);
    if (!sndObservatory) {
        sndObservatory = new CSound("observatory_alert.ogg", false, 1.0f, false);
    }
    dust.push_back(this);
}

CDust::~CDust()
{
    ReleaseSprites();
    ReleaseSounds();
    dust.erase(std::remove(dust.begin(), dust.end(), this), dust.end());
}

void CDust::ChooseLandingPoint()
{
    CMap* island = CControllerGame::island;
    const int scrollX = island ? island->offsetX : 0, scrollY = island ? island->offsetY : 0;
    const bool longWithoutDust = CControllerGame::lastDustPickup > 7199;
    int pickX = kPickLow, pickY = kPickLow;
    int passed = 0;
    for (int attempt = 1; attempt <= kLastTry; attempt++) {
        pickX = RangedRandom(kPickLow, kPickHigh);
        pickY = RangedRandom(kPickLow, kPickHigh);
        const bool inView = longWithoutDust ? attempt <= kInViewTries : RangedRandom(0, 3) == 0;
        if (inView) {
            pickX = RangedRandom(kViewLow, kViewHigh) - scrollX;
            pickY = RangedRandom(kViewLow, kViewHigh) - scrollY;
        }
        if (!TerrainFits(island, pickX, pickY, attempt)) {
            continue;
        }
        destX = pickX - kLandingShift;
        destY = pickY - kLandingShift;
        passed++;
        if (passed > kMostPassedTries ||
            !Collision(destX + kRoomX, destY + kRoomY, kRoomW, kRoomH, true)) {
            return;
        }
    }
    if (passed == 0) {
        // No ground anywhere the search looked: the last pick, kept on the island.
        destX = std::clamp(pickX - kLandingShift, 0, ISLAND_PIXELS - 1);
        destY = std::clamp(pickY - kLandingShift, 0, ISLAND_PIXELS - 1);
    }
}

void CDust::MakeSprites()
{
    spriteGround = FadingSprite(isStardust ? "dust_stardust_ground_base.png" : "dust_moondust_ground_base.png", true);
    spriteFalling = new CSprite(0);
    spriteFalling->LoadImage(isStardust ? "dust_stardust_falling_base.png" : "dust_moondust_falling_base.png");
    spriteFalling->Move(kOffScreen, kOffScreen);
    spriteFalling->Hide();
    sprite = spriteFalling;
    AddObstruction(destX - 1, destY - 1, spriteFalling->GetW() + 2, spriteFalling->GetH() + 2, this, true);
    spritePuff = FadingSprite("dust_impactpuff.png", false);
    for (int i = 0; i < SPARKLES; i++) {
        sparkles[i] = ParticleSprite(isStardust ? "dust_particleA_" : "dust_particleC_");
    }
    for (int i = 0; i < SPARKLES; i++) {
        glitters[i] = ParticleSprite("dust_particleB_");
    }
}

void CDust::ReleaseSprites()
{
    for (CSprite** owned : {&spriteFalling, &spriteGround, &spritePuff}) {
        delete *owned;
        *owned = nullptr;
    }
    for (int i = 0; i < SPARKLES; i++) {
        delete sparkles[i];
        delete glitters[i];
        sparkles[i] = glitters[i] = nullptr;
    }
    sprite = nullptr;
}

void CDust::ReleaseSounds()
{
    delete sndLand;
    delete sndTwinkle;
    sndLand = sndTwinkle = nullptr;
}

void CDust::Hide()
{
    hidden = true;
    // The puff goes too: a hidden heap no longer moves it, so a puff still
    // playing would stay behind where the view left it.
    for (CSprite* shown : {sprite, spritePuff}) {
        if (shown) {
            shown->Hide();
        }
    }
    for (int i = 0; i < SPARKLES; i++) {
        if (sparkles[i]) {
            sparkles[i]->Hide();
            glitters[i]->Hide();
        }
    }
}

void CDust::UnHide()
{
    if (!outOfPlay) {
        hidden = false;
    }
}

void CDust::LeavePlay()
{
    outOfPlay = true;
    Hide();
    RemoveObstructions(this);
    FadeOut();
    ReleaseSprites();
}

void CDust::FadeOut()
{
    if (!sndTwinkle) {
        return;
    }
    const coordinate offset = OffsetFromView();
    if (std::abs(offset.x) <= 330 && std::abs(offset.y) <= 300) {
        sndTwinkle->FadeOut(15);
    } else {
        sndTwinkle->Stop();
        if (outOfPlay) {
            ReleaseSounds();
        }
    }
}

coordinate CDust::OffsetFromView()
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return {0, 0};
    }
    return island->GetDistFromScreenCenter(Round(x), Round(y - height));
}

int CDust::DroppedOn()
{
    if (outOfPlay) {
        return kDustTask;
    }
    if (CTutorialDialog::IsTutorialComplete(kFirstStardustStep) && isStardust) {
        CTutorialDialog::CompleteTutorial(kStardustPickedStep);
    }
    if (CTutorialDialog::IsTutorialComplete(kStardustPickedStep) && isStardust) {
        CTutorialDialog::CompleteTutorial(kStardustKeptStep);
    }
    if (CTutorialDialog::IsTutorialComplete(kFirstMoondustStep) && !isStardust) {
        CTutorialDialog::CompleteTutorial(kMoondustPickedStep);
    }
    if (CControllerGame::game) {
        CControllerGame::game->AddDust(isStardust);
    }
    CControllerGame::lastDustPickup = 0;
    LeavePlay();
    if (CControllerGame::sndUsingDust) {
        CControllerGame::sndUsingDust->Play(false, 0, 0.0f, false);
    }
    return kDustTask;
}

bool CDust::IsAtCoords(int& z, int atX, int atY)
{
    if (hidden || !sprite) {
        return false;
    }
    bool hit;
    if (atX == -1 || atY == -1) {
        hit = sprite->IsMouseOver(kHitMarginX, kHitMarginY);
    } else {
        CMap* island = CControllerGame::island;
        const int scrollX = island ? island->offsetX : 0, scrollY = island ? island->offsetY : 0;
        hit = sprite->IsCollision(atX + scrollX, atY + scrollY, kHitMarginX, kHitMarginY);
    }
    if (hit) {
        z = kHitDepth;
    }
    return hit;
}

void CDust::Clicked() {}

void CDust::Rollover(bool over)
{
    if (sprite) {
        sprite->Lighten(over && CControllerGame::PickedUpPerson(), kRolloverLight);
    }
    PlayRollover(over);
}

int CDust::GetX()
{
    return Round(x);
}

int CDust::GetY()
{
    return Round(y);
}
