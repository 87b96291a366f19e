// The island screen. For now only the least start-up and shut-down need until the class is built.
#pragma once

class CResources;
class CSound;

class CControllerGame {
public:
    // The one stock of resources, made on the first call; never null.
    static CResources* Resources();

    static CResources* resources;
    static CSound* sndWaves;  // the ambient waves; null when none
};
