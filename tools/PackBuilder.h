// The resource-pack builder's top level: reads the manifest folder, checks it
// whole, then writes the resource folder the game reads (the three archives,
// strings.dat, the loose pictures, music/ and voice/). Owned by palmora-pack's
// main and by the tests, which build small packs in temporary folders.
#pragma once

#include <string>

// Builds outDir from manifestDir; on failure error says what and where (the
// manifest file and line for a bad line), and nothing is written when the
// manifest itself is at fault.
bool BuildPack(const std::string& manifestDir, const std::string& outDir, std::string& error);

// palmora-pack MANIFEST_DIR OUT_DIR: 0 on success, 1 with a message on
// standard error otherwise.
int RunPack(int argc, char** argv);
