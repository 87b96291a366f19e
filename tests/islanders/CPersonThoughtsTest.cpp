// What islanders think and what the side panel says they are doing: the
// catalogue's pairs, the thought clock, the pick's rules, the one-off
// thoughts and the status line in every stage and place.
#include "IslanderLifeFixture.h"

#include "CFish.h"
#include "CMap.h"

#include <algorithm>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int kShown = 1200;

class ThoughtsTest : public IslanderLifeTest {
protected:
    void SetUp() override
    {
        IslanderLifeTest::SetUp();
        CPerson::InitThoughts();
        saved = CPerson::possibleThoughts;
    }

    void TearDown() override
    {
        CPerson::possibleThoughts = saved;
        IslanderLifeTest::TearDown();
    }

    static void Rain(bool on, int kind = 0)
    {
        CControllerGame::island->raining = on;
        CControllerGame::island->rainKind = kind;
    }

    // A catalogue of one plain rule of kind, laid out as the pair the pick
    // expects.
    static void OnlyKind(int kind, bool rare = false)
    {
        const thought_data rule{31000, rare, -1, -1, -1, {-1, -1, -1, -1}, kind};
        CPerson::possibleThoughts = {rule, rule};
        CPerson::possibleThoughts[1].textId++;
    }

    std::vector<thought_data> saved;
};

TEST_F(ThoughtsTest, TheCatalogueHoldsItsRulesInPairs)
{
    CPerson::InitThoughts();
    const std::vector<thought_data>& rules = CPerson::possibleThoughts;
    ASSERT_EQ(rules.size(), 1108u) << "a second build adds nothing";

    // Each man's rule has its woman's twin right after it.
    for (size_t i = 0; i < rules.size(); i += 2) {
        const thought_data& man = rules[i];
        const thought_data& woman = rules[i + 1];
        ASSERT_EQ(woman.textId, man.textId + 1);
        EXPECT_TRUE(woman.rare == man.rare && woman.minAge == man.minAge && woman.maxAge == man.maxAge &&
                    woman.kind == man.kind && std::equal(man.faces, man.faces + 4, woman.faces))
            << man.textId;
    }
}

// The catalogue's distinct rules counted by condition kind, by rarity, by
// the faces they name and by their ages: a rule moved to another kind, face
// or age changes one of the counts.
TEST_F(ThoughtsTest, TheCatalogueHoldsItsCountedRules)
{
    const std::vector<thought_data>& rules = CPerson::possibleThoughts;
    ASSERT_EQ(rules.size(), 1108u);
    std::map<int, int> kinds;
    std::map<std::vector<int>, int> faces;
    std::map<std::pair<int, int>, int> ages;
    int rare = 0;
    for (size_t i = 0; i < rules.size(); i += 2) {
        const thought_data& rule = rules[i];
        ASSERT_EQ(rule.textId, 30000 + static_cast<int>(i));
        EXPECT_EQ(rule.reserved, -1) << rule.textId;
        kinds[rule.kind]++;
        rare += rule.rare;
        ages[{rule.minAge, rule.maxAge}]++;
        const int used = static_cast<int>(std::find(rule.faces, rule.faces + 4, -1) - rule.faces);
        EXPECT_TRUE(std::all_of(rule.faces + used, rule.faces + 4, [](int face) { return face == -1; }))
            << rule.textId << ": the used faces come first";
        faces[std::vector<int>(rule.faces, rule.faces + used)]++;
    }
    const int kKindCounts[23] = {355, 4, 28, 23, 10, 11, 6, 6, 8, 9, 7, 7, 26, 1, 1, 1, 15, 5, 6, 7, 5, 4, 9};
    for (int kind = 0; kind < 23; kind++) {
        EXPECT_EQ(kinds[kind], kKindCounts[kind]) << "kind " << kind;
    }
    EXPECT_EQ(kinds.size(), 23u);
    EXPECT_EQ(rare, 65);

    enum { kSmile = 0, kAngry = 2, kSurprised = 4, kWorried = 5 };
    EXPECT_EQ(faces[{}], 371);
    EXPECT_EQ((faces[{kWorried, kSurprised}]), 21);
    EXPECT_EQ((faces[{kWorried, kSurprised, kAngry}]), 23);
    EXPECT_EQ(faces[{kSurprised}], 21);
    EXPECT_EQ(faces[{kSmile}], 36);

    const std::map<std::pair<int, int>, int> kAges = {
        {{-1, -1}, 177}, {{14, -1}, 209}, {{-1, 14}, 88}, {{10, -1}, 42}, {{18, -1}, 10},
        {{8, -1}, 8}, {{1, 2}, 5}, {{65, -1}, 4}, {{4, -1}, 3}, {{35, -1}, 2},
        {{45, -1}, 2}, {{12, 15}, 2}, {{-1, 12}, 1}, {{18, 45}, 1}};
    EXPECT_EQ(ages, kAges);
}

TEST_F(ThoughtsTest, TheClockIsQuietThenShowsOneThoughtFor1200FramesThenQuietAgain)
{
    CPerson* kid = Grown(8, 0, 1);
    kid->thoughtCountdown = 5;
    for (int frame = 0; frame < 4; frame++) {
        kid->HandleStatusAndThoughts(false);
        EXPECT_EQ(kid->thoughtId, -1) << "quiet time";
    }
    kid->HandleStatusAndThoughts(false);
    ASSERT_EQ(kid->thoughtCountdown, 0);
    const int thought = kid->thoughtId;
    ASSERT_NE(thought, -1);
    EXPECT_EQ(thought % 2, 0) << "only the man's text of a pair is drawn";
    for (int frame = 0; frame < kShown; frame++) {
        kid->HandleStatusAndThoughts(false);
        ASSERT_EQ(kid->thoughtId, thought) << "frame " << frame;
    }
    kid->HandleStatusAndThoughts(false);
    EXPECT_EQ(kid->thoughtId, -1);
    EXPECT_GE(kid->thoughtCountdown, 600);
    EXPECT_LE(kid->thoughtCountdown, 900);
}

TEST_F(ThoughtsTest, RareRulesWinOnlyOnePickInEleven)
{
    CPerson* adult = Grown(30, 1, 1);
    OnlyKind(0, true);
    int wins = 0;
    for (int pick = 0; pick < 2200; pick++) {
        adult->thoughtId = -1;
        const bool won = adult->PickCatalogueThought();
        wins += won;
        ASSERT_EQ(adult->thoughtId, won ? 31000 : -1) << "1000 refused draws leave no thought";
    }
    EXPECT_GT(wins, 140);
    EXPECT_LT(wins, 260);
}

struct kind_case {
    int kind;
    std::function<void(CPerson&)> holds;  // makes the condition true; the plain islander fails it
};

TEST_F(ThoughtsTest, EachConditionKindIsDrawnOnlyWhileItHolds)
{
    auto task = [](int t) { return [t](CPerson& p) { p.currentTask = t; }; };
    auto rain = [](int k) { return [k](CPerson&) { Rain(true, k); }; };
    const kind_case cases[] = {
        {1, task(9)},
        {2, rain(0)},
        {3, rain(1)},
        {4, task(11)},
        {5, task(3)},
        {6, task(4)},
        {7, task(2)},
        {8, task(15)},
        {9, task(11)},
        {10, task(12)},
        {11, task(6)},
        {12, [](CPerson& p) { p.depthFactor = 0.75f; }},
        {13, rain(2)},
        {14, rain(0)},
        {15, rain(1)},
        {16, [](CPerson& p) {
             for (int t : {2, 3, 4, 5, 11, 12, 14}) {
                 p.PermitTask(t, false);
             }
         }},
        {17, [](CPerson& p) { p.data.energy = 5500; }},
        {18, [](CPerson& p) { p.data.energy = 3750; }},
        {19, [](CPerson& p) {
             p.currentTask = 3;
             CFish::fishClump[0] = fish_clump{p.data.fishingX, p.data.fishingY, 5, nullptr};
         }},
        {20, [](CPerson& p) { p.data.age = 2 * kYear; }},
        {21, [](CPerson& p) { p.data.food = 5500; }},
        {22, [](CPerson& p) { p.data.food = 3750; }},
    };
    for (const kind_case& c : cases) {
        SCOPED_TRACE(c.kind);
        CPerson* p = Grown(30, 0, 1);
        for (int t : {2, 3, 4, 5, 11, 12, 14}) {
            p->PermitTask(t, true);
        }
        p->currentTask = 0;
        p->data.fishingX = 100;
        p->data.fishingY = 100;
        for (int i = 0; i < CFish::CLUMPS; i++) {
            CFish::fishClump[i] = fish_clump{3000 + 500 * i, 3000, 50, nullptr};
        }
        Rain(c.kind == 13 || c.kind == 15 ? true : false, c.kind == 13 ? 1 : c.kind == 15 ? 2 : 0);
        if (c.kind == 14) {
            Rain(true, 1);
        }
        OnlyKind(c.kind);
        bool any = false;
        for (int pick = 0; pick < 20; pick++) {
            any = any || p->PickCatalogueThought();
        }
        EXPECT_FALSE(any) << "the condition fails";
        c.holds(*p);
        EXPECT_TRUE(p->PickCatalogueThought()) << "the condition holds";
        EXPECT_EQ(p->thoughtId, 31000);
        Rain(false);
        delete p;
    }
    for (fish_clump& clump : CFish::fishClump) {
        clump = fish_clump{0, 0, 0, nullptr};
    }
}

TEST_F(ThoughtsTest, AThoughtFitsFromItsMinimumAgeUpToButNotAtItsMaximum)
{
    const thought_data rule{31000, false, 20, 30, -1, {-1, -1, -1, -1}, 0};
    CPerson::possibleThoughts = {rule, rule};
    CPerson::possibleThoughts[1].textId++;
    for (const auto& [years, fits] : {std::pair{19, false}, {20, true}, {29, true}, {30, false}}) {
        CPerson* p = Grown(years, 0, 1);
        EXPECT_EQ(p->PickCatalogueThought(), fits) << years << " years";
        delete p;
    }
}

TEST_F(ThoughtsTest, TextRulesKeepParentsAndSiblingsFromWishingForWhatTheyHave)
{
    CPerson* woman = Grown(20, 1, 1);
    const thought_data wish{30002, false, -1, -1, -1, {-1, -1, -1, -1}, 0};
    CPerson::possibleThoughts = {wish, wish};
    EXPECT_TRUE(woman->PickCatalogueThought());
    woman->data.isParent = 1;
    woman->data.babyThoughtShown = 0;
    EXPECT_FALSE(woman->PickCatalogueThought());
    EXPECT_TRUE(woman->data.babyThoughtShown) << "set by passing the condition, even when the text is refused";
}

TEST_F(ThoughtsTest, ARainThoughtComesOnceInALifeAndTheTutorialsIdeaAtOnce)
{
    CPerson* man = Grown(30, 0, 1);
    man->ThinkRain();
    EXPECT_GE(man->thoughtId, 30580);
    EXPECT_LE(man->thoughtId, 30600);
    EXPECT_EQ(man->thoughtCountdown, 0);
    man->thoughtId = -1;
    man->thoughtCountdown = 500;
    man->ThinkRain();
    EXPECT_EQ(man->thoughtId, -1);
    EXPECT_EQ(man->thoughtCountdown, 500);
    man->ThinkSomething();
    EXPECT_EQ(man->thoughtId, 30548);
    EXPECT_EQ(man->thoughtCountdown, 0);
}

TEST_F(ThoughtsTest, ABabyHasOneThoughtInItsLifeFor1200Frames)
{
    CPerson* baby = Grown(1, 0, 1);
    int shown = 0, first = -1;
    for (int frame = 0; frame < 5000; frame++) {
        baby->HandleStatusAndThoughts(false);
        if (baby->thoughtId != -1) {
            shown++;
            first = first == -1 ? baby->thoughtId : first;
            EXPECT_EQ(baby->thoughtId, first);
        }
    }
    EXPECT_EQ(shown, kShown);
    EXPECT_GE(first, 31084);
    EXPECT_LE(first, 31092);
}

TEST_F(ThoughtsTest, ATiredIdleGrownUpThinksOfSleepEveryFrame)
{
    CPerson* man = Grown(30, 0, 1);
    man->idle = true;
    man->data.energy = 2000;
    for (int frame = 0; frame < 3000; frame++) {
        man->HandleStatusAndThoughts(false);
        ASSERT_EQ(man->thoughtId, 33000);
        ASSERT_EQ(man->statusTextId, 9106);
    }
    man->idle = false;
    man->currentTask = 8;
    man->HandleStatusAndThoughts(false);
    EXPECT_NE(man->thoughtId, 33000) << "asleep or eating, needs are no thought";
}

TEST_F(ThoughtsTest, ARemarkHoldsTheThoughtsBackAndThenRestartsTheQuiet)
{
    CPerson* man = Grown(30, 0, 1);
    man->speechId = 34100;
    man->speechTimer = 3;
    man->thoughtCountdown = 0;
    man->HandleStatusAndThoughts(false);
    man->HandleStatusAndThoughts(false);
    EXPECT_EQ(man->speechId, 34100);
    EXPECT_EQ(man->thoughtCountdown, 0) << "the clock stops while it is said";
    man->HandleStatusAndThoughts(false);
    EXPECT_EQ(man->speechId, -1);
    EXPECT_GE(man->thoughtCountdown, 600);

    // Selecting an islander leaves two seconds to read what it says.
    man->speechId = 34100;
    man->speechTimer = 10;
    CObject::selectedObject = man;
    CObject::lastSelectedPerson = nullptr;
    man->HandleStatusAndThoughts(false);
    EXPECT_EQ(man->speechTimer, 120);
    CObject::selectedObject = nullptr;
}

struct status_case {
    const char* what;
    int years;
    float depth;
    bool rain;
    int first, last;
};

TEST_F(ThoughtsTest, TheStatusLineFitsTheStageAndThePlace)
{
    const status_case cases[] = {
        {"a grown-up on land", 30, 1.0f, false, 9100, 9104},
        {"a grown-up in the rain", 30, 1.0f, true, 9100, 9104},
        {"a grown-up in the sea", 30, 0.5f, false, 9150, 9157},
        {"a kid on land", 8, 1.0f, false, 9200, 9208},
        {"a kid in the rain", 8, 1.0f, true, 9260, 9261},
        {"a kid in the sea", 8, 0.5f, true, 9230, 9232},
        {"a baby on land", 1, 1.0f, false, 9300, 9310},
        {"a baby in the sea", 1, 0.5f, false, 9230, 9230},
    };
    for (const status_case& c : cases) {
        SCOPED_TRACE(c.what);
        CPerson* p = Grown(c.years, 0, 1);
        p->currentTask = 1;
        Rain(c.rain);
        for (int frame = 0; frame < 2000; frame++) {
            p->depthFactor = 1.0f;
            p->HandleStatusAndThoughts(false);
            // It walks into the place: the line must follow at once.
            p->depthFactor = c.depth;
            p->HandleStatusAndThoughts(false);
            ASSERT_GE(p->statusTextId, c.first);
            ASSERT_LE(p->statusTextId, c.last);
        }
        Rain(false);
        delete p;
    }
}

// The water texts begin at 9150: on land a grown-up drops each of them, in
// water each text below them, and every other text stays.
TEST_F(ThoughtsTest, AGrownUpsStatusLineChangesAtTheFirstWaterText)
{
    struct example {
        float depth;
        int text;
        int first, last;
    };
    const example examples[] = {
        {1.0f, 9149, 9149, 9149}, {1.0f, 9150, 9100, 9104}, {1.0f, 9157, 9100, 9104},
        {0.5f, 9149, 9150, 9157}, {0.5f, 9150, 9150, 9150}, {0.5f, 9104, 9150, 9157},
    };
    CPerson* man = Grown(30, 0, 1);
    man->currentTask = 1;
    for (const example& e : examples) {
        SCOPED_TRACE(testing::Message() << "depth " << e.depth << " text " << e.text);
        man->depthFactor = e.depth;
        man->statusTimer = 5000;
        man->statusTextId = e.text;
        man->HandleStatusAndThoughts(false);
        EXPECT_GE(man->statusTextId, e.first);
        EXPECT_LE(man->statusTextId, e.last);
    }
}

TEST_F(ThoughtsTest, ABusyGrownUpHasNoStatusLineAndAHungryIdleOneSaysSo)
{
    CPerson* man = Grown(30, 0, 1);
    man->currentTask = 2;
    man->idle = false;
    man->HandleStatusAndThoughts(false);
    EXPECT_EQ(man->statusTextId, -1);
    man->currentTask = 0;
    man->idle = true;
    man->data.food = 2000;
    const int wander = man->wanderTimer;
    man->HandleStatusAndThoughts(true);
    EXPECT_EQ(man->statusTextId, 9105) << "even while held";
    EXPECT_EQ(man->wanderTimer, wander - 1);
}

}  // namespace
