// What a verified profile file may hold: the settings stay inside the ranges
// their controls offer, counters and stocks inside what play can reach, and a
// game under way has every key its island needs. A checksum only proves that
// the file is as it was written; an edited or damaged value passes it. A
// game whose island and band are saved is under way whatever its damaged
// flag says, and loses only the records play itself can empty.
#include "CProfile.h"

#include "CRepairTally.h"

#include "Log.h"
#include "ProfileDefaults.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kSeedKey = 1;
constexpr int kGameUnderWayKey = 31;

struct float_range {
    int key;
    float low, high;
};
// Volumes and the mouse speed as their sliders offer them.
constexpr float_range kFloatRanges[] = {{20, 0.0f, 1.0f}, {21, 0.0f, 1.0f}, {22, 0.15f, 3.0f}};
constexpr int kCatchUpFactorKey = 76;
constexpr float kCatchUpFactors[] = {0.0f, 0.5f, 1.0f, 2.0f};

struct int_range {
    int key;
    int count;  // consecutive keys sharing the range
    int low, high;
};
// Stocks, research levels, the hint id and the counters: nothing in play
// makes a negative count or a level past the last.
constexpr int kIntMax = 0x7fffffff;
constexpr int_range kIntRanges[] = {
    {11, 3, 0, kIntMax},       // wood, fish, rock in stock
    {16, 3, 0, kIntMax},       // food kinds 1 to 3
    {25, 1, 0, kIntMax},       // science points
    {26, 4, 0, 2},             // research levels
    {32, 1, 22000, 22038},     // next loading-screen hint
    {34, 2, 0, 999},           // stardust and moondust
    {36, 2, 0, kIntMax},       // islands generated, crates opened
    {41, 2, 0, kIntMax},       // guano, mushrooms
    {44, 2, 0, kIntMax},       // lodestones, relics
    {49, 1, 0, kIntMax},       // game time on this island
    {51, 14, 0, kIntMax},      // band size and the lifetime counters (51..64)
    {74, 1, 0, kIntMax},       // endings reached
};

// Scalars and vectors a saved island cannot be played without.
constexpr int kIslandScalars[] = {1, 11, 12, 13, 14, 16, 17, 18, 34, 35};
constexpr int kIslandVectors[] = {2, 3, 4, 5, 6, 8, 9, 15, 19, 30, 39};
constexpr int kBandKey = 4;

// Records an island is whole without: play itself empties them.
struct optional_records {
    int key;
    const char* kind;  // as the log names them
};
constexpr optional_records kOptionalRecords[] = {
    {8, "flower markers"}, {9, "flowers"}, {19, "saplings"}, {30, "graves"}};

const char* VectorTag(int key)
{
    for (const ProfileKey& row : kProfileKeys) {
        if (row.vector && key >= row.key && key < row.key + row.count) {
            return row.tag;
        }
    }
    assert(false && "every optional record has its row");
    return "";
}

template <typename T>
bool Decode(const std::map<int, property_data>& scalars, int key, T& value)
{
    const auto found = scalars.find(key);
    if (found == scalars.end() || found->second.type != ProfileType<T>::tag ||
        found->second.value.size() != static_cast<size_t>(ProfileType<T>::width)) {
        return false;
    }
    value = ProfileType<T>::Decode(found->second.value.data());
    return true;
}

template <typename T>
void Encode(std::map<int, property_data>& scalars, int key, T value)
{
    ProfileType<T>::Encode(value, scalars[key].value.data());
}

}  // namespace

void CProfile::RepairScalars(ScalarMap& scalars)
{
    CRepairTally tally("Saved settings and counters");
    for (const float_range& range : kFloatRanges) {
        float value;
        if (Decode(scalars, range.key, value) && !(value >= range.low && value <= range.high)) {
            const float inside = std::isnan(value) ? range.high : std::min(std::max(value, range.low), range.high);
            Encode(scalars, range.key, inside);
            tally.Note("a setting outside its control's range was brought inside it");
        }
    }
    float factor;
    if (Decode(scalars, kCatchUpFactorKey, factor) &&
        std::find(std::begin(kCatchUpFactors), std::end(kCatchUpFactors), factor) == std::end(kCatchUpFactors)) {
        float nearest = 1.0f;
        for (float offered : kCatchUpFactors) {
            if (std::fabs(offered - factor) < std::fabs(nearest - factor)) {
                nearest = offered;
            }
        }
        Encode(scalars, kCatchUpFactorKey, nearest);
        tally.Note("a catch-up factor the settings do not offer became the nearest one offered");
    }
    for (const int_range& range : kIntRanges) {
        for (int key = range.key; key < range.key + range.count; key++) {
            int value;
            if (Decode(scalars, key, value) && (value < range.low || value > range.high)) {
                Encode(scalars, key, std::min(std::max(value, range.low), range.high));
                tally.Note("a count or level past what play can reach was brought back to its bound");
            }
        }
    }
}

bool CProfile::GameUnderWay(const ScalarMap& scalars)
{
    bool underWay = false;
    return Decode(scalars, kGameUnderWayKey, underWay) && underWay;
}

bool CProfile::GameLoadable(const ScalarMap& scalars, const VectorMap& vectors)
{
    if (!GameUnderWay(scalars)) {
        return true;
    }
    for (int key : kIslandScalars) {
        if (scalars.count(key) == 0) {
            return false;
        }
    }
    for (int key : kIslandVectors) {
        if (vectors.count(key) == 0) {
            return false;
        }
    }
    // 0 asks the generator for a new island: the band would be lost on it.
    unsigned int seed = 0;
    return Decode(scalars, kSeedKey, seed) && seed != 0;
}

uint32_t CProfile::GameFingerprint(const ScalarMap& scalars, const VectorMap& vectors)
{
    // FNV-1a over the island's own records: the seed, stocks and every
    // record vector. Settings and counters change with each save of a lost
    // game and are left out.
    uint32_t hash = 2166136261u;
    const auto mix = [&hash](const std::vector<char>& bytes) {
        for (char c : bytes) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        }
        hash = (hash ^ 0xFFu) * 16777619u;
    };
    for (int key : kIslandScalars) {
        const auto found = scalars.find(key);
        mix(found == scalars.end() ? std::vector<char>() : found->second.value);
    }
    for (int key : kIslandVectors) {
        const auto found = vectors.find(key);
        mix(found == vectors.end() ? std::vector<char>() : found->second.data);
    }
    return hash == 0 ? 1 : hash;
}

bool CProfile::SavedGameComplete() const
{
    return GameLoadable(properties, vectorProperties);
}

bool CProfile::KeepLostGame()
{
    // The chooser tells the player of the copy on every visit: it is looked
    // for, not taken on trust, since a copy may have gone since it was kept.
    const uint32_t game = GameFingerprint(properties, vectorProperties);
    const std::string path = ProfilePath("");
    const profile_identity before = Identity(reserved);
    EditIdentity(reserved, [game](profile_identity& identity) { identity.keptGame = game; });
    // The notice tells of the copy from now on, whichever way it was kept:
    // one kept before as lesser damage of the same game carries no mark of
    // a lost game in it.
    told_copy_data copy;
    if (GameKeptBeside(path, game, copy)) {
        RecordTold(path, copy);
        return true;
    }
    logMessage("The game under way cannot be made again; the profile is kept beside its file: ", path.c_str());
    // The copy itself carries the mark that tells it as a lost game's.
    const std::vector<char> bytes = ProfileBytes();
    if (!KeepDamaged(path, &bytes, &copy)) {
        memcpy(reserved, &before, sizeof before);
        return false;
    }
    RecordTold(path, copy);
    return true;
}

bool CProfile::HoldsLostGame(const std::vector<char>& bytes)
{
    ProfileImage image;
    if (!ReadProfileFile(bytes, image) || !GameUnderWay(image.scalars)) {
        return false;
    }
    return !GameLoadable(image.scalars, image.vectors) ||
           Identity(image.reserved).keptGame == GameFingerprint(image.scalars, image.vectors);
}

void CProfile::SettleGameUnderWay(ScalarMap& scalars, const VectorMap& vectors, char* reserved,
                                  std::vector<std::string>& notes)
{
    if (GameUnderWay(scalars)) {
        return;
    }
    const auto flag = scalars.find(kGameUnderWayKey);
    const bool firstGameSaved = Identity(reserved).firstGameSaved != 0;
    // The island and the band are what a game under way keeps and a new
    // profile lacks.
    const auto seed = scalars.find(kSeedKey);
    const auto band = vectors.find(kBandKey);
    const bool islandSaved = seed != scalars.end() && ScalarFits(kSeedKey, seed->second) && band != vectors.end() &&
                             VectorFits(kBandKey, band->second);
    std::string note;
    if (islandSaved) {
        if (flag == scalars.end()) {
            note = "Profile key 31 was missing";
        } else if (!ScalarFits(kGameUnderWayKey, flag->second)) {
            note = "Profile key 31 held " + DescribeHeld(flag->second);
        } else if (firstGameSaved) {
            note = "Profile key 31 held false, but a first game's screen saved its island and never closed";
        } else {
            return;
        }
        note += "; with the island's seed and band saved, the game counts as under way";
    } else if (firstGameSaved) {
        // Only a first game's own save sets the mark, and it saves both: a
        // new island made over what is left would lose the game unseen.
        note = "A first game's screen saved its island and never closed, but its seed or band is missing; the game "
               "counts as under way and cannot be made again";
    } else {
        return;
    }
    // Cleared here: from now on key 31 itself says it.
    EditIdentity(reserved, [](profile_identity& identity) { identity.firstGameSaved = 0; });
    property_data underWay;
    underWay.type = ProfileType<bool>::tag;
    underWay.value.assign(1, 1);
    scalars[kGameUnderWayKey] = underWay;
    notes.push_back(note);
}

std::vector<int> CProfile::GiveUpOptionalRecords(const ScalarMap& scalars, VectorMap& vectors,
                                                 std::vector<std::string>& notes)
{
    std::vector<int> givenUp;
    if (!GameUnderWay(scalars)) {
        return givenUp;
    }
    for (const optional_records& records : kOptionalRecords) {
        const auto found = vectors.find(records.key);
        if (found != vectors.end() && VectorFits(records.key, found->second)) {
            continue;
        }
        const char* tag = VectorTag(records.key);
        const int width = StoredWidth(tag, strlen(tag));
        std::string note = std::string("Saved ") + records.kind + " could not be read and were given up: ";
        if (found == vectors.end()) {
            note += "none were saved";
        } else {
            // Counted in the records they claim to be.
            const vector_property_data& lost = found->second;
            const size_t each = static_cast<size_t>(lost.size > 0 ? lost.size : width);
            note += std::to_string((lost.data.size() + each - 1) / each);
        }
        notes.push_back(note);
        vector_property_data none;
        none.type = tag;
        none.size = width;
        vectors[records.key] = none;
        givenUp.push_back(records.key);
    }
    return givenUp;
}

void CProfile::RecordsGivenUp(const std::vector<records_given_up>& givenUp)
{
    const std::string path = ProfilePath("");
    bool gaveUp = false;
    for (const records_given_up& records : givenUp) {
        if (records.count > 0) {
            const std::string line = std::string("Saved ") + records.kind +
                                     " that could not be read were given up one by one: " +
                                     std::to_string(records.count) + " in ";
            logMessage(line.c_str(), path.c_str());
            gaveUp = true;
        }
    }
    if (!gaveUp) {
        return;
    }
    // Kept now: the island's next save leaves them out of the file.
    logMessage("Records were left out of the island; the profile is kept beside its file as it was: ", path.c_str());
    const std::vector<char> bytes = ProfileBytes();
    told_copy_data copy;
    const bool kept = KeepDamaged(path, &bytes, &copy);
    if (kept) {
        RecordTold(path, copy);
    }
    NoticeDueNow(reserved, kRecordsGivenUp, kept);
}

void CProfile::MarkFirstGameSaved()
{
    EditIdentity(reserved, [](profile_identity& identity) { identity.firstGameSaved = 1; });
}

void CProfile::ClearFirstGameSaved()
{
    EditIdentity(reserved, [](profile_identity& identity) { identity.firstGameSaved = 0; });
}

bool CProfile::NoticeDue(SaveNotice notice) const
{
    return (Identity(reserved).noticesDue & notice) != 0;
}

bool CProfile::NoticeCopyKept(SaveNotice notice) const
{
    return (Identity(reserved).noticesUncopied & notice) == 0;
}

void CProfile::NoticeShown(SaveNotice notice)
{
    EditIdentity(reserved, [notice](profile_identity& identity) {
        identity.noticesDue = static_cast<uint8_t>(identity.noticesDue & ~notice);
        identity.noticesUncopied = static_cast<uint8_t>(identity.noticesUncopied & ~notice);
    });
}

void CProfile::NoticeDueNow(char* block, uint8_t notices, bool copyKept)
{
    EditIdentity(block, [notices, copyKept](profile_identity& identity) {
        // A notice already due for damage that was kept stays true whatever
        // a later damage left uncopied.
        const uint8_t fresh = static_cast<uint8_t>(notices & ~identity.noticesDue);
        identity.noticesUncopied = static_cast<uint8_t>(copyKept ? identity.noticesUncopied & ~notices
                                                                 : identity.noticesUncopied | fresh);
        identity.noticesDue = static_cast<uint8_t>(identity.noticesDue | notices);
    });
}
