// What a selected islander shows in the side panel, the islanders' names as
// 8-bit text, and the small searches that pick an islander from the band.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "FontSystem.h"
#include "Utilities.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kNameChars = 10;
constexpr int kAdultYears = 14;
// Top line by age: babies below 2, at 2, small children (boy, girl), older
// children (boy, girl); adults without a skill, with one, master of several.
constexpr int kBabyTextId = 8002, kTwoYearOldTextId = 8003;
constexpr int kSmallBoyTextId = 8004, kOlderBoyTextId = 8006;
constexpr int kNoSkillTextId = 8000, kSkilledTextId = 8001, kMultipleMasterTextId = 8008;
constexpr int kRankTextId = 11120, kSpecialtyTextId = 11100;
constexpr int kTaskTextId = 9000, kAsleepTextId = 9019;
constexpr int kAsleepInHutSubTask = 9;
constexpr int kDetailButtonTextId = 3021;
constexpr int kBottomLineOffsetY = 10;

int IndexOf(const CPerson* p)
{
    const auto it = std::find(CPerson::people.begin(), CPerson::people.end(), p);
    return it == CPerson::people.end() ? -1 : static_cast<int>(it - CPerson::people.begin());
}

bool Living(const CPerson* p)
{
    return !p->deleteMe && !p->dying;
}

}  // namespace

selection_result CPerson::GetSelectedName()
{
    selection_result result{};
    result.id = data.nameId;
    result.text1 = data.customName[0] ? data.customName : nullptr;
    return result;
}

selection_result CPerson::GetSelectedTopDetail()
{
    selection_result result{};
    const int years = GetAge();
    const int girl = isMale ? 0 : 1;
    if (years < 2) {
        result.id = kBabyTextId;
    } else if (years == 2) {
        result.id = kTwoYearOldTextId;
    } else if (years <= 5) {
        result.id = kSmallBoyTextId + girl;
    } else if (years <= 13) {
        result.id = kOlderBoyTextId + girl;
    } else if (GetSkillSpecialty() == -1) {
        result.id = kNoSkillTextId;
    } else if (MultipleMaster()) {
        result.id = kMultipleMasterTextId;
    } else {
        // The panel's text resolves these ids through the string table.
        rankText = std::to_string(kRankTextId + GetSkillRank());
        specialtyText = std::to_string(kSpecialtyTextId + GetSkillSpecialty());
        result.id = kSkilledTextId;
        result.text1 = rankText.c_str();
        result.text2 = specialtyText.c_str();
    }
    return result;
}

selection_result CPerson::GetSelectedBottomDetail()
{
    selection_result result{};
    if (currentSubTask == kAsleepInHutSubTask) {
        result.id = kAsleepTextId;
    } else if (statusTextId != -1) {
        result.id = statusTextId;
    } else if (idle) {
        result.id = kTaskTextId;
    } else {
        result.id = kTaskTextId + std::max(currentTask, 0);
    }
    result.offsetY = kBottomLineOffsetY;
    return result;
}

selection_result CPerson::GetSelectedDetailButton()
{
    selection_result result{};
    result.id = kDetailButtonTextId;
    return result;
}

void CPerson::RespondToDetailButtonClick()
{
    CControllerGame::ShowPersonDetail(GetSelectedPerson());
}

selection_result CPerson::GetTooltipForSidebar()
{
    selection_result result{};
    if (thoughtId == -1 && speechId == -1) {
        return result;
    }
    // Texts about an islander come in pairs: the man's, then the woman's.
    result.id = (speechId != -1 ? speechId : thoughtId) + (isMale ? 0 : 1);
    result.number = data.nameId;
    result.text1 = data.customName[0] ? data.customName : nullptr;
    result.text2 = speechName.empty() ? nullptr : speechName.c_str();
    return result;
}

CPerson* CPerson::GetSelectedPerson()
{
    CObject* selected = selectedObject;
    for (CPerson* person : people) {
        if (person == selected) {
            return person;
        }
    }
    return nullptr;
}

CPerson* CPerson::GetNextPerson(CPerson* p)
{
    if (people.empty()) {
        return nullptr;
    }
    if (!p) {
        return people.front();
    }
    const int i = IndexOf(p);
    return i < 0 ? nullptr : people[(i + 1) % people.size()];
}

CPerson* CPerson::GetPreviousPerson(CPerson* p)
{
    if (people.empty()) {
        return nullptr;
    }
    if (!p) {
        return people.front();
    }
    const int i = IndexOf(p);
    return i < 0 ? nullptr : people[(i + people.size() - 1) % people.size()];
}

CPerson* CPerson::GetYoungest(int sex)
{
    CPerson* youngest = nullptr;
    for (CPerson* person : people) {
        if (!Living(person) || ((sex == 0 || sex == 1) && person->data.gender != sex)) {
            continue;
        }
        if (!youngest || person->data.age < youngest->data.age) {
            youngest = person;
        }
    }
    return youngest;
}

void CPerson::SelectYoungest()
{
    if (CPerson* youngest = GetYoungest(-1)) {
        selectedObject = youngest;
    }
}

void CPerson::SelectAnAdult()
{
    for (CPerson* person : people) {
        if (person->GetAge() >= kAdultYears && !person->deleteMe) {
            selectedObject = person;
            return;
        }
    }
}

int CPerson::GetOldestPerson()
{
    int oldest = 0;
    for (CPerson* person : people) {
        if (Living(person)) {
            oldest = std::max(oldest, person->GetAge());
        }
    }
    return oldest;
}

void CPerson::CenterOnClosestAdult()
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return;
    }
    const float fromX = static_cast<float>(300 - island->offsetX);
    const float fromY = static_cast<float>(300 - island->offsetY);
    CPerson* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (CPerson* person : people) {
        if (person->GetAge() < kAdultYears || person->pickedUp) {
            continue;
        }
        const float distance = GetDist(fromX, fromY, person->data.x, person->data.y);
        if (!nearest || distance < nearestDistance) {
            nearest = person;
            nearestDistance = distance;
        }
    }
    if (!nearest) {
        return;
    }
    island->StopCenteringScreen();
    island->CenterScreen(Round(nearest->data.x), Round(nearest->data.y), false, false, false);
}

const char* CPerson::GetASCIIName()
{
    if (data.customName[0]) {
        return data.customName;
    }
    const std::string name = FontSystem_GetASCIIString(data.nameId);
    const size_t length = std::min<size_t>(name.size(), kNameChars);
    std::memcpy(asciiName, name.data(), length);
    asciiName[length] = '\0';
    return asciiName;
}

const char* CPerson::GetASCIINameFromID(int id)
{
    for (CPerson* person : people) {
        if (person->data.id == id) {
            return person->GetASCIIName();
        }
    }
    return nullptr;
}

void CPerson::SetASCIIName(const std::string& name)
{
    std::memset(data.customName, 0, sizeof data.customName);
    std::memcpy(data.customName, name.data(), std::min<size_t>(name.size(), kNameChars));
}

void CPerson::MoveEveryoneTo(int x, int y)
{
    const std::vector<CPerson*> band = people;
    for (CPerson* person : band) {
        if (person->CanWeMoveTo(x, y)) {
            person->EndTask(false);
            person->SetSubTask(1, x, y);
            person->ChangeTask(1);
        }
    }
}
