#include "CResources.h"

#include "CControllerGame.h"

CResources::CResources() {}

CResources::~CResources()
{
    if (CControllerGame::resources == this) {
        CControllerGame::resources = nullptr;
    }
}
