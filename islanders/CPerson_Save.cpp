#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPeopleProperty = 4;
constexpr int kTaskQueueProperty = 5;
constexpr int kLastIdProperty = 14;
constexpr int kCraftQueueProperty = 15;
constexpr int kPickupQueueProperty = 39;

// Below -9999 a need kills on the islander's next frame, so -10000 keeps a
// starved or worn-out islander as it was. Eating and sleeping fill a need to
// 10000; the revival of a long absence adds 5000 once a game, which a band
// that sails on may get again on the next island before the first is used
// up. Beyond that no play goes.
constexpr int kNeedLow = -10000, kNeedHigh = 20000;
constexpr int kMaxWork = 1000000000;
constexpr int kMaxSkill = 10000;
// Ages are ticks of 172,800 a year; the oldest islander the game can make
// (a trophy asks for 969 years) stays well inside this.
constexpr int kMaxAgeTicks = 1000 * 172800;
constexpr int kMaxChildren = 1000;
// Ids are issued one after another from 1; this leaves room for a life of
// births without ever reaching INT_MAX.
constexpr int kMaxId = 1000 * 1000 * 1000;
// No couple may pair once 50 islanders live, so a band grows past 49 only by
// the twins of couples admitted before: at most 24 couples, 48 children,
// 97 in all. Births while away come only to a band without young adults. A
// long game stays below 100; each islander holds some 2.7 MB of its own
// pictures and 15 ms of its first frame (tests/bench/SavedRecordsBench).
constexpr size_t kMaxIslanders = 100;
constexpr size_t kMaxOrders = 1000;

template <typename T>
bool Clamp(T& value, T low, T high)
{
    const T clamped = std::min(std::max(value, low), high);
    const bool changed = clamped != value;
    value = clamped;
    return changed;
}

bool MakeFlag(uint8_t& flag)
{
    const bool changed = flag > 1;
    flag = flag != 0 ? 1 : 0;
    return changed;
}

// Keeps only the entries whose task number exists.
std::vector<task_item> ValidTasks(std::vector<task_item> tasks)
{
    const size_t before = tasks.size();
    tasks.erase(std::remove_if(tasks.begin(), tasks.end(),
                               [](const task_item& item) { return item.task < 0 || item.task >= kTaskCount; }),
                tasks.end());
    if (tasks.size() != before) {
        logMessage("The saved task list named tasks that do not exist; they were left out");
    }
    return tasks;
}

// Moves a saved position that lies off the island to the island's start
// point (or into the walkable area while no island stands).
bool RepairPosition(person_data& record)
{
    if (std::isfinite(record.x) && std::isfinite(record.y) && CPersonMovement::WithinMapBounds(record.x, record.y)) {
        return false;
    }
    CMap* island = CControllerGame::island;
    if (island && island->GetStartX() >= 0 && island->GetStartY() >= 0) {
        record.x = static_cast<float>(island->GetStartX());
        record.y = static_cast<float>(island->GetStartY());
    } else {
        record.x = std::isfinite(record.x) ? std::min(std::max(record.x, 0.0f), static_cast<float>(WALK_MAX_X)) : 0.0f;
        record.y = std::isfinite(record.y) ? std::min(std::max(record.y, 0.0f), static_cast<float>(WALK_MAX_Y)) : 0.0f;
    }
    return true;
}

}  // namespace

bool CPerson::RepairRecord(person_data& record)
{
    bool changed = false;
    changed |= Clamp(record.gender, 0, 1);
    changed |= Clamp(record.voice, 0, 5);
    changed |= Clamp(record.matureHairStyle, 0, 7);
    changed |= Clamp(record.youngHairStyle, 0, 7);
    changed |= Clamp(record.topStyle, 0, 2);
    changed |= Clamp(record.bottomStyle, 0, 2);
    changed |= Clamp(record.kidTopColour, 0, 5);
    changed |= Clamp(record.kidBottomColour, 0, 5);
    for (int32_t& skill : record.skills) {
        changed |= Clamp(skill, 0, kMaxSkill);
    }
    for (uint8_t& permitted : record.permittedTasks) {
        changed |= MakeFlag(permitted);
    }
    for (uint8_t* flag : {&record.prematureGrey, &record.hadStardust, &record.hadMoondust, &record.twinsPotion,
                          &record.babyThoughtShown, &record.isParent, &record.hasBrother, &record.hasSister,
                          &record.keepHairColour}) {
        changed |= MakeFlag(*flag);
    }
    // The given name is looked up in the string table, where only these
    // two hundred ids exist.
    const bool named = (record.nameId >= 7000 && record.nameId <= 7099) || (record.nameId >= 7500 && record.nameId <= 7599);
    if (!named) {
        record.nameId = (record.gender == 0 ? 7000 : 7500) + std::abs(record.nameId % 100);
        changed = true;
    }
    if (record.customName[kCustomNameSize - 1] != '\0') {
        record.customName[kCustomNameSize - 1] = '\0';
        changed = true;
    }
    changed |= RepairPosition(record);
    changed |= Clamp(record.age, 0, kMaxAgeTicks);
    changed |= Clamp(record.actualAge, 0, kMaxAgeTicks);
    changed |= Clamp(record.ageAtLastBirth, 0, kMaxAgeTicks);
    changed |= Clamp(record.ageAtLastPotion, 0, kMaxAgeTicks);
    changed |= Clamp(record.childCount, 0, kMaxChildren);
    changed |= Clamp(record.motherId, 0, kMaxId);
    changed |= Clamp(record.fatherId, 0, kMaxId);
    return changed;
}

void CPerson::SavePeople()
{
    std::vector<person_data> records;
    records.reserve(people.size());
    for (const CPerson* person : people) {
        if (!person->deleteMe) {
            records.push_back(person->data);
        }
    }
    CProfile* profile = CProfile::current;
    profile->SetVectorValue<person_data>(kPeopleProperty, records);
    SaveTaskQueue();
    profile->SetValue<game_data>(kLastIdProperty, gameData);
    profile->SetVectorValue<craft_data>(kCraftQueueProperty, craftQueue);
    profile->SetVectorValue<craft_data>(kPickupQueueProperty, pickupQueue);
}

void CPerson::LoadPeople()
{
    CProfile* profile = CProfile::current;
    personalZGapCurrent = 0;
    DeleteAllPeople();
    taskQueue = ValidTasks(profile->GetVectorValue<task_item>(kTaskQueueProperty));

    CRepairTally tally("Saved islanders");
    std::vector<person_data> records = profile->GetVectorValue<person_data>(kPeopleProperty);
    tally.Cap(records, kMaxIslanders, "islanders past the most an island can hold were left out");
    int highestId = 0;
    for (person_data& record : records) {
        tally.Note(RepairRecord(record), "a value no play could store was mended");
        if (record.id >= 1 && record.id <= kMaxId) {
            highestId = std::max(highestId, record.id);
        }
    }
    for (person_data& record : records) {
        // A new id keeps the islander; only its family links to it are lost.
        if (record.id < 1 || record.id > kMaxId) {
            record.id = ++highestId;
            tally.Note("an id outside those the game issues was replaced by a new one");
        }
        const int energy = record.energy, food = record.food;
        const bool energyMended = Clamp(record.energy, kNeedLow, kNeedHigh);
        const bool foodMended = Clamp(record.food, kNeedLow, kNeedHigh);
        CPerson* person = new CPerson(record);
        // Each by name: a need brought to its floor costs the islander its life.
        if (energyMended) {
            logMessage(TempSprintf("Saved islander %s: energy %d was brought to %d", person->GetASCIIName(), energy,
                                   record.energy));
        }
        if (foodMended) {
            logMessage(
                TempSprintf("Saved islander %s: food %d was brought to %d", person->GetASCIIName(), food, record.food));
        }
    }

    gameData = profile->GetValue<game_data>(kLastIdProperty);
    if (gameData.lastId > kMaxId) {
        gameData.lastId = kMaxId;
    }
    if (gameData.lastId < highestId) {
        // A new islander must never take the id of one already on the island.
        tally.Note("the last islander id was behind the band; it now follows the highest id");
        gameData.lastId = highestId;
    }
    craftQueue = profile->GetVectorValue<craft_data>(kCraftQueueProperty);
    pickupQueue = profile->GetVectorValue<craft_data>(kPickupQueueProperty);
    for (std::vector<craft_data>* queue : {&craftQueue, &pickupQueue}) {
        if (queue->size() > kMaxOrders) {
            queue->resize(kMaxOrders);
            tally.Note("clothes orders past the most the game takes were left out");
        }
        for (craft_data& order : *queue) {
            bool mended = Clamp(order.topStyle, 0, 2);
            mended |= Clamp(order.bottomStyle, 0, 2);
            mended |= Clamp(order.workNeeded, 0, kMaxWork);
            mended |= Clamp(order.progress, 0, order.workNeeded);
            tally.Note(mended, "a clothes order with a style or amount of work no order has was mended");
        }
    }
}

void CPerson::SaveTaskQueue()
{
    CProfile::current->SetVectorValue<task_item>(kTaskQueueProperty, taskQueue);
}

void CPerson::LoadTaskQueue()
{
    taskQueue = ValidTasks(CProfile::current->GetVectorValue<task_item>(kTaskQueueProperty));
}
