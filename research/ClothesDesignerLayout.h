// The clothes designer's fixed data: where its buttons stand, the quick-pick
// colours by sex and garment, and which style each paging press leads to.
#pragma once

#include "Types.h"

namespace clothes_designer_layout {

struct button_place {
    const char* name;  // after "clothtarr_button_"
    int x, y;
};

// Ids 0 to 17 in order: back, make clothes, the islander steps, the style
// steps and the ten queue slots.
constexpr button_place kButtons[] = {
    {"back", 342, 510},    {"makeclothes", 108, 243}, {"person_L", 77, 122}, {"person_R", 298, 122},
    {"shirt_L", 137, 100}, {"shirt_R", 250, 99},      {"pants_L", 138, 169}, {"pants_R", 251, 169},
    {"proj_0", 405, 80},   {"proj_1", 406, 110},      {"proj_2", 405, 139},  {"proj_3", 405, 168},
    {"proj_4", 405, 201},  {"proj_5", 572, 80},       {"proj_6", 573, 110},  {"proj_7", 573, 139},
    {"proj_8", 572, 169},  {"proj_9", 572, 202},
};

// The quick-pick buttons 1 to 15 (ids 18 to 32).
constexpr coordinate kQuickPickPlaces[] = {
    {123, 354}, {156, 353}, {189, 354}, {228, 354}, {263, 355}, {122, 395}, {155, 396}, {191, 394},
    {227, 397}, {264, 396}, {123, 432}, {156, 430}, {189, 431}, {227, 433}, {262, 433},
};

// Captions 25100 to 25108, centred here.
constexpr coordinate kCaptions[] = {
    {563, 42}, {563, 57}, {212, 336}, {546, 336}, {552, 285}, {346, 285}, {351, 374}, {373, 415}, {369, 457},
};

// [female][shirt]: the fifteen quick picks of each sex and garment.
constexpr RGBA_data kSwatches[2][2][15] = {
    {
        // male pants (3 and 4 are one colour)
        {{196, 141, 106, 0}, {171, 142, 112, 0}, {155, 111, 82, 0}, {138, 104, 91, 0}, {138, 104, 91, 0},
         {111, 135, 154, 0}, {111, 88, 105, 0}, {147, 152, 102, 0}, {116, 142, 106, 0}, {148, 103, 103, 0},
         {137, 114, 133, 0}, {122, 151, 156, 0}, {128, 162, 168, 0}, {147, 171, 175, 0}, {104, 129, 144, 0}},
        // male shirt
        {{186, 166, 140, 0}, {199, 160, 111, 0}, {179, 145, 102, 0}, {160, 130, 93, 0}, {154, 123, 110, 0},
         {217, 210, 166, 0}, {112, 91, 100, 0}, {135, 109, 105, 0}, {202, 221, 185, 0}, {158, 203, 203, 0},
         {214, 230, 230, 0}, {191, 209, 128, 0}, {139, 170, 99, 0}, {255, 139, 95, 0}, {155, 175, 212, 0}},
    },
    {
        // female pants
        {{196, 141, 106, 0}, {171, 142, 112, 0}, {155, 111, 82, 0}, {138, 104, 91, 0}, {147, 152, 102, 0},
         {132, 118, 119, 0}, {111, 88, 105, 0}, {122, 151, 156, 0}, {159, 93, 101, 0}, {116, 142, 106, 0},
         {171, 112, 155, 0}, {223, 114, 96, 0}, {233, 109, 121, 0}, {104, 129, 144, 0}, {147, 171, 175, 0}},
        // female shirt
        {{199, 160, 111, 0}, {176, 141, 98, 0}, {154, 123, 110, 0}, {112, 91, 100, 0}, {255, 200, 171, 0},
         {210, 164, 184, 0}, {217, 210, 166, 0}, {190, 167, 206, 0}, {255, 139, 95, 0}, {255, 163, 128, 0},
         {255, 161, 208, 0}, {157, 192, 207, 0}, {214, 230, 230, 0}, {202, 221, 185, 0}, {191, 209, 128, 0}},
    },
};

// The style a paging press leads to, by the current style 0..2.
struct paging_rule {
    int next[3];
    int previous[3];
};

constexpr paging_rule kAllStyles = {{1, 2, 0}, {2, 0, 1}};
constexpr paging_rule kWomanBelowLevel = {{1, 0, 0}, {1, 0, 1}};
constexpr paging_rule kManShirtBelowLevel = {{1, 2, 1}, {2, 2, 1}};
constexpr paging_rule kManPantsBelowLevel = {{2, 2, 0}, {2, 0, 0}};

}  // namespace clothes_designer_layout
