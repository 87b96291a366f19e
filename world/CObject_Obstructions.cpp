#include "CObject.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CObstructionIndex.h"
#include "CPersonMovement.h"

#include <algorithm>
#include <vector>

CObstructionIndex CObject::obstructionIndex;

bool CObject::ShouldRetestWalkGrid()
{
    // unloadingAll comes first: while everything is torn down the island may
    // already be gone.
    return !unloadingAll && CControllerGame::island && CControllerGame::island->playable;
}

void CObject::AddObstruction(int x, int y, int w, int h, CObject* owner, bool flag)
{
    obstructions.push_back(obstruction_type{x, y, w, h, owner, flag});
    obstructionIndex.Invalidate();
    if (CControllerGame::island && CControllerGame::island->playable) {
        CPersonMovement::AlterPathMapDueToObstruction(x, y, w, h);
    }
}

void CObject::RemoveObstructions(CObject* owner)
{
    size_t i = 0;
    while (i < obstructions.size()) {
        if (obstructions[i].owner != owner) {
            i++;
            continue;
        }
        const obstruction_type removed = obstructions[i];
        obstructions.erase(obstructions.begin() + i);
        obstructionIndex.Invalidate();
        if (ShouldRetestWalkGrid()) {
            CPersonMovement::AlterPathMapDueToObstruction(removed.x, removed.y, removed.w, removed.h);
        }
    }
}

bool CObject::Collision(int x, int y, int w, int h, bool all)
{
    if (isSimulating || obstructions.empty()) {
        return false;
    }
    return obstructionIndex.Collides(obstructions, x, y, w, h, all);
}

void CObject::InitPathMap()
{
    CPersonMovement::AlterPathMapDueToObstructions(obstructions);
}
