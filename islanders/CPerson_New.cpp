#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kGeneDraws = 1000;
constexpr int kHairDraws = 500;
constexpr int kVoiceDraws = 100;
constexpr int kClothesDraws = 50;
// Births stop long before one sex has used all 100 names, but twins and the
// bulk simulation can pass that; the last draw then stands.
constexpr int kNameDraws = 1000;
constexpr int kUnwantedStartingHair = 6;
constexpr int kFirstManNameId = 7000;
constexpr int kFirstWomanNameId = 7500;
constexpr int kNamesPerSex = 100;

int Years(const person_data& record)
{
    return record.age / kTicksPerYear;
}

template <typename Taken>
bool AnyoneHas(Taken taken)
{
    for (const CPerson* other : CPerson::people) {
        if (taken(other->data)) {
            return true;
        }
    }
    return false;
}

bool SameColour(const RGBA_data& a, const RGBA_data& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

}  // namespace

CPerson* CPerson::NewPerson(int atX, int atY, const genome* genes, bool startingBand, bool male, int years)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.permittedTasks[0] = 1;
    record.permittedTasks[18] = 1;
    record.energy = record.food = 10000;

    record.id = ++gameData.lastId;

    if (atX == -1) {
        atX = RangedRandom(100, 3805);
        atY = RangedRandom(100, 3805);
    }
    record.x = static_cast<float>(atX);
    record.y = static_cast<float>(atY);

    if (genes) {
        record.genes = *genes;
        record.age = 0;
    } else {
        RandomizeGenome(&record.genes);
        if (startingBand) {
            record.age = years * kTicksPerYear;
            for (int draw = 1; draw < kGeneDraws && !people.empty(); draw++) {
                const int colour = GetHairColour(&record.genes);
                const bool clash = colour == kUnwantedStartingHair ||
                                   std::any_of(people.begin(), people.end(), [&](const CPerson* other) {
                                       return other->GetHairColour() == colour;
                                   });
                if (!clash) {
                    break;
                }
                RandomizeGenome(&record.genes);
            }
        } else {
            record.age = RangedRandom(3110400, 3628800);
        }
    }
    record.actualAge = record.age;

    if (startingBand) {
        record.gender = male ? 0 : 1;
    } else {
        int men = 0, women = 0;
        for (const CPerson* other : people) {
            if (Years(other->data) <= 25) {
                (other->data.gender == 0 ? men : women)++;
            }
        }
        record.gender = men > women ? 1 : women > men ? 0 : RangedRandom(0, 1);
    }
    const bool isMan = record.gender == 0;
    const int gender = record.gender;

    record.kidTopColour = isMan ? RangedRandom(0, 2) : RangedRandom(3, 5);
    record.kidBottomColour = isMan ? RangedRandom(0, 2) : RangedRandom(3, 5);

    for (int draw = 0; draw < kHairDraws; draw++) {
        record.matureHairStyle = record.youngHairStyle = RangedRandom(0, 7);
        if (isMan) {
            while (record.youngHairStyle == 1 || record.youngHairStyle == 2 || record.youngHairStyle == 7) {
                record.youngHairStyle = RangedRandom(0, 7);
            }
        }
        if (!AnyoneHas([&](const person_data& other) {
                return other.matureHairStyle == record.matureHairStyle ||
                       other.youngHairStyle == record.youngHairStyle;
            })) {
            break;
        }
    }

    for (int draw = 0; draw < kVoiceDraws; draw++) {
        record.voice = RangedRandom(0, 5);
        if (!AnyoneHas([&](const person_data& other) {
                return other.gender == gender && other.voice == record.voice;
            })) {
            break;
        }
    }

    for (int draw = 0; draw < kClothesDraws; draw++) {
        record.bottomStyle = RangedRandom(0, 1);
        if (isMan && record.bottomStyle == 1) {
            record.bottomStyle = 2;
        }
        if (!AnyoneHas([&](const person_data& other) {
                return other.gender == gender && Years(other) >= 14 && other.bottomStyle == record.bottomStyle;
            })) {
            break;
        }
    }
    for (int draw = 0; draw < kClothesDraws; draw++) {
        record.topStyle = RangedRandom(0, 1);
        if (isMan && record.topStyle == 0) {
            record.topStyle = 2;
        }
        if (!AnyoneHas([&](const person_data& other) {
                return other.gender == gender && Years(other) >= 14 && other.topStyle == record.topStyle;
            })) {
            break;
        }
    }

    for (int draw = 0; draw < kClothesDraws; draw++) {
        RandomizeClothesColour(record.topColour, true, isMan);
        if (!AnyoneHas([&](const person_data& other) {
                return other.gender == gender && SameColour(other.topColour, record.topColour);
            })) {
            break;
        }
    }
    for (int draw = 0; draw < kClothesDraws; draw++) {
        RandomizeClothesColour(record.bottomColour, false, isMan);
        if (!AnyoneHas([&](const person_data& other) {
                return other.gender == gender && SameColour(other.bottomColour, record.bottomColour);
            })) {
            break;
        }
    }

    for (int draw = 0; draw < kNameDraws; draw++) {
        record.nameId = (isMan ? kFirstManNameId : kFirstWomanNameId) + RangedRandom(0, kNamesPerSex - 1);
        if (!AnyoneHas([&](const person_data& other) { return other.nameId == record.nameId; })) {
            break;
        }
    }

    record.customName[0] = '\0';
    return new CPerson(record);
}

void CPerson::StartWithNewPeople()
{
    DeleteAllPeople();
    InitTaskQueue();
    craftQueue.clear();
    pickupQueue.clear();

    const int a = RangedRandom(0, 2);
    const int b = RangedRandom(0, 2);
    CMap* island = CControllerGame::island;
    const int sx = island ? island->GetStartX() : 0;
    const int sy = island ? island->GetStartY() : 0;

    CPerson* first = NewPerson(sx, sy, nullptr, true, false, 34 + RangedRandom(0, 2));
    first->ChangeHairStyle(a != 0 ? 0 : 2);

    // Every later islander draws its age, then its offsets in y and in x.
    struct placed {
        bool male;
        int baseYears, extraYears;
        int dx, dy;
        int hairStyle;
    };
    const placed grownUps[] = {
        {true, 24, 1, -75, 100, 0},
        {false, 22, 1, 75, -100, a != 0 ? 2 : 4},
        {true, 20, 1, -150, 10, 4},
        {false, 18, 1, -10, -150, a == 2 ? 4 : 5},
    };
    auto place = [&](bool male, int baseYears, int extraYears, int dx, int dy) {
        const int years = baseYears + RangedRandom(0, extraYears);
        const int jy = RangedRandom(-50, 50);
        const int jx = RangedRandom(-50, 50);
        return NewPerson(sx + dx + jx, sy + dy + jy, nullptr, true, male, years);
    };
    for (const placed& p : grownUps) {
        place(p.male, p.baseYears, p.extraYears, p.dx, p.dy)->ChangeHairStyle(p.hairStyle);
    }

    const int boyHair[] = {3, 5, 6};
    const int girlHair[] = {1, 4, 5};
    const bool olderIsBoy = RangedRandom(0, 1) == 0;
    CPerson* older = place(olderIsBoy, 8, 2, 150, 10);
    older->ChangeHairStyle(olderIsBoy ? boyHair[b] : girlHair[a]);
    CPerson* younger = place(!olderIsBoy, 4, 1, 10, 150);
    younger->ChangeHairStyle(olderIsBoy ? girlHair[a] : boyHair[b]);
}
