// The profile and header files: their byte layout, the checksum, saving
// through a temporary file with a ".BAKS" backup, and the load ladders
// (main file, ".BAKS", ".BAKL", then a header made again from the profile
// files, or a fresh profile). Every damaged file is kept as ".BAD1" to
// ".BAD5" beside its own.
//
// A file is read whole into memory and every field is checked against what is
// left of it before use; the store changes only after a whole file has read
// well, so a damaged rung leaves nothing behind for the next one.
#include "CProfile.h"

#include "CController.h"
#include "CSound.h"
#include "Config.h"
#include "Log.h"
#include "Utilities.h"

#include <SDL.h>

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kHeaderWord = "PALMORA";
const int kFormatVersion = 8;
const int kChecksumPlaceholder = 808;
// The suffix of each rung of the load ladders.
const char* const kRungSuffix[] = {"", ".BAKS", ".BAKL"};
const int kLastRung = 2;
// A real profile stays far below this; anything larger is not ours.
const size_t kLargestFile = 256u << 20;
const size_t kHeaderHead = 12;
const size_t kHeaderRecord = 4 + CProfile::NAME_FIELD_SIZE;

void PutInt(std::vector<char>& out, int value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

int IntAt(const char* bytes)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; i--) {
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return static_cast<int>(bits);
}

void PutChecksum(std::vector<char>& bytes)
{
    const int sum = CProfile::ComputeChecksum(bytes.data() + 4, bytes.size() - 4);
    std::vector<char> field;
    PutInt(field, sum);
    memcpy(bytes.data(), field.data(), 4);
}

bool ChecksumHolds(const std::vector<char>& bytes)
{
    return bytes.size() >= 4 && IntAt(bytes.data()) == CProfile::ComputeChecksum(bytes.data() + 4, bytes.size() - 4);
}

// The log names each mended value; a file mended in thousands of places
// names the first of them.
const size_t kNotesLogged = 50;
const int kLastPlayKey = 33;

enum class FileState { Missing, Unreadable, Read };

FileState ReadWholeFile(const std::string& path, std::vector<char>& bytes)
{
    // Whatever stands under the name and is no regular file that opens, a
    // FIFO or a folder among them, is unreadable at once, never missing.
    FILE* file = OpenRegularFile(path.c_str(), false);
    if (!file) {
        return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
    }
    bytes.clear();
    char buffer[4096];
    size_t n;
    bool ok = true;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes.size() + n > kLargestFile) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    if (ferror(file)) {
        ok = false;
    }
    fclose(file);
    return ok ? FileState::Read : FileState::Unreadable;
}

// Writes bytes as a new file under a temporary name. False, with what failed
// logged, when it cannot be made (a folder stands under the name) or written
// whole (a full disk, a file-size limit); then nothing is left under it.
bool WriteTemporary(const std::string& temporary, const std::vector<char>& bytes)
{
    FILE* file = OpenRegularFile(temporary.c_str(), true);
    // An empty damaged file is kept as one: fwrite is not given its null data.
    bool written = file && (bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    int error = errno;
    if (file && fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) {
        return true;
    }
    // unlink, not remove: a folder under the name is no file of ours.
    if (file) {
        unlink(temporary.c_str());
    }
    logMessage("Failed to write a temporary file: ", (temporary + " (" + strerror(error) + ")").c_str());
    return false;
}

// Replaces path with bytes whole or leaves it as it was.
bool WriteWholeFile(const std::string& path, const std::vector<char>& bytes)
{
    const std::string temporary = path + ".TMP";
    if (!WriteTemporary(temporary, bytes)) {
        return false;
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

// The profile id whose ladder a file name belongs to, -1 for any other file.
// Only the names the game writes count: "PROFILE<id + 1>v8.DAT" and its
// ".BAKS" and ".BAKL".
int ProfileIdOfFile(const std::string& name)
{
    const size_t digits = 7;
    if (name.compare(0, digits, "PROFILE") != 0) {
        return -1;
    }
    size_t end = digits;
    while (end < name.size() && isdigit(static_cast<unsigned char>(name[end]))) {
        end++;
    }
    if (end == digits || end - digits > 10 || name[digits] == '0') {
        return -1;
    }
    const unsigned long long number = std::stoull(name.substr(digits, end - digits));
    const std::string version = "v" + std::to_string(kFormatVersion) + ".DAT";
    const std::string rest = name.substr(end);
    const bool ours = rest == version || rest == version + ".BAKS" || rest == version + ".BAKL";
    return ours && number <= static_cast<unsigned long long>(INT_MAX) ? static_cast<int>(number - 1) : -1;
}

// The name of the n-th kept copy of the damaged file at path.
std::string DamagedSlot(const std::string& path, int n)
{
    return path + ".BAD" + std::to_string(n);
}

// Whether anything stands under the name, whether or not it reads.
bool NameTaken(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// A regular file itself, not a link to one.
bool RegularFile(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The record of the copies beside path that a notice told the player of.
std::string ToldCopiesPath(const std::string& path)
{
    return path + ".TOLD";
}

struct told_copies_head {
    char mark[8];      // kToldMark
    uint32_t count;    // told_copy_data records that follow
    int32_t checksum;  // CProfile::ComputeChecksum of the records
};
static_assert(sizeof(told_copies_head) == 16, "the told copies' record head");
const char kToldMark[8] = {'P', 'L', 'M', 'R', 'T', 'O', 'L', 'D'};

uint64_t BytesHash(const std::vector<char>& bytes)
{
    uint64_t hash = 14695981039346656037ull;
    for (char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool SameCopy(const told_copy_data& a, const told_copy_data& b)
{
    return a.inode == b.inode || (a.hashed && b.hashed && a.size == b.size && a.hash == b.hash);
}

bool AmongCopies(const std::vector<told_copy_data>& copies, const told_copy_data& copy)
{
    return std::any_of(copies.begin(), copies.end(),
                       [&copy](const told_copy_data& other) { return SameCopy(other, copy); });
}

// A plain rename would write over whatever stands at to.
bool MoveToFreeName(const std::string& from, const std::string& to)
{
    return !NameTaken(to) && rename(from.c_str(), to.c_str()) == 0;
}

void LogNotes(const std::string& path, const std::vector<std::string>& notes)
{
    const std::string in = " in " + path;
    for (size_t i = 0; i < notes.size() && i < kNotesLogged; i++) {
        logMessage(notes[i].c_str(), in.c_str());
    }
    if (notes.size() > kNotesLogged) {
        logMessage(("And " + std::to_string(notes.size() - kNotesLogged) + " more values mended").c_str(), in.c_str());
    }
}

// Writes bytes as path, keeping the file it replaces as path.BAKS. The new
// file is complete on disk before either rename, so a crash at any moment
// leaves the last save as the main file or as ".BAKS". On failure the old
// files stay as they were and no temporary file is left.
bool WriteKeepingBackup(const std::string& path, const std::vector<char>& bytes)
{
    const std::string temporary = path + ".TMP";
    const std::string backup = path + ".BAKS";
    if (!WriteTemporary(temporary, bytes)) {
        return false;
    }
    // The first save has no old file to keep.
    const bool keptOld = rename(path.c_str(), backup.c_str()) == 0;
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        if (keptOld) {
            rename(backup.c_str(), path.c_str());
        }
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

struct CProfile::ByteReader {
    const char* data;
    size_t size;
    size_t position;

    size_t Remaining() const { return size - position; }

    bool Int(int& value)
    {
        if (Remaining() < 4) {
            return false;
        }
        value = IntAt(data + position);
        position += 4;
        return true;
    }

    bool Length(int& value) { return Int(value) && value >= 0; }

    bool Bytes(int count, const char*& out)
    {
        if (count < 0 || static_cast<size_t>(count) > Remaining()) {
            return false;
        }
        out = data + position;
        position += static_cast<size_t>(count);
        return true;
    }
};

int CProfile::ComputeChecksum(const char* bytes, size_t count)
{
    // Each byte counts as signed; unsigned arithmetic gives the 32-bit wrap.
    uint32_t sum = 0;
    for (size_t i = 0; i < count; i++) {
        sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(bytes[i])));
    }
    return static_cast<int>(sum);
}

std::string CProfile::HeaderPath(const char* suffix) const
{
    char folder[PATH_BUFFER_SIZE];
    GetUserDataPath(folder);
    char path[PATH_BUFFER_SIZE + 64];
    snprintf(path, sizeof path, "%s%sv%i.DAT", folder, kHeaderWord, kFormatVersion);
    return std::string(path) + suffix;
}

std::string CProfile::ProfilePath(const char* suffix) const
{
    return ProfilePathOf(activeProfile, suffix);
}

std::string CProfile::ProfilePathOf(int id, const char* suffix) const
{
    assert(id >= 0 && id < INT_MAX);
    char folder[PATH_BUFFER_SIZE];
    GetUserDataPath(folder);
    char path[PATH_BUFFER_SIZE + 64];
    snprintf(path, sizeof path, "%sPROFILE%iv%i.DAT", folder, id + 1, kFormatVersion);
    return std::string(path) + suffix;
}

void CProfile::WriteProperties(std::vector<char>& out) const
{
    PutInt(out, static_cast<int>(properties.size()));
    for (const auto& [key, property] : properties) {
        PutInt(out, key);
        PutInt(out, static_cast<int>(property.value.size()));
        PutInt(out, static_cast<int>(property.type.size()));
        out.insert(out.end(), property.type.begin(), property.type.end());
        out.insert(out.end(), property.value.begin(), property.value.end());
    }
    PutInt(out, static_cast<int>(vectorProperties.size()));
    for (const auto& [key, property] : vectorProperties) {
        PutInt(out, key);
        PutInt(out, property.size);
        PutInt(out, static_cast<int>(property.data.size()));
        PutInt(out, static_cast<int>(property.type.size()));
        out.insert(out.end(), property.type.begin(), property.type.end());
        out.insert(out.end(), property.data.begin(), property.data.end());
    }
}

bool CProfile::ReadProperties(ByteReader& in, ScalarMap& scalars, VectorMap& vectors, LaterCopies& later,
                              std::vector<std::string>& notes)
{
    // Every record takes at least 12 bytes, so a huge count runs out of file
    // long before it runs out of loop.
    int count;
    if (!in.Length(count)) {
        return false;
    }
    for (int i = 0; i < count; i++) {
        int key, length, tagLength;
        const char* tag;
        const char* value;
        if (!in.Int(key) || !in.Length(length) || !in.Length(tagLength) || !in.Bytes(tagLength, tag) ||
            !in.Bytes(length, value)) {
            return false;
        }
        property_data property;
        property.type.assign(tag, static_cast<size_t>(tagLength));
        property.value.assign(value, value + length);
        if (!scalars.emplace(key, property).second) {
            notes.push_back("Profile key " + std::to_string(key) + " was stored twice; the later record was left out");
            later.scalars.emplace_back(key, std::move(property));
        }
    }
    if (!in.Length(count)) {
        return false;
    }
    for (int i = 0; i < count; i++) {
        int key, elementSize, length, tagLength;
        const char* tag;
        const char* data;
        // The element size only says how to cut the data into records: one
        // that cannot be right, negative like 0, damages its record alone,
        // whose frame still reads whole.
        if (!in.Int(key) || !in.Int(elementSize) || !in.Length(length) || !in.Length(tagLength) ||
            !in.Bytes(tagLength, tag) || !in.Bytes(length, data)) {
            return false;
        }
        vector_property_data property;
        property.type.assign(tag, static_cast<size_t>(tagLength));
        property.data.assign(data, data + length);
        property.size = elementSize;
        if (!vectors.emplace(key, property).second) {
            notes.push_back("Profile vector key " + std::to_string(key) +
                            " was stored twice; the later record was left out");
            later.vectors.emplace_back(key, std::move(property));
        }
    }
    return true;
}

bool CProfile::ReadProfileFile(const std::vector<char>& bytes, ProfileImage& image)
{
    const size_t head = 4 + RESERVED_SIZE;
    if (bytes.size() < head || !ChecksumHolds(bytes)) {
        return false;
    }
    ByteReader in{bytes.data() + head, bytes.size() - head, 0};
    ScalarMap scalars;
    VectorMap vectors;
    LaterCopies later;
    std::vector<std::string> notes;
    // Bytes past the last record mean the counts do not describe this file.
    if (!ReadProperties(in, scalars, vectors, later, notes) || in.Remaining() != 0) {
        return false;
    }
    memcpy(image.reserved, bytes.data() + 4, RESERVED_SIZE);
    // No play writes a key twice: the file is kept whether or not the copy
    // left out mattered. The copies are compared as they were read, before
    // anything below mends the first.
    image.damaged = !later.scalars.empty() || !later.vectors.empty();
    const std::vector<differing_copy> differing = CopiesThatDiffer(scalars, vectors, later);
    // Before the types are mended: a damaged key 31 would take its default,
    // false, and a new island would be made over the saved one.
    SettleGameUnderWay(scalars, vectors, image.reserved, notes);
    const std::vector<int> givenUp = GiveUpOptionalRecords(scalars, vectors, notes);
    if (!givenUp.empty()) {
        image.damaged = true;
        image.noticesDue |= kRecordsGivenUp;
    }
    for (const differing_copy& copy : differing) {
        // Records given up have a notice of their own that says all there
        // is to say of them: one damage, one word to the player.
        if (copy.vector && std::find(givenUp.begin(), givenUp.end(), copy.key) != givenUp.end()) {
            continue;
        }
        notes.push_back(copy.note);
        image.noticesDue |= kCopiesDiffer;
    }
    RepairTypes(scalars, vectors, notes);
    // A file that lacks a key with a default (the settings among them) would
    // otherwise end the game at its first read.
    StoreDefaults(scalars);
    RepairScalars(scalars);
    image.scalars.swap(scalars);
    image.vectors.swap(vectors);
    image.notes.swap(notes);
    return true;
}

void CProfile::TakeImage(ProfileImage& image)
{
    memcpy(reserved, image.reserved, RESERVED_SIZE);
    properties.swap(image.scalars);
    vectorProperties.swap(image.vectors);
}

bool CProfile::ReadHeaderFile(const std::vector<char>& bytes)
{
    if (bytes.size() < kHeaderHead || !ChecksumHolds(bytes)) {
        return false;
    }
    ByteReader in{bytes.data() + 4, bytes.size() - 4, 0};
    int active = 0;
    int count = 0;
    in.Int(active);
    in.Int(count);
    // Ids name files by id + 1, so INT_MAX cannot be one.
    if (active < 0 || active == INT_MAX || count < 0 || in.Remaining() != static_cast<size_t>(count) * kHeaderRecord) {
        return false;
    }
    std::map<int, std::string> list;
    for (int i = 0; i < count; i++) {
        int id = 0;
        const char* name = nullptr;
        if (!in.Int(id) || !in.Bytes(NAME_FIELD_SIZE, name) || id < 0 || id == INT_MAX) {
            return false;
        }
        list.emplace(id, std::string(name, strnlen(name, NAME_FIELD_SIZE - 1)));
    }
    profiles.swap(list);
    activeProfile = active;
    return true;
}

std::vector<char> CProfile::ProfileBytes() const
{
    std::vector<char> bytes;
    PutInt(bytes, kChecksumPlaceholder);
    bytes.insert(bytes.end(), reserved, reserved + RESERVED_SIZE);
    WriteProperties(bytes);
    PutChecksum(bytes);
    return bytes;
}

void CProfile::CheckProfileCanBeSaved() const
{
    // The probe is the save's own temporary file at the size a save needs,
    // removed again, so the folder is left as it was found.
    const std::string path = ProfilePath("");
    const std::string probe = ProfilePath(".TMP");
    if (!WriteTemporary(probe, ProfileBytes())) {
        errorMessage("Cannot save profile: ", path.c_str(), true, true);
    }
    unlink(probe.c_str());
}

void CProfile::Save()
{
    // With sound off the running volumes are never set and stand at their
    // start values; the player's stored ones are kept instead.
    if (CSound::soundInitialized) {
        SetValue<float>(20, CSound::GetGlobalVolume());
        SetValue<float>(21, CSound::GetGlobalMusicVolume());
    }
    SetValue<float>(22, CController::GetMouseMultiplier());
    SetValue<bool>(23, CController::GetMouseAbsolute());
    SetValue<bool>(24, Config_GetFullscreen());
    WriteIdentity();

    const std::string path = ProfilePath("");
    if (!WriteKeepingBackup(path, ProfileBytes())) {
        errorMessage("Cannot save profile: ", path.c_str(), true, true);
    }
}

void CProfile::SaveHeader()
{
    Save();

    std::vector<char> bytes;
    PutInt(bytes, kChecksumPlaceholder);
    PutInt(bytes, activeProfile);
    PutInt(bytes, static_cast<int>(profiles.size()));
    for (const auto& [id, name] : profiles) {
        PutInt(bytes, id);
        char field[NAME_FIELD_SIZE] = {};
        memcpy(field, name.data(), std::min(name.size(), sizeof field - 1));
        bytes.insert(bytes.end(), field, field + sizeof field);
    }
    PutChecksum(bytes);
    const std::string path = HeaderPath("");
    if (!WriteKeepingBackup(path, bytes)) {
        errorMessage("Cannot save profile header: ", path.c_str(), true, true);
    }
}

void CProfile::Load(int attempt)
{
    assert(attempt >= 0 && attempt <= kLastRung);
    // A rung whose file verifies but whose game cannot be played fails like
    // a damaged one, so an older save that still holds the island is found;
    // when none does, the first verified rung loads with its game as it was:
    // the chooser tells the player, and a new island replaces it.
    ProfileImage fallback;
    std::string fallbackPath;
    bool haveFallback = false;
    bool failedBeforeLast = false;
    int unreadable = 0;
    // The copies of the files that could not be read, told of only if the
    // profile is lost with them.
    std::vector<std::pair<std::string, told_copy_data>> unreadableKept;
    std::vector<uint32_t> gamesKept;
    for (int rung = attempt; rung <= kLastRung; rung++) {
        const std::string path = ProfilePath(kRungSuffix[rung]);
        std::vector<char> bytes;
        const FileState state = ReadWholeFile(path, bytes);
        if (state == FileState::Missing) {
            continue;
        }
        ProfileImage image;
        const bool verified = state == FileState::Read && ReadProfileFile(bytes, image);
        if (verified && haveFallback && !GameUnderWay(image.scalars)) {
            // A copy from before the lost game began: loaded, it would let a
            // new island replace that game without a word to the player.
            logMessage("An older copy of the profile holds no game under way and is passed over: ", path.c_str());
            continue;
        }
        if (verified && GameLoadable(image.scalars, image.vectors)) {
            LogNotes(path, image.notes);
            bool kept = false;
            if (image.damaged) {
                // What was left out is gone from the next save.
                logMessage("Records were left out of the profile; the file is kept beside it as it was: ",
                           path.c_str());
                told_copy_data copy;
                kept = KeepDamaged(path, nullptr, &copy);
                // The notice owed says that this copy was kept.
                if (kept && image.noticesDue) {
                    RecordTold(path, copy);
                }
            }
            if (image.noticesDue) {
                NoticeDueNow(image.reserved, image.noticesDue, kept);
            }
            TakeImage(image);
            if (rung < kLastRung && FileCopy(path.c_str(), ProfilePath(".BAKL").c_str()) != 0) {
                errorMessage("Failed to backup profile: ", path.c_str(), false, true);
            }
            ApplySettings();
            return;
        }
        failedBeforeLast = failedBeforeLast || rung < kLastRung;
        if (!verified) {
            logMessage("Damaged profile file: ", path.c_str());
            told_copy_data copy;
            if (KeepDamaged(path, nullptr, &copy)) {
                unreadableKept.emplace_back(path, copy);
            }
            unreadable++;
            continue;
        }
        logMessage("A profile's game cannot be loaded: ", path.c_str());
        // A lost game is saved again with every visit to the menus; one copy
        // of it is enough, however often it is loaded.
        const uint32_t game = GameFingerprint(image.scalars, image.vectors);
        profile_identity identity = Identity(image.reserved);
        // Marked as kept only once a copy is, so that the chooser tries again.
        if (identity.keptGame == game || std::find(gamesKept.begin(), gamesKept.end(), game) != gamesKept.end() ||
            KeepDamaged(path)) {
            gamesKept.push_back(game);
            identity.keptGame = game;
            memcpy(image.reserved, &identity, RESERVED_SIZE);
        }
        if (!haveFallback) {
            fallback = std::move(image);
            fallbackPath = path;
            haveFallback = true;
        }
    }
    if (haveFallback) {
        logMessage("No saved copy of the profile holds a game that loads; the game stays until a new island "
                   "replaces it: ",
                   fallbackPath.c_str());
        LogNotes(fallbackPath, fallback.notes);
        TakeImage(fallback);
        ApplySettings();
        return;
    }
    CreateNewProfile(false);
    if (failedBeforeLast) {
        // A damaged main file or ".BAKS" applies what the store now holds.
        ApplySettings();
    }
    if (unreadable) {
        // Whatever game was under way is gone with the rest of the profile:
        // the player must hear of it before a new island is made.
        const int kept = static_cast<int>(unreadableKept.size());
        for (const auto& [path, copy] : unreadableKept) {
            RecordTold(path, copy);
        }
        logMessage(kept == unreadable
                       ? "No copy of the profile could be read; it starts again as a new one, its damaged files kept "
                         "beside it: "
                       : "No copy of the profile could be read; it starts again as a new one, not every damaged file "
                         "of it kept beside it: ",
                   ProfilePath("").c_str());
        profileLost = true;
        lostProfileKept = kept == unreadable ? kAllKept : kept > 0 ? kSomeKept : kNoneKept;
    }
}

bool CProfile::KeepDamaged(const std::string& path, const std::vector<char>* bytes, told_copy_data* copy)
{
    // The next saves replace the main file and ".BAKS"; the damaged file
    // stays beside them for whoever wants to look at it. Lower numbers are
    // older: a new damage never takes the place of an earlier one while
    // there is room. A slot taken by anything, even something that does not
    // read, is never written over: what cannot be moved stops the shift.
    std::vector<char> kept;
    bool moving = false;
    if (bytes) {
        kept = *bytes;
    } else if (ReadWholeFile(path, kept) != FileState::Read) {
        // Left where it is, the next saves would roll it over and write over
        // it; a rename needs no leave to read it. FIFOs, links and the like
        // are no save of ours and stay.
        if (!RegularFile(path)) {
            logMessage("Failed to keep the damaged file: ", path.c_str());
            return false;
        }
        moving = true;
    }
    const auto slot = [&path](int n) { return DamagedSlot(path, n); };
    for (int n = 1; n <= DAMAGED_COPIES && !moving; n++) {
        std::vector<char> old;
        if (ReadWholeFile(slot(n), old) == FileState::Read && old == kept) {
            return !copy || IdentifyCopy(slot(n), &old, *copy);
        }
    }
    const auto highestTaken = [&slot]() {
        int highest = 0;
        for (int n = 1; n <= DAMAGED_COPIES; n++) {
            highest = NameTaken(slot(n)) ? n : highest;
        }
        return highest;
    };
    // Copies removed by hand leave gaps that close up, oldest first.
    int used = 0;
    for (int n = 1; n <= DAMAGED_COPIES; n++) {
        if (!NameTaken(slot(n))) {
            continue;
        }
        used++;
        if (n != used && !MoveToFreeName(slot(n), slot(used))) {
            logMessage("Failed to move a kept copy of a damaged file: ", slot(n).c_str());
            break;
        }
    }
    if (highestTaken() == DAMAGED_COPIES) {
        // What cannot be read cannot be told to hold a lost game.
        const int given = SlotToGiveUp(path, !moving && HoldsLostGame(kept));
        if (given == 0) {
            logMessage("No room to keep the damaged file: every copy beside it was told of, holds a lost game or "
                       "does not read: ",
                       path.c_str());
            return false;
        }
        // unlink, not remove: a folder in a slot is no copy of ours.
        if (unlink(slot(given).c_str()) != 0) {
            logMessage("Failed to remove a kept copy of a damaged file: ", slot(given).c_str());
            return false;
        }
        logMessage("A kept copy of a damaged file was removed to make room for a newer one: ", slot(given).c_str());
        for (int n = given + 1; n <= DAMAGED_COPIES; n++) {
            if (!MoveToFreeName(slot(n), slot(n - 1))) {
                logMessage("Failed to move a kept copy of a damaged file: ", slot(n).c_str());
                break;
            }
        }
    }
    const int free = highestTaken() + 1;
    const bool keptNow = free <= DAMAGED_COPIES &&
                         (moving ? MoveToFreeName(path, slot(free)) : WriteWholeFile(slot(free), kept));
    if (!keptNow) {
        logMessage("Failed to keep the damaged file: ", path.c_str());
        return false;
    }
    if (moving) {
        logMessage("The damaged file cannot be read; it was moved beside its own as a kept copy: ",
                   slot(free).c_str());
    }
    return !copy || IdentifyCopy(slot(free), moving ? nullptr : &kept, *copy);
}

bool CProfile::GameKeptBeside(const std::string& path, uint32_t game, told_copy_data& copy)
{
    for (int n = 1; n <= DAMAGED_COPIES; n++) {
        std::vector<char> bytes;
        ProfileImage image;
        if (ReadWholeFile(DamagedSlot(path, n), bytes) == FileState::Read &&
            ReadProfileFile(bytes, image) && GameFingerprint(image.scalars, image.vectors) == game) {
            return IdentifyCopy(DamagedSlot(path, n), &bytes, copy);
        }
    }
    return false;
}

int CProfile::SlotToGiveUp(const std::string& path, bool keepingLostGame)
{
    std::vector<told_copy_data> told;
    if (!ReadToldCopies(path, told)) {
        return 0;
    }
    // A lost game's copy is all that is left of it once a new island
    // replaces the game; damage that lost nothing goes before it.
    int oldestLostGame = 0;
    for (int n = 1; n <= DAMAGED_COPIES; n++) {
        std::vector<char> old;
        told_copy_data copy;
        if (ReadWholeFile(DamagedSlot(path, n), old) != FileState::Read ||
            !IdentifyCopy(DamagedSlot(path, n), &old, copy) || AmongCopies(told, copy)) {
            continue;
        }
        if (!HoldsLostGame(old)) {
            return n;
        }
        oldestLostGame = oldestLostGame == 0 ? n : oldestLostGame;
    }
    return keepingLostGame ? oldestLostGame : 0;
}

bool CProfile::IdentifyCopy(const std::string& slot, const std::vector<char>* bytes, told_copy_data& copy)
{
    struct stat info;
    if (lstat(slot.c_str(), &info) != 0) {
        return false;
    }
    copy = told_copy_data{};
    copy.inode = static_cast<uint64_t>(info.st_ino);
    copy.size = static_cast<uint64_t>(info.st_size);
    std::vector<char> read;
    if (!bytes && ReadWholeFile(slot, read) == FileState::Read) {
        bytes = &read;
    }
    if (bytes) {
        copy.size = bytes->size();
        copy.hash = BytesHash(*bytes);
        copy.hashed = 1;
    }
    return true;
}

bool CProfile::ReadToldCopies(const std::string& path, std::vector<told_copy_data>& told)
{
    told.clear();
    const std::string record = ToldCopiesPath(path);
    std::vector<char> bytes;
    const FileState state = ReadWholeFile(record, bytes);
    if (state == FileState::Missing) {
        return true;
    }
    told_copies_head head{};
    bool whole = state == FileState::Read && bytes.size() >= sizeof head;
    if (whole) {
        memcpy(&head, bytes.data(), sizeof head);
        const size_t records = bytes.size() - sizeof head;
        whole = memcmp(head.mark, kToldMark, sizeof kToldMark) == 0 &&
                head.count <= static_cast<uint32_t>(DAMAGED_COPIES) && records == head.count * sizeof(told_copy_data) &&
                head.checksum == ComputeChecksum(bytes.data() + sizeof head, records);
    }
    if (!whole) {
        logMessage("The record of kept copies the player was told of cannot be read; every copy counts as told: ",
                   record.c_str());
        return false;
    }
    told.resize(head.count);
    if (head.count > 0) {
        memcpy(told.data(), bytes.data() + sizeof head, head.count * sizeof(told_copy_data));
    }
    return true;
}

void CProfile::RecordTold(const std::string& path, const told_copy_data& copy)
{
    std::vector<told_copy_data> told;
    const bool recordRead = ReadToldCopies(path, told);
    if (recordRead && AmongCopies(told, copy)) {
        return;
    }
    // A record that cannot be read is made again with every copy told.
    std::vector<told_copy_data> now;
    for (int n = 1; n <= DAMAGED_COPIES; n++) {
        told_copy_data inSlot;
        if (IdentifyCopy(DamagedSlot(path, n), nullptr, inSlot) &&
            (!recordRead || AmongCopies(told, inSlot) || SameCopy(inSlot, copy))) {
            now.push_back(inSlot);
        }
    }
    told_copies_head head{};
    memcpy(head.mark, kToldMark, sizeof kToldMark);
    head.count = static_cast<uint32_t>(now.size());
    const char* records = reinterpret_cast<const char*>(now.data());
    head.checksum = ComputeChecksum(records, now.size() * sizeof(told_copy_data));
    std::vector<char> bytes(reinterpret_cast<const char*>(&head), reinterpret_cast<const char*>(&head) + sizeof head);
    bytes.insert(bytes.end(), records, records + now.size() * sizeof(told_copy_data));
    if (!WriteWholeFile(ToldCopiesPath(path), bytes)) {
        logMessage("Failed to record a kept copy the player is told of: ", ToldCopiesPath(path).c_str());
    }
}

void CProfile::LoadHeader(int attempt)
{
    assert(attempt >= 0 && attempt <= kLastRung);
    const std::string path = HeaderPath(kRungSuffix[attempt]);
    std::vector<char> bytes;
    const FileState state = ReadWholeFile(path, bytes);
    if (state != FileState::Read || !ReadHeaderFile(bytes)) {
        if (state != FileState::Missing) {
            logMessage("Damaged profile header: ", path.c_str());
            KeepDamaged(path);
        }
        if (attempt == kLastRung) {
            RebuildHeader();
            Load(0);
        } else {
            LoadHeader(attempt + 1);
        }
        return;
    }
    if (attempt < kLastRung && FileCopy(path.c_str(), HeaderPath(".BAKL").c_str()) != 0) {
        errorMessage("Failed to backup profile header: ", path.c_str(), false, true);
    }
    Load(0);
}

void CProfile::RebuildHeader()
{
    // Every id that has a profile file under any of its ladder's names.
    char folder[PATH_BUFFER_SIZE];
    GetUserDataPath(folder);
    std::set<int> ids;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const int id = ProfileIdOfFile(entry->path().filename().string());
        if (id >= 0) {
            ids.insert(id);
        }
    }
    profiles.clear();
    activeProfile = 0;
    profilesLeftOff = 0;
    long latest = 0;
    for (int id : ids) {
        std::vector<std::string> unread;
        bool read = false;
        for (const char* suffix : kRungSuffix) {
            const std::string path = ProfilePathOf(id, suffix);
            std::vector<char> bytes;
            ProfileImage image;
            const FileState state = ReadWholeFile(path, bytes);
            if (state != FileState::Read || !ReadProfileFile(bytes, image)) {
                if (state != FileState::Missing) {
                    unread.push_back(path);
                }
                continue;
            }
            read = true;
            const profile_identity identity = Identity(image.reserved);
            if (!identity.deleted) {
                const std::string name(identity.name, strnlen(identity.name, NAME_FIELD_SIZE - 1));
                profiles[id] = name.empty() ? "PLAYER " + std::to_string(static_cast<long long>(id) + 1) : name;
                const property_data& lastPlay = image.scalars.at(kLastPlayKey);
                const long played = ProfileType<long>::Decode(lastPlay.value.data());
                if (profiles.size() == 1 || played > latest) {
                    activeProfile = id;
                    latest = played;
                }
            }
            break;
        }
        // The files stay as they are: a later version, or a player with a
        // backup of their own, may still make something of them.
        for (const std::string& path : unread) {
            logMessage(read ? "A profile file could not be read; an older copy of it was read instead: "
                            : "A profile file could not be read; its profile is left off the list: ",
                       path.c_str());
        }
        if (!read) {
            profilesLeftOff++;
        }
    }
    if (profiles.empty()) {
        CreateNewHeader();
        return;
    }
    logMessage("Every copy of the profile header was lost; it was made again from the profile files: ",
               std::to_string(profiles.size()).c_str());
}

bool CProfile::ProfileFilesKept(int id) const
{
    for (const char* suffix : kRungSuffix) {
        std::vector<char> bytes;
        const FileState state = ReadWholeFile(ProfilePathOf(id, suffix), bytes);
        if (state == FileState::Missing) {
            continue;
        }
        ProfileImage image;
        if (state != FileState::Read || !ReadProfileFile(bytes, image) || !Identity(image.reserved).deleted) {
            return true;
        }
    }
    return false;
}

void CProfile::MarkDeleted(int id)
{
    // Every copy on the ladder, so that no backup brings the profile back.
    for (const char* suffix : kRungSuffix) {
        const std::string path = ProfilePathOf(id, suffix);
        std::vector<char> bytes;
        ProfileImage image;
        if (ReadWholeFile(path, bytes) != FileState::Read || !ReadProfileFile(bytes, image)) {
            continue;
        }
        profile_identity identity = Identity(image.reserved);
        identity.deleted = 1;
        memcpy(bytes.data() + 4, &identity, sizeof identity);
        PutChecksum(bytes);
        if (!WriteWholeFile(path, bytes)) {
            logMessage("Failed to mark a deleted profile's file: ", path.c_str());
        }
    }
}

void CProfile::ApplySoundAndMouseSettings()
{
    CSound::SetGlobalVolume(GetValue<float>(20));
    CSound::SetGlobalMusicVolume(GetValue<float>(21));
    CController::SetMouseMultiplier(GetValue<float>(22));
    const bool absolute = GetValue<bool>(23);
    CController::SetMouseAbsolute(absolute);
    GrabInput(!absolute);
}

void CProfile::ApplySettings()
{
    ApplySoundAndMouseSettings();
    Config_SetFullscreen(GetValue<bool>(24));
}

void CProfile::GrabInput(bool grab)
{
    inputGrab = grab;
    SDL_WM_GrabInput(grab ? SDL_GRAB_ON : SDL_GRAB_OFF);
}

void CProfile::ApplyInputGrab()
{
    SDL_WM_GrabInput(inputGrab ? SDL_GRAB_ON : SDL_GRAB_OFF);
}
