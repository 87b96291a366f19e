#include "CUtilBounce.h"

#include <cmath>
#include <cstdlib>

CUtilBounce::CUtilBounce(int base, int range, float exponent, float amplitude, int phase)
    : base(static_cast<float>(base)),
      position(0),
      // A range of 0 would divide by zero below and in Pump, and a
      // negative one would turn at the wrong ends.
      range(range > 0 ? range : 1),
      exponent(exponent),
      amplitude(amplitude),
      direction(1),
      value(0.0f)
{
    const int quarter = phase / this->range;
    const int rest = phase % this->range;
    switch (quarter % 4) {
    case 0: position = rest; direction = 1; break;
    case 1: position = this->range - rest; direction = -1; break;
    case 2: position = -rest; direction = -1; break;
    default: position = rest - this->range; direction = 1; break;
    }
}

void CUtilBounce::Pump()
{
    position += direction;
    if (position >= range) {
        direction = -1;
    }
    if (position <= -range) {
        direction = 1;
    }
    const float ratio = static_cast<float>(std::abs(position)) / static_cast<float>(range);
    value = static_cast<float>((1.0 - std::pow(static_cast<double>(ratio), static_cast<double>(exponent))) *
                               static_cast<double>(amplitude));
    if (direction == -1) {
        value = -value;
    }
}

int CUtilBounce::GetVal() const
{
    return static_cast<int>(base + value);
}
