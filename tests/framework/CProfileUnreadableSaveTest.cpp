// A save that stands under its own name but cannot be opened, here a file of
// mode 000 read by its owner: an older copy loads, and the newest save is
// moved aside into a kept copy's slot before the next saves roll over its
// name. A link to such a file is no save of ours and stays as it is.
#include "CProfileTestFixture.h"
#include "ChildProcess.h"

#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Anyone but root, whom no mode keeps out.
constexpr uid_t kUnprivileged = 65534;

std::string Marked(int marker)
{
    return ProfileFile({ScalarRecord(60, "i", Int32(marker))}, {});
}

}  // namespace

class CProfileUnreadableSave : public ProfileFixture {
protected:
    void Chown(const std::string& path) const
    {
        ASSERT_EQ(lchown(path.c_str(), kUnprivileged, kUnprivileged), 0) << path;
    }
    // Every file of the test handed to the unprivileged user.
    void HandOver() const
    {
        Chown(folder.Path());
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
            Chown(entry.path().string());
        }
    }
    std::string ReadAnyway(const std::string& name) const
    {
        chmod(UserFile(name).c_str(), 0600);
        return ReadUserFile(name);
    }
};

TEST_F(CProfileUnreadableSave, ANewestSaveThatCannotBeOpenedIsMovedAsideBeforeTheSavesRollOverIt)
{
    struct Case {
        const char* what;
        std::vector<const char*> unopened;  // the newest saves, of mode 000
        const char* damaged;                // a rung that reads and fails its checksum, or null
        const char* older;                  // the rung that loads, or null
        bool link;                          // the main file is a link to the unopened file
        int exitCode;                       // 1: the older save loaded; 2: a new profile, all its files kept
    };
    const Case cases[] = {
        {"the main file", {""}, nullptr, ".BAKS", false, 1},
        {"the .BAKS", {".BAKS"}, "", ".BAKL", false, 1},
        {"every rung", {"", ".BAKS", ".BAKL"}, nullptr, nullptr, false, 2},
        {"a link to it as the main file", {}, nullptr, ".BAKS", true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(UserFile(""));
        std::filesystem::create_directories(UserFile(""));
        std::remove("LOG.TXT");
        WriteUserFile("PALMORAv8.DAT", HeaderFile(0, {{0, "Ana"}}));
        const std::string newest = Marked(2);
        std::vector<std::string> unopened;
        for (const char* rung : c.unopened) {
            unopened.push_back(std::string("PROFILE1v8.DAT") + rung);
        }
        if (c.link) {
            unopened.push_back("elsewhere");
            std::filesystem::create_symlink(UserFile("elsewhere"), UserFile("PROFILE1v8.DAT"));
        }
        for (const std::string& name : unopened) {
            WriteUserFile(name, newest);
            chmod(UserFile(name).c_str(), 0);
        }
        if (c.damaged) {
            WriteUserFile(std::string("PROFILE1v8.DAT") + c.damaged, "damage");
        }
        if (c.older) {
            WriteUserFile(std::string("PROFILE1v8.DAT") + c.older, Marked(1));
        }
        if (geteuid() == 0) {
            HandOver();
        }
        const ChildResult child = RunInChild([] {
            alarm(20);
            if (geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(kUnprivileged) != 0 || setuid(kUnprivileged) != 0)) {
                _exit(3);
            }
            CProfile* store = new CProfile();
            CProfile::KeptCopies kept = CProfile::kNoneKept;
            const bool lost = store->TakeProfileLost(&kept);
            const int marker = store->GetValue<int>(60);
            // Two saves roll the main file over ".BAKS" and then write over it.
            store->SaveHeader();
            delete store;
            _exit(!lost && marker == 1 ? 1 : lost && kept == CProfile::kAllKept ? 2 : 4);
        });
        ASSERT_EQ(child.exitCode, c.exitCode) << child.output;
        for (const std::string& name : unopened) {
            if (name == "elsewhere") {
                EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD1"));
                EXPECT_TRUE(ReadAnyway(name) == newest);
                continue;
            }
            const std::string slot = name + ".BAD1";
            EXPECT_TRUE(ReadAnyway(slot) == newest) << slot;
            EXPECT_NE(folder.Read("LOG.TXT").find("it was moved beside its own as a kept copy: " + UserFile(slot)),
                      std::string::npos);
        }
    }
}
