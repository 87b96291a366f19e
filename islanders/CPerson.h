// Stand-in for the islanders until they are built: the shared clothes cache
// that start-up prepares, the hover hint the world pump reads, and what the
// island's weather and mini-map ask of an islander (its age, where it
// stands, its picture and its startled face). An islander is a world object
// listed in CPerson::people; its creator owns it.
#pragma once

#include "CObject.h"

#include <vector>

class CPerson : public CObject {
public:
    // Foot point at world (x, y); age in frames.
    CPerson(int x, int y, int age);
    ~CPerson() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
    // None yet: the islander's picture comes with its clothes.
    sidebar_image GetSpriteForSidebar() override;

    // Under 3 years.
    bool IsBaby();
    // 3 to 13 years.
    bool IsKid();
    // The water depth factor at the feet: 1.0 on land, below 0.85 wading.
    float GetDepth();

    static void PreLoadClothes();
    static void UnPreLoadClothes();
    // Every islander aged 3 or more who is not removed looks surprised for
    // 45 frames: the weather's thunder.
    static void Lightning();

    int age;              // frames
    bool hiddenAway;      // inside a building or otherwise off the island
    int surprisedFrames;  // frames of the surprised face left

    static std::vector<CPerson*> people;
    // Set while an islander is under the mouse this frame; the world pump
    // then re-runs the hover test even when the mouse did not move.
    static bool didRollover;
};
