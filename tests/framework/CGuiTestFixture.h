// Shared by the widget tests: the game's pictures plus the tests' own widget
// pictures (drawn here, so their opaque and transparent pixels are known), a
// few texts, a black screen, an event pump whose mouse the tests place, a
// screen that records its callbacks, and one frame of widgets and drawing.
#pragma once

#include "CController.h"
#include "CGuiButton.h"
#include "CInput.h"
#include "CSprite.h"
#include "GameResources.h"
#include "QuietScreen.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Test pictures: a 100 x 40 face whose left 10 columns are transparent
// ("wt_button.tga", rollover "wt_roll1..7.tga", pressed look
// "wt_press0..2.tga", "wt_shadow.tga"), a 20 x 10 icon "wt_icon.tga", and a
// 16 x 24 knob ("wt_knob.tga", "wt_knob1..5.tga") over "wt_under.tga".
const int kFaceW = 100, kFaceH = 40;
// Texts: kLabel and kGreeting are each followed by five per-frame texts;
// kGreeting's show their insert.
const int kLabel = 91000, kGreeting = 91010;

using Calls = std::vector<std::pair<int, int>>;

class RecordingScreen : public QuietScreen {
public:
    void GUICallback(int id, int value) override
    {
        calls.emplace_back(id, value);
        if (onCallback) {
            onCallback();
        }
    }

    Calls calls;
    std::function<void()> onCallback;
};

// Adds the test pictures to the linked image archive and the texts to the
// string table.
struct WidgetArchive {
    explicit WidgetArchive(const TempFolder& folder);
    ~WidgetArchive();
};

class WidgetTest : public testing::Test {
protected:
    WidgetTest();
    ~WidgetTest() override;

    void MouseAt(int x, int y);
    // Turns of a screen with widgets: pump them, then draw.
    void Frame(int count = 1);
    // A left-button event, forwarded to both widget lists as screens do.
    void Left(bool released);
    void Click();
    // Pixels drawn in a screen rectangle, over the black background.
    int InkIn(int x, int y, int w, int h);
    // A labelled face with a shadow and five rollover frames.
    button_data Face(int x, int y, int id, CController* owner);

    TempFolder folder;
    WidgetArchive archive{folder};
    GameResources resources{folder};
    std::unique_ptr<CSprite> background;
    CInput input;
    RecordingScreen screen;
};
