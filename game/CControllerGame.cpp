#include "CControllerGame.h"

#include "CResources.h"

CResources* CControllerGame::resources = nullptr;
CSound* CControllerGame::sndWaves = nullptr;

CResources* CControllerGame::Resources()
{
    if (!resources) {
        resources = new CResources();
    }
    return resources;
}
