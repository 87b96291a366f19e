// Families: the pairing question when a man and a woman are dropped on each
// other, the answer, the making of a child from two parents, and the births
// that happen without frames (the screen closing, time away).
#include "CPerson.h"

#include "CControllerTrophies.h"
#include "CHut.h"
#include "CProfile.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int64_t kBirthRest = 2 * kTicksPerYear;
constexpr int kFirstCrateOpened = 38;
constexpr int kLargestBand = 51, kBirths = 52, kTwinBirths = 53;
constexpr int kBandLimit = 50;
constexpr int kHutTask = 10;
constexpr int kSetOffWait = 30;

constexpr int kPairingQuestion = 12004;
constexpr int kNoHutNotice = 12301, kTooYoungManNotice = 12302, kTooYoungWomanNotice = 12303;
constexpr int kTooOldNotice = 12304, kRecentBirthNotice = 12305, kBandFullNotice = 12356;

bool InRange(int id, int first, int last) { return id >= first && id <= last; }

// Notices islanders raise through the same channel as the question: a yes
// to any of them pairs nobody.
bool IsIslanderNotice(int id)
{
    return id == 12215 || InRange(id, 12301, 12305) || InRange(id, 12308, 12322) || id == 12356 ||
           id == 26405 || id == 26406 || id == 26610 || id == 26611;
}

void Ask(CPerson& asker, int id, const char* first, const char* second, bool noticeOnly)
{
    CObject::requestingFeedback = &asker;
    CObject::requestingFeedbackData = feedback_data{};
    CObject::requestingFeedbackData.id = id;
    CObject::requestingFeedbackData.insert[0] = first ? first : "";
    CObject::requestingFeedbackData.insert[1] = second ? second : "";
    CObject::requestingFeedbackData.noticeOnly = noticeOnly ? 1 : 0;
}

void NoticeNaming(CPerson& asker, int id, CPerson* named)
{
    Ask(asker, id, named ? named->GetASCIIName() : nullptr, nullptr, true);
}

bool Living(const CPerson* p) { return !p->deleteMe && !p->dying; }

bool Listed(const CPerson* p)
{
    return std::find(CPerson::people.begin(), CPerson::people.end(), p) != CPerson::people.end();
}

bool RestingAfterBirth(const CPerson& woman)
{
    return woman.data.gender == 1 && int64_t{woman.data.ageAtLastBirth} + kBirthRest > woman.data.age;
}

bool TooOld(const CPerson& p) { return p.GetAge() > (p.isMale ? 50 : 45); }

void AddToProfileInt(int key, int amount)
{
    if (CProfile::current) {
        CProfile::current->SetValue<int>(key, SaturatingAdd(CProfile::current->GetValue<int>(key), amount));
    }
}

// After the first child: twins when either parent took the potion, else one
// time in 21.
void MaybeTwins(CPerson& first, CPerson& second)
{
    if (!first.data.twinsPotion && !second.data.twinsPotion && RangedRandom(0, 20) != 0) {
        return;
    }
    first.twinsBorn = true;
    AddToProfileInt(kTwinBirths, 1);
    first.data.twinsPotion = 0;
    second.data.twinsPotion = 0;
    first.ProduceChildWith(&second, -1);
}

}  // namespace

int CPerson::DroppedOn()
{
    if (!CProfile::current || !CProfile::current->GetValue<bool>(kFirstCrateOpened)) {
        return 0;
    }
    // The held islander is excluded from searches; only it lies on top here.
    CObject* found = FindObjectAt(-1, -1, false, false);
    if (!found || !found->isPerson) {
        return 0;
    }
    CPerson* held = static_cast<CPerson*>(found);
    pairingCandidate = held;
    if (held->data.gender == data.gender) {
        return 0;
    }
    auto tooYoung = [](CPerson& p) { return p.GetAge() < 18; };
    auto youngNotice = [](CPerson& p) { return p.isMale ? kTooYoungManNotice : kTooYoungWomanNotice; };

    if (tooYoung(*this)) {
        NoticeNaming(*this, youngNotice(*this), this);
    } else if (RestingAfterBirth(*this)) {
        NoticeNaming(*this, kRecentBirthNotice, this);
    } else if (RestingAfterBirth(*held)) {
        NoticeNaming(*this, kRecentBirthNotice, held);
    } else if (tooYoung(*held)) {
        NoticeNaming(*this, youngNotice(*held), held);
    } else if (TooOld(*this)) {
        NoticeNaming(*this, kTooOldNotice, this);
    } else if (TooOld(*held)) {
        NoticeNaming(*this, kTooOldNotice, held);
    } else if (!CHut::FindFinishedHut()) {
        Ask(*this, kNoHutNotice, GetASCIIName(), held->GetASCIIName(), true);
    } else if (NumPeople() >= kBandLimit) {
        NoticeNaming(*this, kBandFullNotice, nullptr);
    } else {
        EndTask(false);
        held->EndTask(false);
        Ask(*this, kPairingQuestion, GetASCIIName(), held->GetASCIIName(), false);
    }
    return 0;
}

void CPerson::GiveResponse(bool yes)
{
    CPerson* other = pairingCandidate;
    // The question may have waited some frames for its turn: a candidate that
    // died or went meanwhile makes the answer a no.
    const bool candidateOk = other && other != this && Listed(other) && Living(other) && Living(this);
    if (yes && candidateOk && !IsIslanderNotice(requestingFeedbackData.id)) {
        EndTask(false);
        other->EndTask(false);
        partner = other;
        other->partner = this;
        hutTimer = kSetOffWait;
        for (CPerson* p : {this, other}) {
            p->taskFrames = 0;
            p->ChangeState(0);
            p->currentSubTask = 0;
            p->currentTask = kHutTask;
        }
        if (CTutorialDialog::IsTutorialComplete(36)) {
            CTutorialDialog::CompleteTutorial(37);
        }
    }
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
        requestingFeedbackData.noticeOnly = 0;
    }
}

CPerson* CPerson::ProduceChildWith(CPerson* other, int sex)
{
    if (!other) {
        return nullptr;
    }
    const genome genes = CrossGenome(data.genes, other->data.genes);
    const bool fixedSex = sex == 0 || sex == 1;
    CPerson* child = NewPerson(static_cast<int>(data.x), static_cast<int>(data.y), &genes, fixedSex, sex == 0,
                               fixedSex ? 0 : -1);
    child->UnHide();
    child->SetParents(isMale ? other->data.id : data.id, isMale ? data.id : other->data.id);

    AddToProfileInt(kBirths, 1);
    if (CProfile::current && NumPeople() > CProfile::current->GetValue<int>(kLargestBand)) {
        CProfile::current->SetValue<int>(kLargestBand, NumPeople());
    }

    const int parentIds[2] = {data.id, other->data.id};
    for (CPerson* p : people) {
        const bool sibling = p->data.motherId == parentIds[0] || p->data.motherId == parentIds[1] ||
                             p->data.fatherId == parentIds[0] || p->data.fatherId == parentIds[1];
        if (!sibling) {
            continue;
        }
        (child->isMale ? p->data.hasBrother : p->data.hasSister) = 1;
        (p->isMale ? child->data.hasBrother : child->data.hasSister) = 1;
    }
    for (CPerson* parent : {this, other}) {
        parent->data.isParent = 1;
        parent->data.ageAtLastBirth = parent->data.age;
        parent->data.childCount++;
        if (parent->data.gender == 1 && parent->data.childCount > 4) {
            CControllerTrophies::CompleteTrophy(0x80000);
        }
    }
    const int living = NumPeople();
    if (living > 9) {
        CControllerTrophies::CompleteTrophy(64);
    }
    if (living > 24) {
        CControllerTrophies::CompleteTrophy(0x40000);
    }
    if (living > 49) {
        CControllerTrophies::CompleteTrophy(0x1000000);
    }
    CTutorialDialog::CompleteTutorial(38);
    return child;
}

void CPerson::ProcessBabyMakingCouples()
{
    for (;;) {
        auto couple = std::find_if(people.begin(), people.end(), [](const CPerson* p) {
            return Living(p) && p->GetAge() >= 14 && p->currentTask == kHutTask && p->partner;
        });
        if (couple == people.end()) {
            return;
        }
        CPerson* first = *couple;
        CPerson* second = first->partner;
        first->ProduceChildWith(second, -1);
        MaybeTwins(*first, *second);
        first->partner = nullptr;
        second->partner = nullptr;
    }
}

void CPerson::MakeSomeBaby(bool boy)
{
    CPerson* woman = nullptr;
    CPerson* man = nullptr;
    for (CPerson* p : people) {
        if (!Living(p)) {
            continue;
        }
        const int years = p->GetAge();
        if (p->isMale && years >= 18 && years <= 50) {
            man = p;
        } else if (!p->isMale && years >= 18 && years <= 45) {
            woman = p;
        }
        if (woman && man) {
            break;
        }
    }
    if (woman && man) {
        woman->ProduceChildWith(man, boy ? 0 : 1);
    }
}

bool CPerson::MakingBabyRightNow() const
{
    return currentTask == kHutTask && currentSubTask == 11 && partner && partner->currentTask == kHutTask &&
           partner->currentSubTask == 11;
}
