// A sapling waiting to be planted. For now only the least start-up and shut-down need until the class is built.
#pragma once

class CTreeIndicator {
public:
    // Creates and deletes the hidden ghost shown while placing.
    static void Init();
    static void Unload();
};
