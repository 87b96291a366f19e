// A small tmpfs mounted over one folder for one test, to meet a full disk or a
// read-only folder for real (root cannot be kept out of a folder by its
// permissions). The mount lives in a mount namespace of the test process's
// own, so nothing outside the process ever sees it; without the rights to
// make one, Mounted() is false and the test skips.
#pragma once

#include <cstddef>
#include <string>

class ScratchMount {
public:
    ScratchMount(const std::string& folder, size_t kilobytes);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return mounted; }
    // Writes a filler file until not one more byte fits.
    void FillUp() const;
    // Remounts the folder read-only, keeping what it holds.
    void MakeReadOnly() const;

private:
    std::string folder;
    bool mounted;
};
