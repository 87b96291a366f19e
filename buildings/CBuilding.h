// Stand-in for the buildings until they are built: a building's variant,
// construction stage and place, the list of every building, the picture
// names by variant and stage, the shared placement ghosts that start-up
// prepares and the per-frame placement hook of the world pump. A building is
// a world object; its creator owns it.
#pragma once

#include "CObject.h"

#include <string>
#include <vector>

class CBuilding : public CObject {
public:
    // type: 1..13 (9 the fireplace); variant: the build menu's 0..22.
    CBuilding(int type, int variant);
    ~CBuilding() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    int GetVariant();
    // Construction stage 0..4, 4 complete.
    virtual int GetAnimationFrame();
    bool IsDemolished();
    // Completes construction at once.
    void FinishNow();

    static void InitSprites();
    static void DeleteSprites();
    // Shows the ghost of the variant being placed at the mouse.
    static void HandleBuildingPlacement();
    // The picture of a variant at construction stage 0..4.
    static std::string GetBuildingFilename(int variant, int stage);

    static std::vector<CBuilding*> buildings;

protected:
    int type;
    int variant;
    int stage;
};
