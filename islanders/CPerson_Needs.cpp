// Sleep and hunger, growing older and dying. Adults and seniors use up their
// needs every frame; the work that fills them again is in the task steps. A
// life stage reached changes the islander's looks; a need run out, old age or
// an empty island marks it to die, and it dies out of the player's sight,
// leaving a grave.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CHut.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CTombstone.h"
#include "Utilities.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kFullNeed = 10000;
constexpr int kOldAgeDeath = 12021, kHungerDeath = 12022, kExhaustionDeath = 12023, kLonelinessDeath = 12024;
constexpr int kDeadIslandersProperty = 54;
constexpr int kFirstRankText = 11124, kFirstSpecialtyText = 11100;
constexpr int kGraveScatter = 200;

int YearsOf(const CPerson* person)
{
    return person->data.age / kTicksPerYear;
}

// The next tiring interval is drawn by the call after a timer ran out, never
// sooner; a timer that runs out costs its need and stays empty until then.
void RefillTimers(int& energyTimer, int& foodTimer)
{
    if (energyTimer < 0) {
        energyTimer = RangedRandom(20, 30);
    }
    if (foodTimer < 0) {
        foodTimer = 25;
    }
}

void SpendRunOutTimers(int& energyTimer, int& foodTimer, person_data& data)
{
    if (energyTimer < 1) {
        energyTimer = -1;
        data.energy -= 1;
    }
    if (foodTimer <= 0) {
        foodTimer = -1;
        data.food -= 2;
    }
}

}  // namespace

void CPerson::GetTired(int effort)
{
    if (YearsOf(this) < 14) {
        return;
    }
    RefillTimers(energyTimer, foodTimer);
    energyTimer -= effort;
    foodTimer -= Round(effort * 0.5f);
    SpendRunOutTimers(energyTimer, foodTimer, data);
}

void CPerson::GetTiredFor(int effort, int calls)
{
    if (effort <= 0) {
        for (int i = 0; i < calls; i++) {
            GetTired(effort);
        }
        return;
    }
    if (YearsOf(this) < 14) {
        return;
    }
    const int foodStep = Round(effort * 0.5f);
    while (calls > 0) {
        // A run that ends on an empty timer leaves it empty.
        RefillTimers(energyTimer, foodTimer);
        // Calls until either timer runs out; none of the calls before that
        // does more than count down.
        int run = energyTimer < 1 ? 1 : (energyTimer - 1) / effort + 1;
        if (foodStep > 0) {
            run = std::min(run, std::max(1, (foodTimer + foodStep - 1) / foodStep));
        }
        run = std::min(run, calls);
        calls -= run;
        energyTimer -= effort * run;
        foodTimer -= foodStep * run;
        SpendRunOutTimers(energyTimer, foodTimer, data);
    }
}

int CPerson::QuietAgeingTicks() const
{
    const int years = YearsOf(this);
    if (lastYears != years) {
        return 0;
    }
    for (int stage : {3, 14, 35, 65}) {
        if (years >= stage && stageAge < stage) {
            return 0;
        }
    }
    return kTicksPerYear - 1 - data.age % kTicksPerYear;
}

void CPerson::CountAgeingTicks(int ticks)
{
    data.age += ticks;
    data.actualAge += ticks;
}

void CPerson::RevitalizeAll(int v)
{
    for (CPerson* person : people) {
        if (YearsOf(person) < 14) {
            continue;
        }
        if (v == -1) {
            person->data.food = person->data.energy = kFullNeed;
        } else {
            person->data.food += v;
            person->data.energy += v;
        }
        person->thoughtCountdown = RangedRandom(600, 900);
        person->thoughtId = -1;
    }
}

void CPerson::HandleAgeing()
{
    data.age++;
    data.actualAge++;
    const int years = YearsOf(this);

    if (lastYears != -1 && lastYears != years) {
        // The looks below pump the islander once more within this frame;
        // the birthday must not be drawn a second time there.
        lastYears = years;
        if (years > 65) {
            const int draw = RangedRandom(0, 1000);
            if (draw <= Round((years - 65) / 35.0f * 1000.0f)) {
                DieSoon(kOldAgeDeath);
            }
        }
        if (people.size() == 1 && RangedRandom(0, 4) == 0) {
            DieSoon(kLonelinessDeath);
        }
    }

    // The new looks are placed at once by a nested frame, which also walks,
    // works and ages the islander one more tick.
    const auto placeAgain = [this]() {
        Pump(lastOffsetX, lastOffsetY, 1);
        if (!deleteMe) {
            UnHidePerson();
        }
        portraitImage = -1;
    };
    if (years >= 3 && stageAge < 3) {
        stageAge = years;
        EndTask(false);
        HidePerson();
        movement->SetWalkSpeed(walkSpeed);
        SwitchToGrownUpHead();
        placeAgain();
        UpdateSelectionRing();
    } else if (years >= 14 && stageAge < 14) {
        stageAge = years;
        EndTask(false);
        HidePerson();
        placeAgain();
        AdjustSpeed(true);
        UpdateSelectionRing();
    } else if (years >= 35 && stageAge < 35) {
        stageAge = years;
        if (data.youngHairStyle == data.matureHairStyle) {
            portraitImage = -1;
            return;
        }
        EndTask(false);
        HidePerson();
        RebuildHair();
        placeAgain();
    } else if (years >= 65 && stageAge < 65) {
        stageAge = years;
        EndTask(false);
        HidePerson();
        speedLevel--;
        animRate = GetAnimRate(speedLevel);
        walkSpeed = GetActualWalkSpeed(speedLevel);
        movement->SetWalkSpeed(walkSpeed);
        SetBodyFramesPerStep(animRate);
        RebuildHair();
        placeAgain();
    }
}

void CPerson::DieSoon(int cause)
{
    deathCause = std::to_string(cause);
    dying = true;
    if ((cause != kHungerDeath && cause != kExhaustionDeath) || YearsOf(this) < 14 || simulating) {
        return;
    }
    // Children left with few grown-ups may follow; the fewer adults, the
    // likelier. The draw is made again on every frame the need stays out.
    const auto living = [](const CPerson* p) { return !p->dying && !p->deleteMe; };
    const int adults = static_cast<int>(
        std::count_if(people.begin(), people.end(), [&](const CPerson* p) { return living(p) && YearsOf(p) >= 14; }));
    for (CPerson* child : people) {
        if (living(child) && YearsOf(child) < 14 && RangedRandom(0, adults) == 0) {
            child->DieSoon(cause);
        }
    }
}

void CPerson::CheckForDeath()
{
    if (data.food < -9999) {
        DieSoon(kHungerDeath);
    }
    if (data.energy < -9999) {
        DieSoon(kExhaustionDeath);
    }
}

void CPerson::Die(bool scatter)
{
    if (deleteMe) {
        return;
    }
    if (isMasterOfSkill == this) {
        isMasterOfSkill = nullptr;
    }
    if (CPersonMovement::whoIsMoving == this) {
        CPersonMovement::whoIsMoving = nullptr;
    }
    if (CObject::selectedObject == this) {
        CObject::selectedObject = nullptr;
    }
    if (didRollover == this) {
        didRollover = nullptr;
    }
    // The dead stay in the band until the world's sweep deletes them; until
    // then nobody may pair with them or wait for them in a hut. A mother
    // stays findable for her babies until she is deleted.
    for (CPerson* other : people) {
        if (other->partner == this) {
            other->partner = nullptr;
        }
        if (other->pairingCandidate == this) {
            other->pairingCandidate = nullptr;
        }
    }
    partner = nullptr;
    pairingCandidate = nullptr;
    CHut::LeaveHut(this);
    CControllerGame::ForgetObject(this);
    Rollover(false);
    HidePerson();
    deleteMe = true;

    rankText = std::to_string(kFirstRankText + GetSkillRank());
    const int specialty = GetSkillSpecialty();
    specialtyText = specialty == -1 ? "" : std::to_string(kFirstSpecialtyText + specialty);

    int dx = 0, dy = 0;
    if (scatter) {
        dx = RangedRandom(-kGraveScatter, kGraveScatter);
        dy = RangedRandom(-kGraveScatter, kGraveScatter);
    }
    new CTombstone(Round(data.x + dx), Round(data.y + dy), GetASCIIName(), rankText, specialtyText, deathCause,
                   YearsOf(this), -1, false);

    const auto mine = [this](const craft_data& order) { return order.islanderId == data.id; };
    craftQueue.erase(std::remove_if(craftQueue.begin(), craftQueue.end(), mine), craftQueue.end());
    pickupQueue.erase(std::remove_if(pickupQueue.begin(), pickupQueue.end(), mine), pickupQueue.end());

    if (CProfile::current) {
        CProfile::current->SetValue<int>(kDeadIslandersProperty,
                                         SaturatingAdd(CProfile::current->GetValue<int>(kDeadIslandersProperty), 1));
    }

    if (NumAdults() == 0) {
        for (CPerson* other : people) {
            if (!other->deleteMe && !other->dying) {
                other->DieSoon(kLonelinessDeath);
            }
        }
    }
}

void CPerson::RemoveDeadPeople()
{
    bool deleted = true;
    while (deleted) {
        deleted = false;
        for (CPerson* person : people) {
            if (person->deleteMe) {
                delete person;
                deleted = true;
                break;
            }
        }
    }
}
