// The guard that starts SDL's video for the run and names the window.
// SDL_main owns the one instance for the whole run. SDL itself is shut down
// by the SDL_Quit handler registered at process exit, so the destructor has
// nothing to release.
#pragma once

class CSDL {
public:
    // A failure to start SDL's video is fatal.
    CSDL();
    ~CSDL();
};
