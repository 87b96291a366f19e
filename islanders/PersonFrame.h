// What an islander's frame knows of its pictures: the wake particles it
// moves, which body animation shows and where the shown body sits.
#pragma once

class CSprite;

// One particle of an islander's wake: small ones hold world positions, large
// ones offsets from the body's top-left; a large one at x -100 was never
// placed.
struct wake_particle {
    float x, y, dx, dy;
    CSprite* sprite;  // owned by the islander's sprite set; null until loaded
};
constexpr int kSmallWake = 20;
constexpr int kLargeWake = 30;

// Which body animation shows; the frame picks shadows and footprints by it.
enum body_set_kind {
    BODY_OTHER,
    BODY_ADULT_STAND,
    BODY_ADULT_WALK,
    BODY_ADULT_CARRY,
    BODY_ADULT_HACK,
    BODY_ADULT_HOE,
    BODY_KID_STAND,
    BODY_KID_WALK,
    BODY_BABY_STAND,
    BODY_BABY_WALK,
};

// The shown body picture as the frame places it: its drawing offset for the
// facing direction, its full size, and where its animation stands.
struct body_view {
    body_set_kind set;
    int offsetX, offsetY;
    int width, height;  // uncut
    int headX, headY;   // the head's place on the body
    int frame;          // the image shown
    int nextFrame;      // the image the next tick shows
    bool lastTick;      // the image's last tick before the next one
    bool toolOfState;   // the hack tools of the body state are shown
};
