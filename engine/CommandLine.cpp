#include "CommandLine.h"

#include "Utilities.h"

namespace {

const int kWindowedBit = 1;
const int kNoSoundBit = 2;
const int kConsoleSoundBit = 4;

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[])
{
    CommandLine line{false, false, false};
    if (argc != 2) {
        return line;
    }
    const int value = StringToInt(argv[1]);
    if (value < 1 || value > 7) {
        return line;
    }
    line.windowed = (value & kWindowedBit) != 0;
    line.noSound = (value & kNoSoundBit) != 0;
    line.consoleSound = !line.noSound && (value & kConsoleSoundBit) != 0;
    return line;
}
