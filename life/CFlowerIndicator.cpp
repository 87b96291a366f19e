#include "CFlowerIndicator.h"

#include "CControllerGame.h"
#include "CGuiFlowers.h"

int CFlowerIndicator::placingFlowers = -1;

void CFlowerIndicator::Init() {}
void CFlowerIndicator::Unload() {}
void CFlowerIndicator::HandleFlowerPlacement() {}

int CFlowerIndicator::GetFlowerPlacementType()
{
    if (CControllerGame::flowers && CControllerGame::flowers->IsMouseOver()) {
        return -1;
    }
    return placingFlowers;
}
