#include "CBuilding.h"

void CBuilding::InitSprites() {}
void CBuilding::DeleteSprites() {}
void CBuilding::HandleBuildingPlacement() {}
