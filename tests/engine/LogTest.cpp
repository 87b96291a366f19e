#include "Log.h"

#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kStamp = R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d \(v1\.0M\) - )";

std::string Stamp(time_t when)
{
    char stamp[64];
    strftime(stamp, sizeof stamp, "%d/%m/%y %H:%M:%S", localtime(&when));
    return stamp;
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
    EXPECT_TRUE(std::regex_match(log, std::regex(kStamp + "Unable to find file within resource: tree1\\.png\r\n" +
                                                 kStamp + "Plain text\r\n")))
        << log;
    EXPECT_TRUE(log.rfind(Stamp(before), 0) == 0 || log.rfind(Stamp(after), 0) == 0) << log;
}

TEST(ErrorMessage, PrintsTextAndDetailAndLogsOnlyWhatItIsAskedTo)
{
    for (bool fatal : {false, true}) {
        SCOPED_TRACE(fatal ? "fatal and logged" : "neither fatal nor logged");
        TempFolder folder;
        ChildResult child = RunInChild([&] {
            errorMessage("Unable to initialize SDL: ", "no video", fatal, fatal);
            printf("went on\n");
        });
        EXPECT_EQ(child.exitCode, fatal ? 1 : 0);
        EXPECT_EQ(child.output,
                  std::string("ERROR!  Unable to initialize SDL: no video\n") + (fatal ? "" : "went on\n"));
        // A fatal error is logged before the process ends.
        EXPECT_EQ(std::filesystem::exists(folder.File("LOG.TXT")), fatal);
    }
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

TEST(ProfileCounter, PrintsTheSumOnEveryThreeHundredthCallAndRefusesSlotsBeyondTheTen)
{
    ChildResult child = RunInChild([] {
        for (int i = 0; i < 300; i++) {
            StartProfileCounter(3);
            PrintProfileCounter(3);
        }
        printf("done\n");
        StartProfileCounter(10);
        PrintProfileCounter(10);
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_TRUE(std::regex_search(child.output, std::regex("^profile counter 3: \\d+\ndone\nRan out")))
        << child.output;
}

TEST(LogMessage, ALinkOrAFifoUnderTheLogsNameIsNeitherFollowedNorWaitedOn)
{
    // The folder made last is the working one, where the log is written.
    TempFolder elsewhere;
    TempFolder folder;
    const std::string target = elsewhere.File("NOT-THE-LOG.TXT");
    for (const char* kind : {"dangling link", "link to a file", "FIFO"}) {
        SCOPED_TRACE(kind);
        std::filesystem::remove(target);
        std::filesystem::remove(folder.File("LOG.TXT"));
        if (std::string(kind) == "FIFO") {
            ASSERT_EQ(mkfifo(folder.File("LOG.TXT").c_str(), 0666), 0);
        } else {
            if (std::string(kind) == "link to a file") {
                elsewhere.Write("NOT-THE-LOG.TXT", "kept\n");
            }
            ASSERT_EQ(symlink(target.c_str(), folder.File("LOG.TXT").c_str()), 0);
        }
        ChildResult child = RunInChild([] {
            // Bounds the wait a FIFO would cause; the child reports at once.
            alarm(20);
            errorMessage("Sound failed: ", "no device", false, true);
            printf("went on\n");
        });
        EXPECT_EQ(child.exitCode, 0);
        EXPECT_EQ(child.output, "ERROR!  Sound failed: no device\nERROR!  Cannot open log file!\nwent on\n");
        if (std::string(kind) == "link to a file") {
            EXPECT_EQ(elsewhere.Read("NOT-THE-LOG.TXT"), "kept\n");
        } else {
            EXPECT_FALSE(std::filesystem::exists(target));
        }
    }
}
