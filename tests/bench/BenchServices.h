// The services every benchmark of one run shares: a temporary working and
// user data folder, the event pump, a profile and the drawing context with
// the generated pictures and a renderer. Made on first use and kept for the
// whole run; the resource pack is found through PALMORA_RESOURCES or beside
// the build's binaries.
#pragma once

#include <memory>

class CDraw;
class CMap;

void EnsureBenchServices();

// The enlarged playable island of a seed, with nothing left over from an
// earlier benchmark's island.
std::unique_ptr<CMap> BenchIsland(unsigned int seed);

// Holds the drawing context away for as long as it lives. The services come
// first, and the stock, which draws its piles when it is first made:
// whichever benchmark of the run happens to be the first, the context held
// away is theirs.
struct BenchNoSprites {
    BenchNoSprites();
    ~BenchNoSprites();
    CDraw* draw;
};
