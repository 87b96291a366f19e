// The helpers' edges that sit at the end of what they hold: the last place of
// a series, and a count already at the top of the int range.
#include "CRepairTally.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(Utilities, TheSmallestAndLargestAreFoundInEveryPlaceOfASeriesTheLastIncluded)
{
    for (int at = 0; at < 5; at++) {
        int values[5] = {4, 6, 5, 7, 3};
        values[at] = -9;
        EXPECT_EQ(MinIndex(values, 5), at);
        EXPECT_EQ(MinValue(values, 5), -9);
        values[at] = 99;
        EXPECT_EQ(MaxIndex(values, 5), at);
        EXPECT_EQ(MaxValue(values, 5), 99);
    }
    const int one[] = {8};
    EXPECT_EQ(MinIndex(one, 1), 0);
    EXPECT_EQ(MaxIndex(one, 1), 0);
}

TEST(CRepairTally, ACountAtTheTopStaysThereHoweverItIsNotedAgain)
{
    TempFolder folder;
    {
        CRepairTally tally("Saved things");
        tally.Note("one by one", static_cast<size_t>(INT_MAX) - 1);
        tally.Note("one by one");
        EXPECT_EQ(tally.Total(), INT_MAX) << "reached the top";
        tally.Note("one by one");
        EXPECT_FALSE(tally.Note(false, "one by one"));
        EXPECT_TRUE(tally.Note(true, "one by one"));
        EXPECT_EQ(tally.Total(), INT_MAX) << "and stays there";
    }
    EXPECT_NE(folder.Read("LOG.TXT").find("Saved things: one by one: " + std::to_string(INT_MAX) + "\r\n"),
              std::string::npos);
}
