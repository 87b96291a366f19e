// Placeholder sounds for the resource pack, synthesized from their names and
// encoded as Ogg Vorbis: short tones for the sound archive, melodic loops for
// the music folder and a voice-like murmur for the spoken streams. Mono, low
// quality and short, so that the pack builds in seconds.
#pragma once

#include "PackManifest.h"

#include <string>
#include <vector>

constexpr int kPackSampleRate = 22050;

// A plucked tone of hz (0 picks one from the name) lasting ms.
std::vector<float> SynthesizeTone(const std::string& name, int hz, int ms, int rate);

// A tune that loops seamlessly; its length is seconds rounded to whole notes.
std::vector<float> SynthesizeMelody(const std::string& name, double seconds, int rate);

// Syllables of a vowel-filtered buzz: something that sounds like speech.
std::vector<float> SynthesizeMurmur(const std::string& name, double seconds, int rate);

// Mono samples in -1..1 to an Ogg Vorbis file; serial numbers the Ogg stream.
bool EncodeOggVorbis(const std::vector<float>& samples, int rate, float quality, uint32_t serial,
                     std::string& out);

// Synthesizes and encodes the sound a sound, music or voice entry describes.
bool MakeSound(const pack_entry_data& entry, std::string& out);
