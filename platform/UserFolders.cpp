#include "UserFolders.h"

#include <cstdio>
#include <cstdlib>

bool FindUserApplicationDataFolder(char* buffer, size_t size)
{
    const char* xdg = getenv("XDG_DATA_HOME");
    int written;
    if (xdg && xdg[0] == '/') {
        written = snprintf(buffer, size, "%s", xdg);
    } else {
        const char* home = getenv("HOME");
        if (!home || home[0] == '\0') {
            return false;
        }
        written = snprintf(buffer, size, "%s/.local/share", home);
    }
    return written > 0 && static_cast<size_t>(written) < size;
}

const char* UserDataOverride()
{
    const char* folder = getenv("PALMORA_USER_DATA");
    return folder && folder[0] != '\0' ? folder : nullptr;
}
