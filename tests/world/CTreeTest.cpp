#include "CTree.h"
#include "CTutorialDialog.h"
#include "TreeKinds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstring>
#include <vector>

namespace {

class TreeTest : public IslandTest {
protected:
    void SetUp() override
    {
        IslandTest::SetUp();
        NewMap();
    }

    CTree* Tree(int size, int trunk, bool mysterious = false)
    {
        CTree* tree = new CTree(500, 700, size, trunk, false, false, mysterious);
        map->trees.push_back(tree);
        return tree;
    }

    static int Wood(CTree* tree) { return tree->GetSelectedTopDetail().number; }
};

}  // namespace

TEST_F(TreeTest, ChopStagesFollowTheShareOfWoodLeft)
{
    struct stage_case {
        int size, chopped;
        int stage;  // -1 felled
    };
    const stage_case cases[] = {
        {1, 25, 0}, {1, 26, 1}, {1, 75, 2}, {1, 76, 3}, {1, 99, 3}, {1, 100, -1},
        {1, 140, -1}, {0, 50, 0}, {0, 51, 1}, {2, 12, 0}, {2, 13, 1}, {2, 50, -1},
    };
    for (const stage_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.size << " chopped by " << c.chopped);
        CTree* tree = Tree(c.size, 1);
        tree->DroppedOn();
        tree->RemoveResource(c.chopped);
        if (c.stage == -1) {
            EXPECT_TRUE(tree->IsConsumed());
            EXPECT_TRUE(CTree::choppable.empty());
            EXPECT_EQ(CountObstructionsOf(tree), 0);
            int z = 0;
            EXPECT_FALSE(tree->IsAtCoords(z, -1, -1));
        } else {
            EXPECT_FALSE(tree->IsConsumed());
            EXPECT_EQ(tree->GetFrameToShow(), c.stage);
            EXPECT_EQ(CountObstructionsOf(tree), 1);
        }
        delete tree;
        CTree::choppable.clear();
    }
}

TEST_F(TreeTest, StardustReturnsAChoppedTreeToItsFirstStage)
{
    CTree* tree = Tree(0, 3);
    EXPECT_FALSE(tree->AcceptStardust()) << "a whole tree takes no stardust";
    tree->RemoveResource(120);
    EXPECT_EQ(tree->GetFrameToShow(), 2);
    EXPECT_TRUE(tree->AcceptStardust());
    EXPECT_EQ(Wood(tree), 200);
    EXPECT_EQ(tree->GetFrameToShow(), 0);
}

TEST_F(TreeTest, AMysteriousTreeCanBeNeitherChoppedNorRefilled)
{
    CTree* tree = Tree(0, 0, true);
    tree->RemoveResource(150);
    EXPECT_FALSE(tree->IsConsumed());
    EXPECT_EQ(tree->GetFrameToShow(), 0);
    EXPECT_FALSE(tree->AcceptStardust());
    ASSERT_EQ(CountObstructionsOf(tree), 1);
}

TEST_F(TreeTest, TheTutorialStepsOfTreesAreCompletedByDropsClicksAndTheButton)
{
    CTree* tree = Tree(1, 2);
    EXPECT_EQ(tree->DroppedOn(), 2);
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(16)) << "step 15 is not done yet";
    CTutorialDialog::CompleteTutorial(15);
    EXPECT_EQ(tree->DroppedOn(), 2) << "an already marked tree still answers";
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(16));
    EXPECT_EQ(CTree::choppable.size(), 1u);

    CTutorialDialog::CompleteTutorial(60);
    tree->Clicked();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(61));
    EXPECT_FALSE(tree->IsChoppable()) << "selecting it in step 60 unmarks it";
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(62));
    tree->RespondToDetailButtonClick();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(62));
    EXPECT_TRUE(tree->IsChoppable());
}

TEST_F(TreeTest, SavedTreesComeBackWithSizeStyleWoodAndMark)
{
    CTree* marked = Tree(0, 6);
    CTree* chopped = Tree(2, 3);
    Tree(0, 0, true);
    CTree* felled = Tree(1, 1);
    marked->DroppedOn();
    chopped->RemoveResource(20);
    felled->RemoveResource(100);
    CTree::SaveTrees();
    const std::vector<tree_data> saved = CProfile::current->GetVectorValue<tree_data>(2);
    ASSERT_EQ(saved.size(), 3u);
    for (const tree_data& record : saved) {
        EXPECT_EQ(record.padding1[0] | record.padding1[1] | record.padding1[2] | record.padding2, 0);
    }
    for (CTree* tree : std::vector<CTree*>(map->trees)) {
        delete tree;
    }
    const std::vector<CTree*> loaded = CTree::LoadTrees();
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0]->GetSize(), 0);
    EXPECT_EQ(loaded[0]->GetTrunk(), 6);
    EXPECT_TRUE(loaded[0]->IsChoppable());
    EXPECT_EQ(loaded[1]->GetTrunk(), 3);
    EXPECT_EQ(Wood(loaded[1]), 30);
    EXPECT_EQ(loaded[1]->GetFrameToShow(), 1);
    EXPECT_TRUE(loaded[2]->IsMysterious());
    EXPECT_EQ(CTree::choppable, std::vector<CTree*>{loaded[0]});
    for (CTree* tree : loaded) {
        delete tree;
    }
}

TEST_F(TreeTest, DamagedSavedTreesAreRepairedOrDropped)
{
    std::vector<tree_data> records(4);
    for (tree_data& record : records) {
        memset(&record, 0, sizeof(record));
        record.size = 1;
        record.trunk = 2;
        record.remaining = 60;
        record.maximum = 100;
    }
    records[0].trunk = 5;      // size 1 has five styles
    records[1].maximum = 0;    // the size's wood
    records[2].remaining = 0;  // nothing left, yet saved
    records[3].size = -1;
    CProfile::current->SetVectorValue<tree_data>(2, records);
    const std::vector<CTree*> loaded = CTree::LoadTrees();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(Wood(loaded[0]), 60);
    loaded[0]->AcceptStardust();
    EXPECT_EQ(Wood(loaded[0]), 100);
    EXPECT_EQ(Wood(loaded[1]), 1);
    EXPECT_FALSE(loaded[1]->IsConsumed());
    for (CTree* tree : loaded) {
        delete tree;
    }
}
