// The typed property store: construction, destruction and the checked access
// behind the GetValue/SetValue templates.
#include "CProfile.h"

#include "CSound.h"
#include "Log.h"
#include "Utilities.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

CProfile* CProfile::current = nullptr;
int CProfile::startTime = 0;
bool CProfile::inputGrab = false;

namespace {

[[noreturn]] void Fatal(const char* message)
{
    errorMessage(message, true, true);
    abort();  // errorMessage has already ended the program
}

// A folder that cannot be entered (no search right, a link loop) answers
// every name in it as unreadable, never as missing: nothing could be loaded
// from it or saved to it, and every profile id would look taken. The start
// ends before reading anything, with the words a failed save uses.
void EndUnlessFolderEnters(const std::string& profilePath)
{
    struct stat info;
    if (lstat(profilePath.c_str(), &info) != 0 && errno != ENOENT) {
        errorMessage("Cannot save profile: ", profilePath.c_str(), true, true);
    }
}

}  // namespace

CProfile::CProfile()
    : activeProfile(0)
{
    memset(reserved, 0, sizeof reserved);
    startTime = GetCurrentTime();
    if (current) {
        Fatal("Profile initialized twice!");
    }
    current = this;
    EndUnlessFolderEnters(ProfilePath(""));
    LoadHeader(0);
    CheckProfileCanBeSaved();
    if (!CSound::soundInitialized) {
        char volumes[64];
        snprintf(volumes, sizeof volumes, "sound %g, music %g", GetValue<float>(20), GetValue<float>(21));
        logMessage("Sound is off; saves keep the stored volumes: ", volumes);
    }
}

CProfile::~CProfile()
{
    SaveHeader();
    current = nullptr;
}

CProfile* CProfile::CurrentProfile()
{
    return current;
}

const std::vector<char>& CProfile::ScalarBytes(int key, const char* tag, int width)
{
    auto found = properties.find(key);
    if (found == properties.end()) {
        Fatal("A profile property was read before its value was set!");
    }
    const property_data& property = found->second;
    // Loading admits only values of their type's width, so a differing width
    // is a different type.
    if (property.type != tag || property.value.size() != static_cast<size_t>(width)) {
        Fatal("A profile property was requested but its data type does not match the request type!");
    }
    return property.value;
}

void CProfile::StoreScalar(int key, property_data&& property)
{
    auto found = properties.find(key);
    if (found == properties.end()) {
        properties.emplace(key, std::move(property));
        return;
    }
    if (found->second.type != property.type) {
        Fatal("A profile property was 'set' with two different data types!");
    }
    found->second = std::move(property);
}

const vector_property_data& CProfile::VectorBytes(int key, const char* tag, int width)
{
    auto found = vectorProperties.find(key);
    if (found == vectorProperties.end()) {
        Fatal("A profile vector property was read before its value was set!");
    }
    const vector_property_data& property = found->second;
    if (property.type != tag || property.size != width) {
        Fatal("A profile vector property was requested but its data type does not match the request type!");
    }
    return property;
}

void CProfile::StoreVector(int key, vector_property_data&& property)
{
    auto found = vectorProperties.find(key);
    if (found == vectorProperties.end()) {
        vectorProperties.emplace(key, std::move(property));
        return;
    }
    if (found->second.type != property.type) {
        Fatal("A profile vector property was 'set' with two different data types!");
    }
    found->second = std::move(property);
}
