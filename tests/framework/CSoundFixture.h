// A small game's sound world for the CSound tests: the settings file that
// picks the null output, a sound archive, the five songs and one narration
// file, loaded as start-up loads them; the test advances the mixer itself.
#pragma once

#include "CSound.h"

#include "../platform/SoundFixtures.h"
#include "CSoundSystem.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sound_fixture {

using namespace fixtures;

constexpr int16_t kLevel = 10000;
constexpr int kToneFrames = 4410;
constexpr int kSongFrames = 2000;
constexpr const char* kResources = "Palmora.app/Contents/Resources/";

inline void WriteSettings(const TempFolder& folder, int32_t output, int32_t driver)
{
    std::filesystem::create_directories(folder.File("userdata"));
    folder.Write("userdata/SOUNDv8.DAT", Word32(static_cast<uint32_t>(output)) + Word32(static_cast<uint32_t>(driver)));
}

inline void WriteResources(const TempFolder& folder)
{
    const std::string resources = kResources;
    std::filesystem::create_directories(folder.File(resources + "music"));
    std::filesystem::create_directories(folder.File(resources + "voice"));
    folder.Write(resources + "resource2.dat",
                 ArchiveBytes({{"tone.wav", Wave(Constant(kToneFrames, 1, kLevel), 1, 44100)},
                          {"blip.wav", Wave(Constant(100, 1, kLevel), 1, 44100)},
                          {"click.ogg", Ogg(Sine(2000, 1, 44100, 1000.0f, 6000.0f), 1, 44100)}}));
    folder.Write(resources + "music/MENU.dat", Ogg(Sine(3000, 2, 44100, 262.0f, 8000.0f), 2, 44100));
    for (int i = 1; i <= 4; i++) {
        folder.Write(resources + "music/GAME" + std::to_string(i) + ".dat",
                     Ogg(Sine(kSongFrames, 2, 44100, 200.0f + 50.0f * i, 8000.0f), 2, 44100));
    }
    folder.Write(resources + "voice/tutorial1.dat", Ogg(Sine(3000, 1, 22050, 300.0f, 8000.0f), 1, 22050));
}

inline std::vector<int16_t> Mix(int frames)
{
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    CSound::system->Mix(out.data(), frames);
    return out;
}

// The level one frame of a constant archive sound comes out at, as a factor.
inline float MixedLevel(int side = 0)
{
    return static_cast<float>(Mix(1)[side]) / kLevel;
}

inline void PumpTimes(int n)
{
    for (int i = 0; i < n; i++) {
        CSound::PumpAll();
    }
}

// Sound on, on the null output, advanced only by the test's own Mix calls.
class SoundOn : public testing::Test {
protected:
    void SetUp() override
    {
        WriteSettings(folder, SOUND_OUTPUT_NOSOUND, 0);
        WriteResources(folder);
        CSound::Initialize(true);
        ASSERT_TRUE(CSound::soundInitialized);
        CSound::system->SetPullMixing(true);
        CSound::Preload(0, [](int) {});
        CSound::LoadTitleMusic();
        CSound::LoadGameMusic(0, [](int) {});
    }

    void TearDown() override
    {
        objects.clear();
        CSound::UnloadMusic();
        CSound::ShutDown();
    }

    CSound* Make(const char* name, float volume = 1.0f, bool isStream = false)
    {
        objects.emplace_back(new CSound(name, false, volume, isStream));
        return objects.back().get();
    }

    TempFolder folder;
    std::vector<std::unique_ptr<CSound>> objects;
};

}  // namespace sound_fixture
