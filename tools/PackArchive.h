// Writing the resource archives the game reads (resource.dat, resource2.dat,
// resource3.dat): a little-endian count, a table of entry offsets, then each
// entry as its data size, name length, name and data.
#pragma once

#include <string>
#include <utility>
#include <vector>

// name, data
using pack_archive_data = std::vector<std::pair<std::string, std::string>>;

// The archive's bytes; false when it would outgrow the format's 32-bit offsets.
bool EncodeArchive(const pack_archive_data& entries, std::string& out);
