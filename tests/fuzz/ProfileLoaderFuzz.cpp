// libFuzzer target for the profile header and profile file loaders: whatever
// the player's folder holds, loading falls to a backup or a fresh profile and
// never crashes or reads outside a file.
#include "CController.h"
#include "CInput.h"
#include "CProfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string folder;

void WriteFile(const std::string& name, const uint8_t* data, size_t size)
{
    FILE* file = fopen((folder + name).c_str(), "wb");
    if (file) {
        fwrite(data, 1, size, file);
        fclose(file);
    }
}

// Every file goes, whichever profile id an earlier input's header named, so
// each input runs on an empty folder and reproduces alone.
void Clear()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char templ[] = "/tmp/palmora-fuzz-XXXXXX";
    folder = std::string(mkdtemp(templ)) + "/";
    setenv("PALMORA_USER_DATA", folder.c_str(), 1);
    static CInput input;
    CController::input = &input;
    return 0;
}

// The first two bytes split the rest into the header file and the profile file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) {
        return 0;
    }
    size_t split = (static_cast<size_t>(data[0]) | (static_cast<size_t>(data[1]) << 8)) % (size - 1);
    Clear();
    WriteFile("PALMORAv8.DAT", data + 2, split);
    WriteFile("PROFILE1v8.DAT", data + 2 + split, size - 2 - split);
    delete new CProfile();
    return 0;
}
