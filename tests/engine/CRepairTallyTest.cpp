// The tally behind the loaders' log: one line per kind of mending, counting
// each record a cap leaves out, however many there are.
#include "CRepairTally.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

TEST(CRepairTally, CountsEachRecordACapLeavesOutInOneLine)
{
    TempFolder folder;
    {
        CRepairTally tally("Saved things");
        std::vector<int> records(250, 1);
        tally.Cap(records, 100, "things past the most were left out");
        EXPECT_EQ(records.size(), 100u);
        tally.Cap(records, 100, "things past the most were left out");
        tally.Note("a thing was mended");
        tally.Note("a thing was mended");
        EXPECT_EQ(tally.Total(), 152);
        tally.Note("a thing was mended", static_cast<size_t>(INT_MAX));
        EXPECT_EQ(tally.Total(), INT_MAX) << "the counts stop at their top";
    }
    const std::string log = folder.Read("LOG.TXT");
    EXPECT_NE(log.find("Saved things: things past the most were left out: 150\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Saved things: a thing was mended: " + std::to_string(INT_MAX) + "\r\n"), std::string::npos);
}
