// What an islander wears and how its hair looks: the garment sprites, whose
// adult pictures are grey masks painted in the garment's colour under their
// line drawings, the clothes orders, and the changes of clothes and hair that
// go through a full reload of the sprites.
#include "CPerson.h"

#include "CDraw.h"
#include "CSprite.h"
#include "SpriteTables.h"
#include "Utilities.h"

#include <algorithm>
#include <string>

using namespace sprite_tables;

namespace {

constexpr RGBA_data kMaskGrey = {85, 85, 85, 255};
constexpr int kWorkNeeded = 50;
constexpr int kHairColourDraws = 500;
constexpr int kChildGarmentRate = 2;
constexpr int kWalkImages = 10;
constexpr int kBabyWalkImages = 16;
constexpr int kWorkGarmentImages = 8;
constexpr int kBabyColours = 6;
constexpr int kKidColours = 3;
constexpr const char* kPieceWords[2] = {"pants", "clothes"};  // bottom, top
constexpr const char* kMovingSetWords[4] = {"walk", "carry", "hack", "hoe"};

// The images of one garment picture: the mask and its line drawing.
struct garment_names {
    std::string mask, line;
};

garment_names StandNames(const char* gender, int top, int style, int d)
{
    const char* piece = kPieceWords[top];
    const char* dir = kDirectionWords[d];
    return {TempSprintf("%s_%s%i_stand_%s_color.png", gender, piece, style, dir),
            TempSprintf("%s_%s%i_stand_%s_line.png", gender, piece, style, dir)};
}

garment_names MovingNames(const char* gender, int top, int style, int set, int d, int image)
{
    const char* piece = kPieceWords[top];
    const char* pose = kMovingSetWords[set];
    const char* dir = kDirectionWords[d];
    return {TempSprintf("%s_%s%i_%s_%s_color_%i.png", gender, piece, style, pose, dir, image),
            TempSprintf("%s_%s%i_%s_%s_line_%i.png", gender, piece, style, pose, dir, image)};
}

// The images a moving garment set shows: a man's working clothes end on
// their first picture again, in step with his nine working bodies.
std::vector<int> MovingImages(int set, bool male)
{
    std::vector<int> images;
    const int count = set < 2 ? kWalkImages : kWorkGarmentImages;
    for (int i = 0; i < count; i++) {
        images.push_back(i);
    }
    if (set >= 2 && male) {
        images.push_back(0);
    }
    return images;
}

// The mask painted in colour, keeping each pixel's alpha, under the line
// drawing. The caller owns the new image.
int PaintedGarment(const garment_names& names, RGBA_data colour)
{
    CDraw* draw = CSprite::draw;
    const int painted = draw->LoadImage(names.mask.c_str(), true, true);
    draw->ReplaceColour(painted, kMaskGrey, colour, false, false);
    const int line = draw->LoadImage(names.line.c_str(), false, false);
    draw->CompositeImageOnImage(line, painted, 0, 0, false);
    draw->RemoveImage(line);
    return painted;
}

CSprite* Parked(CSprite* sprite)
{
    sprite->Move(-100, -100);
    sprite->Hide();
    return sprite;
}

void Release(CSprite*& sprite)
{
    delete sprite;
    sprite = nullptr;
}

template <typename Visit>
void EveryAdultGarmentName(const char* gender, bool male, int d, Visit visit)
{
    for (int style = 0; style < 3; style++) {
        for (int top = 0; top < 2; top++) {
            const garment_names stand = StandNames(gender, top, style, d);
            visit(stand.mask);
            visit(stand.line);
        }
        for (int set = 0; set < 4; set++) {
            if (set >= 2 && d != FACING_SE && d != FACING_SW) {
                continue;
            }
            for (int image : MovingImages(set, male)) {
                for (int top = 0; top < 2; top++) {
                    const garment_names names = MovingNames(gender, top, style, set, d, image);
                    visit(names.mask);
                    visit(names.line);
                }
            }
        }
    }
}

}  // namespace

void CPerson::PreLoadClothes()
{
    CDraw* draw = CSprite::draw;
    for (bool male : {true, false}) {
        const char* gender = male ? "male" : "female";
        for (int d = 0; d < kDirections; d++) {
            EveryAdultGarmentName(gender, male, d, [&](const std::string& name) {
                preloadedClothes.push_back(draw->LoadImage(name.c_str(), false, false));
            });
        }
    }
}

void CPerson::UnPreLoadClothes()
{
    for (int id : preloadedClothes) {
        CSprite::draw->RemoveImage(id);
    }
    preloadedClothes.clear();
}

void CPerson::LoadClothes()
{
    const bool male = isMale;
    const int female = male ? 0 : 1;
    const char* gender = male ? "male" : "female";
    // The record's fields are mended on load; orders and potions arrive here
    // too, so nothing out of range is ever built into a name.
    const int styles[2] = {std::clamp(data.bottomStyle, 0, 2), std::clamp(data.topStyle, 0, 2)};
    const RGBA_data colours[2] = {data.bottomColour, data.topColour};
    direction_set* stands[2] = {&bottomStand, &topStand};
    direction_set* moving[4][2] = {
        {&bottomWalk, &topWalk}, {&bottomCarry, &topCarry}, {&bottomHack, &topHack}, {&bottomHoe, &topHoe}};

    for (int d = 0; d < kDirections; d++) {
        for (int top = 0; top < 2; top++) {
            CSprite* sprite = new CSprite(0);
            sprite->LoadImage(PaintedGarment(StandNames(gender, top, styles[top], d), colours[top]));
            sprite->SetRandomFrame();
            stands[top]->entry[d] = direction_entry{Parked(sprite), 0, 0};
        }
    }
    for (int set = 0; set < 4; set++) {
        for (int d = 0; d < kDirections; d++) {
            if (set >= 2 && d != FACING_SE && d != FACING_SW) {
                continue;
            }
            for (int top = 0; top < 2; top++) {
                CSprite* sprite = new CSprite(0, animRate);
                for (int image : MovingImages(set, male)) {
                    sprite->LoadImage(
                        PaintedGarment(MovingNames(gender, top, styles[top], set, d, image), colours[top]));
                }
                const offset at = kGarmentOffsets[female][top][styles[top]][set][d];
                moving[set][top]->entry[d] = direction_entry{Parked(sprite), at.x, at.y};
            }
        }
    }

    const int years = GetAge();
    const int kidColours[2] = {std::clamp(data.kidBottomColour, 0, kBabyColours - 1),
                               std::clamp(data.kidTopColour, 0, kBabyColours - 1)};
    if (years < 3) {
        direction_set* babyWalks[2] = {&babyBottomWalk, &babyTopWalk};
        for (int d = 0; d < kDirections; d++) {
            const char* dir = kDirectionWords[d];
            for (int top = 0; top < 2; top++) {
                CSprite* sprite = new CSprite(0, kChildGarmentRate);
                sprite->LoadImage(TempSprintf("baby_clothes_walk_piece%i_colour%i_%s_", top, kidColours[top], dir), 0,
                                  kBabyWalkImages - 1, ".png");
                const offset at = kBabyGarmentOffsets[top][d];
                babyWalks[top]->entry[d] = direction_entry{Parked(sprite), at.x, at.y};
            }
            CSprite* diapers = new CSprite(0);
            diapers->LoadImage(TempSprintf("baby_diapers_%s_color%i.png", dir, kidColours[0]));
            babyBottomStand.entry[d] = direction_entry{Parked(diapers), 0, 0};
            CSprite* shirt = new CSprite(0);
            shirt->LoadImage(TempSprintf("baby_clothes_%s_color%i.png", dir, kidColours[1]));
            babyTopStand.entry[d] = direction_entry{Parked(shirt), 0, 0};
        }
    }
    if (years < 14) {
        const char* child = male ? "boy" : "girl";
        direction_set* kidWalks[2] = {&kidBottomWalk, &kidTopWalk};
        direction_set* kidStands[2] = {&kidBottomStand, &kidTopStand};
        for (int d = 0; d < kDirections; d++) {
            const char* dir = kDirectionWords[d];
            for (int top = 0; top < 2; top++) {
                const int colour = kidColours[top] % kKidColours;
                CSprite* walk = new CSprite(0, kChildGarmentRate);
                walk->LoadImage(TempSprintf("%s_clothes_walk_piece%i_colour%i_%s_", child, top, colour, dir), 0,
                                kWalkImages - 1, ".png");
                kidWalks[top]->entry[d] = direction_entry{Parked(walk), 0, 0};
                CSprite* stand = new CSprite(0, kChildGarmentRate);
                stand->LoadImage(TempSprintf("%s_%s_%s_color_%i.png", child, kPieceWords[top], dir, colour));
                kidStands[top]->entry[d] = direction_entry{Parked(stand), 0, 0};
            }
        }
    }
}

void CPerson::UnloadClothes()
{
    for (direction_set* set :
         {&topStand, &bottomStand, &topWalk, &bottomWalk, &topCarry, &bottomCarry, &topHack, &bottomHack, &topHoe,
          &bottomHoe, &babyTopStand, &babyBottomStand, &babyTopWalk, &babyBottomWalk, &kidTopStand, &kidBottomStand,
          &kidTopWalk, &kidBottomWalk}) {
        for (direction_entry& entry : set->entry) {
            Release(entry.sprite);
            entry.x = entry.y = 0;
        }
    }
}

void CPerson::ChangeClothes(craft_data order)
{
    auto found = std::find_if(people.begin(), people.end(),
                              [&](const CPerson* person) { return person->data.id == order.islanderId; });
    if (found == people.end()) {
        return;
    }
    CPerson* person = *found;
    if (person->portraitImage != -1 && CSprite::draw) {
        CSprite::draw->RemoveImage(person->portraitImage);
    }
    person->portraitImage = -1;
    person->data.bottomStyle = std::clamp(order.bottomStyle, 0, 2);
    person->data.topStyle = std::clamp(order.topStyle, 0, 2);
    person->data.bottomColour = order.bottomColour;
    person->data.topColour = order.topColour;
    person->ReloadSprites(0, 1);
    person->UnHide();
}

void CPerson::AddCraft(int islanderId, int topStyle, int bottomStyle, RGBA_data topColour, RGBA_data bottomColour)
{
    craftQueue.push_back(craft_data{islanderId, topStyle, bottomStyle, topColour, bottomColour, 0, kWorkNeeded});
}

void CPerson::ResetClothes(bool noClothes)
{
    wantNoClothes = noClothes;
    for (CPerson* person : people) {
        if (person->portraitImage != -1 && CSprite::draw) {
            CSprite::draw->RemoveImage(person->portraitImage);
        }
        person->portraitImage = -1;
    }
}

int CPerson::GetClothesStyle(bool top) const
{
    return top ? data.topStyle : data.bottomStyle;
}

RGBA_data CPerson::GetClothesColour(bool top) const
{
    return top ? data.topColour : data.bottomColour;
}

void CPerson::ChangeHairColour(int colour)
{
    colour = std::clamp(colour, 0, 7);
    for (int draw = 0; draw < kHairColourDraws; draw++) {
        for (gene& g : data.genes.hairGenes) {
            RandomizeGene(g);
        }
        hairColour = GetHairColour(&data.genes);
        if (hairColour == colour) {
            break;
        }
    }
    ReloadSprites(1, 0);
    EndTask(false);
    UnHide();
}

void CPerson::ChangeHairStyle(int style)
{
    data.youngHairStyle = data.matureHairStyle = std::clamp(style, 0, 7);
    ReloadSprites(1, 0);
    EndTask(false);
    UnHide();
}

void CPerson::ReloadSprites(int firstState, int secondState)
{
    Hide();
    // The old sprites live on until the new ones are built, so that the
    // archive pictures both use stay decoded.
    std::vector<CSprite*> old;
    ForEachSprite([&](CSprite*& sprite) {
        old.push_back(sprite);
        sprite = nullptr;
    });
    selectionMarker = nullptr;
    UnloadSprites();
    LoadSprites();
    ChangeState(firstState);
    ChangeState(secondState);
    for (CSprite* sprite : old) {
        delete sprite;
    }
}
