#include "PackManifest.h"

#include "PackFigures.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

constexpr int kLargestPicture = 8192;
constexpr int kDefaultSoundMs = 250;
constexpr double kDefaultMusicSeconds = 8.0;
constexpr double kDefaultVoiceSeconds = 1.5;

std::string Lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool ParseInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) {
        return false;
    }
    value = atoi(text.c_str());
    return value >= low && value <= high;
}

bool ParseSeconds(const std::string& text, double& value)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
        return false;
    }
    char* end = nullptr;
    value = strtod(text.c_str(), &end);
    return *end == '\0' && value > 0.0 && value <= 600.0;
}

// Names become archive entries and file names in the resource folder: no
// folders, nothing hidden, nothing a shell or the game could misread.
bool CheckName(const std::string& name, std::string& reason)
{
    if (name.empty() || name[0] == '.') {
        reason = "an empty name or one starting with '.'";
        return false;
    }
    for (unsigned char c : name) {
        if (c <= 32 || c >= 127 || c == '/' || c == '\\' || c == '{' || c == '}' || c == '%') {
            reason = "a name with a character that cannot be part of a resource name";
            return false;
        }
    }
    return true;
}

bool PictureTypeFromWord(const std::string& word, PictureType& type)
{
    const std::string lower = Lower(word);
    if (lower == "png") {
        type = PictureType::Png;
    } else if (lower == "jpg") {
        type = PictureType::Jpg;
    } else if (lower == "tga") {
        type = PictureType::Tga;
    } else {
        return false;
    }
    return true;
}

std::string JoinFrom(const std::vector<std::string>& tokens, size_t first)
{
    std::string joined;
    for (size_t i = first; i < tokens.size(); i++) {
        joined += (i > first ? " " : "") + tokens[i];
    }
    return joined;
}

const char* Usage(const std::string& directive)
{
    static const std::pair<const char*, const char*> kUsages[] = {
        {"image", "image NAME W H [LABEL]"}, {"sound", "sound NAME [HZ [MS]]"},
        {"font", "font NAME PATH"},          {"music", "music NAME [SECONDS]"},
        {"voice", "voice NAME [SECONDS]"},   {"file", "file NAME W H TYPE [LABEL]"},
        {"figures", "figures PATTERN W H"},
    };
    for (const auto& usage : kUsages) {
        if (directive == usage.first) {
            return usage.second;
        }
    }
    return nullptr;
}

bool ReadWhole(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

const char* Destination(PackKind kind)
{
    switch (kind) {
    case PackKind::Image:
        return "resource.dat";
    case PackKind::Sound:
        return "resource2.dat";
    case PackKind::Font:
        return "resource3.dat";
    case PackKind::Music:
        return "music/";
    case PackKind::Voice:
        return "voice/";
    case PackKind::File:
        break;
    }
    return "the resource folder";
}

bool CheckWhole(const pack_manifest_data& manifest, std::string& error)
{
    std::unordered_map<std::string, const pack_entry_data*> seen;
    seen.reserve(manifest.entries.size());
    for (const pack_entry_data& entry : manifest.entries) {
        if (entry.kind == PackKind::File) {
            static const char* const kReserved[] = {"resource.dat", "resource2.dat", "resource3.dat",
                                                    "strings.dat", "music", "voice"};
            for (const char* reserved : kReserved) {
                if (entry.name == reserved) {
                    error = entry.where + ": '" + entry.name + "' is written by the builder itself";
                    return false;
                }
            }
        }
        auto inserted = seen.emplace(std::string(Destination(entry.kind)) + "|" + entry.name, &entry);
        if (!inserted.second) {
            error = entry.where + ": '" + entry.name + "' is already in " + Destination(entry.kind) + " from " +
                    inserted.first->second->where;
            return false;
        }
    }
    for (const auto& font : manifest.strings.fonts) {
        if (!seen.count(std::string(Destination(PackKind::Font)) + "|" + font.first)) {
            error = font.second + ": the font '" + font.first + "' has no font line in any manifest";
            return false;
        }
    }
    return true;
}

// figures PATTERN W H: every name the pattern expands to is an islander
// picture the builder draws from its name, all of the one size.
template <typename Fail>
bool ParseFigures(const std::vector<std::string>& tokens, const std::string& where,
                  std::vector<pack_entry_data>& entries, std::string& error, Fail fail)
{
    pack_entry_data entry;
    entry.where = where;
    entry.figure = true;
    if (tokens.size() != 4 || !ParseInt(tokens[2], 1, kLargestPicture, entry.width) ||
        !ParseInt(tokens[3], 1, kLargestPicture, entry.height)) {
        return fail("a pattern, then width and height as whole numbers from 1 to " + std::to_string(kLargestPicture));
    }
    std::vector<std::string> names;
    std::string reason;
    if (!ExpandGroups(tokens[1], names, reason)) {
        return fail(reason);
    }
    for (const std::string& name : names) {
        size_t dot = name.rfind('.');
        figure_data figure;
        if (!CheckName(name, reason)) {
            return fail("'" + name + "' is " + reason);
        }
        if (dot == std::string::npos || !PictureTypeFromWord(name.substr(dot + 1), entry.picture) ||
            entry.picture == PictureType::Jpg) {
            return fail("'" + name + "' does not end in .png or .tga");
        }
        if (!ParseFigureName(name, figure, reason)) {
            error = where + ": " + reason;
            return false;
        }
        entry.name = name;
        entry.label = NameStem(name);
        entries.push_back(entry);
    }
    return true;
}

}  // namespace

bool ExpandGroups(const std::string& pattern, std::vector<std::string>& names, std::string& error)
{
    names.assign(1, std::string());
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find_first_of("{}", at);
        const std::string plain = pattern.substr(at, open == std::string::npos ? std::string::npos : open - at);
        for (std::string& name : names) {
            name += plain;
        }
        if (open == std::string::npos) {
            break;
        }
        const size_t close = pattern.find_first_of("{}", open + 1);
        if (pattern[open] == '}' || close == std::string::npos || pattern[close] != '}') {
            error = "'" + pattern + "' has an unmatched or nested brace";
            return false;
        }
        const std::string inside = pattern.substr(open + 1, close - open - 1);
        std::vector<std::string> choices;
        if (inside.find("..") != std::string::npos) {
            if (!ExpandRange("{" + inside + "}", choices, error)) {
                return false;
            }
        } else {
            std::istringstream words(inside);
            for (std::string word; std::getline(words, word, ',');) {
                if (word.empty()) {
                    error = "the group '{" + inside + "}' in '" + pattern + "' holds an empty choice";
                    return false;
                }
                choices.push_back(word);
            }
            if (choices.size() < 2 || inside.back() == ',') {
                error = "the group '{" + inside + "}' in '" + pattern + "' is neither {A..B} nor two or more choices";
                return false;
            }
        }
        std::vector<std::string> grown;
        grown.reserve(names.size() * choices.size());
        for (const std::string& name : names) {
            for (const std::string& choice : choices) {
                grown.push_back(name + choice);
            }
        }
        names.swap(grown);
        at = close + 1;
    }
    return true;
}

std::string PictureKind(const std::string& name)
{
    size_t end = name.find_first_of("0123456789_.");
    return name.substr(0, end);
}

std::string NameStem(const std::string& name)
{
    size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool ExpandRange(const std::string& name, std::vector<std::string>& names, std::string& error)
{
    names.clear();
    size_t open = name.find('{');
    size_t close = name.find('}');
    if (open == std::string::npos && close == std::string::npos) {
        names.push_back(name);
        return true;
    }
    if (open == std::string::npos || close == std::string::npos || close < open ||
        name.find_first_of("{}", close + 1) != std::string::npos) {
        error = "'" + name + "' may hold one range {A..B}, no other braces";
        return false;
    }
    const std::string inside = name.substr(open + 1, close - open - 1);
    size_t dots = inside.find("..");
    int first = 0;
    int last = 0;
    if (dots == std::string::npos || !ParseInt(inside.substr(0, dots), 0, 99999999, first) ||
        !ParseInt(inside.substr(dots + 2), 0, 99999999, last)) {
        error = "the range '{" + inside + "}' in '" + name + "' is not {A..B} with whole numbers";
        return false;
    }
    if (first > last) {
        error = "the range '{" + inside + "}' in '" + name + "' runs backwards";
        return false;
    }
    if (last - first >= 100000) {
        error = "the range '{" + inside + "}' in '" + name + "' is too long";
        return false;
    }
    const std::string before = name.substr(0, open);
    const std::string after = name.substr(close + 1);
    names.reserve(static_cast<size_t>(last - first + 1));
    for (int i = first; i <= last; i++) {
        names.push_back(before + std::to_string(i) + after);
    }
    return true;
}

bool ParseManifestLine(const std::string& line, const std::string& where, const std::string& manifestDir,
                       std::vector<pack_entry_data>& entries, std::string& error)
{
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) {
        tokens.push_back(token);
    }
    if (tokens.empty()) {
        return true;
    }
    const std::string& directive = tokens[0];
    const char* usage = Usage(directive);
    if (!usage) {
        error = where + ": unknown directive '" + directive + "' (image, figures, sound, font, music, voice or file)";
        return false;
    }
    auto fail = [&](const std::string& reason) {
        error = where + ": " + reason + "; expected " + usage;
        return false;
    };
    if (tokens.size() < 2) {
        return fail("no name");
    }

    if (directive == "figures") {
        return ParseFigures(tokens, where, entries, error, fail);
    }

    pack_entry_data entry;
    entry.where = where;
    const size_t count = tokens.size();
    if (directive == "image" || directive == "file") {
        entry.kind = directive == "image" ? PackKind::Image : PackKind::File;
        if (count < 4 || !ParseInt(tokens[2], 1, kLargestPicture, entry.width) ||
            !ParseInt(tokens[3], 1, kLargestPicture, entry.height)) {
            return fail("width and height must be whole numbers from 1 to " + std::to_string(kLargestPicture));
        }
        size_t labelStart = 4;
        if (entry.kind == PackKind::File) {
            if (count < 5 || !PictureTypeFromWord(tokens[4], entry.picture) || entry.picture == PictureType::Tga) {
                return fail("TYPE must be jpg or png");
            }
            labelStart = 5;
        } else {
            const std::string& name = tokens[1];
            size_t dot = name.rfind('.');
            if (dot == std::string::npos || !PictureTypeFromWord(name.substr(dot + 1), entry.picture)) {
                return fail("'" + name + "' does not end in .png, .jpg or .tga");
            }
        }
        entry.label = JoinFrom(tokens, labelStart);
    } else if (directive == "sound") {
        entry.kind = PackKind::Sound;
        entry.ms = kDefaultSoundMs;
        if (count > 4 || (count > 2 && !ParseInt(tokens[2], 20, 20000, entry.hz)) ||
            (count > 3 && !ParseInt(tokens[3], 1, 60000, entry.ms))) {
            return fail("HZ must be 20 to 20000 and MS 1 to 60000");
        }
    } else if (directive == "font") {
        entry.kind = PackKind::Font;
        if (count != 3) {
            return fail("a font line has a name and a path");
        }
        fs::path path(tokens[2]);
        if (path.is_relative()) {
            path = fs::path(manifestDir) / path;
        }
        std::error_code code;
        if (!fs::is_regular_file(path, code)) {
            return fail("the font file '" + path.string() + "' does not exist (is fonts-dejavu-core installed?)");
        }
        entry.path = path.string();
    } else {
        entry.kind = directive == "music" ? PackKind::Music : PackKind::Voice;
        entry.seconds = directive == "music" ? kDefaultMusicSeconds : kDefaultVoiceSeconds;
        if (count > 3 || (count == 3 && !ParseSeconds(tokens[2], entry.seconds))) {
            return fail("SECONDS must be a number above 0 and at most 600");
        }
    }

    std::vector<std::string> names;
    std::string reason;
    if (!ExpandRange(tokens[1], names, reason)) {
        return fail(reason);
    }
    const bool defaultLabel = entry.label.empty();
    for (const std::string& name : names) {
        if (!CheckName(name, reason)) {
            return fail("'" + name + "' is " + reason);
        }
        entry.name = name;
        if (defaultLabel) {
            entry.label = NameStem(name);
        }
        entries.push_back(entry);
    }
    return true;
}

bool ReadManifestFolder(const std::string& dir, pack_manifest_data& manifest, std::string& error)
{
    std::vector<fs::path> files;
    std::error_code code;
    for (fs::directory_iterator it(dir, code), end; !code && it != end; it.increment(code)) {
        const std::string extension = it->path().extension().string();
        if (extension == ".manifest" || extension == ".strings") {
            files.push_back(it->path());
        }
    }
    if (code) {
        error = "cannot read the manifest folder '" + dir + "': " + code.message();
        return false;
    }
    if (files.empty()) {
        error = "the manifest folder '" + dir + "' holds no *.manifest or *.strings file";
        return false;
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });

    for (const fs::path& file : files) {
        std::string text;
        if (!ReadWhole(file, text)) {
            error = "cannot read '" + file.string() + "'";
            return false;
        }
        if (file.extension() == ".strings") {
            if (!AppendStringsFile(text, file.string(), manifest.strings, error)) {
                return false;
            }
            continue;
        }
        std::istringstream lines(text);
        int lineNumber = 0;
        for (std::string line; std::getline(lines, line);) {
            lineNumber++;
            const std::string where = file.string() + ":" + std::to_string(lineNumber);
            if (!ParseManifestLine(line, where, dir, manifest.entries, error)) {
                return false;
            }
        }
    }
    return CheckWhole(manifest, error);
}
