// Pictures for the resource pack. A picture a drawing rule knows is drawn as
// what it shows (PackPictures.h). Any other gets a labelled placeholder: each
// kind of picture (the name up to its first digit, underscore or dot) its own
// colour and shape with an outline; frames of one sprite share both and differ
// by their label and by a marker that moves round with the frame number.
// Pictures with alpha (PNG, TGA) are transparent around what they show; JPEGs
// are opaque throughout.
#pragma once

#include "PackManifest.h"

#include <cstdint>
#include <string>
#include <vector>

// RGBA, 4 bytes a pixel, rows top to bottom. opaque fills the background too.
std::vector<uint8_t> DrawPlaceholder(const std::string& name, int width, int height, const std::string& label,
                                     bool opaque);

// The picture's drawing when a rule knows its name, else its placeholder.
std::vector<uint8_t> DrawImage(const std::string& name, int width, int height, const std::string& label,
                               bool opaque);

// The encoded file; false only when the encoder fails.
bool EncodePicture(const std::vector<uint8_t>& rgba, int width, int height, PictureType type, std::string& out);

// Draws and encodes the picture an image or file entry describes (an
// islander picture when the entry is a figure); false with the reason when
// it cannot.
bool MakePicture(const pack_entry_data& entry, std::string& out, std::string& reason);
