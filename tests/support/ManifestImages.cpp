#include "ManifestImages.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> ManifestFiles(const std::string& folder)
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            const std::string suffix = ".manifest";
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                files.push_back(folder + "/" + name);
            }
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> ExpandRange(const std::string& name)
{
    const size_t open = name.find('{');
    const size_t dots = name.find("..", open);
    const size_t close = name.find('}', open);
    if (open == std::string::npos || dots == std::string::npos || close == std::string::npos) {
        return {name};
    }
    const int first = std::stoi(name.substr(open + 1, dots - open - 1));
    const int last = std::stoi(name.substr(dots + 2, close - dots - 2));
    std::vector<std::string> names;
    const int step = first <= last ? 1 : -1;
    for (int i = first;; i += step) {
        names.push_back(name.substr(0, open) + std::to_string(i) + name.substr(close + 1));
        if (i == last) {
            break;
        }
    }
    return names;
}

}  // namespace

std::vector<manifest_image> ReadManifestImages(const std::string& folder)
{
    std::vector<manifest_image> images;
    for (const std::string& file : ManifestFiles(folder)) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string directive, name;
            int w = 0, h = 0;
            if (!(words >> directive) || directive != "image" || !(words >> name >> w >> h)) {
                continue;
            }
            for (const std::string& expanded : ExpandRange(name)) {
                images.push_back({expanded, w, h});
            }
        }
    }
    return images;
}
