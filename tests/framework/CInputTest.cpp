#include "CController.h"
#include "CInput.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Writes every call into a journal, with the button state the pump shows
// while the handler runs, and can act on a call.
class JournalScreen : public CController {
public:
    void GotFocusBack() override {}
    void Pump() override {}
    void InputKey(bool released, int key) override { Note("key " + Bit(released) + std::to_string(key)); }
    void InputMouseMove(int x, int y) override { Note("move " + std::to_string(x) + " " + std::to_string(y)); }
    void InputMouseClick(bool left, bool right, bool released) override
    {
        const CInput* input = CController::input;
        Note("click " + Bit(left) + Bit(right) + Bit(released) + " " + Bit(input->leftDown) + Bit(input->rightDown));
    }

    Lines journal;
    std::function<void()> onCall;

private:
    static std::string Bit(bool b) { return b ? "1" : "0"; }
    void Note(const std::string& line)
    {
        journal.push_back(line);
        if (onCall) {
            onCall();
        }
    }
};

SDL_Event Key(Uint8 type, SDLKey key, int mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = static_cast<SDLMod>(mod);
    return event;
}

SDL_Event Button(Uint8 type, Uint8 button)
{
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    return event;
}

SDL_Event Motion(int x, int y, int xrel = 0, int yrel = 0)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = static_cast<Sint16>(xrel);
    event.motion.yrel = static_cast<Sint16>(yrel);
    return event;
}

class CInputTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
        CController::input = &input;
        screen.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        CController::focus = nullptr;
        CController::input = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Pushes the events and pumps them to the screen; what it heard.
    Lines Pumped(std::vector<SDL_Event> events)
    {
        for (SDL_Event& event : events) {
            EXPECT_EQ(SDL_PushEvent(&event), 0);
        }
        screen.journal.clear();
        input.Pump(&screen);
        return screen.journal;
    }

    CInput input;
    JournalScreen screen;
};

}  // namespace

TEST_F(CInputTest, EachEventReachesTheScreenAsItsHandlerCall)
{
    struct Case {
        const char* what;
        std::vector<SDL_Event> events;
        Lines heard;
    };
    const Case cases[] = {
        {"Alt+Return never, Return alone does",
         {Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT), Key(SDL_KEYUP, SDLK_RETURN, KMOD_RALT),
          Key(SDL_KEYDOWN, SDLK_RETURN), Key(SDL_KEYUP, SDLK_a, KMOD_LALT)},
         {"key 013", "key 197"}},
        {"buttons, the state changing after the handler; middle and wheel dropped",
         {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT),
          Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP),
          Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)},
         {"click 010 00", "click 100 01", "click 011 11", "click 101 10"}},
        {"absolute motion to new positions only", {Motion(10, 20), Motion(10, 20), Motion(11, 20)},
         {"move 10 20", "move 11 20"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Pumped(c.events), c.heard) << c.what;
    }
    EXPECT_FALSE(input.leftDown || input.rightDown);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Pumped({quit});
    EXPECT_EQ(screen.returnCode, -1) << "a window close";
}

TEST_F(CInputTest, RelativeMotionScalesByTheMultiplierAndStopsAtTheEdges)
{
    CController::SetMouseAbsolute(false);
    CController::SetMouseMultiplier(2.0f);
    input.virtualX = 795;
    input.virtualY = 3;
    const struct {
        int xrel, yrel;
        Lines heard;
    } cases[] = {
        {10, 0, {"move 800 3"}}, {-1, 0, {"move 798 3"}},   {0, 0, {}},
        {0, -5, {"move 798 0"}}, {0, 400, {"move 798 600"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Pumped({Motion(0, 0, c.xrel, c.yrel)}), c.heard) << c.xrel << ", " << c.yrel;
    }
    CController::SetMouseMultiplier(0.5f);
    EXPECT_EQ(Pumped({Motion(0, 0, 3, -3)}), (Lines{"move 799 598"})) << "the virtual position keeps its fraction";
}

TEST_F(CInputTest, NothingMoreReachesAScreenThatEndedOrGaveUpTheFocus)
{
    const struct {
        const char* what;
        std::function<void(JournalScreen&, JournalScreen&)> act;
    } cases[] = {
        {"ended", [](JournalScreen& s, JournalScreen&) { s.ShutDown(0); }},
        {"opened a child", [](JournalScreen& s, JournalScreen& child) { s.PassFocus(&child); }},
        {"handed back to its parent", [](JournalScreen& s, JournalScreen&) { s.PassFocusBack(0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        JournalScreen parent, child;
        parent.GotFocus(nullptr, true);
        parent.PassFocus(&screen);
        screen.returnCode = -2;
        screen.onCall = [&] { c.act(screen, child); };
        EXPECT_EQ(Pumped({Key(SDL_KEYDOWN, SDLK_a), Key(SDL_KEYDOWN, SDLK_b)}), (Lines{"key 097"}));
        screen.onCall = nullptr;

        // The rest waits for the screen that reads events next.
        auto* next = static_cast<JournalScreen*>(CController::focus);
        next->journal.clear();
        input.Pump(next);
        EXPECT_EQ(next->journal, (Lines{"key 098"}));
    }

    // A parent that deletes its child as the focus comes back, as screens do:
    // the child's second event must not reach freed memory.
    struct Parent : JournalScreen {
        void GotFocusBack() override
        {
            delete child;
            child = nullptr;
        }
        JournalScreen* child = new JournalScreen;
    } parent;
    parent.GotFocus(nullptr, true);
    parent.PassFocus(parent.child);
    parent.child->onCall = [&parent] { parent.child->PassFocusBack(0); };
    SDL_Event press = Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    SDL_Event release = Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    SDL_PushEvent(&press);
    SDL_PushEvent(&release);
    parent.child->GetInput();
    EXPECT_EQ(parent.child, nullptr);
}
