#include "CFish.h"

#include "CControllerGame.h"
#include "CDraw.h"
#include "CMap.h"
#include "CPerson.h"
#include "CSound.h"
#include "CSprite.h"
#include "FishPalettes.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kFullSizes[CFish::CLUMPS] = {100, 45, 15};
constexpr int kMaxSize = 100;
constexpr int kMinFishedSize = 2;
constexpr float kNearClump = 400.0f;
constexpr float kClumpSpacing = 600.0f;
constexpr int kSearchLow = 256;
constexpr int kSearchHigh = 3841;
// Enough for any island with open sea; an island without one must not hang.
constexpr int kMaxSearchTries = 100000;
constexpr int kDeepWater = 1;
constexpr int kBorder = 96;
constexpr int kSplashFrame = 18;
constexpr float kSplashVolume = 0.5f;

bool IsDeepWater(CMap& island, int atX, int atY)
{
    const int probes[5][2] = {{0, 0}, {33, 0}, {-33, 0}, {0, 33}, {0, -33}};
    for (const auto& probe : probes) {
        if (!island.TileContainsTerrain_coords(atX + probe[0], atY + probe[1], kDeepWater, true)) {
            return false;
        }
    }
    return true;
}

// How far from the camp the first clump may lie after this many tries.
float StartAllowance(int tries)
{
    return tries <= 51 ? 500.0f : tries <= 251 ? 1000.0f : 2000.0f;
}

bool FarFromOtherClumps(int index, int atX, int atY)
{
    for (int other = 0; other < CFish::CLUMPS; other++) {
        const fish_clump& clump = CFish::fishClump[other];
        if (other != index && GetDist(atX, atY, clump.x, clump.y) < kClumpSpacing) {
            return false;
        }
    }
    return true;
}

bool PlaceClump(CMap& island, int index)
{
    fish_clump& clump = CFish::fishClump[index];
    for (int tries = 1; tries <= kMaxSearchTries; tries++) {
        const int atX = RangedRandom(kSearchLow, kSearchHigh);
        const int atY = RangedRandom(kSearchLow, kSearchHigh);
        if (!IsDeepWater(island, atX, atY)) {
            continue;
        }
        const bool placed = index == 0 ? island.GetDistanceFromStartLocation(atX, atY) <= StartAllowance(tries)
                                       : FarFromOtherClumps(index, atX, atY);
        if (placed) {
            clump.x = atX;
            clump.y = atY;
            return true;
        }
    }
    return false;
}

// The clump that a catch at world (x, y) comes from: the fullest within reach,
// the lowest index on a tie; -1 when none is near.
int NearestClump(int atX, int atY)
{
    int best = -1;
    for (int i = 0; i < CFish::CLUMPS; i++) {
        const fish_clump& clump = CFish::fishClump[i];
        // Size 0 is a clump the island had no deep water for, left zeroed
        // at the map's corner: a fisher near there would find fish that are
        // not there, and each catch would lift the empty clump to 2.
        if (clump.size > 0 && GetDist(atX, atY, clump.x, clump.y) <= kNearClump &&
            (best == -1 || clump.size > CFish::fishClump[best].size)) {
            best = i;
        }
    }
    return best;
}

const fish_palette& DrawPalette()
{
    if (RangedRandom(0, 1) != 0) {
        return kFishPalettesFirst[RangedRandom(0, 5)];
    }
    return kFishPalettesSecond[RangedRandom(0, 14)];
}

// Living islanders, as the breeding counts them.
int BandSize()
{
    return CPerson::NumPeople();
}

}  // namespace

fish_clump CFish::fishClump[CFish::CLUMPS] = {};
int CFish::sharedLayers[2][2][9][2];
int CFish::initialisedFish = 0;

CFish::CFish(int atX, int atY, int index)
    : hidden(true), jumpSprite(nullptr), fishALeft(nullptr), fishARight(nullptr), fishBLeft(nullptr),
      fishBRight(nullptr), ripple(nullptr), splash(nullptr), jumpCounter(0), jumpInterval(0), jumpOffsetX(0),
      jumpOffsetY(0), clumpIndex(index), sndSplash(nullptr), initialized(false), startX(atX), startY(atY),
      startIndex(index)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    if (CControllerGame::island && CControllerGame::island->playable) {
        Init(atX, atY, index);
    }
}

CFish::~CFish()
{
    if (initialized) {
        ReleaseLayers();
        delete sndSplash;
        delete fishALeft;
        delete fishARight;
        delete fishBLeft;
        delete fishBRight;
        delete ripple;
        delete splash;
    }
    for (fish_clump& clump : fishClump) {
        if (clump.fish == this) {
            clump.fish = nullptr;
        }
    }
}

void CFish::HoldLayers()
{
    if (initialisedFish++ > 0) {
        return;
    }
    for (int which = 0; which < 2; which++) {
        for (int facing = 0; facing < 2; facing++) {
            for (int frame = 0; frame < 9; frame++) {
                for (int layer = 0; layer < 2; layer++) {
                    sharedLayers[which][facing][frame][layer] = CSprite::draw->LoadImage(
                        TempSprintf("fish%c_%c_%i%c.png", "AB"[which], "RL"[facing], frame, "cl"[layer]), false, false);
                }
            }
        }
    }
}

void CFish::ReleaseLayers()
{
    if (--initialisedFish > 0) {
        return;
    }
    for (auto& byFacing : sharedLayers) {
        for (auto& byFrame : byFacing) {
            for (auto& layers : byFrame) {
                for (int id : layers) {
                    CSprite::draw->RemoveImage(id);
                }
            }
        }
    }
}

void CFish::Init(int atX, int atY, int index)
{
    initialized = true;
    HoldLayers();
    clumpIndex = index;
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    LoadFish('A', fishARight, fishALeft);
    LoadFish('B', fishBRight, fishBLeft);
    jumpSprite = fishALeft;

    ripple = new CSprite(2, 2);
    ripple->LoadImage("fish_ripple_", 0, 5, ".png");
    splash = new CSprite(0, 1);
    splash->LoadImage("fish_splash_", 0, 16, ".png");
    for (CSprite* sprite : {ripple, splash}) {
        sprite->PauseWhenDone();
        sprite->Move(-100, -100);
        sprite->Hide();
    }
    jumpCounter = 0;
    jumpInterval = GetSequenceDuration();
    jumpOffsetX = RangedRandom(-50, 50);
    jumpOffsetY = RangedRandom(-50, 50);
}

void CFish::LoadFish(char which, CSprite*& right, CSprite*& left)
{
    const fish_palette& palette = DrawPalette();
    if (!sndSplash) {
        sndSplash = new CSound("fish_splash.ogg", false, kSplashVolume, false);
    }
    CDraw* draw = CSprite::draw;
    const RGBA_data greys[3] = {{85, 85, 85, 255}, {170, 170, 170, 255}, {255, 255, 255, 255}};
    const RGBA_data colours[3] = {palette.dark, palette.light, palette.white};
    for (int facing = 0; facing < 2; facing++) {
        CSprite* sprite = new CSprite(0, 2);
        for (int i = 0; i <= 8; i++) {
            const int* layers = sharedLayers[which - 'A'][facing][i];
            const int coloured = draw->CopyImage(layers[0]);
            for (int c = 0; c < 3; c++) {
                draw->ReplaceColour(coloured, greys[c], colours[c], false, false);
            }
            draw->CompositeImageOnImage(layers[1], coloured, 0, 0, false);
            sprite->LoadImage(coloured);
        }
        sprite->PauseWhenDone();
        sprite->Move(-100, -100);
        sprite->Hide();
        (facing == 0 ? right : left) = sprite;
    }
}

void CFish::InitFish(unsigned int seed)
{
    InitRandom(seed);
    EraseFish();
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    for (int i = 0; i < CLUMPS; i++) {
        fishClump[i].size = kFullSizes[i];
    }
    bool placed[CLUMPS];
    for (int i = 0; i < CLUMPS; i++) {
        placed[i] = PlaceClump(*island, i);
        if (!placed[i]) {
            logMessage("A fish clump found no deep water and was left out: ", TempSprintf("%u/%i", seed, i));
        }
    }
    for (int i = 0; i < CLUMPS; i++) {
        fish_clump& clump = fishClump[i];
        if (!placed[i]) {
            clump = fish_clump{};
            continue;
        }
        clump.x -= kBorder;
        clump.y -= kBorder;
    }
    for (int i = 0; i < CLUMPS; i++) {
        if (placed[i]) {
            fishClump[i].fish = new CFish(fishClump[i].x, fishClump[i].y, i);
        }
    }
}

void CFish::EraseFish()
{
    for (fish_clump& clump : fishClump) {
        delete clump.fish;
        clump = fish_clump{};
    }
}

int CFish::GetSizeOfNearestClump(int atX, int atY)
{
    const int index = NearestClump(atX, atY);
    return index == -1 ? -1 : fishClump[index].size;
}

void CFish::DecreaseSizeOfNearestClump(int atX, int atY)
{
    const int index = NearestClump(atX, atY);
    if (index != -1) {
        fish_clump& clump = fishClump[index];
        clump.size = std::max(kMinFishedSize, clump.size - 1);
    }
}

void CFish::BreedAllFish()
{
    for (fish_clump& clump : fishClump) {
        if (clump.fish) {
            clump.fish->BreedFish();
        }
    }
}

int CFish::GetSequenceDuration()
{
    if (!initialized) {
        return 0;
    }
    const int size = fishClump[clumpIndex].size;
    if (size < 20) {
        return 900;
    }
    return size > 49 ? RangedRandom(80, 130) : RangedRandom(130, 180);
}

void CFish::BreedFish()
{
    if (!initialized) {
        return;
    }
    int& size = fishClump[clumpIndex].size;
    const int band = BandSize();
    const float slowness = band < 15 ? 100.0f : band < 30 ? 200.0f : 1000.0f;
    if (RangedRandom(0, Round(slowness * static_cast<float>(200 - size))) == 0) {
        size = std::min(kMaxSize, size + 1);
    }
    // A large band leaves the sea poorer, however long it waits.
    if (band > 14) {
        size = std::min(size, 40);
    }
    if (band >= 30) {
        size = std::min(size, 10);
    }
}

void CFish::Hide()
{
    hidden = true;
    if (initialized) {
        fishALeft->Hide();
        fishARight->Hide();
        ripple->Hide();
        splash->Hide();
    }
}

void CFish::UnHide()
{
    hidden = false;
}

void CFish::Pump(int offsetX, int offsetY, int)
{
    if (!initialized) {
        Init(startX, startY, startIndex);
    }
    const int atX = Round(x);
    const int atY = Round(y);
    const int z = (atY + jumpOffsetY + 147) * 2000;

    if (jumpCounter == 0) {
        if (CMap* island = CControllerGame::island) {
            sndSplash->Play(island->GetDistFromScreenCenter(atX, atY), false, 0, 0.0f);
        }
        for (CSprite* sprite : {jumpSprite, ripple}) {
            sprite->ResetStart();
            sprite->PlayForward();
            if (!hidden) {
                sprite->UnHide();
            }
        }
    } else if (jumpCounter == kSplashFrame) {
        splash->ResetStart();
        splash->PlayForward();
        if (!hidden) {
            splash->UnHide();
        }
    }

    if (ripple->GetFramesFromEnd() == 0) {
        ripple->Hide();
    }
    if (jumpSprite->GetFramesFromEnd() == 0) {
        for (CSprite* sprite : {fishALeft, fishARight, fishBLeft, fishBRight}) {
            sprite->Hide();
        }
    }
    if (splash->GetFramesFromEnd() == 0) {
        splash->Hide();
    }

    const int baseX = atX + offsetX + jumpOffsetX;
    const int baseY = atY + offsetY + jumpOffsetY;
    jumpSprite->Move(baseX, baseY, z);
    const bool facesRight = jumpSprite == fishARight || jumpSprite == fishBRight;
    ripple->Move(baseX + (facesRight ? -46 : 58), baseY + 66, z + 1);
    splash->Move(baseX + (facesRight ? 58 : -46), baseY + 44, z + 1);

    if (++jumpCounter > jumpInterval) {
        const bool fishB = RangedRandom(0, 1) != 0;
        const bool left = RangedRandom(0, 1) != 0;
        jumpSprite = fishB ? (left ? fishBLeft : fishBRight) : (left ? fishALeft : fishARight);
        jumpCounter = 0;
        jumpInterval = GetSequenceDuration();
        jumpOffsetX = RangedRandom(-50, 50);
        jumpOffsetY = RangedRandom(-50, 50);
    }
    BreedFish();
}

void CFish::Rollover(bool) {}
