// Shared by the widget tests: the game's pictures plus the tests' own widget
// pictures (drawn here, so their opaque and transparent pixels are known), a
// small string table, a black screen, an event pump whose mouse the tests place, a screen
// that records its callbacks, and one frame of widgets and drawing.
#pragma once

#include "CController.h"
#include "CGuiButton.h"
#include "CInput.h"
#include "CSprite.h"
#include "GameResources.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Test pictures: a 100 x 40 button face whose top-left 10 x 10 corner is
// transparent ("wt_button.png", rollover "wt_roll1..7.png", pressed look
// "wt_press0..2.png", "wt_shadow.png"), a 20 x 10 icon with two frames
// ("wt_icon0..1.png"), and a 16 x 24 knob ("wt_knob.png", "wt_knob1..5.png")
// over a 200 x 8 track ("wt_track.png").
const int kFaceW = 100, kFaceH = 40, kNotch = 10;
// Labels: kLabel and kGreeting are each followed by five per-frame texts;
// kGreeting's show their insert.
const int kLabel = 91000, kGreeting = 91010;

class RecordingScreen : public CController {
public:
    void GotFocusBack() override {}
    void Pump() override {}
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}
    void GUICallback(int id, int value) override
    {
        calls.emplace_back(id, value);
        if (onCallback) {
            onCallback(id);
        }
    }

    std::vector<std::pair<int, int>> calls;
    std::function<void(int)> onCallback;
};

// Puts the widget pictures into the linked image archive and loads the
// test string table; undone on destruction.
struct WidgetArchive {
    explicit WidgetArchive(const TempFolder& folder);
    ~WidgetArchive();
};

class WidgetTest : public testing::Test {
protected:
    WidgetTest();
    ~WidgetTest() override;

    void MouseAt(int x, int y);
    // One turn of a screen with widgets: pump them, then draw.
    void Frame(int count = 1);
    // A left-button event, as screens forward it to both widget lists.
    void Left(bool released);
    void Click();
    // A labelled button with a shadow and five rollover frames.
    button_data Face(int x, int y, int id, CController* owner);

    TempFolder folder;
    WidgetArchive archive{folder};
    GameResources resources{folder};
    // Black under everything, so what a widget leaves is painted over.
    std::unique_ptr<CSprite> background;
    CInput input;
    RecordingScreen screen;
};
