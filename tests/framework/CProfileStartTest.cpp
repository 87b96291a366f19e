// The start over a data folder that fights back: a folder that cannot be
// entered, a process that can open no file, links and folders under the
// names saves go through, and a file-size limit. A start that could end the
// process runs in a child bounded by an alarm, so a start that never ends
// fails the test rather than holding it.
#include "CProfileTestFixture.h"
#include "ChildProcess.h"
#include "ProcessSignals.h"

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An unprivileged account: the folder's modes bind it as they bind a player.
const uid_t kNobody = 65534;

}  // namespace

class CProfileStart : public ProfileFixture {
protected:
    bool Logged(const std::string& line) const { return folder.Read("LOG.TXT").find(line) != std::string::npos; }
    bool IsRegular(const std::string& name) const
    {
        return std::filesystem::symlink_status(UserFile(name)).type() == std::filesystem::file_type::regular;
    }
};

// A data folder of mode 000 or 600 for its owner, or a link to itself,
// answers every name with EACCES or ELOOP: the start ends before it reads
// anything, with the words of a failed save and exit code 1.
TEST_F(CProfileStart, AFolderThatCannotBeEnteredEndsTheStartAtOnce)
{
    const bool root = geteuid() == 0;
    if (root) {
        // The child that drops to nobody writes its log here.
        ASSERT_EQ(chown(folder.Path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(symlink("loop", folder.File("loop").c_str()), 0);
    struct Case {
        const char* folder;
        bool link;
        mode_t mode;
    };
    const Case cases[] = {{"loop", true, 0}, {"closed-000", false, 0000}, {"closed-600", false, 0600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        std::remove("LOG.TXT");
        const std::string data = folder.File(c.folder) + "/";
        if (!c.link) {
            ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
            if (root) {
                ASSERT_EQ(chown(data.c_str(), kNobody, kNobody), 0);
            }
            ASSERT_EQ(chmod(data.c_str(), c.mode), 0);
        }
        const bool dropsRoot = root && !c.link;
        const ChildResult child = RunInChild([&] {
            alarm(20);
            // Root enters any folder; a link to itself fails for root too.
            if (dropsRoot && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
                _exit(3);
            }
            setenv("PALMORA_USER_DATA", data.c_str(), 1);
            new CProfile();
            _exit(0);
        });
        chmod(data.c_str(), 0700);
        EXPECT_EQ(child.exitCode, 1) << child.output;
        EXPECT_NE(child.output.find("ERROR!  Cannot save profile: " + data + "PROFILE1v8.DAT"), std::string::npos)
            << child.output;
        EXPECT_TRUE(Logged("Cannot save profile: " + data + "PROFILE1v8.DAT"));
        EXPECT_FALSE(Logged("Damaged profile header")) << "nothing is read before the start ends";
    }
}

// With every file descriptor taken, every name fails to open, as in a folder
// that cannot be entered: the search for a free profile id passes over a
// bounded number of them and ends the start as a failed save would.
TEST_F(CProfileStart, TheSearchForAFreeProfileIdEndsWhenNoNameOpens)
{
    const ChildResult child = RunInChild([] {
        alarm(20);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_NOFILE, &limit);
        // Every descriptor below the limit taken.
        while (open("/dev/null", O_RDONLY) >= 0) {
        }
        new CProfile();
        _exit(0);
    });
    EXPECT_EQ(child.exitCode, 1) << child.output;
    EXPECT_NE(child.output.find("ERROR!  Cannot save profile: " + UserFile("PROFILE1v8.DAT")), std::string::npos)
        << child.output;
}

// A link under a temporary name, a dangling symbolic one or a hard one, is
// removed and never written through: nothing is made outside the data
// folder, no file that another name shares changes, and each file is regular
// once renamed.
TEST_F(CProfileStart, ATemporaryFileIsMadeNewAndNeverWrittenThroughALink)
{
    const std::string outside = folder.File("outside.DAT");
    const std::string shared = folder.File("shared.DAT");
    ASSERT_EQ(symlink(outside.c_str(), UserFile("PROFILE1v8.DAT.TMP").c_str()), 0);
    ASSERT_EQ(symlink(outside.c_str(), UserFile("PROFILE1v8.DAT.BAD1.TMP").c_str()), 0);
    folder.Write("shared.DAT", "another name's file");
    ASSERT_EQ(link(shared.c_str(), UserFile("PALMORAv8.DAT.TMP").c_str()), 0);
    const std::string damaged = "damaged";
    WriteUserFile("PROFILE1v8.DAT", damaged);
    WriteUserFile("PROFILE1v8.DAT.BAKS", ProfileFile({ScalarRecord(60, "i", Int32(7))}, {}));

    CProfile* profile = Open();
    EXPECT_EQ(profile->GetValue<int>(60), 7);
    delete profile;
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(outside)));
    EXPECT_TRUE(folder.Read("shared.DAT") == "another name's file");
    EXPECT_TRUE(IsRegular("PROFILE1v8.DAT.BAD1"));
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD1") == damaged);
    for (const char* name : {"PROFILE1v8.DAT", "PALMORAv8.DAT"}) {
        EXPECT_TRUE(IsRegular(name)) << name;
    }
    for (const char* name : {"PROFILE1v8.DAT.TMP", "PROFILE1v8.DAT.BAD1.TMP", "PALMORAv8.DAT.TMP"}) {
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(UserFile(name)))) << name;
    }
}

// A folder under the save's temporary name is no file of ours: it stays, and
// the start ends with the words of a failed save, the log naming the folder
// that blocks it.
TEST_F(CProfileStart, AFolderUnderTheTemporaryNameEndsTheStartNamingIt)
{
    std::filesystem::create_directories(UserFile("PROFILE1v8.DAT.TMP"));
    const ChildResult child = RunInChild([] {
        alarm(20);
        new CProfile();
        _exit(0);
    });
    EXPECT_EQ(child.exitCode, 1) << child.output;
    EXPECT_NE(child.output.find("ERROR!  Cannot save profile: " + UserFile("PROFILE1v8.DAT")), std::string::npos)
        << child.output;
    EXPECT_TRUE(Logged("Failed to write a temporary file: " + UserFile("PROFILE1v8.DAT.TMP")));
    EXPECT_TRUE(std::filesystem::is_directory(UserFile("PROFILE1v8.DAT.TMP")));
}

// Past the file-size limit a write fails with EFBIG instead of ending the
// game: the damaged file too large to keep is not kept, as on a full disk,
// nothing half-written is left, the log says what failed, and the start goes
// on with the backup.
TEST_F(CProfileStart, AFileSizeLimitIsMetAsAFullDisk)
{
    const std::string damaged(100 * 1024, 'x');
    WriteUserFile("PROFILE1v8.DAT", damaged);
    WriteUserFile("PROFILE1v8.DAT.BAKS", ProfileFile({ScalarRecord(60, "i", Int32(7))}, {}));
    const ChildResult child = RunInChild([] {
        alarm(20);
        signal(SIGXFSZ, SIG_DFL);
        IgnoreFileSizeSignal();
        const rlimit limit{48 * 1024, 48 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        CProfile* profile = new CProfile();
        const int marker = profile->GetValue<int>(60);
        delete profile;
        _exit(marker == 7 ? 0 : 2);
    });
    ASSERT_EQ(child.exitCode, 0) << child.output;
    EXPECT_TRUE(Logged("Failed to write a temporary file: " + UserFile("PROFILE1v8.DAT.BAD1.TMP") +
                       " (File too large)"));
    EXPECT_TRUE(Logged("Failed to keep the damaged file: " + UserFile("PROFILE1v8.DAT")));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD1.TMP"));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD1"));
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAKS") == damaged) << "the save rolls the damaged file over untouched";
}
