// Two lessons the game screen closes by what the player has chosen, on a
// game screen without an island: the tree lesson ends once no tree is chosen,
// nothing chosen included, and the craftworks lesson ends once anything but a
// craftworks is chosen, another building included.
#include "CControllerGameFixture.h"
#include "CTutorialDialog.h"

namespace {

constexpr int kTutorialOn = 67;
constexpr int kTreeLesson = 62, kCraftworksLesson = 88;

class SelectionLessonsTest : public GameScreenTest {
protected:
    CControllerGame& OpenWithABand()
    {
        CProfile::current->SetValue<bool>(kTutorialOn, true);
        CControllerGame& game = Open();
        // A band lives: the lessons of a band that died out close at once.
        CPerson::NewPerson(400, 400, nullptr, true, true, 30);
        return game;
    }

    static void CompleteUpTo(int last)
    {
        for (int step = 0; step <= last; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
        CTutorialDialog::DetermineNextTutorial();
    }

    static bool OpensWithin(int step, int frames)
    {
        for (int frame = 0; frame < frames; frame++) {
            Frame();
            if (CTutorialDialog::activeDialog && CTutorialDialog::activeDialog->GetTutID() == step) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace

TEST_F(SelectionLessonsTest, TheTreeLessonStaysWhileATreeIsChosenAndEndsWithNothingChosen)
{
    OpenWithABand();
    CompleteUpTo(kTreeLesson - 1);
    ASSERT_TRUE(OpensWithin(kTreeLesson, 5));

    FakeObject tree;
    tree.isTree = true;
    CObject::selectedObject = &tree;
    Frame();
    Frame();
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(kTreeLesson));

    CObject::selectedObject = nullptr;
    Frame();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(kTreeLesson));
}

TEST_F(SelectionLessonsTest, TheCraftworksLessonStaysOnlyWhileACraftworksIsChosen)
{
    CControllerGame& game = OpenWithABand();
    CompleteUpTo(72);
    game.pendingTutorial = kCraftworksLesson;
    ASSERT_TRUE(OpensWithin(kCraftworksLesson, 5));

    // Marked by kind alone: the side panel takes anything marked a building
    // for a real one, and the lesson looks only at the kind.
    FakeObject works, hut;
    works.isCraftworks = true;
    hut.isHut = true;
    CObject::selectedObject = &works;
    Frame();
    Frame();
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(kCraftworksLesson));
    EXPECT_EQ(game.pendingTutorial, kCraftworksLesson);

    CObject::selectedObject = &hut;
    Frame();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(kCraftworksLesson));
    EXPECT_EQ(game.pendingTutorial, -1);
}
