#include "PackStrings.h"

#include <cstdlib>

namespace {

std::string Where(const std::string& path, int line)
{
    return path + ":" + std::to_string(line);
}

std::vector<std::string> SplitBars(const std::string& text)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t bar = text.find('|', start);
        fields.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) {
            return fields;
        }
        start = bar + 1;
    }
}

// A whole decimal integer, optionally signed, leading blanks allowed as the
// loader allows them.
bool ParseInteger(const std::string& text, long& value)
{
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return false;
    }
    const char* begin = text.c_str() + start;
    char* end = nullptr;
    value = strtol(begin, &end, 10);
    return end != begin && *end == '\0';
}

bool CheckFontSettings(const std::string& body, const std::string& where, pack_strings_data& strings,
                       std::string& error)
{
    static const char* const kFieldNames[] = {"font", "size", "red", "green", "blue", "line spacing"};
    static const long kLowest[] = {0, 1, 0, 0, 0, -100};
    static const long kHighest[] = {0, 200, 255, 255, 255, 100};
    std::vector<std::string> fields = SplitBars(body);
    if (fields.size() > 6) {
        error = where + ": a font-settings line has at most six fields (font|size|red|green|blue|spacing)";
        return false;
    }
    if (fields[0].empty()) {
        error = where + ": the font-settings line names no font";
        return false;
    }
    for (unsigned char c : fields[0]) {
        if (c < 33 || c > 126) {
            error = where + ": the font name '" + fields[0] + "' must be plain ASCII without blanks";
            return false;
        }
    }
    strings.fonts.emplace_back(fields[0], where);
    for (size_t i = 1; i < fields.size(); i++) {
        long value = 0;
        if (!ParseInteger(fields[i], value) || value < kLowest[i] || value > kHighest[i]) {
            error = where + ": the " + kFieldNames[i] + " field '" + fields[i] + "' is not a number from " +
                    std::to_string(kLowest[i]) + " to " + std::to_string(kHighest[i]);
            return false;
        }
    }
    return true;
}

bool CheckString(const std::string& body, const std::string& where, pack_strings_data& strings, std::string& error)
{
    size_t bar = body.find('|');
    if (bar == std::string::npos) {
        error = where + ": a string line is @id|text";
        return false;
    }
    long id = 0;
    std::string idText = body.substr(0, bar);
    if (idText.find_first_not_of("0123456789") != std::string::npos || !ParseInteger(idText, id) ||
        id > 2000000000L) {
        error = where + ": the string id '" + idText + "' is not a number";
        return false;
    }
    if (body.find('|', bar + 1) != std::string::npos) {
        error = where + ": the text of string " + idText + " holds a '|', which would cut it short";
        return false;
    }
    auto inserted = strings.ids.emplace(static_cast<int>(id), where);
    if (!inserted.second) {
        error = where + ": string " + idText + " is already defined at " + inserted.first->second;
        return false;
    }
    return true;
}

}  // namespace

bool DecodeUtf8(const std::string& text, std::u16string& out, std::string& reason)
{
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        uint32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xe0) == 0xc0) {
            extra = 1;
            code = lead & 0x1f;
        } else if ((lead & 0xf0) == 0xe0) {
            extra = 2;
            code = lead & 0x0f;
        } else if ((lead & 0xf8) == 0xf0) {
            reason = "a character outside the Basic Multilingual Plane";
            return false;
        } else {
            reason = "bytes that are not UTF-8";
            return false;
        }
        if (i + extra >= text.size()) {
            reason = "a UTF-8 sequence cut short";
            return false;
        }
        for (int k = 1; k <= extra; k++) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) {
                reason = "bytes that are not UTF-8";
                return false;
            }
            code = (code << 6) | (next & 0x3f);
        }
        const uint32_t lowest[] = {0, 0x80, 0x800};
        if (code < lowest[extra] || (code >= 0xd800 && code <= 0xdfff)) {
            reason = "bytes that are not UTF-8";
            return false;
        }
        out.push_back(static_cast<char16_t>(code));
        i += 1 + extra;
    }
    return true;
}

bool AppendStringsFile(const std::string& text, const std::string& path, pack_strings_data& all,
                       std::string& error)
{
    // Parsed apart and merged only when the whole file is good.
    pack_strings_data strings;
    strings.ids = all.ids;
    bool fontSet = false;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        lineNumber++;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const std::string where = Where(path, lineNumber);
        if (line.find('\r') != std::string::npos) {
            error = where + ": a lone carriage return would split the line";
            return false;
        }
        std::u16string wide;
        std::string reason;
        if (!DecodeUtf8(line, wide, reason)) {
            error = where + ": the line holds " + reason;
            return false;
        }
        const std::string body = line.substr(1);
        switch (line[0]) {
        case '#':
            break;
        case '!':
            if (!CheckFontSettings(body, where, strings, error)) {
                return false;
            }
            fontSet = true;
            break;
        case '@':
            if (!fontSet) {
                error = where + ": the file sets no font (a !font|size|red|green|blue|spacing line) before its "
                                "first string";
                return false;
            }
            if (!CheckString(body, where, strings, error)) {
                return false;
            }
            break;
        default:
            error = where + ": a line starts with '#' (comment), '!' (font settings) or '@' (string)";
            return false;
        }
        strings.lines.push_back(wide);
    }
    all.lines.insert(all.lines.end(), strings.lines.begin(), strings.lines.end());
    all.fonts.insert(all.fonts.end(), strings.fonts.begin(), strings.fonts.end());
    all.ids.swap(strings.ids);
    return true;
}

std::string EncodeStringTable(const pack_strings_data& strings)
{
    std::u16string all = u"\xfeff# Palmora string table, generated from tools/manifest/*.strings";
    for (const std::u16string& line : strings.lines) {
        all += u"\r\n";
        all += line;
    }
    std::string bytes;
    bytes.reserve(all.size() * 2);
    for (char16_t c : all) {
        bytes.push_back(static_cast<char>(c & 0xff));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}
