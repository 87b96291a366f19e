// The seeds of the first islands a new profile is offered, in the order the
// island chooser draws them from.
#pragma once

constexpr int FIXED_ISLAND_SEEDS = 25;

constexpr unsigned int kFixedIslandSeeds[FIXED_ISLAND_SEEDS] = {
    2271781955u, 2777972006u, 3063328932u, 2730881905u, 3296847005u, 2603340748u, 2255222678u,
    2161819182u, 1459101278u, 2898768674u, 3916633322u, 1200840911u, 3238495987u, 940172173u,
    3616374570u, 3420147312u, 1850801667u, 144691946u,  53244126u,   3476443426u, 1670293853u,
    3241763737u, 3520315611u, 1164210348u, 2216424156u,
};
