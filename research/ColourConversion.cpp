#include "ColourConversion.h"

#include "Utilities.h"

#include <algorithm>

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

SRGB HSV2RGB(SHSV colour)
{
    return HSV2RGB(colour.hue, colour.saturation, colour.value);
}

namespace {

int ToHundred(int channel)
{
    return Round(static_cast<float>(channel * 100.0 / 255.0));
}

}  // namespace

SHSV RGB2HSV(int red, int green, int blue)
{
    const int r = ToHundred(red);
    const int g = ToHundred(green);
    const int b = ToHundred(blue);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    const int d = max - min;
    if (d == 0) {
        return SHSV{0, 0, max};
    }
    const int half = d * 50;
    const int dR = ((max - r) * 100 / 6 + half) / d;
    const int dG = ((max - g) * 100 / 6 + half) / d;
    const int dB = ((max - b) * 100 / 6 + half) / d;
    int hue;
    if (max == r) {
        hue = dB - dG;
    } else if (max == g) {
        hue = dR - dB + 33;
    } else {
        hue = dG - dR + 66;
    }
    if (hue < 0) {
        hue += 100;
    }
    if (hue > 100) {
        hue -= 100;
    }
    return SHSV{hue, d * 100 / max, max};
}

SHSV RGB2HSV(SRGB colour)
{
    return RGB2HSV(colour.red, colour.green, colour.blue);
}

SRGB HSL2RGB(int hue, int saturation, int lightness)
{
    const int m2 = lightness > 49 ? lightness + saturation - saturation * lightness / 100
                                  : (saturation + 100) * lightness / 100;
    const int m1 = 2 * lightness - m2;
    const int r = helperHSL2RGB(m1, m2, hue + 33);
    const int g = helperHSL2RGB(m1, m2, hue);
    const int b = helperHSL2RGB(m1, m2, hue - 33);
    return SRGB{r * 255 / 100, g * 255 / 100, b * 255 / 100};
}

int helperHSL2RGB(int m1, int m2, int x)
{
    if (x < 0) {
        x += 100;
    } else if (x > 100) {
        x -= 100;
    }
    if (6 * x <= 99) {
        return m1 + 6 * x * (m2 - m1) / 100;
    }
    if (2 * x <= 99) {
        return m2;
    }
    if (3 * x > 199) {
        return m1;
    }
    return m1 + 6 * (m2 - m1) * (66 - x) / 100;
}
