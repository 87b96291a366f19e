// A plain saved record for tests that need an islander standing somewhere at
// some age, without the draws of a new islander.
#pragma once

#include "CPerson.h"
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

// A shown islander whose body is centred on world (x, y), where a press
// finds it once a frame has drawn it there.
inline CPerson* IslanderUnder(int x, int y, int ageTicks, int gender = 0)
{
    CPerson* person = new CPerson(IslanderRecord(x, y, ageTicks, gender));
    const body_view body = person->DescribeBody();
    person->data.x -= static_cast<float>(body.offsetX + body.width / 2);
    person->data.y -= static_cast<float>(body.offsetY + body.height / 2);
    person->UnHide();
    return person;
}
