// How the mysteries are solved: islanders dropped on them, doses of dust,
// potions and the flower pattern around mystery 2; and the notices that tell
// the player how close a try came.
#include "CMysteriousObject.h"

#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CMap.h"
#include "CPerson.h"
#include "Finds.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kFirstStageBits[8] = {1024, 4096, 0, 2048, 8192, 0, 256, 512};
constexpr int kTrophyMasks[8] = {512, 32768, 131072, 2048, 4096, 65536, 16384, 8192};

// The skills and the gene block the mysteries read.
constexpr int kResearch = 11, kRock = 4, kWood = 2, kBuilding = 5, kGardening = 14;
constexpr int kPhysicalGenes = 0;
constexpr int kMasterSkill = 9999;

// The pronoun inserts by gender (man, woman), string ids written out: he / she, his / her.
constexpr const char* kSubjectPronoun[2] = {"24101", "24100"};
constexpr const char* kPossessivePronoun[2] = {"24103", "24102"};

constexpr int kAlreadySolvedNotice = 26000;
constexpr int kPotionNotice = 26504, kPotionTip = 15063, kTipFrames = 270;
constexpr int kFirstStagePotions[2] = {2, 27};
constexpr int kMystery0Points[3] = {50000, 100000, 200000};

// Dust: three quick doses; the charge decays by one a frame.
constexpr int kFirstDoseCharge = 500, kDoseCharge = 250, kSolvingCharge = 800, kFullCharge = 1000;

// Mystery 4's tree grows where its sapling stood.
constexpr float kTreeX = 60.0f, kTreeY = 65.0f;

// The flower pattern of mystery 2, from (x - 45, y + 73) of the mystery, and
// the disc kept clear around it.
struct flower_spot {
    int dx, dy;
    int colour;
};
constexpr int kPatternX = -45, kPatternY = 73;
constexpr flower_spot kFlowerSpots[7] = {{20, 35, 6},  {41, 128, 0},  {52, 88, 2},  {93, 129, 0},
                                         {146, 110, 1}, {217, 78, 0}, {198, 56, 3}};
constexpr int kClearZoneX = 71, kClearZoneY = 130;
constexpr float kClearZoneRadius = 120.0f;
constexpr float kSpotReach = 8.0f;
constexpr int kFlowerReach = 12;

// 0 none, 1 some, 2 master.
int Grade(int skill)
{
    if (skill < 1) {
        return 0;
    }
    return skill > kMasterSkill ? 2 : 1;
}

void Notice(CObject* asker, int stringId)
{
    AskPlayer(asker, stringId);
}

}  // namespace

void CMysteriousObject::AddLevel()
{
    const int firstStage = kFirstStageBits[number];
    if (firstStage != 0 && !CheckVar(firstStage)) {
        SetVar(firstStage);
    } else {
        SetComplete(this, -1);
    }
}

void CMysteriousObject::SetComplete(CMysteriousObject* mystery, int bits)
{
    if (!mystery) {
        SetVar(bits);
        return;
    }
    CControllerTrophies::CompleteTrophy(kTrophyMasks[mystery->number]);
    SetVar(1 << mystery->number);
}

void CMysteriousObject::DropNotice(int stringId, const char* name)
{
    feedback_data notice{};
    notice.id = stringId;
    notice.insert[0] = name;
    notice.insert[1] = pronounInsert1;
    notice.insert[2] = pronounInsert2;
    notice.noticeOnly = 1;
    AskPlayer(this, notice);
}

int CMysteriousObject::DroppedOn()
{
    if (IsComplete(number)) {
        Notice(this, kAlreadySolvedNotice);
        return 0;
    }
    CPerson* person = CControllerGame::game ? CControllerGame::game->pickupCandidate : nullptr;
    if (!person) {
        return 0;
    }
    const int woman = person->GetGender() != 0 ? 1 : 0;
    pronounInsert1 = kSubjectPronoun[woman];
    pronounInsert2 = kPossessivePronoun[woman];
    // The name is copied at once: the islander may be gone before the notice shows.
    const std::string name = person->GetASCIIName();
    const int stage = GetLevel();
    const int research = Grade(person->GetSkill(kResearch));

    switch (number) {
    case 0: {
        const int rock = Grade(person->GetSkill(kRock));
        if (research == 0 && rock == 0) {
            DropNotice(26100, name.c_str());
        } else if (stage == 0) {
            DropNotice(26103 - rock, name.c_str());
            if (rock == 2) {
                AddLevel();
            }
        } else if (research == 2) {
            const int level = CControllerScience::GetLevelScience();
            CControllerScience::AddSciencePoints(kMystery0Points[level < 0 ? 0 : (level > 2 ? 2 : level)]);
            DropNotice(26106, name.c_str());
            SetComplete(this, -1);
        } else {
            DropNotice(26104 + research, name.c_str());
        }
        break;
    }
    case 1: {
        const int gardening = Grade(person->GetSkill(kGardening));
        if (stage == 0) {
            DropNotice(gardening == 0 ? 26500 : 26501, name.c_str());
        } else if (gardening == 2) {
            DropNotice(26503, name.c_str());
            SetComplete(this, -1);
        } else {
            DropNotice(26502, name.c_str());
        }
        break;
    }
    case 2:
        DropNotice(26300 + Grade(person->GetSkill(kGardening)), name.c_str());
        break;
    case 3:
        DropNotice(26400 + research, name.c_str());
        if (research == 2 && stage == 0) {
            AddLevel();
        }
        break;
    case 4:
        if (stage == 0) {
            const int genes = person->GetGeneticAttributeValue(kPhysicalGenes);
            const int id = genes >= 100 ? 26603 : (genes >= 66 ? 26602 : (genes >= 33 ? 26601 : 26600));
            DropNotice(id, name.c_str());
            if (genes >= 100) {
                AddLevel();
            }
        } else {
            CMap* island = CControllerGame::island;
            if (island && island->raining && island->rainKind == 0) {
                DropNotice(26605, name.c_str());
                SetComplete(this, -1);
                island->AddTree(Round(x + kTreeX), Round(y + kTreeY), 0, 0, true, false, true);
            } else {
                DropNotice(26604, name.c_str());
            }
        }
        break;
    case 5: {
        int best = 0;
        for (int task : {kRock, kWood, kBuilding, kGardening}) {
            best = std::max(best, person->GetSkill(task));
        }
        const int trade = Grade(best);
        // Rows by research; the master's cell of each row is apart.
        const int id = trade == 2 ? 26206 + research : 26200 + research * 2 + trade;
        if (id == 26208) {
            SetComplete(this, -1);
        }
        DropNotice(id, name.c_str());
        break;
    }
    case 6:
    case 7: {
        const bool hadDust = number == 6 ? person->HasHadMoondust() : person->HasHadStardust();
        if (stage >= 1) {
            DropNotice(26011, name.c_str());
        } else if (hadDust) {
            DropNotice(number == 6 ? 26010 : 26009, name.c_str());
            AddLevel();
        } else {
            DropNotice(number == 6 ? 26002 : 26001, name.c_str());
        }
        break;
    }
    default:
        break;
    }
    return 0;
}

bool CMysteriousObject::TakeDust(int dustNumber, int refusalId, int firstDoseId, int solvedId)
{
    if (number != dustNumber) {
        return false;
    }
    const int stage = GetLevel();
    if (stage == 0) {
        Notice(this, refusalId);
        return false;
    }
    if (IsComplete(number)) {
        return false;
    }
    if (dustCharge == 0) {
        dustCharge = kFirstDoseCharge;
        Notice(this, firstDoseId);
        return true;
    }
    dustCharge += kDoseCharge;
    if (dustCharge <= kSolvingCharge) {
        return true;
    }
    dustCharge = kFullCharge;
    SetComplete(this, -1);
    Notice(this, solvedId);
    return true;
}

bool CMysteriousObject::AcceptStardust()
{
    return TakeDust(7, 26003, 26005, 26007);
}

bool CMysteriousObject::AcceptMoondust()
{
    return TakeDust(6, 26004, 26006, 26008);
}

bool CMysteriousObject::AcceptPotion(int potion)
{
    const bool opener = potion == kFirstStagePotions[0] || potion == kFirstStagePotions[1];
    if (!opener || number != 1 || GetLevel() != 0) {
        return false;
    }
    Notice(this, kPotionNotice);
    selection_result tip{};
    tip.id = kPotionTip;
    CControllerGame::SetToolTipMessage(tip, kTipFrames);
    AddLevel();
    return true;
}

bool CMysteriousObject::CheckFlower(int atX, int atY)
{
    if (!mysteriousFlower) {
        return true;
    }
    const int mx = mysteriousFlower->GetX();
    const int my = mysteriousFlower->GetY();
    const int originX = mx + kPatternX;
    const int originY = my + kPatternY;
    for (const flower_spot& spot : kFlowerSpots) {
        if (GetDist(atX, atY, originX + spot.dx, originY + spot.dy) <= kSpotReach) {
            return true;
        }
    }
    return GetDist(atX, atY, mx + kClearZoneX, my + kClearZoneY) >= kClearZoneRadius;
}

void CMysteriousObject::FlowerPlaced()
{
    CMap* island = CControllerGame::island;
    if (!mysteriousFlower || !island) {
        return;
    }
    const int originX = mysteriousFlower->GetX() + kPatternX;
    const int originY = mysteriousFlower->GetY() + kPatternY;
    bool satisfied[7] = {};
    // Flowers outside the pattern's box, grown by the reach, cannot count.
    int left = originX, right = originX, top = originY, bottom = originY;
    for (int i = 0; i < 7; i++) {
        const flower_spot& spot = kFlowerSpots[i];
        left = i == 0 ? originX + spot.dx : std::min(left, originX + spot.dx);
        right = i == 0 ? originX + spot.dx : std::max(right, originX + spot.dx);
        top = i == 0 ? originY + spot.dy : std::min(top, originY + spot.dy);
        bottom = i == 0 ? originY + spot.dy : std::max(bottom, originY + spot.dy);
    }
    left -= kFlowerReach;
    right += kFlowerReach;
    top -= kFlowerReach;
    bottom += kFlowerReach;
    for (const flower_data& flower : island->flowers) {
        if (flower.x < left || flower.x > right || flower.y < top || flower.y > bottom) {
            continue;
        }
        for (int i = 0; i < 7; i++) {
            const flower_spot& spot = kFlowerSpots[i];
            if (satisfied[i] || flower.colour != spot.colour) {
                continue;
            }
            // Squared, as the test runs for every flower of the island.
            const long long dx = flower.x - (originX + spot.dx);
            const long long dy = flower.y - (originY + spot.dy);
            satisfied[i] = dx * dx + dy * dy <= static_cast<long long>(kFlowerReach) * kFlowerReach;
        }
    }
    for (bool spot : satisfied) {
        if (!spot) {
            return;
        }
    }
    SetComplete(mysteriousFlower, -1);
}
