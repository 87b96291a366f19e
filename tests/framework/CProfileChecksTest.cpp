// The values a loaded profile may hold and the keys a saved game cannot do
// without, checked key by key against tables written out here rather than
// read from the store.
#include "CProfileTestFixture.h"

#include <algorithm>
#include <cstring>

namespace {

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

struct IntRange {
    int key;
    int low, high;
};
// The settings' and stocks' ranges of the profile's key table.
const IntRange kIntRanges[] = {
    {26, 0, 2}, {27, 0, 2}, {28, 0, 2}, {29, 0, 2},  // research levels
    {32, 22000, 22038},                              // next loading-screen hint
    {34, 0, 999}, {35, 0, 999},                      // stardust, moondust
};

struct FloatRange {
    int key;
    float low, high;
};
// Volumes as their sliders offer them; the mouse speed slider's 0.15 to 3.
const FloatRange kFloatRanges[] = {{20, 0.0f, 1.0f}, {21, 0.0f, 1.0f}, {22, 0.15f, 3.0f}};

// Scalars and vectors a game under way is made from again.
const int kGameScalars[] = {1, 11, 12, 13, 14, 16, 17, 18, 34, 35};
const int kGameVectors[] = {2, 3, 4, 5, 6, 15, 39};
// Flower markers, flowers, saplings and graves: an island may have none of
// them, so a game goes on without them when they are lost.
const int kOptionalGameVectors[] = {8, 9, 19, 30};

struct StoredType {
    int width;
    const char* tag;
};

// A game under way holding every key it needs, less the one left out.
std::string GameProfile(int leftOutScalar, int leftOutVector)
{
    std::vector<std::string> scalars = {ScalarRecord(31, "b", std::string(1, '\1')),
                                        ScalarRecord(22, "f", FloatBytes(2.0f))};
    for (int key : kGameScalars) {
        if (key == leftOutScalar) {
            continue;
        }
        if (key == 1) {
            scalars.push_back(ScalarRecord(key, "j", Int32(7)));
        } else if (key == 14) {
            scalars.push_back(ScalarRecord(key, "9game_data", Int32(1)));
        } else {
            scalars.push_back(ScalarRecord(key, "i", Int32(1)));
        }
    }
    std::sort(scalars.begin(), scalars.end());
    const std::pair<int, StoredType> islandVectors[] = {
        {2, {32, "9tree_data"}},     {3, {32, "9rock_data"}},      {4, {632, "11person_data"}},
        {5, {8, "9task_item"}},      {6, {56, "13building_data"}}, {8, {12, "7fi_data"}},
        {9, {28, "11flower_data"}},  {15, {28, "10craft_data"}},   {19, {16, "7ti_data"}},
        {30, {144, "14tombstone_data"}}, {39, {28, "10craft_data"}},
    };
    std::vector<std::string> vectors;
    for (const auto& [key, type] : islandVectors) {
        if (key != leftOutVector) {
            vectors.push_back(VectorRecord(key, type.width, type.tag, ""));
        }
    }
    return ProfileFile(scalars, vectors);
}

}  // namespace

class CProfileChecks : public ProfileFixture {
protected:
    CProfile* OpenOnly(const std::string& file)
    {
        // Closing the store saves it: before the file is written.
        delete CProfile::current;
        for (const char* name : {"PROFILE1v8.DAT.BAKS", "PROFILE1v8.DAT.BAKL"}) {
            RemoveUserFile(name);
        }
        WriteUserFile("PROFILE1v8.DAT", file);
        return Open();
    }
};

// Each bound is kept as it stands and a value one past it comes back to it.
TEST_F(CProfileChecks, EveryRangedIntKeepsItsBoundsAndComesBackFromOnePast)
{
    const struct {
        const char* what;
        int offset;  // from the low bound, or from the high one when high
        bool high;
    } edges[] = {{"low", 0, false}, {"below low", -1, false}, {"high", 0, true}, {"above high", 1, true}};
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.what);
        std::vector<std::string> scalars;
        for (const IntRange& range : kIntRanges) {
            scalars.push_back(ScalarRecord(range.key, "i", Int32((edge.high ? range.high : range.low) + edge.offset)));
        }
        CProfile* profile = OpenOnly(ProfileFile(scalars, {}));
        for (const IntRange& range : kIntRanges) {
            EXPECT_EQ(profile->GetValue<int>(range.key), edge.high ? range.high : range.low) << range.key;
        }
    }
}

TEST_F(CProfileChecks, EveryRangedFloatKeepsItsBoundsAndComesBackFromJustPast)
{
    for (int side = 0; side < 4; side++) {
        SCOPED_TRACE(side);
        std::vector<std::string> scalars;
        for (const FloatRange& range : kFloatRanges) {
            const float bound = side < 2 ? range.low : range.high;
            const float past = side < 2 ? range.low - 0.01f : range.high + 0.01f;
            scalars.push_back(ScalarRecord(range.key, "f", FloatBytes(side % 2 == 0 ? bound : past)));
        }
        CProfile* profile = OpenOnly(ProfileFile(scalars, {}));
        for (const FloatRange& range : kFloatRanges) {
            EXPECT_EQ(profile->GetValue<float>(range.key), side < 2 ? range.low : range.high) << range.key;
        }
    }
}

// The settings offer four catch-up factors: each stays, and any other
// becomes the nearest of them.
TEST_F(CProfileChecks, OnlyTheFourOfferedCatchUpFactorsStay)
{
    const std::pair<float, float> cases[] = {{0.0f, 0.0f}, {0.5f, 0.5f}, {1.0f, 1.0f},  {2.0f, 2.0f},
                                             {0.6f, 0.5f}, {1.9f, 2.0f}, {2.9f, 2.0f}, {-1.0f, 0.0f}};
    for (const auto& [stored, loaded] : cases) {
        CProfile* profile = OpenOnly(ProfileFile({ScalarRecord(76, "f", FloatBytes(stored))}, {}));
        EXPECT_EQ(profile->GetValue<float>(76), loaded) << stored;
    }
}

// A game missing any one of its keys cannot be made again and is kept for
// the chooser to report; a key the island is not made from may be missing,
// and records an island may have none of are given up alone.
TEST_F(CProfileChecks, AGameNeedsEachOfItsKeysAndNoOther)
{
    EXPECT_TRUE(OpenOnly(GameProfile(0, 0))->SavedGameComplete());
    EXPECT_TRUE(OpenOnly(GameProfile(22, 0))->SavedGameComplete()) << "the mouse speed is a setting";
    EXPECT_TRUE(OpenOnly(GameProfile(0, 7))->SavedGameComplete()) << "no vector 7";
    for (int key : kGameScalars) {
        CProfile* profile = OpenOnly(GameProfile(key, 0));
        EXPECT_FALSE(profile->SavedGameComplete()) << "scalar " << key;
        EXPECT_TRUE(profile->GetValue<bool>(31)) << "scalar " << key;
    }
    for (int key : kGameVectors) {
        EXPECT_FALSE(OpenOnly(GameProfile(0, key))->SavedGameComplete()) << "vector " << key;
    }
    for (int key : kOptionalGameVectors) {
        EXPECT_TRUE(OpenOnly(GameProfile(0, key))->SavedGameComplete()) << "vector " << key;
    }
}
