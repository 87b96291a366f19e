// Words set in the game's own bold typeface, smooth-edged, for the few
// pictures that carry a name the player reads at a glance (a trophy's
// ribbon). The builder's blocky 5x8 font stays for labels of placeholders;
// at 10 to 14 px a real typeface reads where the blocky one does not.
#pragma once

#include "CPictureCanvas.h"

#include <string>

// The width the text takes at a pixel height (the font's ascent to descent).
float LetteringWidth(const std::string& text, float pixelHeight);
// The largest pixel height, at most maxHeight, at which the text fits
// maxWidth.
float FitLettering(const std::string& text, float maxWidth, float maxHeight);
// The text centred on centre (both ways, by its capitals' height), ink
// blended by each pixel's coverage. Characters outside plain ASCII are
// skipped.
void PaintLettering(CPictureCanvas& canvas, const std::string& text, paint_point centre, float pixelHeight,
                    paint_colour ink);
