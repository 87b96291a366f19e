// Shared by the profile store's tests: a fresh user data folder per test, the
// event pump the mouse settings live in, the running settings reset, and a
// reader of the file formats written independently of the store's own code.
#pragma once

#include "ArchiveBytes.h"
#include "CController.h"
#include "CInput.h"
#include "CProfile.h"
#include "CSound.h"
#include "Config.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Stand-ins for saved records that the store meets only as tagged bytes.
struct stand_in_game_data {
    int32_t lastId;
};
struct stand_in_task_item {
    int32_t task;
    int32_t priority;
};
struct stand_in_person_data {
    char bytes[632];
};

template <>
struct ProfileType<stand_in_game_data> : ProfileRecord<stand_in_game_data, 4> {
    static constexpr const char* tag = "9game_data";
};
template <>
struct ProfileType<stand_in_task_item> : ProfileRecord<stand_in_task_item, 8> {
    static constexpr const char* tag = "9task_item";
};
template <>
struct ProfileType<stand_in_person_data> : ProfileRecord<stand_in_person_data, 632> {
    static constexpr const char* tag = "11person_data";
};

class ProfileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CController::input = &input;
        CSound::globalSoundVolume = 1.0f;
        CSound::globalMusicVolume = 1.0f;
        Config_SetFullscreen(true);
        CProfile::inputGrab = false;
        std::filesystem::create_directories(UserFile(""));
    }

    void TearDown() override
    {
        delete CProfile::current;
        CController::input = nullptr;
        // Loading a profile sets the volumes even with the sound off; the
        // next test starts from the levels a shut-down sound leaves.
        CSound::globalSoundVolume = 1.0f;
        CSound::globalMusicVolume = 1.0f;
    }

    // A store over whatever files the folder holds now.
    CProfile* Open() { return new CProfile(); }
    // Saves and closes the store, then opens the files again.
    CProfile* Reopen()
    {
        delete CProfile::current;
        return Open();
    }

    std::string UserFile(const std::string& name) const { return folder.File("userdata/" + name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(UserFile(name)); }
    std::string ReadUserFile(const std::string& name) const { return folder.Read("userdata/" + name); }
    void WriteUserFile(const std::string& name, const std::string& bytes) const
    {
        folder.Write("userdata/" + name, bytes);
    }
    void RemoveUserFile(const std::string& name) const { std::filesystem::remove(UserFile(name)); }

    TempFolder folder;
    CInput input;
};

// Little-endian building blocks of the file formats.
inline std::string Int32(int value)
{
    return Word32(static_cast<uint32_t>(value));
}
int Int32At(const std::string& bytes, size_t offset);
// The signed-byte sum of bytes 4 to the end, written over the first four.
std::string WithChecksum(std::string file);

// One record of a properties block, as found in a file.
struct StoredRecord {
    std::string tag;
    std::string bytes;
    int elementSize;  // vectors only
};
struct StoredBlock {
    std::map<int, StoredRecord> scalars;
    std::map<int, StoredRecord> vectors;
};
// Reads the properties block of a profile file that the store wrote.
StoredBlock ParseProfile(const std::string& file);

std::string ScalarRecord(int key, const std::string& tag, const std::string& value);
std::string VectorRecord(int key, int elementSize, const std::string& tag, const std::string& data);
// A profile file: checksum, reserved block, then the given records.
std::string ProfileFile(const std::vector<std::string>& scalars, const std::vector<std::string>& vectors,
                        const std::string& reserved = std::string(512, '\0'));
std::string HeaderFile(int active, const std::map<int, std::string>& names);
