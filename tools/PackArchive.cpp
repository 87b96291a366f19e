#include "PackArchive.h"

#include <cstdint>

namespace {

void AppendWord(std::string& out, uint64_t value)
{
    for (int i = 0; i < 4; i++) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

}  // namespace

bool EncodeArchive(const pack_archive_data& entries, std::string& out)
{
    uint64_t total = 4 + 4 * static_cast<uint64_t>(entries.size());
    for (const auto& entry : entries) {
        total += 8 + entry.first.size() + entry.second.size();
    }
    if (total > 0xffffffffull) {
        return false;
    }
    out.clear();
    out.reserve(static_cast<size_t>(total));
    AppendWord(out, entries.size());
    uint64_t offset = 4 + 4 * static_cast<uint64_t>(entries.size());
    for (const auto& entry : entries) {
        AppendWord(out, offset);
        offset += 8 + entry.first.size() + entry.second.size();
    }
    for (const auto& entry : entries) {
        AppendWord(out, entry.second.size());
        AppendWord(out, entry.first.size());
        out += entry.first;
        out += entry.second;
    }
    return true;
}
