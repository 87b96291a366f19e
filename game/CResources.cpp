#include "CResources.h"

#include "CControllerGame.h"

CResources::CResources()
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
