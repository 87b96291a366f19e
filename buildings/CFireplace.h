// The fire pit where islanders eat. It burns while it is complete and
// standing, no rain falls and there is wood in the stock (burning uses none),
// showing flames, sparks, its wood pile and up to three rising smoke puffs,
// with a crackle placed by where it is on screen. The island puts a finished
// one down at the start of a new island.
//
// The world registry owns a fireplace; fireplaces lists every live one in
// creation order.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CSound;

class CFireplace : public CBuildingKind {
public:
    static constexpr int PUFFS = 3;
    static constexpr int PUFF_FRAMES = 62;

    // At the placement point (x, y), world pixels; nothing built or delivered.
    CFireplace(int x, int y);
    explicit CFireplace(const building_data& saved);
    ~CFireplace() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;

    bool ThisIsBurning();
    // Any fireplace burns.
    static bool IsBurning();
    // The eating place: on entry (x, y) is the islander's position; on return
    // a corner of the chosen fireplace and the facing to eat with. nearest
    // takes the usable fireplace nearest (x, y), the first of equals;
    // otherwise random picks. Null, with x = y = -1, when none is usable.
    static CFireplace* FindWorkCoords(int& x, int& y, int& dir, bool nearest);
    static bool PlacementCollision();
    // One rendering frame of the smoke.
    void PumpSmoke();

    CSprite* GetWoodPile() { return woodPile; }
    CSprite* GetFire() { return fire; }
    CSprite* GetSparks() { return sparks; }
    CSprite* GetPuff(int i) { return puffs[i].sprite; }
    CSound* GetCrackle() { return crackle; }

    static std::vector<CFireplace*> fireplaces;

private:
    struct smoke_puff {
        CSprite* sprite;  // owned
        int frame;
        float offsetX, offsetY;
        float drift;
    };

    // The fireplace's own pictures, fire, smoke and list entry, after the
    // kind's.
    void InitFire();
    float NewDrift();
    int Depth();
    bool Standing();
    bool Supplied();

    CSound* crackle;  // owned
    CSprite* woodPile;
    CSprite* sparks;
    CSprite* fire;
    smoke_puff puffs[PUFFS];
    int smokeCountdown;
};
