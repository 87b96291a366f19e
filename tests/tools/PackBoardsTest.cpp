// A screen that sets its panel in pieces shows one board: where a piece
// lies over another piece of its screen, at the places the screen sets them,
// the two draw the same pixels, so no seam shows between them.
#include "PackImages.h"
#include "PackManifest.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct placed_piece {
    const char* name;
    int x, y;  // where the screen sets it
};

// Pairs of pieces of one screen, the lower first, at the places their
// screens give them.
const placed_piece kPairs[][2] = {
    {{"sidebar_mainA.png", 605, 0}, {"sidebar_mainB.jpg", 621, 76}},
    {{"sidebar_mainA.png", 605, 0}, {"sidebar_mainC.jpg", 644, 0}},
    {{"dialog_main_A_A.png", 232, 135}, {"dialog_main_A_B.jpg", 243, 147}},
    {{"dialog_main_B_A.png", 197, 98}, {"dialog_main_B_B.jpg", 210, 112}},
    {{"buildGUI_mainA.png", 118, 66}, {"buildGUI_mainB.jpg", 142, 102}},
    {{"buildGUI_mainA.png", 118, 66}, {"buildGUI_mainD.jpg", 456, 480}},
    {{"personGUI_mainA.png", 115, 28}, {"personGUI_mainC.jpg", 180, 53}},
    {{"personGUI_mainA.png", 115, 28}, {"personGUI_mainH.jpg", 138, 482}},
    {{"crateGUI_main_A.png", 175, 83}, {"crateGUI_blank.jpg", 368, 200}},
    {{"credits_mainA.png", 119, 58}, {"credits_mainB.jpg", 144, 84}},
    {{"profile_mainA.png", 230, 106}, {"profile_mainB.jpg", 241, 132}},
    {{"trophy_unlocked_main_A.png", 198, 45}, {"trophy_unlocked_main_B.jpg", 261, 53}},
    {{"clothtarr_main_A.png", 100, 295}, {"clothtarr_main_C.jpg", 107, 362}},
    // The loading screen's last logo frame, left on the screen over its
    // picture.
    {{"loadingscreen_main.dat", 0, 0}, {"loadingscreen_logo_37.dat", 160, 77}},
};

std::map<std::string, pack_entry_data> ManifestEntries()
{
    pack_manifest_data manifest;
    std::string error;
    EXPECT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    std::map<std::string, pack_entry_data> entries;
    for (const pack_entry_data& entry : manifest.entries) {
        entries[entry.name] = entry;
    }
    return entries;
}

}  // namespace

TEST(PackBoards, AScreensPiecesDrawTheSamePixelsWhereTheyLieOverEachOther)
{
    const std::map<std::string, pack_entry_data> entries = ManifestEntries();
    for (const auto& pair : kPairs) {
        std::vector<uint8_t> pictures[2];
        int w[2], h[2];
        for (int i = 0; i < 2; i++) {
            ASSERT_EQ(entries.count(pair[i].name), 1u) << pair[i].name;
            const pack_entry_data& entry = entries.at(pair[i].name);
            w[i] = entry.width;
            h[i] = entry.height;
            pictures[i] = DrawImage(entry.name, w[i], h[i], entry.label, entry.picture == PictureType::Jpg);
        }
        int compared = 0, differing = 0;
        for (int y = 0; y < h[1]; y++) {
            for (int x = 0; x < w[1]; x++) {
                const int lx = x + pair[1].x - pair[0].x, ly = y + pair[1].y - pair[0].y;
                if (lx < 0 || ly < 0 || lx >= w[0] || ly >= h[0]) {
                    continue;
                }
                const uint8_t* low = &pictures[0][(static_cast<size_t>(ly) * w[0] + lx) * 4];
                const uint8_t* high = &pictures[1][(static_cast<size_t>(y) * w[1] + x) * 4];
                if (low[3] < 255) {
                    continue;
                }
                compared++;
                differing += low[0] != high[0] || low[1] != high[1] || low[2] != high[2];
            }
        }
        EXPECT_GT(compared, 100) << pair[0].name << " and " << pair[1].name << " overlap";
        EXPECT_EQ(differing, 0) << pair[1].name << " over " << pair[0].name;
    }
}
