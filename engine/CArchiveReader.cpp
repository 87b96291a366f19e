#include "CArchiveReader.h"

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

}  // namespace

CArchiveReader::CArchiveReader(const char* path)
    : file(fopen(path, "rb")), fileSize(0), tableIntact(false), pendingSize(0)
{
    if (!file) {
        return;
    }
    fseek(file, 0, SEEK_END);
    const long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    fileSize = size > 0 ? static_cast<uint64_t>(size) : 0;

    uint32_t count = 0;
    if (fileSize < 4 || !ReadWord(file, count) || count > (fileSize - 4) / 4) {
        return;
    }
    offsets.resize(count);
    for (uint32_t& offset : offsets) {
        if (!ReadWord(file, offset)) {
            offsets.clear();
            return;
        }
    }
    tableIntact = true;
}

CArchiveReader::~CArchiveReader()
{
    if (file) {
        fclose(file);
    }
}

bool CArchiveReader::ReadEntry(int i, std::string& name, uint32_t& size)
{
    const uint32_t offset = offsets[static_cast<size_t>(i)];
    uint32_t nameLength = 0;
    if (offset > fileSize || fseek(file, static_cast<long>(offset), SEEK_SET) != 0 ||
        !ReadWord(file, size) || !ReadWord(file, nameLength) ||
        uint64_t{offset} + 8 + nameLength + size > fileSize) {
        return false;
    }
    name.assign(nameLength, '\0');
    if (nameLength > 0 && fread(&name[0], 1, nameLength, file) != nameLength) {
        return false;
    }
    pendingSize = size;
    return true;
}

bool CArchiveReader::ReadData(char* into)
{
    return pendingSize == 0 || fread(into, 1, pendingSize, file) == pendingSize;
}
