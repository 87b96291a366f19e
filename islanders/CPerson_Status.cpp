// What an islander shows each frame besides its body: the side panel's
// status line, the thought above its head with the face to match, and how
// long a remark stays.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CFarm.h"
#include "CMap.h"
#include "CResources.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr float kInWater = 0.75f;
constexpr int kShownFrames = 1200;
constexpr int kNewlySelectedLeft = 120;
constexpr int kKeepFace = 99999;
enum Face { SMILE = 0, NEUTRAL = 1, FROWN = 3, SURPRISED = 4, WORRIED = 5 };
constexpr int kWalkTask = 1, kSleepTask = 8, kHutTask = 10, kEatTask = 13;
constexpr int kHutSleepSubTask = 9;
constexpr int kLow = 2500, kHungry = 5000, kWeary = 3750;
constexpr int kFirstBabyThought = 31084;

bool InRange(int id, int first, int last) { return id >= first && id <= last; }

bool Raining()
{
    CMap* island = CControllerGame::island;
    return island && island->raining;
}

// A thought drawn from first + 2 * (0..count-1), kept while one of the group
// is already shown.
bool ThinkOfGroup(CPerson& p, int first, int count)
{
    if (InRange(p.thoughtId, first, first + 2 * (count - 1))) {
        return false;
    }
    p.thoughtId = first + 2 * RangedRandom(0, count - 1);
    return true;
}

// The grumbles of a hungry or tired grown-up, before the clock; true when
// one of them is on its mind.
bool NeedThought(CPerson& p)
{
    CResources* stock = CControllerGame::Resources();
    const int wood = stock ? stock->GetWood() : 0;
    const int food = stock ? stock->GetFood(-1) : 0;
    if (p.idle && p.data.energy < kLow) {
        p.thoughtId = 33000;
        p.ChangeEmotion(NEUTRAL, kKeepFace);
    } else if (p.data.food < kHungry && wood < 1 && food >= 1) {
        if (ThinkOfGroup(p, 33020, 6)) {
            constexpr Face kFaces[3] = {WORRIED, NEUTRAL, FROWN};
            p.ChangeEmotion(kFaces[RangedRandom(0, 2)], kKeepFace);
        }
    } else if (p.data.food < kLow) {
        if (ThinkOfGroup(p, 33002, 4)) {
            p.ChangeEmotion(RangedRandom(0, 1) == 0 ? WORRIED : FROWN, kKeepFace);
        }
    } else if (p.data.energy < kWeary) {
        if (ThinkOfGroup(p, 33010, 5)) {
            p.ChangeEmotion(NEUTRAL, kKeepFace);
        }
    } else {
        return false;
    }
    return true;
}

struct work_thought {
    int task;  // the permission it needs
    int first, count;
    bool face;
};

// An idle grown-up's remarks on the stock, two times in three.
bool WorkThought(CPerson& p)
{
    if (!p.idle) {
        return false;
    }
    CResources* stock = CControllerGame::Resources();
    const bool foodFull = stock && stock->IsResourceMaxed(6);
    const bool holds[6] = {!stock || stock->GetWood() < 1,         !stock || stock->GetRock() < 1,
                           stock && stock->IsResourceMaxed(0),     stock && stock->IsResourceMaxed(1),
                           foodFull,                               foodFull && !CFarm::farms.empty()};
    constexpr work_thought kWork[6] = {{5, 33032, 5, false}, {5, 33042, 5, false}, {2, 33052, 8, true},
                                       {4, 33068, 8, true},  {3, 33084, 7, true},  {14, 33098, 8, true}};
    for (int i = 0; i < 6; i++) {
        if (!p.IsTaskPermitted(kWork[i].task) || !holds[i] || RangedRandom(0, 2) == 0) {
            continue;
        }
        if (ThinkOfGroup(p, kWork[i].first, kWork[i].count) && kWork[i].face) {
            constexpr Face kFaces[3] = {SURPRISED, NEUTRAL, SMILE};
            p.ChangeEmotion(kFaces[RangedRandom(0, 2)], kKeepFace);
        }
        return true;
    }
    return false;
}

// Quiet while above 0, a new thought at 0, shown down to -1200.
void RunThoughtClock(CPerson& p, bool adult)
{
    p.thoughtCountdown--;
    if (p.thoughtCountdown > 0) {
        p.thoughtId = -1;
    } else if (p.thoughtCountdown < -kShownFrames) {
        p.ChangeEmotion(RangedRandom(0, 1) == 0 ? NEUTRAL : SMILE, -1);
        p.ClearThoughts();
    } else if (p.thoughtCountdown == 0 && !(adult && WorkThought(p))) {
        p.PickCatalogueThought();
    }
}

// A one- or two-year-old has one thought in its life.
void BabyThought(CPerson& p)
{
    const int years = p.GetAge();
    if ((years == 1 || years == 2) && !p.data.babyThoughtShown) {
        p.data.babyThoughtShown = 1;
        p.thoughtId = kFirstBabyThought + 2 * RangedRandom(0, 4);
        p.thoughtCountdown = 0;
    } else if (p.thoughtCountdown > -kShownFrames) {
        p.thoughtCountdown--;
        if (p.thoughtCountdown == -kShownFrames) {
            p.thoughtId = -1;
        }
    }
}

}  // namespace

float CPerson::GetDepth()
{
    CMap* island = CControllerGame::island;
    return island ? island->GetWaterDepth(GetX(), GetY(), 50) : 1.0f;
}

void CPerson::HandleStatusAndThoughts(bool held)
{
    const int years = GetAge();
    const bool baby = years < 3, adult = years >= 14, kid = !baby && !adult;
    const bool inWater = depthFactor < kInWater;
    const bool rain = Raining();

    if (!held) {
        if (statusTimer < 1) {
            statusTimer = RangedRandom(900, 1800);
            if (baby) {
                statusTextId = RangedRandom(9300, 9310);
            } else if (adult) {
                statusTextId = inWater ? RangedRandom(9150, 9157) : RangedRandom(9100, 9104);
            } else if (inWater) {
                statusTextId = RangedRandom(9230, 9232);
            } else {
                statusTextId = rain ? RangedRandom(9260, 9261) : RangedRandom(9200, 9208);
            }
        } else {
            statusTimer--;
        }
        // A text drawn on land must not outlast a wade, nor one of the rain
        // the sunshine.
        if (inWater) {
            if (kid && !InRange(statusTextId, 9230, 9232)) {
                statusTextId = RangedRandom(9230, 9232);
            } else if (baby) {
                statusTextId = 9230;
            } else if (adult && statusTextId < 9150) {
                statusTextId = RangedRandom(9150, 9157);
            }
        } else if (!rain) {
            if (baby && statusTextId == 9230) {
                statusTextId = RangedRandom(9300, 9310);
            } else if (kid && statusTextId >= 9230) {
                statusTextId = RangedRandom(9200, 9208);
            } else if (adult && statusTextId >= 9150) {
                statusTextId = RangedRandom(9100, 9104);
            }
        } else if (kid && !InRange(statusTextId, 9260, 9261)) {
            statusTextId = RangedRandom(9260, 9261);
        }
    }
    if (adult) {
        if (!idle && currentTask != kWalkTask) {
            statusTextId = -1;
        }
        if (idle) {
            wanderTimer--;
            if (data.energy < kLow) {
                statusTextId = 9106;
            } else if (data.food < kLow) {
                statusTextId = 9105;
            }
        }
    }

    if (speechId == -1) {
        if (baby) {
            BabyThought(*this);
        } else if (!adult) {
            RunThoughtClock(*this, false);
        } else {
            const bool resting =
                !idle && (currentTask == kEatTask || currentTask == kSleepTask || currentTask == kHutTask);
            if (resting || !NeedThought(*this)) {
                RunThoughtClock(*this, true);
            }
        }
    }

    if (!idle && (currentSubTask == kHutSleepSubTask || currentTask == kHutTask)) {
        thoughtId = -1;
    }
    if (speechTimer > 0) {
        speechTimer--;
        if (speechTimer < 1) {
            speechId = -1;
            speechTimer = 0;
            ChangeEmotion(RangedRandom(0, 1) == 0 ? NEUTRAL : SMILE, -1);
            ClearThoughts();
        }
    }
    // Just selected: the player gets at least two seconds to read it.
    if (selectedObject == this && lastSelectedPerson != this) {
        if (speechId != -1) {
            speechTimer = std::max(speechTimer, kNewlySelectedLeft);
        } else if (thoughtId != -1 && thoughtCountdown < kNewlySelectedLeft - kShownFrames) {
            thoughtCountdown = kNewlySelectedLeft - kShownFrames;
        }
    }
    if (surprisedFrames > 0) {
        surprisedFrames--;
    }
}
