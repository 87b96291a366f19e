// Resource archives as bytes, for tests that write archives of their own or
// read the generated ones: a count, an offset table, then each entry as its
// data size, name length, name and data, all little-endian.
#pragma once

#include "TestBytes.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using archive_entries = std::vector<std::pair<std::string, std::string>>;  // name, data

inline std::string ArchiveBytes(const archive_entries& entries)
{
    std::string table = Word32(static_cast<uint32_t>(entries.size()));
    std::string body;
    const size_t start = 4 + 4 * entries.size();
    for (const auto& [name, data] : entries) {
        table += Word32(static_cast<uint32_t>(start + body.size()));
        body += Word32(static_cast<uint32_t>(data.size())) + Word32(static_cast<uint32_t>(name.size())) + name + data;
    }
    return table + body;
}

// The entries of an archive, up to the first that does not fit the bytes.
inline archive_entries ArchiveEntries(const std::string& bytes)
{
    auto word = [&](uint64_t at) -> uint32_t {
        return at + 4 > bytes.size() ? UINT32_MAX : Word32At(bytes, static_cast<size_t>(at));
    };
    archive_entries entries;
    const uint32_t count = word(0);
    for (uint32_t i = 0; count != UINT32_MAX && i < count; i++) {
        const uint64_t at = word(4 + 4 * static_cast<size_t>(i));
        const uint64_t size = word(at), nameLength = word(at + 4);
        if (at == UINT32_MAX || size == UINT32_MAX || nameLength == UINT32_MAX ||
            at + 8 + nameLength + size > bytes.size()) {
            break;
        }
        entries.emplace_back(bytes.substr(at + 8, nameLength), bytes.substr(at + 8 + nameLength, size));
    }
    return entries;
}
