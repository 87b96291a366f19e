// The profile and header files: their byte layout, the checksum, saving
// through a temporary file with a ".BAKS" backup, and the load ladders
// (main file, ".BAKS", ".BAKL", then a fresh header or profile).
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
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

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

enum class FileState { Missing, Unreadable, Read };

FileState ReadWholeFile(const std::string& path, std::vector<char>& bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) {
        return FileState::Missing;
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

// Writes bytes as path, keeping the file it replaces as path.BAKS. The new
// file is complete on disk before either rename, so a crash at any moment
// leaves the last save as the main file or as ".BAKS". On failure the old
// files stay as they were and no temporary file is left.
bool WriteKeepingBackup(const std::string& path, const std::vector<char>& bytes)
{
    const std::string temporary = path + ".TMP";
    const std::string backup = path + ".BAKS";
    FILE* file = fopen(temporary.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (fclose(file) != 0) {
        written = false;
    }
    if (!written) {
        remove(temporary.c_str());
        return false;
    }
    // The first save has no old file to keep.
    const bool keptOld = rename(path.c_str(), backup.c_str()) == 0;
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        if (keptOld) {
            rename(backup.c_str(), path.c_str());
        }
        remove(temporary.c_str());
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
    assert(activeProfile >= 0 && activeProfile < INT_MAX);
    char folder[PATH_BUFFER_SIZE];
    GetUserDataPath(folder);
    char path[PATH_BUFFER_SIZE + 64];
    snprintf(path, sizeof path, "%sPROFILE%iv%i.DAT", folder, activeProfile + 1, kFormatVersion);
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

bool CProfile::ReadProperties(ByteReader& in, ScalarMap& scalars, VectorMap& vectors)
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
        const int width = StoredWidth(tag, static_cast<size_t>(tagLength));
        if (width == 0 || width != length) {
            return false;
        }
        if (tagLength == 1 && tag[0] == 'f' && !std::isfinite(ProfileType<float>::Decode(value))) {
            return false;
        }
        property_data property;
        property.type.assign(tag, static_cast<size_t>(tagLength));
        property.value.assign(value, value + length);
        // The first record of a key wins.
        scalars.emplace(key, std::move(property));
    }
    if (!in.Length(count)) {
        return false;
    }
    for (int i = 0; i < count; i++) {
        int key, elementSize, length, tagLength;
        const char* tag;
        const char* data;
        if (!in.Int(key) || !in.Length(elementSize) || !in.Length(length) || !in.Length(tagLength) ||
            !in.Bytes(tagLength, tag) || !in.Bytes(length, data)) {
            return false;
        }
        const int width = StoredWidth(tag, static_cast<size_t>(tagLength));
        if (width == 0 || elementSize != width || length % width != 0) {
            return false;
        }
        vector_property_data property;
        property.type.assign(tag, static_cast<size_t>(tagLength));
        property.data.assign(data, data + length);
        property.size = elementSize;
        vectors.emplace(key, std::move(property));
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
    if (!ReadProperties(in, scalars, vectors) || in.Remaining() != 0 || !KeysHaveTheirTypes(scalars, vectors)) {
        return false;
    }
    // A file that lacks a key with a default (the settings among them) would
    // otherwise end the game at its first read.
    StoreDefaults(scalars);
    RepairScalars(scalars);
    memcpy(image.reserved, bytes.data() + 4, RESERVED_SIZE);
    image.scalars.swap(scalars);
    image.vectors.swap(vectors);
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
    const std::vector<char> bytes = ProfileBytes();
    FILE* file = fopen(probe.c_str(), "wb");
    bool written = file && fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && fclose(file) != 0) {
        written = false;
    }
    remove(probe.c_str());
    if (!written) {
        errorMessage("Cannot save profile: ", path.c_str(), true, true);
    }
}

void CProfile::Save()
{
    SetValue<float>(20, CSound::GetGlobalVolume());
    SetValue<float>(21, CSound::GetGlobalMusicVolume());
    SetValue<float>(22, CController::GetMouseMultiplier());
    SetValue<bool>(23, CController::GetMouseAbsolute());
    SetValue<bool>(24, Config_GetFullscreen());

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
    // when none does, the first verified rung keeps the player's settings,
    // trophies and statistics with its game given up.
    ProfileImage fallback;
    bool haveFallback = false;
    bool failedBeforeLast = false;
    for (int rung = attempt; rung <= kLastRung; rung++) {
        const std::string path = ProfilePath(kRungSuffix[rung]);
        std::vector<char> bytes;
        const FileState state = ReadWholeFile(path, bytes);
        if (state == FileState::Missing) {
            continue;
        }
        ProfileImage image;
        const bool verified = state == FileState::Read && ReadProfileFile(bytes, image);
        if (verified && GameLoadable(image.scalars, image.vectors)) {
            TakeImage(image);
            if (rung < kLastRung && FileCopy(path.c_str(), ProfilePath(".BAKL").c_str()) != 0) {
                errorMessage("Failed to backup profile: ", path.c_str(), false, true);
            }
            ApplySettings();
            return;
        }
        logMessage(verified ? "A profile's game cannot be loaded: " : "Damaged profile file: ", path.c_str());
        KeepDamaged(path);
        failedBeforeLast = failedBeforeLast || rung < kLastRung;
        if (verified && !haveFallback) {
            fallback = std::move(image);
            haveFallback = true;
        }
    }
    if (haveFallback) {
        logMessage("No saved copy of the profile holds a game that loads; its game was given up");
        ClearGame(fallback.scalars);
        TakeImage(fallback);
        ApplySettings();
        return;
    }
    CreateNewProfile(false);
    if (failedBeforeLast) {
        // A damaged main file or ".BAKS" applies what the store now holds.
        ApplySettings();
    }
}

void CProfile::KeepDamaged(const std::string& path)
{
    // The next saves replace the main file and ".BAKS"; the damaged file
    // stays beside them for whoever wants to look at it.
    if (FileCopy(path.c_str(), (path + ".BAD").c_str()) != 0) {
        logMessage("Failed to keep the damaged file: ", path.c_str());
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
            CreateNewHeader();
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
