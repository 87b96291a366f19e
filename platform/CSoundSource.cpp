#include "CSoundSource.h"

#include "COggStream.h"

#include <cassert>

CSoundSource::CSoundSource(std::vector<int16_t> samplesIn, int channelsIn, int rateIn)
    : samples(std::move(samplesIn)), channels(channelsIn), rate(rateIn)
{
    assert(channels == 1 || channels == 2);
    assert(rate > 0);
}

CSoundSource::CSoundSource(std::unique_ptr<COggStream> streamIn)
    : stream(std::move(streamIn)), channels(stream->Channels()), rate(stream->Rate())
{
}

CSoundSource::~CSoundSource() = default;

bool CSoundSource::Frame(int64_t index, float& left, float& right)
{
    const int16_t* frame = nullptr;
    if (stream) {
        frame = stream->Frame(index);
    } else if (index >= 0 && static_cast<uint64_t>(index) < samples.size() / channels) {
        frame = &samples[static_cast<size_t>(index) * channels];
    }
    if (!frame) {
        return false;
    }
    left = frame[0];
    right = frame[channels - 1];
    return true;
}
