// Stand-in for the islanders until they are built: the shared clothes cache
// that start-up prepares, the hover hint the world pump reads, what the
// island's weather and mini-map ask of an islander (its age, where it
// stands, its picture and its startled face), and the band's saving and
// loading. An islander is a world object listed in CPerson::people; its
// creator owns it. Until islanders are built the band is kept as its saved
// records, so that a saved band survives a load and the next save.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"
#include "Types.h"

#include <cstdint>
#include <vector>

// One saved islander: 632 bytes, written raw. Its fields belong to the
// islanders; the stand-in only carries the record.
struct person_data {
    uint8_t bytes[632];
};
static_assert(sizeof(person_data) == 632, "person_data is a 632-byte saved record");

template <>
struct ProfileType<person_data> : ProfileRecord<person_data, 632> {
    static constexpr const char* tag = "11person_data";
};

// One entry of the default task priority list.
struct task_item {
    int32_t task;     // task number 0..18
    int32_t enabled;  // 1 in the default list
};
static_assert(sizeof(task_item) == 8, "task_item is an 8-byte saved record");

template <>
struct ProfileType<task_item> : ProfileRecord<task_item, 8> {
    static constexpr const char* tag = "9task_item";
};

// The last islander id issued (0 before any).
struct game_data {
    int32_t lastId;
};
static_assert(sizeof(game_data) == 4, "game_data is a 4-byte saved record");

template <>
struct ProfileType<game_data> : ProfileRecord<game_data, 4> {
    static constexpr const char* tag = "9game_data";
};

// One clothes order: who ordered, the styles and colours, and the work.
struct craft_data {
    int32_t islanderId;
    int32_t topStyle, bottomStyle;  // 0..2
    RGBA_data topColour, bottomColour;
    int32_t progress;
    int32_t workNeeded;
};
static_assert(sizeof(craft_data) == 28, "craft_data is a 28-byte saved record");

template <>
struct ProfileType<craft_data> : ProfileRecord<craft_data, 28> {
    static constexpr const char* tag = "10craft_data";
};

class CPerson : public CObject {
public:
    // Foot point at world (x, y); age in frames.
    CPerson(int x, int y, int age);
    ~CPerson() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
    // None yet: the islander's picture comes with its clothes.
    sidebar_image GetSpriteForSidebar() override;

    // Under 3 years.
    bool IsBaby();
    // 3 to 13 years.
    bool IsKid();
    // The water depth factor at the feet: 1.0 on land, below 0.85 wading.
    float GetDepth();
    int GetGender() { return gender; }  // 0 or 1
    // While the player holds this islander on the pincer.
    bool IsPickedUp() { return pickedUp; }

    static void PreLoadClothes();
    static void UnPreLoadClothes();
    // Every islander aged 3 or more who is not removed looks surprised for
    // 45 frames: the weather's thunder.
    static void Lightning();

    // The band, the default task list, the last id and the two clothes
    // queues into the active profile, and back. A profile without the last
    // id is fatal (the profile store's read of a missing key).
    static void SavePeople();
    static void LoadPeople();

    int age;              // frames
    int gender;           // 0 or 1
    bool pickedUp;
    bool hiddenAway;      // inside a building or otherwise off the island
    int surprisedFrames;  // frames of the surprised face left

    // What the game screen asks of the band (CPerson_GameServices.cpp).
    // The islander whose foot point is within reach of world (x, y); null none.
    static CPerson* FindPickup(int x, int y);
    void Pickup();
    // Lets go of the islander, lifted or not.
    void Drop();
    static void StartWithNewPeople();
    // Plays frames of time away in bulk.
    static void Simulate(int frames);
    static void ProcessBabyMakingCouples();
    static void CenterOnClosestAdult();
    // A picture of a random adult for the quit dialog; -1 none.
    static int FindRandomAdultImage(int* gender, char* name);
    static bool showFlyaways;

    static std::vector<CPerson*> people;
    // Set while an islander is under the mouse this frame; the world pump
    // then re-runs the hover test even when the mouse did not move.
    static bool didRollover;

    static std::vector<person_data> band;  // in saved order
    static std::vector<task_item> taskQueue;
    static game_data gameData;
    static std::vector<craft_data> craftQueue, pickupQueue;
};
