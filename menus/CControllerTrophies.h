// Stand-in for the trophy room until it is built: completing a trophy, kept
// as bits of the active profile.
#pragma once

class CControllerTrophies {
public:
    // Sets the bits of mask in the trophy word when any of them is missing.
    static void CompleteTrophy(int mask);
};
