// The real game binary, started as a player would start it, headless.
#include "EnvironmentValue.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>
#include <algorithm>
#include <cstdint>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// True once the process has a handler of its own for sig: SDL installs one at
// video start-up that turns the signal into a window-close request.
bool Catches(pid_t pid, int sig)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
            return (caught >> (sig - 1)) & 1;
        }
    }
    return false;
}

long FileSize(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return file ? static_cast<long>(file.tellg()) : 0;
}

struct GameRun {
    bool ready;   // SDL took over SIGTERM before the game ended by itself
    bool closed;  // the game ended after being asked to close
    int status;
    std::string output;
};

// Starts the game with the given argument (3: windowed, no sound), asks it to
// close as soon as it can be asked (or, with a file to wait for, once that file
// has grown to a size), and waits for the whole shut-down. The game may be
// held to a file-size limit, with the signal at its default as a shell leaves it.
GameRun RunGameUntilClosed(const char* binary, const char* argument = "3", const char* audioDriver = "dummy",
                           const std::string& waitForFile = "", long waitForSize = 0,
                           rlim_t fileSizeLimit = RLIM_INFINITY)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return {false, false, 0, "pipe failed"};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        signal(SIGTERM, SIG_DFL);
        signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", audioDriver, 1);
        if (!waitForFile.empty()) {
            setenv("SDL_DISKAUDIOFILE", waitForFile.c_str(), 1);
        }
        execl(binary, binary, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);

    // Bounded waits, polling: first for SDL to take over the signal (sent
    // earlier, it would kill the process instead of asking it to close), then
    // for the whole shut-down. The bound only stops a game that hangs: a start
    // on a machine busy with other builds and tests has taken over ten seconds.
    GameRun run{false, false, 0, ""};
    bool ended = false;
    auto poll = [&](const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 6000; attempt++) {
            ended = waitpid(pid, &run.status, WNOHANG) == pid;
            if (ended || done()) {
                return true;
            }
            usleep(10000);
        }
        return false;
    };
    run.ready = poll([&] { return Catches(pid, SIGTERM); }) && !ended;
    if (run.ready && !waitForFile.empty()) {
        run.ready = poll([&] { return FileSize(waitForFile) >= waitForSize; }) && !ended;
    }
    run.closed = ended;
    if (run.ready) {
        kill(pid, SIGTERM);
        run.closed = poll([] { return false; }) && ended;
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &run.status, 0);
    }

    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
        run.output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    return run;
}

void ExpectCleanRun(const GameRun& run)
{
    EXPECT_TRUE(run.ready) << "the game ended early or SDL never took over SIGTERM\n" << run.output;
    EXPECT_TRUE(run.closed) << "the game did not close when asked\n" << run.output;
    ASSERT_TRUE(WIFEXITED(run.status)) << run.output;
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.output;
    EXPECT_EQ(run.output.find("ERROR!"), std::string::npos) << run.output;
}

bool Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

class PalmoraBinary : public testing::Test {
protected:
    void SetUp() override
    {
        binary = getenv("PALMORA_BINARY");
        if (!binary || binary[0] == '\0') {
            GTEST_SKIP() << "PALMORA_BINARY names no game binary";
        }
    }

    const char* binary = nullptr;
    TempFolder folder;  // the user data folder of the run
};

}  // namespace

TEST_F(PalmoraBinary, SavesTheProfileOnItsFirstRunAndLoadsItOnTheNext)
{
    const std::string data = folder.File("userdata/");
    ExpectCleanRun(RunGameUntilClosed(binary));
    EXPECT_TRUE(Exists(data + "PALMORAv8.DAT"));
    EXPECT_TRUE(Exists(data + "PROFILE1v8.DAT"));
    EXPECT_FALSE(Exists(data + "PROFILE1v8.DAT.BAKL")) << "nothing was there to load";

    // Every good load leaves a ".BAKL" copy of what it read.
    ExpectCleanRun(RunGameUntilClosed(binary));
    EXPECT_TRUE(Exists(data + "PROFILE1v8.DAT.BAKL"));
    EXPECT_TRUE(Exists(data + "PALMORAv8.DAT.BAKL"));
    EXPECT_TRUE(Exists(data + "PROFILE1v8.DAT.BAKS")) << "the second save keeps the first";
}

TEST_F(PalmoraBinary, PlaysTheTitleSongWhileLoading)
{
    // SDL's disk driver writes what the game plays into a file: a second of
    // 44.1 kHz 16-bit stereo is 176,400 bytes.
    const std::string audio = folder.File("audio.raw");
    ExpectCleanRun(RunGameUntilClosed(binary, "1", "disk", audio, 176400));

    const std::string bytes = ReadBytes(audio);
    ASSERT_GE(bytes.size(), 176400u);
    int loudest = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int sample = static_cast<int16_t>((static_cast<uint8_t>(bytes[i + 1]) << 8) | static_cast<uint8_t>(bytes[i]));
        loudest = std::max(loudest, std::abs(sample));
    }
    EXPECT_GT(loudest, 1000) << "the title song should be heard";
}

// A new player who names a data folder of their own need not make it first;
// only a folder that cannot be made ends the game, with the save's message.
TEST_F(PalmoraBinary, MakesTheUserDataFolderItIsToldToUseOrEndsWhenItCannot)
{
    const std::string made = folder.File("games/palmora/data/");
    setenv("PALMORA_USER_DATA", made.c_str(), 1);
    ExpectCleanRun(RunGameUntilClosed(binary));
    EXPECT_TRUE(Exists(made + "PALMORAv8.DAT"));
    EXPECT_TRUE(Exists(made + "PROFILE1v8.DAT"));

    folder.Write("a-file", "not a folder");
    const std::string impossible = folder.File("a-file/data/");
    setenv("PALMORA_USER_DATA", impossible.c_str(), 1);
    const GameRun run = RunGameUntilClosed(binary);
    ASSERT_TRUE(WIFEXITED(run.status)) << run.output;
    EXPECT_EQ(WEXITSTATUS(run.status), 1) << run.output;
    EXPECT_NE(run.output.find("ERROR!  Cannot save profile: " + impossible + "PROFILE1v8.DAT"), std::string::npos)
        << run.output;

    // A folder too long for the game's paths cannot take a save either, and
    // the data home is not used in its place.
    const std::string tooLong = folder.File(std::string(1022 - folder.Path().size(), 'x'));
    EnvironmentValue home("HOME", folder.File("home").c_str());
    EnvironmentValue dataHome("XDG_DATA_HOME", folder.File("xdg").c_str());
    setenv("PALMORA_USER_DATA", tooLong.c_str(), 1);
    const GameRun longRun = RunGameUntilClosed(binary);
    ASSERT_TRUE(WIFEXITED(longRun.status)) << longRun.output;
    EXPECT_EQ(WEXITSTATUS(longRun.status), 1) << longRun.output;
    EXPECT_NE(longRun.output.find("ERROR!  Cannot save profile: " + tooLong + "/"), std::string::npos)
        << longRun.output;
    EXPECT_FALSE(Exists(folder.File("xdg")));
    EXPECT_FALSE(Exists(folder.File("home")));
}

// Under a file-size limit (ulimit -f 48) the damaged profile is too large to
// keep: the write fails as on a full disk instead of ending the game, and no
// half-written copy is left.
TEST_F(PalmoraBinary, AFileSizeLimitFailsAWriteInsteadOfEndingTheGame)
{
    const std::string data = folder.File("userdata/");
    ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
    // A fresh install's header, whose checksum is 543: it lists the damaged
    // profile, so that the start loads it and keeps it.
    std::string name(64, '\0');
    name.replace(0, 8, "PLAYER 1");
    folder.Write("userdata/PALMORAv8.DAT", Word32(543) + Word32(0) + Word32(1) + Word32(0) + name);
    folder.Write("userdata/PROFILE1v8.DAT", std::string(100 * 1024, 'x'));
    ExpectCleanRun(RunGameUntilClosed(binary, "3", "dummy", "", 0, 48 * 1024));
    EXPECT_FALSE(Exists(data + "PROFILE1v8.DAT.BAD1.TMP"));
    EXPECT_FALSE(Exists(data + "PROFILE1v8.DAT.BAD1"));
    EXPECT_TRUE(Exists(data + "PROFILE1v8.DAT"));
}
