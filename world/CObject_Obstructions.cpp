#include "CObject.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"

bool CObject::ShouldRetestWalkGrid()
{
    // unloadingAll comes first: while everything is torn down the island may
    // already be gone.
    return !unloadingAll && CControllerGame::island && CControllerGame::island->playable;
}

void CObject::AddObstruction(int x, int y, int w, int h, CObject* owner, bool flag)
{
    obstructions.push_back(obstruction_type{x, y, w, h, owner, flag});
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
        if (ShouldRetestWalkGrid()) {
            CPersonMovement::AlterPathMapDueToObstruction(removed.x, removed.y, removed.w, removed.h);
        }
    }
}

bool CObject::Collision(int x, int y, int w, int h, bool all)
{
    if (isSimulating) {
        return false;
    }
    for (const obstruction_type& rect : obstructions) {
        if (rect.flag && !all) {
            continue;
        }
        if (x + w > rect.x && x < rect.x + rect.w && y + h > rect.y && y < rect.y + rect.h) {
            return true;
        }
    }
    return false;
}

void CObject::InitPathMap()
{
    CPersonMovement::AlterPathMapDueToObstructions(obstructions);
}
