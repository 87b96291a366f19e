// Sound and music. One CSound object is one playable sound with its own
// volume and its own fade and delay state; callers build objects with new
// and delete them. Short sounds come from the sound archive, preloaded at
// start-up and shared by name; music ("music/") and narration ("voice/") are
// streams, one per object, released when the object is deleted.
//
// The statics hold the sound system (created by Initialize at start-up), the
// registries, the two global volumes, the five songs and the game-music
// order. PumpAll, once per frame and from long loading steps, advances every
// fade and delayed start and starts the next game track.
//
// When sound is off (the command line turned it off, or the set-up failed)
// every operation does nothing and every query answers 0, 0.0 or false, so
// callers never test for it. Levels are linear factors 0..1; fades and
// delays count PumpAll calls. Main thread only.
#pragma once

#include "SoundLayer.h"
#include "Types.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CDraw;
class CSoundSource;
class CSoundSystem;

class CSound {
public:
    // name: an archive entry, or the file name inside "music/" (isMusic) or
    // "voice/" (isStream). A name missing from the archive is fatal.
    CSound(const char* name, bool isMusic, float volume, bool isStream);
    // Stops the latest play; a music or voice stream is released with its file.
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Set-up. Initialize runs once at start-up before any object exists:
    // fromFile false runs the console dialogue on console. A failure leaves
    // sound off for the run.
    static void Initialize(bool fromFile, FILE* console = stdin);
    static void FileInit();
    // Falls back to FileInit when the console ends before both answers.
    static void CustomInit(FILE* console = stdin);
    // Fatal "Sound library error: " with the layer's text for any result but
    // 0; name, when given, is added to the detail.
    static void ErrorCheck(int result, const char* name = nullptr);
    // Releases every sound and the system, and returns the class to its
    // state at program start. The game never calls it.
    static void ShutDown();

    // Loading, in start-up order. The CDraw forms show progress on the
    // loading bar; the others are the same loading with a progress callback
    // that receives the bar's next count.
    static void LoadTitleMusic();
    static void Preload(CDraw* draw);
    static void Preload(int firstCount, const std::function<void(int)>& progress);
    static void LoadMusic(CDraw* draw);
    static void LoadGameMusic(int firstCount, const std::function<void(int)>& progress);
    static void UnloadMusic();

    // Plays once (loop false) or for ever; delayFrames > 0 starts a plain
    // one-shot play in that many PumpAll calls instead; frequencyFactor 0.0
    // keeps the sound's own rate.
    void Play(bool loop, int delayFrames, float frequencyFactor, bool startPaused);
    // offset: the source's place relative to the centre of the island view,
    // in screen pixels; pan and level are set before the first sample sounds.
    void Play(coordinate offset, bool loop, int delayFrames, float frequencyFactor);
    // scale > 1 makes the sound carry further.
    void AdjustPosition(coordinate offset, float scale);
    void Stop();
    void SetVolume(float volume);
    void FadeIn(int frames);
    void FadeOut(int frames);

    bool IsPlaying();
    bool IsFadingIn() const;
    bool IsFadingOut() const;
    float GetVolume() const;
    int GetFramesToDelay() const { return framesToDelay; }
    // 0 cancels a pending delayed start.
    void SetFramesToDelay(int frames)
    {
        if (soundInitialized) {
            framesToDelay = frames;
        }
    }

    // One object's frame step; PumpAll runs it for every object.
    void Pump();
    static void PumpAll();

    static void PlayMusic(CSound* song, bool loop, bool fadeIn);
    static void PlayMusicTitle(bool fadeIn);
    static void PlayMusicIntro();
    // track -1 plays the next game track in turn.
    static void PlayMusicGame(int track);
    static void StopMusic();

    static float GetGlobalVolume();
    static void SetGlobalVolume(float volume);
    static float GetGlobalMusicVolume();
    static void SetGlobalMusicVolume(float volume);

    static void PauseAllSound();
    static void ResumeAllSound();
    static void FadeOutAll();
    static void FadeInAll();

    // The sound registered at index (null once a stream there was released).
    static CSoundSource* GetSound(int index);

    static CSoundSystem* system;
    static bool soundInitialized;
    static std::vector<CSoundSource*> sounds;
    static std::map<std::string, int> preloaded;
    static std::vector<CSound*> soundObjects;
    static float globalSoundVolume;
    static float globalMusicVolume;
    static bool isPaused;
    static CSound* songTitle;
    static CSound* songGame1;
    static CSound* songGame2;
    static CSound* songGame3;
    static CSound* songGame4;
    static CSound* currentSong;
    static bool playingStage;
    static int playingTrack;

private:
    // Indices into sounds, -1 when sound is off.
    static int LoadMusic(const char* name);
    static int LoadStream(const char* name);
    static int LoadSound(const char* name);
    static int PreLoadSound(const char* data, int length, const char* name);
    static int FindFreeSpot(CSoundSource* sound);
    void HandleFading();
    void ApplyVolume();
    bool IsSong() const;
    float KindVolume() const;

    int soundIndex = -1;
    SoundChannel channel;
    float volume = 0.0f;
    float baseVolume = 0.0f;
    int fadeInFrames = -1;
    int fadeOutFrames = -1;
    int framesToDelay = 0;
    bool isMusic = false;
    bool loop = false;
    bool ownsStream = false;
};
