// The build menu opened as the game screen opens it, over the services'
// fixture with real pictures: an opener that deletes the menu when it comes
// back and counts the returns, and a player who points at the menu's items
// and clicks them.
#pragma once

#include "tests/research/ResearchScreenFixture.h"

#include "CBuilding.h"
#include "CControllerBuild.h"
#include "CShipyard.h"

class BuildMenuOpener : public CController {
public:
    void GotFocusBack() override
    {
        backs++;
        delete menu;
        menu = nullptr;
    }
    void Pump() override {}
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}

    CControllerBuild* menu = nullptr;
    int backs = 0;
};

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
        delete builder.menu;
        builder.menu = nullptr;
        CObject::placingBuilding = -1;
        CShipyard::numBuilt = 0;
        ScreenTest::TearDown();
    }

    CControllerBuild* OpenMenu()
    {
        builder.menu = new CControllerBuild;
        builder.PassFocus(builder.menu);
        return builder.menu;
    }

    // Points inside the item's cell and clicks it.
    void Choose(int item)
    {
        const int column = item % 3, row = item / 3;
        constexpr int kColumns[3] = {190, 285, 380}, kRows[5] = {150, 220, 300, 380, 450};
        MouseAt(kColumns[column], kRows[row]);
        Frame();
        CControllerBuild* menu = builder.menu;
        menu->InputMouseClick(true, false, false);
        menu->InputMouseClick(true, false, true);
        Frame();
    }

    bool MenuOpen() const { return builder.menu && CController::focus == builder.menu; }

    BuildMenuOpener builder;
};
