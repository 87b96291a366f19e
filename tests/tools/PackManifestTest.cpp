#include "PackBuilder.h"
#include "PackManifest.h"

#include "ChildProcess.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using testing::HasSubstr;

namespace {

std::vector<pack_entry_data> Parse(const std::string& line)
{
    std::vector<pack_entry_data> entries;
    std::string error;
    EXPECT_TRUE(ParseManifestLine(line, "x.manifest:1", ".", entries, error)) << line << ": " << error;
    return entries;
}

std::string ParseError(const std::string& line)
{
    std::vector<pack_entry_data> entries;
    std::string error;
    EXPECT_FALSE(ParseManifestLine(line, "x.manifest:7", ".", entries, error)) << line;
    EXPECT_TRUE(entries.empty()) << line;
    return error;
}

std::string FolderError(const TempFolder& folder)
{
    pack_manifest_data manifest;
    std::string error;
    EXPECT_FALSE(ReadManifestFolder(folder.File("manifest"), manifest, error));
    return error;
}

void MakeManifestFolder(const TempFolder& folder)
{
    std::filesystem::create_directories(folder.File("manifest"));
}

const char* const kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

}  // namespace

TEST(PackManifest, RefusesMalformedRanges)
{
    for (const char* name : {"a{2..1}.png", "a{0..1}b{0..1}.png", "a{x..2}.png", "a{0..}.png", "a{0-3}.png",
                             "a}0..1{.png", "a{0..1.png", "a{-1..2}.png"}) {
        std::vector<std::string> names;
        std::string error;
        EXPECT_FALSE(ExpandRange(name, names, error)) << name;
        EXPECT_THAT(error, HasSubstr(name));
    }
}

TEST(PackManifest, ReadsEveryDirectiveWithItsDefaults)
{
    // The last entry of the line: kind, name, size, picture type, label, pitch, length, seconds, path.
    const auto describe = [](const pack_entry_data& e) {
        const char* kinds[] = {"image", "sound", "font", "music", "voice", "file"};
        const char* types[] = {"png", "jpg", "tga"};
        std::ostringstream out;
        out << kinds[static_cast<int>(e.kind)] << " " << e.name << " " << e.width << "x" << e.height << " "
            << types[static_cast<int>(e.picture)] << " '" << e.label << "' " << e.hz << "/" << e.ms << " "
            << e.seconds << " " << e.path;
        return out.str();
    };
    const std::pair<std::string, std::string> cases[] = {
        {"image tree_big{1..2}.png 64 80   # trees", "image tree_big2.png 64x80 png 'tree_big2' 0/0 0 "},
        {"image mouse_hourglass.TGA 32 32 Please  wait", "image mouse_hourglass.TGA 32x32 tga 'Please wait' 0/0 0 "},
        {"file loadingscreen_main.dat 800 600 jpg", "file loadingscreen_main.dat 800x600 jpg 'loadingscreen_main' 0/0 0 "},
        {"sound gui_click.ogg", "sound gui_click.ogg 0x0 png 'gui_click' 0/250 0 "},
        {"sound thunder.ogg 60 1500", "sound thunder.ogg 0x0 png 'thunder' 60/1500 0 "},
        {"music MENU.dat", "music MENU.dat 0x0 png 'MENU' 0/0 8 "},
        {"voice tutorial{9..11}.dat 0.5", "voice tutorial11.dat 0x0 png 'tutorial11' 0/0 0.5 "},
        {std::string("font Sans.ttf ") + kFont, std::string("font Sans.ttf 0x0 png 'Sans' 0/0 0 ") + kFont},
    };
    for (const auto& [line, expected] : cases) {
        const std::vector<pack_entry_data> entries = Parse(line);
        ASSERT_FALSE(entries.empty()) << line;
        EXPECT_EQ(describe(entries.back()), expected);
        EXPECT_EQ(entries.back().where, "x.manifest:1");
    }
    EXPECT_EQ(Parse("image tree_big{1..2}.png 64 80").size(), 2u);
    EXPECT_EQ(Parse("sound {7..7}x.ogg")[0].name, "7x.ogg");
    EXPECT_TRUE(Parse("   # only a comment").empty());
    EXPECT_TRUE(Parse("").empty());
}

TEST(PackManifest, NamesTheFileLineAndReasonOfABadLine)
{
    struct {
        const char* line;
        const char* reason;
    } cases[] = {
        {"imag tree.png 4 4", "unknown directive 'imag'"},
        {"image", "no name"},
        {"image tree.png 4", "width and height"},
        {"image tree.png 0 4", "width and height"},
        {"image tree.gif 4 4", "does not end in .png, .jpg or .tga"},
        {"image a{3..1}.png 4 4", "runs backwards"},
        {"image ../escape.png 4 4", "starting with '.'"},
        {"image .hidden.png 4 4", "starting with '.'"},
        {"image sub/tree.png 4 4", "cannot be part of a resource name"},
        {"file loading.dat 4 4 tga", "TYPE must be jpg or png"},
        {"sound click.ogg 10", "HZ must be"},
        {"sound click.ogg 440 0", "MS 1 to 60000"},
        {"music MENU.dat -3", "SECONDS"},
        {"voice a.dat 1 2", "SECONDS"},
        {"font Sans.ttf", "a font line has a name and a path"},
        {"font Sans.ttf /no/such/font.ttf", "does not exist"},
    };
    for (const auto& c : cases) {
        const std::string error = ParseError(c.line);
        EXPECT_THAT(error, HasSubstr("x.manifest:7: ")) << c.line;
        EXPECT_THAT(error, HasSubstr(c.reason)) << c.line;
    }
}

// Each number a line gives has a first and a last value it takes, and a name
// takes the printable ASCII but for the few the packer or the game reads.
TEST(PackManifest, NumbersAndNameCharactersAreTakenUpToTheirEdgesAndNoFurther)
{
    const struct {
        std::string line;
        const char* refusal;  // null when taken
    } cases[] = {
        {"image a.png 1 8192", nullptr},
        {"image a.png 0 8192", "width and height"},
        {"image a.png 8193 1", "width and height"},
        {"sound a.ogg 20 1", nullptr},
        {"sound a.ogg 19 250", "HZ must be"},
        {"sound a.ogg 20000 60000", nullptr},
        {"sound a.ogg 20001 250", "HZ must be"},
        {"sound a.ogg 440 60001", "MS 1 to 60000"},
        {"music a.dat 600", nullptr},
        {"music a.dat 600.001", "SECONDS"},
        {"voice a.dat 0.001", nullptr},
        {"voice a.dat 0", "SECONDS"},
        {"image !~.png 4 4", nullptr},
        {"image a\x1f.png 4 4", "cannot be part of a resource name"},
        {"image a\x7f.png 4 4", "cannot be part of a resource name"},
        {"image a%b.png 4 4", "cannot be part of a resource name"},
        {"image a\\b.png 4 4", "cannot be part of a resource name"},
    };
    for (const auto& c : cases) {
        if (c.refusal) {
            EXPECT_THAT(ParseError(c.line), HasSubstr(c.refusal)) << c.line;
        } else {
            EXPECT_EQ(Parse(c.line).size(), 1u) << c.line;
        }
    }
    const std::vector<pack_entry_data> tenMinutes = Parse("music a.dat 600");
    ASSERT_EQ(tenMinutes.size(), 1u);
    EXPECT_EQ(tenMinutes[0].seconds, 600.0);
}

TEST(PackManifest, ReadsTheFilesInNameOrder)
{
    TempFolder folder;
    MakeManifestFolder(folder);
    folder.Write("manifest/b.manifest", "image second.png 4 4\n");
    folder.Write("manifest/a.manifest", "# first\nimage first.png 4 4\r\nsound first.ogg\n");
    folder.Write("manifest/notes.txt", "not a manifest\n");
    pack_manifest_data manifest;
    std::string error;
    ASSERT_TRUE(ReadManifestFolder(folder.File("manifest"), manifest, error)) << error;
    ASSERT_EQ(manifest.entries.size(), 3u);
    EXPECT_EQ(manifest.entries[0].name, "first.png");
    EXPECT_EQ(manifest.entries[0].where, folder.File("manifest") + "/a.manifest:2");
    EXPECT_EQ(manifest.entries[1].name, "first.ogg");
    EXPECT_EQ(manifest.entries[2].name, "second.png");
}

TEST(PackManifest, RefusesNamesDefinedTwiceInOneDestination)
{
    TempFolder folder;
    MakeManifestFolder(folder);
    folder.Write("manifest/a.manifest", "image tree{0..3}.png 4 4\nsound tree2.png\nfile tree2.png 4 4 png\n");
    folder.Write("manifest/b.manifest", "\n\nimage tree2.png 8 8\n");
    const std::string error = FolderError(folder);
    EXPECT_THAT(error, HasSubstr("b.manifest:3: 'tree2.png' is already in resource.dat from "));
    EXPECT_THAT(error, HasSubstr("a.manifest:1"));

    folder.Write("manifest/b.manifest", "file strings.dat 4 4 png\n");
    EXPECT_THAT(FolderError(folder), HasSubstr("b.manifest:1: 'strings.dat' is written by the builder itself"));
}

TEST(PackManifest, RefusesAStringFontThatNoManifestProvides)
{
    TempFolder folder;
    MakeManifestFolder(folder);
    folder.Write("manifest/a.manifest", std::string("font Sans.ttf ") + kFont + "\n");
    folder.Write("manifest/a.strings", "!Sans.ttf|12|0|0|0|0\n@1|one\n!Serif.ttf|12|0|0|0|0\n@2|two\n");
    EXPECT_THAT(FolderError(folder), HasSubstr("a.strings:3: the font 'Serif.ttf' has no font line"));
}

TEST(PackManifest, AnEmptyOrMissingFolderIsAnError)
{
    TempFolder folder;
    EXPECT_THAT(FolderError(folder), HasSubstr("cannot read the manifest folder"));
    MakeManifestFolder(folder);
    EXPECT_THAT(FolderError(folder), HasSubstr("holds no *.manifest or *.strings file"));
}

TEST(PackManifest, TheToolExitsWithTheMessageAndWritesNothingForABadLine)
{
    TempFolder folder;
    MakeManifestFolder(folder);
    folder.Write("manifest/good.manifest", "image fine.png 4 4\n");
    folder.Write("manifest/pictures.manifest", "image a.png 4 4\n\nimage b.png 4 four\n");
    const std::string manifest = folder.File("manifest");
    const std::string out = folder.File("out");
    ChildResult result = RunInChild([&] {
        const char* argv[] = {"palmora-pack", manifest.c_str(), out.c_str(), nullptr};
        fflush(stdout);
        _exit(RunPack(3, const_cast<char**>(argv)));
    });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.output, HasSubstr("palmora-pack: error: " + manifest + "/pictures.manifest:3: "));
    EXPECT_THAT(result.output, HasSubstr("width and height"));
    EXPECT_FALSE(std::filesystem::exists(out));

    ChildResult usage = RunInChild([&] {
        const char* argv[] = {"palmora-pack", manifest.c_str(), nullptr};
        _exit(RunPack(2, const_cast<char**>(argv)));
    });
    EXPECT_EQ(usage.exitCode, 1);
    EXPECT_THAT(usage.output, HasSubstr("usage: palmora-pack MANIFEST_DIR OUT_DIR"));
}
