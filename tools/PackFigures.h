// The islander pictures of the resource pack, drawn from their names: bodies
// by stage, set, direction and frame, heads turned to sixteen directions,
// eyelids, mouths, hair in its styles and colours, garments (grey masks the
// game recolours, with their line drawings), tools, carried goods, shadows,
// rings, the splash and the landing dust. Every body, garment and tool
// picture of one pose is drawn from one skeleton placed with the game's own
// drawing offsets, so the layers meet when the game stacks them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class FigureKind {
    Body,     // stage, male, set, direction, frame, skin
    Garment,  // stage, male, set, direction, frame, top, style, layer
    Head,     // stage, male, skin, frame (head direction 0..15)
    Eyelid,   // stage, male, skin, frame, lid (-1 blank)
    Mouth,    // male, emotion (-1 blank), frame
    Hair,     // male, style, colour, frame
    Tool,     // male, tool, direction, frame
    Good,     // good, frame (0 facing NE or SW, 1 facing SE or NW)
    Shadow,   // shadow
    Ring,     // stage, rollover
    Splash,   // frame
    Dust,     // dust, frame
};

enum FigureStage { kFigureBaby, kFigureKid, kFigureAdult };
enum FigureSet { kFigureStand, kFigureWalk, kFigureCarry, kFigureHack, kFigureHoe };
enum FigureLayer { kFigureMask, kFigureLine, kFigurePlain };
enum FigureTool { kFigureStick, kFigureAxe, kFigurePickaxe, kFigureHammer };
enum FigureShadow { kShadowBaby, kShadowChild, kShadowAdult, kShadowHackMale, kShadowHackFemale };

struct figure_data {
    FigureKind kind = FigureKind::Body;
    int stage = kFigureAdult;
    bool male = true;
    int set = kFigureStand;
    int direction = 0;  // 0 NE, 1 SE, 2 SW, 3 NW
    int frame = 0;
    int skin = 0;
    bool top = false;   // garments: top rather than bottom
    int style = 0;      // garments: adult style 0..2 or kid/baby colour; hair style 0..7
    int layer = kFigureMask;
    int colour = 0;     // hair colour 0..8
    int lid = -1;       // eyelids: 0 half shut, 1 shut, -1 blank
    int emotion = -1;   // mouths: 0 neutral, 1 smile, 2 angry, 3 frown, 4 surprised, 5 worried; -1 blank
    int tool = kFigureStick;
    int good = 0;       // 0 wood, 1 rock, 2 fish, 3..5 vegetables
    int shadow = kShadowAdult;
    bool rollover = false;
    int dust = 0;       // 0..3 for A..D
};

// Reads what an islander picture name shows; false with the reason when the
// name is no islander picture or a number in it is out of range.
bool ParseFigureName(const std::string& name, figure_data& figure, std::string& reason);

// Draws the picture at width x height (RGBA, rows top to bottom). Empty, with
// the reason, when the drawing does not fit the size.
std::vector<uint8_t> DrawFigure(const figure_data& figure, int width, int height, std::string& reason);
