#include "Utilities.h"

#include "EnvironmentValue.h"
#include "ScratchMount.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

TEST(RangedRandom, IncludesBothEndsInEitherOrder)
{
    InitRandom(99);
    bool seen[4] = {};
    for (int i = 0; i < 500; i++) {
        EXPECT_EQ(RangedRandom(5, 5), 5);
        int value = RangedRandom(3, 1);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 3);
        seen[value] = true;
        float f = RangedRandom(2.0f, -1.0f);
        ASSERT_GE(f, -1.0f);
        ASSERT_LT(f, 2.0f);
        double d = RangedRandom(0.0, 1.0);
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3]);
    // The widest range short of 2^32 values must not wrap around.
    int wide = RangedRandom(-2147483647, 2147483647);
    EXPECT_GE(wide, -2147483647);
}

TEST(SeedRandom, ASecondSeedingGivesANewSequence)
{
    unsigned int first = SeedRandom();
    int a = GetRandom();
    unsigned int second = SeedRandom();
    int b = GetRandom();
    EXPECT_NE(first, second);
    EXPECT_NE(a, b);
    InitRandom(second);
    EXPECT_EQ(GetRandom(), b);
}

TEST(Geometry, AnglesRectanglesPolygonsAndRoundingHandleTheirEdges)
{
    EXPECT_NEAR(NormalizeAngle(-0.5f), 5.78318f, 1e-5);
    EXPECT_NEAR(NormalizeAngle(20.0f), 20.0f - 3 * 6.28318f, 1e-4);
    // Angle 0 points up the screen; the second point below the first is half a turn.
    EXPECT_NEAR(FindAngle(0, 0, 0, -10), 0.0f, 1e-6);
    EXPECT_NEAR(FindAngle(0, 0, 0, 10), 3.14159f, 1e-4);
    EXPECT_NEAR(FindAngle(0, 0, -10, 0), 6.28318f - 3.14159f / 2, 1e-4);

    EXPECT_TRUE(RectanglesIntersect(0, 0, 10, 10, 10, 0, 5, 5)) << "touching edges count";
    EXPECT_FALSE(RectanglesIntersect(0, 0, 10, 10, 11, 0, 5, 5));
    EXPECT_TRUE(PointInRectangle(15, 25, 5, 5, 10, 20));
    EXPECT_FALSE(PointInRectangle(16, 25, 5, 5, 10, 20));
    const coordinate clockwise[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const coordinate counter[] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
    EXPECT_TRUE(PointInPoly({5, 5}, clockwise, 4));
    EXPECT_TRUE(PointInPoly({5, 5}, counter, 4));
    EXPECT_FALSE(PointInPoly({15, 5}, clockwise, 4));
    EXPECT_FALSE(PointInPoly({5, 5}, clockwise, 0));

    EXPECT_EQ(ipow(2, -3), 1);
    EXPECT_EQ(ipow(3, 4), 81);
    EXPECT_EQ(Round(-2.5f), -3);
    const int values[] = {3, 9, 1, 9, 1};
    EXPECT_EQ(MaxIndex(values, 5), 1) << "the first of equals";
    EXPECT_EQ(MinValue(values, 0), 3);
    float_coordinate out;
    PointOnCurve(out, 1.0f, {0, 0}, {1, 2}, {5, 6}, {9, 9});
    EXPECT_FLOAT_EQ(out.y, 6.0f);
}

TEST(TempSprintf, StaysInsideItsBufferAndIsOverwrittenByTheNextCall)
{
    std::string longText(5000, 'x');
    char* result = TempSprintf("%s", longText.c_str());
    EXPECT_EQ(strlen(result), static_cast<size_t>(PATH_BUFFER_SIZE - 1));
    char* first = TempSprintf("%i", 1);
    char* second = TempSprintf("%i", 2);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "2");
}

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

std::string UserDataPath()
{
    char buffer[PATH_BUFFER_SIZE] = "left over";
    GetUserDataPath(buffer);
    return buffer;
}

}  // namespace

TEST(FileCopy, CopiesBytesAndReportsFailureWithoutAPartialFile)
{
    TempFolder folder;
    std::string bytes("a'b\"c; rm -rf x\0z", 17);
    folder.Write("it's a file", bytes);
    EXPECT_EQ(FileCopy(folder.File("it's a file").c_str(), folder.File("copy $(x)").c_str()), 0);
    EXPECT_EQ(folder.Read("copy $(x)"), bytes);

    EXPECT_NE(FileCopy(folder.File("missing").c_str(), folder.File("out").c_str()), 0);
    EXPECT_FALSE(Exists(folder.File("out")));
    EXPECT_NE(FileCopy(folder.File("it's a file").c_str(), folder.File("no/such/dir").c_str()), 0);
}

TEST(FileCopy, OnAFullDiskLeavesTheOldCopyWhole)
{
    TempFolder folder;
    ScratchMount disk(folder.File("disk"), 64);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a scratch disk here";
    }
    const std::string old(3000, 'o');
    folder.Write("disk/backup", old);
    folder.Write("source", std::string(20000, 'n'));
    disk.FillUp();
    EXPECT_NE(FileCopy(folder.File("source").c_str(), folder.File("disk/backup").c_str()), 0);
    EXPECT_EQ(folder.Read("disk/backup"), old);
    EXPECT_FALSE(Exists(folder.File("disk/backup.TMP")));
}

TEST(GetUserDataPath, UsesTheOverrideOrMakesTheFolderUnderTheDataHome)
{
    TempFolder folder;
    EXPECT_EQ(UserDataPath(), folder.File("userdata/"));
    EXPECT_TRUE(Exists(folder.File("userdata/")));
    {
        EnvironmentValue nested("PALMORA_USER_DATA", folder.File("new/nested/data").c_str());
        EXPECT_EQ(UserDataPath(), folder.File("new/nested/data/"));
        EXPECT_TRUE(Exists(folder.File("new/nested/data/"))) << "an override is made with its parents";
    }

    EnvironmentValue noOverride("PALMORA_USER_DATA", nullptr);
    EnvironmentValue home("HOME", folder.File("home").c_str());
    EnvironmentValue noDataHome("XDG_DATA_HOME", nullptr);
    {
        EnvironmentValue xdg("XDG_DATA_HOME", folder.File("xdg/share").c_str());
        EXPECT_EQ(UserDataPath(), folder.File("xdg/share/Brinemark/Palmora Data/"));
        EXPECT_TRUE(Exists(folder.File("xdg/share/Brinemark/Palmora Data/")));
    }
    // A relative or over-long data home is ignored for ~/.local/share.
    const std::string homeData = folder.File("home/.local/share/Brinemark/Palmora Data/");
    const std::string tooLong = "/" + std::string(PATH_BUFFER_SIZE, 'x');
    for (const char* xdg : {"relative/share", tooLong.c_str(), ""}) {
        EnvironmentValue value("XDG_DATA_HOME", xdg);
        EXPECT_EQ(UserDataPath(), homeData) << xdg;
    }
    EXPECT_TRUE(Exists(homeData));
    // The longest data home that still fits beside the folder's own levels.
    const std::string fits = folder.File(std::string(PATH_BUFFER_SIZE - 1 - folder.Path().size() - 25, 'y'));
    {
        EnvironmentValue value("XDG_DATA_HOME", fits.c_str());
        EXPECT_EQ(UserDataPath(), fits + "/Brinemark/Palmora Data/");
        EnvironmentValue longer("XDG_DATA_HOME", (fits + "y").c_str());
        EXPECT_EQ(UserDataPath(), homeData);
    }
    // With no usable folder at all the resource folder is the fallback.
    EnvironmentValue relative("XDG_DATA_HOME", "share");
    for (const char* noHome : {static_cast<const char*>(nullptr), tooLong.c_str()}) {
        EnvironmentValue value("HOME", noHome);
        EXPECT_EQ(UserDataPath(), RESOURCE_FOLDER);
    }
}
