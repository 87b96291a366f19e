#include "TempFolder.h"
#include "TestBytes.h"

#include <cstdlib>
#include <fstream>
#include <cstdio>
#include <unistd.h>

#include <filesystem>

TempFolder::TempFolder()
{
    char templ[] = "/tmp/palmora-test-XXXXXX";
    if (!mkdtemp(templ)) {
        perror("mkdtemp");
        abort();
    }
    path = templ;
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) {
        previousDirectory = cwd;
    }
    if (chdir(path.c_str()) != 0) {
        perror("chdir");
        abort();
    }
    if (const char* userData = getenv("PALMORA_USER_DATA")) {
        hadUserData = true;
        previousUserData = userData;
    }
    setenv("PALMORA_USER_DATA", (path + "/userdata/").c_str(), 1);
}

TempFolder::~TempFolder()
{
    if (!previousDirectory.empty() && chdir(previousDirectory.c_str()) != 0) {
        // Nothing sensible to do in a destructor; the folder is removed anyway.
    }
    if (hadUserData) {
        setenv("PALMORA_USER_DATA", previousUserData.c_str(), 1);
    } else {
        unsetenv("PALMORA_USER_DATA");
    }
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TempFolder::File(const std::string& name) const
{
    return path + "/" + name;
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(File(name), std::ios::binary);
    out << bytes;
}

std::string TempFolder::Read(const std::string& name) const
{
    return ReadBytes(File(name));
}
