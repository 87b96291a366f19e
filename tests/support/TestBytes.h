// Whole files and 16-bit text as bytes, for tests that write or read files of
// their own.
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// A 32-bit value as its four little-endian bytes.
inline std::string Word32(uint32_t value)
{
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

// The little-endian 32-bit value at offset; throws when the bytes end first.
inline uint32_t Word32At(const std::string& bytes, size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < 4) {
        throw std::out_of_range("too few bytes for a 32-bit value");
    }
    uint32_t value = 0;
    for (int i = 3; i >= 0; i--) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<size_t>(i)]);
    }
    return value;
}

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
