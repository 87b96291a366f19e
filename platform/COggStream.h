// An Ogg Vorbis file decoded a window at a time, for music and narration that
// are never held whole in memory. The CSoundSource of a stream owns it; once
// the source is shared with the mixer, only the mixer touches it (under the
// audio lock), so its decoding runs in the audio callback.
#pragma once

#include "SoundLayer.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

class COggStream {
public:
    // Opens path and decodes its first window. SOUND_ERR_FILE_NOT_FOUND when
    // the file cannot be opened, SOUND_ERR_FORMAT or SOUND_ERR_FILE_BAD when it
    // is not a usable Ogg Vorbis file.
    static SoundResult Open(const char* path, std::unique_ptr<COggStream>& out);
    ~COggStream();
    COggStream(const COggStream&) = delete;
    COggStream& operator=(const COggStream&) = delete;

    int Channels() const { return channels; }
    int Rate() const { return rate; }

    // The samples of frame index (Channels() of them), or null past the end.
    // Reading forward decodes the next window; reading before the window
    // seeks. The pointer is valid until the next call.
    const int16_t* Frame(int64_t index);

private:
    COggStream() = default;
    void Slide();
    void SeekTo(int64_t index);

    OggVorbis_File vorbis{};
    bool opened = false;
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> window;
    int64_t windowStart = 0;  // frame index of the window's first frame
    int windowFrames = 0;     // frames decoded into the window
    bool atEnd = false;
};
