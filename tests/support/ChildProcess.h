// Runs a piece of code in a forked child and reports how it ended and what it
// printed on standard output. Fatal errors end the process by design and print
// to standard output, which gtest's death tests do not capture.
#pragma once

#include <functional>
#include <string>

struct ChildResult {
    int exitCode;        // -1 when the child was killed by a signal
    std::string output;  // standard output and standard error, interleaved
};

// The child exits with 0 when body returns.
ChildResult RunInChild(const std::function<void()>& body);
