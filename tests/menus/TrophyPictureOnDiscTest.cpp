// Every trophy's picture stands on its disc in the pop-up that announces it
// exactly as it stands on its disc in the trophy room, all 25 of them.
#include "CControllerTrophyScreens.h"

#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CSprite.h"
#include "TrophyTable.h"
#include "Utilities.h"

#include <memory>
#include <string>

namespace {

using TrophyLooks = TrophyScreenTest;

// The drawn sprite that shows the named picture; null when none does.
CSprite* Showing(const std::string& name)
{
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        const char* shown = sprite && sprite->GetNumImages() > 0 && !sprite->Hidden()
                                ? CSprite::draw->GetImageName(sprite->GetImage(0))
                                : nullptr;
        if (shown && name == shown) {
            return sprite;
        }
    }
    return nullptr;
}

std::string PictureName(int trophy)
{
    return TempSprintf("trophies_tr_%s.png", kTrophyLooks[trophy].name);
}

}  // namespace

TEST_F(TrophyLooks, EachPictureStandsOnItsDiscInThePopUpAsInTheRoom)
{
    TutorialOn(false);
    CControllerTrophies::SetVar((1 << CControllerTrophies::kTrophies) - 1);
    coordinate inRoom[kTrophyCount];
    {
        CControllerTrophies room;
        for (int trophy = 0; trophy < kTrophyCount; trophy++) {
            CSprite* picture = Showing(PictureName(trophy));
            ASSERT_NE(picture, nullptr) << PictureName(trophy);
            const coordinate disc = kTrophyLooks[trophy].roomDisc;
            inRoom[trophy] = {picture->GetX() - disc.x, picture->GetY() - disc.y};
        }
    }
    for (int trophy = 0; trophy < kTrophyCount; trophy++) {
        SCOPED_TRACE(PictureName(trophy));
        CControllerTrophyUnlock popUp(1 << trophy);
        CSprite* picture = Showing(PictureName(trophy));
        CSprite* disc = Showing(TempSprintf("trophies_disc%c_base.png", kTrophyLooks[trophy].disc));
        ASSERT_TRUE(picture && disc);
        EXPECT_EQ(picture->GetX() - disc->GetX(), inRoom[trophy].x);
        EXPECT_EQ(picture->GetY() - disc->GetY(), inRoom[trophy].y);
    }
}
