// Stand-in for the garden until its own class is built: a stand-in building
// that islanders hoe until it is planted; then its 25 plots grow together,
// ripen and are harvested one by one.
#pragma once

#include "CStandInBuilding.h"

#include <vector>

class CFarm : public CStandInBuilding {
public:
    CFarm(int variant, int x, int y);
    explicit CFarm(const building_data& saved);
    ~CFarm() override;

    // Planting points + n, at most 900.
    void AddPoints(int n);
    // One tick of growth once planted.
    void Grow();
    bool IsGrowing();
    bool ReadyForHarvest();
    // Whether plot 0..24 is ripe now; it may have been harvested since an
    // islander set out for it.
    bool IsRipe(int plot);
    // The carried-item code of the plot's vegetable, 3..5.
    int GetVeggieType(int plot);
    void RemoveVegetable(int plot);
    // A ripe plot's index and its place, or -1 (and -1, -1) when none.
    int GetVegetableCoords(int& x, int& y);
    // A garden still being planted and a point beside it, or null.
    static CFarm* FindWorkCoords(int& x, int& y, int& dir, bool underMouse);
    // A garden with a ripe plot and the point by it, or null.
    static CFarm* FindHarvestCoords(int& x, int& y, int& plot, bool underMouse);

    static std::vector<CFarm*> farms;

private:
    int points = 0;
    int growth = 0;
    bool harvested[25] = {};
};
