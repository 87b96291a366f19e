// The vegetable garden: a flat patch of 25 plots drawn under everything else,
// complete the moment it is put down. Islanders plant it point by point (a
// seedling shows every 36 points); once fully planted it grows a point a
// frame, its plots ripen in three steps and wilt from growth 5000, harvested
// or rotted plots vanish, and when all 25 are gone it waits to be planted
// again. Stardust and potions 2 and 27 make it ripe at once.
//
// The world registry owns a garden; farms lists every live one in creation
// order for the islanders' searches.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CFarm : public CBuildingKind {
public:
    static constexpr int PLOTS = 25;
    static constexpr int PLANTED = 900;
    static constexpr int FULL_GROWTH = 7000;

    // At the placement point (x, y), world pixels.
    CFarm(int x, int y);
    // A saved garden; values out of range are clamped and logged.
    explicit CFarm(const building_data& saved);
    ~CFarm() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    int DroppedOn() override;
    bool AcceptStardust() override;
    // Moondust does nothing to a garden and is not spent.
    bool AcceptMoondust() override;
    bool AcceptPotion(int potion) override;
    selection_result GetSelectedTopDetail() override;
    void AddObstructions(bool complete) override;
    int GetStandLocation(int& x, int& y, int& dir) override;

    // Planting points + n, at most 900; seedlings show to match.
    void AddPoints(int n);
    // One frame of growth: ripening, wilting, rot and the reset.
    void Grow();
    bool IsGrowing();
    bool ReadyForHarvest();
    // Plot 0..24 is shown and ripe or wilted: it can be harvested.
    bool IsRipe(int plot);
    // A harvestable plot and the bottom centre of its vegetable in world
    // pixels; -1 with x = y = -1 when 50 random picks find none.
    int GetVegetableCoords(int& x, int& y);
    // Nothing for -1 or a plot already gone.
    void RemoveVegetable(int plot);
    // The carried-item code of the plot's vegetable: 3, 4 or 5.
    int GetVeggieType(int plot);

    int GetPlantingPoints() const { return record.kindValues[0]; }
    int GetGrowth() const { return record.kindValues[1]; }
    int GetRemoved() const { return record.kindValues[2]; }
    // The plot's stage 0..4 (seedling to wilted) and whether it shows.
    int GetPlotFrame(int plot) const { return frames[plot]; }
    bool IsPlotShown(int plot) const;

    // A garden to tend and a point beside it, or null.
    static CFarm* FindWorkCoords(int& x, int& y, int& dir, bool underMouse);
    // A garden, a harvestable plot and the point to stand at, or null.
    static CFarm* FindHarvestCoords(int& x, int& y, int& plot, bool underMouse);
    static bool PlacementCollision();

    static std::vector<CFarm*> farms;

private:
    // The garden's own pictures, plots and list entry, after the kind's.
    void InitGarden();
    void ShowPlotsFor(int visible);
    int VisiblePlots() const;
    void SetPlotFrame(int plot, int frame);
    void MovePlots(int offsetX, int offsetY);

    CSprite* vegetables[PLOTS];  // owned
    coordinate plotOffsets[PLOTS];
    int kinds[PLOTS];
    int frames[PLOTS];
    int frameSum;
    int wilted;
};
