#include "CPerson.h"

#include "ClothesColours.h"
#include "Utilities.h"


namespace {

// A group of one colour takes no draw.
template <size_t N>
RGBA_data Pick(const RGBA_data (&colours)[N])
{
    return N == 1 ? colours[0] : colours[RangedRandom(0, static_cast<int>(N) - 1)];
}

// Draws the group (0..2 plain, 3..7 bright, 8..9 blue) and then the colour.
template <size_t A, size_t B, size_t C>
RGBA_data PickByGroup(const RGBA_data (&plain)[A], const RGBA_data (&bright)[B], const RGBA_data (&blue)[C])
{
    const int group = RangedRandom(0, 9);
    return group <= 2 ? Pick(plain) : group <= 7 ? Pick(bright) : Pick(blue);
}

}  // namespace

void CPerson::RandomizeClothesColour(RGBA_data& colour, bool top, bool male)
{
    using namespace clothes_colours;
    if (male) {
        colour = top ? PickByGroup(kManTopPlain, kManTopBright, kManTopBlue)
                     : PickByGroup(kManBottomPlain, kManBottomGreen, kManBottomBlue);
    } else if (top) {
        colour = RangedRandom(0, 2) == 0 ? Pick(kWomanTopPlain) : Pick(kWomanTopBright);
    } else {
        colour = PickByGroup(kWomanBottomPlain, kWomanBottomBright, kWomanBottomBlue);
    }
    colour.a = 255;
}
