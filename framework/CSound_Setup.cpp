// Creating the sound system, choosing its output and driver from the sound
// settings file or the console, and the check of the layer's results.
#include "CSound.h"

#include "CSoundSource.h"
#include "CSoundSystem.h"
#include "Log.h"
#include "Utilities.h"

#include <cassert>
#include <cerrno>
#include <cstdint>
#include <string>

namespace {

const int kSoundSettingsVersion = 8;
const int kChannels = 128;
const int kDriverNameSize = 256;

struct sound_settings_data {
    int32_t outputType;
    int32_t driver;
};
static_assert(sizeof(sound_settings_data) == 8, "the settings file holds two 32-bit integers");

std::string SettingsFileName()
{
    char folder[PATH_BUFFER_SIZE];
    GetUserDataPath(folder);
    return std::string(folder) + TempSprintf("SOUNDv%i.DAT", kSoundSettingsVersion);
}

// The next character of the console that the answer table accepts, or -1
// at the end of input.
int ReadChoice(FILE* console, int (*choice)(int character, int count), int count)
{
    int character;
    while ((character = fgetc(console)) != EOF) {
        const int chosen = choice(character, count);
        if (chosen >= 0) {
            return chosen;
        }
    }
    return -1;
}

int OutputChoice(int character, int)
{
    switch (character) {
    case '1':
        return SOUND_OUTPUT_DEVICE;
    case '2':
        return SOUND_OUTPUT_DEVICE_ALT;
    case '3':
        return SOUND_OUTPUT_NOSOUND;
    default:
        return -1;
    }
}

int DriverChoice(int character, int count)
{
    const int index = character - '1';
    return index >= 0 && index < count ? index : -1;
}

}  // namespace

void CSound::Initialize(bool fromFile, FILE* console)
{
    assert(!system && !soundInitialized);
    SoundResult result = CSoundSystem::Create(&system);
    if (result != SOUND_OK) {
        errorMessage("Sound library initialization error 1: ", SoundErrorString(result), false, true);
        system = nullptr;
        return;
    }
    if (fromFile) {
        FileInit();
    } else {
        CustomInit(console);
    }
    result = system->Init(kChannels);
    if (result != SOUND_OK) {
        errorMessage("Sound library initialization error 2: ", SoundErrorString(result), false, true);
        delete system;
        system = nullptr;
        return;
    }
    soundInitialized = true;
}

void CSound::FileInit()
{
    const std::string name = SettingsFileName();
    // Only a regular file is read: a FIFO under the name would hold the start
    // until another program wrote to it.
    FILE* file = OpenRegularFile(name.c_str(), false);
    if (!file) {
        if (errno != ENOENT) {
            logMessage("Sound settings file unreadable, using the default output: ", name.c_str());
        }
        ErrorCheck(system->SetOutput(SOUND_OUTPUT_DEVICE));
        return;
    }
    sound_settings_data settings{};
    const bool complete = fread(&settings, sizeof settings, 1, file) == 1;
    fclose(file);
    // A cut-short file is as good as none: the defaults serve until the
    // console set-up writes it again.
    if (!complete) {
        logMessage("Sound settings file damaged, using the default output: ", name.c_str());
        ErrorCheck(system->SetOutput(SOUND_OUTPUT_DEVICE));
        return;
    }
    printf("\nSound settings loaded from file.  To alter settings in the future, run the game with a command line "
           "parameter of 4\n");
    fflush(stdout);
    // Settings written for another sound back end must not stop every start.
    SoundResult result = system->SetOutput(settings.outputType);
    if (result != SOUND_OK) {
        logMessage("Stored sound output not usable, using the default: ", SoundErrorString(result));
        ErrorCheck(system->SetOutput(SOUND_OUTPUT_DEVICE));
        return;
    }
    result = system->SetDriver(settings.driver);
    if (result != SOUND_OK) {
        logMessage("Stored sound driver not usable, using the default: ", SoundErrorString(result));
    }
}

void CSound::CustomInit(FILE* console)
{
    printf("\nPALMORA - SOUND INITIALIZATION\n\n");
    printf("****** PLEASE SELECT DESIRED SOUND SYSTEM ****** \n");
    printf("1 - SoundManager\n");
    printf("2 - CoreAudio\n");
    printf("\nInput the number corresponding to the desired sound system and press ENTER: ");
    fflush(stdout);
    const int outputType = ReadChoice(console, OutputChoice, 0);
    if (outputType < 0) {
        printf("\n");
        logMessage("Sound set-up: no answer on the console, using the stored settings");
        FileInit();
        return;
    }
    ErrorCheck(system->SetOutput(outputType));
    int count = 0;
    ErrorCheck(system->GetNumDrivers(&count));

    printf("\n\n****** PLEASE SELECT DESIRED SOUND DRIVER ****** \n");
    for (int i = 0; i < count; i++) {
        char driverName[kDriverNameSize];
        ErrorCheck(system->GetDriverName(i, driverName, kDriverNameSize));
        printf("%d : %s\n", i + 1, driverName);
    }
    printf("\nInput the number corresponding to the desired sound driver and press ENTER: ");
    fflush(stdout);
    const int driver = count > 0 ? ReadChoice(console, DriverChoice, count) : -1;
    if (driver < 0) {
        printf("\n");
        logMessage("Sound set-up: no answer on the console, using the stored settings");
        FileInit();
        return;
    }
    ErrorCheck(system->SetDriver(driver));

    const std::string name = SettingsFileName();
    sound_settings_data settings{};
    settings.outputType = outputType;
    settings.driver = driver;
    if (!WriteFileReplacing(name.c_str(), reinterpret_cast<const char*>(&settings), sizeof settings)) {
        errorMessage("Cannot save sound data: ", name.c_str(), true, true);
    }
}

void CSound::ErrorCheck(int result, const char* name)
{
    if (result == SOUND_OK) {
        return;
    }
    std::string detail = SoundErrorString(result);
    if (name) {
        detail += name;
    }
    errorMessage("Sound library error: ", detail.c_str(), true, true);
}

void CSound::ShutDown()
{
    if (system) {
        for (CSoundSource* sound : sounds) {
            if (sound) {
                system->ReleaseSound(sound);
            }
        }
        system->Close();
        delete system;
        system = nullptr;
    }
    sounds.clear();
    preloaded.clear();
    soundObjects.clear();
    soundInitialized = false;
    globalSoundVolume = 1.0f;
    globalMusicVolume = 1.0f;
    isPaused = false;
    songTitle = songGame1 = songGame2 = songGame3 = songGame4 = currentSong = nullptr;
    playingStage = false;
    playingTrack = 0;
}
