#include "CScienceStation.h"

#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CMap.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kScienceStation = 7;
constexpr int kResearchTask = 11, kBuildTask = 5;
constexpr int kStardustNotice = 12351, kMoondustNotice = 12352;
constexpr int kStardustPoints[3] = {100, 200, 400};
constexpr int kMoondustPoints[3] = {500, 1000, 2000};
constexpr int kGrassFromImage = 3;
constexpr int kFacing = 3;

// The grass count stays 0 here: the station paints its own grass, from the
// third stage on, once the base has finished constructing it.
constexpr building_look kStationLook = {
    95, "selector_wonder-art-science.png", -12, 165, 2816, "sidebar_item_science.png",
    {{251, 295, 2}, {36, 139, 1}, {322, 205, 2}, {-24, 216, 1}}, 4,
    {}, 0,
    {}, {}, 0,
    {{15, 145, 275, 95}, {15, 240, 256, 101}}, 2,
};

constexpr coordinate kGrass[] = {{25, 306}, {115, 327}, {140, 342}, {204, 365}, {289, 272}};

struct station_box {
    int x, y, w, h;
};

constexpr station_box kBoxes[] = {{21, 175, 64, 110}, {85, 145, 125, 195}, {210, 182, 75, 43},
                                  {249, 225, 19, 22}, {210, 225, 39, 46},  {210, 271, 22, 18}};

// Research spots lie on the line from (215, 306) to (285, 212) of the picture.
constexpr int kSpotFirst = 215, kSpotLast = 285, kSpotBottom = 306;
constexpr float kSpotRise = 1.3428571f;

bool Usable(CScienceStation* station)
{
    return station->IsInService();
}

}  // namespace

std::vector<CScienceStation*> CScienceStation::stations;

CScienceStation::CScienceStation(int atX, int atY)
    : CBuildingKind(kStationLook, kScienceStation, kScienceStation, atX, atY), pointsText{}, grassDone(false)
{
    Register();
}

CScienceStation::CScienceStation(const building_data& saved)
    : CBuildingKind(kStationLook, saved), pointsText{}, grassDone(false)
{
    Register();
}

CScienceStation::~CScienceStation()
{
    stations.erase(std::remove(stations.begin(), stations.end(), this), stations.end());
}

void CScienceStation::Register()
{
    isScienceStation = true;
    // The base constructor could only reach its own versions of these.
    AddObstructions(false);
    UnHide();
    stations.push_back(this);
}

void CScienceStation::UnHide()
{
    CBuildingKind::UnHide();
    CMap* island = CControllerGame::island;
    if (grassDone || !island || !island->playable) {
        return;
    }
    std::vector<coordinate> points;
    for (const coordinate& grass : kGrass) {
        points.push_back({static_cast<int>(x) + grass.x, static_cast<int>(y) + grass.y});
    }
    island->GetGrassOverSprite(sprite, points, kGrassFromImage);
    grassDone = true;
}

int CScienceStation::DroppedOn()
{
    return Usable(this) ? kResearchTask : kBuildTask;
}

void CScienceStation::AddObstructions(bool)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    for (const station_box& box : kBoxes) {
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, false);
    }
}

bool CScienceStation::ConvertDust(const int (&pointsByLevel)[3], int noticeId)
{
    // The level comes from the player's profile, which a damaged or edited
    // file can leave at any number: clamped, it never reads past the table.
    const int points = pointsByLevel[std::clamp(CControllerScience::GetLevelScience(), 0, 2)];
    std::snprintf(pointsText, sizeof(pointsText), "%i", points);
    CControllerScience::AddSciencePoints(points);
    Ask(noticeId);
    requestingFeedbackData.insert[0] = pointsText;
    requestingFeedbackData.noticeOnly = 1;
    return true;
}

bool CScienceStation::AcceptStardust()
{
    if (!Usable(this)) {
        return CBuilding::AcceptStardust();
    }
    return ConvertDust(kStardustPoints, kStardustNotice);
}

bool CScienceStation::AcceptMoondust()
{
    if (Usable(this)) {
        return ConvertDust(kMoondustPoints, kMoondustNotice);
    }
    // While the tutorial teaches moondust, one moondust is one dose.
    if (CTutorialDialog::IsTutorialComplete(49) && !CTutorialDialog::IsTutorialComplete(50)) {
        return AcceptStardust();
    }
    return DoseMoondust();
}

void CScienceStation::GiveResponse(bool yes)
{
    AnswerNotices(yes, kStardustNotice, kMoondustNotice);
}

bool CScienceStation::PlacementCollision()
{
    return FootprintCollides(kStationLook);
}

bool CScienceStation::AnyUseableScienceStations()
{
    return std::any_of(stations.begin(), stations.end(), Usable);
}

CScienceStation* CScienceStation::FindUnfinishedScienceStation()
{
    for (CScienceStation* station : stations) {
        if (!station->IsComplete() && !station->IsBeingDemolished()) {
            return station;
        }
    }
    return nullptr;
}

CScienceStation* CScienceStation::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse)
{
    atX = atY = -1;
    dir = kFacing;
    CScienceStation* taken = nullptr;
    if (underMouse) {
        for (CScienceStation* station : stations) {
            int z = 0;
            if (station->IsAtCoords(z, -1, -1)) {
                taken = station;
                break;
            }
        }
    } else {
        const int n = static_cast<int>(stations.size());
        for (int draw = 0; draw < n && !taken; draw++) {
            CScienceStation* station = stations[RangedRandom(0, n - 1)];
            if (Usable(station)) {
                taken = station;
            }
        }
    }
    if (!taken) {
        return nullptr;
    }
    const int d = RangedRandom(kSpotFirst, kSpotLast);
    atX = Round(taken->x) + d;
    atY = Round(taken->y) + Round(static_cast<float>(kSpotBottom) - static_cast<float>(d - kSpotFirst) * kSpotRise);
    return taken;
}
