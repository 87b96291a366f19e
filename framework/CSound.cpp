#include "CSound.h"

#include "CSoundSource.h"
#include "CSoundSystem.h"

#include <algorithm>
#include <cassert>
#include <cmath>

CSoundSystem* CSound::system = nullptr;
bool CSound::soundInitialized = false;
std::vector<CSoundSource*> CSound::sounds;
std::map<std::string, int> CSound::preloaded;
std::vector<CSound*> CSound::soundObjects;
float CSound::globalSoundVolume = 1.0f;
float CSound::globalMusicVolume = 1.0f;
bool CSound::isPaused = false;
CSound* CSound::songTitle = nullptr;
CSound* CSound::songGame1 = nullptr;
CSound* CSound::songGame2 = nullptr;
CSound* CSound::songGame3 = nullptr;
CSound* CSound::songGame4 = nullptr;
CSound* CSound::currentSong = nullptr;
bool CSound::playingStage = false;
int CSound::playingTrack = 0;

namespace {

// The listening point sits this far left of the view centre.
const int kListenerOffsetX = 30;
const float kPanWidth = 300.0f;
const float kFullLevelDistance = 100.0f;
const float kSilentDistance = 500.0f;

}  // namespace

CSound::CSound(const char* name, bool music, float level, bool isStream)
{
    if (!soundInitialized) {
        return;
    }
    isMusic = music;
    baseVolume = level;
    volume = KindVolume();
    if (isMusic) {
        soundIndex = LoadMusic(name);
        ownsStream = true;
    } else if (isStream) {
        soundIndex = LoadStream(name);
        ownsStream = true;
    } else {
        soundIndex = LoadSound(name);
    }
    soundObjects.push_back(this);
}

CSound::~CSound()
{
    if (soundInitialized) {
        if (IsPlaying()) {
            system->Stop(channel);
        }
        auto found = std::find(soundObjects.begin(), soundObjects.end(), this);
        if (found != soundObjects.end()) {
            soundObjects.erase(found);
        }
        // Narration is made and dropped all through a session: its stream
        // and file go with the object, and the registry entry is reused.
        if (ownsStream && soundIndex >= 0 && sounds[soundIndex]) {
            system->ReleaseSound(sounds[soundIndex]);
            sounds[soundIndex] = nullptr;
        }
    }
    for (CSound** song : {&songTitle, &songGame1, &songGame2, &songGame3, &songGame4, &currentSong}) {
        if (*song == this) {
            *song = nullptr;
        }
    }
}

float CSound::KindVolume() const
{
    return isMusic ? globalMusicVolume : globalSoundVolume;
}

bool CSound::IsSong() const
{
    return this == songTitle || this == songGame1 || this == songGame2 || this == songGame3 || this == songGame4;
}

void CSound::ApplyVolume()
{
    if (IsPlaying()) {
        ErrorCheck(system->SetVolume(channel, baseVolume * volume));
    }
}

void CSound::Play(bool looping, int delayFrames, float frequencyFactor, bool startPaused)
{
    if (!soundInitialized || isPaused) {
        return;
    }
    // A muted one-shot takes no channel; loops and music start silent so that
    // raising the volume later makes them heard.
    if (!isMusic && globalSoundVolume == 0.0f && !looping) {
        return;
    }
    if (delayFrames != 0) {
        framesToDelay = delayFrames;
        return;
    }
    CSoundSource* sound = GetSound(soundIndex);
    assert(sound);
    sound->SetLoopCount(looping ? -1 : 0);
    ErrorCheck(system->PlaySound(sound, true, &channel));
    if (IsPlaying()) {
        ErrorCheck(system->SetVolume(channel, baseVolume * volume));
    }
    if (frequencyFactor != 0.0f) {
        float frequency = 1.0f;
        ErrorCheck(system->GetFrequency(channel, &frequency));
        ErrorCheck(system->SetFrequency(channel, frequencyFactor * frequency));
    }
    if (!startPaused) {
        system->SetPaused(channel, false);
    }
    loop = looping;
}

void CSound::Play(coordinate offset, bool looping, int delayFrames, float frequencyFactor)
{
    if (!soundInitialized || isPaused) {
        return;
    }
    Play(looping, delayFrames, frequencyFactor, true);
    if (channel.IsSet()) {
        AdjustPosition(offset, 1.0f);
        system->SetPaused(channel, false);
    }
}

void CSound::AdjustPosition(coordinate offset, float scale)
{
    const float x = static_cast<float>(offset.x + kListenerOffsetX);
    const float y = static_cast<float>(offset.y);
    float pan = x / kPanWidth;
    if (x < -kPanWidth) {
        pan = -1.0f;
    } else if (x > kPanWidth) {
        pan = 1.0f;
    }
    const bool playing = IsPlaying();
    if (playing) {
        ErrorCheck(system->SetPan(channel, pan));
    }
    const float distance = std::sqrt(x * x + y * y) / scale;
    float level = 0.0f;
    if (distance <= kFullLevelDistance) {
        level = 1.0f;
    } else if (distance <= kSilentDistance) {
        level = 1.0f - (distance - kFullLevelDistance) / (kSilentDistance - kFullLevelDistance);
    }
    if (soundInitialized) {
        volume = level;
        if (playing) {
            ErrorCheck(system->SetVolume(channel, baseVolume * level));
        }
    }
}

void CSound::Stop()
{
    if (IsPlaying()) {
        ErrorCheck(system->Stop(channel));
    }
}

void CSound::SetVolume(float level)
{
    if (!soundInitialized) {
        return;
    }
    volume = level;
    ApplyVolume();
}

void CSound::FadeIn(int frames)
{
    assert(frames >= 0);
    if (!soundInitialized) {
        return;
    }
    // After a fade-out the rise starts from the level it reached.
    if (fadeOutFrames == -1) {
        volume = 0.0f;
    }
    fadeInFrames = frames;
    fadeOutFrames = -1;
}

void CSound::FadeOut(int frames)
{
    assert(frames >= 0);
    if (!soundInitialized) {
        return;
    }
    if (fadeInFrames == -1) {
        volume = KindVolume();
    }
    fadeOutFrames = frames;
    fadeInFrames = -1;
}

void CSound::HandleFading()
{
    // Dividing what is left by the frames left gives a straight line that
    // lands exactly on its end level.
    if (fadeOutFrames >= 0) {
        if (fadeOutFrames > 0) {
            volume -= volume / static_cast<float>(fadeOutFrames);
        } else {
            volume = 0.0f;
        }
        ApplyVolume();
        // A faded loop goes on silently until its owner stops it; anything
        // else ends and is ready to play again at the global level.
        if (volume == 0.0f && (isMusic || !loop)) {
            if (IsPlaying()) {
                ErrorCheck(system->Stop(channel));
            }
            volume = KindVolume();
            ApplyVolume();
        }
        fadeOutFrames--;
    } else if (fadeInFrames >= 0) {
        if (fadeInFrames > 0) {
            volume += (KindVolume() - volume) / static_cast<float>(fadeInFrames);
        } else {
            volume = KindVolume();
        }
        ApplyVolume();
        fadeInFrames--;
    }
}

void CSound::Pump()
{
    if (!soundInitialized) {
        return;
    }
    HandleFading();
    if (framesToDelay > 0) {
        framesToDelay--;
        if (framesToDelay == 0) {
            Play(false, 0, 0.0f, false);
        }
    }
}

void CSound::PumpAll()
{
    if (!soundInitialized) {
        return;
    }
    for (size_t i = 0; i < soundObjects.size(); i++) {
        soundObjects[i]->Pump();
    }
    system->Update();
    if (playingStage && currentSong && !currentSong->IsPlaying()) {
        PlayMusicGame(-1);
    }
}

bool CSound::IsPlaying()
{
    if (!soundInitialized || !channel.IsSet()) {
        return false;
    }
    CSoundSource* current = nullptr;
    if (system->GetCurrentSound(channel, &current) != SOUND_OK || !current || current != GetSound(soundIndex)) {
        return false;
    }
    bool playing = false;
    return system->IsPlaying(channel, &playing) == SOUND_OK && playing;
}

bool CSound::IsFadingIn() const
{
    return soundInitialized && fadeInFrames != -1;
}

bool CSound::IsFadingOut() const
{
    return soundInitialized && fadeOutFrames != -1;
}

float CSound::GetVolume() const
{
    return soundInitialized ? volume : 0.0f;
}

float CSound::GetGlobalVolume()
{
    return globalSoundVolume;
}

float CSound::GetGlobalMusicVolume()
{
    return globalMusicVolume;
}

void CSound::SetGlobalVolume(float level)
{
    if (!soundInitialized) {
        return;
    }
    globalSoundVolume = level;
    for (CSound* sound : soundObjects) {
        if (!sound->isMusic && sound->fadeInFrames == -1 && sound->fadeOutFrames == -1) {
            sound->volume = level;
            sound->ApplyVolume();
        }
    }
}

void CSound::SetGlobalMusicVolume(float level)
{
    if (!soundInitialized) {
        return;
    }
    globalMusicVolume = level;
    for (CSound* sound : soundObjects) {
        if (sound->isMusic && sound->fadeInFrames == -1 && sound->fadeOutFrames == -1) {
            sound->volume = level;
            sound->ApplyVolume();
        }
    }
}

CSoundSource* CSound::GetSound(int index)
{
    if (index < 0 || index >= static_cast<int>(sounds.size())) {
        return nullptr;
    }
    return sounds[index];
}
