#include "Config.h"

namespace {
bool fullscreen = true;
}

bool Config_GetFullscreen() { return fullscreen; }
void Config_SetFullscreen(bool value) { fullscreen = value; }
