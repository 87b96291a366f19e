#include "ManifestImages.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// NAME with one {A..B} range, counting up or down.
std::vector<std::string> ExpandRange(const std::string& name)
{
    const size_t open = name.find('{'), dots = name.find("..", open), close = name.find('}', open);
    if (open == std::string::npos || dots == std::string::npos || close == std::string::npos) {
        return {name};
    }
    const int first = std::stoi(name.substr(open + 1, dots - open - 1));
    const int last = std::stoi(name.substr(dots + 2, close - dots - 2));
    std::vector<std::string> names;
    for (int i = first;; i += first <= last ? 1 : -1) {
        names.push_back(name.substr(0, open) + std::to_string(i) + name.substr(close + 1));
        if (i == last) {
            return names;
        }
    }
}

}  // namespace

std::vector<manifest_image> ReadManifestImages(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(folder, missing)) {
        if (entry.path().extension() == ".manifest") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<manifest_image> images;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string directive, name;
            int w = 0, h = 0;
            if (words >> directive >> name >> w >> h && directive == "image") {
                for (const std::string& expanded : ExpandRange(name)) {
                    images.push_back({expanded, w, h});
                }
            }
        }
    }
    return images;
}
