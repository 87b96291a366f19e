#include "Log.h"

#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::string Stamp(time_t when)
{
    char stamp[64];
    strftime(stamp, sizeof stamp, "%d/%m/%y %H:%M:%S", localtime(&when));
    return stamp;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

TEST(LogMessage, AppendsOneStampedLinePerMessage)
{
    TempFolder folder;
    const time_t before = time(nullptr);
    logMessage("Unable to find file within resource: ", "tree1.png");
    logMessage("Plain text");
    const time_t after = time(nullptr);

    const std::string log = folder.Read("LOG.TXT");
    const std::regex line(R"((\d\d/\d\d/\d\d \d\d:\d\d:\d\d) \(v1\.0M\) - ([^\r\n]*)\r\n)");
    std::vector<std::string> stamps;
    std::vector<std::string> texts;
    for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
        stamps.push_back((*it)[1]);
        texts.push_back((*it)[2]);
    }
    ASSERT_EQ(texts.size(), 2u) << log;
    EXPECT_EQ(texts[0], "Unable to find file within resource: tree1.png");
    EXPECT_EQ(texts[1], "Plain text");
    // The whole file is made of exactly these lines, nothing else.
    EXPECT_EQ(log.size(), 2 * std::string(" (v1.0M) - \r\n").size() + stamps[0].size() +
                              stamps[1].size() + texts[0].size() + texts[1].size());
    for (const std::string& stamp : stamps) {
        EXPECT_TRUE(stamp == Stamp(before) || stamp == Stamp(after)) << stamp;
    }
}

TEST(ErrorMessage, PrintsAndLogsOnlyWhatItIsAskedTo)
{
    struct Case {
        bool fatal;
        bool log;
    };
    const Case cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fatal " << c.fatal << " log " << c.log);
        TempFolder folder;
        ChildResult child = RunInChild([&] {
            errorMessage("Cannot load resource file.", "", c.fatal, c.log);
            printf("went on\n");
        });
        EXPECT_EQ(child.exitCode, c.fatal ? 1 : 0);
        const std::string printed = "ERROR!  Cannot load resource file.\n";
        EXPECT_EQ(child.output, c.fatal ? printed : printed + "went on\n");
        const std::string log = folder.Read("LOG.TXT");
        if (c.log) {
            // A fatal error is logged before the process ends.
            EXPECT_TRUE(std::regex_match(
                log, std::regex(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d \(v1\.0M\) - Cannot load resource file\.\r\n)")))
                << log;
        } else {
            EXPECT_FALSE(Exists(folder.File("LOG.TXT")));
        }
    }
}

TEST(ErrorMessage, JoinsTextAndDetailWithoutASeparator)
{
    TempFolder folder;
    ChildResult child = RunInChild([] { errorMessage("Unable to initialize SDL: ", "no video", true, true); });
    EXPECT_EQ(child.exitCode, 1);
    EXPECT_EQ(child.output, "ERROR!  Unable to initialize SDL: no video\n");
    const std::string log = folder.Read("LOG.TXT");
    EXPECT_NE(log.find(" - Unable to initialize SDL: no video\r\n"), std::string::npos) << log;
}

TEST(LogMessage, AnUnopenableLogIsReportedAndTheProgramGoesOn)
{
    TempFolder folder;
    ASSERT_EQ(mkdir(folder.File("LOG.TXT").c_str(), 0777), 0);
    ChildResult child = RunInChild([] {
        logMessage("first warning");
        errorMessage("Sound failed: ", "no device", false, true);
        printf("went on\n");
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output,
              "ERROR!  Cannot open log file!\n"
              "ERROR!  Sound failed: no device\n"
              "ERROR!  Cannot open log file!\n"
              "went on\n");
}

TEST(ProfileCounter, PrintsTheSumOnEveryThreeHundredthCall)
{
    ChildResult child = RunInChild([] {
        for (int round = 0; round < 2; round++) {
            for (int i = 0; i < 300; i++) {
                StartProfileCounter(3);
                PrintProfileCounter(3);
            }
            printf("round %i done\n", round);
        }
        // A slot that was never started still counts its calls.
        for (int i = 0; i < 299; i++) {
            PrintProfileCounter(9);
        }
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_TRUE(std::regex_match(child.output, std::regex("profile counter 3: \\d+\nround 0 done\n"
                                                          "profile counter 3: \\d+\nround 1 done\n")))
        << child.output;
}

TEST(ProfileCounter, RefusesSlotsBeyondTheTen)
{
    ChildResult child = RunInChild([] {
        StartProfileCounter(10);
        for (int i = 0; i < 300; i++) {
            PrintProfileCounter(10);
        }
    });
    EXPECT_EQ(child.exitCode, 0);
    std::string expected;
    for (int i = 0; i < 301; i++) {
        expected += "Ran out of profile counters!  Increase the number in debug\n";
    }
    EXPECT_EQ(child.output, expected);
}
