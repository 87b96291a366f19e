// Stand-in for the sound system until the sound layer exists: every call is
// silent, as when sound is switched off.
#pragma once

class CDraw;

class CSound {
public:
    CSound(const char* name, bool isMusic, float volume, bool isStream);
    ~CSound();

    void Play(bool loop, int delayFrames, float frequencyFactor, bool startPaused);

    static void PumpAll();
    static float GetGlobalVolume();
    static void SetGlobalVolume(float volume);
    static float GetGlobalMusicVolume();
    static void SetGlobalMusicVolume(float volume);

    static float globalSoundVolume;
    static float globalMusicVolume;
};
