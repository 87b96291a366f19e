// The real game binary, started as a player would start it, headless.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
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

}  // namespace

TEST(PalmoraBinary, ShutsDownInOrderWhenAskedToClose)
{
    const char* binary = getenv("PALMORA_BINARY");
    if (!binary || binary[0] == '\0') {
        GTEST_SKIP() << "PALMORA_BINARY names no game binary";
    }
    TempFolder folder;  // the user data folder of the run

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        signal(SIGTERM, SIG_DFL);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(binary, binary, "3", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);

    // Bounded waits, polling: first for SDL to take over the signal (sent
    // earlier, it would kill the process instead of asking it to close), then
    // for the whole shut-down.
    int status = 0;
    bool ended = false;
    auto poll = [&](const std::function<bool()>& done) {
        for (int attempt = 0; attempt < 1000; attempt++) {
            ended = waitpid(pid, &status, WNOHANG) == pid;
            if (ended || done()) {
                return true;
            }
            usleep(10000);
        }
        return false;
    };
    const bool ready = poll([&] { return Catches(pid, SIGTERM); }) && !ended;
    bool closed = ended;
    if (ready) {
        kill(pid, SIGTERM);
        closed = poll([] { return false; }) && ended;
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }

    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);

    EXPECT_TRUE(ready) << "the game ended early or SDL never took over SIGTERM\n" << output;
    EXPECT_TRUE(closed) << "the game did not close when asked\n" << output;
    ASSERT_TRUE(WIFEXITED(status)) << output;
    EXPECT_EQ(WEXITSTATUS(status), 0) << output;
    EXPECT_EQ(output.find("ERROR!"), std::string::npos) << output;
}
