// The research screen, and the research service behind it: the player's
// science points and the levels of the four research fields, which gate
// buildings, potions and clothes across the game. The service is static and
// keeps all its state in int properties of the active profile (25 points to
// spend, 26 to 29 the levels, 58 points ever earned), so it follows profile
// switches and needs no screen.
//
// A level is 0, 1 or 2; 2 is fully researched. Fields passed as a number:
// 0 agriculture, 1 construction, 2 science, 3 arts.
//
// The screen is a stand-in until it is built: it closes on a click or
// Escape without asking for the lab.
#pragma once

#include "CController.h"

class CControllerScience : public CController {
public:
    CControllerScience();
    ~CControllerScience() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    bool openLab;  // the player asked for the potion lab

    static constexpr int kFields = 4;
    static constexpr int kTopLevel = 2;

    static int GetSciencePoints();
    static int GetLevelAgriculture();
    static int GetLevelConstruction();
    static int GetLevelScience();
    static int GetLevelArts();
    // Science points for the field's next level; -1 when it is fully
    // researched. Any field number but 0 to 2 counts as arts.
    static int GetUpgradeCost(int field);

    // Adds n points (n < 0 spends them); gains also count towards the points
    // ever earned. May raise the research tutorial step on the game screen.
    static void AddSciencePoints(int n);
    // Raise the field one level, up to the top; the caller has paid. Raising
    // the last field to the top awards the research trophy.
    static void AddLevelAgriculture();
    static void AddLevelConstruction();
    static void AddLevelScience();
    static void AddLevelArts();

private:
    static void AddLevel(int property);
};
