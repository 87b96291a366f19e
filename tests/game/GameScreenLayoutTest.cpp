// The game screen's main states read cleanly: the side panel with an
// islander, a building and a crate chosen (the first tutorial dialog open
// over the island all along), then a short and a long question in the
// pop-up, and every notice the pop-up can show. The screenshot scenes check
// the other screens.
#include "CControllerGameFixture.h"

#include "CBuilding.h"
#include "CControllerPopUp.h"
#include "CCrateBarrel.h"
#include "CDraw.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "LayoutCheck.h"
#include "Screenshot.h"

#include <algorithm>

namespace {

// Checks the screen as it stands and saves it for a person to look at.
void ExpectCleanLayout(const std::string& state)
{
    for (const std::string& problem : LayoutProblems()) {
        ADD_FAILURE() << state << ": " << problem;
    }
    CSprite::renderer->RedrawScreen();
    CSprite::renderer->Render(true);
    CSprite::draw->Flip(false);
    std::string name = "game-layout-" + state + ".png";
    std::replace(name.begin(), name.end(), ' ', '-');
    SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath(name));
}

}  // namespace

TEST_F(GameScreenTest, EveryStateOfTheSidePanelAndThePopUpReadsCleanly)
{
    Open(kFixedIslandSeeds[3]);
    ASSERT_FALSE(CPerson::people.empty());
    ASSERT_FALSE(CBuilding::buildings.empty());
    CCrateBarrel* crate = new CCrateBarrel(-1, -1, false, true);
    crate->crate = true;
    const std::pair<const char*, CObject*> chosen[] = {
        {"an islander", CPerson::people.front()}, {"a building", CBuilding::buildings.front()}, {"a crate", crate}};
    for (const auto& [state, object] : chosen) {
        CObject::selectedObject = object;
        for (int i = 0; i < 60; i++) {
            Frame();
        }
        ExpectCleanLayout(state);
    }
    // The longest of the islanders' activity lines wraps to two lines.
    CPerson* islander = CPerson::people.front();
    CObject::selectedObject = islander;
    for (int i = 0; i < 60; i++) {
        islander->statusTextId = 9155;
        Frame();
    }
    ExpectCleanLayout("an islander wading");

    // 12350 takes the large box, 12001 the small one.
    for (int question : {12350, 12001}) {
        Asker* asker = new Asker();
        asker->onPump = [question](FakeObject* self) {
            if (self->pumps == 1) {
                CObject::requestingFeedback = self;
                CObject::requestingFeedbackData = feedback_data{};
                CObject::requestingFeedbackData.id = question;
            }
        };
        for (int i = 0; i < 10 && !CControllerGame::popUp; i++) {
            Frame();
        }
        ASSERT_NE(CControllerGame::popUp, nullptr) << question;
        Frame();
        ExpectCleanLayout(question == 12350 ? "a long question" : "a short question");
        CControllerGame::popUp->GUICallback(1, 0);
        Frame();
        Frame();
    }
}

// Every notice and question the pop-up can show fits its box; inserted
// names are given at their longest (ten letters), the second and third
// inserts name the pronouns' texts as the askers do.
TEST_F(GameScreenTest, EveryNoticeFitsThePopUp)
{
    Open();
    for (const auto& [id, entry] : strings) {
        if ((id < 12000 || id >= 13000) && (id < 26000 || id >= 27000)) {
            continue;
        }
        feedback_data request{};
        request.id = id;
        request.insert[0] = "Wwwwwwwwww";
        request.insert[1] = "24100";
        request.insert[2] = "24102";
        request.insert[3] = "Wwwwwwwwww";
        request.number = 99999;
        CControllerPopUp popUp(request, true, -1);
        for (const std::string& problem : LayoutProblems()) {
            ADD_FAILURE() << "notice " << id << ": " << problem;
        }
    }
}
