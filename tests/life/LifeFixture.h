// The world-object fixture for island life. Every picture of the resource
// pack is there, as the game's sprites see it.
#pragma once

#include "CSprite.h"
#include "tests/world/WorldFakes.h"

class LifeTest : public WorldTest {
protected:
    static int CountObstructionsOf(CObject* owner)
    {
        int count = 0;
        for (const obstruction_type& rect : CObject::obstructions) {
            count += rect.owner == owner;
        }
        return count;
    }
};
