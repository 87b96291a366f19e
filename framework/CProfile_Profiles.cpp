// The list of profiles: querying, adding, renaming, switching and deleting.
// Switching, adding and deleting save the outgoing profile first, so no change
// is lost; a deleted profile's files stay on disk.
#include "CProfile.h"

#include "Log.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

const char* const kFirstProfileName = "PLAYER 1";
const long long kUnlistedIdsSearched = 1000;
const char kIdentityMark[8] = {'P', 'L', 'M', 'R', 'I', 'D', '1', '\0'};

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
    // The files of a profile a rebuilt header left off stay theirs too.
    const int id = FreeProfileId(GetNumProfiles() + 1);
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
    // Its files stay on disk; the mark keeps a header made again from them
    // from listing it.
    MarkDeleted(id);
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
    // Id 0 unless its files are still a player's, unread or unlisted.
    activeProfile = FreeProfileId(0);
    profiles[activeProfile] = kFirstProfileName;
}

int CProfile::FreeProfileId(int first) const
{
    // Every id passed over is listed or has files of its own. A thousand
    // unlisted ones in a row are no player's folder but one where every name
    // fails to open (no descriptor left, say), where no new profile could be
    // saved either. Ids name files by id + 1, so INT_MAX is none.
    const long long listed = static_cast<long long>(profiles.size());
    const long long last = std::min<long long>(first + listed + kUnlistedIdsSearched, INT_MAX - 1);
    for (long long id = first; id <= last; id++) {
        if (!profiles.count(static_cast<int>(id)) && !ProfileFilesKept(static_cast<int>(id))) {
            return static_cast<int>(id);
        }
    }
    logMessage("No profile id is free: every name up to this one is taken or fails to open: ",
               ProfilePathOf(static_cast<int>(last), "").c_str());
    errorMessage("Cannot save profile: ", ProfilePathOf(first, "").c_str(), true, true);
    abort();  // errorMessage has already ended the program
}

int CProfile::TakeProfilesLeftOff()
{
    const int count = profilesLeftOff;
    profilesLeftOff = 0;
    return count;
}

bool CProfile::TakeProfileLost(KeptCopies* kept)
{
    const bool lost = profileLost;
    if (kept) {
        *kept = lostProfileKept;
    }
    profileLost = false;
    return lost;
}

profile_identity CProfile::Identity(const char* block)
{
    profile_identity identity;
    memcpy(&identity, block, sizeof identity);
    if (memcmp(identity.mark, kIdentityMark, sizeof kIdentityMark) != 0) {
        memset(&identity, 0, sizeof identity);
        memcpy(identity.mark, kIdentityMark, sizeof kIdentityMark);
    }
    identity.name[sizeof identity.name - 1] = '\0';
    return identity;
}

void CProfile::WriteIdentity()
{
    const profile_identity old = Identity(reserved);
    profile_identity identity;
    memset(&identity, 0, sizeof identity);
    memcpy(identity.mark, kIdentityMark, sizeof kIdentityMark);
    identity.keptGame = old.keptGame;
    identity.firstGameSaved = old.firstGameSaved;
    identity.noticesDue = old.noticesDue;
    identity.noticesUncopied = old.noticesUncopied;
    // The active profile is listed whenever it is saved.
    const auto listed = profiles.find(activeProfile);
    if (listed != profiles.end()) {
        memcpy(identity.name, listed->second.data(), std::min(listed->second.size(), sizeof identity.name - 1));
    }
    memcpy(reserved, &identity, sizeof identity);
}
