#include "COggStream.h"

#include "SoundDecoding.h"

#include <cstring>

namespace {

// About a tenth of a second at the usual rates: one decode step per window is
// short enough to run inside the audio callback.
const int kWindowFrames = 4096;
const int kMaxHoles = 64;

size_t FileRead(void* buffer, size_t size, size_t count, void* source)
{
    return fread(buffer, size, count, static_cast<FILE*>(source));
}

int FileSeek(void* source, ogg_int64_t offset, int whence)
{
    return fseeko(static_cast<FILE*>(source), static_cast<off_t>(offset), whence);
}

int FileClose(void* source)
{
    return fclose(static_cast<FILE*>(source));
}

long FileTell(void* source)
{
    return static_cast<long>(ftello(static_cast<FILE*>(source)));
}

}  // namespace

SoundResult COggStream::Open(const char* path, std::unique_ptr<COggStream>& out)
{
    FILE* file = fopen(path, "rb");
    if (!file) {
        return SOUND_ERR_FILE_NOT_FOUND;
    }
    std::unique_ptr<COggStream> stream(new COggStream());
    ov_callbacks callbacks{FileRead, FileSeek, FileClose, FileTell};
    const int result = ov_open_callbacks(file, &stream->vorbis, nullptr, 0, callbacks);
    if (result != 0) {
        // A failed open leaves the file to its caller.
        std::vector<unsigned char> start(OGG_LARGEST_PAGE);
        const size_t length = fseeko(file, 0, SEEK_SET) == 0 ? fread(start.data(), 1, start.size(), file) : 0;
        fclose(file);
        return OggOpenFailure(result, start.data(), length);
    }
    stream->opened = true;
    vorbis_info* info = ov_info(&stream->vorbis, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
        return SOUND_ERR_FORMAT;
    }
    stream->channels = info->channels;
    stream->rate = static_cast<int>(info->rate);
    stream->window.resize(static_cast<size_t>(kWindowFrames) * stream->channels);
    stream->Slide();
    out = std::move(stream);
    return SOUND_OK;
}

COggStream::~COggStream()
{
    if (opened) {
        ov_clear(&vorbis);
    }
}

const int16_t* COggStream::Frame(int64_t index)
{
    if (index < windowStart) {
        SeekTo(index);
    }
    while (index >= windowStart + windowFrames) {
        if (atEnd) {
            return nullptr;
        }
        Slide();
    }
    return &window[static_cast<size_t>(index - windowStart) * channels];
}

void COggStream::Slide()
{
    // The last frame stays as the first of the next window, so that a frame
    // and its successor (which the resampler reads together) are always
    // found in one window.
    if (windowFrames > 1) {
        memcpy(&window[0], &window[static_cast<size_t>(windowFrames - 1) * channels], channels * sizeof(int16_t));
        windowStart += windowFrames - 1;
        windowFrames = 1;
    }
    const int before = windowFrames;
    int holes = 0;
    int section = 0;
    while (windowFrames < kWindowFrames) {
        char* target = reinterpret_cast<char*>(&window[static_cast<size_t>(windowFrames) * channels]);
        const int bytes = (kWindowFrames - windowFrames) * channels * 2;
        const long got = ov_read(&vorbis, target, bytes, 0, 2, 1, &section);
        if (got == OV_HOLE && ++holes < kMaxHoles) {
            continue;
        }
        // The end, or damage past which nothing more can be read.
        if (got <= 0) {
            atEnd = true;
            break;
        }
        windowFrames += static_cast<int>(got / (2 * channels));
    }
    if (windowFrames == before) {
        atEnd = true;
    }
}

void COggStream::SeekTo(int64_t index)
{
    windowStart = index;
    windowFrames = 0;
    atEnd = false;
    if (ov_pcm_seek(&vorbis, index) != 0) {
        atEnd = true;
        return;
    }
    Slide();
}
