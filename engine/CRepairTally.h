// Counts the kinds of damage mended while one kind of saved record loads and
// writes one log line per kind when it goes out of scope, so a save with
// thousands of bad records costs a handful of lines, not one per record.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

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
    void Note(const char* kind, size_t times);
    int Total() const;
    // Keeps at most the first most records, noting the kind once for each
    // record that goes.
    template <class Record>
    void Cap(std::vector<Record>& records, size_t most, const char* kind)
    {
        if (records.size() > most) {
            Note(kind, records.size() - most);
            records.resize(most);
        }
    }

private:
    std::string records;
    std::map<std::string, int> counts;
};
