#include "CSound.h"

#include "CSoundFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sound_fixture;

namespace {

const char* SongName(const CSound* song)
{
    const CSound* const songs[] = {CSound::songTitle, CSound::songGame1, CSound::songGame2, CSound::songGame3,
                                   CSound::songGame4};
    const char* const names[] = {"MENU", "GAME1", "GAME2", "GAME3", "GAME4"};
    for (int i = 0; i < 5; i++) {
        if (song && song == songs[i]) {
            return names[i];
        }
    }
    return song ? "other" : "none";
}

class Music : public SoundOn {};

}  // namespace

TEST_F(Music, TheTitleSongStartsAtTheMusicVolumeAndRepeats)
{
    CSound::SetGlobalMusicVolume(0.5f);
    CSound::PlayMusicTitle(false);
    EXPECT_EQ(CSound::currentSong, CSound::songTitle);
    EXPECT_TRUE(CSound::songTitle->IsPlaying());
    EXPECT_FALSE(CSound::songTitle->IsFadingIn());
    EXPECT_EQ(CSound::songTitle->GetVolume(), 0.5f);
    Mix(3 * 3000);
    EXPECT_TRUE(CSound::songTitle->IsPlaying());
    // Switching to the song already current neither restarts nor fades it.
    CSound::PlayMusicTitle(true);
    EXPECT_FALSE(CSound::songTitle->IsFadingIn());
    EXPECT_EQ(CSound::songTitle->GetVolume(), 0.5f);
}

TEST_F(Music, SwitchingSongsCrossFades)
{
    CSound::PlayMusicTitle(false);
    CSound::PlayMusicGame(0);
    EXPECT_EQ(CSound::currentSong, CSound::songGame1);
    EXPECT_TRUE(CSound::songTitle->IsFadingOut());
    EXPECT_TRUE(CSound::songGame1->IsFadingIn());
    EXPECT_EQ(CSound::songGame1->GetVolume(), 0.0f);
    PumpTimes(15);
    EXPECT_FALSE(CSound::songTitle->IsPlaying());
    EXPECT_EQ(CSound::songTitle->GetVolume(), 1.0f);
    EXPECT_NEAR(CSound::songGame1->GetVolume(), 0.5f, 1e-5);
    PumpTimes(16);
    EXPECT_FALSE(CSound::songGame1->IsFadingIn());
    EXPECT_EQ(CSound::songGame1->GetVolume(), 1.0f);
}

TEST_F(Music, GameSongsFollowEachOtherInTurn)
{
    struct Case {
        const char* what;
        std::vector<int> calls;  // PlayMusicGame arguments, in order
        std::vector<std::string> order;
    } cases[] = {
        {"from track 2", {2}, {"GAME3", "GAME4", "GAME1", "GAME2", "GAME3"}},
        {"track 2 again while it plays", {2, 2}, {"GAME3", "GAME4", "GAME1"}},
        {"from the first", {0}, {"GAME1", "GAME2", "GAME3"}},
        {"a track outside the four comes back round", {7}, {"GAME4", "GAME1", "GAME2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int track : c.calls) {
            CSound::PlayMusicGame(track);
        }
        std::vector<std::string> heard = {SongName(CSound::currentSong)};
        // The second call changed no song: it is still fading in from the first.
        EXPECT_TRUE(CSound::currentSong->IsFadingIn());
        while (heard.size() < c.order.size()) {
            Mix(kSongFrames + 10);
            CSound::PumpAll();
            heard.push_back(SongName(CSound::currentSong));
            EXPECT_TRUE(CSound::currentSong->IsPlaying());
        }
        EXPECT_EQ(heard, c.order);
        CSound::StopMusic();
        PumpTimes(16);
    }
}

TEST_F(Music, TheIntroSongLeavesTheGameStage)
{
    CSound::PlayMusicGame(1);
    CSound::PlayMusicIntro();
    EXPECT_FALSE(CSound::playingStage);
    EXPECT_EQ(CSound::currentSong, CSound::songGame2);
    // GAME2 was already current: no new fade.
    EXPECT_TRUE(CSound::songGame2->IsFadingIn());
    Mix(kSongFrames * 3);
    CSound::PumpAll();
    EXPECT_EQ(CSound::currentSong, CSound::songGame2);
}

TEST_F(Music, StopMusicFadesTheSongOutAndEndsTheStage)
{
    CSound::PlayMusicGame(0);
    PumpTimes(31);
    CSound::StopMusic();
    EXPECT_FALSE(CSound::playingStage);
    EXPECT_EQ(CSound::currentSong, nullptr);
    EXPECT_TRUE(CSound::songGame1->IsFadingOut());
    PumpTimes(15);
    EXPECT_FALSE(CSound::songGame1->IsPlaying());
    Mix(kSongFrames * 2);
    PumpTimes(5);
    EXPECT_EQ(CSound::currentSong, nullptr);
    EXPECT_FALSE(CSound::songGame2->IsPlaying());
}

TEST_F(Music, TheMusicVolumeGovernsSongsOnly)
{
    CSound* effect = new CSound("tone.wav", false, 1.0f, false);
    CSound::PlayMusicTitle(false);
    CSound::SetGlobalMusicVolume(0.25f);
    EXPECT_EQ(CSound::songTitle->GetVolume(), 0.25f);
    EXPECT_EQ(effect->GetVolume(), 1.0f);
    // Muted music still starts, so that raising the volume is heard.
    CSound::SetGlobalMusicVolume(0.0f);
    CSound::PlayMusicGame(0);
    PumpTimes(31);
    EXPECT_TRUE(CSound::songGame1->IsPlaying());
    EXPECT_EQ(CSound::songGame1->GetVolume(), 0.0f);
    delete effect;
}

TEST_F(Music, DeletingTheCurrentSongOrUnloadingTheMusicForgetsTheSongs)
{
    CSound::PlayMusicTitle(false);
    delete CSound::songTitle;
    EXPECT_EQ(CSound::songTitle, nullptr);
    EXPECT_EQ(CSound::currentSong, nullptr);
    CSound::PlayMusicGame(0);
    EXPECT_EQ(CSound::currentSong, CSound::songGame1);

    const size_t objects = CSound::soundObjects.size();
    CSound::UnloadMusic();
    EXPECT_EQ(CSound::soundObjects.size(), objects - 4);
    for (CSound* song : {CSound::songGame1, CSound::songGame2, CSound::songGame3, CSound::songGame4,
                         CSound::currentSong}) {
        EXPECT_EQ(song, nullptr);
    }
    // The stage may still be set; with no songs it plays nothing.
    CSound::PumpAll();
    CSound::PlayMusicGame(-1);
    CSound::PlayMusicTitle(true);
    EXPECT_EQ(CSound::currentSong, nullptr);
}

TEST_F(Music, LoadingReportsProgressInStepsOfAHundred)
{
    CSound::UnloadMusic();
    std::vector<int> shown;
    CSound::LoadGameMusic(250, [&](int count) { shown.push_back(count); });
    EXPECT_EQ(shown, (std::vector<int>{350, 450, 550, 650}));
    EXPECT_NE(CSound::songGame4, nullptr);
    shown.clear();
    CSound::Preload(1000, [&](int count) { shown.push_back(count); });
    EXPECT_EQ(shown, (std::vector<int>{1100, 1200, 1300}));
}
