// The small records that the island, its world objects and the panels around
// them pass to one another: obstruction rectangles, side-panel texts and
// pictures, pop-up requests, the island's picture list, colour ramp, seed
// history, grass tufts, waves and the saved flower record. Plain data, no
// behaviour.
#pragma once

#include "ProfileTypes.h"
#include "Types.h"

#include <cstdint>
#include <string>

class CObject;
class CSound;
class CSprite;

// A rectangle of ground that a world object blocks, in world pixels. A flagged
// rectangle counts only for placement tests (Collision with all set); walking
// ignores it.
struct obstruction_type {
    int x, y, w, h;
    CObject* owner;
    bool flag;
};

// What a world object shows in the side panel or a tool-tip: a string id (0 or
// less for none), the number for its "%i" insert, two optional texts (a text
// may be a string id written in decimal), and an offset of the text.
struct selection_result {
    int id;
    int number;
    const char* text1;
    const char* text2;
    int offsetX;
    int offsetY;
};

// The picture of a selected object in the side panel. shrink: 1 unscaled, -1
// lets the panel shrink a picture above 150 pixels by 2, 4, 8 or 16, any other
// value shrinks by that factor.
struct sidebar_image {
    int id;            // image id, -1 for none
    std::string name;  // image file name, empty for none
    int shrink;
};

// A question or notice a world object asks of the player. The game screen
// shows it (the crate screen when crate is set) and answers through the
// object's GiveResponse. Never saved; the texts are copies, so a request
// outlives the strings it was made from.
struct feedback_data {
    int id;                  // string id of the text
    std::string insert[4];   // texts for the insert markers 1 to 4, empty for none
    int number;             // written in decimal into insert marker 5
    uint8_t crate;
    uint8_t noticeOnly;     // only the first button is shown
    int crateFirst;         // 1 for the first crate of a game
    int crateTier;          // contents tier 0 to 2
};

// One small picture painted onto the preview island or the mini-map.
struct minimap_object {
    int x, y;           // mini-map pixels
    std::string name;   // image file name
    bool shrink;        // the image is shrunk rather than loaded at its size
    bool brighten;
    int visibleHeight;  // rows painted from the top, -1 all
    int shrinkFactor;   // -1 means 8
};

struct map_colour {
    int r, g, b;
};

// One island of the chooser's history: its seed and the point from which the
// chooser's travel reached it.
struct map_seed {
    unsigned int seed;
    float fromX, fromY;
};

// One grass tuft painted into the playable island: top-left in world pixels,
// its image and size.
struct grasschunk {
    int x, y;
    int image;
    int w, h;
};

// One flower painted into the ground, saved raw in the active profile.
struct flower_data {
    uint8_t firstOfClump;
    uint8_t padding[3];
    int32_t x, y;       // world pixels
    int32_t colour;     // 0..6
    int32_t colourGroup;
    int32_t size;       // 0..2, -1 for a size drawn anew at each repaint
    int32_t type;
};
static_assert(sizeof(flower_data) == 28, "flower_data is a 28-byte saved record");

template <>
struct ProfileType<flower_data> : ProfileRecord<flower_data, 28> {
    static constexpr const char* tag = "11flower_data";
};

// One coast wave of the playable island: where it rolls in and the state of
// its crest of 100 points, which moves toward the shore, breaks point by
// point in the shallows and draws back.
constexpr int WAVE_POINTS = 100;
struct wave_struct {
    int x, y;                      // centre, world pixels
    int coastX, coastY;            // the coast sample it was placed for
    int pointX, pointY;            // the far end of that piece of coast
    float_coordinate base[WAVE_POINTS];
    float_coordinate point[WAVE_POINTS];
    bool broken[WAVE_POINTS];
    float velocityX[WAVE_POINTS];
    float velocityY[WAVE_POINTS];
    float damping[WAVE_POINTS];
    float angle;                   // radians: the direction it runs in
    float resetA, resetB;
    int appear;                    // frames until the crest shows
    int delay;
    int sprayCountdown[WAVE_POINTS];
    int life;                      // frames
    int surf;                      // which surf sound, 1..5
    // The pictures and sound, owned; null without a drawing context.
    CSprite* crest[WAVE_POINTS];
    CSprite* spray[WAVE_POINTS];
    float_coordinate sprayPoint[WAVE_POINTS];
    float sprayVelocityX[WAVE_POINTS];
    float sprayVelocityY[WAVE_POINTS];
    CSound* sound;
    PF_Rect drawn;                 // the screen area redrawn last frame
};

// One patch of froth on the deep water of the playable island.
struct froth_data {
    int x, y;  // world pixels of the picture's top-left corner
    CSprite* sprite;  // owned
};

// One small wave of the preview island, running toward a piece of coast.
constexpr int SMALL_WAVE_POINTS = 20;
struct small_wave {
    float x, y;  // preview samples inside the border
    float angle;
    float pointX[SMALL_WAVE_POINTS], pointY[SMALL_WAVE_POINTS];
    float velocityX[SMALL_WAVE_POINTS], velocityY[SMALL_WAVE_POINTS];
    int life;
    int delay;
    int startX, startY, endX, endY;  // the piece of coast, preview samples
    CSprite* sprite[SMALL_WAVE_POINTS];  // owned; null without a drawing context
};
