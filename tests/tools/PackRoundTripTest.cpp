// Builds a small pack and reads every piece back the way the game does: the
// archives through its own reader, pictures through SDL_image by the type the
// name gives, sounds through libvorbisfile.
#include "PackBuilder.h"
#include "PackImages.h"
#include "PackManifest.h"

#include "ResourceArchive.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <SDL.h>
#include <SDL_image.h>
#include <vorbis/vorbisfile.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kManifest =
    "# pictures\n"
    "image pointerA{0..2}.png 32 32\n"
    "image sidebar_back.jpg 155 600 Side panel\n"
    "image rain_splash{0..1}.tga 16 12\n"
    "image dot.png 1 1\n"
    "# sounds\n"
    "sound gui_click.ogg\n"
    "sound thunder.ogg 80 900\n"
    "font Sans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf\n"
    "music MENU.dat 2\n"
    "voice tutorial{0..1}.dat 0.5\n"
    "file loadingscreen_main.dat 800 600 jpg Palmora\n"
    "file loadingscreen_loading.dat 92 18 png\n";

const char* const kStrings = "!Sans.ttf|16|255|255|255|0\n@22000|Fish at dawn.\n";

std::string FromArchive(const std::string& archive, const std::string& name)
{
    int size = -1;
    char* data = GetBufferFromResource(archive.c_str(), name.c_str(), &size);
    std::string bytes(data, static_cast<size_t>(size));
    delete[] data;
    return bytes;
}

using SurfacePtr = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

// Decoded as the game's image store does: the type is the name's last three
// characters.
SurfacePtr Decode(const std::string& bytes, const std::string& type)
{
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return SurfacePtr(IMG_LoadTyped_RW(stream, 1, const_cast<char*>(type.c_str())), SDL_FreeSurface);
}

SDL_Color Pixel(SDL_Surface* surface, int x, int y, Uint8* alpha)
{
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
    SDL_UnlockSurface(surface);
    SDL_Color colour{0, 0, 0, 0};
    SDL_GetRGBA(value, surface->format, &colour.r, &colour.g, &colour.b, alpha);
    return colour;
}

// Pictures with alpha come back exactly as drawn, the right way up.
void ExpectLosslessCopy(SDL_Surface* surface, const pack_entry_data& entry)
{
    const std::vector<uint8_t> drawn = DrawImage(entry.name, entry.width, entry.height, entry.label, false);
    int differences = 0;
    bool opaqueSomewhere = false;
    for (int y = 0; y < entry.height; y++) {
        for (int x = 0; x < entry.width; x++) {
            Uint8 alpha = 0;
            SDL_Color colour = Pixel(surface, x, y, &alpha);
            const uint8_t* expected = &drawn[(static_cast<size_t>(y) * entry.width + x) * 4];
            opaqueSomewhere = opaqueSomewhere || alpha == 255;
            if (alpha != expected[3] || (alpha != 0 && (colour.r != expected[0] || colour.g != expected[1] ||
                                                        colour.b != expected[2]))) {
                differences++;
            }
        }
    }
    EXPECT_EQ(differences, 0) << entry.name;
    EXPECT_TRUE(opaqueSomewhere) << entry.name;
}

// Decodes the whole stream; its length in seconds, or -1 when it does not open
// as Ogg Vorbis or is all but silent.
double DecodedSeconds(const std::string& bytes)
{
    const std::string path = "decoded.ogg";  // in the test's folder
    std::ofstream(path, std::ios::binary) << bytes;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        return -1.0;
    }
    const vorbis_info* info = ov_info(&file, -1);
    const long rate = info->rate, channels = info->channels;
    long frames = 0, got = 0;
    int16_t buffer[4096];
    int section = 0, loudest = 0;
    while ((got = ov_read(&file, reinterpret_cast<char*>(buffer), sizeof buffer, 0, 2, 1, &section)) > 0) {
        frames += got / 2 / channels;
        for (long i = 0; i < got / 2; i++) {
            loudest = std::max(loudest, std::abs(static_cast<int>(buffer[i])));
        }
    }
    ov_clear(&file);
    fs::remove(path);
    return got < 0 || loudest * 20 < 32768 ? -1.0 : static_cast<double>(frames) / rate;
}

class PackRoundTrip : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder.File("manifest"));
        folder.Write("manifest/a.manifest", kManifest);
        folder.Write("manifest/a.strings", kStrings);
        std::string error;
        ASSERT_TRUE(BuildPack(folder.File("manifest"), folder.File("out"), error)) << error;
        ASSERT_TRUE(ReadManifestFolder(folder.File("manifest"), manifest, error)) << error;
    }

    std::string Out(const std::string& name) const { return folder.File("out/" + name); }

    TempFolder folder;
    pack_manifest_data manifest;
};

}  // namespace

TEST_F(PackRoundTrip, EveryPictureDecodesAtItsSizeFromTheGamesReader)
{
    int pictures = 0;
    for (const pack_entry_data& entry : manifest.entries) {
        if (entry.kind != PackKind::Image && entry.kind != PackKind::File) {
            continue;
        }
        pictures++;
        const bool loose = entry.kind == PackKind::File;
        const std::string bytes = loose ? ReadBytes(Out(entry.name)) : FromArchive(Out("resource.dat"), entry.name);
        const std::string type = loose ? (entry.picture == PictureType::Jpg ? "JPG" : "PNG")
                                       : entry.name.substr(entry.name.size() - 3);
        SurfacePtr surface = Decode(bytes, type);
        ASSERT_TRUE(surface) << entry.name << ": " << IMG_GetError();
        EXPECT_EQ(surface->w, entry.width) << entry.name;
        EXPECT_EQ(surface->h, entry.height) << entry.name;
        if (entry.picture == PictureType::Jpg) {
            EXPECT_EQ(surface->format->Amask, 0u) << entry.name;
            continue;
        }
        ASSERT_NE(surface->format->Amask, 0u) << entry.name;
        ExpectLosslessCopy(surface.get(), entry);
        if (entry.width > 1) {
            Uint8 alpha = 255;
            Pixel(surface.get(), 0, 0, &alpha);
            EXPECT_EQ(alpha, 0) << entry.name << ": the corner is transparent";
        }
    }
    EXPECT_EQ(pictures, 9);
}

TEST_F(PackRoundTrip, EverySoundDecodesWithItsLength)
{
    struct {
        const char* where;
        const char* name;
        double seconds;
    } cases[] = {
        {"resource2.dat", "gui_click.ogg", 0.25},
        {"resource2.dat", "thunder.ogg", 0.9},
        {"voice/", "tutorial0.dat", 0.5},
        {"voice/", "tutorial1.dat", 0.5},
    };
    for (const auto& c : cases) {
        const std::string bytes = std::string(c.where) == "voice/" ? ReadBytes(Out(std::string("voice/") + c.name))
                                                                   : FromArchive(Out(c.where), c.name);
        EXPECT_NEAR(DecodedSeconds(bytes), c.seconds, 0.01) << c.name;
    }
    // The song is whole bars long, close to what was asked.
    EXPECT_NEAR(DecodedSeconds(ReadBytes(Out("music/MENU.dat"))), 2.0, 1.0);
}

TEST_F(PackRoundTrip, FontsAreCopiedUnchangedAndTheStringTableIsWritten)
{
    EXPECT_EQ(FromArchive(Out("resource3.dat"), "Sans.ttf"),
              ReadBytes("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    const std::string bytes = ReadBytes(Out("strings.dat"));
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), "\xff\xfe");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\x2e\x00", 2)) << "the final \".\" of the last text";
}

TEST_F(PackRoundTrip, TheSameManifestGivesByteIdenticalOutput)
{
    std::string error;
    ASSERT_TRUE(BuildPack(folder.File("manifest"), folder.File("again"), error)) << error;
    int files = 0;
    for (const auto& file : fs::recursive_directory_iterator(folder.File("out"))) {
        if (!file.is_regular_file()) {
            continue;
        }
        files++;
        const fs::path relative = fs::relative(file.path(), folder.File("out"));
        EXPECT_EQ(ReadBytes(file.path().string()), ReadBytes(folder.File("again/" + relative.string())))
            << relative;
    }
    // Four archives and tables, two loose pictures, a song and two voices.
    EXPECT_EQ(files, 9);
}
