// Decoding of whole sounds held in memory, for the sound layer: Ogg Vorbis
// through libvorbisfile and RIFF WAVE PCM, told apart by their first bytes.
// Streams from files decode piece by piece instead (COggStream).
#pragma once

#include "SoundLayer.h"

#include <cstdint>
#include <vector>

struct decoded_sound {
    std::vector<int16_t> samples;  // interleaved, channels per frame
    int channels = 0;              // 1 or 2
    int rate = 0;                  // frames per second
};

// Fills out from the bytes of an Ogg Vorbis or WAVE file. The data is only
// read during the call. SOUND_ERR_FORMAT for anything else, for more than two
// channels or for compressed WAVE data; SOUND_ERR_FILE_BAD for a damaged file.
SoundResult DecodeSoundFromMemory(const char* data, int length, decoded_sound& out);
