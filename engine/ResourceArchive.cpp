#include "ResourceArchive.h"

#include "Log.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

bool ReadWord(FILE* file, uint32_t& value)
{
    unsigned char bytes[4];
    if (fread(bytes, 1, 4, file) != 4) {
        return false;
    }
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

// Every count, offset and length is checked against the file's size, so a
// damaged archive is reported instead of read past its end.
[[noreturn]] void Damaged(const char* archivePath)
{
    std::string detail = std::string(" ") + archivePath;
    errorMessage("Cannot load resource file.", detail.c_str(), true, true);
    abort();
}

}  // namespace

char* GetBufferFromResource(const char* archivePath, const char* name, int* size)
{
    FILE* file = fopen(archivePath, "rb");
    if (!file) {
        errorMessage("Cannot load resource file.", true, true);
        return nullptr;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> closer(file, fclose);
    fseek(file, 0, SEEK_END);
    const long fileSize = ftell(file);
    fseek(file, 0, SEEK_SET);

    uint32_t count = 0;
    if (!ReadWord(file, count) || count > static_cast<uint32_t>((fileSize - 4) / 4)) {
        Damaged(archivePath);
    }
    std::vector<uint32_t> offsets(count);
    for (uint32_t& offset : offsets) {
        if (!ReadWord(file, offset)) {
            Damaged(archivePath);
        }
    }

    const size_t nameLength = strlen(name);
    std::string entryName;
    for (uint32_t offset : offsets) {
        uint32_t dataSize = 0;
        uint32_t entryNameLength = 0;
        if (offset > static_cast<uint32_t>(fileSize) || fseek(file, offset, SEEK_SET) != 0 ||
            !ReadWord(file, dataSize) || !ReadWord(file, entryNameLength) ||
            static_cast<uint64_t>(offset) + 8 + entryNameLength + dataSize > static_cast<uint64_t>(fileSize)) {
            Damaged(archivePath);
        }
        entryName.resize(entryNameLength);
        if (entryNameLength > 0 && fread(&entryName[0], 1, entryNameLength, file) != entryNameLength) {
            Damaged(archivePath);
        }
        if (entryNameLength != nameLength || entryName.compare(0, nameLength, name) != 0) {
            continue;
        }
        char* data = new char[dataSize > 0 ? dataSize : 1];
        if (dataSize > 0 && fread(data, 1, dataSize, file) != dataSize) {
            delete[] data;
            Damaged(archivePath);
        }
        *size = static_cast<int>(dataSize);
        return data;
    }
    errorMessage("Unable to find file within resource: ", name, true, true);
    return nullptr;
}
