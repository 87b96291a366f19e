// The whole game on a real island for the islanders' roads to work: the
// game screen opened on a fixed seed with its band, stock, trees, rocks and
// fireplace, and the player's hand: press on an islander, lift it, let go of
// it over a screen point. Sound is off (the dummy audio driver).
#pragma once

#include "CBird.h"
#include "CButterfly.h"
#include "CControllerGame.h"
#include "CControllerTrophyUnlock.h"
#include "CGull.h"
#include "CMap.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CResources.h"
#include "Utilities.h"
#include "tests/game/CControllerGameFixture.h"

#include <cstdlib>
#include <functional>

class RoadTest : public GameScreenTest {
protected:
    static constexpr int kFirstCrateOpened = 38;
    static constexpr unsigned int kRoadSeed = 20u;

    void SetUp() override
    {
        GameScreenTest::SetUp();
        CProfile::current->SetValue<bool>(kFirstCrateOpened, true);
        // The island chooser builds the walk grid before it makes an island.
        CPersonMovement::GeneratePathMap();
        game = &Open(kIslandSeed());
        island = CControllerGame::island;
        // Creatures choose their spots from the clock, so one may settle where
        // a road drops an islander; the roads run without them.
        ClearSlots(CBird::bird);
        ClearSlots(CGull::bird);
        ClearSlots(CButterfly::butterfly);
        stock = CControllerGame::Resources();
        CControllerGame::stopFollowing = true;
        Frame();
        InitRandom(kRoadSeed);
    }

    static unsigned int kIslandSeed() { return kFixedIslandSeeds[2]; }

    template <class Creature, size_t N>
    static void ClearSlots(Creature* (&slots)[N])
    {
        for (Creature*& creature : slots) {
            delete creature;
            creature = nullptr;
        }
    }

    // The first grown man of the band.
    static CPerson* Man()
    {
        for (CPerson* person : CPerson::people) {
            if (person->IsAdult() && person->isMale) {
                return person;
            }
        }
        return nullptr;
    }

    // Brings world (x, y) to the middle of the view and draws a frame so that
    // every sprite stands where the mouse will look for it.
    void Show(int worldX, int worldY)
    {
        island->CenterScreen(worldX, worldY, true, false, false);
        Frame();
        Frame();
    }

    coordinate ToScreen(int worldX, int worldY) const
    {
        return {worldX + island->offsetX, worldY + island->offsetY};
    }

    // A screen point at which object is the frontmost under the mouse; the
    // mouse is left there. (-1, -1) when none near its foot.
    coordinate PointOn(CObject* object)
    {
        const coordinate foot = ToScreen(object->GetX(), object->GetY());
        // Pictures may be open in the middle (a site of stakes), so the
        // search covers the whole of a large building's picture.
        for (int dy = 200; dy >= -300; dy -= 3) {
            for (int dx = -150; dx <= 150; dx += 3) {
                MouseAt(foot.x + dx, foot.y + dy);
                if (CObject::FindObjectAt(-1, -1, false, true) == object) {
                    return {foot.x + dx, foot.y + dy};
                }
            }
        }
        return {-1, -1};
    }

    // A screen point within radius of world (x, y) at which ok holds with the
    // mouse there; the mouse is left there. (-1, -1) when none.
    // The search goes out from the centre in rings, so the point found lies
    // as deep inside as the centre allows, not on the first edge met: an
    // islander that steps a pixel before the press is still under it.
    coordinate PointWhere(int worldX, int worldY, int radius, const std::function<bool()>& ok)
    {
        const coordinate centre = ToScreen(worldX, worldY);
        for (int ring = 0; ring <= radius; ring += 3) {
            for (int dy = -ring; dy <= ring; dy += 3) {
                for (int dx = -ring; dx <= ring; dx += 3) {
                    if (std::abs(dx) != ring && std::abs(dy) != ring) {
                        continue;
                    }
                    MouseAt(centre.x + dx, centre.y + dy);
                    if (ok()) {
                        return {centre.x + dx, centre.y + dy};
                    }
                }
            }
        }
        return {-1, -1};
    }

    // Lifts the man and carries him to the screen point, both in view.
    void Carry(CPerson* man, int worldX, int worldY)
    {
        man->data.x = static_cast<float>(worldX + 60);
        man->data.y = static_cast<float>(worldY + 30);
        Lift(man);
        ASSERT_TRUE(man->IsPickedUp());
    }

    // Press on the islander and move the mouse by one pixel: a grown one
    // hangs 50 px under the grip, so the pointer jumps and that lifts it.
    void Lift(CPerson* person)
    {
        Show(Round(person->data.x), Round(person->data.y));
        const coordinate at = ToScreen(Round(person->data.x) + 17, Round(person->data.y) + 20);
        MouseAt(at.x, at.y);
        game->InputMouseClick(true, false, false);
        ASSERT_EQ(game->pickupCandidate, person);
        game->InputMouseMove(at.x + 1, at.y);
        Frame();
    }

    // Carries the held islander to the screen point and lets go there.
    void ReleaseAt(coordinate at)
    {
        MouseAt(at.x, at.y);
        Frame();
        MouseAt(at.x, at.y);
        game->InputMouseClick(true, false, true);
    }

    // Game frames until done holds; false when it never did.
    bool RunUntil(const std::function<bool()>& done, int frames = 6000)
    {
        for (int frame = 0; frame < frames; frame++) {
            if (done()) {
                return true;
            }
            Frame();
            // A player goes straight back to the game from a trophy's
            // announcement, which the work itself may win.
            if (CControllerGame::trophyUnlock && CController::focus == CControllerGame::trophyUnlock) {
                CControllerGame::trophyUnlock->dismissed = true;
                CControllerGame::trophyUnlock->ShutDown(0);
                Frame();
            }
        }
        return done();
    }

    CControllerGame* game = nullptr;
    CMap* island = nullptr;
    CResources* stock = nullptr;
};
