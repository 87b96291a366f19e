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
// files never do. A file whose structure cannot be read (cut short, a length
// past its end, a failed checksum) gives way to its backups and then to
// defaults, which the main menu tells the player of; in a file that reads, a
// value under a wrong or unknown type takes its default or is left out,
// values no play could store are brought into range, and each of those is
// logged. A game under way that lacks its island's records makes an older
// backup that holds the game load instead; when none does, the profile loads
// with the game kept as it was, for the game's chooser to tell the player
// that it is lost. Markers, flowers, saplings and graves that cannot be read
// go alone, whole or one by one as the island loads, and the game screen
// tells the player once. A key stored more than once keeps its first copy;
// when a copy left out differs, the main menu tells the player once.
//
// Every damaged file is kept beside the others as ".BAD1" up to ".BAD5", the
// oldest going first, but a lost game's copy only after every other; a copy
// a notice told the player of never goes, nor does anything in a slot that
// does not read; nothing in a slot is ever written over, and a notice says
// that a copy was kept only when one was. A regular file under a ladder's
// name that cannot be read is kept by moving it into a slot. Each profile
// file also carries its own name and a deleted mark in its reserved block,
// so that a header lost in every copy is made again from the profile files
// with their names.
#pragma once

#include "ProfileTypes.h"

#include <cstdint>
#include <cstring>
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

// What a profile file's reserved block holds: enough of the profile to list
// it again when the header is lost. Files written before it existed hold
// zeros there, which read as a profile without a name.
struct profile_identity {
    char mark[8];        // kIdentityMark; anything else is no identity
    uint8_t deleted;     // 1 once the profile was taken off the list
    // 1 once a first game's screen saved its island: key 31 stays false until
    // that screen closes, so a game cut off before then is told from a new
    // game's leftovers by this mark alone.
    uint8_t firstGameSaved;
    uint8_t noticesDue;  // CProfile::SaveNotice bits the player is yet to see
    // SaveNotice bits of noticesDue whose damage no copy could be kept of;
    // files written before it hold 0, as their copies were all kept.
    uint8_t noticesUncopied;
    uint32_t keptGame;   // fingerprint of the lost game already kept as ".BAD", 0 none
    char name[64];       // NUL-terminated, at most 63 bytes
    char unused[432];
};
static_assert(sizeof(profile_identity) == 512, "the reserved block of the profile file");

// One ".BAD" copy a notice told the player of, in the record kept beside the
// copies (".TOLD"): the copies that most need the mark fail their own checks
// and cannot carry it. A copy is known by its inode, which a move between
// slots keeps and damage in place does not change, or by its bytes, which a
// copy of the whole folder keeps.
struct told_copy_data {
    uint64_t inode;
    uint64_t size;   // bytes, as the slot held them when recorded
    uint64_t hash;   // FNV-1a of the bytes; 0 when they could not be read
    uint8_t hashed;  // 1 when hash holds
    uint8_t unused[7];
};
static_assert(sizeof(told_copy_data) == 32, "a told copy's record");

class CProfile {
public:
    static const int RESERVED_SIZE = 512;
    static const int NAME_FIELD_SIZE = 64;  // a name keeps at most 63 bytes
    static const int DAMAGED_COPIES = 5;    // ".BAD1" to ".BAD5" per file

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

    // How many profiles a header made again from the profile files had to
    // leave off because no copy of them could be read; the count is handed
    // out once, for the player to be told once.
    int TakeProfilesLeftOff();
    // Whether the active profile had files on disk of which none could be
    // read, so that it started again as a new one; handed out once, with
    // how many of its damaged files were kept beside it.
    enum KeptCopies { kAllKept, kSomeKept, kNoneKept };
    bool TakeProfileLost(KeptCopies* kept = nullptr);

    // False while a game is under way whose island records are not all
    // there: it cannot be continued, only replaced by a new island.
    bool SavedGameComplete() const;
    // Keeps the profile as it stands beside its files as a ".BAD" copy, once
    // per lost game: the game under way cannot be made again. True when a
    // copy of the game lies beside the profile, kept now or before.
    bool KeepLostGame();

    // Marks the island just saved as a first game's, whose key 31 is still
    // false; the next load counts it as under way. Cleared when a new game
    // starts.
    void MarkFirstGameSaved();
    void ClearFirstGameSaved();
    // What loading had to leave out, for the player to be told once: copies
    // that differ over the main menu, before play can lead anywhere; records
    // given up on the screen of the game that goes on without them. The bits
    // travel with the profile file.
    enum SaveNotice : uint8_t {
        kCopiesDiffer = 1,    // a key stored more than once, a copy left out differing from the one kept
        kRecordsGivenUp = 2,  // markers, flowers, saplings or graves left out
    };
    bool NoticeDue(SaveNotice notice) const;
    // Whether a copy of the damage a due notice tells of was kept.
    bool NoticeCopyKept(SaveNotice notice) const;
    void NoticeShown(SaveNotice notice);
    // How many records of one kind an island's loaders left out one by one.
    struct records_given_up {
        const char* kind;  // as the log names them: "graves"
        size_t count;
    };
    // Markers, flowers, saplings and graves left out one by one from records
    // that read go as those that go whole: each kind is logged with its
    // number, the profile as it stands, which still holds them, is kept as a
    // ".BAD" copy, and the game screen owes the player its notice.
    void RecordsGivenUp(const std::vector<records_given_up>& givenUp);

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
    std::string ProfilePathOf(int id, const char* suffix) const;
    void WriteProperties(std::vector<char>& out) const;
    // The profile file's bytes for the store as it is.
    std::vector<char> ProfileBytes() const;
    // Ends the program at once when the profile could not be saved in the
    // user data folder, rather than after a whole session at the first save.
    void CheckProfileCanBeSaved() const;
    // The later records of keys stored twice, in file order.
    struct LaterCopies {
        std::vector<std::pair<int, property_data>> scalars;
        std::vector<std::pair<int, vector_property_data>> vectors;
    };
    // Reads the records as they stand, whatever their types; false only when
    // the block's structure cannot be read. A key stored twice keeps its
    // first record; the later one is noted and handed back.
    static bool ReadProperties(ByteReader& in, ScalarMap& scalars, VectorMap& vectors, LaterCopies& later,
                               std::vector<std::string>& notes);
    // A profile file as read, before the store takes it.
    struct ProfileImage {
        char reserved[RESERVED_SIZE];
        ScalarMap scalars;
        VectorMap vectors;
        std::vector<std::string> notes;  // what was mended, for the log
        bool damaged = false;            // to be kept as a ".BAD" copy when it loads
        uint8_t noticesDue = 0;          // SaveNotice bits it adds
    };
    // Fills image from a whole profile file, mending what a file that reads
    // may hold wrong; false when the file does not verify or read.
    static bool ReadProfileFile(const std::vector<char>& bytes, ProfileImage& image);
    void TakeImage(ProfileImage& image);
    // Copies the file at path, or the given bytes, to the next ".BAD" slot of
    // path; a copy identical to one already kept is not made again. A
    // regular file at path that cannot be read is moved into the slot
    // instead. True when such a copy lies in a slot, and then copy, when
    // given, tells it; every failure is logged.
    static bool KeepDamaged(const std::string& path, const std::vector<char>* bytes = nullptr,
                            told_copy_data* copy = nullptr);
    // The ".BAD" slot of path that a full set of them gives up for a new
    // copy: the oldest copy that reads, was never told of and holds no lost
    // game, else, for a lost game's own copy, the oldest such lost game; 0
    // when none may go.
    static int SlotToGiveUp(const std::string& path, bool keepingLostGame);
    // Whether a ".BAD" slot of path holds a copy of the game of fingerprint,
    // and which copy.
    static bool GameKeptBeside(const std::string& path, uint32_t game, told_copy_data& copy);
    // What tells the copy in slot apart; bytes, when given, are what it
    // holds. False when nothing stands there.
    static bool IdentifyCopy(const std::string& slot, const std::vector<char>* bytes, told_copy_data& copy);
    // The record of told copies beside path's slots; false when one stands
    // there that cannot be read, and every copy must then count as told.
    static bool ReadToldCopies(const std::string& path, std::vector<told_copy_data>& told);
    // Adds the copy, which lies in a slot of path, to the record of copies a
    // notice told the player of. The record is written again with the copies
    // in the slots now, so it never holds more than the slots do.
    static void RecordTold(const std::string& path, const told_copy_data& copy);
    // Whether a file's bytes hold a game under way that cannot be played, or
    // one the chooser found could not be made again and kept as lost.
    static bool HoldsLostGame(const std::vector<char>& bytes);
    // Values under a wrong or unknown type, or that are not numbers, take
    // their defaults or go; vectors of the wrong records go.
    static void RepairTypes(ScalarMap& scalars, VectorMap& vectors, std::vector<std::string>& notes);
    // Brings settings, stocks and counters into the ranges play produces.
    static void RepairScalars(ScalarMap& scalars);
    // Whether a record reads as its key's type (any known type for a key the
    // game does not use), and what a scalar held, as the log shows it.
    static bool ScalarFits(int key, const property_data& property);
    static bool VectorFits(int key, const vector_property_data& property);
    static std::string DescribeHeld(const property_data& property);
    // A later copy of a key stored more than once that differs from the
    // first, the one kept, with the log's line on it.
    struct differing_copy {
        int key;
        bool vector;
        std::string note;
    };
    // Any later copy may have held what the player saved, whichever of the
    // copies reads.
    static std::vector<differing_copy> CopiesThatDiffer(const ScalarMap& scalars, const VectorMap& vectors,
                                                        const LaterCopies& later);
    // Key 31 for a file whose island and band are saved: true when the key
    // is missing or unreadable, or false beside a first game's mark. Beside
    // that mark with the seed or band missing it is true as well: a game
    // under way that cannot be made again, for the chooser to tell of.
    static void SettleGameUnderWay(ScalarMap& scalars, const VectorMap& vectors, char* reserved,
                                   std::vector<std::string>& notes);
    // In a game under way, markers, flowers, saplings and graves that are
    // missing or unreadable become none, as ordinary play has them; the keys
    // given up.
    static std::vector<int> GiveUpOptionalRecords(const ScalarMap& scalars, VectorMap& vectors,
                                                  std::vector<std::string>& notes);
    // False for a game under way that lacks what its island needs.
    static bool GameLoadable(const ScalarMap& scalars, const VectorMap& vectors);
    static bool GameUnderWay(const ScalarMap& scalars);
    // A number that tells one saved island's records from another's.
    static uint32_t GameFingerprint(const ScalarMap& scalars, const VectorMap& vectors);
    static profile_identity Identity(const char* reserved);
    // Adds SaveNotice bits to those the block's identity holds; copyKept
    // says whether the damage they tell of was kept as a ".BAD" copy.
    static void NoticeDueNow(char* block, uint8_t notices, bool copyKept);
    // Reads the block's identity as Identity does, lets change alter it and
    // writes it back into the block.
    template <typename Change>
    static void EditIdentity(char* block, Change change)
    {
        profile_identity identity = Identity(block);
        change(identity);
        memcpy(block, &identity, sizeof identity);
    }
    // The active profile's name and the lost game kept, in the reserved block.
    void WriteIdentity();
    bool ReadHeaderFile(const std::vector<char>& bytes);
    // With every copy of the header lost: lists each profile file that reads
    // and was not deleted, the latest played active. A profile no copy of
    // which reads is left off, each of its files named in the log.
    void RebuildHeader();
    // Whether files of the profile id lie on disk that a profile made under
    // that id would write over: any but those of a deleted profile.
    bool ProfileFilesKept(int id) const;
    // The lowest id from first on that is not listed and has no files kept;
    // when none is within reach of the list, the program ends as at a failed
    // save of the first.
    int FreeProfileId(int first) const;
    // Marks the files of a profile taken off the list, so that a rebuilt
    // header leaves it off.
    void MarkDeleted(int id);
    void ApplySettings();
    void ApplySoundAndMouseSettings();  // 20 to 23 and the input grab
    static void GrabInput(bool grab);
    // Adds every default the map lacks.
    static void StoreDefaults(ScalarMap& scalars);

    char reserved[RESERVED_SIZE];
    ScalarMap properties;
    VectorMap vectorProperties;
    std::map<int, std::string> profiles;
    int activeProfile;
    int profilesLeftOff = 0;
    bool profileLost = false;
    KeptCopies lostProfileKept = kAllKept;
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
