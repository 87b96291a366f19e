#include "Log.h"

#include "Utilities.h"

#include <SDL.h>

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const int kProfileCounters = 10;
const int kProfileSamples = 300;

struct ProfileCounter {
    Uint32 start;
    Uint32 sum;
    int count;
};

ProfileCounter counters[kProfileCounters];

bool CounterInRange(int n)
{
    assert(n >= 0);
    if (n > kProfileCounters - 1) {
        printf("Ran out of profile counters!  Increase the number in debug\n");
        return false;
    }
    return true;
}

}  // namespace

void errorMessage(const char* text, const char* detail, bool fatal, bool log)
{
    printf("ERROR!  %s%s\n", text, detail);
    fflush(stdout);
    if (log) {
        logMessage(text, detail);
    }
    if (fatal) {
        exit(1);
    }
}

void errorMessage(const char* text, bool fatal, bool log)
{
    errorMessage(text, "", fatal, log);
}

void logMessage(const char* text, const char* detail)
{
    // The log is the one file written in place, not through a temporary: a
    // link under its name would have the game write wherever it points, and a
    // FIFO would hold the game until someone read it.
    FILE* file = AppendToRegularFile(LOG_FILE_NAME);
    if (!file) {
        // A read-only working folder must not end the game at its first warning.
        printf("ERROR!  %s%s\n", "Cannot open log file!", "");
        fflush(stdout);
        return;
    }
    char stamp[64];
    time_t now = time(nullptr);
    strftime(stamp, sizeof stamp, "%d/%m/%y %H:%M:%S", localtime(&now));
    fprintf(file, "%s (v%s) - %s%s\r\n", stamp, PROGRAM_VERSION, text, detail);
    fclose(file);
}

void logMessage(const char* text)
{
    logMessage(text, "");
}

void StartProfileCounter(int n)
{
    if (CounterInRange(n)) {
        counters[n].start = SDL_GetTicks();
    }
}

void PrintProfileCounter(int n)
{
    if (!CounterInRange(n)) {
        return;
    }
    ProfileCounter& counter = counters[n];
    counter.count++;
    if (counter.count < kProfileSamples) {
        counter.sum += SDL_GetTicks() - counter.start;
        return;
    }
    printf("profile counter %i: %i\n", n, static_cast<int>(counter.sum));
    counter.sum = 0;
    counter.count = 0;
}
