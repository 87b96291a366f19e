#include "CSound.h"

#include "CSoundFixture.h"
#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

using namespace fixtures;
using namespace sound_fixture;

namespace {

int OpenFiles()
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        (void)entry;
        count++;
    }
    return count;
}

}  // namespace

TEST(CSoundWithSoundOff, EveryOperationDoesNothingAndAnswersZero)
{
    TempFolder folder;
    ASSERT_FALSE(CSound::soundInitialized);
    // No archive exists, and no name is looked up.
    CSound::Preload(nullptr);
    CSound::LoadTitleMusic();
    {
        CSound sound("no-such-sound.wav", false, 0.5f, false);
        sound.Play(true, 7, 2.0f, false);
        sound.FadeIn(10);
        CSound::PumpAll();
        EXPECT_FALSE(sound.IsPlaying() || sound.IsFadingIn());
        EXPECT_EQ(sound.GetVolume(), 0.0f);
        EXPECT_EQ(sound.GetFramesToDelay(), 0);
    }
    CSound::SetGlobalVolume(0.5f);
    EXPECT_EQ(CSound::GetGlobalVolume(), 1.0f);
    CSound::PlayMusicGame(2);
    EXPECT_EQ(CSound::currentSong, nullptr);
    EXPECT_FALSE(CSound::playingStage);
    EXPECT_TRUE(CSound::sounds.empty() && CSound::soundObjects.empty());
    CSound::UnloadMusic();
}

TEST_F(SoundOn, PlaysAtTheObjectsVolumeTimesTheGlobalOneAndMutedOnlyLoopsStart)
{
    CSound* sound = Make("tone.wav", 0.5f);
    sound->Play(false, 0, 0.0f, false);
    EXPECT_EQ(Mix(1), (std::vector<int16_t>{kLevel / 2, kLevel / 2}));
    CSound::SetGlobalVolume(0.5f);
    EXPECT_FLOAT_EQ(MixedLevel(), 0.25f);
    EXPECT_EQ(Make("tone.wav", 1.0f)->GetVolume(), 0.5f) << "objects made later start from the new level";
    sound->Stop();

    CSound::SetGlobalVolume(0.0f);
    CSound* once = Make("tone.wav");
    once->Play(false, 0, 0.0f, false);
    EXPECT_FALSE(once->IsPlaying()) << "a muted one-shot takes no channel";
    once->Play(false, 5, 0.0f, false);
    EXPECT_EQ(once->GetFramesToDelay(), 0) << "nor later";
    CSound* loop = Make("tone.wav");
    loop->Play(true, 0, 0.0f, false);
    EXPECT_EQ(MixedLevel(), 0.0f);
    CSound::SetGlobalVolume(0.8f);
    EXPECT_FLOAT_EQ(MixedLevel(), 0.8f);
}

TEST_F(SoundOn, DelayedStartsCountPumpAllCalls)
{
    struct Case {
        const char* what;
        int delay;
        int cancelAt;   // SetFramesToDelay(0) after this many pumps, or -1
        int replayAt;   // a second delayed Play after this many pumps, or -1
        int startsAt;   // the pump that starts it, or -1 for never
    } cases[] = {
        {"plain delay", 60, -1, -1, 60},
        {"cancelled", 60, 30, -1, -1},
        {"restarted by a second delayed play", 60, -1, 30, 90},
        {"negative", -5, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSound* sound = Make("tone.wav");
        sound->Play(false, c.delay, 0.0f, false);
        int started = -1;
        for (int pump = 1; pump <= 120 && started < 0; pump++) {
            if (pump - 1 == c.cancelAt) {
                sound->SetFramesToDelay(0);
            }
            if (pump - 1 == c.replayAt) {
                sound->Play(false, c.delay, 0.0f, false);
            }
            CSound::PumpAll();
            if (sound->IsPlaying()) {
                started = pump;
            }
        }
        EXPECT_EQ(started, c.startsAt);
        sound->Stop();
    }
    // A delayed loop starts once, at the normal frequency: it ends with the tone.
    CSound* loop = Make("tone.wav");
    loop->Play(true, 1, 2.0f, false);
    CSound::PumpAll();
    Mix(kToneFrames - 1);
    EXPECT_TRUE(loop->IsPlaying());
    Mix(2);
    EXPECT_FALSE(loop->IsPlaying());
}

TEST_F(SoundOn, FadesOfNFramesEndAfterNPlusOnePumpsOnAStraightLine)
{
    for (int n : {0, 1, 4}) {
        SCOPED_TRACE(n);
        CSound* sound = Make("tone.wav");
        sound->Play(true, 0, 0.0f, false);
        sound->FadeOut(n);
        for (int i = 1; i <= n; i++) {
            CSound::PumpAll();
            EXPECT_NEAR(sound->GetVolume(), static_cast<float>(n - i) / n, 1e-5) << "frame " << i;
            EXPECT_NEAR(MixedLevel(), static_cast<float>(n - i) / n, 1e-4) << "frame " << i;
            EXPECT_TRUE(sound->IsFadingOut());
        }
        CSound::PumpAll();
        EXPECT_FALSE(sound->IsFadingOut());
        // A faded-out loop goes on silently.
        EXPECT_TRUE(sound->IsPlaying());
        EXPECT_EQ(sound->GetVolume(), 0.0f);

        sound->FadeIn(n);
        for (int i = 1; i <= n; i++) {
            CSound::PumpAll();
            EXPECT_NEAR(sound->GetVolume(), static_cast<float>(i) / n, 1e-5) << "frame " << i;
            EXPECT_TRUE(sound->IsFadingIn());
        }
        CSound::PumpAll();
        EXPECT_FALSE(sound->IsFadingIn());
        EXPECT_EQ(sound->GetVolume(), 1.0f);
        EXPECT_FLOAT_EQ(MixedLevel(), 1.0f);
        sound->Stop();
    }
}

TEST_F(SoundOn, AFadeTurnedAroundOrMetByANewGlobalVolumeStartsFromTheLevelReached)
{
    CSound* sound = Make("tone.wav");
    sound->Play(true, 0, 0.0f, false);
    sound->FadeOut(4);
    PumpTimes(2);
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.5f);
    sound->FadeIn(2);
    CSound::PumpAll();
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.75f);
    sound->FadeOut(2);
    CSound::PumpAll();
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.375f);
    sound->FadeIn(2);
    CSound::SetGlobalVolume(0.2f);
    // The setter leaves fading objects alone; the fade then heads for 0.2.
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.375f);
    PumpTimes(2);
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.2f);

    // A one-shot faded out stops, ready at the global level.
    CSound* once = Make("tone.wav");
    once->Play(false, 0, 0.0f, false);
    once->FadeOut(3);
    PumpTimes(2);
    EXPECT_TRUE(once->IsPlaying());
    CSound::PumpAll();
    EXPECT_FALSE(once->IsPlaying());
    EXPECT_EQ(once->GetVolume(), 0.2f);
}

TEST_F(SoundOn, PositionalPlaySetsPanAndLevelBeforeTheFirstSampleAndFollowsTheSource)
{
    struct Case {
        coordinate offset;
        float pan;
        float level;
    } cases[] = {
        {{-30, 0}, 0.0f, 1.0f},
        {{270, 0}, 1.0f, 0.5f},
        {{-330, 40}, -1.0f, 1.0f - (std::sqrt(300.0f * 300.0f + 40.0f * 40.0f) - 100.0f) / 400.0f},
        {{1000, -1000}, 1.0f, 0.0f},
        {{120, 0}, 0.5f, 0.875f},
    };
    // The distance level replaces the global volume.
    CSound::SetGlobalVolume(0.5f);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset.x << "," << c.offset.y);
        CSound* sound = Make("tone.wav");
        sound->Play(c.offset, false, 0, 0.0f);
        EXPECT_NEAR(sound->GetVolume(), c.level, 1e-5);
        const std::vector<int16_t> first = Mix(1);
        EXPECT_NEAR(first[0], kLevel * c.level * std::min(1.0f, 1.0f - c.pan), 1.0);
        EXPECT_NEAR(first[1], kLevel * c.level * std::min(1.0f, 1.0f + c.pan), 1.0);
        sound->Stop();
    }
    EXPECT_NEAR(cases[2].level, 0.493f, 0.001f);

    // A moving source; 500 pixels heard 1.5 times as far away count as 333.
    CSound* sound = Make("tone.wav");
    sound->AdjustPosition(coordinate{120, 0}, 1.0f);
    EXPECT_FLOAT_EQ(sound->GetVolume(), 0.875f) << "not playing: only the level is stored";
    sound->Play(coordinate{-30, 0}, true, 0, 0.0f);
    sound->AdjustPosition(coordinate{470, 0}, 1.5f);
    EXPECT_NEAR(sound->GetVolume(), 1.0f - (500.0f / 1.5f - 100.0f) / 400.0f, 1e-5);
    const std::vector<int16_t> out = Mix(1);
    EXPECT_EQ(out[0], 0);
    EXPECT_NEAR(out[1], kLevel * sound->GetVolume(), 1.0);
}

TEST_F(SoundOn, PlaysOverlapAndStopEndsOnlyTheObjectsLatest)
{
    CSound* a = Make("blip.wav");
    CSound* b = Make("blip.wav");
    EXPECT_EQ(CSound::preloaded.size(), 3u) << "one archive sound for both";
    a->Play(false, 0, 0.0f, false);
    a->Play(false, 0, 0.0f, false);
    b->Play(true, 0, 0.0f, false);
    EXPECT_FLOAT_EQ(MixedLevel(), 3.0f);
    a->Stop();
    EXPECT_FALSE(a->IsPlaying());
    EXPECT_FLOAT_EQ(MixedLevel(), 2.0f);
    Mix(150);
    EXPECT_TRUE(b->IsPlaying()) << "the other object's loop goes on";
    b->Stop();
    EXPECT_EQ(MixedLevel(), 0.0f);
}

TEST_F(SoundOn, PauseSilencesLoopsAndResumeBringsThemBack)
{
    CSound* loop = Make("tone.wav");
    CSound* once = Make("tone.wav");
    loop->Play(true, 0, 0.0f, false);
    once->Play(false, 0, 0.0f, false);
    CSound::PlayMusicTitle(false);
    CSound::PauseAllSound();
    EXPECT_TRUE(CSound::isPaused);
    EXPECT_TRUE(loop->IsFadingOut());
    EXPECT_FALSE(once->IsFadingOut());
    EXPECT_TRUE(CSound::songTitle->IsFadingOut());
    CSound* later = Make("tone.wav");
    later->Play(false, 0, 0.0f, false);
    later->Play(coordinate{0, 0}, false, 0, 0.0f);
    EXPECT_FALSE(later->IsPlaying());

    PumpTimes(16);
    EXPECT_TRUE(loop->IsPlaying());
    EXPECT_EQ(loop->GetVolume(), 0.0f);
    EXPECT_FALSE(CSound::songTitle->IsPlaying());

    CSound::ResumeAllSound();
    EXPECT_FALSE(CSound::isPaused);
    EXPECT_TRUE(loop->IsFadingIn());
    EXPECT_TRUE(CSound::songTitle->IsPlaying());
    EXPECT_TRUE(CSound::songTitle->IsFadingIn());
    PumpTimes(31);
    EXPECT_EQ(loop->GetVolume(), 1.0f);
    EXPECT_EQ(CSound::songTitle->GetVolume(), 1.0f);
}

TEST_F(SoundOn, NarrationStreamsGoWithTheirObjects)
{
    const size_t registered = CSound::sounds.size();
    const int files = OpenFiles();
    for (int i = 0; i < 50; i++) {
        CSound* voice = new CSound("tutorial1.dat", false, 1.0f, true);
        voice->Play(false, 0, 0.0f, false);
        Mix(100);
        delete voice;
    }
    EXPECT_EQ(OpenFiles(), files);
    EXPECT_EQ(CSound::sounds.size(), registered + 1);
    EXPECT_EQ(CSound::sounds.back(), nullptr);
    // An archive sound is shared and stays.
    delete new CSound("tone.wav", false, 1.0f, false);
    EXPECT_NE(CSound::preloaded.find("tone.wav"), CSound::preloaded.end());
    EXPECT_NE(CSound::GetSound(CSound::preloaded["tone.wav"]), nullptr);
}

TEST_F(SoundOn, ANarrationStreamPlaysToItsEnd)
{
    CSound* voice = Make("tutorial1.dat", 1.0f, true);
    voice->Play(false, 0, 0.0f, false);
    // 3000 frames at 22,050 Hz last 6000 output frames.
    const std::vector<int16_t> out = Mix(5990);
    EXPECT_NEAR(Peak(out, 0, 1000), 8000, 800);
    EXPECT_TRUE(voice->IsPlaying());
    Mix(20);
    EXPECT_FALSE(voice->IsPlaying());
}

TEST_F(SoundOn, MissingSoundsAndFilesAreFatalWithTheirNames)
{
    struct Case {
        const char* name;
        bool isMusic;
        bool isStream;
        const char* message;
    } cases[] = {
        {"nothing.wav", false, false, "ERROR!  Unable to find preloaded sound: nothing.wav"},
        {"none.dat", false, true,
         "ERROR!  Sound library error: File not found. Palmora.app/Contents/Resources/voice/none.dat"},
        {"GAME9.dat", true, false,
         "ERROR!  Sound library error: File not found. Palmora.app/Contents/Resources/music/GAME9.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChildResult result = RunInChild([&] { new CSound(c.name, c.isMusic, 1.0f, c.isStream); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
    }
    // A damaged narration file is reported the same way.
    folder.Write(std::string(kResources) + "voice/bad.dat", "RIFF but not really a sound");
    ChildResult result = RunInChild([] { new CSound("bad.dat", false, 1.0f, true); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Sound library error: Unsupported sound format. "), std::string::npos);
}
