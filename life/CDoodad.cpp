#include "CDoodad.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

// Drawn above the ground and below every standing object.
constexpr int kDoodadZ = 25;

// Highest variant of each shell type.
constexpr int kShellVariants[5] = {23, 23, 19, 9, 17};

}  // namespace

CDoodad::CDoodad(int atX, int atY, int kind) : sprite(nullptr), hidden(true)
{
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    sprite = new CSprite(0);

    // Drawn whatever the kind, so the generator's sequence does not depend on it.
    const int randomKind = RangedRandom(0, 4);
    if (kind == -1) {
        kind = randomKind;
    }

    if (kind == PEBBLE) {
        imageName = TempSprintf("pebble_%i.png", RangedRandom(0, 23));
        sprite->LoadImage(imageName.c_str());
    } else if (kind >= SMALL_SHELL && kind <= BIG_STARFISH) {
        const int type = RangedRandom(0, 4);
        int variant;
        const char* pattern;
        if (kind == SMALL_SHELL || kind == BIG_SHELL) {
            variant = RangedRandom(0, 23);
            if (type >= 2) {
                variant = RangedRandom(0, kShellVariants[type]);
            }
            pattern = kind == SMALL_SHELL ? "shell_small_type%i_%i.png" : "shell_big_type%i_%i.png";
        } else {
            variant = RangedRandom(0, 2);
            pattern = kind == SMALL_STARFISH ? "starfish_small_type%i_%i.png" : "starfish_big_type%i_%i.png";
        }
        imageName = TempSprintf(pattern, type, variant);
        sprite->LoadImage(imageName.c_str());
        // Shells and starfish are in the way of walking too; pebbles are not.
        AddObstruction(atX + 3, atY + 3, sprite->GetW() - 6, sprite->GetH() - 6, this, false);
    }

    sprite->Move(-100, -100);
    sprite->Hide();
    AddObstruction(atX - 1, atY - 1, sprite->GetW() + 2, sprite->GetH() + 2, this, true);
}

CDoodad::~CDoodad()
{
    delete sprite;
    // The island keeps its doodads in a list that must not outlive them.
    if (CMap* island = CControllerGame::island) {
        island->doodads.erase(std::remove(island->doodads.begin(), island->doodads.end(), this),
                              island->doodads.end());
    }
}

void CDoodad::Hide()
{
    hidden = true;
    sprite->Hide();
}

void CDoodad::UnHide()
{
    hidden = false;
}

void CDoodad::Pump(int offsetX, int offsetY, int)
{
    sprite->Move(static_cast<float>(offsetX) + x, static_cast<float>(offsetY) + y, static_cast<float>(kDoodadZ));
    // A doodad of an unknown kind has no picture to show.
    if (!hidden && sprite->GetNumImages() > 0) {
        sprite->UnHide();
    }
}

bool CDoodad::IsAtCoords(int& z, int atX, int atY)
{
    if (atX != -1 || atY != -1) {
        if (CMap* island = CControllerGame::island) {
            atX += island->offsetX;
            atY += island->offsetY;
        }
    }
    if (!sprite->IsCollisionPixelPerfect(atX, atY)) {
        return false;
    }
    z = sprite->GetZ();
    return true;
}

void CDoodad::Clicked() {}

void CDoodad::Rollover(bool) {}

int CDoodad::GetX()
{
    return Round(x);
}

int CDoodad::GetY()
{
    return Round(y);
}

const char* CDoodad::GetSpriteName()
{
    return imageName.c_str();
}
