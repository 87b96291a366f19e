// Vocabulary of the in-house sound layer: result codes and their texts, the
// output types, and the channel handle. CSoundSystem (the mixer and its
// outputs) and CSoundSource (one sound or stream) speak it; CSound is its only
// client in the game.
#pragma once

#include <cstdint>

// Every call of the layer answers one of these; 0 is success.
enum SoundResult {
    SOUND_OK = 0,
    SOUND_ERR_FILE_NOT_FOUND,
    SOUND_ERR_FILE_BAD,
    SOUND_ERR_FORMAT,
    SOUND_ERR_INVALID_PARAM,
    SOUND_ERR_OUTPUT_TYPE,
    SOUND_ERR_DRIVER,
    SOUND_ERR_OUTPUT_INIT,
    SOUND_ERR_NOT_READY,
    SOUND_ERR_ALREADY_READY,
    SOUND_ERR_COUNT
};

// The text for a result, ending in a blank; "Unknown error." for any number
// the layer does not give.
const char* SoundErrorString(int result);

// Output types, numbered as the stored sound settings have always numbered
// them. Both device outputs play through SDL audio; the null output mixes on
// demand and plays nothing.
const int SOUND_OUTPUT_NOSOUND = 2;
const int SOUND_OUTPUT_DEVICE = 12;
const int SOUND_OUTPUT_DEVICE_ALT = 13;

// The mixer's fixed output format.
const int SOUND_OUTPUT_RATE = 44100;
const int SOUND_OUTPUT_CHANNELS = 2;

// One play on one channel. The generation tells this play from later plays
// on the same channel: once the play has ended, been stopped or been stolen,
// every call through the handle is a harmless no-op and the queries answer
// "not playing".
struct SoundChannel {
    int index = -1;
    uint32_t generation = 0;

    bool IsSet() const { return index >= 0; }
};
