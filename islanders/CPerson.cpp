#include "CPerson.h"

#include "CProfile.h"

namespace {

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
