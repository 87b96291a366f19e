// The records of the island's weather: the rain drops that fall over the
// playable island and the clouds that drift over the chooser's preview. The
// island (CMap) keeps a fixed number of each and owns their sprites; nothing
// of them is saved.
#pragma once

class CSprite;

// One drop: a streak falling in screen pixels that lands on a world row and
// leaves a splash there.
struct rain_drop {
    float x = 0.0f, y = 0.0f;              // the streak's top-left, screen pixels
    float splashX = 0.0f, splashY = 0.0f;  // screen pixels
    float ground = 0.0f;                   // the world y it lands on
    float velocityX = 0.0f, velocityY = 0.0f;  // pixels per frame
    CSprite* streak = nullptr;  // owned
    CSprite* splash = nullptr;  // owned
    bool waiting = true;        // parked above the screen
};

// One cloud with its shadow, relative to the preview frame's top-left.
struct cloud_data {
    float x = 0.0f, y = 0.0f;
    float velocityX = 0.0f, velocityY = 0.0f;
    CSprite* cloud = nullptr;   // owned
    CSprite* shadow = nullptr;  // owned
    bool gone = true;  // out of the frame and not in use
    int outFrames = 0;  // consecutive frames wholly outside the frame
};
