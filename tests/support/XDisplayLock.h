// Holds the shared test X server for one screenshot test. Every window the
// tests open sits at the same place, and X does not keep what a window covers,
// so two screenshot tests running at once would read each other's windows.
// The lock is a file lock named for the display, released on destruction.
#pragma once

#include <string>

class XDisplayLock {
public:
    explicit XDisplayLock(const std::string& display);
    ~XDisplayLock();
    XDisplayLock(const XDisplayLock&) = delete;
    XDisplayLock& operator=(const XDisplayLock&) = delete;

private:
    int fd;
};
