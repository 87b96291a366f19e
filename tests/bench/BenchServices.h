// The services every benchmark of one run shares: a temporary working and
// user data folder, the event pump, a profile and the drawing context with
// the generated pictures and a renderer. Made on first use and kept for the
// whole run; the resource pack is found through PALMORA_RESOURCES or beside
// the build's binaries.
#pragma once

#include <memory>
#include <string>

class CDraw;
class CMap;

void EnsureBenchServices();

// What a benchmark left behind that the next would find: anything in the
// world's run-wide lists, a selection, a screen or an island still pointed
// at, or a drawing context other than the services' one (none before they
// are made). Empty when all is as a benchmark finds it; the bench's main
// checks it after each benchmark.
std::string LeftBehind();

// Empties the world's run-wide lists: every world object (the stock too),
// the obstructions, the work queues, the markers' records, ripples and
// flyaways, and what was selected. The services stay.
void ClearBenchWorld();

// Deletes an island and then clears the world, so that nothing the island
// put there (its trees, fish, birds and camp) is left for the next benchmark.
struct IslandRemover {
    void operator()(CMap* island) const;
};
using BenchIslandPtr = std::unique_ptr<CMap, IslandRemover>;

// Makes an island playable open grass from edge to edge, its view at the
// offset given: a camp for buildings and islanders with nothing in the way.
void LayOpenGrass(CMap& island, int offsetX, int offsetY);

// A new island object in an empty world.
BenchIslandPtr BenchNewIsland();
// The enlarged playable island of a seed, in an otherwise empty world.
BenchIslandPtr BenchIsland(unsigned int seed);

// Clears the world when it goes: for a benchmark that fills it without an
// island of its own.
struct BenchWorld {
    BenchWorld() = default;
    ~BenchWorld() { ClearBenchWorld(); }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;
};

// Holds the drawing context away for as long as it lives. The services come
// first, and the stock, which draws its piles when it is first made:
// whichever benchmark of the run happens to be the first, the context held
// away is theirs. With the context back, the world is cleared of what was
// made without it, the stock with it.
struct BenchNoSprites {
    BenchNoSprites();
    ~BenchNoSprites();
    CDraw* draw;
};
