#include "SoundDecoding.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <cstring>

namespace {

struct MemoryFile {
    const unsigned char* data;
    size_t size;
    size_t position;
};

size_t MemoryRead(void* buffer, size_t size, size_t count, void* source)
{
    MemoryFile* file = static_cast<MemoryFile*>(source);
    if (size == 0) {
        return 0;
    }
    size_t items = (file->size - file->position) / size;
    if (items > count) {
        items = count;
    }
    memcpy(buffer, file->data + file->position, items * size);
    file->position += items * size;
    return items;
}

int MemorySeek(void* source, ogg_int64_t offset, int whence)
{
    MemoryFile* file = static_cast<MemoryFile*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<ogg_int64_t>(file->position);
    } else if (whence == SEEK_END) {
        base = static_cast<ogg_int64_t>(file->size);
    } else if (whence != SEEK_SET) {
        return -1;
    }
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(file->size)) {
        return -1;
    }
    file->position = static_cast<size_t>(target);
    return 0;
}

long MemoryTell(void* source)
{
    return static_cast<long>(static_cast<MemoryFile*>(source)->position);
}

SoundResult DecodeOgg(const unsigned char* data, size_t length, decoded_sound& out)
{
    MemoryFile file{data, length, 0};
    ov_callbacks callbacks{MemoryRead, MemorySeek, nullptr, MemoryTell};
    OggVorbis_File vorbis;
    const int opened = ov_open_callbacks(&file, &vorbis, nullptr, 0, callbacks);
    if (opened != 0) {
        return OggOpenFailure(opened, data, length);
    }
    vorbis_info* info = ov_info(&vorbis, -1);
    SoundResult result = SOUND_OK;
    if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
        result = SOUND_ERR_FORMAT;
    } else {
        out.channels = info->channels;
        out.rate = static_cast<int>(info->rate);
        char buffer[8192];
        int section = 0;
        int holes = 0;
        for (;;) {
            const long got = ov_read(&vorbis, buffer, sizeof buffer, 0, 2, 1, &section);
            if (got == 0) {
                break;
            }
            if (got == OV_HOLE && ++holes < 64) {
                continue;
            }
            if (got < 0) {
                result = SOUND_ERR_FILE_BAD;
                break;
            }
            // A chained file whose later links change the layout cannot be
            // mixed as one sound.
            vorbis_info* link = ov_info(&vorbis, section);
            if (!link || link->channels != out.channels) {
                result = SOUND_ERR_FORMAT;
                break;
            }
            const size_t samples = static_cast<size_t>(got) / 2;
            const size_t start = out.samples.size();
            out.samples.resize(start + samples);
            memcpy(&out.samples[start], buffer, samples * 2);
        }
    }
    ov_clear(&vorbis);
    return result;
}

uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Read16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

SoundResult DecodeWave(const unsigned char* data, size_t length, decoded_sound& out)
{
    const uint16_t kPcm = 1;
    size_t position = 12;
    int bits = 0;
    bool haveFormat = false;
    while (position + 8 <= length) {
        const unsigned char* chunk = data + position;
        const uint32_t size = Read32(chunk + 4);
        position += 8;
        if (size > length - position) {
            return SOUND_ERR_FILE_BAD;
        }
        const unsigned char* body = data + position;
        if (memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16) {
                return SOUND_ERR_FILE_BAD;
            }
            out.channels = Read16(body + 2);
            out.rate = static_cast<int>(Read32(body + 4));
            bits = Read16(body + 14);
            if (Read16(body) != kPcm || out.channels < 1 || out.channels > 2 || (bits != 8 && bits != 16)) {
                return SOUND_ERR_FORMAT;
            }
            if (out.rate <= 0) {
                return SOUND_ERR_FILE_BAD;
            }
            haveFormat = true;
        } else if (memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                return SOUND_ERR_FILE_BAD;
            }
            const size_t frameBytes = static_cast<size_t>(out.channels) * (bits / 8);
            const size_t samples = size / frameBytes * out.channels;
            out.samples.resize(samples);
            for (size_t i = 0; i < samples; i++) {
                out.samples[i] = bits == 16 ? static_cast<int16_t>(Read16(body + 2 * i))
                                            : static_cast<int16_t>((body[i] - 128) * 256);
            }
            return SOUND_OK;
        }
        // Chunks are padded to an even length.
        position += size + (size & 1);
    }
    return SOUND_ERR_FILE_BAD;
}

}  // namespace

SoundResult OggOpenFailure(int openResult, const unsigned char* start, size_t length)
{
    if (openResult == OV_EVERSION) {
        return SOUND_ERR_FORMAT;
    }
    if (openResult != OV_ENOTVORBIS) {
        return SOUND_ERR_FILE_BAD;
    }
    // libvorbisfile says "not Vorbis" for any stream whose headers end early,
    // so the first page decides: cut short, or opening as Vorbis, the file is
    // damaged; whole and holding something else, it is another format.
    const size_t kHead = 27;
    const char kVorbisStart[] = "\x01vorbis";
    const size_t kVorbisLength = sizeof kVorbisStart - 1;
    if (length < 4 || memcmp(start, "OggS", 4) != 0) {
        return SOUND_ERR_FORMAT;
    }
    if (length < kHead) {
        return SOUND_ERR_FILE_BAD;
    }
    const size_t segments = start[kHead - 1];
    const size_t packet = kHead + segments;
    size_t page = packet;
    for (size_t i = 0; i < segments && kHead + i < length; i++) {
        page += start[kHead + i];
    }
    if (length < page) {
        return SOUND_ERR_FILE_BAD;
    }
    const bool vorbis = page >= packet + kVorbisLength && memcmp(start + packet, kVorbisStart, kVorbisLength) == 0;
    return vorbis ? SOUND_ERR_FILE_BAD : SOUND_ERR_FORMAT;
}

SoundResult DecodeSoundFromMemory(const char* data, int length, decoded_sound& out)
{
    out = decoded_sound();
    if (!data || length < 4) {
        return length < 0 ? SOUND_ERR_INVALID_PARAM : SOUND_ERR_FORMAT;
    }
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(data);
    const size_t size = static_cast<size_t>(length);
    SoundResult result = SOUND_ERR_FORMAT;
    if (memcmp(bytes, "OggS", 4) == 0) {
        result = DecodeOgg(bytes, size, out);
    } else if (size >= 12 && memcmp(bytes, "RIFF", 4) == 0 && memcmp(bytes + 8, "WAVE", 4) == 0) {
        result = DecodeWave(bytes, size, out);
    }
    if (result != SOUND_OK) {
        out = decoded_sound();
    }
    return result;
}
