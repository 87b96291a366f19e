#include "CProfileTestFixture.h"

#include "ChildProcess.h"
#include "EnvironmentValue.h"
#include "ScratchMount.h"
#include "SoundLayer.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <tuple>

class CProfileFiles : public ProfileFixture {
protected:
    // Sound on, on the null output, for as long as the object lives.
    struct SoundOn {
        explicit SoundOn(const CProfileFiles& test)
        {
            test.WriteUserFile("SOUNDv8.DAT", Int32(SOUND_OUTPUT_NOSOUND) + Int32(0));
            CSound::Initialize(true);
        }
        ~SoundOn() { CSound::ShutDown(); }
    };

    static std::string FloatBytes(float value)
    {
        std::string bytes(4, '\0');
        memcpy(&bytes[0], &value, 4);
        return bytes;
    }
};

TEST(CProfileChecksum, SumsSignedBytesWrappingInThirtyTwoBits)
{
    struct Case {
        std::string bytes;
        int sum;
    };
    const Case cases[] = {
        {"\x61\x62\x63", 294},
        {"\xFF\x01", 0},
        {"", 0},
        {"\x80", -128},
        {std::string(20000000, '\x7F'), 2540000000u - 4294967296LL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CProfile::ComputeChecksum(c.bytes.data(), c.bytes.size()), c.sum);
    }
}

TEST_F(CProfileFiles, FirstStartWritesNothingUntilTheHeaderIsSaved)
{
    CProfile* profile = Open();
    EXPECT_EQ(profile->GetNumProfiles(), 1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "PLAYER 1");
    EXPECT_TRUE(std::filesystem::is_empty(UserFile(""))) << "the start-up probe leaves nothing behind";

    profile->SaveHeader();
    const std::string header = ReadUserFile("PALMORAv8.DAT");
    ASSERT_EQ(header.size(), 80u);
    EXPECT_EQ(Int32At(header, 0), 543);
    EXPECT_EQ(header, HeaderFile(0, {{0, "PLAYER 1"}}));
    EXPECT_TRUE(Exists("PROFILE1v8.DAT"));
    EXPECT_FALSE(Exists("PALMORAv8.DAT.BAKS"));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAKS"));
}

TEST_F(CProfileFiles, ReadsAndWritesTheWorkedPropertiesBlockAndNamesTheProfileInTheReservedOne)
{
    const std::string block("\x01\x00\x00\x00" "\x07\x00\x00\x00" "\x01\x00\x00\x00" "\x01\x00\x00\x00"
                            "\x62" "\x01" "\x00\x00\x00\x00",
                            22);
    std::string reserved(512, '\0');
    for (int i = 0; i < 512; i++) {
        reserved[i] = static_cast<char>(i * 7);
    }
    WriteUserFile("PROFILE1v8.DAT", WithChecksum(Int32(0) + reserved + block));
    CProfile* profile = Open();
    // Only a file that loaded well is copied to ".BAKL".
    EXPECT_TRUE(Exists("PROFILE1v8.DAT.BAKL"));
    EXPECT_TRUE(profile->GetValue<bool>(7));
    // The file lacked every other key; the defaults stand in for them.
    EXPECT_EQ(profile->GetValue<int>(51), 7);

    profile->Save();
    const std::string written = ReadUserFile("PROFILE1v8.DAT");
    EXPECT_NE(written.find(block.substr(4, 14)), std::string::npos);
    EXPECT_EQ(ParseProfile(written).scalars.at(7).bytes, std::string("\x01", 1));
    // An older file's block of anything becomes the profile's own record:
    // its name, for a header that has to be made again.
    const std::string identity = written.substr(4, 512);
    EXPECT_EQ(identity.substr(0, 8), std::string("PLMRID1\0", 8));
    EXPECT_EQ(identity.substr(16, 9), std::string("PLAYER 1\0", 9));
    EXPECT_EQ(identity.find_first_not_of('\0', 25), std::string::npos);
}

TEST_F(CProfileFiles, HeaderListsProfilesInIdOrderWithNamesUpToSixtyThreeBytes)
{
    const std::string longest(63, 'A');
    CProfile* profile = Open();
    profile->SetActiveProfileName(longest.c_str());
    profile->AddProfile(std::string(100, 'B'));
    profile->AddProfile("C");
    profile->SaveHeader();

    const std::string header = ReadUserFile("PALMORAv8.DAT");
    ASSERT_EQ(header.size(), 216u);
    EXPECT_EQ(header, HeaderFile(3, {{0, longest}, {2, std::string(63, 'B')}, {3, "C"}}));
    EXPECT_EQ(header[16 + 63], '\0');

    profile = Reopen();
    ASSERT_EQ(profile->GetNumProfiles(), 3);
    EXPECT_EQ(profile->GetProfileNameAbsolute(0), longest);
    EXPECT_EQ(profile->GetProfileNameAbsolute(1), std::string(63, 'B'));
    EXPECT_STREQ(profile->GetActiveProfileName(), "C");

    // A stored name that fills its field without an ending NUL reads as 63 bytes.
    delete profile;
    WriteUserFile("PALMORAv8.DAT", WithChecksum(Int32(0) + Int32(0) + Int32(1) + Int32(0) + std::string(64, 'N')));
    profile = Open();
    EXPECT_EQ(std::string(profile->GetActiveProfileName()), std::string(63, 'N'));
}

TEST_F(CProfileFiles, EachSaveKeepsThePreviousFileAsBaksAndEachGoodLoadCopiesToBakl)
{
    CProfile* profile = Open();
    profile->SetValue<int>(60, 1);
    profile->SaveHeader();
    const std::string first = ReadUserFile("PROFILE1v8.DAT");
    const std::string firstHeader = ReadUserFile("PALMORAv8.DAT");
    profile->SetValue<int>(60, 2);
    profile->SaveHeader();
    EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAKS"), first);
    EXPECT_EQ(ReadUserFile("PALMORAv8.DAT.BAKS"), firstHeader);
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.TMP"));

    const std::string second = ReadUserFile("PROFILE1v8.DAT");
    profile = Reopen();
    EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAKL"), ReadUserFile("PROFILE1v8.DAT.BAKS"));
    EXPECT_EQ(ReadUserFile("PALMORAv8.DAT.BAKL"), ReadUserFile("PALMORAv8.DAT.BAKS"));
    EXPECT_EQ(profile->GetValue<int>(60), 2);
}

TEST_F(CProfileFiles, SavesTheRunningSettingsAndAppliesThemOnlyWhenSomeRungReadAFile)
{
    using Settings = std::tuple<float, bool, bool, bool>;  // mouse multiplier, absolute, full screen, input grab
    const auto running = [] {
        return Settings{CController::GetMouseMultiplier(), CController::GetMouseAbsolute(), Config_GetFullscreen(),
                        CProfile::inputGrab};
    };
    const auto set = [](float multiplier, bool absolute, bool fullscreen) {
        CController::SetMouseMultiplier(multiplier);
        CController::SetMouseAbsolute(absolute);
        Config_SetFullscreen(fullscreen);
        CProfile::inputGrab = false;
    };
    CProfile* profile = Open();
    {
        SoundOn sound(*this);
        ASSERT_TRUE(CSound::soundInitialized);
        CSound::SetGlobalVolume(0.25f);
        CSound::SetGlobalMusicVolume(0.5f);
        set(2.5f, false, false);
        profile->Save();
    }
    const StoredBlock block = ParseProfile(ReadUserFile("PROFILE1v8.DAT"));
    const std::string stored[] = {{"\x00\x00\x80\x3E", 4}, {"\x00\x00\x00\x3F", 4}, {"\x00\x00\x20\x40", 4},
                                  {"\x00", 1}, {"\x00", 1}};
    for (int key = 20; key <= 24; key++) {
        EXPECT_EQ(block.scalars.at(key).bytes, stored[key - 20]) << key;
    }
    delete profile;
    set(1.0f, true, true);
    profile = Open();
    EXPECT_EQ(running(), (Settings{2.5f, false, false, true})) << "a relative mouse is held in the window";
    delete profile;

    // A damaged main file applies what the later rungs left: the defaults;
    // with every rung missing the running values stay. A new profile always
    // lets the input go.
    for (const bool damagedMain : {true, false}) {
        for (const char* suffix : {"", ".BAKS", ".BAKL"}) {
            RemoveUserFile(std::string("PROFILE1v8.DAT") + suffix);
        }
        if (damagedMain) {
            WriteUserFile("PROFILE1v8.DAT", "damaged");
        }
        set(3.0f, false, false);
        profile = Open();
        EXPECT_EQ(running(), (damagedMain ? Settings{1.0f, true, true, false} : Settings{3.0f, false, false, false}));
        delete profile;
    }
}

// With no sound device the running volumes are never set, and saving them
// would put their start values over the player's in every copy in turn.
TEST_F(CProfileFiles, WithSoundOffSavesKeepTheStoredVolumes)
{
    ASSERT_FALSE(CSound::soundInitialized);
    WriteUserFile("PROFILE1v8.DAT",
                  ReadBytes(PALMORA_SOURCE_DIR "/tests/fuzz/corpus/game/volumes-kept-with-sound-off.DAT"));
    WriteUserFile("PALMORAv8.DAT", HeaderFile(0, {{0, "PLAYER 1"}}));
    CProfile* profile = Open();
    EXPECT_NE(folder.Read("LOG.TXT").find("Sound is off; saves keep the stored volumes: sound 0.4, music 0.3"),
              std::string::npos)
        << folder.Read("LOG.TXT");
    profile->SaveHeader();
    delete profile;
    for (const char* file : {"PROFILE1v8.DAT", "PROFILE1v8.DAT.BAKS"}) {
        const StoredBlock block = ParseProfile(ReadUserFile(file));
        EXPECT_EQ(block.scalars.at(20).bytes, FloatBytes(0.4f)) << file;
        EXPECT_EQ(block.scalars.at(21).bytes, FloatBytes(0.3f)) << file;
    }
}

TEST_F(CProfileFiles, AFailedSaveEndsTheProgramAndLeavesTheOldFilesAsTheyWere)
{
    CProfile* profile = Open();
    profile->SetValue<int>(60, 1);
    profile->SaveHeader();
    profile->SetValue<int>(60, 2);
    profile->SaveHeader();
    const std::string main = ReadUserFile("PROFILE1v8.DAT");
    const std::string backup = ReadUserFile("PROFILE1v8.DAT.BAKS");
    const std::string header = ReadUserFile("PALMORAv8.DAT");
    // A large record makes the new file too big for the child's file limit.
    profile->SetVectorValue<stand_in_person_data>(4, std::vector<stand_in_person_data>(200));

    struct Case {
        const char* what;
        std::function<void()> breakDisk;
        const char* message;
        const char* path;
    };
    const Case cases[] = {
        {"disk full while writing",
         [] {
             signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{64 * 1024, 64 * 1024};
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         "Cannot save profile: ", "PROFILE1v8.DAT"},
        {"profile cannot be created", [this] { mkdir(UserFile("PROFILE1v8.DAT.TMP").c_str(), 0700); },
         "Cannot save profile: ", "PROFILE1v8.DAT"},
        {"header cannot be created", [this] { mkdir(UserFile("PALMORAv8.DAT.TMP").c_str(), 0700); },
         "Cannot save profile header: ", "PALMORAv8.DAT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChildResult result = RunInChild([&] {
            c.breakDisk();
            profile->SaveHeader();
        });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(std::string("ERROR!  ") + c.message + UserFile(c.path)), std::string::npos)
            << result.output;
        rmdir(UserFile("PROFILE1v8.DAT.TMP").c_str());
        rmdir(UserFile("PALMORAv8.DAT.TMP").c_str());
        if (std::string(c.path) == "PROFILE1v8.DAT") {
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT"), main);
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAKS"), backup);
        }
        EXPECT_EQ(ReadUserFile("PALMORAv8.DAT"), header);
        EXPECT_FALSE(Exists("PROFILE1v8.DAT.TMP"));
        EXPECT_FALSE(Exists("PALMORAv8.DAT.TMP"));
    }
}

TEST_F(CProfileFiles, AFolderThatCannotTakeASaveEndsTheStartAndAFullDiskKeepsTheOldBakl)
{
    const std::vector<std::string> names = {"PROFILE1v8.DAT", "PROFILE1v8.DAT.BAKL", "PALMORAv8.DAT",
                                            "PALMORAv8.DAT.BAKL"};
    const std::string message = "ERROR!  Cannot save profile: " + UserFile("PROFILE1v8.DAT");
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only folder" : "full disk");
        ScratchMount disk(UserFile(""), 64);
        if (!disk.Mounted()) {
            GTEST_SKIP() << "cannot mount a scratch disk here";
        }
        // The ".BAKL" files hold an older save than the main files.
        CProfile* profile = Open();
        profile->SetValue<int>(60, 1);
        profile = Reopen();
        profile->SetValue<int>(60, 2);
        delete profile;
        std::map<std::string, std::string> before;
        for (const std::string& name : names) {
            before[name] = ReadUserFile(name);
        }
        ASSERT_NE(before["PROFILE1v8.DAT"], before["PROFILE1v8.DAT.BAKL"]);
        readOnly ? disk.MakeReadOnly() : disk.FillUp();

        const ChildResult result = RunInChild([this] { Open(); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(message), std::string::npos) << result.output;
        if (!readOnly) {
            EXPECT_NE(result.output.find("Failed to backup profile: " + UserFile("PROFILE1v8.DAT")),
                      std::string::npos);
        }
        for (const std::string& name : names) {
            EXPECT_EQ(ReadUserFile(name), before[name]) << name;
        }
        for (const char* temporary : {"PROFILE1v8.DAT.TMP", "PROFILE1v8.DAT.BAKL.TMP", "PALMORAv8.DAT.BAKL.TMP"}) {
            EXPECT_FALSE(Exists(temporary)) << temporary;
        }
    }
}

// An override that, with its closing "/", does not fit the path buffer names
// no folder a file can be made in: the start ends as for any override that
// cannot take a save, and the data home is neither read nor written in its
// place (a profile read there would leave a ".BAKL" copy behind).
TEST_F(CProfileFiles, AnOverrideTooLongForThePathBufferEndsTheStartAndLeavesTheDataHomeAlone)
{
    const std::string home = "xdg/Brinemark/Palmora Data/";
    std::filesystem::create_directories(folder.File(home));
    folder.Write(home + "PROFILE1v8.DAT", ProfileFile({ScalarRecord(60, "i", Int32(3))}, {}));
    folder.Write(home + "PALMORAv8.DAT", HeaderFile(0, {{0, "Ana"}}));
    const auto homeFiles = [this] {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.File("xdg"))) {
            files[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path().string()) : "";
        }
        return files;
    };
    const auto before = homeFiles();
    // Levels of 200 characters: the longest folder that fits can be made.
    const auto overrideOf = [this](size_t length, bool closingSlash) {
        std::string path = folder.File("o");
        while (path.size() < length) {
            path += path.size() % 201 == 0 ? '/' : 'o';
        }
        path.back() = closingSlash ? '/' : 'o';
        return path;
    };
    struct Case {
        size_t length;
        bool closingSlash;
        bool fits;
    };
    const Case cases[] = {{PATH_BUFFER_SIZE - 2, false, true},
                          {PATH_BUFFER_SIZE - 1, false, false},
                          {PATH_BUFFER_SIZE - 1, true, true},
                          {PATH_BUFFER_SIZE, true, false}};
    for (const Case& c : cases) {
        const std::string path = overrideOf(c.length, c.closingSlash);
        const std::string folderPath = c.closingSlash ? path : path + "/";
        SCOPED_TRACE(std::to_string(path.size()) + (c.closingSlash ? " with its closing slash" : ""));
        ASSERT_EQ(path.size(), c.length);
        std::remove("LOG.TXT");
        const ChildResult result = RunInChild([&] {
            EnvironmentValue xdg("XDG_DATA_HOME", folder.File("xdg").c_str());
            EnvironmentValue override("PALMORA_USER_DATA", path.c_str());
            delete Open();
        });
        const std::string message = "Cannot save profile: " + folderPath;
        if (c.fits) {
            EXPECT_EQ(result.exitCode, 0) << result.output;
            EXPECT_TRUE(std::filesystem::exists(folderPath + "PROFILE1v8.DAT"));
            EXPECT_TRUE(std::filesystem::exists(folderPath + "PALMORAv8.DAT"));
        } else {
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_NE(result.output.find("ERROR!  " + message), std::string::npos) << result.output;
            EXPECT_NE(folder.Read("LOG.TXT").find(message), std::string::npos);
        }
        const auto after = homeFiles();
        std::string names;
        for (const auto& file : after) {
            names += file.first.substr(folder.Path().size()) + "\n";
        }
        EXPECT_TRUE(after == before) << names;
    }
}
