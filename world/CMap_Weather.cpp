// The weather's sprites that the island loads with its own: the preview's
// clouds and the playable island's rain.
#include "CMap.h"

void CMap::LoadClouds() {}

void CMap::UnloadClouds() {}

void CMap::MoveClouds() {}

void CMap::LoadRain() {}

void CMap::UnloadRain() {}
