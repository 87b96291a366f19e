// The build menu opened as the game screen opens it, over the services'
// fixture with real pictures: an opener that deletes the menu when it comes
// back and counts the returns, and a player who points at the menu's items
// and clicks them.
#pragma once

#include "tests/research/ResearchScreenFixture.h"

#include "CBuilding.h"
#include "CControllerBuild.h"
#include "CShipyard.h"
#include "QuietScreen.h"

using BuildMenuOpener = ClosingOpener<CControllerBuild>;

class BuildMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        profile->SetValue<bool>(67, false);
        CObject::placingBuilding = -1;
        CShipyard::numBuilt = 0;
        builder.hasFocus = true;
        CController::focus = &builder;
    }

    void TearDown() override
    {
        delete builder.screen;
        builder.screen = nullptr;
        CObject::placingBuilding = -1;
        CShipyard::numBuilt = 0;
        ScreenTest::TearDown();
    }

    CControllerBuild* OpenMenu()
    {
        builder.screen = new CControllerBuild;
        builder.PassFocus(builder.screen);
        return builder.screen;
    }

    // Points inside the item's cell and clicks it.
    void Choose(int item)
    {
        const int column = item % 3, row = item / 3;
        constexpr int kColumns[3] = {190, 285, 380}, kRows[5] = {150, 220, 300, 380, 450};
        MouseAt(kColumns[column], kRows[row]);
        Frame();
        CControllerBuild* menu = builder.screen;
        menu->InputMouseClick(true, false, false);
        menu->InputMouseClick(true, false, true);
        Frame();
    }

    bool MenuOpen() const { return builder.screen && CController::focus == builder.screen; }

    BuildMenuOpener builder;
};
