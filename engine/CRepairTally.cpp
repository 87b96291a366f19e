#include "CRepairTally.h"

#include "Log.h"

#include <climits>
#include <string>

CRepairTally::CRepairTally(const char* records) : records(records) {}

CRepairTally::~CRepairTally()
{
    for (const auto& [kind, count] : counts) {
        logMessage((records + ": " + kind + ": ").c_str(), std::to_string(count).c_str());
    }
}

void CRepairTally::Note(const char* kind)
{
    int& count = counts[kind];
    if (count < INT_MAX) {
        count++;
    }
}

void CRepairTally::Note(const char* kind, size_t times)
{
    int& count = counts[kind];
    count = times >= static_cast<size_t>(INT_MAX - count) ? INT_MAX : count + static_cast<int>(times);
}

bool CRepairTally::Note(bool mended, const char* kind)
{
    if (mended) {
        Note(kind);
    }
    return mended;
}

int CRepairTally::Total() const
{
    int total = 0;
    for (const auto& entry : counts) {
        total = entry.second > INT_MAX - total ? INT_MAX : total + entry.second;
    }
    return total;
}
