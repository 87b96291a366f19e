// A grave an islander leaves where it died: its name, rank, specialty,
// cause of death and age, shown as an epitaph when the player clicks it. The
// player drags graves to other free land; the epitaph's "yes" removes one.
// The island saves graves as tombstone_data records and makes them again on
// loading. The grave's creator owns it; the island's unloading deletes them.
// Without a drawing context (a simulation of records only) a grave has no
// pictures but keeps its place, texts and ground.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CSprite;

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
    // Top-left of the stone at world (x, y); the texts are string ids as
    // decimal text (an empty specialty for none); variant -1 draws one of
    // 0..5. Unless loading, the grave walks from (x, y) to the first free
    // spot it finds.
    CTombstone(int x, int y, const std::string& name, const std::string& rank, const std::string& specialty,
               const std::string& cause, int age, int variant, bool loading);
    ~CTombstone() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    void Rollover(bool over) override;
    // The epitaph's answer: yes removes the grave for good.
    void GiveResponse(bool yes) override;

    // False when refused; without search the position is left where it was
    // tried, with search it wanders up to 100,000 steps to a free spot.
    bool MoveTo(int x, int y, bool search, bool loading);
    bool CanPlaceAt(int x, int y);
    void DrawGrass();
    int GetVariant();
    bool Hidden();
    // The grave under world (x, y); null none.
    static CTombstone* FindPickup(int x, int y);
    void Pickup();
    // The release of a drag (back where it was when refused), or of a plain
    // click (the epitaph).
    void Drop();

    // Every grave still standing into the profile, and every grave rebuilt
    // from it; Load returns how many saved graves it left out.
    static void Save();
    static size_t Load();

    static std::vector<CTombstone*> tombstones;

private:
    void HideAll();
    int StoneW();
    int StoneH();
    coordinate FootPoint();

    bool grassPainted = false;
    bool removed = false;
    float previousX = 0.0f, previousY = 0.0f;
    CSprite* dragSprite = nullptr;
    CSprite* stoneSprite = nullptr;
    CSprite* shadowSprite = nullptr;
    int variant = 0;
    bool held = false;
    bool grassOver = false;
    bool grassTested = false;
    bool hidden = false;  // put away by the world, as opposed to removed
    std::string name, specialtyText, rankText, causeText;
    int age = 0;
    bool clickBlocked = false;
};
