#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CProfile.h"

#include <algorithm>

namespace {

constexpr int kFramesPerYear = 172800;
constexpr int kSurprisedFrames = 45;
constexpr int kPeopleProperty = 4;
constexpr int kTaskQueueProperty = 5;
constexpr int kLastIdProperty = 14;
constexpr int kCraftQueueProperty = 15;
constexpr int kPickupQueueProperty = 39;

}  // namespace

bool CPerson::didRollover = false;
std::vector<person_data> CPerson::band;
std::vector<task_item> CPerson::taskQueue;
game_data CPerson::gameData = {0};
std::vector<craft_data> CPerson::craftQueue, CPerson::pickupQueue;
std::vector<CPerson*> CPerson::people;

CPerson::CPerson(int atX, int atY, int ageFrames)
    : age(ageFrames), gender(0), pickedUp(false), hiddenAway(false), surprisedFrames(0)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    isPerson = true;
    people.push_back(this);
}

CPerson::~CPerson()
{
    people.erase(std::remove(people.begin(), people.end(), this), people.end());
}

void CPerson::Hide() {}
void CPerson::UnHide() {}

void CPerson::Pump(int, int, int)
{
    if (surprisedFrames > 0) {
        surprisedFrames--;
    }
}

void CPerson::Rollover(bool) {}

sidebar_image CPerson::GetSpriteForSidebar()
{
    return sidebar_image{-1, "", -1};
}

bool CPerson::IsBaby()
{
    return age / kFramesPerYear < 3;
}

bool CPerson::IsKid()
{
    const int years = age / kFramesPerYear;
    return years >= 3 && years <= 13;
}

float CPerson::GetDepth()
{
    CMap* island = CControllerGame::island;
    return island ? island->GetWaterDepth(GetX(), GetY(), 50) : 1.0f;
}

void CPerson::PreLoadClothes() {}
void CPerson::UnPreLoadClothes() {}

void CPerson::SavePeople()
{
    CProfile* profile = CProfile::current;
    profile->SetVectorValue<person_data>(kPeopleProperty, band);
    profile->SetVectorValue<task_item>(kTaskQueueProperty, taskQueue);
    profile->SetValue<game_data>(kLastIdProperty, gameData);
    profile->SetVectorValue<craft_data>(kCraftQueueProperty, craftQueue);
    profile->SetVectorValue<craft_data>(kPickupQueueProperty, pickupQueue);
}

void CPerson::LoadPeople()
{
    CProfile* profile = CProfile::current;
    taskQueue = profile->GetVectorValue<task_item>(kTaskQueueProperty);
    band = profile->GetVectorValue<person_data>(kPeopleProperty);
    gameData = profile->GetValue<game_data>(kLastIdProperty);
    craftQueue = profile->GetVectorValue<craft_data>(kCraftQueueProperty);
    pickupQueue = profile->GetVectorValue<craft_data>(kPickupQueueProperty);
}

void CPerson::Lightning()
{
    for (CPerson* person : people) {
        if (!person->IsBaby() && !person->deleteMe) {
            person->surprisedFrames = kSurprisedFrames;
        }
    }
}
