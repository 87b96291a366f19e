// The side panel's picture of an islander: its stand pose facing the
// viewer, dressed, with its head, face and hair, combined once and kept until
// the face, clothes, hair or head direction change.
#include "CPerson.h"

#include "CDraw.h"
#include "CSprite.h"
#include "Utilities.h"

#include <cstdio>
#include <vector>

namespace {

// The image a layer shows, copied for the combination; -1 when missing.
int CopyOf(CSprite* sprite, int index = -1)
{
    if (!sprite) {
        return -1;
    }
    const int image = index < 0 ? sprite->GetFirstImage() : sprite->GetImage(index);
    return image == -1 ? -1 : CSprite::draw->CopyImage(image);
}

void AddLayer(std::vector<image_combine>& layers, int image, int x, int y)
{
    if (image != -1) {
        layers.push_back(image_combine{image, x, y});
    }
}

}  // namespace

sidebar_image CPerson::GetSpriteForSidebar()
{
    if (portraitImage == -1 && CSprite::draw && headImages) {
        const int years = GetAge();
        const bool baby = years < 3, kid = !baby && years < 14;
        const direction_set& stand = baby ? babyStand : kid ? kidStand : adultStand;
        const direction_entry& body = stand.entry[FACING_SW];
        std::vector<image_combine> layers;
        if (!baby && !kid) {
            AddLayer(layers, CopyOf(body.sprite), 0, 0);
        }
        if (!wantNoClothes) {
            const direction_set& bottom = baby ? babyBottomStand : kid ? kidBottomStand : bottomStand;
            const direction_set& top = baby ? babyTopStand : kid ? kidTopStand : topStand;
            // On the island a garment stands at the body's place plus its own
            // offset, so beside the body in the picture it stands at that offset.
            for (const direction_set* garment : {&bottom, &top}) {
                const direction_entry& e = garment->entry[FACING_SW];
                AddLayer(layers, CopyOf(e.sprite), e.x, e.y);
            }
        }
        if (baby || kid) {
            AddLayer(layers, CopyOf(body.sprite), 0, 0);
        }
        const int head = headDirection == -1 ? data.id % 7 + 5 : headDirection;
        int headX = isMale ? 3 : 2, headY = isMale ? -17 : -19;
        if (baby) {
            headX += isMale ? -3 : -2;
            headY += isMale ? 1 : 3;
        } else if (kid) {
            headX += isMale ? 0 : -2;
            headY += isMale ? -2 : -3;
        }
        if (head >= 0 && head < kHeadFrames) {
            AddLayer(layers, CopyOf(headImages[head]), headX, headY);
            if (!baby) {
                AddLayer(layers, CopyOf(currentMouth ? currentMouth[head] : nullptr), headX, headY);
                AddLayer(layers, CopyOf(hairImages ? hairImages[head] : nullptr), headX - (isMale ? 3 : 10),
                         headY - (isMale ? 5 : 8));
            }
        }
        if (!layers.empty()) {
            portraitImage = CSprite::draw->CombineImages(layers);
        }
    }
    return sidebar_image{portraitImage, "", -1};
}

int CPerson::FindRandomAdultImage(int* gender, char* name)
{
    if (people.empty()) {
        return -1;
    }
    for (int pick = 0; pick < 1000; pick++) {
        CPerson* person = people[RangedRandom(0, static_cast<int>(people.size()) - 1)];
        if (person->deleteMe || person->dying || person->GetAge() < 14) {
            continue;
        }
        person->ChangeEmotion(5, 10);
        if (gender) {
            *gender = person->data.gender;
        }
        if (name) {
            // The caller's buffer holds any name: names are cut to 10 characters.
            snprintf(name, sizeof(person->asciiName), "%s", person->GetASCIIName());
        }
        const sidebar_image portrait = person->GetSpriteForSidebar();
        return portrait.id != -1 && CSprite::draw ? CSprite::draw->CopyImage(portrait.id) : -1;
    }
    return -1;
}
