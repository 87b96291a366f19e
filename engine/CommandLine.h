// The one optional command-line argument of the game. Start-up reads it first
// and acts on its bits at the steps they concern: the windowed wish after the
// profile store has applied the stored full-screen flag, the sound choices
// before the sound system starts.
#pragma once

struct CommandLine {
    bool windowed;      // overrides the stored full-screen flag
    bool noSound;       // the sound system is never started
    bool consoleSound;  // output and driver are chosen on the console
};

// Only exactly one argument, read as decimal, "0x" hexadecimal or leading-0
// octal, with a value from 1 to 7 has an effect; anything else leaves every
// flag off. No sound wins over the console set-up.
CommandLine ReadCommandLine(int argc, char* argv[]);
