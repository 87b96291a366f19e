#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CSound.h"
#include "CUtilBounce.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kZGapStep = 10;
constexpr float kBabyWalkSpeed = 0.7f;

}  // namespace

std::vector<CPerson*> CPerson::people;
std::vector<task_item> CPerson::taskQueue;
std::vector<craft_data> CPerson::craftQueue, CPerson::pickupQueue;
game_data CPerson::gameData = {0};
std::vector<int> CPerson::preloadedClothes;
CSound* CPerson::sndGrab = nullptr;
CSound* CPerson::sndDrop = nullptr;
CSound* CPerson::sndSplash = nullptr;
CSound* CPerson::sndBaby[5] = {};
CSound* CPerson::sndKid[5] = {};
CSound* CPerson::sndMaleHuh[6][2] = {};
CSound* CPerson::sndFemaleHuh[6][2] = {};
CSprite* CPerson::sRolloverAdult = nullptr;
CSprite* CPerson::sRolloverKid = nullptr;
CSprite* CPerson::sRolloverBaby = nullptr;
int CPerson::personalZGapCurrent = 0;
bool CPerson::simulating = false;
bool CPerson::stoppedSimForDeath = false;
bool CPerson::showFlyaways = false;
CPerson* CPerson::isMasterOfSkill = nullptr;
CPerson* CPerson::didRollover = nullptr;
bool CPerson::wantNoClothes = false;

CPerson::CPerson(const person_data& record)
    : data(record),
      hairColour(0),
      skinTone(0),
      physicalStrength(0),
      mentalStrength(0),
      speedLevel(0),
      animRate(4),
      walkSpeed(kBabyWalkSpeed),
      isMale(true),
      currentTask(0),
      currentSubTask(0),
      target(nullptr),
      movement(nullptr),
      moveDX(0.0f),
      moveDY(0.0f),
      partner(nullptr),
      pairingCandidate(nullptr),
      motherCache(nullptr),
      dying(false),
      deathCause("12020"),
      wasAdult(false),
      wasKid(false),
      thoughtId(-1),
      thoughtCountdown(0),
      personalZGap(0),
      bounceA(nullptr),
      bounceB(nullptr),
      portraitImage(-1),
      headDirection(-1),
      blinkTimer(0),
      headTurnTimer(0),
      lastOffsetX(-1),
      lastOffsetY(-1),
      pickedUp(false),
      hidden(true),
      hiddenAway(false),
      surprisedFrames(0),
      sndSnore{},
      sndHackWood{},
      sndHackRock{},
      sndHackBuilding{},
      sndHackFarm{}
{
    x = footX = data.x;
    y = footY = data.y;
    InitStats();
    InitThoughts();

    // The draws come one by one: their order keeps a seeded band the same.
    thoughtCountdown = RangedRandom(10, 900);
    blinkTimer = RangedRandom(5, 70);
    headTurnTimer = RangedRandom(40, 79);
    wanderTimer = RangedRandom(300, 600);
    tasks = taskQueue;
    isPerson = true;

    personalZGap = personalZGapCurrent;
    personalZGapCurrent += kZGapStep;
    const int years = GetAge();
    wasAdult = years >= 14 && years <= 64;
    wasKid = years >= 3 && years <= 13;

    const int rangeA = RangedRandom(23, 27);
    bounceA = new CUtilBounce(0, rangeA, 3.0f, 2.2f, RangedRandom(0, 60));
    const int rangeB = RangedRandom(13, 17);
    bounceB = new CUtilBounce(0, rangeB, 3.0f, 2.2f, RangedRandom(0, 30));

    if (!sndGrab) {
        CreateSharedSounds();
    }
    sndSnore[0] = new CSound("person_snore_1.ogg", false, 0.5f, false);
    sndSnore[1] = new CSound("person_snore_2.ogg", false, 0.5f, false);
    for (int i = 0; i < 5; i++) {
        sndHackWood[i] = new CSound(TempSprintf("hack_wood_%i.ogg", i + 1), false, 0.5f, false);
        sndHackRock[i] = new CSound(TempSprintf("hack_rock_%i.ogg", i + 1), false, 0.5f, false);
        sndHackBuilding[i] = new CSound(TempSprintf("hack_building_%i.ogg", i + 1), false, 0.3f, false);
        sndHackFarm[i] = new CSound(TempSprintf("hack_farm_%i.ogg", i + 1), false, 0.3f, false);
    }

    LoadSprites();
    movement = new CPersonMovement(&data.x, &data.y, &moveDX, &moveDY, IsBaby() ? kBabyWalkSpeed : walkSpeed, this);
    people.push_back(this);
}

CPerson::~CPerson()
{
    if (isMasterOfSkill == this) {
        isMasterOfSkill = nullptr;
    }
    // Partners, pairing candidates and children point at this islander:
    // cleared here, or the next frame would follow them into freed memory.
    ForgetMe();
    delete bounceA;
    delete bounceB;
    if (sndGrab && people.size() == 1 && people[0] == this) {
        DeleteSharedSounds();
    }
    for (CSound*& sound : sndSnore) {
        delete sound;
    }
    for (int i = 0; i < 5; i++) {
        delete sndHackWood[i];
        delete sndHackRock[i];
        delete sndHackBuilding[i];
        delete sndHackFarm[i];
    }
    UnloadSprites();
    people.erase(std::remove(people.begin(), people.end(), this), people.end());
    delete movement;
}

void CPerson::ForgetMe()
{
    if (didRollover == this) {
        didRollover = nullptr;
    }
    for (CPerson* other : people) {
        if (other->partner == this) {
            other->partner = nullptr;
        }
        if (other->pairingCandidate == this) {
            other->pairingCandidate = nullptr;
        }
        if (other->motherCache == this) {
            other->motherCache = nullptr;
        }
    }
}

void CPerson::CreateSharedSounds()
{
    sndGrab = new CSound("person_grab.ogg", false, 0.3f, false);
    sndDrop = new CSound("person_drop.ogg", false, 0.5f, false);
    sndSplash = new CSound("person_splash.ogg", false, 0.5f, false);
    for (int i = 0; i < 5; i++) {
        sndBaby[i] = new CSound(TempSprintf("baby_noise_%i.ogg", i + 1), false, 0.5f, false);
        sndKid[i] = new CSound(TempSprintf("kid_laugh_%i.ogg", i + 1), false, 0.5f, false);
    }
    for (int v = 0; v < 6; v++) {
        sndMaleHuh[v][0] = new CSound(TempSprintf("male_huh_%iA.ogg", v), false, 0.2f, false);
        sndMaleHuh[v][1] = new CSound(TempSprintf("male_huh_%iB.ogg", v), false, 0.2f, false);
        sndFemaleHuh[v][0] = new CSound(TempSprintf("female_huh_%iA.ogg", v), false, 0.2f, false);
        sndFemaleHuh[v][1] = new CSound(TempSprintf("female_huh_%iB.ogg", v), false, 0.2f, false);
    }
}

void CPerson::DeleteSharedSounds()
{
    delete sndGrab;
    delete sndDrop;
    delete sndSplash;
    sndGrab = sndDrop = sndSplash = nullptr;
    for (int i = 0; i < 5; i++) {
        delete sndBaby[i];
        delete sndKid[i];
        sndBaby[i] = sndKid[i] = nullptr;
    }
    for (int v = 0; v < 6; v++) {
        for (int k = 0; k < 2; k++) {
            delete sndMaleHuh[v][k];
            delete sndFemaleHuh[v][k];
            sndMaleHuh[v][k] = sndFemaleHuh[v][k] = nullptr;
        }
    }
}

void CPerson::DeleteAllPeople()
{
    while (!people.empty()) {
        delete people.back();
    }
}

void CPerson::SetParents(int mother, int father)
{
    data.motherId = mother;
    data.fatherId = father;
}

int CPerson::GetAge() const { return data.age / kTicksPerYear; }
int CPerson::GetActualAge() const { return data.actualAge / kTicksPerYear; }
bool CPerson::IsBaby() const { return GetAge() < 3; }
bool CPerson::IsKid() const { return GetAge() >= 3 && GetAge() <= 13; }
bool CPerson::IsAdult() const { return GetAge() >= 14 && GetAge() <= 64; }
bool CPerson::IsSenior() const { return GetAge() >= 65; }

int CPerson::NumPeople()
{
    return static_cast<int>(std::count_if(people.begin(), people.end(),
                                          [](const CPerson* p) { return !p->deleteMe && !p->dying; }));
}

int CPerson::NumAdults()
{
    return static_cast<int>(std::count_if(people.begin(), people.end(), [](const CPerson* p) {
        return !p->deleteMe && !p->dying && p->GetAge() >= 14;
    }));
}

void CPerson::ResetForNewIsland()
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    const int sx = island->GetStartX(), sy = island->GetStartY();
    for (CPerson* person : people) {
        person->data.x = static_cast<float>(sx + RangedRandom(-400, 400));
        person->data.y = static_cast<float>(sy + RangedRandom(-400, 400));
        person->x = person->footX = person->data.x;
        person->y = person->footY = person->data.y;
    }
}
