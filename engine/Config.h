// The process-wide full-screen wish. It only records what the player asked
// for; the drawing context follows it when it sets or toggles the video mode.
#pragma once

bool Config_GetFullscreen();
void Config_SetFullscreen(bool fullscreen);
