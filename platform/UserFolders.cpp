#include "UserFolders.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool Fits(int written, size_t size)
{
    return written > 0 && static_cast<size_t>(written) < size;
}

}  // namespace

bool FindUserApplicationDataFolder(char* buffer, size_t size)
{
    // The XDG rules ignore a relative value; one too long for the buffer is
    // as unusable, and cutting it would name some other folder.
    const char* xdg = getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/' && Fits(snprintf(buffer, size, "%s", xdg), size)) {
        return true;
    }
    const char* home = getenv("HOME");
    if (!home || home[0] == '\0') {
        return false;
    }
    return Fits(snprintf(buffer, size, "%s/.local/share", home), size);
}

const char* UserDataOverride()
{
    const char* folder = getenv("PALMORA_USER_DATA");
    return folder && folder[0] != '\0' ? folder : nullptr;
}
