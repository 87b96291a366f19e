// The services every benchmark of one run shares: a temporary working and
// user data folder, the event pump, a profile and the drawing context with
// the generated pictures and a renderer. Made on first use and kept for the
// whole run; the resource pack is found through PALMORA_RESOURCES or beside
// the build's binaries.
#pragma once

#include <memory>

class CMap;

void EnsureBenchServices();

// The enlarged playable island of a seed, with nothing left over from an
// earlier benchmark's island.
std::unique_ptr<CMap> BenchIsland(unsigned int seed);
