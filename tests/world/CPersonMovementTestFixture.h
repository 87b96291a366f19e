// The walker tests' world: a fresh walk grid over a playable island of land
// with no obstructions, walls that re-test the grid as the game's would, and
// walkers that own their position, velocity and owner object.
#pragma once

#include "CControllerGame.h"
#include "CMap.h"
#include "CObject.h"
#include "CPersonMovement.h"
#include "Utilities.h"
#include "WorldFakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct TestWalker {
    explicit TestWalker(float x, float y, float speed = 2.0f)
        : x(x), y(y), movement(&this->x, &this->y, &vx, &vy, speed, &owner)
    {
    }

    FakeObject owner;
    float x, y;
    float vx = 0.0f, vy = 0.0f;
    CPersonMovement movement;
};

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitRandom(20240611u);
        island = std::make_unique<CMap>(false);
        island->playable = true;
        CPersonMovement::GeneratePathMap();
        SetEveryCost(1.0f);
        CPersonMovement::whoIsMoving = nullptr;
        CObject::isSimulating = false;
    }

    void TearDown() override
    {
        walls.clear();
        CObject::obstructions.clear();
        island.reset();
        CPersonMovement::whoIsMoving = nullptr;
        CObject::isSimulating = false;
    }

    static void SetEveryCost(float cost)
    {
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = cost;
            }
        }
    }

    // An obstruction of its own owner; on the playable island adding it
    // re-tests the grid around it.
    FakeObject* Wall(int x, int y, int w, int h, bool flag = false)
    {
        walls.push_back(std::make_unique<FakeObject>());
        CObject::AddObstruction(x, y, w, h, walls.back().get(), flag);
        return walls.back().get();
    }

    // A closed ring of walls around the box, thick enough that no link
    // crosses it.
    void Ring(int x, int y, int w, int h, int thickness = 80)
    {
        Wall(x - thickness, y - thickness, w + 2 * thickness, thickness);
        Wall(x - thickness, y + h, w + 2 * thickness, thickness);
        Wall(x - thickness, y, thickness, h);
        Wall(x + w, y, thickness, h);
    }

    // Pumps the walker as the world would, one frame at a time, until it is
    // idle; false when it still walks after the given frames. Its feet must
    // never end a frame blocked.
    static bool WalkUntilIdle(TestWalker& walker, int frames = 5000)
    {
        for (int frame = 0; frame < frames; frame++) {
            walker.movement.Pump(1);
            EXPECT_FALSE(walker.movement.CheckCollisionAt(walker.x, walker.y))
                << "feet blocked at " << walker.x << ", " << walker.y;
            if (!walker.movement.IsMoving()) {
                return true;
            }
        }
        return false;
    }

    std::unique_ptr<CMap> island;
    std::vector<std::unique_ptr<FakeObject>> walls;
};
