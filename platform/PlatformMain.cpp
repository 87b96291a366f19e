// The process entry point. The game reads its resource folder relative to the
// working directory, so the folder that holds the executable becomes the
// working directory before the game starts.
#include "ProcessSignals.h"

#include <climits>
#include <unistd.h>

#include <string>

int SDL_main(int argc, char* argv[]);

int main(int argc, char* argv[])
{
    IgnoreFileSizeSignal();
    char self[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        std::string folder(self, static_cast<size_t>(length));
        folder.erase(folder.find_last_of('/') + 1);
        if (chdir(folder.c_str()) != 0) {
            // Stay where we were started; the resource check reports it.
        }
    }
    return SDL_main(argc, argv);
}
