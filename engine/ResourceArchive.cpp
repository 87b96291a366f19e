#include "ResourceArchive.h"

#include "CArchiveReader.h"
#include "Log.h"

#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Damaged(const char* archivePath)
{
    const std::string detail = std::string(" ") + archivePath;
    errorMessage("Cannot load resource file.", detail.c_str(), true, true);
    abort();
}

}  // namespace

char* GetBufferFromResource(const char* archivePath, const char* name, int* size)
{
    CArchiveReader archive(archivePath);
    if (!archive.Opened()) {
        errorMessage("Cannot load resource file.", true, true);
        return nullptr;
    }
    if (!archive.TableIntact()) {
        Damaged(archivePath);
    }
    std::string entryName;
    for (int i = 0; i < archive.Count(); i++) {
        uint32_t dataSize = 0;
        if (!archive.ReadEntry(i, entryName, dataSize)) {
            Damaged(archivePath);
        }
        if (entryName != name) {
            continue;
        }
        char* data = new char[dataSize > 0 ? dataSize : 1];
        if (!archive.ReadData(data)) {
            delete[] data;
            Damaged(archivePath);
        }
        *size = static_cast<int>(dataSize);
        return data;
    }
    errorMessage("Unable to find file within resource: ", name, true, true);
    return nullptr;
}
