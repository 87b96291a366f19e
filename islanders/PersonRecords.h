// The islander's saved record and its genome, written raw into the profile
// store one islander after another. The layouts are the file's: every field
// sits at a fixed offset, the reserved bytes are spelled out so that a record
// zeroed before it is filled leaves no stray padding behind, and flags are
// bytes so that a damaged file can never produce an invalid bool.
#pragma once

#include "ProfileTypes.h"
#include "Types.h"

#include <cstddef>
#include <cstdint>

// One gene: two alleles, each 0 or 1; 1 is dominant.
struct gene {
    uint8_t allele[2];
};
static_assert(sizeof(gene) == 2, "gene is two allele bytes");

constexpr int kHairGenes = 3;
constexpr int kSkinGenes = 2;
constexpr int kStrengthGenes = 100;  // per block: 0 physical, 1 mental

struct genome {
    gene hairGenes[kHairGenes];
    gene skinGenes[kSkinGenes];
    gene strengthGenes[2][kStrengthGenes];
};
static_assert(sizeof(genome) == 410, "genome is a 410-byte saved record");
static_assert(offsetof(genome, hairGenes) == 0, "genome layout");
static_assert(offsetof(genome, skinGenes) == 6, "genome layout");
static_assert(offsetof(genome, strengthGenes) == 10, "genome layout");
static_assert(offsetof(genome, strengthGenes[1]) == 210, "genome layout");

constexpr int kTaskCount = 19;       // task numbers 0..18
constexpr int kCustomNameSize = 12;  // at most 10 characters and the NUL

struct person_data {
    int32_t id;  // from 1
    int32_t motherId, fatherId;  // 0 none
    int32_t energy, food;        // 10000 full
    float x, y;                  // the walker's position, world pixels
    genome genes;
    uint8_t reserved0[2];
    int32_t gender;  // 0 male, 1 female
    int32_t age;     // ticks, 172,800 a year; a youth potion resets it
    int32_t actualAge;
    int32_t skills[kTaskCount];  // 0..10000
    uint8_t permittedTasks[kTaskCount];
    uint8_t reserved1[1];
    int32_t matureHairStyle, youngHairStyle;  // 0..7
    int32_t topStyle, bottomStyle;            // 0..2
    RGBA_data topColour, bottomColour;
    int32_t kidTopColour, kidBottomColour;  // 0..5
    int32_t nameId;                         // 7000..7099 men, 7500..7599 women
    char customName[kCustomNameSize];       // empty: the text of nameId
    int32_t fishingX, fishingY;
    int32_t voice;  // 0..5
    uint8_t prematureGrey;
    uint8_t hadStardust, hadMoondust;
    uint8_t twinsPotion;
    uint8_t babyThoughtShown;
    uint8_t isParent;
    uint8_t hasBrother, hasSister;
    uint8_t keepHairColour;
    uint8_t reserved2[3];
    int32_t ageAtLastBirth;  // 0 none
    int32_t childCount;
    int32_t ageAtLastPotion;  // 0 none
};
static_assert(sizeof(person_data) == 632, "person_data is a 632-byte saved record");
static_assert(offsetof(person_data, motherId) == 4 && offsetof(person_data, fatherId) == 8, "person_data layout");
static_assert(offsetof(person_data, energy) == 12 && offsetof(person_data, food) == 16, "person_data layout");
static_assert(offsetof(person_data, x) == 20 && offsetof(person_data, y) == 24, "person_data layout");
static_assert(offsetof(person_data, genes) == 28 && offsetof(person_data, reserved0) == 438, "person_data layout");
static_assert(offsetof(person_data, gender) == 440 && offsetof(person_data, age) == 444, "person_data layout");
static_assert(offsetof(person_data, actualAge) == 448 && offsetof(person_data, skills) == 452, "person_data layout");
static_assert(offsetof(person_data, permittedTasks) == 528 && offsetof(person_data, reserved1) == 547,
              "person_data layout");
static_assert(offsetof(person_data, matureHairStyle) == 548 && offsetof(person_data, youngHairStyle) == 552,
              "person_data layout");
static_assert(offsetof(person_data, topStyle) == 556 && offsetof(person_data, bottomStyle) == 560,
              "person_data layout");
static_assert(offsetof(person_data, topColour) == 564 && offsetof(person_data, bottomColour) == 568,
              "person_data layout");
static_assert(offsetof(person_data, kidTopColour) == 572 && offsetof(person_data, kidBottomColour) == 576,
              "person_data layout");
static_assert(offsetof(person_data, nameId) == 580 && offsetof(person_data, customName) == 584, "person_data layout");
static_assert(offsetof(person_data, fishingX) == 596 && offsetof(person_data, fishingY) == 600, "person_data layout");
static_assert(offsetof(person_data, voice) == 604 && offsetof(person_data, prematureGrey) == 608, "person_data layout");
static_assert(offsetof(person_data, hadStardust) == 609 && offsetof(person_data, hadMoondust) == 610,
              "person_data layout");
static_assert(offsetof(person_data, twinsPotion) == 611 && offsetof(person_data, babyThoughtShown) == 612,
              "person_data layout");
static_assert(offsetof(person_data, isParent) == 613 && offsetof(person_data, hasBrother) == 614, "person_data layout");
static_assert(offsetof(person_data, hasSister) == 615 && offsetof(person_data, keepHairColour) == 616,
              "person_data layout");
static_assert(offsetof(person_data, reserved2) == 617 && offsetof(person_data, ageAtLastBirth) == 620,
              "person_data layout");
static_assert(offsetof(person_data, childCount) == 624 && offsetof(person_data, ageAtLastPotion) == 628,
              "person_data layout");

template <>
struct ProfileType<person_data> : ProfileRecord<person_data, 632> {
    static constexpr const char* tag = "11person_data";
};
