#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CommandLine Read(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "palmora");
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return ReadCommandLine(static_cast<int>(arguments.size()), argv.data());
}

}  // namespace

TEST(ReadCommandLine, ActsOnlyOnOneArgumentFromOneToSeven)
{
    struct Case {
        std::vector<std::string> arguments;
        bool windowed;
        bool noSound;
        bool consoleSound;
    };
    const Case cases[] = {
        {{}, false, false, false},
        {{"0"}, false, false, false},
        {{"8"}, false, false, false},
        {{"9"}, false, false, false},
        {{"-1"}, false, false, false},
        {{"-7"}, false, false, false},
        {{"abc"}, false, false, false},
        {{""}, false, false, false},
        // A number too large for an int must not wrap round to 1.
        {{"4294967297"}, false, false, false},
        {{"1"}, true, false, false},
        {{"2"}, false, true, false},
        {{"3"}, true, true, false},
        {{"4"}, false, false, true},
        {{"5"}, true, false, true},
        // No sound wins over the console set-up.
        {{"6"}, false, true, false},
        {{"7"}, true, true, false},
        {{"0x5"}, true, false, true},
        {{"05"}, true, false, true},
        {{"010"}, false, false, false},  // octal 8
        {{"1", "1"}, false, false, false},
        {{"3", "extra", "more"}, false, false, false},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments) {
            shown += "\"" + argument + "\" ";
        }
        SCOPED_TRACE(shown);
        const CommandLine line = Read(c.arguments);
        EXPECT_EQ(line.windowed, c.windowed);
        EXPECT_EQ(line.noSound, c.noSound);
        EXPECT_EQ(line.consoleSound, c.consoleSound);
    }
}
