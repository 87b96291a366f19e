// Reading the resource manifest (tools/manifest/FORMAT.md): every *.manifest
// and *.strings file of one folder, in file-name order, parsed and checked as a
// whole before the builder writes anything, so a bad line never leaves a
// half-written resource folder. Errors name the file and line.
#pragma once

#include "PackStrings.h"

#include <string>
#include <vector>

enum class PackKind { Image, Sound, Font, Music, Voice, File };

enum class PictureType { Png, Jpg, Tga };

// One resource to produce, after range expansion.
struct pack_entry_data {
    PackKind kind = PackKind::Image;
    std::string name;       // entry name in its archive, or file name in its folder
    std::string where;      // "manifest-path:line", for messages
    int width = 0;          // pictures
    int height = 0;
    PictureType picture = PictureType::Png;
    std::string label;      // pictures: the text drawn on them
    bool figure = false;    // pictures: an islander picture drawn from its name
    int hz = 0;             // sounds: 0 picks a pitch from the name
    int ms = 0;             // sounds
    double seconds = 0.0;   // music and voice
    std::string path;       // fonts: the TrueType file to copy
};

struct pack_manifest_data {
    std::vector<pack_entry_data> entries;
    pack_strings_data strings;
};

// Expands one "{A..B}" in name into B - A + 1 names (A <= B, both unsigned
// decimal); a name without braces is returned as it is. More than one range,
// a malformed range or a descending one is an error.
bool ExpandRange(const std::string& name, std::vector<std::string>& names, std::string& error);

// Expands every group of pattern, each "{A..B}" (a range as ExpandRange
// takes it) or "{word,word,...}", into all their combinations, the first
// group varying slowest. A malformed group is an error.
bool ExpandGroups(const std::string& pattern, std::vector<std::string>& names, std::string& error);

// Parses one manifest line (comments and blank lines give nothing). where is
// "file:line"; on failure error holds where and the reason.
bool ParseManifestLine(const std::string& line, const std::string& where, const std::string& manifestDir,
                       std::vector<pack_entry_data>& entries, std::string& error);

// Reads and checks every *.manifest and *.strings file of dir: names unique per
// destination, fonts named by the strings present, string ids unique.
bool ReadManifestFolder(const std::string& dir, pack_manifest_data& manifest, std::string& error);

// What a picture's kind is called (the name up to its first digit, underscore
// or dot): the kind chooses the placeholder's colour and shape.
std::string PictureKind(const std::string& name);

// The name without its last extension: the default label.
std::string NameStem(const std::string& name);
