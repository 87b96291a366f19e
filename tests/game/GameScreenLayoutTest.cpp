// The game screen's main states read cleanly: the side panel with nothing,
// an islander, a building, a crate, a tree, a rock, a science station and a
// craftworks chosen (the first tutorial dialog open over the island all
// along), then a short and a long question in the pop-up, and every notice
// the pop-up can show. The screenshot scenes check
// the other screens.
#include "CControllerGameFixture.h"

#include "CBuilding.h"
#include "CControllerPopUp.h"
#include "CCraftworks.h"
#include "CCrateBarrel.h"
#include "CDraw.h"
#include "CGuiButton.h"
#include "CHut.h"
#include "CMap.h"
#include "CResources.h"
#include "CScienceStation.h"
#include "CSidebar.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CStone.h"
#include "CTree.h"
#include "TreeKinds.h"
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
    // A tree and a rock show the detail button's tick-box form.
    CObject* tree = nullptr;
    CObject* rock = nullptr;
    for (CObject* object : CObject::objects) {
        if (object->isTree && !tree) {
            tree = object;
        } else if (!rock && dynamic_cast<CStone*>(object)) {
            rock = object;
        }
    }
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(rock, nullptr);
    // Finished, a science station and a craftworks show their lab and
    // make-clothes buttons just under the name plate. The first building's
    // trophy is held already, so that no trophy's pop-up takes the screen.
    CControllerTrophies::CompleteTrophy(1);
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    CMap* island = CControllerGame::island;
    // Out of view, so that nothing shows through the tutorial dialog.
    CBuilding* station = new CScienceStation(island->GetStartX() + 1200, island->GetStartY() + 1200);
    CBuilding* works = new CCraftworks(island->GetStartX() + 1500, island->GetStartY() + 1200);
    station->FinishNow();
    works->FinishNow();
    Frame();
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    const std::pair<const char*, CObject*> chosen[] = {{"nothing chosen", nullptr},
                                                       {"an islander", CPerson::people.front()},
                                                       {"a building", CBuilding::buildings.front()},
                                                       {"a crate", crate},
                                                       {"a tree", tree},
                                                       {"a rock", rock},
                                                       {"a science station", station},
                                                       {"a craftworks", works}};
    for (const auto& [state, object] : chosen) {
        CObject::selectedObject = object;
        for (int i = 0; i < 60; i++) {
            Frame();
        }
        ExpectCleanLayout(state);
        if (object == station || object == works) {
            CGuiButton* button = object == station ? CControllerGame::sidebar->labButton
                                                   : CControllerGame::sidebar->clothesButton;
            EXPECT_FALSE(button->Hidden()) << state << ": its button was judged";
        }
    }
    // One of the longest activity lines.
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

// A selected islander's title sits on the name plate and its activity on
// the line above the About me button: each must take one line of the side
// panel's 140 px text boxes, or its second line runs off the plate or onto
// the button. Titles are every life stage's and every rank of every
// speciality; activities every status text of the table.
TEST_F(GameScreenTest, EveryIslandersTitleAndActivityTakeOneLine)
{
    Open();
    auto lines = [](int id, const char* first, const char* second) {
        int count = 0;
        const int image = CSprite::draw->LoadTextShadow(id, 140, 54, 2, count, 0, 0, 0, first, second, nullptr,
                                                        nullptr, nullptr);
        const size_t written = CSprite::draw->TextLayout(image)->lines.size();
        CSprite::draw->RemoveImage(image);
        return written;
    };
    for (int id : {8000, 8002, 8003, 8004, 8005, 8006, 8007, 8008}) {
        EXPECT_EQ(lines(id, nullptr, nullptr), 1u) << "title " << id;
    }
    for (int rank = 0; rank < 4; rank++) {
        for (int speciality = 0; speciality < 8; speciality++) {
            const std::string rankId = std::to_string(11120 + rank), specialityId = std::to_string(11100 + speciality);
            EXPECT_EQ(lines(8001, rankId.c_str(), specialityId.c_str()), 1u)
                << "title of rank " << rank << " in speciality " << speciality;
        }
    }
    int activities = 0;
    for (const auto& [id, entry] : strings) {
        if (id >= 9000 && id < 10000) {
            EXPECT_EQ(lines(id, nullptr, nullptr), 1u) << "activity " << id;
            activities++;
        }
    }
    EXPECT_GT(activities, 50);
}

// The side panel's texts stay inside their frames at every value play
// reaches: a hut site from 0 to 99 percent built and from 99 to 0 percent
// cleared (whole, it shows no percentage), stocks at the capacity of many
// storehouses, and a name as long as the detail screen lets the player type
// it, of the widest letter.
TEST_F(GameScreenTest, TheSidePanelsTextsFitTheirFramesAtEveryValuePlayReaches)
{
    Open(kFixedIslandSeeds[3]);
    CSidebar* panel = CControllerGame::sidebar;
    CMap* island = CControllerGame::island;
    auto settle = [&](const std::string& state) {
        for (int i = 0; i < 40; i++) {
            Frame();
        }
        ExpectCleanLayout(state);
    };
    CControllerGame::Resources()->wood = 9999;
    CControllerGame::Resources()->rock = 9999;
    CControllerGame::Resources()->SetFood(9999, 0);
    ASSERT_FALSE(CPerson::people.empty());
    CPerson* islander = CPerson::people.front();
    islander->SetASCIIName(std::string(CControllerPersonDetail::kNameLength, 'W'));
    CObject::selectedObject = islander;
    settle("the longest name and full stocks");
    EXPECT_NE(panel->nameText, nullptr);

    // Each percentage on both sides of its second digit, and the highest.
    CHut* site = new CHut(island->GetStartX() + 300, island->GetStartY() + 300, 0);
    site->UnHide();
    CObject::selectedObject = site;
    for (int percent : {0, 9, 10, 96, 99}) {
        // A step of work and a unit of what is missing at a time; the last
        // steps may finish the hut, which then shows no percentage.
        for (int step = 0; step < 100000 && !site->IsComplete() && site->GetSelectedTopDetail().number < percent;
             step++) {
            site->Build(1);
            if (!site->HasAllResources()) {
                site->AddResource(1, site->WhichResourceIsNeeded());
            }
        }
        ASSERT_FALSE(site->IsComplete()) << percent;
        settle("built " + std::to_string(site->GetSelectedTopDetail().number) + " percent");
        EXPECT_NE(panel->topText, nullptr);
    }
    // Work alone clears the first half of a building coming down; the
    // widest number has two digits, as on the way up.
    site->FinishNow();
    site->GiveResponse(true);  // yes, take it down
    for (int percent : {0, 9, 10, 45}) {
        for (int step = 0; step < 100000 && site->GetSelectedTopDetail().number < percent; step++) {
            site->Build(1);
        }
        ASSERT_GE(site->GetSelectedTopDetail().number, percent);
        ASSERT_EQ(site->GetSelectedTopDetail().id, 2025);
        settle("cleared " + std::to_string(site->GetSelectedTopDetail().number) + " percent");
        EXPECT_NE(panel->topText, nullptr);
    }
}

// A chosen tree's picture, of every size and trunk style, stands between the
// name plate and the detail button below it: a big palm's crown must not
// reach over the plate, nor its foot onto the button.
TEST_F(GameScreenTest, EveryTreesPictureStandsBetweenTheNamePlateAndTheDetailButton)
{
    Open(kFixedIslandSeeds[3]);
    CSidebar* panel = CControllerGame::sidebar;
    CMap* island = CControllerGame::island;
    const int buttonTop = 296;
    for (int size = 0; size < TREE_SIZES; size++) {
        for (int trunk = 0; trunk < kTreeKinds[size].styles; trunk++) {
            CTree* tree = new CTree(island->GetStartX(), island->GetStartY(), size, trunk, false, false, false);
            island->trees.push_back(tree);
            CObject::selectedObject = tree;
            for (int i = 0; i < 40; i++) {
                Frame();
            }
            ASSERT_NE(panel->picture, nullptr);
            const int image = panel->picture->GetFirstImage();
            SDL_Surface* surface = CSprite::draw->GetSurface(image);
            int top = surface->h;
            CSprite::draw->LockImage(image);
            for (int y = 0; y < surface->h && top == surface->h; y++) {
                for (int x = 0; x < surface->w; x++) {
                    Uint8 r, g, b, a;
                    SDL_GetRGBA(CSprite::draw->getpixel(surface, x, y), surface->format, &r, &g, &b, &a);
                    if (a > 0) {
                        top = y;
                        break;
                    }
                }
            }
            CSprite::draw->UnlockImage(image);
            const int plateBottom = panel->namePlate->GetY() + panel->namePlate->GetH();
            EXPECT_GE(panel->picture->GetY() + top, plateBottom) << "size " << size << ", trunk " << trunk;
            EXPECT_LE(panel->picture->GetY() + CSprite::draw->GetBottomEdge(image), buttonTop)
                << "size " << size << ", trunk " << trunk;
        }
    }
}
