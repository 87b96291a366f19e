// Walks one resource archive (a count, an offset table, and entries of size,
// name and data, all little-endian), checking every count, offset and length
// against the file's size so that a damaged archive is reported instead of
// read past its end. The image store, the sound store and the single-entry
// lookup each walk their archive with one of these and report failures in
// their own words.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CArchiveReader {
public:
    explicit CArchiveReader(const char* path);
    ~CArchiveReader();
    CArchiveReader(const CArchiveReader&) = delete;
    CArchiveReader& operator=(const CArchiveReader&) = delete;

    bool Opened() const { return file != nullptr; }
    // False when the count or the offset table does not fit the file.
    bool TableIntact() const { return tableIntact; }
    int Count() const { return static_cast<int>(offsets.size()); }

    // Reads the name and data size of entry i; false when the entry does not
    // lie wholly inside the file.
    bool ReadEntry(int i, std::string& name, uint32_t& size);
    // Reads the data of the entry last read into a buffer of its size.
    bool ReadData(char* into);

private:
    FILE* file;
    uint64_t fileSize;
    bool tableIntact;
    std::vector<uint32_t> offsets;
    uint32_t pendingSize;
};
