// An islander. For now only the least start-up and shut-down need until the class is built.
#pragma once

class CPerson {
public:
    // Loads and releases the islanders' shared garment images.
    static void PreLoadClothes();
    static void UnPreLoadClothes();
};
