// A heap of stardust or moondust. For now only the least shut-down needs until the class is built.
#pragma once

class CSound;

class CDust {
public:
    static CSound* sndObservatory;  // null when none
};
