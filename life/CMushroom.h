// A mushroom that grows in on the island's grass or sand, stands for a while
// and shrinks away again; an islander dropped on it picks it as a lab
// reagent. The game screen makes mushrooms; each is a world object that stays
// listed (hidden once gone) until the island's objects are unloaded.
#pragma once

#include "CObject.h"

class CMushroom : public CObject {
public:
    // World (x, y); both -1: a free spot the mushroom searches itself.
    CMushroom(int x, int y);
    ~CMushroom() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Picks the mushroom; always task 0.
    int DroppedOn() override;
    void Rollover(bool over) override;
    void GiveResponse(bool yes) override;

    void FindNewLocation();

    bool hidden;
    CSprite* sprite;  // owned; null once the mushroom is gone for good
    int lifetime;

private:
    // Hidden for good: the pictures go.
    void Finish();
};
