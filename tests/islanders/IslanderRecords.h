// A plain saved record for tests that need an islander standing somewhere at
// some age, without the draws of a new islander.
#pragma once

#include "PersonRecords.h"

#include <cstring>

inline person_data IslanderRecord(int x, int y, int ageTicks, int gender = 0)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.id = 1;
    record.energy = record.food = 10000;
    record.x = static_cast<float>(x);
    record.y = static_cast<float>(y);
    record.age = record.actualAge = ageTicks;
    record.gender = gender;
    record.nameId = gender == 0 ? 7000 : 7500;
    return record;
}
