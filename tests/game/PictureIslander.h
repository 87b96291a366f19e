// An islander of a test band whose side-panel picture is drawn here, since
// the band's own portraits come from the islanders' pictures.
#pragma once

#include "CDraw.h"
#include "CPerson.h"
#include "CSprite.h"
#include "tests/islanders/IslanderRecords.h"

constexpr int kYear = 172800;

// An islander whose side-panel picture is red on its left quarter and blue
// elsewhere, so that a mirrored portrait shows.
class PictureIslander : public CPerson {
public:
    PictureIslander(int id, int ageYears, int gender) : CPerson(Record(id, ageYears, gender))
    {
        CDraw* draw = CSprite::draw;
        picture = draw->CreateSizedBlank(20, 30, nullptr);
        draw->ColourFill(picture, RGBA_data{0, 0, 255, 255}, 0, 0, 20, 30);
        draw->ColourFill(picture, RGBA_data{255, 0, 0, 255}, 0, 0, 5, 30);
    }
    ~PictureIslander() override { CSprite::draw->RemoveImage(picture); }

    sidebar_image GetSpriteForSidebar() override { return sidebar_image{picture, "", 1}; }

    int picture;

private:
    static person_data Record(int id, int ageYears, int gender)
    {
        person_data record = IslanderRecord(1000 + 40 * id, 1000, ageYears * kYear, gender);
        record.id = id;
        for (uint8_t& permitted : record.permittedTasks) {
            permitted = 1;
        }
        return record;
    }
};
