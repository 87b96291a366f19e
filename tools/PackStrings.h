// The string table of the resource pack: the *.strings files (UTF-8, the
// table's own line syntax) are checked line by line and joined into
// strings.dat, UTF-16LE with a byte-order mark and CR LF between lines but none
// after the last, since the game's loader rejects a final line break.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

struct pack_strings_data {
    std::vector<std::u16string> lines;
    std::vector<std::pair<std::string, std::string>> fonts;  // font file named, where
    std::map<int, std::string> ids;                          // string id, where
};

// Decodes UTF-8 into 16-bit characters. Characters outside the Basic
// Multilingual Plane are refused: the game's strings are one unit a character.
bool DecodeUtf8(const std::string& text, std::u16string& out, std::string& reason);

// Checks one *.strings file and appends its lines. path names the file in
// messages. The file must set its own font before its first string, so no file
// depends on the one before it.
bool AppendStringsFile(const std::string& text, const std::string& path, pack_strings_data& strings,
                       std::string& error);

// The bytes of strings.dat.
std::string EncodeStringTable(const pack_strings_data& strings);
