// Stand-in for the graves until they are built: a grave's place and stone
// variant, and the list of every grave that the island paints on its
// preview and mini-map. The grave's creator owns it.
#pragma once

#include "CObject.h"

#include <vector>

class CTombstone : public CObject {
public:
    // Top-left at world (x, y); stone variant 0..5.
    CTombstone(int x, int y, int variant);
    ~CTombstone() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    int GetVariant();
    bool Hidden();

    static std::vector<CTombstone*> tombstones;

private:
    int variant;
    bool hidden;
};
