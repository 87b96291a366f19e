#include "CControllerGameFixture.h"

#include "CControllerBuild.h"
#include "CControllerCrate.h"
#include "CGuiButton.h"
#include "CPerson.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "tests/islanders/IslanderRecords.h"

#include <map>
#include <string>

namespace {

feedback_data Request(int id, bool noticeOnly = false)
{
    feedback_data request{};
    request.id = id;
    request.noticeOnly = noticeOnly ? 1 : 0;
    return request;
}

}  // namespace

TEST_F(GameScreenTest, APopUpIsANoticeOrAQuestionAndEscapeAnswersCancel)
{
    // A request that says notice wins over a question's constructor.
    CControllerPopUp notice(Request(12214, true), false, -1);
    EXPECT_EQ(notice.cancelButton, nullptr);
    EXPECT_EQ(notice.firstButton->x, 324);
    EXPECT_EQ(notice.firstButton->data.textId, 12000);
    EXPECT_EQ(notice.fader->GetZ(), 24999999);
    EXPECT_EQ(notice.boxBack->GetZ(), 25000000);
    EXPECT_EQ(notice.text->GetZ(), 25000005);
    EXPECT_EQ(notice.firstButton->data.z, 25000010);
    EXPECT_EQ(notice.boxBack->GetX(), 232) << "a short text takes the small box";
    notice.GUICallback(0, 0);
    EXPECT_TRUE(notice.answer);
    EXPECT_EQ(notice.returnCode, 0);

    CControllerPopUp question(Request(12350), false, 1000);
    ASSERT_NE(question.cancelButton, nullptr);
    EXPECT_EQ(question.firstButton->data.textId, 12001);
    EXPECT_EQ(question.boxBack->GetX(), 197) << "a long notice takes the large box";
    EXPECT_EQ(question.narration, nullptr);
    CSprite* text = question.text;
    question.LoadSprites(Request(12001), true, -1);
    EXPECT_EQ(question.text, text) << "a loaded dialog stays as it is";
    question.hasFocus = true;
    question.InputKey(true, SDLK_ESCAPE);
    EXPECT_FALSE(question.answer);
    EXPECT_EQ(question.returnCode, 0);
}

// While the screens are paused, the dialogs over the island read their
// input and skip the rest of the frame, until one single step is asked.
TEST_F(GameScreenTest, PausedDialogsOverTheIslandSkipTheirFramesUntilASingleStep)
{
    CControllerGame& game = Open();
    CPerson* adult = new CPerson(IslanderRecord(200, 300, 30 * 172800));
    auto check = [](const char* name) {
        SCOPED_TRACE(name);
        CController* dialog = CController::focus;
        dialog->Pump();  // its first frame takes the events its opening left
        CController::pause = true;
        CGuiButtonBase::currentButton = 999;
        dialog->Pump();
        EXPECT_EQ(CGuiButtonBase::currentButton, 999) << "no widget pumped";
        CController::frame = true;
        dialog->Pump();
        EXPECT_NE(CGuiButtonBase::currentButton, 999) << "the single step runs the widgets";
        CController::pause = CController::frame = false;
        dialog->ShutDown(0);
        CController::PumpFocus();
    };
    game.GUICallback(3, 0);
    ASSERT_EQ(CController::focus, game.buildMenu);
    check("the build menu");
    CControllerGame::ShowPersonDetail(adult);
    ASSERT_EQ(CController::focus, CControllerGame::personGUI);
    check("the islander's detail screen");
    game.GUICallback(15, 0);
    ASSERT_EQ(CController::focus, CControllerGame::popUp);
    check("a question");
    EXPECT_EQ(CController::focus, &game);
}

TEST(CControllerPopUp, TheLongTextsOfGravesDeathsAndMysteriesTakeTheLargeBox)
{
    const int ranges[][2] = {{12005, 12005}, {12009, 12016}, {12018, 12019}, {12307, 12307}, {12313, 12313},
                             {12350, 12350}, {12353, 12353}, {26001, 26011}, {26100, 26106}, {26200, 26208},
                             {26300, 26303}, {26400, 26402}, {26405, 26406}, {26500, 26504}, {26600, 26605},
                             {26609, 26611}};
    int large = 0;
    for (int id = 11000; id < 28000; id++) {
        bool listed = false;
        for (const auto& range : ranges) {
            listed = listed || (id >= range[0] && id <= range[1]);
        }
        EXPECT_EQ(CControllerPopUp::UsesLargeLayout(id), listed) << id;
        large += listed;
    }
    EXPECT_EQ(large, 65);
}

TEST(CControllerPopUp, EachMysterysClosingTextIsReadWithItsOwnNarrationAndNoOtherTextIs)
{
    const std::map<int, std::string> narrations = {
        {26007, "mystery1.dat"}, {26008, "mystery2.dat"}, {26106, "mystery3.dat"}, {26208, "mystery4.dat"},
        {26303, "mystery5.dat"}, {26406, "mystery6.dat"}, {26503, "mystery7.dat"}, {26605, "mystery8.dat"}};
    for (int id = 11000; id < 28000; id++) {
        const char* file = CControllerPopUp::NarrationFor(id);
        const auto listed = narrations.find(id);
        if (listed == narrations.end()) {
            EXPECT_EQ(file, nullptr) << id;
        } else {
            EXPECT_STREQ(file, listed->second.c_str()) << id;
        }
    }
}

TEST_F(GameScreenTest, TheDialogKeepsItsOwnCopyOfTheAskersTexts)
{
    Asker* asker = new Asker();
    asker->onPump = [](FakeObject* self) {
        if (self->pumps == 1) {
            CObject::requestingFeedback = self;
            CObject::requestingFeedbackData.id = 12214;
            CObject::requestingFeedbackData.insert[0] = "Mara";
        }
    };
    Open();
    for (int i = 0; i < 4; i++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::popUp, nullptr);
    CObject::requestingFeedbackData.insert[0] = "changed";
    EXPECT_EQ(CControllerGame::popUp->request.insert[0], "Mara");
    CControllerGame::popUp->GUICallback(1, 0);
    Frame();
    EXPECT_EQ(asker->answers, 1);
    EXPECT_FALSE(asker->lastAnswer);
}

TEST_F(GameScreenTest, ACrateAsksThroughItsOwnScreenAndIsAnsweredOncePerOpening)
{
    Asker* crate = new Asker();
    crate->onPump = [](FakeObject* self) {
        if (self->pumps == 1) {
            CObject::requestingFeedback = self;
            CObject::requestingFeedbackData = feedback_data{};
            CObject::requestingFeedbackData.id = 12001;
            CObject::requestingFeedbackData.crate = 1;
        }
    };
    // The crate asks again from its answer, as a crate's contents notice does.
    crate->onAnswer = [] { CObject::requestingFeedbackData.crateTier = 2; };
    Open();
    for (int i = 0; i < 4; i++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::crateGUI, nullptr);
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    CControllerGame::crateGUI->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(CControllerGame::crateGUI, nullptr);
    EXPECT_EQ(crate->answers, 1);
    EXPECT_TRUE(crate->lastAnswer);
    Frame();
    ASSERT_NE(CControllerGame::crateGUI, nullptr) << "the second question opens anew";
    EXPECT_EQ(crate->answers, 1) << "one answer per opening";
    crate->onAnswer = nullptr;
    CControllerGame::crateGUI->InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(crate->answers, 2);
    for (int i = 0; i < 3; i++) {
        Frame();
    }
    EXPECT_EQ(crate->answers, 2);
    EXPECT_EQ(CControllerGame::crateGUI, nullptr);
}

TEST_F(GameScreenTest, ARingTurnsUnderThePopUpUntilItsOwnTutorialStepOpensAndIsDoneWhenItCloses)
{
    CControllerGame& game = Open();
    CProfile::current->SetValue<bool>(67, true);
    CTutorialDialog::CompleteTutorial(77);
    CTutorialDialog::nextTutorial = 80;
    CTutorialCircle* circle = new CTutorialCircle(10, 10, false, 'A');
    CTutorialDialog::tutorialCircle = circle;
    auto* popUp = new CControllerPopUp(Request(12214), false, -1);
    game.PassFocus(popUp);
    const int cycle = circle->cycle;
    popUp->Pump();
    EXPECT_EQ(circle->cycle, cycle + 1) << "a ring under the notice keeps turning";

    game.pendingTutorial = 78;
    const int active = CTutorialDialog::numTutorialsActive;
    popUp->Pump();
    ASSERT_NE(popUp->tutorial, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog, popUp->tutorial);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);
    popUp->Pump();
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, active + 1) << "one step over the dialog, not one a frame";
    delete popUp;
    CController::focus = &game;
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(78));
    EXPECT_EQ(game.pendingTutorial, -1);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
}

// Both layouts' box pictures take in the whole text box and the buttons,
// whether the dialog asks or tells, so that nothing of it stands off the
// box or on its frame line.
TEST_F(GameScreenTest, EachLayoutsBoxTakesInItsTextBoxAndItsButtons)
{
    auto inside = [](int x, int y, int w, int h, CSprite* box) {
        return x >= box->GetX() && y >= box->GetY() && x + w <= box->GetX() + box->GetW() &&
               y + h <= box->GetY() + box->GetH();
    };
    for (int id : {12001, 12350}) {
        for (bool notice : {false, true}) {
            CControllerPopUp popUp(Request(id), notice, -1);
            const bool large = CControllerPopUp::UsesLargeLayout(id);
            // The text's box, centred on the layout's point.
            const int w = large ? 360 : 295, h = large ? 235 : 200;
            const int cx = 404, cy = large ? 232 : 246;
            EXPECT_TRUE(inside(cx - w / 2, cy - h / 2, w, h, popUp.boxBack)) << id << (notice ? " notice" : " question");
            for (CGuiButton* button : {popUp.firstButton, popUp.cancelButton}) {
                if (button) {
                    CSprite* face = button->GetButtonSprite();
                    EXPECT_TRUE(inside(face->GetX(), face->GetY(), face->GetW(), face->GetH(), popUp.boxBack))
                        << id << (notice ? " notice" : " question") << ", button " << button->id;
                    EXPECT_TRUE(inside(face->GetX(), face->GetY(), face->GetW(), face->GetH(), popUp.boxFront))
                        << id << (notice ? " notice" : " question") << ", button " << button->id
                        << " stands on the inner panel";
                }
            }
        }
    }
}
