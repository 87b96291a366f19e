// The islander detail screen over the game screen, walked with a small band
// whose side-panel pictures are drawn here: the portrait, meters and texts,
// typing a new name, stepping through the band, the task boxes, the clothes
// button and the tutorial steps the screen shows.
#include "CControllerGameFixture.h"

#include "CControllerClothes.h"
#include "CControllerPersonDetail.h"
#include "CCraftworks.h"
#include "CDraw.h"
#include "CGuiCheckBox.h"
#include "CPerson.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Screenshot.h"
#include "Utilities.h"
#include "tests/game/PictureIslander.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kTutorialOn = 67;

struct DetailScreenTest : GameScreenTest {
    void SetUp() override
    {
        GameScreenTest::SetUp();
        game = &Open();
        for (CPerson* person : std::vector<CPerson*>(CPerson::people)) {
            delete person;
        }
        adult = new PictureIslander(2, 30, 0);
        odd = new PictureIslander(3, 30, 1);
        baby = new PictureIslander(5, 1, 0);
        boy = new PictureIslander(7, 8, 0);
        girl = new PictureIslander(9, 8, 1);
        for (int step = 0; step < CTutorialDialog::kSteps; step++) {
            CTutorialDialog::UncompleteTutorial(step);
        }
        CProfile::current->SetValue<bool>(kTutorialOn, false);
        game->pendingTutorial = -1;
    }

    void TearDown() override
    {
        delete CControllerGame::personGUI;
        CControllerGame::personGUI = nullptr;
        GameScreenTest::TearDown();
    }

    CControllerPersonDetail& ShowDetail(CPerson* person)
    {
        CControllerGame::ShowPersonDetail(person);
        return *CControllerGame::personGUI;
    }

    static void Press(CControllerPersonDetail& detail, int key)
    {
        detail.InputKey(false, key);
        detail.InputKey(true, key);
    }

    // The centre of the portrait, and whether its left edge is red.
    static coordinate Centre(CSprite* sprite)
    {
        return {sprite->GetX() + sprite->GetW() / 2, sprite->GetY() + sprite->GetH() / 2};
    }
    // Whether the portrait's left edge shows the picture's left edge.
    static bool AsInTheSidePanel(CSprite* portrait, PictureIslander* shown)
    {
        CDraw* draw = CSprite::draw;
        const int doubled = draw->DoubleImageSize(shown->picture);
        const bool same = draw->getpixel(portrait->GetImage(0), 1, 20) == draw->getpixel(doubled, 1, 20);
        draw->RemoveImage(doubled);
        return same;
    }
    static int TextWidth(CSprite* text) { return CSprite::draw->GetRightEdge(text->GetImage(0)); }

    CControllerGame* game = nullptr;
    PictureIslander *adult = nullptr, *odd = nullptr, *baby = nullptr, *boy = nullptr, *girl = nullptr;
};

}  // namespace

TEST_F(DetailScreenTest, TheScreenShowsAnIslanderAndStepsThroughTheBand)
{
    adult->data.skills[3] = 0;      // fishing
    adult->data.skills[2] = 10000;  // wood
    adult->data.skills[12] = 5000;  // crafting
    adult->data.actualAge = adult->data.age + 5 * kYear;
    adult->PermitTask(3, false);
    CControllerPersonDetail& detail = ShowDetail(adult);
    EXPECT_EQ(CController::focus, &detail);
    EXPECT_EQ(detail.portrait->GetW(), 40) << "twice the side-panel picture";
    EXPECT_FALSE(AsInTheSidePanel(detail.portrait, adult)) << "an even id is mirrored";
    EXPECT_LE(std::abs(Centre(detail.portrait).x - 240), 1);
    EXPECT_LE(std::abs(Centre(detail.portrait).y - 165), 1);

    EXPECT_TRUE(detail.meters[0]->Hidden() && detail.meterEnds[0]->Hidden()) << "no fishing at all";
    EXPECT_EQ(detail.meters[1]->GetW(), detail.meters[1]->GetOriginalW()) << "wood mastered";
    EXPECT_EQ(detail.meters[6]->GetW(), Round(detail.meters[6]->GetOriginalW() * 4675 / 10000.0f));
    EXPECT_FALSE(detail.checkBoxes[0]->GetChecked());
    EXPECT_TRUE(detail.checkBoxes[1]->GetChecked());
    const int twoAges = TextWidth(detail.values[0]);
    EXPECT_STREQ(detail.typedName, adult->GetASCIIName());
    // Each strength word covers a closed range; the last is for 100 and more.
    const int words[][2] = {{0, 11082},   {9, 11082},   {10, 11083},  {24, 11083},  {25, 11084}, {49, 11084},
                            {50, 11085},  {74, 11085},  {75, 11086},  {99, 11086},  {100, 11087}, {140, 11087}};
    for (const auto& word : words) {
        EXPECT_EQ(CControllerPersonDetail::StrengthCategory(word[0]), word[1]) << word[0];
    }

    // The arrows, by button and by key, wrap round the band.
    detail.GUICallback(1, 0);
    EXPECT_EQ(detail.shownPerson, odd);
    EXPECT_TRUE(AsInTheSidePanel(detail.portrait, odd)) << "an odd id is shown as in the side panel";
    EXPECT_LT(TextWidth(detail.values[0]), twoAges) << "one age when both agree";
    EXPECT_TRUE(detail.checkBoxes[0]->GetChecked());
    detail.InputKey(true, SDLK_RIGHT);
    EXPECT_EQ(detail.shownPerson, baby);
    EXPECT_LE(std::abs(Centre(detail.portrait).y - 195), 1);
    detail.InputKey(true, SDLK_RIGHT);
    detail.InputKey(true, SDLK_RIGHT);
    detail.InputKey(true, SDLK_RIGHT);
    EXPECT_EQ(detail.shownPerson, adult) << "from the last back to the first";
    detail.InputKey(true, SDLK_LEFT);
    EXPECT_EQ(detail.shownPerson, girl);

    // An islander gone from the band has no neighbours: the screen stays on it.
    PictureIslander stranger(11, 30, 0);
    CPerson::people.pop_back();
    detail.shownPerson = &stranger;
    detail.GUICallback(1, 0);
    EXPECT_EQ(detail.shownPerson, &stranger);
    CPerson::people.push_back(&stranger);
    detail.shownPerson = girl;

    // A box allows or forbids its task at once.
    detail.checkBoxes[5]->SetChecked(false);
    detail.GUICallback(9, 0);
    EXPECT_FALSE(girl->IsTaskPermitted(11));

    // Back hands the islander shown to the game screen, which selects it.
    detail.GUICallback(3, 0);
    Frame();
    EXPECT_EQ(CControllerGame::personGUI, nullptr);
    EXPECT_EQ(CObject::selectedObject, girl);
    EXPECT_EQ(CController::focus, game);
}

// The eight pieces of the frame, each at its own place.
TEST_F(DetailScreenTest, TheFramePiecesStandInTheirPlaces)
{
    CControllerPersonDetail& detail = ShowDetail(adult);
    constexpr int kPlaces[8][2] = {{115, 28},  {136, 144}, {180, 53},  {367, 72},
                                   {125, 315}, {133, 344}, {592, 320}, {138, 482}};
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(detail.frame[i]->GetX(), kPlaces[i][0]) << "piece " << i;
        EXPECT_EQ(detail.frame[i]->GetY(), kPlaces[i][1]) << "piece " << i;
    }
}

// The six labels down the facts column each read their own text at their own
// height; the mental strength's carries its number and word.
TEST_F(DetailScreenTest, EachFactLabelReadsItsOwnText)
{
    CControllerPersonDetail& detail = ShowDetail(adult);
    const std::string mental = std::to_string(adult->GetMentalStrength());
    const std::string word = std::to_string(CControllerPersonDetail::StrengthCategory(adult->GetMentalStrength()));
    struct label_row {
        int id, y;
        const char* a1;
        const char* a2;
    };
    const label_row rows[6] = {{11070, 111, nullptr, nullptr}, {11071, 133, nullptr, nullptr},
                               {11072, 155, nullptr, nullptr}, {11073, 177, nullptr, nullptr},
                               {11080, 227, nullptr, nullptr}, {11081, 250, mental.c_str(), word.c_str()}};
    for (int i = 0; i < 6; i++) {
        SCOPED_TRACE(testing::Message() << "label " << rows[i].id);
        CSprite written(0);
        int lines = 0;
        written.LoadTextShadow(rows[i].id, 260, 30, 0, lines, 41, 35, 28, rows[i].a1, rows[i].a2, nullptr, nullptr,
                               nullptr);
        const rgb_picture text = PictureOf(CSprite::draw->GetSurface(written.GetFirstImage()));
        EXPECT_EQ(PictureOf(CSprite::draw->GetSurface(detail.labels[i]->GetFirstImage())).CountDifferences(text), 0);
        EXPECT_EQ(detail.labels[i]->GetX(), 382);
        EXPECT_EQ(detail.labels[i]->GetY(), rows[i].y);
    }
}

TEST_F(DetailScreenTest, TypingRenamesTheIslanderWithShiftRepeatAndABlinkingCursor)
{
    const std::string given = adult->GetASCIIName();
    CControllerPersonDetail& detail = ShowDetail(adult);

    // The cursor blinks 15 frames on and 15 off.
    int shown = 0;
    for (int i = 0; i < 60; i++) {
        Frame();
        shown += !detail.textCursor->Hidden();
    }
    EXPECT_EQ(shown, 30);

    // Erase everything: the name text goes, the cursor parks, and the
    // islander answers with its given name again.
    for (size_t i = 0; i < given.size() + 2; i++) {
        Press(detail, SDLK_BACKSPACE);
    }
    EXPECT_STREQ(detail.typedName, "");
    EXPECT_EQ(detail.nameText, nullptr);
    EXPECT_EQ(given, adult->GetASCIIName());

    detail.InputKey(false, SDLK_LSHIFT);
    Press(detail, 'k');
    detail.InputKey(true, SDLK_LSHIFT);
    for (int key : {int{'a'}, int{'i'}, int{'2'}, int{' '}, int{'.'}, int{SDLK_F1}}) {
        Press(detail, key);
    }
    EXPECT_STREQ(detail.typedName, "Kai2 ") << "punctuation and other keys do not type";
    EXPECT_STREQ(adult->GetASCIIName(), "Kai2 ");
    ASSERT_NE(detail.nameText, nullptr);
    EXPECT_EQ(detail.textCursor->GetX(), detail.nameText->GetX() + TextWidth(detail.nameText) - 2);

    // A held key types at once, then every second frame from the 16th.
    detail.InputKey(false, 'o');
    EXPECT_EQ(std::strlen(detail.typedName), 6u);
    for (int frame = 1; frame <= 15; frame++) {
        Frame();
    }
    EXPECT_EQ(std::strlen(detail.typedName), 6u);
    Frame();
    EXPECT_EQ(std::strlen(detail.typedName), 7u);
    Frame();
    Frame();
    EXPECT_EQ(std::strlen(detail.typedName), 8u);
    for (int frame = 0; frame < 20; frame++) {
        Frame();
    }
    EXPECT_EQ(std::strlen(detail.typedName), 10u) << "an 11th character is dropped";
    detail.InputKey(true, 'o');
    EXPECT_STREQ(adult->GetASCIIName(), "Kai2 ooooo");

    // Return stops the blink until the next character.
    detail.InputKey(true, SDLK_RETURN);
    for (int i = 0; i < 40; i++) {
        Frame();
        EXPECT_TRUE(detail.textCursor->Hidden());
    }
    Press(detail, SDLK_DELETE);
    EXPECT_TRUE(detail.editingName);
    EXPECT_STREQ(detail.typedName, "Kai2 oooo");
}

TEST_F(DetailScreenTest, TheClothesButtonNeedsACraftworksAndAnAdult)
{
    CCraftworks* works = new CCraftworks(1500, 1500);
    works->FinishNow();
    CObject::MoveObjects(0, 0, 1);
    ASSERT_EQ(CCraftworks::numCraftworks, 1);

    CControllerPersonDetail& detail = ShowDetail(boy);
    detail.GUICallback(2, 0);
    ASSERT_NE(CControllerPersonDetail::popUp, nullptr);
    EXPECT_EQ(CControllerPersonDetail::popUp->request.id, 12201);
    EXPECT_EQ(CControllerPersonDetail::popUp->request.insert[0], boy->GetASCIIName());
    EXPECT_EQ(CController::focus, CControllerPersonDetail::popUp);
    CControllerPersonDetail::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(CControllerPersonDetail::popUp, nullptr);
    EXPECT_EQ(CController::focus, &detail) << "the screen stays";

    // Taking the only craftworks down closes the workshop at its next frame.
    works->SetBuildingDemolitionState(true);
    works->GiveResponse(true);
    CObject::MoveObjects(0, 0, 1);
    EXPECT_EQ(CCraftworks::numCraftworks, 0);
    detail.GUICallback(1, 0);
    ASSERT_EQ(detail.shownPerson, girl);
    detail.GUICallback(1, 0);
    ASSERT_EQ(detail.shownPerson, adult);
    detail.GUICallback(2, 0);
    ASSERT_NE(CControllerPersonDetail::popUp, nullptr);
    EXPECT_EQ(CControllerPersonDetail::popUp->request.id, 12200);
    CControllerPersonDetail::popUp->GUICallback(0, 0);
    Frame();

    CCraftworks* another = new CCraftworks(2500, 1500);
    another->FinishNow();
    CObject::MoveObjects(0, 0, 1);
    detail.GUICallback(2, 0);
    EXPECT_EQ(detail.changeClothes, 1);
    Frame();
    EXPECT_EQ(CControllerGame::personGUI, nullptr);
    ASSERT_NE(CControllerGame::clothes, nullptr) << "on to the clothes designer";
    EXPECT_EQ(CControllerGame::clothes->person, adult);
}

TEST_F(DetailScreenTest, TheScreensTutorialSteps)
{
    CProfile::current->SetValue<bool>(kTutorialOn, true);
    for (int step = 0; step < 87; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }
    CTutorialDialog::nextTutorial = -1;
    game->pendingTutorial = 86;
    CControllerPersonDetail& detail = ShowDetail(baby);
    EXPECT_EQ(game->pendingTutorial, -1) << "opening the screen settles the step that pointed at it";

    // Ticking a child's box raises the step about children's chores.
    detail.checkBoxes[0]->SetChecked(false);
    detail.GUICallback(4, 0);
    EXPECT_EQ(game->pendingTutorial, -1) << "only a tick raises it";
    detail.checkBoxes[0]->SetChecked(true);
    detail.GUICallback(4, 1);
    EXPECT_EQ(game->pendingTutorial, 87);
    Frame();
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 87);
    detail.GUICallback(1087, 0);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(87));
    EXPECT_EQ(game->pendingTutorial, -1);

    // Closing after step 18 completes the screen's own steps; a pending
    // step that was not shown is dropped.
    for (int step = 19; step <= 23; step++) {
        CTutorialDialog::UncompleteTutorial(step);
    }
    CTutorialDialog::UncompleteTutorial(87);
    game->pendingTutorial = 87;
    detail.InputKey(true, SDLK_ESCAPE);
    Frame();
    for (int step = 19; step <= 23; step++) {
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << step;
    }
    EXPECT_EQ(game->pendingTutorial, -1);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
}
