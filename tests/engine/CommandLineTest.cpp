#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ReadCommandLine, ActsOnlyOnOneArgumentFromOneToSeven)
{
    struct Case {
        std::vector<std::string> arguments;
        bool windowed, noSound, consoleSound;
    };
    const Case cases[] = {
        {{}, false, false, false},
        {{"0"}, false, false, false},
        {{"8"}, false, false, false},
        {{"-1"}, false, false, false},
        {{"-7"}, false, false, false},
        {{"abc"}, false, false, false},
        // A number too large for an int must not wrap round to 1.
        {{"4294967297"}, false, false, false},
        // Nor one too small for it: below the int range it must not wrap
        // round to 1 or 5 either.
        {{"-4294967295"}, false, false, false},
        {{"-4294967291"}, false, false, false},
        {{"1"}, true, false, false},
        {{"2"}, false, true, false},
        {{"5"}, true, false, true},
        {{"6"}, false, true, false},  // no sound wins over the console set-up
        {{"7"}, true, true, false},   // the top value still counts, as 8 does not
        {{"0x5"}, true, false, true},
        {{"010"}, false, false, false},  // octal 8
        {{"1", "1"}, false, false, false},
    };
    for (Case c : cases) {
        std::vector<char*> argv = {const_cast<char*>("palmora")};
        for (std::string& argument : c.arguments) {
            argv.push_back(argument.data());
        }
        SCOPED_TRACE(c.arguments.empty() ? "none" : c.arguments[0] + " of " + std::to_string(c.arguments.size()));
        const CommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.windowed, c.windowed);
        EXPECT_EQ(line.noSound, c.noSound);
        EXPECT_EQ(line.consoleSound, c.consoleSound);
    }
}
