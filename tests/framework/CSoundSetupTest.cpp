#include "CSound.h"

#include "CSoundFixture.h"
#include "CSoundSystem.h"
#include "ChildProcess.h"
#include "ScratchMount.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace fixtures;
using namespace sound_fixture;

namespace {

const char* const kLoadedLine =
    "\nSound settings loaded from file.  To alter settings in the future, run the game with a command line "
    "parameter of 4\n";

// A sound system made and set up, but never opened, as start-up has it
// before Init.
class SoundSetUp : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CSoundSystem::Create(&CSound::system), SOUND_OK); }
    void TearDown() override { CSound::ShutDown(); }

    // Runs the console dialogue on the given typed text.
    void Console(const std::string& typed)
    {
        FILE* input = fmemopen(const_cast<char*>(typed.data()), typed.size(), "r");
        if (typed.empty()) {
            input = fopen("/dev/null", "r");
        }
        ASSERT_NE(input, nullptr);
        CSound::CustomInit(input);
        fclose(input);
    }

    std::string Settings() const { return folder.Read("userdata/SOUNDv8.DAT"); }

    static std::string Pair(int32_t output, int32_t driver)
    {
        return Word32(static_cast<uint32_t>(output)) + Word32(static_cast<uint32_t>(driver));
    }

    TempFolder folder;
};

}  // namespace

TEST_F(SoundSetUp, AFifoOrAFolderUnderTheSettingsNameGivesTheDefaultsAtOnce)
{
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a folder");
        std::filesystem::remove_all(folder.File("userdata"));
        std::filesystem::create_directories(folder.File("userdata"));
        std::filesystem::remove(folder.File("LOG.TXT"));
        const std::string name = folder.File("userdata/SOUNDv8.DAT");
        if (fifo) {
            ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
        } else {
            std::filesystem::create_directories(name);
        }
        CSound::system->SetOutput(SOUND_OUTPUT_NOSOUND);
        // A read that waits on the FIFO is ended by the alarm, which fails the
        // case instead of holding the run.
        ChildResult result = RunInChild([] {
            alarm(20);
            CSound::FileInit();
            _exit(CSound::system->GetDriver() == 0 ? CSound::system->GetOutput() : 99);
        });
        EXPECT_EQ(result.exitCode, SOUND_OUTPUT_DEVICE);
        EXPECT_EQ(result.output, "");
        EXPECT_NE(folder.Read("LOG.TXT").find("Sound settings file unreadable, using the default output: " + name),
                  std::string::npos);
    }
}

TEST_F(SoundSetUp, TheConsoleChoiceIsAppliedAndStored)
{
    struct Case {
        const char* typed;
        int output;
    } cases[] = {
        {"31", SOUND_OUTPUT_NOSOUND},
        {"x9\n21\n", SOUND_OUTPUT_DEVICE_ALT},
        {"1\n1\n", SOUND_OUTPUT_DEVICE},
        // Only "1" names the one driver; the rest are skipped.
        {"2\n0 2 x 1", SOUND_OUTPUT_DEVICE_ALT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Console(c.typed);
        EXPECT_EQ(CSound::system->GetOutput(), c.output);
        EXPECT_EQ(CSound::system->GetDriver(), 0);
        EXPECT_EQ(Settings(), Pair(c.output, 0));
    }
}

TEST_F(SoundSetUp, AConsoleThatEndsEarlyFallsBackToTheStoredSettings)
{
    struct Case {
        const char* what;
        const char* typed;
        bool stored;  // a settings file holding the null output exists
        int output;
    } cases[] = {
        {"nothing typed, no file", "", false, SOUND_OUTPUT_DEVICE},
        {"no valid key, no file", "xyz\n\n", false, SOUND_OUTPUT_DEVICE},
        {"no driver chosen, no file", "2\n", false, SOUND_OUTPUT_DEVICE},
        {"nothing typed, a stored choice", "", true, SOUND_OUTPUT_NOSOUND},
        {"no driver chosen, a stored choice", "1\n9\n", true, SOUND_OUTPUT_NOSOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder.File("userdata"));
        if (c.stored) {
            WriteSettings(folder, SOUND_OUTPUT_NOSOUND, 0);
        }
        CSound::system->SetOutput(SOUND_OUTPUT_DEVICE_ALT);
        Console(c.typed);
        EXPECT_EQ(CSound::system->GetOutput(), c.output);
        // Nothing is written without both answers.
        EXPECT_EQ(Settings(), c.stored ? Pair(SOUND_OUTPUT_NOSOUND, 0) : "");
    }
}

TEST_F(SoundSetUp, TheSettingsFileIsReadAndAMissingDamagedOrForeignOneGivesTheDefaults)
{
    struct Case {
        const char* what;
        const char* bytes;  // null: no file
        size_t size;
        int output;
        bool logged;
    } cases[] = {
        {"no file", nullptr, 0, SOUND_OUTPUT_DEVICE, false},
        {"empty file", "", 0, SOUND_OUTPUT_DEVICE, true},
        {"seven bytes", "\2\0\0\0\0\0\0", 7, SOUND_OUTPUT_DEVICE, true},
        {"unknown output", "\x63\0\0\0\0\0\0\0", 8, SOUND_OUTPUT_DEVICE, true},
        {"unknown driver", "\x0d\0\0\0\4\0\0\0", 8, SOUND_OUTPUT_DEVICE_ALT, true},
        {"negative driver", "\2\0\0\0\xff\xff\xff\xff", 8, SOUND_OUTPUT_NOSOUND, true},
        {"longer than needed", "\2\0\0\0\0\0\0\0tail", 12, SOUND_OUTPUT_NOSOUND, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::create_directories(folder.File("userdata"));
        std::filesystem::remove(folder.File("userdata/SOUNDv8.DAT"));
        std::filesystem::remove(folder.File("LOG.TXT"));
        if (c.bytes) {
            folder.Write("userdata/SOUNDv8.DAT", std::string(c.bytes, c.size));
        }
        CSound::system->SetOutput(SOUND_OUTPUT_NOSOUND);
        ChildResult result = RunInChild([] {
            CSound::FileInit();
            _exit(CSound::system->GetDriver() == 0 ? CSound::system->GetOutput() : 99);
        });
        EXPECT_EQ(result.exitCode, c.output);
        // Only a whole file is announced.
        EXPECT_EQ(result.output, c.size >= 8 ? kLoadedLine : "");
        EXPECT_EQ(std::filesystem::exists(folder.File("LOG.TXT")), c.logged);
    }
}

TEST_F(SoundSetUp, AnUnwritableSettingsFileIsFatalWithItsNameAndTheOldFileStaysWhole)
{
    const std::string message = "ERROR!  Cannot save sound data: " + folder.File("userdata/SOUNDv8.DAT");
    // A folder in the file's place cannot be replaced, even by root.
    std::filesystem::create_directories(folder.File("userdata/SOUNDv8.DAT"));
    ChildResult result = RunInChild([this] { Console("1\n1\n"); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find(message), std::string::npos) << result.output;
    std::filesystem::remove(folder.File("userdata/SOUNDv8.DAT"));

    ScratchMount disk(folder.File("userdata"), 64);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a scratch disk here";
    }
    folder.Write("userdata/SOUNDv8.DAT", Pair(SOUND_OUTPUT_DEVICE_ALT, 0));
    disk.FillUp();
    result = RunInChild([this] { Console("3\n1\n"); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find(message), std::string::npos) << result.output;
    EXPECT_EQ(Settings(), Pair(SOUND_OUTPUT_DEVICE_ALT, 0));
    EXPECT_FALSE(std::filesystem::exists(folder.File("userdata/SOUNDv8.DAT.TMP")));
}

TEST(CSoundSetUp, ErrorCheckIsSilentOnSuccessAndFatalOtherwise)
{
    TempFolder folder;
    CSound::ErrorCheck(SOUND_OK);
    struct Case {
        int result;
        const char* name;
        const char* message;
    } cases[] = {
        {SOUND_ERR_FILE_NOT_FOUND, "music/X.dat", "ERROR!  Sound library error: File not found. music/X.dat\n"},
        {SOUND_ERR_FORMAT, nullptr, "ERROR!  Sound library error: Unsupported sound format. \n"},
        {1000, nullptr, "ERROR!  Sound library error: Unknown error.\n"},
    };
    for (const Case& c : cases) {
        ChildResult result = RunInChild([&] { CSound::ErrorCheck(c.result, c.name); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.output, c.message);
        EXPECT_NE(folder.Read("LOG.TXT").find("Sound library error: "), std::string::npos);
    }
}

TEST(CSoundSetUp, InitializeFromTheConsoleTurnsSoundOn)
{
    TempFolder folder;
    std::string typed = "3\n1\n";
    FILE* input = fmemopen(&typed[0], typed.size(), "r");
    CSound::Initialize(false, input);
    fclose(input);
    EXPECT_TRUE(CSound::soundInitialized);
    ASSERT_NE(CSound::system, nullptr);
    EXPECT_EQ(CSound::system->GetOutput(), SOUND_OUTPUT_NOSOUND);
    CSound::SetGlobalVolume(0.5f);
    EXPECT_EQ(CSound::GetGlobalVolume(), 0.5f);
    CSound::ShutDown();
    EXPECT_FALSE(CSound::soundInitialized);
    EXPECT_EQ(CSound::GetGlobalVolume(), 1.0f);
}

// The game's own message and nothing from the audio library: ALSA prints its
// failures to the terminal unless told not to.
TEST(CSoundSetUp, AnOutputThatCannotOpenLeavesSoundOffWithOnlyTheGamesMessage)
{
    TempFolder folder;
    WriteSettings(folder, SOUND_OUTPUT_DEVICE, 0);
    for (const char* driver : {"no-such-driver", "alsa"}) {
        SCOPED_TRACE(driver);
        ChildResult result = RunInChild([driver] {
            setenv("SDL_AUDIODRIVER", driver, 1);
            CSound::Initialize(true);
            if (CSound::soundInitialized) {
                _exit(3);  // this machine has a sound device
            }
            CSound sound("never-looked-up.wav", false, 1.0f, false);
            sound.Play(false, 0, 0.0f, false);
            _exit(!CSound::system && !sound.IsPlaying() ? 0 : 2);
        });
        if (result.exitCode == 3) {
            continue;
        }
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.output,
                  std::string(kLoadedLine) +
                      "ERROR!  Sound library initialization error 2: The sound output could not be opened. \n");
    }
}

TEST(CSoundSetUp, TheSoundArchiveMustBeThereAndWhole)
{
    TempFolder folder;
    WriteSettings(folder, SOUND_OUTPUT_NOSOUND, 0);
    std::filesystem::create_directories(folder.File(kResources));
    const std::string archive = std::string(kResources) + "resource2.dat";
    const std::string whole = ArchiveBytes({{"a.wav", Wave({1, 2, 3}, 1, 8000)}, {"b.wav", Wave({4}, 1, 8000)}});
    std::string badOffset = whole;
    badOffset[11] = 0x70;
    struct Case {
        const char* what;
        bool present;
        std::string bytes;
        const char* message;
    } cases[] = {
        // The printed line is the bare message; the log names the archive.
        {"missing", false, "", "ERROR!  Cannot load sound resource file!\n"},
        {"offset past the end", true, badOffset, "ERROR!  Cannot load sound resource file!\n"},
        {"an entry that is no sound", true, ArchiveBytes({{"c.wav", "not a sound at all"}}),
         "ERROR!  Sound library error: Unsupported sound format. c.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.File(archive));
        if (c.present) {
            folder.Write(archive, c.bytes);
        }
        ChildResult result = RunInChild([] {
            CSound::Initialize(true);
            CSound::Preload(0, [](int) {});
        });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
    }
    EXPECT_NE(folder.Read("LOG.TXT").find(" - Cannot load sound resource file: " + archive + "\r\n"),
              std::string::npos);
}

TEST(CSoundSetUp, ANameArchivedTwiceKeepsItsFirstSound)
{
    TempFolder folder;
    WriteSettings(folder, SOUND_OUTPUT_NOSOUND, 0);
    std::filesystem::create_directories(folder.File(kResources));
    folder.Write(std::string(kResources) + "resource2.dat",
                 ArchiveBytes({{"twin.wav", Wave(Constant(50, 1, 1000), 1, 44100)},
                          {"twin.wav", Wave(Constant(50, 1, 2000), 1, 44100)}}));
    CSound::Initialize(true);
    CSound::system->SetPullMixing(true);
    CSound::Preload(0, [](int) {});
    EXPECT_EQ(CSound::sounds.size(), 2u);
    {
        CSound twin("twin.wav", false, 1.0f, false);
        twin.Play(false, 0, 0.0f, false);
        EXPECT_EQ(Mix(1)[0], 1000);
    }
    CSound::ShutDown();
}
