// A one-dimensional mover that slides panels, menu items and dialogs in: it
// waits a number of frames, moves at a constant speed for a few more, then
// decelerates until its velocity reverses and comes to rest exactly on its
// limit. Callers choose the constants so that the velocity runs out near
// the limit (an ease-out); the limit absorbs the small overshoot. The owner
// pumps it once a frame and places its sprites at GetHeight() (a y or an x)
// until IsDone().
#pragma once

class CDropper {
public:
    // velocity and acceleration in pixels per frame (per frame); delay and
    // hold in frames. A velocity of 0 counts as moving forward.
    CDropper(int start, float velocity, float acceleration, int limit, int delay, int hold);
    ~CDropper();

    void Pump();
    // The position rounded to the nearest pixel.
    int GetHeight();
    bool IsDone();

private:
    float position;
    float velocity;
    float acceleration;
    int limit;
    int delay;
    int hold;
    bool startedBackward;
    bool done;
};
