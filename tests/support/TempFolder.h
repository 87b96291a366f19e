// A fresh temporary folder for one test: it becomes the working directory and
// the user data folder (through PALMORA_USER_DATA), so no test ever touches a
// real player's files. Everything is removed, and the old working directory
// and user data setting restored, on destruction.
#pragma once

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    // path/name
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string path;
    std::string previousDirectory;
    bool hadUserData = false;
    std::string previousUserData;
};
