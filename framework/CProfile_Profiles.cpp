// The list of profiles: querying, adding, renaming, switching and deleting.
// Switching, adding and deleting save the outgoing profile first, so no change
// is lost; a deleted profile's files stay on disk.
#include "CProfile.h"

#include <cassert>
#include <climits>
#include <iterator>

namespace {

const char* const kFirstProfileName = "PLAYER 1";

// A name must fit the header's field with its closing NUL.
std::string FittingName(std::string name)
{
    if (name.size() > CProfile::NAME_FIELD_SIZE - 1) {
        name.resize(CProfile::NAME_FIELD_SIZE - 1);
    }
    return name;
}

}  // namespace

int CProfile::GetNumProfiles()
{
    return static_cast<int>(profiles.size());
}

const char* CProfile::GetProfileNameAbsolute(int n)
{
    if (n < 0 || n >= GetNumProfiles()) {
        return nullptr;
    }
    return std::next(profiles.begin(), n)->second.c_str();
}

int CProfile::GetActiveAbsolute()
{
    auto found = profiles.find(activeProfile);
    if (found == profiles.end()) {
        return -1;
    }
    return static_cast<int>(std::distance(profiles.begin(), found));
}

const char* CProfile::GetActiveProfileName()
{
    // A damaged header may name an active id it does not list.
    return profiles[activeProfile].c_str();
}

void CProfile::SetActiveProfileName(const char* name)
{
    assert(name);
    profiles[activeProfile] = FittingName(name);
}

void CProfile::AddProfile(std::string name)
{
    Save();
    // After a deletion the list is shorter than its highest id, and count + 1
    // may belong to a listed profile; never take over its name or files.
    int id = GetNumProfiles() + 1;
    while (profiles.count(id)) {
        id++;
    }
    assert(id < INT_MAX);
    profiles[id] = FittingName(std::move(name));
    activeProfile = id;
    CreateNewProfile(false);
}

void CProfile::DeleteProfile(int id)
{
    Save();
    if (!profiles.count(id)) {
        return;
    }
    if (profiles.size() > 1) {
        profiles.erase(id);
        if (id == activeProfile) {
            activeProfile = profiles.begin()->first;
            Load(0);
        }
        return;
    }
    CreateNewHeader();
    CreateNewProfile(true);
    SaveHeader();
    Load(0);
}

void CProfile::DeleteProfileAbsolute(int n)
{
    if (n < 0 || n >= GetNumProfiles()) {
        return;
    }
    DeleteProfile(std::next(profiles.begin(), n)->first);
}

void CProfile::LoadProfile(int id)
{
    assert(id >= 0 && id < INT_MAX);
    Save();
    activeProfile = id;
    Load(0);
}

void CProfile::LoadProfileAbsolute(int n)
{
    if (n < 0 || n >= GetNumProfiles()) {
        return;
    }
    LoadProfile(std::next(profiles.begin(), n)->first);
}

void CProfile::CreateNewHeader()
{
    profiles.clear();
    profiles[0] = kFirstProfileName;
    activeProfile = 0;
}
