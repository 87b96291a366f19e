// Whole files and 16-bit text as bytes, for tests that write or read files of
// their own.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// 16-bit text as little-endian bytes, as the string table holds it.
inline std::string Utf16Bytes(const std::u16string& text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xff);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Little-endian bytes back into 16-bit text; an odd last byte is dropped.
inline std::u16string FromUtf16Bytes(const std::string& bytes)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return text;
}
