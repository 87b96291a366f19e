#include "CTombstone.h"

#include "CProfile.h"
#include "Utilities.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kGravesProperty = 30;
constexpr int kVariants = 6;
// The stone picture's size, for finding the grave under the pointer.
constexpr int kStoneWidth = 40, kStoneHeight = 60;

}  // namespace

std::vector<CTombstone*> CTombstone::tombstones;

CTombstone::CTombstone(int atX, int atY, int stone) : hidden(false)
{
    memset(&record, 0, sizeof(record));
    record.variant = stone;
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    tombstones.push_back(this);
}

CTombstone::CTombstone(int atX, int atY, const std::string& name, const std::string& rank,
                       const std::string& specialty, const std::string& cause, int age, int variant, bool)
    : CTombstone(atX, atY, variant == -1 ? RangedRandom(0, kVariants - 1) : variant)
{
    snprintf(record.name, sizeof(record.name), "%s", name.c_str());
    snprintf(record.rank, sizeof(record.rank), "%s", rank.c_str());
    snprintf(record.specialty, sizeof(record.specialty), "%s", specialty.c_str());
    snprintf(record.cause, sizeof(record.cause), "%s", cause.c_str());
    record.age = age;
}

CTombstone::CTombstone(const tombstone_data& saved) : record(saved)
{
    // A damaged record's texts end within their fields all the same.
    record.name[31] = record.specialty[31] = record.rank[31] = record.cause[31] = '\0';
    x = static_cast<float>(Round(saved.x));
    y = static_cast<float>(Round(saved.y));
    tombstones.push_back(this);
}

CTombstone::~CTombstone()
{
    tombstones.erase(std::remove(tombstones.begin(), tombstones.end(), this), tombstones.end());
}

void CTombstone::Hide()
{
    hidden = true;
}

void CTombstone::UnHide()
{
    hidden = false;
}
void CTombstone::Pump(int, int, int) {}
void CTombstone::Rollover(bool) {}

int CTombstone::GetVariant()
{
    return record.variant;
}

CTombstone* CTombstone::FindPickup(int atX, int atY)
{
    for (CTombstone* grave : tombstones) {
        if (!grave->hidden && atX >= grave->x && atX < grave->x + kStoneWidth && atY >= grave->y &&
            atY < grave->y + kStoneHeight) {
            return grave;
        }
    }
    return nullptr;
}

void CTombstone::Pickup()
{
    held = true;
}

void CTombstone::Drop()
{
    held = false;
}

void CTombstone::Save()
{
    std::vector<tombstone_data> saved;
    for (CTombstone* grave : tombstones) {
        tombstone_data out;
        memset(&out, 0, sizeof(out));
        out.x = grave->x;
        out.y = grave->y;
        out.variant = grave->record.variant;
        snprintf(out.name, sizeof(out.name), "%s", grave->record.name);
        snprintf(out.specialty, sizeof(out.specialty), "%s", grave->record.specialty);
        snprintf(out.rank, sizeof(out.rank), "%s", grave->record.rank);
        snprintf(out.cause, sizeof(out.cause), "%s", grave->record.cause);
        out.age = grave->record.age;
        saved.push_back(out);
    }
    CProfile::current->SetVectorValue<tombstone_data>(kGravesProperty, saved);
}

void CTombstone::Load()
{
    while (!tombstones.empty()) {
        delete tombstones.back();
    }
    for (const tombstone_data& saved : CProfile::current->GetVectorValue<tombstone_data>(kGravesProperty)) {
        new CTombstone(saved);
    }
}

bool CTombstone::Hidden()
{
    return hidden;
}
