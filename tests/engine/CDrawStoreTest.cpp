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
const Rgba kGreenHalf{0, 255, 0, 128};

std::string Solid(int w, int h, Rgba colour)
{
    return PngFile(w, h, std::vector<Rgba>(static_cast<size_t>(w * h), colour), true);
}

int Occurrences(const std::string& text, const std::string& word)
{
    int count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        count++;
    }
    return count;
}

}  // namespace

class CDrawStore : public DrawTest {
protected:
    // red.png 2x2, blue.png 3x1, a sound and a repeated name after them.
    void PreloadSample()
    {
        WriteImageArchive({{"red.png", Solid(2, 2, kRed)},
                           {"blue.png", Solid(3, 1, kBlue)},
                           {"tune.ogg", "OggS not an image"},
                           {"click.wav", "RIFF not an image"},
                           {"red.png", Solid(1, 1, kBlue)}});
        draw->Preload();
    }

    void ExpectFatal(const std::function<void()>& body, const std::string& message)
    {
        std::filesystem::remove(folder.File("LOG.TXT"));
        const ChildResult result = RunInChild(body);
        EXPECT_EQ(result.exitCode, 1) << message;
        EXPECT_THAT(result.output, HasSubstr("ERROR!  " + message)) << message;
        EXPECT_THAT(folder.Read("LOG.TXT"), HasSubstr(message));
    }
};

TEST_F(CDrawStore, SharesOneDecodedImageUntilItsLastHolderReleasesIt)
{
    PreloadSample();
    const int blank = draw->CreateSizedBlank(4, 4, nullptr);
    const int first = draw->LoadImage("red.png", false, false);
    const int second = draw->LoadImage("red.png", false, false);
    const int blue = draw->LoadImage("blue.png", false, false);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, blank + 1);
    EXPECT_EQ(blue, blank + 2);
    EXPECT_EQ(draw->GetW(first), 2);
    EXPECT_EQ(PixelAt(first, 1, 1), kRed);

    draw->RemoveImage(first);
    EXPECT_NE(draw->GetSurface(first), nullptr) << "one holder is left";
    EXPECT_STREQ(draw->GetImageName(first), "red.png");

    draw->RemoveImage(first);
    EXPECT_EQ(draw->GetSurface(first), nullptr);
    EXPECT_EQ(draw->GetImageName(first), nullptr);
    draw->RemoveImage(first);  // a free slot is ignored

    EXPECT_EQ(draw->LoadImage("red.png", false, false), first) << "decoded again into the lowest free slot";
    draw->RemoveImage(blank);
    EXPECT_EQ(draw->CreateSizedBlank(1, 1, nullptr), blank) << "any new image reuses a released id";
}

TEST_F(CDrawStore, KeepsImagesOnlyAndTheFirstOfARepeatedName)
{
    PreloadSample();
    EXPECT_EQ(draw->GetLoadingTextNum(), 3) << "the sounds are skipped, the repeat is kept";
    const int red = draw->LoadImage("red.png", false, false);
    EXPECT_EQ(draw->GetW(red), 2);
    EXPECT_EQ(PixelAt(red, 0, 0), kRed);
}

TEST_F(CDrawStore, GivesAPrivateCopyAndLeavesAnUnheldEntryUndecoded)
{
    PreloadSample();
    const int copy = draw->LoadImage("red.png", true, true);
    // The shared decode took slot 0 for the time of the copy and gave it back.
    EXPECT_EQ(copy, 1);
    EXPECT_EQ(draw->GetSurface(0), nullptr);
    EXPECT_EQ(draw->GetImageName(copy), nullptr);

    draw->ColourFill(copy, RGBA_data{0, 255, 0, 255}, 0, 0, 2, 2);
    const int shared = draw->LoadImage("red.png", false, false);
    EXPECT_EQ(PixelAt(shared, 0, 0), kRed) << "changing the copy leaves the archive image alone";

    const int secondCopy = draw->LoadImage("red.png", true, false);
    EXPECT_NE(draw->GetSurface(shared), nullptr) << "the other holder keeps the shared image";
    EXPECT_NE(secondCopy, shared);
}

TEST_F(CDrawStore, WarnsOnlyWhenACopyDecodesAnImageNobodyHolds)
{
    PreloadSample();
    const std::string warning = "WARNING: An image 'red.png' was loaded into an SDL_Surface, copied, and then unloaded.";
    struct Case {
        const char* what;
        std::function<void()> body;
        bool warns;
    };
    const Case cases[] = {
        {"unheld", [&] { draw->LoadImage("red.png", true, false); }, true},
        {"unheld, quiet", [&] { draw->LoadImage("red.png", true, true); }, false},
        {"held elsewhere",
         [&] {
             draw->LoadImage("red.png", false, false);
             draw->LoadImage("red.png", true, false);
         },
         false},
    };
    for (const Case& c : cases) {
        const ChildResult result = RunInChild(c.body);
        EXPECT_EQ(result.exitCode, 0) << c.what;
        EXPECT_EQ(result.output.find(warning) != std::string::npos, c.warns) << c.what << ": " << result.output;
    }
}

TEST_F(CDrawStore, DecodesByTheLastThreeCharactersOfTheName)
{
    const std::vector<Rgba> pixels = {kRed, kBlue, kGreenHalf, kRed};
    WriteImageArchive({{"pic.tga", TgaFile(2, 2, pixels)},
                       {"opaque.png", PngFile(2, 2, pixels, false)},
                       {"p", PngFile(2, 2, pixels, true)},
                       {"ab", PngFile(2, 2, pixels, true)}});
    draw->Preload();

    const int tga = draw->LoadImage("pic.tga", false, false);
    EXPECT_EQ(AllPixels(tga), pixels) << "TGA has no signature: the name's type finds it";

    // A picture without alpha stays opaque in the store.
    const int opaque = draw->LoadImage("opaque.png", false, false);
    EXPECT_EQ(draw->GetSurface(opaque)->format->Amask, 0u);
    EXPECT_EQ(PixelAt(opaque, 0, 1), (Rgba{0, 255, 0, 255}));

    // Names shorter than a type are passed whole; PNG is known by its bytes.
    for (const char* name : {"p", "ab"}) {
        const int id = draw->LoadImage(name, false, false);
        EXPECT_EQ(AllPixels(id), pixels) << name;
    }
}

TEST_F(CDrawStore, EndsTheProgramOnMissingOrUndecodableImages)
{
    WriteImageArchive({{"red.png", Solid(2, 2, kRed)},
                       {"tune.ogg", "OggS"},
                       {"click.wav", "RIFF"},
                       {"bad.png", "not a picture"},
                       {"tga.png", TgaFile(1, 1, {kRed})}});
    draw->Preload();
    const std::pair<const char*, std::string> cases[] = {
        {"nope.png", "Unable to find preloaded image: nope.png"},
        {"Red.png", "Unable to find preloaded image: Red.png"},
        {"red", "Unable to find preloaded image: red"},
        {"tune.ogg", "Unable to find preloaded image: tune.ogg"},
        {"click.wav", "Unable to find preloaded image: click.wav"},
        {"bad.png", "Unable to load image (bad.png): "},
        {"tga.png", "Unable to load image (tga.png): "},
    };
    for (const auto& [name, message] : cases) {
        ExpectFatal([&, name = name] { draw->LoadImage(name, false, false); }, message);
    }
}

TEST_F(CDrawStore, EndsTheProgramOnAMissingOrDamagedArchive)
{
    ExpectFatal([&] {
        std::filesystem::remove("Palmora.app/Contents/Resources/resource.dat");
        draw->Preload();
    }, "Cannot load resource file!");

    WriteImageArchive({{"red.png", Solid(2, 2, kRed)}, {"blue.png", Solid(3, 1, kBlue)}});
    const std::string archive = folder.Read("Palmora.app/Contents/Resources/resource.dat");
    const std::string damaged[] = {
        archive.substr(0, archive.size() - 5),            // the last entry cut short
        archive.substr(0, 6),                             // the offset table cut short
        std::string("\xff\xff\xff\x7f", 4) + archive.substr(4),  // an absurd count
    };
    for (const std::string& bytes : damaged) {
        folder.Write("Palmora.app/Contents/Resources/resource.dat", bytes);
        ExpectFatal([&] { draw->Preload(); }, "Cannot load resource file!");
    }
}

TEST_F(CDrawStore, EndsTheProgramOnAnIdThatNamesNoImage)
{
    const int image = MakeFilled(2, 2, kRed);
    const int freed = MakeFilled(2, 2, kRed);
    const int last = MakeFilled(2, 2, kRed);
    draw->RemoveImage(freed);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { draw->GetW(-1); }, "Image id out of range: -1"},
        {[&] { draw->GetH(last + 1); }, "Image id out of range: 3"},
        {[&] { draw->RemoveImage(-1); }, "Image id out of range: -1"},
        {[&] { draw->GetSurface(40); }, "Image id out of range: 40"},
        {[&] { draw->DisplayImage(-1, 0, 0); }, "Image id out of range: -1"},
        {[&] { draw->CopyImage(freed); }, "Image id names no image: 1"},
        {[&] { draw->CompositeImageOnImage(image, freed, 0, 0, false); }, "Image id names no image: 1"},
        {[&] { draw->getpixel(freed, 0, 0); }, "Image id names no image: 1"},
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
    EXPECT_THAT(result.output, HasSubstr("A NUMBER OF IMAGES REMAINING: 1\n"));
    EXPECT_EQ(Occurrences(result.output, "IMAGE REMAINING: red.png\n"), 1);
    EXPECT_THAT(result.output, Not(HasSubstr("IMAGE REMAINING: blue.png")));

    const ChildResult clean = RunInChild([&] { draw.reset(); });
    EXPECT_THAT(clean.output, Not(HasSubstr("REMAINING")));
}
