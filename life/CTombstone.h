// Stand-in for the graves until they are built: a grave's place, stone
// variant and epitaph, the list of every grave that the island paints on its
// preview and mini-map, and the saving and loading of the graves as
// tombstone_data records. The grave's creator owns it.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// One saved grave: 144 bytes, written raw and zeroed before it is filled.
struct tombstone_data {
    float x, y;
    int32_t variant;
    char name[32];       // each text NUL-terminated, at most 31 characters
    char specialty[32];
    char rank[32];
    char cause[32];
    int32_t age;         // years
};
static_assert(sizeof(tombstone_data) == 144, "tombstone_data is a 144-byte saved record");

template <>
struct ProfileType<tombstone_data> : ProfileRecord<tombstone_data, 144> {
    static constexpr const char* tag = "14tombstone_data";
};

class CTombstone : public CObject {
public:
    // Top-left at world (x, y); stone variant 0..5.
    CTombstone(int x, int y, int variant);
    // An islander's grave: its name, and string ids as decimal text for its
    // rank, specialty (empty none) and cause of death; variant -1 draws one.
    CTombstone(int x, int y, const std::string& name, const std::string& rank, const std::string& specialty,
               const std::string& cause, int age, int variant, bool loading);
    // A saved grave at its rounded place.
    explicit CTombstone(const tombstone_data& saved);
    ~CTombstone() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    int GetVariant();
    // The grave under world (x, y); null none.
    static CTombstone* FindPickup(int x, int y);
    void Pickup();
    void Drop();
    bool Hidden();

    // Every grave into the profile, and every grave rebuilt from it.
    static void Save();
    static void Load();

    static std::vector<CTombstone*> tombstones;

private:
    tombstone_data record;
    bool hidden;
    bool held = false;
};
