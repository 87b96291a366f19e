#include "ProcessSignals.h"

#include <csignal>

void IgnoreFileSizeSignal()
{
    signal(SIGXFSZ, SIG_IGN);
}
