// A start on a display that refuses full screen (a remote desktop, a busy
// driver) opens a window for that run, and the player's full-screen choice,
// which the profile keeps, stays as it was; the settings page, Alt+Return and
// the command line's windowed bit still change it. Each start runs in a child
// process, as the program does once per run, and reports what it saw in lines
// starting with "| ".
#include "CControllerSettings.h"
#include "CDraw.h"
#include "CInput.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "ChildProcess.h"
#include "CommandLine.h"
#include "Config.h"
#include "FontSystem.h"
#include "GameResources.h"
#include "QuietScreen.h"
#include "SdlInput.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The screen under the settings page: it reads input, so Alt+Return reaches
// the event pump while it has the focus, and deletes the page when it ends.
class Opener : public ClosingOpener<CControllerSettings> {
public:
    void Pump() override { GetInput(); }
};

// The program's start-up from the profile store to the first screen, on a
// display that refuses full screen and notes every mode asked of it ("F" full
// screen, "W" a window).
class Start : public SdlInput {
public:
    explicit Start(const char* argument)
    {
        FontSystem_Load(RESOURCE_FOLDER, RESOURCE_FOLDER "strings.dat");
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        CController::input = &input;
        profile = std::make_unique<CProfile>();
        char name[] = "palmora";
        std::string copy = argument ? argument : "";
        char* argv[] = {name, copy.data()};
        if (ReadCommandLine(argument ? 2 : 1, argv).windowed) {
            Config_SetFullscreen(false);
        }
        draw = std::make_unique<CDraw>(CDraw::NoLoadingScreen{}, [this](bool full) -> SDL_Surface* {
            asked += full ? "F" : "W";
            if (full) {
                SDL_SetError("full screen refused");
                return nullptr;
            }
            return SDL_SetVideoMode(800, 600, 32, 0);
        });
        draw->ToggleFrameLock();
        draw->Preload();
        CSprite::draw = CController::draw = draw.get();
        renderer = std::make_unique<CRenderer>();
        CSprite::renderer = CController::renderer = renderer.get();
        opener.GotFocus(nullptr, true);
    }

    // What the flag, the screen and the page show, and the modes asked since
    // the last report.
    void Report(const std::string& step)
    {
        std::ostringstream line;
        line << "| " << step << ": asked " << (asked.empty() ? "-" : asked) << ", flag " << Config_GetFullscreen()
             << ", " << ((SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) ? "full screen" : "window");
        if (opener.screen) {
            line << ", box " << opener.screen->FullScreenChecked();
        }
        printf("%s\n", line.str().c_str());
        asked.clear();
    }

    // The profile written and read back, as by the next start.
    void ReportSaved()
    {
        profile->SaveHeader();
        profile.reset();
        profile = std::make_unique<CProfile>();
        printf("| saved %d\n", profile->GetValue<bool>(24));
    }

    void Turn()
    {
        CController::PumpFocus();
        renderer->Render(true);
    }

    void OpenPage()
    {
        opener.screen = new CControllerSettings();
        opener.PassFocus(opener.screen);
    }

    void Click(int x, int y)
    {
        PointAt(x, y);
        Turn();
        Button(SDL_BUTTON_LEFT);
        Turn();
    }

    void ClickFullScreenBox() { Click(436 + 12, 330 + 12); }

    void AltReturn()
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = SDLK_RETURN;
        event.key.keysym.mod = KMOD_LALT;
        Push(event);
        Turn();
    }

    CInput input;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<CDraw> draw;
    std::unique_ptr<CRenderer> renderer;
    Opener opener;
    std::string asked;
};

std::vector<std::string> Reported(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| ", 0) == 0) {
            lines.push_back(line.substr(2));
        }
    }
    return lines;
}

// The profile of an earlier run in which the player chose full screen.
void ChooseFullScreenOnAnEarlierRun()
{
    CInput input;
    CController::input = &input;
    Config_SetFullscreen(true);
    CProfile().SaveHeader();
    CController::input = nullptr;
}

class RefusedFullScreen : public testing::Test {
protected:
    void SetUp() override { GameResources::LinkResources(); }

    TempFolder folder;
};

}  // namespace

TEST_F(RefusedFullScreen, OpensAWindowForThatStartAndKeepsThePlayersChoice)
{
    const ChildResult result = RunInChild([] {
        ChooseFullScreenOnAnEarlierRun();
        Start start(nullptr);
        start.Report("start");
        start.ReportSaved();

        start.OpenPage();
        start.Report("page");
        start.ClickFullScreenBox();
        start.Report("box off");
        start.ClickFullScreenBox();
        start.Report("box on");
        start.ClickFullScreenBox();
        start.Click(410 + 55, 421 + 22);  // Cancel
        start.Report("cancelled");

        start.OpenPage();
        start.ClickFullScreenBox();
        start.Click(291 + 55, 422 + 22);  // Save
        start.Report("saved off");
        start.ReportSaved();

        start.AltReturn();
        start.Report("Alt+Return");
        start.ReportSaved();
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    const std::vector<std::string> expected = {
        "start: asked FW, flag 1, window",
        "saved 1",
        "page: asked -, flag 1, window, box 1",
        "box off: asked W, flag 0, window, box 0",
        "box on: asked FW, flag 1, window, box 1",
        "cancelled: asked WFW, flag 1, window",
        "saved off: asked W, flag 0, window",
        "saved 0",
        "Alt+Return: asked FW, flag 1, window",
        "saved 1",
    };
    EXPECT_EQ(Reported(result.output), expected) << result.output;

    // The command line's "1" still asks for a window, and the profile keeps it.
    const ChildResult windowed = RunInChild([] {
        ChooseFullScreenOnAnEarlierRun();
        Start start("1");
        start.Report("start with 1");
        start.ReportSaved();
    });
    EXPECT_EQ(windowed.exitCode, 0) << windowed.output;
    EXPECT_EQ(Reported(windowed.output), (std::vector<std::string>{"start with 1: asked W, flag 0, window", "saved 0"}))
        << windowed.output;
}
