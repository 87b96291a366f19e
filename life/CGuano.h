// A gull's dropping on the ground: a find that lies for a while, then fades
// away; an islander dropped on it collects it as a lab reagent. Gulls and the
// game screen's tutorial make guano; it is a world object that stays listed
// (hidden once gone) until the island's objects are unloaded.
#pragma once

#include "CObject.h"

class CGuano : public CObject {
public:
    // World (x, y); the sprite starts shown at screen (screenX, screenY, z).
    CGuano(int x, int y, bool facingLeft, int screenX, int screenY, int z);
    ~CGuano() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Collects the guano once; always task 0.
    int DroppedOn() override;
    void Rollover(bool over) override;
    void GiveResponse(bool yes) override;

    int lifetime;  // frames before it fades
    bool hidden;
    CSprite* sprite;  // owned; null once the guano is gone for good

private:
    bool Fading();
    bool Faded();
};
