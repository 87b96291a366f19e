// A mushroom on the island's grass or sand. The game screen makes mushrooms;
// each is a world object that stays listed until the island's objects are
// unloaded.
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
    void Rollover(bool over) override;
};
