// The band's other saved records: the default task priority list, the last
// islander id issued and the clothes orders. Written raw into the profile
// store beside the islanders' own records.
#pragma once

#include "ProfileTypes.h"
#include "Types.h"

#include <cstddef>
#include <cstdint>

// One entry of a task priority list.
struct task_item {
    int32_t task;     // task number 0..18
    int32_t enabled;  // 1 in the default list
};
static_assert(sizeof(task_item) == 8, "task_item is an 8-byte saved record");
static_assert(offsetof(task_item, task) == 0 && offsetof(task_item, enabled) == 4, "task_item layout");

template <>
struct ProfileType<task_item> : ProfileRecord<task_item, 8> {
    static constexpr const char* tag = "9task_item";
};

struct game_data {
    int32_t lastId;  // the last islander id issued, 0 before any
};
static_assert(sizeof(game_data) == 4, "game_data is a 4-byte saved record");
static_assert(offsetof(game_data, lastId) == 0, "game_data layout");

template <>
struct ProfileType<game_data> : ProfileRecord<game_data, 4> {
    static constexpr const char* tag = "9game_data";
};

// One clothes order, from the designer to the islander who fetches it.
struct craft_data {
    int32_t islanderId;             // the id of the islander who ordered
    int32_t topStyle, bottomStyle;  // 0..2
    RGBA_data topColour, bottomColour;
    int32_t progress;    // work done, 0 when ordered
    int32_t workNeeded;  // work to do
};
static_assert(sizeof(craft_data) == 28, "craft_data is a 28-byte saved record");
static_assert(offsetof(craft_data, topStyle) == 4 && offsetof(craft_data, bottomStyle) == 8, "craft_data layout");
static_assert(offsetof(craft_data, topColour) == 12 && offsetof(craft_data, bottomColour) == 16, "craft_data layout");
static_assert(offsetof(craft_data, progress) == 20 && offsetof(craft_data, workNeeded) == 24, "craft_data layout");

template <>
struct ProfileType<craft_data> : ProfileRecord<craft_data, 28> {
    static constexpr const char* tag = "10craft_data";
};
