// The steps every menu screen takes around its children: the hourglass
// before a child opens or the screen closes, and the redraw when an overlay
// child hands the screen back.
#pragma once

class CController;

// Hourglass, one render, the square round the pointer queued, pointer hidden.
void HourglassSteps();
// The hourglass steps, then the screen closes with code 0.
void CloseScreen(CController* screen);
// The square round the pointer (x - 50, y - 50, 100 x 100) queued for redraw.
void DirtyAroundPointer();
// After an overlay child was deleted: the parked sprites back, the whole
// screen and the pointer's square redrawn, the pointer shown.
void OverlayReturn();
