// The ending's sailing picture shows the band in its ship: each figure stands
// over the hull, which hides its legs, and none over the open sea by the ship.
#include "PackImages.h"
#include "PackManifest.h"
#include "PackPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

int Channel(uint32_t colour, int shift)
{
    return static_cast<int>(colour >> shift & 0xff);
}

// The sea of that row, or a sparkle on it: the same colour lightened
// evenly towards white.
bool IsSea(uint32_t colour, uint32_t sea)
{
    float lift = -1.0f;
    for (int shift : {16, 8, 0}) {
        const int c = Channel(colour, shift), s = Channel(sea, shift);
        if (c < s - 2) {
            return false;
        }
        const float k = s > 250 ? 0.0f : static_cast<float>(c - s) / static_cast<float>(255 - s);
        if (lift >= 0.0f && std::abs(k - lift) > 0.05f) {
            return false;
        }
        lift = std::max(lift, k);
    }
    return lift <= 0.3f;
}

uint32_t MostCommon(const std::map<uint32_t, int>& counts)
{
    return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
}

}  // namespace

TEST(PackEnding, TheSailingBandStandsInItsShipOverTheHullAndNoneOverTheSea)
{
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    const auto entry = std::find_if(manifest.entries.begin(), manifest.entries.end(),
                                    [](const pack_entry_data& e) { return e.name == "endstory_main_B.jpg"; });
    ASSERT_NE(entry, manifest.entries.end());
    const int w = entry->width, h = entry->height;
    const pack_picture picture{w, h, DrawImage(entry->name, w, h, entry->label, true)};
    // The ship as the ending lays it.
    const int shipW = 140, shipH = 110;
    const pack_picture ship{shipW, shipH, DrawImage("boat_right0.png", shipW, shipH, ".", false)};

    // Its hull is its commonest colour.
    std::map<uint32_t, int> shipColours;
    for (int y = 0; y < shipH; y++) {
        for (int x = 0; x < shipW; x++) {
            shipColours[ship.Colour(x, y)] += ship.At(x, y)[3] == 255;
        }
    }
    const uint32_t hull = MostCommon(shipColours);
    std::vector<int> hullTop(shipW, shipH);
    std::vector<std::pair<int, int>> hullPixels;
    int hullBottom = 0;
    for (int y = 0; y < shipH; y++) {
        for (int x = 0; x < shipW; x++) {
            if (ship.Colour(x, y) == hull && ship.At(x, y)[3] == 255) {
                hullTop[x] = std::min(hullTop[x], y);
                hullBottom = y;
                hullPixels.emplace_back(x, y);
            }
        }
    }
    // The ship lies where its keel's last pixel falls on the picture's last
    // pixel of that colour, and its hull shows there, but for a few pixels a
    // figure may cover at the gunwale.
    int ox = 0, oy = 0;
    for (int i = w * h - 1; i >= 0; i--) {
        if (picture.Colour(i % w, i / w) == hull) {
            ox = i % w - hullPixels.back().first;
            oy = i / w - hullPixels.back().second;
            break;
        }
    }
    size_t hidden = 0;
    for (const auto& [x, y] : hullPixels) {
        const int at = x + ox, row = y + oy;
        hidden += at < 0 || at >= w || row < 0 || row >= h || picture.Colour(at, row) != hull;
    }
    ASSERT_LT(hidden * 50, hullPixels.size()) << "the ship's hull shows";

    // The open sea beyond the bow gives each row its colour; the horizon is
    // where it changes most.
    const int stripFrom = ox + shipW + 2;
    ASSERT_LT(stripFrom + 20, w);
    std::vector<uint32_t> background(h);
    for (int y = 0; y < h; y++) {
        std::map<uint32_t, int> counts;
        for (int x = stripFrom; x < w; x++) {
            counts[picture.Colour(x, y)]++;
        }
        background[y] = MostCommon(counts);
    }
    int horizon = 1, jump = -1;
    for (int y = 1; y < oy + hullBottom; y++) {
        int change = 0;
        for (int shift : {16, 8, 0}) {
            change += std::abs(Channel(background[y], shift) - Channel(background[y - 1], shift));
        }
        if (change > jump) {
            jump = change;
            horizon = y;
        }
    }

    // A figure's pixel is neither the ship as painted nor the sea behind it
    // (a ship pixel only partly covering is left out). Below the horizon
    // every one stands over the hull, above its top: a column beside the
    // hull, or a pixel beside its slanting ends, stands over the sea.
    auto isFigure = [&](int x, int y) {
        const int cx = x - ox, cy = y - oy;
        if (cx >= 0 && cx < shipW && cy >= 0 && cy < shipH && ship.At(cx, cy)[3] > 0) {
            return ship.At(cx, cy)[3] == 255 && picture.Colour(x, y) != ship.Colour(cx, cy);
        }
        return !IsSea(picture.Colour(x, y), background[y]);
    };
    int figurePixels = 0, overSea = 0, firstX = -1, firstY = -1;
    for (int x = std::max(0, ox - 30); x < std::min(w, ox + shipW + 30); x++) {
        const int cx = x - ox;
        const int top = cx >= 0 && cx < shipW && hullTop[cx] < shipH ? hullTop[cx] + oy : -1;
        for (int y = horizon; y <= oy + hullBottom; y++) {
            if (!isFigure(x, y)) {
                continue;
            }
            figurePixels++;
            if (y >= top) {
                overSea++;
                if (firstX < 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    EXPECT_EQ(overSea, 0) << "a figure stands over the sea, the first pixel at (" << firstX << ", " << firstY << ")";
    EXPECT_GT(figurePixels, 7 * 100) << "the band of seven is aboard, above the gunwale";
}
