// One heap of stardust or moondust: it waits, falls out of the sky at 45
// degrees from beyond the island's edge, lands with a puff and a thud, lies
// glittering and twinkling for a while and fades away, unless an islander is
// dropped on it, which collects it into the stock. While an observatory
// stands in service a landing sounds the alert.
//
// Heaps are made by the game screen (its timers, its tutorial script and
// potions on the ground) and by the finished wonders. Each is a world object
// that lists itself in CDust::dust; once out of play it gives back its
// pictures and sounds but stays listed (the tutorial script keeps a pointer
// to its heap) until the island's objects are unloaded.
#pragma once

#include "CObject.h"

#include <vector>

class CSound;
class CSprite;

class CDust : public CObject {
public:
    // Lands at world (x, y), the top-left of its picture; a coordinate of -1
    // is chosen on the island. delay: frames before it falls. It starts
    // hidden: its maker shows it with UnHide.
    CDust(bool stardust, int x, int y, int delay);
    ~CDust() override;

    void Hide() override;
    // Puts a waiting heap in play; a heap out of play stays out.
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // The picture grown by 30 px a side and 50 px top and bottom; a falling
    // heap can be hit too.
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Collection: the dust goes into the stock; always task 0.
    int DroppedOn() override;
    void Rollover(bool over) override;
    int GetX() override;
    int GetY() override;

    // Ends the twinkle: a fade over 15 frames near the view, else at once.
    void FadeOut();

    static constexpr int SPARKLES = 8;

    bool landed;  // the alert has been decided
    CSound* sndTwinkle;
    float velocityX;  // px a frame along x while falling, +10 or -10
    float fallSpeed;  // height lost a frame
    int destX, destY;  // landing point, world pixels, top-left of the picture
    CSprite* sprite;   // spriteFalling or spriteGround, whichever is shown
    CSprite* spriteFalling;
    CSprite* spriteGround;  // the heap, then its 10 faded copies
    CSprite* spritePuff;    // the landing puff, then its 10 faded copies
    CSprite* sparkles[SPARKLES];
    coordinate sparklePos[SPARKLES];  // world pixels
    CSprite* glitters[SPARKLES];
    coordinate glitterPos[SPARKLES];
    int puffRise;  // frames since landing
    CSound* sndLand;
    int lifetime;  // frames left on the ground before the fade
    bool expired;
    int delay;      // frames left before the fall
    float height;   // above the landing point, px; 0 on the ground
    bool isStardust;
    bool hidden;  // out of play: not yet shown, collected or faded

    static std::vector<CDust*> dust;  // every heap, in creation order
    static int dustIgnore;            // coming landings that raise no alert
    static CSound* sndObservatory;    // the alert; null until the first heap

private:
    void ChooseLandingPoint();
    void MakeSprites();
    void PumpParticles(int offsetX, int offsetY, CSprite** particles, coordinate* positions);
    void Twinkle();
    coordinate OffsetFromView();
    // Collected or faded: nothing shows it again.
    void LeavePlay();
    void ReleaseSprites();
    void ReleaseSounds();

    bool outOfPlay;
};
