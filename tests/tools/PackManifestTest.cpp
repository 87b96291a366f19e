#include "PackBuilder.h"
#include "PackManifest.h"

#include "ChildProcess.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
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

TEST(PackManifest, ExpandsOneRangeIntoOneNamePerNumber)
{
    struct {
        const char* name;
        std::vector<std::string> names;
    } cases[] = {
        {"pointerA{0..2}.png", {"pointerA0.png", "pointerA1.png", "pointerA2.png"}},
        {"plain.png", {"plain.png"}},
        {"{7..7}x.ogg", {"7x.ogg"}},
        {"tutorial{9..11}.dat", {"tutorial9.dat", "tutorial10.dat", "tutorial11.dat"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        std::string error;
        EXPECT_TRUE(ExpandRange(c.name, names, error)) << c.name << ": " << error;
        EXPECT_EQ(names, c.names) << c.name;
    }
}

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
    std::vector<pack_entry_data> images = Parse("image tree_big{1..2}.png 64 80   # trees");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[1].kind, PackKind::Image);
    EXPECT_EQ(images[1].name, "tree_big2.png");
    EXPECT_EQ(images[1].width, 64);
    EXPECT_EQ(images[1].height, 80);
    EXPECT_EQ(images[1].picture, PictureType::Png);
    EXPECT_EQ(images[1].label, "tree_big2");
    EXPECT_EQ(images[1].where, "x.manifest:1");

    pack_entry_data labelled = Parse("image mouse_hourglass.TGA 32 32 Please  wait")[0];
    EXPECT_EQ(labelled.picture, PictureType::Tga);
    EXPECT_EQ(labelled.label, "Please wait");

    pack_entry_data file = Parse("file loadingscreen_main.dat 800 600 jpg")[0];
    EXPECT_EQ(file.kind, PackKind::File);
    EXPECT_EQ(file.picture, PictureType::Jpg);
    EXPECT_EQ(file.label, "loadingscreen_main");

    pack_entry_data tone = Parse("sound gui_click.ogg")[0];
    EXPECT_EQ(tone.kind, PackKind::Sound);
    EXPECT_EQ(tone.hz, 0);
    EXPECT_EQ(tone.ms, 250);
    pack_entry_data pitched = Parse("sound thunder.ogg 60 1500")[0];
    EXPECT_EQ(pitched.hz, 60);
    EXPECT_EQ(pitched.ms, 1500);

    EXPECT_DOUBLE_EQ(Parse("music MENU.dat")[0].seconds, 8.0);
    EXPECT_DOUBLE_EQ(Parse("voice tutorial{0..3}.dat 0.5")[3].seconds, 0.5);
    EXPECT_EQ(Parse("voice tutorial{0..3}.dat 0.5")[3].kind, PackKind::Voice);

    pack_entry_data font = Parse(std::string("font Sans.ttf ") + kFont)[0];
    EXPECT_EQ(font.kind, PackKind::Font);
    EXPECT_EQ(font.path, kFont);

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
        {"image tree.png 4 x", "width and height"},
        {"image tree.gif 4 4", "does not end in .png, .jpg or .tga"},
        {"image tree 4 4", "does not end in .png"},
        {"image a{3..1}.png 4 4", "runs backwards"},
        {"image ../escape.png 4 4", "starting with '.'"},
        {"image sub/tree.png 4 4", "cannot be part of a resource name"},
        {"file loading.dat 4 4 tga", "TYPE must be jpg or png"},
        {"file loading.dat 4 4", "TYPE must be jpg or png"},
        {"sound click.ogg 10", "HZ must be"},
        {"sound click.ogg 440 0", "MS 1 to 60000"},
        {"sound click.ogg 440 100 loud", "HZ must be"},
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
