// Damage made in a whole profile file's bytes as a file edited outside the
// game holds it, the checksum made to hold again, for tests that start from
// files the game itself wrote.
#pragma once

#include "TestBytes.h"

#include <cstdint>
#include <string>

// The file with one more scalar record after its others: the key stored a
// second time.
inline std::string WithScalarStoredAgain(std::string file, int key, const std::string& tag,
                                         const std::string& value)
{
    const size_t countAt = 4 + 512;
    const uint32_t count = Word32At(file, countAt);
    size_t at = countAt + 4;
    for (uint32_t i = 0; i < count; i++) {
        at += 12 + Word32At(file, at + 8) + Word32At(file, at + 4);
    }
    file.insert(at, Word32(static_cast<uint32_t>(key)) + Word32(static_cast<uint32_t>(value.size())) +
                        Word32(static_cast<uint32_t>(tag.size())) + tag + value);
    file.replace(countAt, 4, Word32(count + 1));
    uint32_t sum = 0;
    for (size_t i = 4; i < file.size(); i++) {
        sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(file[i])));
    }
    file.replace(0, 4, Word32(sum));
    return file;
}
