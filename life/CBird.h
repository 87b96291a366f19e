// Stand-in for the land birds until they are built: the call the island
// makes after a playable island is made.
#pragma once

class CBird {
public:
    // (Re)creates the island's land birds at fresh places.
    static void LoadBirds();
};
