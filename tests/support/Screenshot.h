// Pictures of the screen for a person to look at: PNG files in the build
// folder's screenshots/ (beside the generated resource folder), and a plain
// RGB picture to compare screens pixel by pixel.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct rgb_picture {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;  // 3 bytes a pixel, rows top to bottom

    // Pixels whose colour differs; pictures of other sizes differ everywhere.
    int CountDifferences(const rgb_picture& other) const;
};

rgb_picture PictureOf(SDL_Surface* surface);
// <build>/screenshots/name, the folder made when missing.
std::string ScreenshotPath(const std::string& name);
bool SavePng(const rgb_picture& picture, const std::string& path);
// Draws every sprite again over the whole screen, presents it and saves it.
bool SaveRedrawnScreen(const std::string& path);

// Runs draw in a child process whose SDL video opens a real window on an X
// server of the test's own (TestXServer). draw is given <build>/screenshots/name to save
// what it shows, and returns how many of the things it expected to see were
// missing; the calling test fails unless that is 0. Without an X server the
// child draws under the dummy video driver instead. Every picture draw saves
// with SavePng has its screen's layout checked (LayoutCheck.h) as it is
// saved, and each problem counts as a missing thing.
void ScreenshotOnX(const std::string& name, const std::function<int(const std::string& path)>& draw);
