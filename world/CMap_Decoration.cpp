// The island's dressing that generation asks for: grass tufts and blades
// painted into the island image, the beach decoration, and grass painted
// over the feet of objects that stand in it.
#include "CMap.h"

void CMap::CreateGrassForIsland() {}

void CMap::CreateDoodadsForIsland(bool) {}

void CMap::GetGrassOverSprite(CSprite*, int, int) {}
