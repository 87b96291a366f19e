// The songs and the game-music order, and pausing all sound.
#include "CSound.h"

#include "CSoundSystem.h"

namespace {

const int kSongFadeOutFrames = 15;
const int kSongFadeInFrames = 30;
const int kEffectFadeFrames = 10;
const int kGameTracks = 4;

}  // namespace

void CSound::PlayMusic(CSound* song, bool looping, bool fadeIn)
{
    if (!soundInitialized || !song || song == currentSong) {
        return;
    }
    if (currentSong) {
        currentSong->FadeOut(kSongFadeOutFrames);
    }
    currentSong = song;
    if (fadeIn) {
        song->FadeIn(kSongFadeInFrames);
    }
    song->Play(looping, 0, 0.0f, false);
}

void CSound::PlayMusicTitle(bool fadeIn)
{
    if (!soundInitialized) {
        return;
    }
    playingStage = false;
    PlayMusic(songTitle, true, fadeIn);
}

void CSound::PlayMusicIntro()
{
    if (!soundInitialized) {
        return;
    }
    playingStage = false;
    PlayMusic(songGame2, true, true);
}

void CSound::PlayMusicGame(int track)
{
    if (!soundInitialized) {
        return;
    }
    if (track != -1) {
        playingTrack = track;
    }
    playingStage = true;
    CSound* const songs[kGameTracks] = {songGame1, songGame2, songGame3, songGame4};
    CSound* song = playingTrack >= 0 && playingTrack < kGameTracks ? songs[playingTrack] : songGame4;
    PlayMusic(song, false, true);
    // A track number outside the four (only a caller's mistake gives one)
    // would otherwise never come back round.
    playingTrack++;
    if (playingTrack >= kGameTracks || playingTrack < 0) {
        playingTrack = 0;
    }
}

void CSound::StopMusic()
{
    if (!soundInitialized) {
        return;
    }
    playingStage = false;
    if (currentSong) {
        currentSong->FadeOut(kSongFadeOutFrames);
    }
    currentSong = nullptr;
}

void CSound::FadeOutAll()
{
    if (!soundInitialized) {
        return;
    }
    for (CSound* sound : soundObjects) {
        if (sound->IsSong()) {
            continue;
        }
        if (sound->volume != 0.0f && sound->fadeOutFrames == -1) {
            if (sound->loop && sound->IsPlaying()) {
                sound->FadeOut(kEffectFadeFrames);
            }
        } else {
            if (sound->IsPlaying()) {
                ErrorCheck(system->Stop(sound->channel));
            }
            sound->volume = globalSoundVolume;
            sound->ApplyVolume();
        }
    }
}

void CSound::FadeInAll()
{
    if (!soundInitialized) {
        return;
    }
    for (CSound* sound : soundObjects) {
        if (!sound->IsSong() && sound->loop && sound->IsPlaying()) {
            sound->FadeIn(kEffectFadeFrames);
        }
    }
}

void CSound::PauseAllSound()
{
    if (!soundInitialized || isPaused) {
        return;
    }
    FadeOutAll();
    if (currentSong) {
        currentSong->FadeOut(kSongFadeOutFrames);
    }
    isPaused = true;
}

void CSound::ResumeAllSound()
{
    if (!soundInitialized || !isPaused) {
        return;
    }
    isPaused = false;
    FadeInAll();
    if (currentSong) {
        if (!currentSong->IsFadingIn()) {
            currentSong->FadeIn(kSongFadeInFrames);
        }
        if (!currentSong->IsPlaying()) {
            currentSong->Play(true, 0, 0.0f, false);
        }
    }
}
