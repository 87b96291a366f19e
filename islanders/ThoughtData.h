// One rule of the islanders' thought catalogue (CPerson::possibleThoughts),
// held in memory only: which text, for which ages, under which condition and
// with which faces a thought may come to mind.
#pragma once

struct thought_data {
    int textId;     // the man's text; the woman's is the next id
    bool rare;      // drawn only in one pick of eleven
    int minAge;     // years, -1 none
    int maxAge;     // years, exclusive, -1 none
    int reserved;   // -1
    int faces[4];   // faces that may go with it, the used ones first, -1 none
    int kind;       // the condition that must hold, 0 always
};
