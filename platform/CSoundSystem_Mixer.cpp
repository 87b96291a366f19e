#include "CSoundSystem.h"

#include "CSoundSource.h"

#include <SDL.h>

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

// No more than a second is caught up in one Update, so a stalled frame does
// not turn into a long silent mix.
const int kMaxCatchUpFrames = SOUND_OUTPUT_RATE;

int16_t ToSample(float value)
{
    if (value >= 32767.0f) {
        return 32767;
    }
    if (value <= -32768.0f) {
        return -32768;
    }
    return static_cast<int16_t>(std::lrint(value));
}

}  // namespace

void CSoundSystem::AudioCallback(void* userData, uint8_t* stream, int length)
{
    // SDL holds the audio lock around the callback.
    const int frameBytes = SOUND_OUTPUT_CHANNELS * static_cast<int>(sizeof(int16_t));
    static_cast<CSoundSystem*>(userData)->MixLocked(reinterpret_cast<int16_t*>(stream), length / frameBytes);
}

void CSoundSystem::Mix(int16_t* out, int frames)
{
    assert(!deviceOpen && "the device output mixes in its own thread");
    if (deviceOpen || !initialized) {
        std::fill(out, out + static_cast<size_t>(frames) * SOUND_OUTPUT_CHANNELS, 0);
        return;
    }
    SDL_LockAudio();
    MixLocked(out, frames);
    SDL_UnlockAudio();
}

SoundResult CSoundSystem::Update()
{
    if (!initialized) {
        return SOUND_ERR_NOT_READY;
    }
    if (output != SOUND_OUTPUT_NOSOUND || pullMixing) {
        return SOUND_OK;
    }
    using std::chrono::duration_cast;
    using std::chrono::nanoseconds;
    const auto now = std::chrono::steady_clock::now();
    const int64_t elapsed = duration_cast<nanoseconds>(now - mixedUntil).count();
    int64_t frames = elapsed * SOUND_OUTPUT_RATE / 1000000000;
    if (frames > kMaxCatchUpFrames) {
        frames = kMaxCatchUpFrames;
        mixedUntil = now;
    } else {
        mixedUntil += nanoseconds(frames * 1000000000 / SOUND_OUTPUT_RATE);
    }
    discardBuffer.resize(mixBuffer.size());
    const int chunk = static_cast<int>(discardBuffer.size()) / SOUND_OUTPUT_CHANNELS;
    SDL_LockAudio();
    while (frames > 0) {
        const int n = static_cast<int>(std::min<int64_t>(frames, chunk));
        MixLocked(discardBuffer.data(), n);
        frames -= n;
    }
    SDL_UnlockAudio();
    return SOUND_OK;
}

void CSoundSystem::MixLocked(int16_t* out, int frames)
{
    const int chunk = static_cast<int>(mixBuffer.size()) / SOUND_OUTPUT_CHANNELS;
    while (frames > 0) {
        const int n = std::min(frames, chunk);
        std::fill(mixBuffer.begin(), mixBuffer.begin() + n * SOUND_OUTPUT_CHANNELS, 0.0f);
        for (channel_state& channel : channels) {
            if (channel.active && !channel.paused) {
                MixChannel(channel, mixBuffer.data(), n);
            }
        }
        for (int i = 0; i < n * SOUND_OUTPUT_CHANNELS; i++) {
            out[i] = ToSample(mixBuffer[i]);
        }
        out += n * SOUND_OUTPUT_CHANNELS;
        frames -= n;
    }
}

void CSoundSystem::MixChannel(channel_state& channel, float* mix, int frames)
{
    CSoundSource& sound = *channel.sound;
    const double step = static_cast<double>(channel.frequency) / SOUND_OUTPUT_RATE;
    const float leftLevel = channel.volume * std::min(1.0f, 1.0f - channel.pan);
    const float rightLevel = channel.volume * std::min(1.0f, 1.0f + channel.pan);
    for (int i = 0; i < frames; i++) {
        int64_t index = static_cast<int64_t>(channel.position);
        float left0 = 0.0f;
        float right0 = 0.0f;
        if (!sound.Frame(index, left0, right0)) {
            // Past the end: wrap for a loop, else the play is over. A source
            // with no frames at all ends even when looping.
            if (channel.loopsLeft == 0 || index == 0) {
                channel.active = false;
                channel.sound = nullptr;
                return;
            }
            if (channel.loopsLeft > 0) {
                channel.loopsLeft--;
            }
            channel.position -= static_cast<double>(index);
            index = 0;
            if (!sound.Frame(0, left0, right0)) {
                channel.active = false;
                channel.sound = nullptr;
                return;
            }
        }
        // Linear interpolation towards the next frame; the last frame holds.
        float left1 = left0;
        float right1 = right0;
        sound.Frame(index + 1, left1, right1);
        const float t = static_cast<float>(channel.position - static_cast<double>(index));
        mix[2 * i] += (left0 + (left1 - left0) * t) * leftLevel;
        mix[2 * i + 1] += (right0 + (right1 - right0) * t) * rightLevel;
        channel.position += step;
    }
}
