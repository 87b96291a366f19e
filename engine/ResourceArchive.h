// Reader for the resource archives (resource.dat images, resource2.dat sounds,
// resource3.dat fonts): a count, an offset table, and entries of size, name
// and data, all little-endian.
#pragma once

#include <cstdint>

// Returns a new[]-allocated copy of the first entry named exactly name and
// writes its size; the caller delete[]s it. A missing or damaged archive, or a
// missing name, is fatal.
char* GetBufferFromResource(const char* archivePath, const char* name, int* size);
