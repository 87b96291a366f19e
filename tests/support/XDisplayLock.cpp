#include "XDisplayLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

XDisplayLock::XDisplayLock(const std::string& display)
{
    std::string name = "/tmp/palmora-x-display";
    for (char c : display) {
        name += (c == ':' || c == '/') ? '-' : c;
    }
    fd = open((name + ".lock").c_str(), O_RDWR | O_CREAT, 0666);
    if (fd >= 0) {
        flock(fd, LOCK_EX);
    }
}

XDisplayLock::~XDisplayLock()
{
    if (fd >= 0) {
        flock(fd, LOCK_UN);
        close(fd);
    }
}
