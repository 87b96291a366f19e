// Shared by the islander painters: the palettes and the painters of the
// pictures that are not drawn from a body pose (heads, faces, hair, goods,
// shadows, rings and effects).
#pragma once

#include "CFigureCanvas.h"
#include "PackFigures.h"

namespace figure_parts {

// Skin tones 0..3, light to dark.
figure_colour Skin(int tone);
// The same colour darker (factor below 1) or lighter (above 1), alpha kept.
figure_colour Shade(figure_colour colour, float factor);

void DrawHead(const figure_data& figure, CFigureCanvas& canvas);
void DrawEyelid(const figure_data& figure, CFigureCanvas& canvas);
void DrawMouth(const figure_data& figure, CFigureCanvas& canvas);
void DrawHair(const figure_data& figure, CFigureCanvas& canvas);
void DrawGood(const figure_data& figure, CFigureCanvas& canvas);
void DrawShadow(const figure_data& figure, CFigureCanvas& canvas);
void DrawRing(const figure_data& figure, CFigureCanvas& canvas);
void DrawSplash(const figure_data& figure, CFigureCanvas& canvas);
void DrawDust(const figure_data& figure, CFigureCanvas& canvas);

}  // namespace figure_parts
