// Integer colour conversions between RGB (channels 0..255) and the 0..100
// scales the clothes designer works in (hue included: 33 is a third of the
// circle, 100 the full circle). The designer's preview, its slider pictures
// (painted by the drawing context) and the saved colours must agree pixel
// for pixel, so the arithmetic is exact integer work with truncating
// divisions; only the few steps that say so round. Pure functions, no state.
#pragma once

struct SRGB {
    int red;
    int green;
    int blue;
};

struct SHSV {
    int hue;
    int saturation;
    int value;
};

// hue, saturation and value each 0..100; hue 100 is hue 0 again.
SRGB HSV2RGB(int hue, int saturation, int value);
SRGB HSV2RGB(SHSV colour);

// Channels 0..255. A grey (black included) has hue 0 and saturation 0. A
// round trip through HSV2RGB need not give the colour back.
SHSV RGB2HSV(int red, int green, int blue);
SHSV RGB2HSV(SRGB colour);

// hue, saturation and lightness each 0..100.
SRGB HSL2RGB(int hue, int saturation, int lightness);
// One channel of HSL2RGB on the 0..100 scale, for the hue position x.
int helperHSL2RGB(int m1, int m2, int x);
