// The picture sizes the resource manifest declares (the `image NAME W H` lines
// of tools/manifest/*.manifest, with NAME's {A..B} range expanded), so that
// tests size their pictures exactly as the generated resources will.
#pragma once

#include <string>
#include <vector>

struct manifest_image {
    std::string name;
    int w, h;
};

// Every image line of every manifest in folder, in file-name order.
std::vector<manifest_image> ReadManifestImages(const std::string& folder);
