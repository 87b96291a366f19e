#include "CDrawTestFixture.h"

#include "../platform/SoundFixtures.h"
#include "CController.h"
#include "CInput.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSoundSystem.h"
#include "ChildProcess.h"
#include "FontSystem.h"
#include "NullSound.h"
#include "Screenshot.h"
#include "Utilities.h"

#include <SDL_image.h>
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

const int kBarW = 240;
const int kBarH = 2;
const int kTotal = 23997;

std::string Resource(const std::string& name)
{
    return std::string(RESOURCE_FOLDER) + name;
}

std::string Logo(int frame)
{
    return Resource("loadingscreen_logo_" + std::to_string(frame) + ".dat");
}

// Every column of the bar has its own colour, none of them black.
Rgba BarColour(int x)
{
    return Rgba{x % 256, 128, 255, 255};
}

using Surface = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

Surface Own(SDL_Surface* surface)
{
    return Surface(surface, SDL_FreeSurface);
}

int DifferencesOnScreen(const Surface& expected)
{
    return PictureOf(SDL_GetVideoSurface()).CountDifferences(PictureOf(expected.get()));
}

// A profile store over an empty user folder (a new profile) and the event pump
// its mouse settings go to; the generated resource folder's loading pictures,
// fonts and hints, with a bar of known colours.
class CDrawLoading : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        const char* generated = getenv("PALMORA_RESOURCES");
        ASSERT_NE(generated, nullptr) << "the generated resource folder holds the loading pictures";
        std::vector<std::string> names = {"loadingscreen_main.dat", "resource3.dat", "strings.dat"};
        for (int i = 0; i < 38; i++) {
            names.push_back("loadingscreen_logo_" + std::to_string(i) + ".dat");
        }
        for (const std::string& name : names) {
            std::filesystem::copy_file(std::string(generated) + "/" + name, Resource(name));
        }
        std::vector<Rgba> bar;
        for (int i = 0; i < kBarW * kBarH; i++) {
            bar.push_back(BarColour(i % kBarW));
        }
        folder.Write(Resource("loadingscreen_loading.dat"), PngFile(kBarW, kBarH, bar));

        FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
        std::filesystem::create_directories(folder.File("userdata"));
        CController::input = &input;
        new CProfile();
    }

    void TearDown() override
    {
        delete CProfile::current;
        CController::input = nullptr;
        FontSystem_Unload();
        strings.clear();
        DrawTest::TearDown();
    }

    int Hint() { return CProfile::current->GetValue<int>(32); }

    // The screen the loading screen should leave: the main picture, the hint
    // centred in its strip, and the logo picture last shown.
    Surface Expected(int hint, int lastLogo)
    {
        SDL_Surface* screen = SDL_GetVideoSurface();
        const SDL_PixelFormat* f = screen->format;
        Surface expected = Own(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, f->BitsPerPixel, f->Rmask, f->Gmask,
                                                    f->Bmask, f->Amask));
        Surface main = Own(IMG_Load(Resource("loadingscreen_main.dat").c_str()));
        SDL_BlitSurface(main.get(), nullptr, expected.get(), nullptr);
        int lines = 0;
        Surface text = Own(draw->FormatImage(
            FontSystem_RenderStringNumber(800, 80, 3, hint, lines, nullptr, nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            true));
        SDL_Rect at = {0, 441, 0, 0};
        SDL_BlitSurface(text.get(), nullptr, expected.get(), &at);
        Surface logo = Own(IMG_Load(Logo(lastLogo).c_str()));
        at = {160, 77, 0, 0};
        SDL_BlitSurface(logo.get(), nullptr, expected.get(), &at);
        return expected;
    }

    // Leading columns of the bar's place that show the bar.
    int BarShown()
    {
        int x = 0;
        while (x < kBarW && ScreenPixel(354 + x, 539) == BarColour(x) && ScreenPixel(354 + x, 540) == BarColour(x)) {
            x++;
        }
        EXPECT_EQ(ScreenPixel(354 + x, 539), (Rgba{0, 0, 0, 255})) << "nothing drawn past the bar's end";
        return x;
    }

    CInput input;
};

}  // namespace

TEST_F(CDrawLoading, ShowsThePictureTheHintAndTheLogoFramesTwoFramesEach)
{
    CProfile::current->SetValue<int>(32, 22010);
    draw->ShowLoadingScreen();
    EXPECT_EQ(DifferencesOnScreen(Expected(22010, 37)), 0);
    EXPECT_NE(DifferencesOnScreen(Expected(22011, 37)), 0) << "hints can be told apart";
    EXPECT_NE(DifferencesOnScreen(Expected(22010, 36)), 0) << "logo frames can be told apart";
    EXPECT_EQ(draw->GetFramesSinceStart(), 76);
}

TEST_F(CDrawLoading, ShowsOneHintAStartAndStoresTheNextCyclingThroughTheHints)
{
    const struct {
        int stored;
        int shown;
        int next;
    } cases[] = {
        {22010, 22010, 22011},
        {22000, 22000, 22001},
        {22037, 22037, 22038},
        {22038, 22038, 22000},
        // A damaged profile: the first hint stands in.
        {21999, 22000, 22001},
        {22039, 22000, 22001},
    };
    for (const auto& c : cases) {
        CProfile::current->SetValue<int>(32, c.stored);
        draw->ShowLoadingScreen();
        EXPECT_EQ(DifferencesOnScreen(Expected(c.shown, 37)), 0) << c.stored;
        EXPECT_EQ(Hint(), c.next) << c.stored;
    }
}

TEST_F(CDrawLoading, LeavesOutALogoPictureThatIsMissing)
{
    std::filesystem::remove(Logo(37));
    folder.Write(Logo(0), "not a picture");
    draw->ShowLoadingScreen();
    EXPECT_EQ(DifferencesOnScreen(Expected(22000, 36)), 0);
    EXPECT_EQ(draw->GetFramesSinceStart(), 76) << "its frames still pass";
}

TEST_F(CDrawLoading, EndsTheProgramWhenTheMainPictureOrTheBarCannotBeRead)
{
    const struct {
        const char* file;
        const char* bytes;  // null: the file is missing
        void (CDraw::*step)();
    } cases[] = {
        {"loadingscreen_main.dat", nullptr, &CDraw::ShowLoadingScreen},
        {"loadingscreen_loading.dat", "not a picture", &CDraw::LoadLoadingText},
    };
    for (const auto& c : cases) {
        const ChildResult result = RunInChild([&] {
            if (c.bytes) {
                folder.Write(Resource(c.file), c.bytes);
            } else {
                std::filesystem::remove(Resource(c.file));
            }
            (draw.get()->*c.step)();
        });
        EXPECT_EQ(result.exitCode, 1) << c.file;
        EXPECT_THAT(result.output, testing::HasSubstr("ERROR!  Unable to load image: ")) << c.file;
        EXPECT_THAT(result.output, testing::HasSubstr(c.file));
    }
    EXPECT_THAT(folder.Read("LOG.TXT"), testing::HasSubstr("Unable to load image: "));
}

TEST_F(CDrawLoading, GrowsTheBarWithTheHighestCountAndNeverShrinksIt)
{
    draw->DisplayLoadingText(12000);
    EXPECT_EQ(BarShown(), 0) << "no bar before it is read";
    draw->LoadLoadingText();

    const struct {
        int count;
        int shown;
        int highest;
    } steps[] = {
        {0, 0, 12000},       // an earlier count stays the highest
        {100, 1, 12000},     // 100 / 23997 * 240 = 1.0001
        {6000, 60, 12000},   // 60.0075, truncated
        {5999, 60, 12000},   // 59.9975 does not shrink it
        {13000, 130, 13000},
        {kTotal, kBarW, kTotal},
        {kTotal * 3, kBarW, kTotal * 3},  // a larger count fills no more than the bar
    };
    for (const auto& step : steps) {
        draw->DisplayLoadingText(step.count);
        EXPECT_EQ(BarShown(), step.shown) << step.count;
        EXPECT_EQ(draw->GetLoadingTextNum(), step.highest) << step.count;
    }

    SDL_Surface* screen = SDL_GetVideoSurface();
    SDL_Rect bar = {354, 539, kBarW, kBarH};
    draw->UnloadLoadingText();
    SDL_FillRect(screen, &bar, SDL_MapRGB(screen->format, 0, 0, 0));
    draw->DisplayLoadingText(20000);
    EXPECT_EQ(BarShown(), 0) << "no bar after it is freed";
}

// Sound on, on the null output, with one archive sound whose delayed start
// counts the sound pumps.
class CDrawLoadingSound : public CDrawLoading {
protected:
    void SetUp() override
    {
        CDrawLoading::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        folder.Write(Resource("resource2.dat"), ArchiveBytes({{"tick.wav", fixtures::Wave({0, 0, 0}, 1, 44100)}}));
        StartNullSound(folder);
        tick = std::make_unique<CSound>("tick.wav", false, 1.0f, false);
        tick->SetFramesToDelay(1000);
    }

    void TearDown() override
    {
        tick.reset();
        CSound::ShutDown();
        CDrawLoading::TearDown();
    }

    int Pumps() { return 1000 - tick->GetFramesToDelay(); }

    std::unique_ptr<CSound> tick;
};

TEST_F(CDrawLoadingSound, PumpsTheSoundAtEveryCountThatIsAMultipleOfAHundred)
{
    draw->DisplayLoadingText(100);
    EXPECT_EQ(Pumps(), 0) << "not before the bar exists";
    draw->LoadLoadingText();

    const struct {
        int count;
        bool pumps;
    } steps[] = {
        {0, true}, {1, false}, {99, false}, {100, true}, {150, false}, {23900, true},
        {200, true},  // below the highest count: the bar stays, the sound goes on
        {23997, false},
    };
    int pumps = 0;
    for (const auto& step : steps) {
        draw->DisplayLoadingText(step.count);
        pumps += step.pumps;
        EXPECT_EQ(Pumps(), pumps) << step.count;
    }

    draw->UnloadLoadingText();
    draw->DisplayLoadingText(400);
    EXPECT_EQ(Pumps(), pumps) << "not after the bar is gone";
}
