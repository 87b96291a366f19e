// Loading: the sound archive, the songs and the narration streams, and the
// registry of sounds they fill.
#include "CSound.h"

#include "CDraw.h"
#include "CSoundSource.h"
#include "CSoundSystem.h"
#include "Log.h"
#include "Utilities.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>


namespace {

const char* const kSoundArchive = RESOURCE_FOLDER "resource2.dat";
const int kLoadingStep = 100;

// The loading bar belongs to the drawing context; without one loading goes
// on with nothing shown.
int LoadingTextNum(CDraw* draw)
{
    return draw ? draw->GetLoadingTextNum() : 0;
}

void DisplayLoadingText(CDraw* draw, int count)
{
    if (draw) {
        draw->DisplayLoadingText(count);
    }
}

void UnloadLoadingText(CDraw* draw)
{
    if (draw) {
        draw->UnloadLoadingText();
    }
}

bool ReadWord(FILE* file, uint32_t& value)
{
    unsigned char bytes[4];
    if (fread(bytes, 1, 4, file) != 4) {
        return false;
    }
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

[[noreturn]] void ArchiveUnreadable()
{
    errorMessage("Cannot load sound resource file!", " " RESOURCE_FOLDER "resource2.dat", true, true);
    abort();
}

}  // namespace

void CSound::LoadTitleMusic()
{
    songTitle = new CSound("MENU.dat", true, 1.0f, false);
}

void CSound::Preload(CDraw* draw)
{
    Preload(LoadingTextNum(draw), [draw](int count) { DisplayLoadingText(draw, count); });
}

void CSound::Preload(int firstCount, const std::function<void(int)>& progress)
{
    if (!soundInitialized) {
        return;
    }
    FILE* file = fopen(kSoundArchive, "rb");
    if (!file) {
        ArchiveUnreadable();
    }
    std::unique_ptr<FILE, int (*)(FILE*)> closer(file, fclose);
    fseek(file, 0, SEEK_END);
    const uint64_t fileSize = static_cast<uint64_t>(ftell(file));
    fseek(file, 0, SEEK_SET);

    // Every count, offset and length is checked against the file's size, so
    // a damaged archive is reported rather than read past its end.
    uint32_t count = 0;
    if (!ReadWord(file, count) || count > (fileSize - 4) / 4) {
        ArchiveUnreadable();
    }
    std::vector<uint32_t> offsets(count);
    for (uint32_t& offset : offsets) {
        if (!ReadWord(file, offset)) {
            ArchiveUnreadable();
        }
    }
    int progressCount = firstCount;
    std::string name;
    std::vector<char> data;
    for (uint32_t offset : offsets) {
        uint32_t dataSize = 0;
        uint32_t nameLength = 0;
        if (offset > fileSize || fseek(file, offset, SEEK_SET) != 0 || !ReadWord(file, dataSize) ||
            !ReadWord(file, nameLength) || uint64_t{offset} + 8 + nameLength + dataSize > fileSize) {
            ArchiveUnreadable();
        }
        name.assign(nameLength, '\0');
        data.resize(dataSize);
        if ((nameLength > 0 && fread(&name[0], 1, nameLength, file) != nameLength) ||
            (dataSize > 0 && fread(data.data(), 1, dataSize, file) != dataSize)) {
            ArchiveUnreadable();
        }
        const int index = PreLoadSound(data.data(), static_cast<int>(dataSize), name.c_str());
        // A name that comes twice keeps its first sound.
        preloaded.emplace(name, index);
        progressCount += kLoadingStep;
        progress(progressCount);
    }
}

void CSound::LoadMusic(CDraw* draw)
{
    LoadGameMusic(LoadingTextNum(draw), [draw](int count) { DisplayLoadingText(draw, count); });
    UnloadLoadingText(draw);
}

void CSound::LoadGameMusic(int firstCount, const std::function<void(int)>& progress)
{
    CSound** const songs[] = {&songGame1, &songGame2, &songGame3, &songGame4};
    for (int k = 1; k <= 4; k++) {
        char name[16];
        snprintf(name, sizeof name, "GAME%i.dat", k);
        *songs[k - 1] = new CSound(name, true, 1.0f, false);
        progress(firstCount + kLoadingStep * k);
    }
}

void CSound::UnloadMusic()
{
    // Each destructor clears the static pointers that name it, currentSong
    // included.
    for (CSound* song : {songTitle, songGame1, songGame2, songGame3, songGame4}) {
        delete song;
    }
    songTitle = songGame1 = songGame2 = songGame3 = songGame4 = currentSong = nullptr;
}

int CSound::LoadMusic(const char* name)
{
    if (!soundInitialized) {
        return -1;
    }
    char path[PATH_BUFFER_SIZE];
    snprintf(path, sizeof path, "%smusic/%s", RESOURCE_FOLDER, name);
    CSoundSource* sound = nullptr;
    ErrorCheck(system->CreateStream(path, &sound), path);
    // The title song repeats until switched away; the game songs end, so
    // that the next one follows.
    sound->SetLoopCount(strcmp(name, "MENU.dat") == 0 ? -1 : 0);
    return FindFreeSpot(sound);
}

int CSound::LoadStream(const char* name)
{
    if (!soundInitialized) {
        return -1;
    }
    char path[PATH_BUFFER_SIZE];
    snprintf(path, sizeof path, "%svoice/%s", RESOURCE_FOLDER, name);
    CSoundSource* sound = nullptr;
    ErrorCheck(system->CreateStream(path, &sound), path);
    sound->SetLoopCount(0);
    return FindFreeSpot(sound);
}

int CSound::LoadSound(const char* name)
{
    if (!soundInitialized) {
        return -1;
    }
    auto found = preloaded.find(name);
    if (found == preloaded.end()) {
        errorMessage("Unable to find preloaded sound: ", name, true, true);
        return -1;
    }
    return found->second;
}

int CSound::PreLoadSound(const char* data, int length, const char* name)
{
    if (!soundInitialized) {
        return -1;
    }
    CSoundSource* sound = nullptr;
    ErrorCheck(system->CreateSound(data, length, &sound), name);
    sound->SetLoopCount(0);
    return FindFreeSpot(sound);
}

int CSound::FindFreeSpot(CSoundSource* sound)
{
    for (size_t i = 0; i < sounds.size(); i++) {
        if (!sounds[i]) {
            sounds[i] = sound;
            return static_cast<int>(i);
        }
    }
    sounds.push_back(sound);
    return static_cast<int>(sounds.size()) - 1;
}
