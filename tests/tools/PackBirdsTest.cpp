// The land birds' colour layers reach the game in exactly the greys its
// recolouring replaces, so every bird shows its colour set and no grey speck.
#include "PackImages.h"
#include "PackManifest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

TEST(PackBirds, ColourLayersHoldOnlyTheGreyTheGameReplacesAndTheWingsBeat)
{
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    int layers = 0;
    std::set<std::vector<uint8_t>> flyingWings;
    for (const pack_entry_data& entry : manifest.entries) {
        const std::string& name = entry.name;
        if (entry.kind != PackKind::Image || name.rfind("bird_", 0) != 0) {
            continue;
        }
        layers++;
        const std::vector<uint8_t> rgba = DrawImage(name, entry.width, entry.height, NameStem(name), false);
        const bool line = name.find("_line") != std::string::npos;
        const int grey = name.find("body") != std::string::npos       ? 170
                         : name.find("headtail") != std::string::npos ? 85
                                                                      : 255;
        int shown = 0, stray = 0, layerGrey = 0;
        for (size_t i = 0; i < rgba.size(); i += 4) {
            if (rgba[i + 3] == 0) {
                continue;
            }
            shown++;
            const bool exact = rgba[i] == grey && rgba[i + 1] == grey && rgba[i + 2] == grey;
            stray += !exact || rgba[i + 3] != 255;
            layerGrey += rgba[i] == rgba[i + 1] && rgba[i + 1] == rgba[i + 2] &&
                         (rgba[i] == 170 || rgba[i] == 85 || rgba[i] == 255);
        }
        EXPECT_GT(shown, 8) << name;
        if (line) {
            EXPECT_EQ(layerGrey, 0) << name << ": the outline is laid on unchanged and must not look unpainted";
        } else {
            EXPECT_EQ(stray, 0) << name << ": every shown pixel must be grey " << grey << ", fully opaque";
        }
        if (!line && name.find("_color_wings_") != std::string::npos && name.find("bird_right_") == 0) {
            flyingWings.insert(rgba);
        }
    }
    EXPECT_GT(layers, 90);
    EXPECT_GE(flyingWings.size(), 5u) << "the flying wings move from frame to frame";
}
