#include "CController.h"
#include "QuietScreen.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Journal = std::vector<std::string>;

// A screen that writes what happens to it into a shared journal and runs a
// one-off action in its next Pump.
class FakeScreen : public QuietScreen {
public:
    FakeScreen(const std::string& name, Journal& journal) : name(name), journal(journal) {}

    void GotFocusBack() override { journal.push_back(name + " back " + std::to_string(returnCode)); }
    void Pump() override
    {
        journal.push_back(name + " pump");
        if (nextPump) {
            std::function<void()> action = nextPump;
            nextPump = nullptr;
            action();
        }
    }

    std::string name;
    Journal& journal;
    std::function<void()> nextPump;
};

class FocusChain : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        CController::focus = nullptr;
        CController::running = true;
    }

    // root opens a, a opens b, b opens c; c has the focus.
    void OpenChain()
    {
        root.GotFocus(nullptr, true);
        root.PassFocus(&a);
        a.PassFocus(&b);
        b.PassFocus(&c);
    }

    // One main-loop screen step; returns what it wrote into the journal.
    Journal Frame()
    {
        journal.clear();
        CController::PumpFocus();
        return journal;
    }

    FakeScreen* Focused() { return static_cast<FakeScreen*>(CController::focus); }

    // Whether it is the focus, whether it thinks it has the focus, its parent, its code.
    static std::string State(const FakeScreen& s)
    {
        const auto* parent = static_cast<const FakeScreen*>(s.parent);
        return std::string(CController::focus == &s ? "focus" : "-") + (s.hasFocus ? " has" : " lost") + " of " +
               (parent ? parent->name : "none") + " code " + std::to_string(s.returnCode);
    }

    Journal journal;
    FakeScreen root{"root", journal};
    FakeScreen a{"a", journal};
    FakeScreen b{"b", journal};
    FakeScreen c{"c", journal};
};

}  // namespace

TEST_F(FocusChain, ReturnCodesCloseTheRightScreensOneAFrame)
{
    struct Case {
        int code;  // set by the deepest screen in its Pump
        std::vector<Journal> frames;
        bool runningAfter;
        std::string focusAfter;
    };
    const Case cases[] = {
        {-2, {{"c pump"}, {"c pump"}}, true, "c"},
        {0, {{"c pump", "b back -2"}, {"b pump"}, {"b pump"}}, true, "b"},
        // Below -2 is handed back like 0.
        {-7, {{"c pump", "b back -2"}, {"b pump"}}, true, "b"},
        {1, {{"c pump", "b back 0"}, {"b pump", "a back -2"}, {"a pump"}}, true, "a"},
        // More screens asked to close than are open: the first one ends too.
        {5,
         {{"c pump", "b back 4"}, {"b pump", "a back 3"}, {"a pump", "root back 2"}, {"root pump"}},
         false,
         "root"},
        {-1,
         {{"c pump", "b back -1"}, {"b pump", "a back -1"}, {"a pump", "root back -1"}, {"root pump"}},
         false,
         "root"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testing::Message() << "code " << testCase.code);
        Reset();
        OpenChain();
        c.nextPump = [&] { c.ShutDown(testCase.code); };
        for (size_t i = 0; i < testCase.frames.size(); i++) {
            SCOPED_TRACE(testing::Message() << "frame " << i + 1);
            EXPECT_EQ(Frame(), testCase.frames[i]);
            const bool last = i + 1 == testCase.frames.size();
            EXPECT_EQ(CController::running, last ? testCase.runningAfter : true);
        }
        EXPECT_EQ(Focused()->name, testCase.focusAfter);
        if (testCase.focusAfter != "c") {
            // The screen handing back is reset and its parent takes over.
            EXPECT_EQ(c.returnCode, -2);
            EXPECT_FALSE(c.hasFocus);
            EXPECT_EQ(Focused()->hasFocus, testCase.runningAfter);
        }
    }
}

TEST_F(FocusChain, TheParentlessScreenEndingStopsTheLoopWithoutACallback)
{
    for (int code : {0, -1, 3}) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        Reset();
        root.GotFocus(nullptr, true);
        root.nextPump = [&] { root.ShutDown(code); };
        EXPECT_EQ(Frame(), Journal{"root pump"});
        EXPECT_FALSE(CController::running);
        EXPECT_EQ(State(root), "focus lost of none code -2");
    }
}

TEST_F(FocusChain, PassFocusBackHandsBackAtOnce)
{
    for (const auto& [code, parentCode] : {std::pair{0, -2}, {-1, -1}, {1, 0}, {3, 2}}) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        Reset();
        OpenChain();
        journal.clear();
        c.PassFocusBack(code);
        EXPECT_EQ(journal, Journal{"b back " + std::to_string(parentCode)});
        EXPECT_EQ(State(b), "focus has of a code " + std::to_string(parentCode));
        EXPECT_EQ(State(c), "- lost of b code -2");
        EXPECT_TRUE(CController::running);
    }

    Reset();
    root.GotFocus(nullptr, true);
    journal.clear();
    root.PassFocusBack(0);
    EXPECT_TRUE(journal.empty());
    EXPECT_FALSE(CController::running);
}

TEST_F(FocusChain, GivingTheFocusCallsBackOnlyWithoutParentAndWithoutNoCallback)
{
    root.GotFocus(nullptr, true);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(State(root), "focus has of none code -2");
    // The previous holder is left untouched.
    a.GotFocus(&root, false);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(State(a) + ", " + State(root), "focus has of root code -2, - has of none code -2");
    b.GotFocus(nullptr, false);
    EXPECT_EQ(journal, Journal{"b back -2"});
    EXPECT_EQ(State(b), "focus has of none code -2");
    // Passing the focus leaves the child's code alone.
    c.returnCode = 4;
    b.PassFocus(&c);
    EXPECT_EQ(State(c) + ", " + State(b), "focus has of b code 4, - lost of none code -2");
}

TEST_F(FocusChain, OpeningAChildInsidePumpLeavesItForTheNextFrame)
{
    root.GotFocus(nullptr, true);
    root.nextPump = [&] {
        root.ShutDown(0);
        root.PassFocus(&a);
    };
    EXPECT_EQ(Frame(), Journal{"root pump"});
    EXPECT_EQ(State(root) + ", " + State(a), "- lost of none code -2, focus has of root code -2");
    EXPECT_EQ(Frame(), Journal{"a pump"});
    EXPECT_TRUE(CController::running);
}

TEST_F(FocusChain, QuitEndsTheFocusedScreenAndANullFocusIsHarmless)
{
    CController::Quit();
    CController::PumpFocus();
    EXPECT_TRUE(CController::running);

    OpenChain();
    CController::Quit();
    EXPECT_EQ(State(c) + ", " + State(b), "focus lost of b code -1, - lost of a code -2");
    b.InputQuit();
    EXPECT_EQ(b.returnCode, -1);
}
