// The player-profile store: everything the game remembers about a player
// (settings, statistics, trophies, tutorial progress and the whole saved
// island) as typed properties under integer keys, kept in two maps: scalars
// and vectors of records, whose key numberings are independent.
//
// One store exists while the game runs (CProfile::current), allocated by
// start-up and deleted at shut-down; deleting it saves. It also keeps the list
// of profiles and which one is active, and owns their files in the user data
// folder: the header PALMORAv8.DAT and one PROFILE<id+1>v8.DAT per profile,
// each checksummed, with a ".BAKS" copy of the file before the latest save and
// a ".BAKL" copy of the file that last loaded well.
//
// Reading a key that was never written, reading it as another type or writing
// it as a second type ends the program: those are programming errors. Damaged
// files never do: loading falls back to the backups and then to defaults. A
// file that verifies is still checked: values no play could store are brought
// into range, and a game under way that lacks its island's keys counts as a
// failed rung, given up only when no backup holds a game that loads.
#pragma once

#include "ProfileTypes.h"

#include <map>
#include <string>
#include <vector>

struct property_data {
    std::string type;          // the value's stored type tag
    std::vector<char> value;   // exactly the type's width in bytes
};

struct vector_property_data {
    std::string type;          // the elements' stored type tag
    std::vector<char> data;    // all elements, back to back
    int size = 0;              // bytes of one element
};

class CProfile {
public:
    static const int RESERVED_SIZE = 512;
    static const int NAME_FIELD_SIZE = 64;  // a name keeps at most 63 bytes

    // Loads the header and the active profile, or starts a new one.
    CProfile();
    // Saves the active profile and the header.
    ~CProfile();
    CProfile(const CProfile&) = delete;
    CProfile& operator=(const CProfile&) = delete;

    static CProfile* CurrentProfile();

    template <typename T>
    T GetValue(int key);
    template <typename T>
    void SetValue(int key, T value);
    // Whether a scalar property holds a value; games stored before a key
    // existed lack it.
    bool HasValue(int key) const { return properties.count(key) != 0; }
    template <typename T>
    std::vector<T> GetVectorValue(int key);
    template <typename T>
    void SetVectorValue(int key, const std::vector<T>& values);

    // Files. A save that cannot be written ends the program with the old
    // files left exactly as they were.
    void Save();
    void SaveHeader();
    // attempt: 0 the main file, 1 its ".BAKS", 2 its ".BAKL"; callers pass 0.
    void Load(int attempt);
    void LoadHeader(int attempt);
    // The signed-byte sum of the bytes, wrapping in 32 bits.
    static int ComputeChecksum(const char* bytes, size_t count);

    // Profile management. Positions ("Absolute") count the listed profiles
    // from 0 in increasing id order; out-of-range positions do nothing.
    int GetNumProfiles();
    const char* GetProfileNameAbsolute(int n);  // null when out of range
    int GetActiveAbsolute();                    // -1 when not listed
    const char* GetActiveProfileName();
    void SetActiveProfileName(const char* name);
    void AddProfile(std::string name);
    void DeleteProfile(int id);
    void DeleteProfileAbsolute(int n);
    void LoadProfile(int id);
    void LoadProfileAbsolute(int n);
    void CreateNewHeader();
    // apply: push the new settings to the running sound and mouse.
    void CreateNewProfile(bool apply);

    // The input grab the profile asked for is lost while no video mode exists;
    // start-up calls this once the drawing context has set the mode.
    static void ApplyInputGrab();

    static CProfile* current;
    static int startTime;   // calendar seconds at construction
    static bool inputGrab;  // the grab the store last asked SDL for

private:
    struct ByteReader;
    using ScalarMap = std::map<int, property_data>;
    using VectorMap = std::map<int, vector_property_data>;

    const std::vector<char>& ScalarBytes(int key, const char* tag, int width);
    void StoreScalar(int key, property_data&& property);
    const vector_property_data& VectorBytes(int key, const char* tag, int width);
    void StoreVector(int key, vector_property_data&& property);

    std::string HeaderPath(const char* suffix) const;
    std::string ProfilePath(const char* suffix) const;
    void WriteProperties(std::vector<char>& out) const;
    // The profile file's bytes for the store as it is.
    std::vector<char> ProfileBytes() const;
    // Ends the program at once when the profile could not be saved in the
    // user data folder, rather than after a whole session at the first save.
    void CheckProfileCanBeSaved() const;
    static bool ReadProperties(ByteReader& in, ScalarMap& scalars, VectorMap& vectors);
    // A profile file as read, before the store takes it.
    struct ProfileImage {
        char reserved[RESERVED_SIZE];
        ScalarMap scalars;
        VectorMap vectors;
    };
    // Fills image from a whole profile file, repairing values no play could
    // have stored; false when the file does not verify or read.
    static bool ReadProfileFile(const std::vector<char>& bytes, ProfileImage& image);
    void TakeImage(ProfileImage& image);
    static void KeepDamaged(const std::string& path);
    // Brings settings, stocks and counters into the ranges play produces.
    static void RepairScalars(ScalarMap& scalars);
    // False for a game under way that lacks what its island needs.
    static bool GameLoadable(const ScalarMap& scalars, const VectorMap& vectors);
    static void ClearGame(ScalarMap& scalars);
    bool ReadHeaderFile(const std::vector<char>& bytes);
    void ApplySettings();
    void ApplySoundAndMouseSettings();  // 20 to 23 and the input grab
    static void GrabInput(bool grab);
    // Adds every default the map lacks.
    static void StoreDefaults(ScalarMap& scalars);
    static bool KeysHaveTheirTypes(const ScalarMap& scalars, const VectorMap& vectors);

    char reserved[RESERVED_SIZE];
    ScalarMap properties;
    VectorMap vectorProperties;
    std::map<int, std::string> profiles;
    int activeProfile;
};

template <typename T>
T CProfile::GetValue(int key)
{
    static_assert(IsStoredType<T>(), "T has no entry in kStoredTypes");
    using Type = ProfileType<T>;
    return Type::Decode(ScalarBytes(key, Type::tag, Type::width).data());
}

template <typename T>
void CProfile::SetValue(int key, T value)
{
    static_assert(IsStoredType<T>(), "T has no entry in kStoredTypes");
    using Type = ProfileType<T>;
    property_data property;
    property.type = Type::tag;
    property.value.resize(Type::width);
    Type::Encode(value, property.value.data());
    StoreScalar(key, std::move(property));
}

template <typename T>
std::vector<T> CProfile::GetVectorValue(int key)
{
    static_assert(IsStoredType<T>(), "T has no entry in kStoredTypes");
    using Type = ProfileType<T>;
    const vector_property_data& property = VectorBytes(key, Type::tag, Type::width);
    const size_t count = property.data.size() / Type::width;
    std::vector<T> values;
    values.reserve(count);
    for (size_t i = 0; i < count; i++) {
        values.push_back(Type::Decode(property.data.data() + i * Type::width));
    }
    return values;
}

template <typename T>
void CProfile::SetVectorValue(int key, const std::vector<T>& values)
{
    static_assert(IsStoredType<T>(), "T has no entry in kStoredTypes");
    using Type = ProfileType<T>;
    vector_property_data property;
    property.type = Type::tag;
    property.size = Type::width;
    property.data.resize(values.size() * Type::width);
    for (size_t i = 0; i < values.size(); i++) {
        Type::Encode(values[i], property.data.data() + i * Type::width);
    }
    StoreVector(key, std::move(property));
}
