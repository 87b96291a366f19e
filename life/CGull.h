// Stand-in for the gulls until they are built: the call the island makes
// after a playable island is made.
#pragma once

class CGull {
public:
    // (Re)creates the island's gulls at fresh places.
    static void LoadBirds();
};
