#include "CFlyaway.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CSprite.h"
#include "CUtilBounce.h"
#include "Utilities.h"

#include <string>

namespace {

constexpr int kDigitZ = 8194000;
constexpr int kDigitImages = 16;
constexpr int kSpacing = 10;
constexpr float kRise = 2.0f;
constexpr int kFramesBetweenDigits = 2;
constexpr int kSwayRange = 4;
constexpr float kSwayExponent = 3.0f;
constexpr float kSwayAmplitude = 2.2f;
constexpr int kSwayPhases = 15;

int ScrollX()
{
    return CControllerGame::island ? CControllerGame::island->offsetX : 0;
}

int ScrollY()
{
    return CControllerGame::island ? CControllerGame::island->offsetY : 0;
}

}  // namespace

std::vector<CFlyaway*> CFlyaway::flyaways;

CFlyaway::CFlyaway(int shown, int atX, int atY)
    : x(static_cast<float>(atX)),
      y(static_cast<float>(atY)),
      number(shown),
      digits{},
      left(0),
      top(0),
      spacing(kSpacing),
      sway(nullptr),
      digitCount(0),
      frameCounter(0)
{
    int power = 1;
    for (int i = 0; i < DIGITS; i++) {
        if (number >= power) {
            LoadDigit(DIGITS - 1 - i, (number % (power * 10) - number % power) / power);
            digitCount++;
        }
        power *= 10;
    }
    CSprite* units = digits[DIGITS - 1];
    if (units) {
        left = static_cast<int>(x) - (digitCount - 1) * 5 - units->GetW() / 2;
        top = static_cast<int>(y) - units->GetH() / 2;
        for (CSprite* digit : digits) {
            if (digit) {
                digit->Move(0, top);
            }
        }
    }
    sway = new CUtilBounce(left, kSwayRange, kSwayExponent, kSwayAmplitude, RangedRandom(0, kSwayPhases));
}

CFlyaway::~CFlyaway()
{
    for (CSprite*& digit : digits) {
        if (digit) {
            digit->Hide();
            delete digit;
            digit = nullptr;
        }
    }
    delete sway;
}

void CFlyaway::LoadDigit(int index, int digit)
{
    CSprite* sprite = new CSprite(kDigitZ, 1);
    const std::string prefix = "flyaway" + std::to_string(digit) + "-";
    sprite->LoadImage(prefix.c_str(), 0, kDigitImages - 1, ".png");
    sprite->PauseWhenDone();
    sprite->Hide();
    delete digits[index];
    digits[index] = sprite;
}

void CFlyaway::Pump()
{
    int k = 0;
    for (CSprite* digit : digits) {
        if (!digit) {
            continue;
        }
        if (digit->Hidden() && frameCounter >= kFramesBetweenDigits * k) {
            digit->UnHide();
        }
        k++;
    }
    frameCounter++;
    sway->Pump();
    int place = 0;
    for (CSprite* digit : digits) {
        if (!digit) {
            continue;
        }
        if (!digit->Hidden()) {
            if (digit->Paused()) {
                digit->Hide();
            } else {
                y -= kRise;
                digit->Move(sway->GetVal() + place * spacing + ScrollX(), static_cast<int>(y) + ScrollY());
            }
        }
        place++;
    }
}

bool CFlyaway::Finished()
{
    for (CSprite* digit : digits) {
        if (digit && (!digit->Hidden() || !digit->Paused())) {
            return false;
        }
    }
    return true;
}

void CFlyaway::AddFlyaway(int number, int atX, int atY)
{
    flyaways.push_back(new CFlyaway(number, atX, atY));
}

void CFlyaway::PumpFlyaways()
{
    for (CFlyaway* flyaway : flyaways) {
        flyaway->Pump();
    }
    for (size_t i = 0; i < flyaways.size();) {
        if (flyaways[i]->Finished()) {
            delete flyaways[i];
            flyaways.erase(flyaways.begin() + static_cast<long>(i));
        } else {
            i++;
        }
    }
}

void CFlyaway::RemoveFlyaways()
{
    for (CFlyaway* flyaway : flyaways) {
        delete flyaway;
    }
    flyaways.clear();
}
