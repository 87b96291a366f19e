#include "CBuilding.h"

void CBuilding::InitSprites() {}

void CBuilding::DeleteSprites() {}
