// The in-house sound layer: a software mixer of a fixed number of channels
// with two outputs, the SDL audio device (44,100 Hz, 16-bit stereo) and a
// null output that plays nothing. CSound creates the one system at start-up
// and owns it through CSound::system.
//
// Threads: the SDL audio callback is the only other thread. It mixes under
// SDL's audio lock, and every call here that touches channels or sources
// takes that lock for a few assignments only. Streams decode in the callback
// itself, a small window at a time, so music keeps going however rarely the
// main thread calls Update (the loading screen hardly does). Decoding whole
// sounds and opening stream files happen on the calling thread, outside the
// lock, before the mixer can see them.
//
// Set-up order: Create, SetOutput and SetDriver (which open nothing, so sound
// can be chosen before video starts), then Init. Only Create and Init can
// fail for reasons outside the caller's control; calls through the handle of
// an ended, stopped or stolen play succeed and do nothing.
#pragma once

#include "SoundLayer.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class CSoundSource;

class CSoundSystem {
public:
    static SoundResult Create(CSoundSystem** system);
    // Closes the output and frees every source still held.
    ~CSoundSystem();
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // Set-up; SOUND_ERR_ALREADY_READY after Init.
    SoundResult SetOutput(int outputType);  // SOUND_ERR_OUTPUT_TYPE for an unknown type
    int GetOutput() const { return output; }
    SoundResult GetNumDrivers(int* count) const;  // SDL 1.2 cannot list devices: always one
    SoundResult GetDriverName(int index, char* name, int length) const;
    SoundResult SetDriver(int index);  // SOUND_ERR_DRIVER outside 0..count-1
    int GetDriver() const { return driver; }
    // Opens the output with maxChannels channels. The device output starts
    // SDL's audio subsystem itself; SOUND_ERR_OUTPUT_INIT when it cannot.
    SoundResult Init(int maxChannels);
    void Close();

    // Sources. A sound from memory is decoded whole during the call; the
    // caller may free data at once. A stream opens its file now and decodes
    // while it plays.
    SoundResult CreateSound(const char* data, int length, CSoundSource** sound);
    SoundResult CreateStream(const char* path, CSoundSource** sound);
    // Stops every play of the source and frees it, with a stream's file.
    SoundResult ReleaseSound(CSoundSource* sound);

    // Starts a play at the source's own rate, centred, at full volume. A free
    // channel is taken, else the oldest one-shot play, else the oldest play.
    // Playing a stream again restarts it.
    SoundResult PlaySound(CSoundSource* sound, bool paused, SoundChannel* channel);

    // Channel calls. Volume is linear 0..1, pan -1 (left) to 1 (right),
    // frequency the playback rate in frames per second; values are clamped.
    // A stale handle leaves the output arguments untouched.
    SoundResult SetVolume(SoundChannel channel, float volume);
    SoundResult GetVolume(SoundChannel channel, float* volume);
    SoundResult SetPan(SoundChannel channel, float pan);
    SoundResult GetPan(SoundChannel channel, float* pan);
    SoundResult SetFrequency(SoundChannel channel, float frequency);
    SoundResult GetFrequency(SoundChannel channel, float* frequency);
    SoundResult SetPaused(SoundChannel channel, bool paused);
    SoundResult GetPaused(SoundChannel channel, bool* paused);
    SoundResult Stop(SoundChannel channel);
    // Null for a stale handle.
    SoundResult GetCurrentSound(SoundChannel channel, CSoundSource** sound);
    // A paused play counts as playing; a stale handle does not.
    SoundResult IsPlaying(SoundChannel channel, bool* playing);

    // Once a frame. The null output advances with the clock here (so plays
    // end as they would aloud) unless pull mixing is on.
    SoundResult Update();

    // The pull-mix hook of the null output: with pull mixing on, the null
    // output advances only when Mix asks it for frames, which makes a run
    // fully deterministic. Mix writes frames of interleaved stereo.
    void SetPullMixing(bool pull) { pullMixing = pull; }
    void Mix(int16_t* out, int frames);

private:
    struct channel_state {
        CSoundSource* sound = nullptr;
        uint32_t generation = 0;
        bool active = false;
        bool paused = false;
        float volume = 1.0f;
        float pan = 0.0f;
        float frequency = 0.0f;
        double position = 0.0;  // in frames of the source
        int loopsLeft = 0;      // -1 for ever
        uint64_t startOrder = 0;
    };

    CSoundSystem();
    static void AudioCallback(void* userData, uint8_t* stream, int length);
    // Caller holds the audio lock.
    channel_state* Find(SoundChannel channel);
    int ChooseChannel() const;
    void MixLocked(int16_t* out, int frames);
    void MixChannel(channel_state& channel, float* mix, int frames);

    int output = SOUND_OUTPUT_DEVICE;
    int driver = 0;
    bool initialized = false;
    bool deviceOpen = false;
    bool pullMixing = false;
    std::vector<channel_state> channels;
    uint64_t playsStarted = 0;
    std::vector<std::unique_ptr<CSoundSource>> sources;
    std::vector<float> mixBuffer;
    std::vector<int16_t> discardBuffer;
    std::chrono::steady_clock::time_point mixedUntil;
};
