// Pictures that tell something show their own scene: each instruction page's
// picture differs from every other, the story's storm is dark where the
// landing is bright, and the emblem is drawn in over its frames.
#include "PackImages.h"
#include "PackManifest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Mean brightness 0..255 over the opaque pixels.
float Brightness(const std::vector<uint8_t>& rgba)
{
    double sum = 0;
    int count = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        if (rgba[i + 3] > 127) {
            sum += (rgba[i] + rgba[i + 1] + rgba[i + 2]) / 3.0;
            count++;
        }
    }
    return count ? static_cast<float>(sum / count) : 0.0f;
}

}  // namespace

TEST(PackStories, EveryInstructionPictureShowsItsOwnSceneAndTheStormIsDark)
{
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    std::set<std::vector<uint8_t>> seen;
    int pages = 0;
    for (const pack_entry_data& entry : manifest.entries) {
        if (entry.name.rfind("instructions_pics_", 0) != 0) {
            continue;
        }
        pages++;
        const std::vector<uint8_t> rgba = DrawImage(entry.name, entry.width, entry.height, entry.label, true);
        EXPECT_TRUE(seen.insert(rgba).second) << entry.name << " (" << entry.label << ") repeats another picture";
    }
    EXPECT_GT(pages, 40);

    const float storm = Brightness(DrawImage("intro_panel3_20.jpg", 330, 320, "Storm", true));
    const float shore = Brightness(DrawImage("intro_panel4_20.jpg", 340, 320, "Shore", true));
    EXPECT_LT(storm + 60, shore);
    EXPECT_NE(DrawImage("intro_panel3_3.jpg", 330, 320, "Storm", true),
              DrawImage("intro_panel3_4.jpg", 330, 320, "Storm", true))
        << "the storm's frames move";

    const auto emblem = [](int frame) {
        return DrawImage("Brinemark_logo_main_" + std::to_string(frame) + ".png", 180, 180, "emblem", false);
    };
    EXPECT_NE(emblem(0), emblem(17));
    EXPECT_GT(Brightness(emblem(17)), 60.0f) << "the finished emblem is drawn, not blank";
}
