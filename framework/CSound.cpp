#include "CSound.h"

float CSound::globalSoundVolume = 1.0f;
float CSound::globalMusicVolume = 1.0f;

CSound::CSound(const char*, bool, float, bool) {}
CSound::~CSound() {}
void CSound::Play(bool, int, float, bool) {}
void CSound::PumpAll() {}
float CSound::GetGlobalVolume() { return globalSoundVolume; }
void CSound::SetGlobalVolume(float volume) { globalSoundVolume = volume; }
float CSound::GetGlobalMusicVolume() { return globalMusicVolume; }
void CSound::SetGlobalMusicVolume(float volume) { globalMusicVolume = volume; }
