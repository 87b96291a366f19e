// Sets or clears one environment variable for a scope, and puts back what it
// held before, so that a test leaves the next one the environment it found.
#pragma once

#include <cstdlib>
#include <string>

class EnvironmentValue {
public:
    // value nullptr clears the variable.
    EnvironmentValue(const char* name, const char* value)
        : name(name)
    {
        if (const char* old = getenv(name)) {
            previous = old;
            hadValue = true;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvironmentValue() { hadValue ? setenv(name, previous.c_str(), 1) : unsetenv(name); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* name;
    std::string previous;
    bool hadValue = false;
};
