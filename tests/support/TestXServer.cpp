#include "TestXServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// Time for a server to come up on a busy machine.
constexpr int kStartMs = 30000;

bool Accepts(const std::string& number)
{
    const int probe = socket(AF_UNIX, SOCK_STREAM, 0);
    if (probe < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    snprintf(address.sun_path, sizeof address.sun_path, "/tmp/.X11-unix/X%s", number.c_str());
    const bool accepted = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return accepted;
}

}  // namespace

TestXServer::TestXServer()
{
    const char* shared = getenv("PALMORA_XVFB_DISPLAY");
    if (shared && *shared) {
        display = shared;
        lock = std::make_unique<XDisplayLock>(display);
        return;
    }
    const char* own = getenv("PALMORA_XVFB");
    if (own && strcmp(own, "own") == 0) {
        StartOwn();
        return;
    }
    why = "no X server for screenshots (PALMORA_XVFB=own or PALMORA_XVFB_DISPLAY)";
}

void TestXServer::StartOwn()
{
    int ready[2];
    if (pipe(ready) != 0) {
        why = "no pipe for the X server's display number";
        return;
    }
    server = fork();
    if (server == 0) {
        close(ready[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        // The server picks a free display itself and writes its number here.
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-noreset", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (server < 0) {
        close(ready[0]);
        why = "the X server could not be started";
        return;
    }
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, kStartMs) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    // The number may come before the socket takes connections.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartMs);
    while (!number.empty() && !Accepts(number) && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (number.empty() || !Accepts(number)) {
        why = "Xvfb did not start";
        return;
    }
    display = ":" + number;
}

TestXServer::~TestXServer()
{
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
}
