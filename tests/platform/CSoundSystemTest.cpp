#include "CSoundSystem.h"

#include "CSoundSource.h"
#include "ChildProcess.h"
#include "SoundFixtures.h"
#include "TempFolder.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace fixtures;

namespace {

const int16_t kLevel = 10000;

// The layer on its null output, advanced only by the test.
class NullOutput : public testing::Test {
protected:
    void SetUp() override
    {
        CSoundSystem* raw = nullptr;
        ASSERT_EQ(CSoundSystem::Create(&raw), SOUND_OK);
        system.reset(raw);
        ASSERT_EQ(system->SetOutput(SOUND_OUTPUT_NOSOUND), SOUND_OK);
        ASSERT_EQ(system->Init(128), SOUND_OK);
        system->SetPullMixing(true);
    }

    CSoundSource* Sound(const std::string& bytes)
    {
        CSoundSource* sound = nullptr;
        EXPECT_EQ(system->CreateSound(bytes.data(), static_cast<int>(bytes.size()), &sound), SOUND_OK);
        return sound;
    }

    // frames of a constant level, mono, at the output rate.
    CSoundSource* ConstantSound(int frames, int16_t level = kLevel, int rate = SOUND_OUTPUT_RATE)
    {
        return Sound(Wave(Constant(frames, 1, level), 1, rate));
    }

    SoundChannel Play(CSoundSource* sound, bool paused = false)
    {
        SoundChannel channel;
        EXPECT_EQ(system->PlaySound(sound, paused, &channel), SOUND_OK);
        return channel;
    }

    std::vector<int16_t> Mix(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2, -1);
        system->Mix(out.data(), frames);
        return out;
    }

    bool Playing(SoundChannel channel)
    {
        bool playing = true;
        EXPECT_EQ(system->IsPlaying(channel, &playing), SOUND_OK);
        return playing;
    }

    std::unique_ptr<CSoundSystem> system;
};

}  // namespace

TEST_F(NullOutput, AppliesVolumeAndPanToEachSide)
{
    struct Case {
        float volume;
        float pan;
        int left;
        int right;
    } cases[] = {
        {1.0f, 0.0f, 10000, 10000}, {1.0f, 1.0f, 0, 10000}, {1.0f, -0.5f, 10000, 5000},
        {0.5f, 0.5f, 2500, 5000},   {3.0f, -7.0f, 10000, 0},  // clamped to 1 and -1
        {1.0f, NAN, 10000, 10000},                              // centred
    };
    CSoundSource* sound = ConstantSound(1000);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume << " pan " << c.pan);
        SoundChannel channel = Play(sound, true);
        system->SetVolume(channel, c.volume);
        system->SetPan(channel, c.pan);
        system->SetPaused(channel, false);
        const std::vector<int16_t> out = Mix(10);
        EXPECT_EQ((std::vector<int>{out[0], out[1], out[18], out[19]}),
                  (std::vector<int>{c.left, c.right, c.left, c.right}));
        if (std::isnan(c.pan)) {
            float pan = 9.0f;
            system->GetPan(channel, &pan);
            EXPECT_EQ(pan, 0.0f);
        }
        system->Stop(channel);
    }
}

TEST_F(NullOutput, APausedPlayIsSilentAndKeepsItsPlace)
{
    CSoundSource* sound = Sound(Wave({0, 1000, 2000, 3000, 4000, 5000}, 1, SOUND_OUTPUT_RATE));
    SoundChannel channel = Play(sound, true);
    EXPECT_EQ(Peak(Mix(100), 0), 0);
    EXPECT_TRUE(Playing(channel));
    system->SetPaused(channel, false);
    const std::vector<int16_t> out = Mix(3);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 1000);
    EXPECT_EQ(out[4], 2000);
}

TEST_F(NullOutput, AOneShotEndsAfterItsLengthALoopCountAddsPassesAndMinusOneLoops)
{
    CSoundSource* sound = ConstantSound(1000);
    SoundChannel once = Play(sound);
    sound->SetLoopCount(-1);
    SoundChannel looping = Play(sound);
    CSoundSource* short3 = ConstantSound(100);
    short3->SetLoopCount(2);
    SoundChannel thrice = Play(short3);
    // The count was read when the first play started.
    sound->SetLoopCount(0);
    Mix(299);
    EXPECT_TRUE(Playing(thrice));
    Mix(2);
    EXPECT_FALSE(Playing(thrice));
    Mix(698);
    EXPECT_TRUE(Playing(once));
    Mix(2);
    EXPECT_FALSE(Playing(once));
    const std::vector<int16_t> later = Mix(1500);
    EXPECT_TRUE(Playing(looping));
    EXPECT_EQ(Peak(later, 0, 1400), kLevel);
    CSoundSource* current = nullptr;
    system->GetCurrentSound(looping, &current);
    EXPECT_EQ(current, sound);
    system->GetCurrentSound(once, &current);
    EXPECT_EQ(current, nullptr);
}

TEST_F(NullOutput, FrequencyScalesTheDurationAndResamplesLinearly)
{
    CSoundSource* sound = ConstantSound(1000);
    SoundChannel channel = Play(sound, true);
    float frequency = 0.0f;
    system->GetFrequency(channel, &frequency);
    EXPECT_EQ(frequency, 44100.0f);
    system->SetFrequency(channel, 2.0f * frequency);
    system->SetPaused(channel, false);
    Mix(499);
    EXPECT_TRUE(Playing(channel));
    Mix(2);
    EXPECT_FALSE(Playing(channel));

    // A sound made at half the output rate plays at its own rate: every
    // second output frame falls halfway between two of its frames.
    CSoundSource* ramp = Sound(Wave({0, 1000, 2000, 3000}, 1, 22050));
    SoundChannel slow = Play(ramp);
    system->GetFrequency(slow, &frequency);
    EXPECT_EQ(frequency, 22050.0f);
    const std::vector<int16_t> out = Mix(6);
    const int expected[] = {0, 500, 1000, 1500, 2000, 2500};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(out[2 * i], expected[i]) << "frame " << i;
    }
}

TEST_F(NullOutput, StaleHandlesAreHarmlessAfterStopAndReuse)
{
    CSoundSource* sound = ConstantSound(1000);
    SoundChannel first = Play(sound);
    system->Stop(first);
    EXPECT_FALSE(Playing(first));
    // The freed channel carries the next play under a new generation.
    SoundChannel second = Play(sound);
    EXPECT_EQ(second.index, first.index);
    EXPECT_NE(second.generation, first.generation);

    float untouched = 42.0f;
    const std::vector<SoundResult> results = {system->SetVolume(first, 0.0f),   system->SetPan(first, -1.0f),
                                              system->SetFrequency(first, 1.0f), system->SetPaused(first, true),
                                              system->GetFrequency(first, &untouched), system->Stop(first)};
    EXPECT_EQ(results, std::vector<SoundResult>(6, SOUND_OK));
    EXPECT_EQ(untouched, 42.0f);
    CSoundSource* current = sound;
    system->GetCurrentSound(first, &current);
    EXPECT_EQ(current, nullptr);
    EXPECT_FALSE(Playing(first));
    // The newer play went on untouched.
    EXPECT_TRUE(Playing(second));
    EXPECT_EQ(Mix(1), (std::vector<int16_t>{kLevel, kLevel}));
}

TEST_F(NullOutput, TheOneHundredTwentyNinthPlayStealsTheOldestOneShotFirst)
{
    CSoundSource* looping = ConstantSound(1000, 1);
    looping->SetLoopCount(-1);
    CSoundSource* once = ConstantSound(1000, 1);
    SoundChannel oldestLoop = Play(looping);
    SoundChannel oldestOneShot = Play(once);
    SoundChannel newerOneShot = Play(once);
    for (int i = 0; i < 125; i++) {
        Play(looping);
    }
    SoundChannel thief = Play(once);
    EXPECT_EQ(thief.index, oldestOneShot.index);
    EXPECT_FALSE(Playing(oldestOneShot));
    EXPECT_TRUE(Playing(oldestLoop));
    EXPECT_TRUE(Playing(newerOneShot));
    EXPECT_TRUE(Playing(thief));

    // With only loops left to take, the oldest play goes.
    system->Stop(newerOneShot);
    system->Stop(thief);
    Play(looping);
    Play(looping);
    SoundChannel lastThief = Play(looping);
    EXPECT_EQ(lastThief.index, oldestLoop.index);
    EXPECT_FALSE(Playing(oldestLoop));
}

TEST_F(NullOutput, MixedPlaysAddUpAndClipAtTheSampleRange)
{
    CSoundSource* loud = ConstantSound(100, 30000);
    Play(loud);
    Play(loud);
    CSoundSource* quiet = ConstantSound(100, -30000);
    const std::vector<int16_t> out = Mix(1);
    EXPECT_EQ(out[0], 32767);
    Play(quiet);
    Play(quiet);
    Play(quiet);
    EXPECT_EQ(Mix(1)[1], -30000);
    Play(quiet);
    Play(quiet);
    EXPECT_EQ(Mix(1)[0], -32768);
}

TEST_F(NullOutput, ReleasingASoundEndsItsPlays)
{
    CSoundSource* sound = ConstantSound(1000);
    SoundChannel a = Play(sound);
    SoundChannel b = Play(sound);
    EXPECT_EQ(system->ReleaseSound(sound), SOUND_OK);
    EXPECT_FALSE(Playing(a));
    EXPECT_FALSE(Playing(b));
    EXPECT_EQ(Peak(Mix(10), 0), 0);
    EXPECT_EQ(system->ReleaseSound(sound), SOUND_ERR_INVALID_PARAM);
}

TEST_F(NullOutput, StreamsPlayTheirFileAndRestartWhenPlayedAgain)
{
    TempFolder folder;
    // Longer than one decoding window, so the stream decodes as it plays.
    const std::vector<int16_t> tone = Sine(22050, 2, 44100, 330.0f, 9000.0f);
    folder.Write("song.ogg", Ogg(tone, 2, 44100));
    CSoundSource* stream = nullptr;
    ASSERT_EQ(system->CreateStream(folder.File("song.ogg").c_str(), &stream), SOUND_OK);
    EXPECT_TRUE(stream->IsStream());

    SoundChannel first = Play(stream);
    const std::vector<int16_t> opening = Mix(15000);
    EXPECT_NEAR(Peak(opening, 0, 1000), 9000, 900);
    EXPECT_NEAR(Peak(opening, 1, 12000), 9000, 900);
    // A stream sounds on one channel: playing it again restarts it.
    SoundChannel second = Play(stream);
    EXPECT_FALSE(Playing(first));
    EXPECT_EQ(Mix(15000), opening);
    Mix(7049);
    EXPECT_TRUE(Playing(second));
    Mix(2);
    EXPECT_FALSE(Playing(second));

    // Looping, it wraps back to its opening.
    stream->SetLoopCount(-1);
    Play(stream);
    Mix(22050);
    EXPECT_EQ(Mix(15000), opening);
}

TEST_F(NullOutput, ACutStreamIsDamagedAndAStrangeOneIsAnotherFormat)
{
    TempFolder folder;
    const std::string song = Ogg(Sine(4410, 1, 44100, 440.0f, 8000.0f), 1, 44100);
    folder.Write("cut.ogg", song.substr(0, 40));
    folder.Write("text.ogg", std::string(100, 't'));
    CSoundSource* stream = nullptr;
    EXPECT_EQ(system->CreateStream(folder.File("cut.ogg").c_str(), &stream), SOUND_ERR_FILE_BAD);
    EXPECT_EQ(system->CreateStream(folder.File("text.ogg").c_str(), &stream), SOUND_ERR_FORMAT);
}

TEST(CSoundSystem, SetUpChecksOutputDriverAndOrder)
{
    CSoundSystem* raw = nullptr;
    ASSERT_EQ(CSoundSystem::Create(&raw), SOUND_OK);
    std::unique_ptr<CSoundSystem> system(raw);
    EXPECT_EQ(system->SetOutput(5), SOUND_ERR_OUTPUT_TYPE);
    EXPECT_EQ(system->GetOutput(), SOUND_OUTPUT_DEVICE);
    EXPECT_EQ(system->SetOutput(SOUND_OUTPUT_NOSOUND), SOUND_OK);
    int count = 0;
    char name[8];
    EXPECT_EQ(system->GetNumDrivers(&count), SOUND_OK);
    EXPECT_EQ(count, 1) << "one driver";
    EXPECT_EQ(system->GetDriverName(0, name, sizeof name), SOUND_OK);
    EXPECT_EQ(system->GetDriverName(1, name, sizeof name), SOUND_ERR_INVALID_PARAM);
    EXPECT_EQ(system->SetDriver(-1), SOUND_ERR_DRIVER);
    EXPECT_EQ(system->SetDriver(0), SOUND_OK);

    const std::string wave = Wave(Constant(10, 1, 1), 1, 8000);
    CSoundSource* sound = nullptr;
    EXPECT_EQ(system->CreateSound(wave.data(), static_cast<int>(wave.size()), &sound), SOUND_ERR_NOT_READY);
    EXPECT_EQ(system->Init(128), SOUND_OK);
    EXPECT_EQ(system->Init(128), SOUND_ERR_ALREADY_READY);
    EXPECT_EQ(system->SetOutput(SOUND_OUTPUT_DEVICE), SOUND_ERR_ALREADY_READY);
    EXPECT_EQ(system->SetDriver(0), SOUND_ERR_ALREADY_READY);
}

TEST(CSoundSystem, TheMainThreadCanChangeSoundsWhileTheCallbackMixes)
{
    TempFolder folder;
    folder.Write("song.ogg", Ogg(Sine(20000, 2, 44100, 220.0f, 8000.0f), 2, 44100));
    ChildResult result = RunInChild([&] {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        setenv("SDL_DISKAUDIODELAY", "0", 1);
        CSoundSystem* system = nullptr;
        CSoundSystem::Create(&system);
        if (system->Init(16) != SOUND_OK) {
            _exit(2);
        }
        const std::string wave = Wave(Sine(500, 1, 22050, 440.0f, 4000.0f), 1, 22050);
        for (int round = 0; round < 200; round++) {
            CSoundSource* stream = nullptr;
            CSoundSource* sound = nullptr;
            if (system->CreateStream(folder.File("song.ogg").c_str(), &stream) != SOUND_OK ||
                system->CreateSound(wave.data(), static_cast<int>(wave.size()), &sound) != SOUND_OK) {
                _exit(3);
            }
            SoundChannel channels[20];
            for (int i = 0; i < 20; i++) {
                system->PlaySound(i % 4 == 0 ? stream : sound, false, &channels[i]);
                system->SetFrequency(channels[i], 30000.0f + 1000.0f * i);
                system->SetPan(channels[i], i / 10.0f - 1.0f);
            }
            system->Update();
            for (int i = 0; i < 20; i += 3) {
                system->Stop(channels[i]);
            }
            system->ReleaseSound(stream);
            system->ReleaseSound(sound);
        }
        delete system;
        _exit(0);
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
}

TEST(CSoundSystem, WithoutPullMixingTheNullOutputKeepsTime)
{
    CSoundSystem* raw = nullptr;
    CSoundSystem::Create(&raw);
    std::unique_ptr<CSoundSystem> system(raw);
    system->SetOutput(SOUND_OUTPUT_NOSOUND);
    ASSERT_EQ(system->Init(8), SOUND_OK);
    const std::string wave = Wave(Constant(441, 1, 100), 1, 44100);
    CSoundSource* sound = nullptr;
    system->CreateSound(wave.data(), static_cast<int>(wave.size()), &sound);
    SoundChannel channel;
    system->PlaySound(sound, false, &channel);
    bool playing = true;
    // A hundredth of a second of sound ends once that much time has passed;
    // the bound only stops a broken clock from hanging the test.
    for (int i = 0; i < 100000 && playing; i++) {
        SDL_Delay(1);
        system->Update();
        system->IsPlaying(channel, &playing);
    }
    EXPECT_FALSE(playing);
}
