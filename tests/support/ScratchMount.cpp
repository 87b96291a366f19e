#include "ScratchMount.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

bool OwnMountNamespace()
{
    static const bool made = unshare(CLONE_NEWNS) == 0 &&
                             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return made;
}

}  // namespace

ScratchMount::ScratchMount(const std::string& folder, size_t kilobytes)
    : folder(folder), mounted(false)
{
    mkdir(folder.c_str(), 0777);
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    mounted = OwnMountNamespace() && mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

ScratchMount::~ScratchMount()
{
    if (mounted) {
        umount2(folder.c_str(), MNT_DETACH);
    }
}

void ScratchMount::FillUp() const
{
    const int file = open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0) {
        return;
    }
    const std::vector<char> block(4096, 'f');
    while (write(file, block.data(), block.size()) > 0) {
    }
    while (write(file, block.data(), 1) > 0) {
    }
    close(file);
}

void ScratchMount::MakeReadOnly() const
{
    mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
}
