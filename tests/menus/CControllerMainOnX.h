// The game binary under the test X server, started, seen and driven from
// outside as a player would: its window found, read and clicked, keys sent.
#pragma once

#include "Screenshot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

// The few Xlib and XTest calls the binary's road needs, looked up at run time.
struct x_calls {
    Display* (*open)(const char*);
    int (*close)(Display*);
    int (*flush)(Display*);
    Status (*queryTree)(Display*, Window, Window*, Window*, Window**, unsigned int*);
    Status (*attributes)(Display*, Window, XWindowAttributes*);
    int (*free)(void*);
    XImage* (*getImage)(Display*, Drawable, int, int, unsigned int, unsigned int, unsigned long, int);
    KeyCode (*keycode)(Display*, KeySym);
    int (*motion)(Display*, int, int, int, unsigned long);
    int (*button)(Display*, unsigned int, Bool, unsigned long);
    int (*key)(Display*, unsigned int, Bool, unsigned long);
    XErrorHandler (*setErrorHandler)(XErrorHandler);

    bool Load()
    {
        void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_GLOBAL);
        void* xtst = dlopen("libXtst.so.6", RTLD_NOW | RTLD_GLOBAL);
        if (!x11 || !xtst) {
            return false;
        }
        open = reinterpret_cast<decltype(open)>(dlsym(x11, "XOpenDisplay"));
        close = reinterpret_cast<decltype(close)>(dlsym(x11, "XCloseDisplay"));
        flush = reinterpret_cast<decltype(flush)>(dlsym(x11, "XFlush"));
        queryTree = reinterpret_cast<decltype(queryTree)>(dlsym(x11, "XQueryTree"));
        attributes = reinterpret_cast<decltype(attributes)>(dlsym(x11, "XGetWindowAttributes"));
        free = reinterpret_cast<decltype(free)>(dlsym(x11, "XFree"));
        getImage = reinterpret_cast<decltype(getImage)>(dlsym(x11, "XGetImage"));
        keycode = reinterpret_cast<decltype(keycode)>(dlsym(x11, "XKeysymToKeycode"));
        motion = reinterpret_cast<decltype(motion)>(dlsym(xtst, "XTestFakeMotionEvent"));
        button = reinterpret_cast<decltype(button)>(dlsym(xtst, "XTestFakeButtonEvent"));
        key = reinterpret_cast<decltype(key)>(dlsym(xtst, "XTestFakeKeyEvent"));
        setErrorHandler = reinterpret_cast<decltype(setErrorHandler)>(dlsym(x11, "XSetErrorHandler"));
        // A window that closed while it was read fails that read, not the test.
        if (setErrorHandler) {
            setErrorHandler([](Display*, XErrorEvent*) { return 0; });
        }
        return open && close && flush && queryTree && attributes && free && getImage && keycode && motion &&
               button && key;
    }
};

inline int Channel(unsigned long pixel, unsigned long mask)
{
    while (mask && !(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
    }
    return static_cast<int>(pixel & mask);
}

// The game running under the test X server, seen and driven from outside.
class GameOnX {
public:
    GameOnX(x_calls& calls, Display* display, const char* binary, const char* name) : x(calls), dpy(display)
    {
        pid = fork();
        if (pid == 0) {
            signal(SIGTERM, SIG_DFL);
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("DISPLAY", name, 1);
            // Xlib keeps a few bytes of its own to the end; the game's own
            // leaks are looked for by the tests that run it in process.
            const char* asan = getenv("ASAN_OPTIONS");
            setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
            execl(binary, binary, "3", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~GameOnX()
    {
        if (pid > 0 && waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
    }

    // Polls (100 ms apart) until done, for at most seconds; false when the
    // game ended or the time ran out. The deadlines are generous: a loaded
    // machine runs the sanitized game many times slower than a quiet one.
    template <class Done>
    bool WaitFor(Done done, int seconds = 60)
    {
        for (int attempt = 0; attempt < seconds * 10; attempt++) {
            if (!Running()) {
                return false;
            }
            if (done()) {
                return true;
            }
            usleep(100000);
        }
        return false;
    }

    bool FindWindow()
    {
        Window root = DefaultRootWindow(dpy), parent, *children = nullptr;
        unsigned int count = 0;
        window = 0;
        if (x.queryTree(dpy, root, &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count; i++) {
                XWindowAttributes a;
                if (x.attributes(dpy, children[i], &a) && a.width == 800 && a.height == 600 &&
                    a.map_state == IsViewable) {
                    window = children[i];
                    left = a.x;
                    top = a.y;
                }
            }
            x.free(children);
        }
        return window != 0;
    }

    rgb_picture Capture()
    {
        rgb_picture picture;
        XImage* image = x.getImage(dpy, window, 0, 0, 800, 600, AllPlanes, ZPixmap);
        if (!image) {
            return picture;
        }
        picture.w = 800;
        picture.h = 600;
        for (int py = 0; py < 600; py++) {
            for (int px = 0; px < 800; px++) {
                const unsigned long pixel = XGetPixel(image, px, py);
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->red_mask)));
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->green_mask)));
                picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->blue_mask)));
            }
        }
        XDestroyImage(image);
        return picture;
    }

    // A button takes the click that is let go over it, wherever the pointer
    // was at the last frame: the move and the click may arrive together.
    void Click(int atX, int atY)
    {
        x.motion(dpy, -1, left + atX, top + atY, 0);
        x.button(dpy, 1, True, 0);
        x.button(dpy, 1, False, 0);
        x.flush(dpy);
    }

    // Once the game has ended nothing is waited for again: a wait on pid -1
    // would be a wait on any child, such as the test's own X server.
    bool Running()
    {
        if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
        }
        return pid > 0;
    }

    // Whether the game ended by itself with exit code 0.
    bool EndedWell() { return !Running() && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

    void Escape()
    {
        const KeyCode code = x.keycode(dpy, XK_Escape);
        x.key(dpy, code, True, 0);
        x.key(dpy, code, False, 0);
        x.flush(dpy);
    }

    // Asks the game to close and waits for its whole shut-down.
    bool Close()
    {
        if (pid <= 0) {
            return false;
        }
        kill(pid, SIGTERM);
        WaitFor([] { return false; }, 120);
        return pid == -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    x_calls& x;
    Display* dpy;
    pid_t pid = -1;
    int status = 0;
    Window window = 0;
    int left = 0, top = 0;
};
