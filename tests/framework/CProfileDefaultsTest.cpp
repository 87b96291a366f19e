// A new profile's values, key by key, against the keys' table written out
// here: the type each is stored with and its default, and no key more.
#include "CProfileTestFixture.h"

#include <cstring>
#include <set>

namespace {

std::string IntBytes(int value)
{
    return Int32(value);
}

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

std::string BoolBytes(bool value)
{
    return std::string(1, value ? '\1' : '\0');
}

struct Default {
    int key;
    const char* tag;
    std::string bytes;
};

std::vector<Default> TableDefaults()
{
    std::vector<Default> defaults = {
        {7, "b", BoolBytes(true)},      {20, "f", FloatBytes(1.0f)},   {21, "f", FloatBytes(1.0f)},
        {22, "f", FloatBytes(1.0f)},    {23, "b", BoolBytes(true)},    {24, "b", BoolBytes(true)},
        {25, "i", IntBytes(0)},         {26, "i", IntBytes(0)},        {27, "i", IntBytes(0)},
        {28, "i", IntBytes(0)},         {29, "i", IntBytes(0)},        {31, "b", BoolBytes(false)},
        {32, "i", IntBytes(22000)},     {33, "l", IntBytes(0)},        {36, "i", IntBytes(0)},
        {37, "i", IntBytes(0)},         {38, "b", BoolBytes(false)},   {40, "i", IntBytes(0)},
        {41, "i", IntBytes(0)},         {42, "i", IntBytes(0)},        {44, "i", IntBytes(0)},
        {45, "i", IntBytes(0)},         {49, "i", IntBytes(0)},        {50, "l", IntBytes(0)},
        {51, "i", IntBytes(7)},         {52, "i", IntBytes(0)},        {53, "i", IntBytes(0)},
        {54, "i", IntBytes(0)},         {55, "i", IntBytes(0)},        {56, "i", IntBytes(0)},
        {57, "i", IntBytes(0)},         {58, "i", IntBytes(0)},        {59, "i", IntBytes(0)},
        {60, "i", IntBytes(0)},         {61, "i", IntBytes(0)},        {62, "i", IntBytes(0)},
        {63, "i", IntBytes(0)},         {64, "i", IntBytes(0)},        {65, "i", IntBytes(0)},
        {66, "b", BoolBytes(true)},     {67, "b", BoolBytes(true)},    {68, "b", BoolBytes(false)},
        {69, "b", BoolBytes(false)},    {70, "b", BoolBytes(false)},   {71, "b", BoolBytes(false)},
        {72, "b", BoolBytes(false)},    {73, "b", BoolBytes(false)},   {74, "i", IntBytes(0)},
        {75, "b", BoolBytes(false)},    {76, "f", FloatBytes(1.0f)},
    };
    for (int step = 0; step < 107; step++) {
        defaults.push_back({1000 + step, "b", BoolBytes(false)});
    }
    return defaults;
}

class CProfileDefaults : public ProfileFixture {};

}  // namespace

TEST_F(CProfileDefaults, ANewProfileStoresEachDefaultWithItsTypeAndNoOtherKey)
{
    // The running settings, which a save writes back, are the defaults too.
    CController::SetMouseMultiplier(1.0f);
    CController::SetMouseAbsolute(true);
    CProfile* profile = Open();
    profile->Save();
    const StoredBlock block = ParseProfile(ReadUserFile("PROFILE1v8.DAT"));
    std::set<int> expectedKeys;
    for (const Default& d : TableDefaults()) {
        expectedKeys.insert(d.key);
        const auto stored = block.scalars.find(d.key);
        if (stored == block.scalars.end()) {
            ADD_FAILURE() << "no key " << d.key;
            continue;
        }
        EXPECT_EQ(stored->second.tag, d.tag) << d.key;
        EXPECT_EQ(stored->second.bytes, d.bytes) << d.key;
    }
    for (const auto& [key, record] : block.scalars) {
        EXPECT_EQ(expectedKeys.count(key), 1u) << "key " << key << " has no default";
    }
    EXPECT_TRUE(block.vectors.empty());
}
