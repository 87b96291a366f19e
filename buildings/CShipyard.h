// The shipyard: where the band builds the ship that takes it to a new
// island. The build menu offers the ship once one stands finished.
#pragma once

class CShipyard {
public:
    // Shipyards that are complete and not coming down.
    static int numBuilt;
};
