// The base of every world object. For now only the least shut-down needs until the class is built.
#pragma once

class CObject {
public:
    // Deletes every world object.
    static void UnloadAll();
};
