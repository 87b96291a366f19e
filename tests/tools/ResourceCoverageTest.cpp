// Nothing the code asks for may be missing from the resource pack: every
// string literal in the game's sources that names a picture, sound or resource
// file must be a name the manifest provides (a printf pattern must match at
// least one), and the generated resource folder must hold what the manifest
// lists, with the loading hints.
#include "ArchiveBytes.h"
#include "FontSystem.h"
#include "PackManifest.h"
#include "TestBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kSourceFolders[] = {"engine",    "framework", "world",    "islanders", "game", "buildings",
                                      "life",      "research",  "tutorial", "menus"};
const char* const kResourceExtensions[] = {".png", ".jpg", ".tga", ".ogg", ".wav", ".dat"};

// File names in the code that are not resources: the player's files and the
// log.
const char* const kNotResources[] = {"%sPROFILE%iv%i.DAT", "%sSOUNDv%i.DAT", "SOUNDv%i.DAT", "%s%sv%i.DAT", "LOG.TXT"};

struct literal_data {
    std::string text;
    std::string where;
};

// The contents of every string literal outside comments and character
// literals; escapes are kept as written, raw strings are read whole.
std::vector<literal_data> StringLiterals(const std::string& source, const std::string& path)
{
    std::vector<literal_data> literals;
    int line = 1;
    size_t i = 0;
    const size_t n = source.size();
    auto advance = [&](size_t to) {
        for (; i < to && i < n; i++) {
            line += source[i] == '\n';
        }
    };
    while (i < n) {
        const char c = source[i];
        if (c == '/' && i + 1 < n && source[i + 1] == '/') {
            size_t end = source.find('\n', i);
            advance(end == std::string::npos ? n : end);
        } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
            size_t end = source.find("*/", i + 2);
            advance(end == std::string::npos ? n : end + 2);
        } else if (c == 'R' && i + 1 < n && source[i + 1] == '"' &&
                   (i == 0 || !(isalnum(static_cast<unsigned char>(source[i - 1])) || source[i - 1] == '_'))) {
            size_t open = source.find('(', i + 2);
            if (open == std::string::npos) {
                break;
            }
            const std::string close = ")" + source.substr(i + 2, open - i - 2) + "\"";
            size_t end = source.find(close, open);
            if (end == std::string::npos) {
                break;
            }
            literals.push_back({source.substr(open + 1, end - open - 1), path + ":" + std::to_string(line)});
            advance(end + close.size());
        } else if (c == '"' || c == '\'') {
            const int startLine = line;
            size_t j = i + 1;
            std::string text;
            while (j < n && source[j] != c && source[j] != '\n') {
                if (source[j] == '\\' && j + 1 < n) {
                    text += source[j];
                    j++;
                }
                text += source[j];
                j++;
            }
            if (c == '"') {
                literals.push_back({text, path + ":" + std::to_string(startLine)});
            }
            advance(j + 1);
        } else {
            advance(i + 1);
        }
    }
    return literals;
}

bool EndsWithResourceExtension(const std::string& text)
{
    for (const char* extension : kResourceExtensions) {
        const size_t length = strlen(extension);
        if (text.size() > length && strcasecmp(text.c_str() + text.size() - length, extension) == 0) {
            return true;
        }
    }
    return false;
}

// Does name match the printf pattern? %d, %i, %u stand for a decimal number,
// %x for a hexadecimal one, %c for one character, %s for any text; flags and
// widths are allowed, %% is a percent sign.
std::regex PatternExpression(const std::string& pattern)
{
    static const std::regex token(R"(%[-+ #0-9.hlz]*[diuxXcs%]|[.^$|()\[\]{}*+?\\])");
    std::string expression;
    size_t last = 0;
    for (std::sregex_iterator it(pattern.begin(), pattern.end(), token), end; it != end; ++it) {
        const std::string found = it->str();
        expression += pattern.substr(last, static_cast<size_t>(it->position()) - last);
        last = static_cast<size_t>(it->position() + it->length());
        switch (found[0] == '%' ? found.back() : '\\') {
        case '\\': expression += "\\" + found; break;
        case '%': expression += "%"; break;
        case 'c': expression += "."; break;
        case 's': expression += ".*"; break;
        case 'x': case 'X': expression += "[0-9a-fA-F]+"; break;
        case 'u': expression += "[0-9]+"; break;
        default: expression += "-?[0-9]+";
        }
    }
    return std::regex(expression + pattern.substr(last));
}

bool MatchesPattern(const std::string& pattern, const std::string& name)
{
    return std::regex_match(name, PatternExpression(pattern));
}

// Calls visit with the path (relative to the repository) and the text of
// every source and header file of the program's folders.
void ForEachSourceFile(const std::function<void(const std::string& where, const std::string& source)>& visit)
{
    for (const char* folder : kSourceFolders) {
        const fs::path root = fs::path(PALMORA_SOURCE_DIR) / folder;
        if (!fs::is_directory(root)) {
            continue;
        }
        for (const auto& file : fs::recursive_directory_iterator(root)) {
            const std::string extension = file.path().extension().string();
            if (file.is_regular_file() && (extension == ".cpp" || extension == ".h")) {
                visit(fs::relative(file.path(), PALMORA_SOURCE_DIR).string(), ReadBytes(file.path().string()));
            }
        }
    }
}

pack_manifest_data RepositoryManifest()
{
    pack_manifest_data manifest;
    std::string error;
    EXPECT_TRUE(ReadManifestFolder(std::string(PALMORA_SOURCE_DIR) + "/tools/manifest", manifest, error)) << error;
    return manifest;
}

std::set<std::string> ArchiveNames(const std::string& path)
{
    std::set<std::string> names;
    for (const auto& entry : ArchiveEntries(ReadBytes(path))) {
        names.insert(entry.first);
    }
    return names;
}

// The test environment names the generated folder; the build's own path
// stands in when the variable did not reach the test.
const char* Resources()
{
    const char* folder = getenv("PALMORA_RESOURCES");
    return folder ? folder : PALMORA_RESOURCES_DIR;
}

}  // namespace

TEST(ResourceCoverage, PrintfPatternsMatchAsWildcards)
{
    struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"tutorial%i.dat", "tutorial12.dat", true},   {"tutorial%i.dat", "tutorial.dat", false},
        {"pointer%c%i.png", "pointerA0.png", true},   {"pointer%c%i.png", "pointer0.png", false},
        {"%s_head.png", "_head.png", true},           {"island_waves_%02d.ogg", "island_waves_07.ogg", true},
        {"a%%b.png", "a%b.png", true},                {"plain.png", "plainxpng", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesPattern(c.pattern, c.name), c.matches) << c.pattern << " ~ " << c.name;
    }
}

TEST(ResourceCoverage, EveryResourceNameInTheCodeIsInTheManifest)
{
    const pack_manifest_data manifest = RepositoryManifest();
    std::set<std::string> names = {"resource.dat", "resource2.dat", "resource3.dat", "strings.dat"};
    for (const pack_entry_data& entry : manifest.entries) {
        names.insert(entry.name);
    }
    const std::set<std::string> excluded(std::begin(kNotResources), std::end(kNotResources));

    int checked = 0;
    ForEachSourceFile([&](const std::string& relative, const std::string& source) {
        for (const literal_data& literal : StringLiterals(source, relative)) {
            if (!EndsWithResourceExtension(literal.text)) {
                continue;
            }
            const std::string name = literal.text.substr(literal.text.rfind('/') + 1);
            if (excluded.count(name) || name.find('.') == 0) {
                continue;  // a player's file, or a bare extension
            }
            checked++;
            if (name.find('%') == std::string::npos) {
                EXPECT_TRUE(names.count(name)) << literal.where << ": \"" << name << "\" is in no manifest";
                continue;
            }
            bool found = false;
            const std::regex expression = PatternExpression(name);  // once: the manifest holds thousands of names
            for (const std::string& candidate : names) {
                if (std::regex_match(candidate, expression)) {
                    found = true;
                    break;
                }
            }
            EXPECT_TRUE(found) << literal.where << ": nothing in the manifests matches \"" << name << "\"";
        }
    });
    RecordProperty("resourceNamesChecked", checked);
}

TEST(ResourceCoverage, TheGeneratedFolderHoldsEveryManifestEntry)
{
    const std::string folder = Resources();
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    const pack_manifest_data manifest = RepositoryManifest();
    const std::set<std::string> inArchive[3] = {ArchiveNames(folder + "/resource.dat"),
                                                ArchiveNames(folder + "/resource2.dat"),
                                                ArchiveNames(folder + "/resource3.dat")};
    for (const pack_entry_data& entry : manifest.entries) {
        switch (entry.kind) {
        case PackKind::Image:
            EXPECT_TRUE(inArchive[0].count(entry.name)) << entry.name;
            break;
        case PackKind::Sound:
            EXPECT_TRUE(inArchive[1].count(entry.name)) << entry.name;
            break;
        case PackKind::Font:
            EXPECT_TRUE(inArchive[2].count(entry.name)) << entry.name;
            break;
        case PackKind::Music:
            EXPECT_TRUE(fs::is_regular_file(folder + "/music/" + entry.name)) << entry.name;
            break;
        case PackKind::Voice:
            EXPECT_TRUE(fs::is_regular_file(folder + "/voice/" + entry.name)) << entry.name;
            break;
        case PackKind::File:
            EXPECT_TRUE(fs::is_regular_file(folder + "/" + entry.name)) << entry.name;
            break;
        }
    }
}

// Player-visible texts are string ids. The code names them in a few fixed
// shapes: an id constant (`constexpr int kNameId = 2017;`), a table of ids
// (`kBannerTextIds[2] = {6016, 6015}`) or an id written into a record
// (`result.id = 2800;`, `result.id = 2801 + number;`, whose first id is checked).
TEST(ResourceCoverage, EveryStringIdTheCodeNamesIsInTheStringTable)
{
    const pack_manifest_data manifest = RepositoryManifest();
    static const std::regex constant(R"(constexpr\s+int\s+k\w*Id\s*=\s*(\d+)\s*;)");
    static const std::regex table(R"(constexpr\s+int\s+k\w*Ids\s*\[\s*\d*\s*\]\s*=\s*\{([\d,\s]+)\})");
    static const std::regex record(R"(\.id\s*=\s*(\d+)\s*[;+])");
    static const std::regex number(R"(\d+)");

    int checked = 0;
    auto expectId = [&](const std::string& text, const std::string& where) {
        checked++;
        EXPECT_TRUE(manifest.strings.ids.count(std::stoi(text))) << where << ": string id " << text
                                                                 << " is in no *.strings file";
    };
    ForEachSourceFile([&](const std::string& where, const std::string& source) {
        for (const std::regex* shape : {&constant, &record}) {
            for (std::sregex_iterator it(source.begin(), source.end(), *shape), end; it != end; ++it) {
                expectId((*it)[1].str(), where);
            }
        }
        for (std::sregex_iterator it(source.begin(), source.end(), table), end; it != end; ++it) {
            const std::string ids = (*it)[1].str();
            for (std::sregex_iterator id(ids.begin(), ids.end(), number), idEnd; id != idEnd; ++id) {
                expectId(id->str(), where);
            }
        }
    });
    EXPECT_GT(checked, 0) << "the scan found no string id at all";
}

TEST(ResourceCoverage, TheGeneratedStringTableHoldsEveryLoadingHint)
{
    const std::string bytes = ReadBytes(std::string(Resources()) + "/strings.dat");
    std::string narrow;  // ASCII is enough to find the ids
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned value = static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8;
        narrow.push_back(value < 128 ? static_cast<char>(value) : '?');
    }
    ASSERT_GE(narrow.size(), 2u);
    EXPECT_EQ(narrow.back() == '\n' || narrow.back() == '\r', false);
    for (int id = 22000; id <= 22038; id++) {
        const std::string key = "\n@" + std::to_string(id) + "|";
        const size_t at = narrow.find(key);
        ASSERT_NE(at, std::string::npos) << "hint " << id;
        EXPECT_GT(narrow.find_first_of("\r\n", at + 1) - (at + key.size()), 10u) << "hint " << id;
    }
}

// The renderer keeps bold, italics and underline switched from one text to
// the next, so a text that leaves one on restyles every text after it.
// Pairs, such as the words a lesson makes stand out, are what the table may
// hold; a number belongs in an insert code, never in "%i".
TEST(ResourceCoverage, EveryTextOfTheTableLeavesItsStylesAsItFoundThem)
{
    const std::string bytes = ReadBytes(std::string(Resources()) + "/strings.dat");
    std::map<int, string_data> table;
    ASSERT_EQ(FontSystem_ParseStrings(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), table), 0);
    ASSERT_GT(table.size(), 1000u);
    std::string unbalanced;
    for (const auto& entry : table) {
        const ustring& text = entry.second.text;
        for (const char code : {'b', 'i', 'u'}) {
            int toggles = 0;
            for (unsigned int i = 0; i + 1 < text.length(); i++) {
                toggles += text[i] == '%' && text[i + 1] == code;
            }
            if (toggles % 2 != 0) {
                unbalanced += std::to_string(entry.first) + " leaves %" + code + " switched\n";
            }
        }
    }
    EXPECT_EQ(unbalanced, "");
}
