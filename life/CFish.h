// The sea's fish. Three clumps lie in deep water off every island, placed from
// the island's seed; each holds a number of fish that islanders catch and that
// breeds back slowly, the more slowly the larger the band. Each clump is shown
// by one CFish, a world object that makes a fish jump out of the water with a
// ripple, a splash and a sound, the more often the fuller the clump.
// The clump array owns the fish; a fish deleted with the world objects clears
// its clump's pointer. Nothing here is saved: InitFish sets the clumps anew.
#pragma once

#include "CObject.h"

class CSound;
class CSprite;

class CFish;

struct fish_clump {
    int x, y;    // world px
    int size;    // fish in the clump, at most 100; 0 for a clump that is not there
    CFish* fish;  // owned; null when none
};

class CFish : public CObject {
public:
    static constexpr int CLUMPS = 3;

    // A hidden fish of clump index at world (x, y). It makes its pictures at
    // once on the playable island, otherwise at its first pump.
    CFish(int x, int y, int clumpIndex);
    ~CFish() override;

    void Hide() override;
    // The pictures show again from the next jump.
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    // Seeds the shared generator with the island's seed and places the three
    // clumps with their fish. A clump whose search finds no deep water is
    // left out (size 0, no fish) and logged.
    static void InitFish(unsigned int seed);
    // Deletes the fish and zeroes the clumps.
    static void EraseFish();
    // The largest size among the clumps within 400 px of world (x, y); -1
    // when none is.
    static int GetSizeOfNearestClump(int x, int y);
    // One fish caught: the largest clump within 400 px (the lowest index on
    // equal sizes) loses one, never going below 2.
    static void DecreaseSizeOfNearestClump(int x, int y);
    static void BreedAllFish();

    // Frames until the next jump, by the clump's size; 0 before the pictures exist.
    int GetSequenceDuration();
    // One frame's chance for the clump to gain a fish, and the band's caps.
    void BreedFish();

    static fish_clump fishClump[CLUMPS];

    bool hidden;           // while set a starting jump shows nothing
    CSprite* jumpSprite;   // one of the four below
    CSprite* fishALeft;
    CSprite* fishARight;
    CSprite* fishBLeft;
    CSprite* fishBRight;
    CSprite* ripple;
    CSprite* splash;
    int jumpCounter;
    int jumpInterval;
    int jumpOffsetX, jumpOffsetY;
    int clumpIndex;
    CSound* sndSplash;
    bool initialized;
    int startX, startY, startIndex;

private:
    void Init(int atX, int atY, int index);
    // The archive's layer and outline pictures stay decoded while any fish
    // has its pictures, so the fish of one island decode them only once.
    static void HoldLayers();
    static void ReleaseLayers();
    // Layer (0) and outline (1) by fish A/B, facing right/left and frame.
    static int sharedLayers[2][2][9][2];
    static int initialisedFish;
    // Both facings of one fish, recoloured with one palette.
    void LoadFish(char which, CSprite*& right, CSprite*& left);
};
