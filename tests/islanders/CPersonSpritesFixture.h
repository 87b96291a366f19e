// The islander fixture with the adult garment masks preloaded as at
// start-up, and islanders of any sex, stage, skin, hair and clothes.
#pragma once

#include "CDraw.h"
#include "CSprite.h"
#include "IslanderFixture.h"

#include <SDL.h>

constexpr int kYear = 172800;

class SpritesTest : public IslanderTest {
protected:
    void SetUp() override
    {
        IslanderTest::SetUp();
        CPerson::PreLoadClothes();
    }

    void TearDown() override
    {
        IslanderTest::TearDown();
        CPerson::UnPreLoadClothes();
    }

    struct looks {
        int gender = 0;
        int years = 30;
        int skin = 0;       // 0..3
        int hairStyle = 0;  // 0..7
        int topStyle = 0, bottomStyle = 0;
        int kidTop = 0, kidBottom = 0;
    };

    // Genes that give the skin tone: the tones by the phenotypes of the two
    // skin genes are 3, 1, 2, 0.
    static void GiveSkin(person_data& record, int skin)
    {
        const int bits[4] = {3, 1, 2, 0};
        const int index = bits[skin];
        for (int g = 0; g < 2; g++) {
            const uint8_t allele = (index >> (1 - g)) & 1;
            record.genes.skinGenes[g] = gene{{allele, allele}};
        }
    }

    static CPerson* Dressed(const looks& l, int id = 1)
    {
        person_data record = IslanderRecord(1000, 1000, l.years * kYear, l.gender);
        record.id = id;
        GiveSkin(record, l.skin);
        record.youngHairStyle = record.matureHairStyle = l.hairStyle;
        record.topStyle = l.topStyle;
        record.bottomStyle = l.bottomStyle;
        record.topColour = RGBA_data{200, 40, 40, 255};
        record.bottomColour = RGBA_data{30, 60, 200, 255};
        record.kidTopColour = l.kidTop;
        record.kidBottomColour = l.kidBottom;
        return new CPerson(record);
    }

    static RGBA_data Pixel(int image, int x, int y)
    {
        CDraw* draw = CSprite::draw;
        SDL_Surface* surface = draw->GetSurface(image);
        draw->LockImage(image);
        const Uint32 pixel = draw->getpixel(image, x, y);
        draw->UnlockImage(image);
        RGBA_data colour{};
        SDL_GetRGBA(pixel, surface->format, &colour.r, &colour.g, &colour.b, &colour.a);
        return colour;
    }

    static CSprite* ShownBody(CPerson& person) { return person.bodySet->entry[person.bodyDirection].sprite; }
};
