#include "CSoundSystem.h"

#include "COggStream.h"
#include "CSoundSource.h"
#include "SoundDecoding.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#ifdef __linux__
#include <dlfcn.h>
#endif

namespace {

const char* const kDriverNames[] = {"Default audio device", "No sound"};
// The device buffer: about 23 ms at 44,100 Hz.
const int kDeviceFrames = 1024;
// The highest playback rate a channel takes: far beyond any use, low enough
// that a channel's position cannot overflow.
const float kMaxFrequency = 64.0f * SOUND_OUTPUT_RATE;

const char* const kErrorTexts[SOUND_ERR_COUNT] = {
    "No errors. ",
    "File not found. ",
    "The file is damaged or unreadable. ",
    "Unsupported sound format. ",
    "An invalid parameter was passed. ",
    "Unknown output type. ",
    "No such driver for this output. ",
    "The sound output could not be opened. ",
    "The sound system is not initialized. ",
    "Cannot change the output once the sound system is initialized. ",
};

#ifdef __linux__
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// SDL reaches ALSA through the shared library, whose own error printer
// writes to the terminal when no device exists; the game reports a failed
// output itself. Loading the library first and keeping it loaded makes SDL
// use this same copy, with its printer silenced. Without ALSA nothing
// happens.
void SilenceAlsa()
{
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa) {
        return;
    }
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(ErrorHandler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(IgnoreAlsaError);
    }
}
#else
void SilenceAlsa() {}
#endif

// SDL's audio lock, held for the scope: it keeps the audio callback out.
class AudioLock {
public:
    AudioLock() { SDL_LockAudio(); }
    ~AudioLock() { SDL_UnlockAudio(); }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;
};

float Clamp(float value, float low, float high)
{
    // NaN falls to low.
    if (!(value >= low)) {
        return low;
    }
    return value > high ? high : value;
}

}  // namespace

const char* SoundErrorString(int result)
{
    if (result < 0 || result >= SOUND_ERR_COUNT) {
        return "Unknown error.";
    }
    return kErrorTexts[result];
}

CSoundSystem::CSoundSystem() = default;

SoundResult CSoundSystem::Create(CSoundSystem** system)
{
    if (!system) {
        return SOUND_ERR_INVALID_PARAM;
    }
    *system = new CSoundSystem();
    return SOUND_OK;
}

CSoundSystem::~CSoundSystem()
{
    Close();
}

SoundResult CSoundSystem::SetOutput(int outputType)
{
    if (initialized) {
        return SOUND_ERR_ALREADY_READY;
    }
    if (outputType != SOUND_OUTPUT_NOSOUND && outputType != SOUND_OUTPUT_DEVICE &&
        outputType != SOUND_OUTPUT_DEVICE_ALT) {
        return SOUND_ERR_OUTPUT_TYPE;
    }
    output = outputType;
    driver = 0;
    return SOUND_OK;
}

SoundResult CSoundSystem::GetNumDrivers(int* count) const
{
    if (!count) {
        return SOUND_ERR_INVALID_PARAM;
    }
    *count = 1;
    return SOUND_OK;
}

SoundResult CSoundSystem::GetDriverName(int index, char* name, int length) const
{
    if (!name || length <= 0 || index != 0) {
        return SOUND_ERR_INVALID_PARAM;
    }
    snprintf(name, static_cast<size_t>(length), "%s", kDriverNames[output == SOUND_OUTPUT_NOSOUND ? 1 : 0]);
    return SOUND_OK;
}

SoundResult CSoundSystem::SetDriver(int index)
{
    if (initialized) {
        return SOUND_ERR_ALREADY_READY;
    }
    int count = 0;
    GetNumDrivers(&count);
    if (index < 0 || index >= count) {
        return SOUND_ERR_DRIVER;
    }
    driver = index;
    return SOUND_OK;
}

SoundResult CSoundSystem::Init(int maxChannels)
{
    if (initialized) {
        return SOUND_ERR_ALREADY_READY;
    }
    if (maxChannels < 1) {
        return SOUND_ERR_INVALID_PARAM;
    }
    channels.assign(static_cast<size_t>(maxChannels), channel_state());
    mixBuffer.assign(static_cast<size_t>(kDeviceFrames) * SOUND_OUTPUT_CHANNELS, 0.0f);
    if (output != SOUND_OUTPUT_NOSOUND) {
        SilenceAlsa();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
            return SOUND_ERR_OUTPUT_INIT;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = SOUND_OUTPUT_RATE;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = SOUND_OUTPUT_CHANNELS;
        wanted.samples = kDeviceFrames;
        wanted.callback = AudioCallback;
        wanted.userdata = this;
        // Asking for no "obtained" format makes SDL convert to whatever the device
        // takes, so the mixer always writes its own format.
        if (SDL_OpenAudio(&wanted, nullptr) < 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return SOUND_ERR_OUTPUT_INIT;
        }
        deviceOpen = true;
    }
    initialized = true;
    mixedUntil = std::chrono::steady_clock::now();
    if (deviceOpen) {
        SDL_PauseAudio(0);
    }
    return SOUND_OK;
}

void CSoundSystem::Close()
{
    if (deviceOpen) {
        // Waits for the callback thread to finish.
        SDL_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        deviceOpen = false;
    }
    for (channel_state& channel : channels) {
        channel.active = false;
        channel.sound = nullptr;
    }
    initialized = false;
}

SoundResult CSoundSystem::CreateSound(const char* data, int length, CSoundSource** sound)
{
    if (!sound || !data) {
        return SOUND_ERR_INVALID_PARAM;
    }
    if (!initialized) {
        return SOUND_ERR_NOT_READY;
    }
    decoded_sound decoded;
    const SoundResult result = DecodeSoundFromMemory(data, length, decoded);
    if (result != SOUND_OK) {
        return result;
    }
    sources.emplace_back(new CSoundSource(std::move(decoded.samples), decoded.channels, decoded.rate));
    *sound = sources.back().get();
    return SOUND_OK;
}

SoundResult CSoundSystem::CreateStream(const char* path, CSoundSource** sound)
{
    if (!sound || !path) {
        return SOUND_ERR_INVALID_PARAM;
    }
    if (!initialized) {
        return SOUND_ERR_NOT_READY;
    }
    std::unique_ptr<COggStream> stream;
    const SoundResult result = COggStream::Open(path, stream);
    if (result != SOUND_OK) {
        return result;
    }
    sources.emplace_back(new CSoundSource(std::move(stream)));
    *sound = sources.back().get();
    return SOUND_OK;
}

SoundResult CSoundSystem::ReleaseSound(CSoundSource* sound)
{
    auto found = std::find_if(sources.begin(), sources.end(),
                              [sound](const std::unique_ptr<CSoundSource>& held) { return held.get() == sound; });
    if (!sound || found == sources.end()) {
        return SOUND_ERR_INVALID_PARAM;
    }
    {
        AudioLock lock;
        for (channel_state& channel : channels) {
            if (channel.active && channel.sound == sound) {
                channel.active = false;
                channel.sound = nullptr;
            }
        }
    }
    // Freed outside the lock: a stream closes its file here.
    sources.erase(found);
    return SOUND_OK;
}

int CSoundSystem::ChooseChannel() const
{
    int oldest = -1;
    int oldestOneShot = -1;
    for (size_t i = 0; i < channels.size(); i++) {
        const channel_state& channel = channels[i];
        if (!channel.active) {
            return static_cast<int>(i);
        }
        if (oldest < 0 || channel.startOrder < channels[oldest].startOrder) {
            oldest = static_cast<int>(i);
        }
        if (channel.loopsLeft == 0 &&
            (oldestOneShot < 0 || channel.startOrder < channels[oldestOneShot].startOrder)) {
            oldestOneShot = static_cast<int>(i);
        }
    }
    return oldestOneShot >= 0 ? oldestOneShot : oldest;
}

SoundResult CSoundSystem::PlaySound(CSoundSource* sound, bool paused, SoundChannel* handle)
{
    if (!sound || !handle) {
        return SOUND_ERR_INVALID_PARAM;
    }
    if (!initialized) {
        return SOUND_ERR_NOT_READY;
    }
    AudioLock lock;
    if (sound->IsStream()) {
        for (channel_state& channel : channels) {
            if (channel.active && channel.sound == sound) {
                channel.active = false;
                channel.sound = nullptr;
            }
        }
    }
    const int index = ChooseChannel();
    channel_state& channel = channels[index];
    const uint32_t generation = channel.generation + 1;
    channel = channel_state();
    channel.sound = sound;
    channel.generation = generation;
    channel.active = true;
    channel.paused = paused;
    channel.frequency = static_cast<float>(sound->Rate());
    channel.loopsLeft = sound->GetLoopCount();
    channel.startOrder = ++playsStarted;
    handle->index = index;
    handle->generation = generation;
    return SOUND_OK;
}

CSoundSystem::channel_state* CSoundSystem::Find(SoundChannel handle)
{
    if (handle.index < 0 || handle.index >= static_cast<int>(channels.size())) {
        return nullptr;
    }
    channel_state& channel = channels[handle.index];
    return channel.active && channel.generation == handle.generation ? &channel : nullptr;
}

SoundResult CSoundSystem::SetVolume(SoundChannel handle, float volume)
{
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        channel->volume = Clamp(volume, 0.0f, 1.0f);
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::GetVolume(SoundChannel handle, float* volume)
{
    if (!volume) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        *volume = channel->volume;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::SetPan(SoundChannel handle, float pan)
{
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        channel->pan = std::isnan(pan) ? 0.0f : Clamp(pan, -1.0f, 1.0f);
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::GetPan(SoundChannel handle, float* pan)
{
    if (!pan) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        *pan = channel->pan;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::SetFrequency(SoundChannel handle, float frequency)
{
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        channel->frequency = Clamp(frequency, 0.0f, kMaxFrequency);
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::GetFrequency(SoundChannel handle, float* frequency)
{
    if (!frequency) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        *frequency = channel->frequency;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::SetPaused(SoundChannel handle, bool paused)
{
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        channel->paused = paused;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::GetPaused(SoundChannel handle, bool* paused)
{
    if (!paused) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        *paused = channel->paused;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::Stop(SoundChannel handle)
{
    AudioLock lock;
    if (channel_state* channel = Find(handle)) {
        channel->active = false;
        channel->sound = nullptr;
    }
    return SOUND_OK;
}

SoundResult CSoundSystem::GetCurrentSound(SoundChannel handle, CSoundSource** sound)
{
    if (!sound) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    channel_state* channel = Find(handle);
    *sound = channel ? channel->sound : nullptr;
    return SOUND_OK;
}

SoundResult CSoundSystem::IsPlaying(SoundChannel handle, bool* playing)
{
    if (!playing) {
        return SOUND_ERR_INVALID_PARAM;
    }
    AudioLock lock;
    *playing = Find(handle) != nullptr;
    return SOUND_OK;
}
