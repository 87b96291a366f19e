#include "CBuilding.h"

#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kShip = 13;
constexpr int kBuildTask = 5;
constexpr int kDemolishQuestionId = 12003;
constexpr int kSailQuestionId = 12354;
constexpr int kPotionToolTipId = 15016;
constexpr int kPotionToolTipFrames = 270;
constexpr int kBuildingPotion = 4;
constexpr int kStardustWork = 1500;
constexpr int kNoQuestion = 0;
constexpr int kBuildingId = 2024;
constexpr int kDemolishingId = 2025;
constexpr int kDemolishButtonId = 3020;
constexpr int kMoondustDoses = 5;

}  // namespace

void CBuilding::Ask(int stringId)
{
    requestingFeedbackData = feedback_data{};
    requestingFeedbackData.id = stringId;
    requestingFeedback = this;
}

int CBuilding::DroppedOn()
{
    if (GetType() == kShip && IsComplete()) {
        Ask(kSailQuestionId);
        sailQuestion = true;
        return 0;
    }
    return IsComplete() ? 0 : kBuildTask;
}

void CBuilding::SetBuildingDemolitionState(bool demolish)
{
    if (!demolish) {
        record.demolishing = 0;
        return;
    }
    Ask(kDemolishQuestionId);
    sailQuestion = false;
}

void CBuilding::GiveResponse(bool yes)
{
    // Every answer settles the pending question, whichever it was.
    const bool sailing = sailQuestion;
    sailQuestion = false;
    if (yes && sailing) {
        setSail = true;
    } else if (yes) {
        AddObstructions(false);
        record.demolishing = 1;
        // Forgotten now, not when the last beam is gone: a building coming
        // down still counted as the finished one would raise the lessons
        // about a finished farm, shipyard or wonder and have them select a
        // building that is already hidden.
        ForgetCompletion();
    }
    if (requestingFeedback == this) {
        requestingFeedbackData.id = kNoQuestion;
        requestingFeedback = nullptr;
    }
}

void CBuilding::TopUp(float threshold)
{
    // Each step brings the building closer, so this many steps always suffice.
    const long long steps = static_cast<long long>(requiredWork) + requiredWood + requiredRock;
    for (long long i = 0; i < steps && PercentageComplete() < threshold; i++) {
        if (!HasAllCompletionPoints()) {
            Build(1);
        }
        if (!HasAllResources()) {
            AddResource(1, WhichResourceIsNeeded());
        }
    }
}

bool CBuilding::AcceptStardust()
{
    // The tutorial's dust steps top a building up to nearly finished; one
    // coming down is left to the ordinary rules.
    if (!record.demolishing) {
        if (CTutorialDialog::IsTutorialComplete(32) && !CTutorialDialog::IsTutorialComplete(33)) {
            CTutorialDialog::CompleteTutorial(33);
            TopUp(96.0f);
            return true;
        }
        if (CTutorialDialog::IsTutorialComplete(49) && !CTutorialDialog::IsTutorialComplete(50)) {
            CTutorialDialog::CompleteTutorial(50);
            TopUp(98.0f);
            return true;
        }
    }
    if (IsComplete()) {
        return false;
    }
    if (!record.demolishing) {
        record.work = std::min(requiredWork, record.work + kStardustWork);
        const float share = requiredWork > 0 ? static_cast<float>(record.work) / static_cast<float>(requiredWork) : 1;
        while (requiredWood > 0 && record.wood < requiredWood &&
               share > static_cast<float>(record.wood) / static_cast<float>(requiredWood)) {
            record.wood++;
        }
        while (requiredRock > 0 && record.rock < requiredRock &&
               share > static_cast<float>(record.rock) / static_cast<float>(requiredRock)) {
            record.rock++;
        }
        return true;
    }
    for (int i = 0; i < kStardustWork; i++) {
        Build(1);
    }
    const float share = requiredWork > 0 ? static_cast<float>(record.work) / static_cast<float>(requiredWork) : 0;
    while (requiredWood > 0 && record.wood >= 1 &&
           static_cast<float>(record.wood) / static_cast<float>(requiredWood) > share) {
        record.wood--;
    }
    while (requiredRock > 0 && record.rock >= 1 &&
           static_cast<float>(record.rock) / static_cast<float>(requiredRock) > share) {
        record.rock--;
    }
    return true;
}

bool CBuilding::AcceptPotion(int potion)
{
    if (potion != kBuildingPotion || IsComplete() || record.demolishing) {
        return false;
    }
    ShowToolTip(kPotionToolTipId, kPotionToolTipFrames);
    AcceptMoondust();
    if (!IsComplete()) {
        AcceptMoondust();
    }
    return true;
}

void CBuilding::Damage()
{
    record.work /= 2;
}

selection_result CBuilding::GetSelectedTopDetail()
{
    selection_result detail{};
    if (record.demolishing) {
        detail.id = kDemolishingId;
        detail.number = Round(100.0f - PercentageComplete());
    } else if (!IsComplete()) {
        detail.id = kBuildingId;
        detail.number = Round(PercentageComplete());
    } else {
        return detail;
    }
    // Never reads 100: a finished building shows no percentage at all.
    detail.number = std::clamp(detail.number, 0, 99);
    return detail;
}

selection_result CBuilding::GetSelectedDetailButton()
{
    return selection_result{record.demolishing ? -1 : kDemolishButtonId, 0, nullptr, nullptr, 0, 0};
}

void CBuilding::RespondToDetailButtonClick()
{
    SetBuildingDemolitionState(true);
}

bool CBuilding::DoseMoondust()
{
    const bool wasComplete = IsComplete();
    bool taken = false;
    for (int dose = 0; dose < kMoondustDoses && IsComplete() == wasComplete; dose++) {
        taken = AcceptStardust() || taken;
    }
    return taken;
}

void CBuilding::AnswerNotices(bool yes, int notice, int otherNotice)
{
    const int id = requestingFeedbackData.id;
    if (id != notice && id != otherNotice) {
        CBuilding::GiveResponse(yes);
        return;
    }
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
        requestingFeedbackData.noticeOnly = 0;
    }
}
