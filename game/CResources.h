// Stand-in for the band's stock of resources until it is built: a world
// object flagged as the resource store. The game screen owns the one stock
// (CControllerGame::Resources).
#pragma once

#include "CObject.h"

class CResources : public CObject {
public:
    CResources();
    ~CResources() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
};
