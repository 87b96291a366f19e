// The islander pictures in the generated pack: garment masks hold only the
// grey the game recolours, garments sit on their bodies, the animations
// move, faces look the way the head turns and smile or frown as named, and
// hair is drawn in the colour the detail screen names.
#include "ArchiveBytes.h"
#include "PackBuilder.h"
#include "PackImages.h"
#include "PackManifest.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <SDL.h>
#include <SDL_image.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct picture_data {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> rgba;

    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
    bool Opaque(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && At(x, y)[3] != 0; }
};

// Decoded as the game's image store does, the type from the name's end.
bool Decode(const std::string& bytes, const std::string& name, picture_data& picture)
{
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface(
        IMG_LoadTyped_RW(stream, 1, const_cast<char*>(name.substr(name.size() - 3).c_str())), SDL_FreeSurface);
    if (!surface) {
        return false;
    }
    picture.w = surface->w;
    picture.h = surface->h;
    picture.rgba.resize(static_cast<size_t>(picture.w) * picture.h * 4);
    SDL_LockSurface(surface.get());
    for (int y = 0; y < picture.h; y++) {
        for (int x = 0; x < picture.w; x++) {
            const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                             x * surface->format->BytesPerPixel;
            Uint32 value = 0;
            memcpy(&value, p, surface->format->BytesPerPixel);
            uint8_t* out = &picture.rgba[(static_cast<size_t>(y) * picture.w + x) * 4];
            SDL_GetRGBA(value, surface->format, &out[0], &out[1], &out[2], &out[3]);
        }
    }
    SDL_UnlockSurface(surface.get());
    return true;
}

std::string Name(const char* format, ...)
{
    char text[160];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

// The generated resource.dat, read once for the whole suite.
class PackIslanders : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char* folder = getenv("PALMORA_RESOURCES");
        for (auto& [name, bytes] : ArchiveEntries(ReadBytes(std::string(folder ? folder : PALMORA_RESOURCES_DIR) +
                                                            "/resource.dat"))) {
            archive->emplace(std::move(name), std::move(bytes));
        }
    }
    static void TearDownTestSuite() { archive->clear(); }

    static picture_data Picture(const std::string& name)
    {
        picture_data picture;
        auto found = archive->find(name);
        EXPECT_NE(found, archive->end()) << name << " is not in resource.dat";
        if (found != archive->end()) {
            EXPECT_TRUE(Decode(found->second, name, picture)) << name << ": " << IMG_GetError();
        }
        return picture;
    }

    static std::map<std::string, std::string>* archive;
};

std::map<std::string, std::string>* PackIslanders::archive = new std::map<std::string, std::string>;

}  // namespace

// The game paints the garment colour into exactly (85, 85, 85), keeping the
// alpha: a mask holds that grey, opaque and sheer, and nothing else but
// transparency; its line drawing only draws on the garment.
TEST_F(PackIslanders, GarmentMasksHoldOnlyTheGreyTheGameRecoloursWithTheirLinesOnThem)
{
    for (const char* pair : {"female_clothes2_walk_SE_%s_3.png", "male_pants2_hack_SW_%s_5.png"}) {
        const picture_data mask = Picture(Name(pair, "color"));
        const picture_data line = Picture(Name(pair, "line"));
        ASSERT_EQ(mask.w, line.w);
        ASSERT_EQ(mask.h, line.h);
        int opaque = 0, sheer = 0, stray = 0, outline = 0, offCloth = 0;
        for (int y = 0; y < mask.h; y++) {
            for (int x = 0; x < mask.w; x++) {
                const uint8_t* p = mask.At(x, y);
                if (p[3] != 0 && (p[0] != 85 || p[1] != 85 || p[2] != 85 || (p[3] != 255 && p[3] != 128))) {
                    stray++;
                }
                opaque += p[3] == 255;
                sheer += p[3] == 128;
                if (line.At(x, y)[3] == 255) {
                    outline++;
                    offCloth += p[3] == 0;
                }
            }
        }
        EXPECT_EQ(stray, 0) << pair;
        EXPECT_GT(opaque, 40) << pair;
        EXPECT_GT(sheer, 5) << pair << ": the sheer part";
        EXPECT_GT(outline, 20) << pair;
        EXPECT_EQ(offCloth, 0) << pair;
    }
}

// Worn at the game's offsets (stand garments on the body, a man's walking
// top at (4, 4) and trousers at (3, 18) facing SE, a man's hacking shirt at
// (17, 8) facing SE), the cloth lies on the body, not beside it.
TEST_F(PackIslanders, GarmentsAtTheirOffsetsLieOnTheirBodies)
{
    struct {
        const char* body;
        const char* garment;
        int dx, dy;
    } cases[] = {
        {"female_stand_skin0_SW.png", "female_clothes0_stand_SW_color.png", 0, 0},
        {"male_walk_skin3_SE_2.png", "male_clothes0_walk_SE_color_2.png", 4, 4},
        {"male_walk_skin3_SE_7.png", "male_pants0_walk_SE_color_7.png", 3, 18},
        {"male_hack_skin1_SE_4.png", "male_clothes0_hack_SE_color_4.png", 17, 8},
    };
    for (const auto& c : cases) {
        const picture_data body = Picture(c.body);
        const picture_data garment = Picture(c.garment);
        int cloth = 0, onBody = 0;
        for (int y = 0; y < garment.h; y++) {
            for (int x = 0; x < garment.w; x++) {
                if (garment.At(x, y)[3] != 0) {
                    cloth++;
                    onBody += body.Opaque(x + c.dx, y + c.dy);
                }
            }
        }
        EXPECT_GT(cloth, 60) << c.garment;
        EXPECT_GT(onBody * 100, cloth * 85) << c.garment << " on " << c.body;
    }
}

// A walk is ten different pictures that come back to the first; a man's
// ninth working frame repeats his first, tools included, so the garments'
// eight frames stay in step.
TEST_F(PackIslanders, AnimationFramesMoveAndAManRepeatsHisFirstWorkingFrame)
{
    auto differing = [](const picture_data& a, const picture_data& b) {
        int count = 0;
        for (size_t i = 0; i < a.rgba.size() && a.rgba.size() == b.rgba.size(); i++) {
            count += a.rgba[i] != b.rgba[i];
        }
        return count;
    };
    for (const char* walk : {"male_walk_skin0_SE_%i.png", "female_carry_skin2_NW_%i.png", "boy_walk_SW_skin1_%i.png"}) {
        std::vector<picture_data> frames;
        for (int f = 0; f < 10; f++) {
            frames.push_back(Picture(Name(walk, f)));
        }
        for (int f = 0; f < 10; f++) {
            EXPECT_GT(differing(frames[f], frames[(f + 1) % 10]), 8) << Name(walk, f);
        }
        EXPECT_GT(differing(frames[0], frames[5]), 60) << walk << ": half a stride apart";
    }
    for (const char* work : {"male_hack_skin0_SW_%i.png", "male_hoe_skin3_SE_%i.png", "male_hack_axeSE_%i.png"}) {
        EXPECT_EQ(Picture(Name(work, 8)).rgba, Picture(Name(work, 0)).rgba) << work;
        EXPECT_GT(differing(Picture(Name(work, 0)), Picture(Name(work, 3))), 60) << work;
    }
}

// The figures directive: groups expand to every combination; a name the
// painter cannot draw, a number out of range or a size too small for the
// drawing stops the build at its line; the same manifest draws the same
// bytes.
TEST(PackFigures, TheDirectiveExpandsChecksAndDrawsTheSameEveryTime)
{
    std::vector<pack_entry_data> entries;
    std::string error;
    ASSERT_TRUE(ParseManifestLine("figures {male,female}_head_skin{0..3}_{4,9}.png 20 22", "a:1", ".", entries,
                                  error))
        << error;
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries.front().name, "male_head_skin0_4.png");
    EXPECT_EQ(entries.back().name, "female_head_skin3_9.png");
    EXPECT_TRUE(entries.front().figure);

    struct {
        const char* line;
        const char* message;
    } refusals[] = {
        {"figures male_hat_0.png 20 22", "a:2: 'male_hat_0.png' is no islander picture"},
        {"figures male_head_skin4_0.png 20 22", "skin 4 is outside 0..3"},
        {"figures female_hack_skin0_SE_8.png 60 60", "frame 8 is outside 0..7"},
        {"figures male_walk_skin0_NE_{0..9.png 40 60", "unmatched"},
        {"figures male_stand_skin0_{SE}.png 40 60", "two or more choices"},
        {"figures male_stand_skin0_SE.png 40", "width and height"},
    };
    for (const auto& refusal : refusals) {
        entries.clear();
        EXPECT_FALSE(ParseManifestLine(refusal.line, "a:2", ".", entries, error)) << refusal.line;
        EXPECT_NE(error.find(refusal.message), std::string::npos) << error;
    }

    TempFolder folder;
    fs::create_directories(folder.File("manifest"));
    folder.Write("manifest/a.manifest", "figures male_stand_skin0_SE.png 40 60\nfigures male_hack_axeSE_4.png 92 76\n");
    ASSERT_TRUE(BuildPack(folder.File("manifest"), folder.File("one"), error)) << error;
    ASSERT_TRUE(BuildPack(folder.File("manifest"), folder.File("two"), error)) << error;
    EXPECT_EQ(ReadBytes(folder.File("one/resource.dat")), ReadBytes(folder.File("two/resource.dat")));

    folder.Write("manifest/a.manifest", "# tight\nfigures male_stand_skin0_SE.png 20 30\n");
    EXPECT_FALSE(BuildPack(folder.File("manifest"), folder.File("three"), error));
    EXPECT_NE(error.find("a.manifest:2: 'male_stand_skin0_SE.png': the drawing does not fit 20 x 30"),
              std::string::npos)
        << error;
}

// Eyes show on exactly the head frames that have eyelids (4..12), and the
// shut lid of each covers them, so a blink never leaves an eye open.
TEST_F(PackIslanders, EyesShowWhereTheyCanBlinkAndTheShutLidCoversThem)
{
    const std::pair<const char*, const char*> faces[] = {{"female_head_skin3_%i.png", "female_blink_skin3_%i_1.png"},
                                                         {"baby_head_skin0_%i.png", "baby_blink_skin0_%i_1.png"}};
    for (const auto& [head, lid] : faces) {
        for (int k = 0; k < 16; k++) {
            const picture_data face = Picture(Name(head, k));
            const picture_data shut = k >= 4 && k <= 12 ? Picture(Name(lid, k)) : picture_data();
            int eyes = 0, open = 0;
            for (int y = 0; y < face.h; y++) {
                for (int x = 0; x < face.w; x++) {
                    const uint8_t* p = face.At(x, y);
                    if (p[0] == 34 && p[1] == 26 && p[2] == 28) {
                        eyes++;
                        open += !shut.Opaque(x, y);
                    }
                }
            }
            EXPECT_EQ(eyes > 0, k >= 4 && k <= 12) << Name(head, k);
            EXPECT_EQ(open, 0) << Name(head, k);
        }
    }
}

namespace {

// Where a picture's pixels of one kind lie: their count, mean column and
// mean row.
struct spread_data {
    int count = 0;
    double x = 0, y = 0;
};

template <typename Pick>
spread_data Spread(const picture_data& picture, Pick pick)
{
    spread_data out;
    for (int y = 0; y < picture.h; y++) {
        for (int x = 0; x < picture.w; x++) {
            if (pick(x, y)) {
                out.count++;
                out.x += x + 0.5;
                out.y += y + 0.5;
            }
        }
    }
    if (out.count > 0) {
        out.x /= out.count;
        out.y /= out.count;
    }
    return out;
}

}  // namespace

// Head frame k looks k x 22.5 degrees round from straight away from the
// viewer: frames 4 to 7 look to the right of the screen (towards SE), 8
// straight out of it, 9 to 12 to the left (towards SW). The eyes and the
// mouth lie on the side the head looks to.
TEST_F(PackIslanders, EyesAndMouthLieOnTheSideTheHeadLooksTo)
{
    auto expectSide = [](const std::string& name, int k, const picture_data& face, const spread_data& feature) {
        ASSERT_GT(feature.count, 0) << name;
        const double side = feature.x - face.w / 2.0;
        if (k == 8) {
            EXPECT_NEAR(side, 0.0, 0.5) << name;
        } else {
            EXPECT_GT(k < 8 ? side : -side, 1.0) << name;
        }
    };
    for (const char* head : {"male_head_skin0_%i.png", "female_head_skin2_%i.png", "baby_head_skin1_%i.png"}) {
        for (int k = 4; k <= 12; k++) {
            const picture_data face = Picture(Name(head, k));
            expectSide(Name(head, k), k, face, Spread(face, [&](int x, int y) {
                           const uint8_t* p = face.At(x, y);
                           return p[0] == 34 && p[1] == 26 && p[2] == 28;
                       }));
        }
    }
    // The mouth shows from frame 5 to 11.
    for (const char* mouth : {"male_head_mouth_neutral_%i.png", "female_head_mouth_surprised_%i.png"}) {
        for (int k = 5; k <= 11; k++) {
            const picture_data face = Picture(Name(mouth, k));
            expectSide(Name(mouth, k), k, face, Spread(face, [&](int x, int y) { return face.Opaque(x, y); }));
        }
    }
}

// A smile's corners stand higher than its middle, a frown's lower, on
// every head frame that shows the mouth more than a few pixels wide.
TEST_F(PackIslanders, ASmileTurnsItsCornersUpAndAFrownTurnsThemDown)
{
    for (const char* sex : {"male", "female"}) {
        for (int k = 6; k <= 10; k++) {
            for (const char* look : {"smile", "frown"}) {
                const std::string name = Name("%s_head_mouth_%s_%i.png", sex, look, k);
                const picture_data face = Picture(name);
                const spread_data lips = Spread(face, [&](int x, int y) { return face.Opaque(x, y); });
                double reach = 0;
                for (int y = 0; y < face.h; y++) {
                    for (int x = 0; x < face.w; x++) {
                        if (face.Opaque(x, y)) {
                            reach = std::max(reach, std::fabs(x + 0.5 - lips.x));
                        }
                    }
                }
                const spread_data corners = Spread(face, [&](int x, int y) {
                    return face.Opaque(x, y) && std::fabs(x + 0.5 - lips.x) >= reach * 0.6;
                });
                const spread_data middle = Spread(face, [&](int x, int y) {
                    return face.Opaque(x, y) && std::fabs(x + 0.5 - lips.x) <= reach * 0.3;
                });
                ASSERT_GT(corners.count, 0) << name;
                ASSERT_GT(middle.count, 0) << name;
                if (std::string(look) == "smile") {
                    EXPECT_LT(corners.y, middle.y) << name;
                } else {
                    EXPECT_GT(corners.y, middle.y) << name;
                }
            }
        }
    }
}

namespace {

// CIE lightness (0 black .. 100 white), its two colour axes a (green to
// red) and b (blue to yellow), chroma (0 grey .. about 130) and hue angle
// (degrees, 0 magenta-red, 60 orange-yellow, 90 yellow) of an sRGB colour
// under daylight.
struct lch_data {
    double light, a, b, chroma, hue;
};

// How far apart two colours look: about 2 is just seen side by side.
double Difference(const lch_data& one, const lch_data& other)
{
    return std::sqrt((one.light - other.light) * (one.light - other.light) + (one.a - other.a) * (one.a - other.a) +
                     (one.b - other.b) * (one.b - other.b));
}

lch_data Lch(double r, double g, double b)
{
    auto linear = [](double c) {
        c /= 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double lr = linear(r), lg = linear(g), lb = linear(b);
    const double x = (0.4124 * lr + 0.3576 * lg + 0.1805 * lb) / 0.95047;
    const double y = 0.2126 * lr + 0.7152 * lg + 0.0722 * lb;
    const double z = (0.0193 * lr + 0.1192 * lg + 0.9505 * lb) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    const double a = 500 * (f(x) - f(y)), bb = 200 * (f(y) - f(z));
    const double hue = std::atan2(bb, a) * 180.0 / M_PI;
    return {116 * f(y) - 16, a, bb, std::hypot(a, bb), hue < 0 ? hue + 360 : hue};
}

// The detail screen's name of hair colour n (text 11090 + n), from the
// manifest's string table.
std::string HairName(const pack_strings_data& strings, int colour)
{
    const std::u16string prefix = u"@" + std::u16string(u"1109") + static_cast<char16_t>(u'0' + colour) + u"|";
    for (const std::u16string& line : strings.lines) {
        if (line.rfind(prefix, 0) == 0) {
            return std::string(line.begin() + static_cast<long>(prefix.size()), line.end());
        }
    }
    return "";
}

}  // namespace

// The detail screen names an islander's hair by text 11090 + its colour
// number, the number that chose the hair pictures. Measured over the hair of
// every style, both sexes and four turns of the head (the outline left out),
// each colour falls in the band of lightness, chroma and hue that its name
// says (the bands do not overlap), no name is given twice, and no two
// colours read alike.
TEST_F(PackIslanders, EveryHairColourIsDrawnAsTheDetailScreenNamesIt)
{
    struct band_data {
        const char* name;
        double lightLow, lightHigh, chromaLow, chromaHigh, hueLow, hueHigh;
    };
    const band_data bands[] = {
        {"Black", 0, 20, 0, 10, 0, 360},           {"Dark brown", 18, 30, 10, 30, 45, 75},
        {"Brown", 33, 47, 20, 38, 55, 75},         {"Light brown", 49, 62, 25, 48, 58, 80},
        {"Auburn", 33, 47, 38, 60, 35, 55},        {"Ginger", 46, 62, 50, 75, 38, 58},
        {"Blond", 68, 84, 35, 65, 78, 98},         {"Platinum blond", 84, 100, 8, 30, 85, 110},
        {"Grey", 55, 85, 0, 6, 0, 360},
    };
    // Hair is small on screen: two colours must differ as clearly as black
    // from dark brown to be told apart on a passing islander.
    const double kApart = 15;
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    std::vector<std::string> names;
    std::vector<lch_data> drawn;
    for (int colour = 0; colour <= 8; colour++) {
        const std::string name = HairName(manifest.strings, colour);
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << "two colours are called " << name;
        names.push_back(name);
        double sum[3] = {0, 0, 0};
        long count = 0;
        for (const char* sex : {"male", "female"}) {
            for (int style = 0; style < 8; style++) {
                for (int frame : {0, 4, 8, 12}) {
                    const picture_data hair =
                        Picture(Name("%s_hair_style%i_colour%i_%i.png", sex, style, colour, frame));
                    for (int y = 0; y < hair.h; y++) {
                        for (int x = 0; x < hair.w; x++) {
                            const bool inner = hair.Opaque(x, y) && hair.Opaque(x - 1, y) && hair.Opaque(x + 1, y) &&
                                               hair.Opaque(x, y - 1) && hair.Opaque(x, y + 1);
                            for (int c = 0; c < 3 && inner; c++) {
                                sum[c] += hair.At(x, y)[c];
                            }
                            count += inner;
                        }
                    }
                }
            }
        }
        ASSERT_GT(count, 0) << "colour " << colour;
        const lch_data seen = Lch(sum[0] / count, sum[1] / count, sum[2] / count);
        for (int other = 0; other < colour; other++) {
            EXPECT_GE(Difference(seen, drawn[other]), kApart) << "colours " << other << " and " << colour;
        }
        drawn.push_back(seen);
        const auto band = std::find_if(std::begin(bands), std::end(bands),
                                       [&](const band_data& b) { return name == b.name; });
        ASSERT_NE(band, std::end(bands)) << "colour " << colour << " is called \"" << name << "\", no hair colour";
        EXPECT_TRUE(seen.light >= band->lightLow && seen.light <= band->lightHigh && seen.chroma >= band->chromaLow &&
                    seen.chroma <= band->chromaHigh && seen.hue >= band->hueLow && seen.hue <= band->hueHigh)
            << "colour " << colour << " is called \"" << name << "\" but is drawn at lightness " << seen.light
            << ", chroma " << seen.chroma << ", hue " << seen.hue;
    }
}
