// libFuzzer target for the string table parser: any bytes at all must parse
// or be rejected with a line number, never crash or read outside the input.
#include "FontSystem.h"

#include <cstddef>
#include <cstdint>
#include <map>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::map<int, string_data> table;
    FontSystem_ParseStrings(data, size, table);
    return 0;
}
