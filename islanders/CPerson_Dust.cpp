// Stardust, moondust and potions given to an islander: stardust improves a
// strength or a skill, moondust gives new looks, and each potion has its
// effect, at most one potion an islander-year.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CMysteriousObject.h"
#include "CPersonMovement.h"
#include "Utilities.h"

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kStardustDraws = 1000;
constexpr int kStardustSkillGain = 2000, kPotionSkillGain = 4000;
constexpr int kNeedFull = 10000, kNeedPotion = 5000;
constexpr int kToolTipFrames = 270;
constexpr int kGrey = 8;
constexpr int kYouthAge = 36 * kTicksPerYear;
constexpr int kYouthTrophy = 0x800;
constexpr int kYouthMysteryBit = 8;
constexpr int kSmile = 0, kAngry = 2, kFrown = 3, kSurprised = 4, kWorried = 5, kDefaultFaceTime = -1;

struct skill_gift {
    int task, notice;
};
// Stardust's skills, in the order of its draw.
constexpr skill_gift kStardustSkills[7] = {{3, 12316}, {2, 12317}, {4, 12318}, {5, 12319},
                                           {14, 12320}, {11, 12321}, {12, 12322}};

// Potions that act on the ground or the sky: on an islander they are refused
// with the text of the same index.
constexpr int kGroundPotions[13] = {1, 2, 4, 5, 6, 7, 9, 11, 12, 16, 17, 19, 27};
constexpr int kGroundPotionRefusals = 15100;

constexpr int kHairDyes[8] = {0, 1, 3, 7, 6, 2, 5, 4};
constexpr int kPotionFaces[5] = {kSurprised, kSmile, kAngry, kWorried, kFrown};

// Tasks that an energy potion does not end.
bool KeepsTaskWhenTired(int task)
{
    return task == 8 || task == 10 || task == 18;
}

void Tired(CPerson* person)
{
    person->data.energy -= kNeedPotion;
    if (!KeepsTaskWhenTired(person->GetCurrentTask())) {
        person->EndTask(false);
    }
}

}  // namespace

void CPerson::Notice(int stringId)
{
    feedback_data notice{};
    notice.id = stringId;
    notice.insert[0] = GetASCIIName();
    notice.noticeOnly = 1;
    requestingFeedback = this;
    requestingFeedbackData = notice;
}

void CPerson::ToolTip(int stringId)
{
    selection_result tip{};
    tip.id = stringId;
    tip.text1 = GetASCIIName();
    CControllerGame::SetToolTipMessage(tip, kToolTipFrames);
}

void CPerson::QuietFor600To900Frames()
{
    thoughtCountdown = RangedRandom(600, 900);
    thoughtId = -1;
}

bool CPerson::AcceptStardust()
{
    data.hadStardust = 1;
    ChangeEmotion(kSmile, kDefaultFaceTime);
    QuietFor600To900Frames();
    for (int draw = 0; draw < kStardustDraws; draw++) {
        if (RangedRandom(0, 8) < 2) {
            const int block = RangedRandom(0, 1);
            if (ImproveAttribute(block, 10)) {
                Notice(block == 1 ? 12314 : 12315);
                return true;
            }
            continue;
        }
        const skill_gift& gift = kStardustSkills[RangedRandom(0, 6)];
        if (data.skills[gift.task] <= 9999) {
            ActuallyImproveSkill(gift.task, kStardustSkillGain);
            Notice(gift.notice);
            return true;
        }
    }
    return false;
}

bool CPerson::AcceptMoondust()
{
    data.hadMoondust = 1;
    EndTask(false);

    const int oldMature = data.matureHairStyle, oldYoung = data.youngHairStyle;
    int mature, young;
    do {
        mature = RangedRandom(0, 7);
        young = mature;
        while (data.gender == 0 && (young == 1 || young == 2 || young == 7)) {
            young = RangedRandom(0, 7);
        }
    } while (mature == oldMature || young == oldYoung);
    data.matureHairStyle = mature;
    data.youngHairStyle = young;

    const int shownColour = GetHairColour();
    if (shownColour != kGrey) {
        do {
            for (gene& g : data.genes.hairGenes) {
                RandomizeGene(g);
            }
        } while (GetHairColour(&data.genes) == shownColour);
    }
    const int oldSkin = skinTone;
    do {
        for (gene& g : data.genes.skinGenes) {
            RandomizeGene(g);
        }
        InitStats();
    } while (skinTone == oldSkin);

    Hide();
    UnloadSprites();
    LoadSprites();
    ChangeState(1);
    ChangeState(0);
    EndTask(false);
    UnHide();
    selectedObject = this;
    ChangeEmotion(kSurprised, kDefaultFaceTime);
    QuietFor600To900Frames();
    return true;
}

bool CPerson::AcceptPotion(int potion)
{
    if (IsBaby()) {
        return false;
    }
    if (data.age < data.ageAtLastPotion + kTicksPerYear) {
        Notice(data.gender == 0 ? 26610 : 26611);
        return false;
    }
    data.ageAtLastPotion = data.age;

    for (int i = 0; i < 13; i++) {
        if (potion == kGroundPotions[i]) {
            if (CControllerGame::game) {
                CControllerGame::game->potionRefusal = kGroundPotionRefusals + i;
            }
            return false;
        }
    }
    const int years = GetAge();
    if (potion == 3) {
        if (data.gender != 1 || years < 18 || years > 45) {
            return false;
        }
        data.twinsPotion = 1;
        ToolTip(15015);
        return true;
    }
    if (potion == 20 && years >= 65) {
        Rejuvenate();
        return true;
    }
    if (years < 14) {
        return false;
    }
    if (potion == 20) {
        Notice(26405);
        return false;
    }
    return AdultPotion(potion);
}

bool CPerson::AdultPotion(int potion)
{
    int tip = 0;
    switch (potion) {
    case 8:
        Tired(this);
        tip = 15019;
        break;
    case 10:
        data.food -= kNeedPotion;
        tip = 15020;
        break;
    case 13:
    case 14:
    case 15: {
        static constexpr int kSkills[3] = {5, 11, 12};
        ActuallyImproveSkill(kSkills[potion - 13], kPotionSkillGain);
        tip = 15023 + potion - 13;
        break;
    }
    case 18:
    case 28:
    case 29:
        for (CPerson* person : people) {
            if (person->GetAge() < 14) {
                continue;
            }
            if (potion == 18) {
                person->data.food = kNeedFull;
            } else if (potion == 28) {
                person->data.food -= kNeedPotion;
            } else {
                Tired(person);
            }
        }
        tip = potion == 18 ? 15033 : potion == 28 ? 15036 : 15037;
        break;
    case 21:
    case 22:
        ImproveAttribute(potion - 21, 20);
        tip = potion == 21 ? 15030 : 15031;
        break;
    case 23:
    case 24:
    case 25:
    case 26: {
        static constexpr int kSkills[4] = {3, 4, 2, 14};
        ActuallyImproveSkill(kSkills[potion - 23], kPotionSkillGain);
        tip = 15026 + potion - 23;
        break;
    }
    case 30: {
        const RGBA_data grey{164, 164, 164, 0};
        data.topColour = data.bottomColour = grey;
        Hide();
        UnloadSprites();
        LoadSprites();
        UnHide();
        PrematureGray();
        ChangeEmotion(kWorried, kDefaultFaceTime);
        tip = 15038;
        break;
    }
    default:
        if (potion >= 31 && potion <= 38) {
            const int colour = kHairDyes[potion - 31];
            const int shown = GetHairColour();
            if (shown != kGrey && shown == colour) {
                return false;
            }
            ChangeHairColour(colour);
            data.keepHairColour = 1;
            tip = 15039 + potion - 31;
        } else if (potion >= 39 && potion <= 46) {
            const int style = potion - 39;
            if ((GetAge() < 35 ? data.youngHairStyle : data.matureHairStyle) == style) {
                return false;
            }
            ChangeHairStyle(style);
            tip = 15047 + potion - 39;
        } else if (potion >= 47 && potion <= 51) {
            ChangeEmotion(kPotionFaces[potion - 47], kDefaultFaceTime);
            tip = 15055 + potion - 47;
        } else {
            return false;
        }
    }
    ToolTip(tip);
    return true;
}

void CPerson::Rejuvenate()
{
    if (!CControllerTrophies::IsTrophyComplete(kYouthTrophy)) {
        Notice(26406);
        CControllerTrophies::CompleteTrophy(kYouthTrophy);
    }
    data.ageAtLastPotion = data.ageAtLastBirth = 0;
    ToolTip(15061);
    data.age = kYouthAge;
    // The looks that come with age follow the new age, so that reaching 65
    // again turns the hair grey and slows the walk once more.
    stageAge = GetAge();
    lastYears = GetAge();
    wasAdult = true;
    wasKid = false;
    ChangeHairColour(GetHairColour(&data.genes));
    EndTask(false);
    Hide();
    speedLevel++;
    walkSpeed = GetActualWalkSpeed(speedLevel);
    animRate = GetAnimRate(speedLevel);
    if (movement) {
        movement->SetWalkSpeed(walkSpeed);
    }
    SetBodyFramesPerStep(animRate);
    UnHide();
    CMysteriousObject::SetVar(kYouthMysteryBit);
}
