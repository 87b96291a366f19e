#include "CObservatory.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CSprite.h"

#include <vector>

int CObservatory::numObservatories = 0;

namespace {

constexpr int kObservatory = 5;
constexpr int kDepthLift = 70;
constexpr int kFirstGrassImage = 3;

// The grass is the observatory's own (from the walls up), so the shared look
// paints none.
constexpr coordinate kGrass[] = {{36, 294}, {120, 337}, {207, 310}, {257, 235}};

constexpr building_look kObservatoryLook = {
    kDepthLift, "selector_storehouses-observ.png", -9, 177, 2815, "sidebar_item_observatory.png",
    {{255, 253, 2}, {-4, 226, 1}, {245, 153, 2}, {-4, 116, 1}}, 4,
    {}, 0,
    {{27, 0, 0, 135, 202, 0, 140}, {45, 0, 0, 275, 172, 0, 45}},
    {{27, 0, 0, 135, 202, 0, 140}, {45, 0, 0, 275, 172, 0, 45}}, 2,
    {{25, 130, 205, 150}, {55, 280, 157, 45}}, 2,
};

}  // namespace

CObservatory::CObservatory(int atX, int atY)
    : CBuildingKind(kObservatoryLook, kObservatory, kObservatory, atX, atY), counted(false), grassDone(false)
{
    UnHide();
}

CObservatory::CObservatory(const building_data& saved)
    : CBuildingKind(kObservatoryLook, saved), counted(false), grassDone(false)
{
    UnHide();
}

CObservatory::~CObservatory()
{
    if (counted) {
        numObservatories--;
    }
}

void CObservatory::UnHide()
{
    sprite->UnHide();
    CMap* island = CControllerGame::island;
    if (grassDone || !island || !island->playable) {
        return;
    }
    std::vector<coordinate> points;
    for (const coordinate& tuft : kGrass) {
        points.push_back({static_cast<int>(x) + tuft.x, static_cast<int>(y) + tuft.y});
    }
    island->GetGrassOverSprite(sprite, points, kFirstGrassImage);
    grassDone = true;
}

void CObservatory::Pump(int offsetX, int offsetY, int steps)
{
    CBuildingKind::Pump(offsetX, offsetY, steps);
    // A demolition that ends within one frame still uncounts: in service is
    // what counts, not the completion alone.
    if (!counted && IsInService() && !IsDemolished()) {
        counted = true;
        numObservatories++;
    } else if (counted && !IsInService()) {
        counted = false;
        numObservatories--;
    }
}

bool CObservatory::PlacementCollision()
{
    return FootprintCollides(kObservatoryLook);
}
