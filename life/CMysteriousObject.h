// One of the island's eight kinds of mystery: a strange object standing on
// sand or grass that the player tries to solve. It is drawn in up to five
// layers, blocks the ground with one rectangle, and reads its stage from the
// progress word in the active profile (a solved bit 1 << n per mystery and a
// first-stage bit for the two-stage ones), so progress outlives the island.
// The island creates three of them on the chooser's preview island, keeps
// them for the playable island and deletes them when it makes the next three.
#pragma once

#include "CObject.h"

#include <string>

class CSprite;

class CMysteriousObject : public CObject {
public:
    // (x, y): the middle of the object's foot line, world pixels; number 0..7.
    CMysteriousObject(int x, int y, int number);
    ~CMysteriousObject() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedBottomDetail() override;
    selection_result GetSelectedDetailButton() override;
    void RespondToDetailButtonClick() override;
    sidebar_image GetSpriteForSidebar() override;
    int GetX() override;  // top-left of the main picture
    int GetY() override;
    void GiveResponse(bool yes) override;

    // Solving (CMysteriousObject_Solve.cpp). A drop always answers task 0:
    // the islander takes up nothing, the mystery only raises a notice.
    int DroppedOn() override;
    // True when the dose was taken and is to be spent.
    bool AcceptStardust() override;
    bool AcceptMoondust() override;
    bool AcceptPotion(int potion) override;

    int GetVariant();
    int GetW();  // of the main picture
    int GetH();
    bool IsOnSand();
    const char* GetSpriteName();
    int GetLevelsUntilCompletion();
    // 0 untouched; 1 first stage done (or solved, for one-stage mysteries); 2 solved.
    int GetLevel();
    // The next stage of a two-stage mystery: the first-stage bit, then solved.
    void AddLevel();
    // With a mystery: its trophy, then its solved bit (bits is not read).
    // Without: only the bits, no trophy.
    static void SetComplete(CMysteriousObject* mystery, int bits);

    // A random sand mystery (0, 5, 6 or 7) or grass mystery (1..4), one draw each.
    static int GetSandVariantNum();
    static int GetGrassVariantNum();

    // The progress word.
    static bool CheckVar(int mask);
    static void SetVar(int bits);
    static bool IsComplete(int number);
    static void ResetAllMysteriousObjects();

    // Whether a flower may go at world (x, y): near the flower mystery only on
    // the spots of its pattern.
    static bool CheckFlower(int x, int y);
    // After each flower planted: solves the flower mystery once all seven
    // spots of its pattern hold a flower of their colour.
    static void FlowerPlaced();

    // The mystery 2 of the current island; null when none.
    static CMysteriousObject* mysteriousFlower;

    bool patchPlaced;  // the island has planted a flower patch beside it
    int dustCharge;    // 0..1000; decays by one a frame

private:
    // The notice answering a drop: the islander's name and the two pronouns.
    void DropNotice(int stringId, const char* name);
    // One dose of the dust that mystery dustNumber takes; ids in the order
    // first-stage refusal, first dose, solved.
    bool TakeDust(int dustNumber, int refusalId, int firstDoseId, int solvedId);
    void PaintGrass();

    int number;
    std::string pronounInsert1;
    std::string pronounInsert2;
    CSprite* mainSprite;
    CSprite* layers[3];  // null where the number has none
    CSprite* shadow;
    char spriteName[256];
    bool grassPainted;
    bool solved;  // the solved bit as seen at the last frame
};
