// The science station: the band's research workplace. Once complete and
// while it is not coming down, islanders dropped on it research beside one of
// its edges, dust dropped on it turns into science points at once (more at
// higher science levels), and it opens the potion lab and its reagents to the
// player. The island owns its stations like any building; `stations` lists
// the live ones in creation order.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CScienceStation : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CScienceStation(int x, int y);
    explicit CScienceStation(const building_data& saved);
    ~CScienceStation() override;

    // Grass is painted only into the pictures from the walls under rafters on.
    void UnHide() override;
    // 11 (research) on a usable station, else 5 (build or carry away).
    int DroppedOn() override;
    void AddObstructions(bool complete) override;
    // On a usable station: science points and a notice naming them; on a
    // site or one coming down: as on any building.
    bool AcceptStardust() override;
    // Five times the points; on a site it stops as soon as the site is done.
    bool AcceptMoondust() override;
    void GiveResponse(bool yes) override;

    static bool PlacementCollision();
    static bool AnyUseableScienceStations();
    // The first station neither complete nor coming down; null when none.
    static CScienceStation* FindUnfinishedScienceStation();
    // A research spot on the station's right-hand front edge, facing 3; with
    // underMouse the station under the mouse whatever its state, otherwise a
    // usable one drawn at random (as many draws as stations). Null, with
    // x = y = -1, when none.
    static CScienceStation* FindWorkCoords(int& x, int& y, int& dir, bool underMouse);

    static std::vector<CScienceStation*> stations;

private:
    void Register();
    // Adds the points and asks for the notice that names them.
    bool ConvertDust(const int (&pointsByLevel)[3], int noticeId);

    char pointsText[35];  // the last conversion's points, as the notice shows them
    bool grassDone;
};
