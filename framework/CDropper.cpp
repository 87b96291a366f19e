#include "CDropper.h"

#include "Utilities.h"

CDropper::CDropper(int start, float velocity, float acceleration, int limit, int delay, int hold)
    : position(static_cast<float>(start)),
      velocity(velocity),
      acceleration(acceleration),
      limit(limit),
      delay(delay),
      hold(hold),
      startedBackward(velocity < 0),
      done(false)
{
}

CDropper::~CDropper() {}

void CDropper::Pump()
{
    if (done) {
        return;
    }
    if (delay > 0) {
        delay--;
        return;
    }
    const float end = static_cast<float>(limit);
    // It may pass the limit on its way out; it settles once the velocity has
    // turned and it crosses the limit again on the way back.
    const bool returning = startedBackward ? velocity > 0 : velocity < 0;
    if (returning && (startedBackward ? position >= end : position <= end)) {
        position = end;
        done = true;
        return;
    }
    if (hold > 0) {
        hold--;
    } else {
        velocity += acceleration;
    }
    position += velocity;
    if (startedBackward ? velocity > 0 && position > end : velocity < 0 && position < end) {
        position = end;
    }
}

int CDropper::GetHeight() { return NearestInt(position); }

bool CDropper::IsDone() { return done; }
