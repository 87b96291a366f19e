// The platform's answer to "where does this user keep application data": an
// absolute $XDG_DATA_HOME that fits, else ~/.local/share. PALMORA_USER_DATA
// names the whole user data folder instead, so that tests never touch a real
// player's files; the game makes either folder, with its parents, when missing.
#pragma once

#include <cstddef>

// Writes the per-user application data folder (without a trailing "/") into
// buffer; false when there is none.
bool FindUserApplicationDataFolder(char* buffer, size_t size);

// The override of the whole user data folder, or null when not set.
const char* UserDataOverride();
