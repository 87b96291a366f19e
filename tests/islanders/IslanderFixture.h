// The islander fixture: the world-object fixture with the band's statics put
// back to a fresh run's after every test, and a few ways to make islanders.
#pragma once

#include "CPerson.h"
#include "IslanderRecords.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstring>
#include <vector>

class IslanderTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        ResetBand();
        InitRandom(17);
    }

    void TearDown() override
    {
        while (!CPerson::people.empty()) {
            delete CPerson::people.back();
        }
        IslandTest::TearDown();
        ResetBand();
    }

    static void ResetBand()
    {
        CPerson::taskQueue.clear();
        CPerson::craftQueue.clear();
        CPerson::pickupQueue.clear();
        CPerson::gameData.lastId = 0;
        CPerson::personalZGapCurrent = 0;
        CPerson::didRollover = nullptr;
    }

    // An islander made from a plain record, as a load makes it.
    static CPerson* Islander(int ageYears, int gender, int id)
    {
        person_data record = IslanderRecord(1000 + id * 10, 1000, ageYears * 172800, gender);
        record.id = id;
        return new CPerson(record);
    }

    static std::vector<int> Ids()
    {
        std::vector<int> ids;
        for (const CPerson* person : CPerson::people) {
            ids.push_back(person->GetID());
        }
        return ids;
    }
};
