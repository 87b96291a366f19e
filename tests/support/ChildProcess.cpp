#include "ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

ChildResult RunInChild(const std::function<void()>& body)
{
    fflush(stdout);
    fflush(stderr);
    int fds[2];
    if (pipe(fds) != 0) {
        return {-1, "pipe failed"};
    }
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[1]);
        body();
        fflush(stdout);
        _exit(0);
    }
    close(fds[1]);
    ChildResult result{-1, ""};
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
        result.output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}
