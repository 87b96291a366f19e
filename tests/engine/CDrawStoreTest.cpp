#include "CDrawTestFixture.h"

#include "ChildProcess.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <functional>

using testing::HasSubstr;
using testing::Not;

namespace {

const Rgba kRed{255, 0, 0, 255};
const Rgba kBlue{0, 0, 255, 255};

std::string Solid(int w, int h, Rgba colour)
{
    return PngFile(w, h, std::vector<Rgba>(static_cast<size_t>(w * h), colour));
}

}  // namespace

class CDrawStore : public DrawTest {
protected:
    // Sounds share the archive format; a repeated name comes last.
    void PreloadSample()
    {
        WriteImageArchive({{"red.png", Solid(2, 2, kRed)},
                           {"blue.png", Solid(3, 1, kBlue)},
                           {"tune.ogg", "OggS"},
                           {"click.wav", "RIFF"},
                           {"red.png", Solid(1, 1, kBlue)}});
        draw->Preload();
    }

    void ExpectFatal(const std::function<void()>& body, const std::string& message)
    {
        std::filesystem::remove(folder.File("LOG.TXT"));
        const ChildResult result = RunInChild(body);
        EXPECT_EQ(result.exitCode, 1) << message;
        EXPECT_THAT(result.output, HasSubstr("ERROR!  " + message));
        EXPECT_THAT(folder.Read("LOG.TXT"), HasSubstr(message));
    }
};

TEST_F(CDrawStore, SharesOneDecodedImageUntilItsLastHolderReleasesIt)
{
    PreloadSample();
    EXPECT_EQ(draw->GetLoadingTextNum(), 3) << "sounds skipped, the repeated name kept";
    const int blank = draw->CreateSizedBlank(4, 4, nullptr);
    const int first = draw->LoadImage("red.png", false, false);
    EXPECT_EQ(draw->LoadImage("red.png", false, false), first);
    EXPECT_EQ(draw->LoadImage("blue.png", false, false), blank + 2);
    EXPECT_EQ(AllPixels(first), std::vector<Rgba>(4, kRed)) << "the first entry keeps the name";

    draw->RemoveImage(first);
    EXPECT_STREQ(draw->GetImageName(first), "red.png") << "one holder is left";
    draw->RemoveImage(first);
    EXPECT_EQ(draw->GetSurface(first), nullptr);
    EXPECT_EQ(draw->GetImageName(first), nullptr);
    draw->RemoveImage(first);  // a free slot is ignored

    EXPECT_EQ(draw->LoadImage("red.png", false, false), first) << "decoded again into the lowest free slot";
    draw->RemoveImage(blank);
    EXPECT_EQ(draw->CreateSizedBlank(1, 1, nullptr), blank) << "any new image reuses a released id";
}

TEST_F(CDrawStore, GivesAPrivateCopyAndLeavesAnUnheldEntryUndecoded)
{
    PreloadSample();
    const int copy = draw->LoadImage("red.png", true, true);
    EXPECT_EQ(copy, 1) << "the shared decode held slot 0 only for the copy";
    EXPECT_EQ(draw->GetSurface(0), nullptr);
    EXPECT_EQ(draw->GetImageName(copy), nullptr);

    draw->ColourFill(copy, RGBA_data{0, 255, 0, 255}, 0, 0, 2, 2);
    const int shared = draw->LoadImage("red.png", false, false);
    EXPECT_EQ(PixelAt(shared, 0, 0), kRed) << "the copy is private";
    draw->LoadImage("red.png", true, false);
    EXPECT_NE(draw->GetSurface(shared), nullptr) << "the other holder keeps the shared image";

    const std::string warning = "WARNING: An image 'red.png' was loaded into an SDL_Surface, copied, and then unloaded.";
    const std::pair<bool, bool> cases[] = {{false, true}, {true, false}};  // quiet, warns
    for (const auto& [quiet, warns] : cases) {
        draw->RemoveImage(shared);
        const ChildResult result = RunInChild([&, quiet = quiet] { draw->LoadImage("red.png", true, quiet); });
        EXPECT_EQ(result.output.find(warning) != std::string::npos, warns) << result.output;
    }
    const ChildResult held = RunInChild([&] {
        draw->LoadImage("blue.png", false, false);
        draw->LoadImage("blue.png", true, false);
    });
    EXPECT_THAT(held.output, Not(HasSubstr("WARNING")));
}

TEST_F(CDrawStore, DecodesByTheLastThreeCharactersOfTheName)
{
    const std::vector<Rgba> pixels = {kRed, kBlue, {0, 255, 0, 128}, kRed};
    WriteImageArchive({{"pic.tga", TgaFile(2, 2, pixels)},
                       {"opaque.png", PngFile(2, 2, pixels, false)},
                       {"p", PngFile(2, 2, pixels)},
                       {"ab", PngFile(2, 2, pixels)}});
    draw->Preload();
    EXPECT_EQ(AllPixels(draw->LoadImage("pic.tga", false, false)), pixels) << "TGA is known only by its name";

    const int opaque = draw->LoadImage("opaque.png", false, false);
    EXPECT_EQ(draw->GetSurface(opaque)->format->Amask, 0u) << "no alpha channel, none in the store";
    EXPECT_EQ(PixelAt(opaque, 0, 1), (Rgba{0, 255, 0, 255}));

    // Names shorter than a type are passed whole; PNG is known by its bytes.
    EXPECT_EQ(AllPixels(draw->LoadImage("p", false, false)), pixels);
    EXPECT_EQ(AllPixels(draw->LoadImage("ab", false, false)), pixels);
}

TEST_F(CDrawStore, EndsTheProgramOnMissingOrUndecodableImages)
{
    WriteImageArchive({{"red.png", Solid(2, 2, kRed)},
                       {"tune.ogg", "OggS"},
                       {"bad.png", "not a picture"},
                       {"tga.png", TgaFile(1, 1, {kRed})}});
    draw->Preload();
    const std::pair<const char*, std::string> cases[] = {
        {"nope.png", "Unable to find preloaded image: nope.png"},
        {"Red.png", "Unable to find preloaded image: Red.png"},
        {"tune.ogg", "Unable to find preloaded image: tune.ogg"},
        {"bad.png", "Unable to load image (bad.png): "},
        {"tga.png", "Unable to load image (tga.png): "},
    };
    for (const auto& [name, message] : cases) {
        ExpectFatal([&, name = name] { draw->LoadImage(name, false, false); }, message);
    }
}

TEST_F(CDrawStore, EndsTheProgramOnAMissingOrDamagedArchive)
{
    // The printed line is the bare message; the log names the archive.
    const auto expectArchiveFatal = [&] {
        std::filesystem::remove(folder.File("LOG.TXT"));
        const ChildResult result = RunInChild([&] { draw->Preload(); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output, "ERROR!  Cannot load resource file!\n");
        EXPECT_THAT(folder.Read("LOG.TXT"),
                    testing::ContainsRegex(" - Cannot load resource file: Palmora.app/Contents/Resources/resource.dat\r\n"
                                           ".* - Cannot load resource file!\r\n$"));
    };
    expectArchiveFatal();

    WriteImageArchive({{"red.png", Solid(2, 2, kRed)}, {"blue.png", Solid(3, 1, kBlue)}});
    const std::string archive = folder.Read("Palmora.app/Contents/Resources/resource.dat");
    // The archive walker's every check is tried on the single-entry lookup.
    folder.Write("Palmora.app/Contents/Resources/resource.dat", archive.substr(0, archive.size() - 5));
    expectArchiveFatal();
}

TEST_F(CDrawStore, EndsTheProgramOnAnIdThatNamesNoImage)
{
    const int image = MakeFilled(2, 2, kRed);
    const int freed = MakeFilled(2, 2, kRed);
    draw->RemoveImage(freed);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { draw->GetW(-1); }, "Image id out of range: -1"},
        {[&] { draw->RemoveImage(-1); }, "Image id out of range: -1"},
        {[&] { draw->GetSurface(2); }, "Image id out of range: 2"},
        {[&] { draw->DisplayImage(40, 0, 0); }, "Image id out of range: 40"},
        {[&] { draw->CopyImage(freed); }, "Image id names no image: 1"},
        {[&] { draw->CompositeImageOnImage(image, freed, 0, 0, false); }, "Image id names no image: 1"},
    };
    for (const auto& [body, message] : cases) {
        ExpectFatal(body, message);
    }
}

TEST_F(CDrawStore, ReportsImagesNeverReleasedWhenDestroyed)
{
    PreloadSample();
    const ChildResult result = RunInChild([&] {
        draw->LoadImage("red.png", false, false);
        draw->LoadImage("red.png", false, false);
        draw->RemoveImage(draw->LoadImage("blue.png", false, false));
        draw.reset();
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.output, HasSubstr("A NUMBER OF IMAGES REMAINING: 1\nIMAGE REMAINING: red.png\n"));
    EXPECT_THAT(result.output, Not(HasSubstr("blue.png")));
    EXPECT_THAT(RunInChild([&] { draw.reset(); }).output, Not(HasSubstr("REMAINING")));
}
