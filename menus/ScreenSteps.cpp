#include "ScreenSteps.h"

#include "CController.h"
#include "CMouseCursor.h"
#include "CRenderer.h"

void DirtyAroundPointer()
{
    if (CController::renderer) {
        CController::renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100,
                                               100, true);
    }
}

void HourglassSteps()
{
    CMouseCursor::ShowHourglass(true);
    if (CController::renderer) {
        CController::renderer->Render(true);
    }
    DirtyAroundPointer();
    CMouseCursor::HideMouse(0, true);
}

void CloseScreen(CController* screen)
{
    HourglassSteps();
    screen->ShutDown(0);
}

void OverlayReturn()
{
    if (CController::renderer) {
        CController::renderer->Swap();
        CController::renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
    CMouseCursor::ShowMouse();
    DirtyAroundPointer();
}
