// Integer colour conversions between RGB (channels 0..255) and the 0..100
// scales the clothes designer works in. The designer's preview, its slider
// pictures (painted by the drawing context) and the saved colours must agree
// pixel for pixel, so the arithmetic is exact integer work with truncating
// divisions. Pure functions, no state.
#pragma once

struct SRGB {
    int red;
    int green;
    int blue;
};

// hue, saturation and value each 0..100; hue 100 is hue 0 again.
SRGB HSV2RGB(int hue, int saturation, int value);
