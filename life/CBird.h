// The eight small land birds of an island. Each stands, pecks and turns its
// head on the grass, calls now and then, and flies off diagonally when an
// islander comes near, when clicked or when something is built over it; when
// one flies off, all eight do. A bird that has left the island's area is
// placed anew and shown only once its new spot has been out of view. Every
// bird's images are composed from grey layers recoloured with one of fifteen
// colour sets, on private copies. World objects held in a fixed array, made
// afresh with every new island and never saved; a bird's destructor clears
// its own slot.
#pragma once

#include "CObject.h"

class CSound;
class CSprite;

class CBird : public CObject {
public:
    static constexpr int BIRDS = 8;

    // A recoloured bird without a place yet (hidden and waiting).
    CBird();
    ~CBird() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // (x, y): world px, or (-1, -1) for the mouse.
    bool IsAtCoords(int& z, int x, int y) override;
    // Every bird flies off.
    void Clicked() override;
    void Rollover(bool over) override;

    // Replaces the island's birds with eight new ones at free grass spots.
    static void LoadBirds();
    // Every bird there is flies off; each flaps unless its flap still plays.
    static void FlyAway();
    // A random free grass spot, searched without touching the seeded
    // sequence. When none is found the bird stays hidden (logged).
    void FindNewLocation();

    CSound* flapSound;
    CSound* callSound[3];
    CSprite* flyingSprite;
    CSprite* standingSprite;
    CSprite* peckingSprite;
    CSprite* turnLeftSprite;
    CSprite* turnRightSprite;
    CSprite* current;  // the one of the five that is drawn
    int pose;          // 0 standing, 1 pecking, 2 head left, 3 head right
    int poseTimer;
    bool flyingAway;
    bool facesLeft;
    bool hidden;
    bool waiting;  // not shown until its spot has been out of view once
    int callTimer;
    bool lost;  // no free spot was found: shown nowhere

    static CBird* bird[BIRDS];  // null where none
    static bool birdsInitialized;

private:
    CSprite* SpriteOfPose();
    void PlayAtBird(CSound* sound);
};
