// The bench's main: the usual runner, with a look after every benchmark at
// what it left of the world. A benchmark that leaves islanders, buildings or
// fish behind, or the drawing context away, would have the next one pump or
// draw them with services that are gone, so the run stops there and names it.
#include "BenchServices.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

class CheckingReporter : public benchmark::ConsoleReporter {
public:
    explicit CheckingReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        const std::string left = LeftBehind();
        if (!left.empty()) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s left the world changed: %s\n",
                         runs.empty() ? "a benchmark" : runs.front().benchmark_name().c_str(), left.c_str());
            std::_Exit(1);
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CheckingReporter reporter(isatty(STDOUT_FILENO) ? CheckingReporter::OO_Color : CheckingReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
