#include "ColourConversion.h"

#include "Utilities.h"

SRGB HSV2RGB(int hue, int saturation, int value)
{
    const int sector = hue * 6 / 100;
    // The position inside the sector, 0..100, rounded once in single precision.
    const int f = Round(static_cast<float>((hue * 6 / 100.0 - sector) * 100));
    const int p = (100 - saturation) * value / 100;
    const int q = (10000 - saturation * f) * value / 10000;
    const int t = (10000 - saturation * (100 - f)) * value / 10000;

    int r, g, b;
    switch (sector) {
    case 1: r = q; g = value; b = p; break;
    case 2: r = p; g = value; b = t; break;
    case 3: r = p; g = q; b = value; break;
    case 4: r = t; g = p; b = value; break;
    case 5: r = value; g = p; b = q; break;
    default: r = value; g = t; b = p; break;  // 0, and 6 for hue 100
    }
    return SRGB{r * 255 / 100, g * 255 / 100, b * 255 / 100};
}
