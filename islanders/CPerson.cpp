#include "CPerson.h"

#include "CControllerGame.h"
#include "CMap.h"

#include <algorithm>

namespace {

constexpr int kFramesPerYear = 172800;
constexpr int kSurprisedFrames = 45;

}  // namespace

bool CPerson::didRollover = false;
std::vector<CPerson*> CPerson::people;

CPerson::CPerson(int atX, int atY, int ageFrames) : age(ageFrames), hiddenAway(false), surprisedFrames(0)
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

void CPerson::Lightning()
{
    for (CPerson* person : people) {
        if (!person->IsBaby() && !person->deleteMe) {
            person->surprisedFrames = kSurprisedFrames;
        }
    }
}
