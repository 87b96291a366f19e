// Shared ground for the drawing-context tests: a temporary folder holding the
// loading bar, SDL video on the dummy driver with the 800x600 window of a
// fresh CDraw (no loading screen, frame lock off, so no test waits), and
// helpers that build small images and image archives and read pixels back as
// {r, g, b, a}.
#pragma once

#include "ArchiveBytes.h"
#include "CDraw.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using Rgba = std::array<int, 4>;

// Encoded picture files of w x h pixels, row by row.
std::string PngFile(int w, int h, const std::vector<Rgba>& pixels, bool alpha = true);
std::string TgaFile(int w, int h, const std::vector<Rgba>& pixels);
// Writes the image archive the store reads, entries in the given order.
void WriteImageArchive(const archive_entries& entries);

class DrawTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A store image in the display format, with or without an alpha channel.
    int MakeImage(int w, int h, const std::vector<Rgba>& pixels, bool alpha = true);
    int MakeFilled(int w, int h, Rgba colour, bool alpha = true);
    Rgba PixelAt(int id, int x, int y);
    Rgba ScreenPixel(int x, int y);
    std::vector<Rgba> AllPixels(int id);

    TempFolder folder;
    std::unique_ptr<CDraw> draw;
};
