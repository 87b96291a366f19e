// The types the profile store can hold, each with the tag and byte width it
// has in the profile file. Tags and widths are fixed by the file format, not
// by the host: "l" is four bytes and "b" one whatever the compiler's long and
// bool. The store, the file loader and every saved record read this one table.
//
// A saved record joins by declaring its traits next to the record itself:
//     template <> struct ProfileType<rock_data> : ProfileRecord<rock_data, 32> {
//         static constexpr const char* tag = "9rock_data";
//     };
// The store's templates refuse (at compile time) any type without traits and
// any tag or width that disagrees with kStoredTypes.
#pragma once

#include "Types.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

struct StoredType {
    const char* tag;
    int width;  // bytes of one value or one vector element
};

constexpr StoredType kStoredTypes[] = {
    {"i", 4},
    {"j", 4},
    {"l", 4},
    {"b", 1},
    {"f", 4},
    {"9game_data", 4},
    {"11person_data", 632},
    {"9task_item", 8},
    {"10craft_data", 28},
    {"9rock_data", 32},
    {"9tree_data", 32},
    {"11flower_data", 28},
    {"13building_data", 56},
    {"7fi_data", 12},
    {"7ti_data", 16},
    {"14tombstone_data", 144},
};

constexpr size_t TagLength(const char* tag)
{
    size_t n = 0;
    while (tag[n] != '\0') {
        n++;
    }
    return n;
}

// The width of the stored type with this tag; 0 for a tag the format does not
// know. The tag need not be NUL-terminated (it may come straight from a file).
constexpr int StoredWidth(const char* tag, size_t length)
{
    for (const StoredType& type : kStoredTypes) {
        if (TagLength(type.tag) != length) {
            continue;
        }
        bool same = true;
        for (size_t i = 0; i < length; i++) {
            if (type.tag[i] != tag[i]) {
                same = false;
                break;
            }
        }
        if (same) {
            return type.width;
        }
    }
    return 0;
}

// Only the specialisations below and those of the saved records exist.
template <typename T>
struct ProfileType;

// A value kept as its raw bytes in memory order.
template <typename T, int Width>
struct ProfileRawType {
    static_assert(sizeof(T) == Width, "a stored type keeps its file width on every platform");
    static_assert(std::is_trivially_copyable<T>::value, "stored values are raw bytes");
    static constexpr int width = Width;
    static void Encode(const T& value, char* out) { memcpy(out, &value, Width); }
    static T Decode(const char* in)
    {
        T value;
        memcpy(&value, in, Width);
        return value;
    }
};

// Saved records: plain structs of fixed-width fields, written raw.
template <typename T, int Width>
struct ProfileRecord : ProfileRawType<T, Width> {
    static_assert(std::is_standard_layout<T>::value, "a saved record is a plain struct");
};

template <>
struct ProfileType<int> : ProfileRawType<int, 4> {
    static constexpr const char* tag = "i";
};

template <>
struct ProfileType<unsigned int> : ProfileRawType<unsigned int, 4> {
    static constexpr const char* tag = "j";
};

template <>
struct ProfileType<float> : ProfileRawType<float, 4> {
    static constexpr const char* tag = "f";
};

// Calendar times: four bytes in the file even where the host's long has eight.
template <>
struct ProfileType<long> {
    static constexpr const char* tag = "l";
    static constexpr int width = 4;
    static void Encode(long value, char* out)
    {
        const int32_t narrow = static_cast<int32_t>(value);
        memcpy(out, &narrow, 4);
    }
    static long Decode(const char* in)
    {
        int32_t narrow;
        memcpy(&narrow, in, 4);
        return narrow;
    }
};

// One byte; any non-zero byte of a file reads as true, so a stray value can
// never produce an invalid bool.
template <>
struct ProfileType<bool> {
    static constexpr const char* tag = "b";
    static constexpr int width = 1;
    static void Encode(bool value, char* out) { *out = value ? 1 : 0; }
    static bool Decode(const char* in) { return *in != 0; }
};

template <typename T>
constexpr bool IsStoredType()
{
    return StoredWidth(ProfileType<T>::tag, TagLength(ProfileType<T>::tag)) == ProfileType<T>::width;
}
