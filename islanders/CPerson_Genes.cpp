#include "CPerson.h"

#include "CControllerTrophies.h"
#include "CPersonMovement.h"
#include "CDraw.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

// Hair colour by the phenotypes of hair genes 0, 1 and 2 read as a binary
// number, gene 0 the highest bit.
constexpr int kHairColours[8] = {0, 1, 7, 3, 4, 5, 6, 2};
constexpr int kGrey = 8;

// Skin tone by the phenotypes of skin genes 0 and 1, gene 0 the higher bit.
constexpr int kSkinTones[4] = {3, 1, 2, 0};

struct speed_level {
    float walkSpeed;  // pixels per frame
    int animRate;     // frames per animation step
};
constexpr speed_level kSpeeds[5] = {{0.7f, 4}, {1.2f, 3}, {1.8f, 2}, {2.3f, 2}, {2.9f, 1}};

constexpr int kFirstMasteryTrophy = 4194304;
constexpr int kNineMasteriesTrophy = 128;
constexpr int kMasterSkill = 10000;

uint8_t DrawAllele()
{
    return RangedRandom(0, 100) > 62 ? 1 : 0;
}

int CountBlock(const genome& genes, int block)
{
    int count = 0;
    for (const gene& g : genes.strengthGenes[block]) {
        count += CPerson::GetPhenotype(g);
    }
    return count;
}

}  // namespace

void CPerson::RandomizeGene(gene& g)
{
    g.allele[0] = DrawAllele();
    g.allele[1] = DrawAllele();
}

gene CPerson::CrossGenes(const gene* a, const gene* b)
{
    const int c1 = RangedRandom(0, 1);
    const int c2 = RangedRandom(0, 1);
    const int c3 = RangedRandom(0, 1);
    const gene* first = c1 == 0 ? a : b;
    const gene* second = c1 == 0 ? b : a;
    gene child;
    child.allele[0] = first->allele[c2];
    child.allele[1] = second->allele[c3];
    return child;
}

void CPerson::RandomizeGenome(genome* genes)
{
    for (gene& g : genes->skinGenes) {
        RandomizeGene(g);
    }
    for (gene& g : genes->hairGenes) {
        RandomizeGene(g);
    }
    for (auto& block : genes->strengthGenes) {
        const int p = RangedRandom(8, 40);
        for (gene& g : block) {
            g.allele[0] = p > RangedRandom(0, 100) ? 1 : 0;
            g.allele[1] = p > RangedRandom(0, 100) ? 1 : 0;
        }
    }
}

genome CPerson::CrossGenome(const genome& a, const genome& b)
{
    genome child;
    for (int i = 0; i < kSkinGenes; i++) {
        child.skinGenes[i] = CrossGenes(&a.skinGenes[i], &b.skinGenes[i]);
    }
    for (int i = 0; i < kHairGenes; i++) {
        child.hairGenes[i] = CrossGenes(&a.hairGenes[i], &b.hairGenes[i]);
    }
    for (int block = 0; block < 2; block++) {
        for (int i = 0; i < kStrengthGenes; i++) {
            child.strengthGenes[block][i] = CrossGenes(&a.strengthGenes[block][i], &b.strengthGenes[block][i]);
        }
    }
    return child;
}

int CPerson::GetPhenotype(const gene& g)
{
    return g.allele[0] == 1 || g.allele[1] == 1 ? 1 : 0;
}

int CPerson::GetGeneticAttributeValue(int block) const
{
    return CountBlock(data.genes, block);
}

int CPerson::GetHairColour(const genome* genes)
{
    const int index = GetPhenotype(genes->hairGenes[0]) * 4 + GetPhenotype(genes->hairGenes[1]) * 2 +
                      GetPhenotype(genes->hairGenes[2]);
    return kHairColours[index];
}

int CPerson::GetHairColour() const
{
    if (data.prematureGrey || (GetAge() >= 65 && !data.keepHairColour)) {
        return kGrey;
    }
    return hairColour;
}

void CPerson::InitStats()
{
    hairColour = GetHairColour(&data.genes);
    skinTone = kSkinTones[GetPhenotype(data.genes.skinGenes[0]) * 2 + GetPhenotype(data.genes.skinGenes[1])];
    physicalStrength = CountBlock(data.genes, 0);
    mentalStrength = CountBlock(data.genes, 1);
    AdjustSpeed(false);
    isMale = data.gender == 0;
}

void CPerson::AdjustSpeed(bool apply)
{
    speedLevel = physicalStrength >= 90 ? 4 : physicalStrength >= 60 ? 3 : physicalStrength >= 20 ? 2 : 1;
    if (GetAge() >= 65) {
        speedLevel--;
    }
    if (IsKid()) {
        speedLevel = 4;
    }
    animRate = GetAnimRate(speedLevel);
    walkSpeed = GetActualWalkSpeed(speedLevel);
    if (apply && movement) {
        movement->SetWalkSpeed(walkSpeed);
    }
    if (apply) {
        SetBodyFramesPerStep(animRate);
    }
}

int CPerson::GetAnimRate(int level)
{
    return level >= 0 && level <= 4 ? kSpeeds[level].animRate : 1;
}

float CPerson::GetActualWalkSpeed(int level)
{
    return level >= 1 && level <= 4 ? kSpeeds[level].walkSpeed : kSpeeds[0].walkSpeed;
}

bool CPerson::ImproveAttribute(int block, int amount)
{
    const int count = CountBlock(data.genes, block);
    if (count >= kStrengthGenes) {
        return false;
    }
    const int goal = std::min(count + amount, kStrengthGenes);
    for (gene& g : data.genes.strengthGenes[block]) {
        g.allele[0] = g.allele[1] = 1;
        physicalStrength = CountBlock(data.genes, 0);
        mentalStrength = CountBlock(data.genes, 1);
        int masteries = (physicalStrength >= 100) + (mentalStrength >= 100);
        for (int skill : data.skills) {
            masteries += skill >= kMasterSkill;
        }
        if (masteries >= 1) {
            CControllerTrophies::CompleteTrophy(kFirstMasteryTrophy);
        }
        if (masteries > 8) {
            CControllerTrophies::CompleteTrophy(kNineMasteriesTrophy);
        }
        if (CountBlock(data.genes, block) >= goal) {
            break;
        }
    }
    if (GetAge() >= 14) {
        AdjustSpeed(true);
    }
    return true;
}

bool CPerson::DecreaseAttribute(int block, int amount)
{
    const int count = CountBlock(data.genes, block);
    if (count == 0) {
        return false;
    }
    const int goal = std::max(count - amount, 0);
    for (gene& g : data.genes.strengthGenes[block]) {
        g.allele[0] = g.allele[1] = 0;
        physicalStrength = CountBlock(data.genes, 0);
        mentalStrength = CountBlock(data.genes, 1);
        if (CountBlock(data.genes, block) <= goal) {
            break;
        }
    }
    AdjustSpeed(true);
    return true;
}

void CPerson::PrematureGray()
{
    data.prematureGrey = 1;
    // Grey hair comes in the mature style even on a young head; a later full
    // reload goes back to the style of the age. An islander out of sight
    // stays so.
    const bool wasHidden = hidden;
    Hide();
    RebuildHair(data.matureHairStyle);
    Pump(lastOffsetX, lastOffsetY, 1);
    if (!wasHidden) {
        UnHide();
    }
    ReleasePortrait();
}
