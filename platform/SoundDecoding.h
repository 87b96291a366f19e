// Decoding of whole sounds held in memory, for the sound layer: Ogg Vorbis
// through libvorbisfile and RIFF WAVE PCM, told apart by their first bytes.
// Streams from files decode piece by piece instead (COggStream).
#pragma once

#include "SoundLayer.h"

#include <cstddef>
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

// What a failed Ogg Vorbis open (libvorbisfile's result) means, given the
// file's first bytes: a Vorbis file cut short or damaged in its headers is
// damaged, while an Ogg file of some other codec is another format.
SoundResult OggOpenFailure(int openResult, const unsigned char* start, size_t length);
// The most bytes OggOpenFailure looks at: the largest possible Ogg page.
const size_t OGG_LARGEST_PAGE = 27 + 255 + 255 * 255;
