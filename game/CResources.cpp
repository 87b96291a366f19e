#include "CResources.h"

#include "CControllerGame.h"

CResources::CResources() : piles{{-1, -1}, {-1, -1}, {-1, -1}}
{
    isResourceStore = true;
}

CResources::~CResources()
{
    // The stock is a world object, so unloading the world may delete it
    // before shut-down does.
    if (CControllerGame::resources == this) {
        CControllerGame::resources = nullptr;
    }
}

void CResources::Hide() {}
void CResources::UnHide() {}
void CResources::Pump(int, int, int) {}
void CResources::Rollover(bool) {}

void CResources::SetPileCoordinates(int kind, int atX, int atY)
{
    if (kind >= 0 && kind < 3) {
        piles[kind] = {atX, atY};
    }
}
