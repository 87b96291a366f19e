// A building. For now only the least start-up and shut-down need until the class is built.
#pragma once

class CBuilding {
public:
    // Builds and deletes the build menu's shared placement ghosts.
    static void InitSprites();
    static void DeleteSprites();
};
