// Loading: the sound archive, the songs and the narration streams, and the
// registry of sounds they fill.
#include "CSound.h"

#include "CArchiveReader.h"
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

// The printed message is the same wherever the game runs; the line before it
// in the log names the archive.
[[noreturn]] void ArchiveUnreadable()
{
    logMessage("Cannot load sound resource file: ", kSoundArchive);
    errorMessage("Cannot load sound resource file!", true, true);
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
    CArchiveReader archive(kSoundArchive);
    if (!archive.Opened() || !archive.TableIntact()) {
        ArchiveUnreadable();
    }
    int progressCount = firstCount;
    std::string name;
    std::vector<char> data;
    for (int i = 0; i < archive.Count(); i++) {
        uint32_t dataSize = 0;
        if (!archive.ReadEntry(i, name, dataSize)) {
            ArchiveUnreadable();
        }
        data.resize(dataSize);
        if (!archive.ReadData(data.data())) {
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
