// The trophy room's settings and medals as the room and the trophy pop-up
// place them: every medal hides its setting, no setting meets another or the
// text box, and every setting, medal and mystery badge is a picture of its
// own.
#include "PackImages.h"
#include "PackLettering.h"
#include "PackManifest.h"
#include "TrophyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// A picture of the manifest, drawn at its size and placed on the screen.
struct placed_picture {
    int x = 0, y = 0, w = 0, h = 0;
    std::vector<uint8_t> rgba;
    bool opaque = false;  // a JPEG covers its whole box

    int Alpha(int screenX, int screenY) const
    {
        const int px = screenX - x, py = screenY - y;
        if (px < 0 || py < 0 || px >= w || py >= h) {
            return 0;
        }
        return opaque ? 255 : rgba[(static_cast<size_t>(py) * w + px) * 4 + 3];
    }
};

class Keepsakes : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        manifest = new pack_manifest_data;
        ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", *manifest, error)) << error;
    }
    static void TearDownTestSuite()
    {
        delete manifest;
        manifest = nullptr;
    }

    static placed_picture Place(const std::string& name, int x, int y)
    {
        placed_picture picture;
        picture.x = x;
        picture.y = y;
        for (const pack_entry_data& entry : manifest->entries) {
            if (entry.kind == PackKind::Image && entry.name == name) {
                picture.w = entry.width;
                picture.h = entry.height;
                picture.opaque = entry.picture == PictureType::Jpg;
                picture.rgba = DrawImage(name, entry.width, entry.height, entry.label, picture.opaque);
            }
        }
        EXPECT_GT(picture.w, 0) << name << " is in the manifest";
        return picture;
    }

    static placed_picture Disc(int trophy, int x, int y)
    {
        return Place(std::string("trophies_disc") + kTrophyLooks[trophy].disc + "_base.png", x, y);
    }
    static placed_picture Medal(int trophy, int x, int y)
    {
        return Place(std::string("trophies_tr_") + kTrophyLooks[trophy].name + ".png", x, y);
    }

    static pack_manifest_data* manifest;
};

pack_manifest_data* Keepsakes::manifest = nullptr;

// The pop-up sets its one disc here; its medals stand where the table says.
constexpr int kPopUpDiscX = 355, kPopUpDiscY = 201;

TEST_F(Keepsakes, EveryMedalHidesItsSettingInTheRoomAndOnThePopUp)
{
    for (int trophy = 0; trophy < kTrophyCount; trophy++) {
        SCOPED_TRACE(kTrophyLooks[trophy].name);
        const trophy_data& look = kTrophyLooks[trophy];
        struct screen_place {
            coordinate disc, medal;
        };
        for (const screen_place& where : {screen_place{look.roomDisc, look.roomPicture},
                                          screen_place{{kPopUpDiscX, kPopUpDiscY}, look.popUpPicture}}) {
            const placed_picture disc = Disc(trophy, where.disc.x, where.disc.y);
            const placed_picture medal = Medal(trophy, where.medal.x, where.medal.y);
            int showing = 0, setting = 0;
            for (int y = disc.y; y < disc.y + disc.h; y++) {
                for (int x = disc.x; x < disc.x + disc.w; x++) {
                    if (disc.Alpha(x, y) > 0) {
                        setting++;
                        showing += medal.Alpha(x, y) < 255;
                    }
                }
            }
            EXPECT_GT(setting, 1000);
            EXPECT_EQ(showing, 0) << "pixels of the setting show round the medal at " << where.medal.x << ", "
                                  << where.medal.y;
        }
    }
}

TEST_F(Keepsakes, SettingsMeetNeitherEachOtherNorTheTextBox)
{
    std::vector<placed_picture> discs;
    for (int trophy = 0; trophy < kTrophyCount; trophy++) {
        discs.push_back(Disc(trophy, kTrophyLooks[trophy].roomDisc.x, kTrophyLooks[trophy].roomDisc.y));
    }
    const placed_picture boxes[3] = {Place("trophies_boxA.png", 181, 10), Place("trophies_boxB.jpg", 278, 17),
                                     Place("trophies_boxC.jpg", 196, 50)};
    // Two pixels of cabinet at least between any two of them, so that a
    // setting never seems to touch its neighbour. Each screen pixel records
    // what covers it: -2 a text box, a trophy's index, or -1 nothing.
    constexpr int kGap = 2, kScreenW = 800, kScreenH = 600;
    std::vector<int> owner(kScreenW * kScreenH, -1);
    for (const placed_picture& box : boxes) {
        for (int y = box.y; y < box.y + box.h; y++) {
            for (int x = box.x; x < box.x + box.w; x++) {
                if (box.Alpha(x, y) > 0) {
                    owner[y * kScreenW + x] = -2;
                }
            }
        }
    }
    for (int trophy = 0; trophy < kTrophyCount; trophy++) {
        const placed_picture& disc = discs[trophy];
        for (int y = disc.y; y < disc.y + disc.h; y++) {
            for (int x = disc.x; x < disc.x + disc.w; x++) {
                if (disc.Alpha(x, y) == 0) {
                    continue;
                }
                ASSERT_TRUE(x >= 0 && y >= 0 && x < kScreenW && y < kScreenH) << kTrophyLooks[trophy].name;
                for (int near = 0; near < (2 * kGap + 1) * (2 * kGap + 1); near++) {
                    const int nx = x + near % (2 * kGap + 1) - kGap, ny = y + near / (2 * kGap + 1) - kGap;
                    if (nx < 0 || ny < 0 || nx >= kScreenW || ny >= kScreenH) {
                        continue;
                    }
                    const int other = owner[ny * kScreenW + nx];
                    ASSERT_TRUE(other == -1 || other == trophy)
                        << kTrophyLooks[trophy].name << " meets "
                        << (other == -2 ? std::string("the text box") : kTrophyLooks[other].name) << " at " << x << ", "
                        << y;
                }
                owner[y * kScreenW + x] = trophy;
            }
        }
    }
}

TEST_F(Keepsakes, EverySettingMedalAndMysteryBadgeIsItsOwn)
{
    std::set<std::vector<uint8_t>> settings;
    for (char letter = 'A'; letter <= 'F'; letter++) {
        const placed_picture disc = Place(std::string("trophies_disc") + letter + "_base.png", 0, 0);
        settings.insert(disc.rgba);
        int left = disc.w, right = -1, top = disc.h, bottom = -1;
        for (int y = 0; y < disc.h; y++) {
            for (int x = 0; x < disc.w; x++) {
                if (disc.Alpha(x, y) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_LE(right - left + 1, 100) << letter;
        EXPECT_LE(bottom - top + 1, 100) << letter;
    }
    EXPECT_EQ(settings.size(), 6u);

    std::set<std::vector<uint8_t>> medals;
    for (int trophy = 0; trophy < kTrophyCount; trophy++) {
        medals.insert(Medal(trophy, 0, 0).rgba);
    }
    EXPECT_EQ(medals.size(), static_cast<size_t>(kTrophyCount));

    // The map names its badges by word, the chooser by number; each set
    // shows eight different mysteries.
    std::set<std::vector<uint8_t>> mapBadges, chooserBadges;
    for (const char* word : {"fossil", "lava", "stump", "fountain", "stardust", "drybush", "flowers", "moondust"}) {
        mapBadges.insert(Place(std::string("map_myst_") + word + ".png", 0, 0).rgba);
    }
    for (int mystery = 0; mystery < 8; mystery++) {
        chooserBadges.insert(Place("mysterious_islandselect_" + std::to_string(mystery) + ".png", 0, 0).rgba);
    }
    EXPECT_EQ(mapBadges.size(), 8u);
    EXPECT_EQ(chooserBadges.size(), 8u);
}

TEST_F(Keepsakes, TheMapsTrophyButtonShowsAGoldCupOnEveryFace)
{
    for (const char* face : {"map_button_trophy_base.png", "map_button_trophy_roll1.png", "map_button_trophy_roll5.png"}) {
        const placed_picture button = Place(face, 0, 0);
        int gold = 0;
        for (size_t i = 0; i < button.rgba.size(); i += 4) {
            const uint8_t* p = &button.rgba[i];
            gold += p[3] == 255 && p[0] > 180 && p[1] > 130 && p[2] < 110 && p[0] > p[2] + 100;
        }
        EXPECT_GT(gold, button.w * button.h / 16) << face;
    }
}

TEST_F(Keepsakes, TheChoosersIslandNameStandsOnADarkPlate)
{
    // The name's line: white, ending at the island picture's lower edge
    // (y 509), centred in its box at x 430-630; the frame piece stands at
    // 286, 25. Under every pixel a name can reach, the plate must be dark
    // enough for white text to read at 4.5:1 or better.
    const placed_picture overlay = Place("islandselector_mainA.png", 286, 25);
    for (int y = 495; y < 509; y++) {
        for (int x = 462; x < 598; x++) {
            const uint8_t* p = &overlay.rgba[(static_cast<size_t>(y - 25) * overlay.w + x - 286) * 4];
            ASSERT_EQ(p[3], 255) << x << ", " << y;
            auto linear = [](uint8_t c) {
                const double v = c / 255.0;
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            const double luminance = 0.2126 * linear(p[0]) + 0.7152 * linear(p[1]) + 0.0722 * linear(p[2]);
            ASSERT_GE(1.05 / (luminance + 0.05), 4.5) << x << ", " << y;
        }
    }
    // Above the plate the island shows through.
    EXPECT_EQ(overlay.Alpha(530, 300), 0);
}

TEST(Lettering, ANameFittedToARibbonStaysWithinItAndCentred)
{
    for (const char* name : {"50", "Voyager", "Full Moon", "Atoll of Pearlstrand"}) {
        SCOPED_TRACE(name);
        const float size = FitLettering(name, 60, 14);
        EXPECT_LE(LetteringWidth(name, size), 60.0f);
        EXPECT_LE(size, 14.0f);
        CPictureCanvas canvas(100, 40);
        PaintLettering(canvas, name, {50, 20}, size, Rgb(0, 0, 0));
        int left = 100, right = -1, ink = 0;
        for (int y = 0; y < 40; y++) {
            for (int x = 0; x < 100; x++) {
                if (canvas.AlphaAt(x, y) > 0.5f) {
                    ink++;
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_GT(ink, 10);
        EXPECT_GE(left, 20 - 1);
        EXPECT_LE(right, 80 + 1);
        EXPECT_LE(std::abs((left + right) / 2 - 50), 2);
    }
    EXPECT_LT(LetteringWidth("Voyager", 10), LetteringWidth("Voyager", 14));
}

}  // namespace
