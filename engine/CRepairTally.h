// Counts the kinds of damage mended while one kind of saved record loads and
// writes one log line per kind when it goes out of scope, so a save with
// thousands of bad records costs a handful of lines, not one per record.
#pragma once

#include <map>
#include <string>

class CRepairTally {
public:
    // records: what is being loaded, as the log names it ("saved islanders").
    explicit CRepairTally(const char* records);
    ~CRepairTally();
    CRepairTally(const CRepairTally&) = delete;
    CRepairTally& operator=(const CRepairTally&) = delete;

    // kind: what was done, e.g. "an age past what the game makes was cut".
    void Note(const char* kind);
    // Notes the kind when mended is set; returns mended.
    bool Note(bool mended, const char* kind);
    int Total() const;

private:
    std::string records;
    std::map<std::string, int> counts;
};
