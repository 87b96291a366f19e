// One sound of the sound layer: either samples decoded whole (archive sounds)
// or a stream that decodes from its file as it plays (music, narration).
// CSoundSystem creates and releases sources; the mixer reads them under the
// audio lock. A sample can sound on many channels at once, a stream on one.
#pragma once

#include "SoundLayer.h"

#include <cstdint>
#include <memory>
#include <vector>

class COggStream;

class CSoundSource {
public:
    CSoundSource(std::vector<int16_t> samples, int channels, int rate);
    explicit CSoundSource(std::unique_ptr<COggStream> stream);
    ~CSoundSource();
    CSoundSource(const CSoundSource&) = delete;
    CSoundSource& operator=(const CSoundSource&) = delete;

    bool IsStream() const { return stream != nullptr; }
    int Rate() const { return rate; }

    // How often a play repeats after its first pass: -1 for ever, 0 never.
    // Read when a play starts, so it governs the later plays only. Main
    // thread only.
    void SetLoopCount(int count) { loopCount = count; }
    int GetLoopCount() const { return loopCount; }

    // Mixer side: the stereo samples of one frame (a mono frame on both
    // sides, in 16-bit units), false past the end.
    bool Frame(int64_t index, float& left, float& right);

private:
    std::vector<int16_t> samples;
    std::unique_ptr<COggStream> stream;
    int channels;
    int rate;
    int loopCount = 0;
};
