// What the two wonders share: a great monument that stands only on open
// grass and, once finished, lets 30 heaps of its dust fall on the island one
// after the other without raising the observatory's alert. The shower state
// is saved, so each wonder showers once. CWonderA and CWonderB give the
// numbers and the kind of dust.
#pragma once

#include "CBuildingKind.h"

class CWonder : public CBuildingKind {
public:
    void Pump(int offsetX, int offsetY, int steps) override;
    // The demolition question goes to the building; any other answer starts
    // the shower of a wonder that has not showered yet.
    void GiveResponse(bool yes) override;

    static constexpr int SHOWER_HEAPS = 30;
    static constexpr int SHOWER_STARTED = 2;

    int showerCount;  // heaps still to fall
    int showerTimer;  // frames until the next one

protected:
    CWonder(const building_look& look, bool stardust, int type, int x, int y);
    CWonder(const building_look& look, bool stardust, const building_data& saved);

    // Whether the ghost of the wonder being placed is blocked: its footprint,
    // then five points from the mouse that must lie on grass without sand.
    static bool PlacementBlocked(const building_look& look);

private:
    void StartShower();
    int& ShowerState() { return record.kindValues[1]; }

    bool stardust;
};
