// The build menu's fifteen items in grid order (three columns, five rows):
// where each picture and button stands, the rectangle the pointer lights it
// in, the building type that prices it, the variant it places, the research
// that unlocks it and the names of its pictures.
#pragma once

enum class BuildLock { Never, Agriculture1, Agriculture2, Construction1, Construction2 };

// An item's pictures: the animation "<prefix><n>.png", the large picture
// and its shadow.
struct build_look {
    const char* prefix;
    const char* large;
    const char* shadow;
};

struct build_item_data {
    int pictureX, pictureY;
    int buttonX, buttonY;
    int hoverX, hoverY, hoverW, hoverH;
    int type;     // building type for the cost; -1 none
    int variant;  // building variant placed; -1 not a building
    BuildLock lock;
    build_look look;
    const char* ghost;  // null for items never locked
    const char* buttonBase;
    const char* buttonShadow;
    const char* buttonRollover;  // with "%i" for the frames
};

constexpr int BUILD_ITEMS = 15;

constexpr build_item_data kBuildItems[BUILD_ITEMS] = {
    {152, 94, 142, 107, 147, 110, 90, 74, 1, 0, BuildLock::Never,
     {"buildGUI_hutAA", "buildGUI_hutAAlarge.png", "buildGUI_hutAAlargeshad.png"}, nullptr,
     "buildGUI_button1_base.png", "buildGUI_button1_shad.png", "buildGUI_button1_roll%i.png"},
    {244, 92, 239, 106, 237, 110, 96, 74, 1, 1, BuildLock::Never,
     {"buildGUI_hutBA", "buildGUI_hutBAlarge.png", "buildGUI_hutBAlargeshad.png"}, nullptr,
     "buildGUI_button2_base.png", "buildGUI_button2_shad.png", "buildGUI_button2_roll%i.png"},
    {344, 102, 335, 102, 333, 110, 89, 74, 9, 9, BuildLock::Never,
     {"buildGUI_firepit", "buildGUI_firepitlarge.png", "buildGUI_firepitlargeshad.png"}, nullptr,
     "buildGUI_button3_base.png", "buildGUI_button3_shad.png", "buildGUI_button3_roll%i.png"},
    {147, 164, 146, 186, 147, 184, 90, 76, 7, 7, BuildLock::Never,
     {"buildGUI_science", "buildGUI_sciencelarge.png", "buildGUI_sciencelargeshad.png"}, nullptr,
     "buildGUI_button4_base.png", "buildGUI_button4_shad.png", "buildGUI_button4_roll%i.png"},
    {237, 178, 235, 185, 237, 184, 96, 76, -1, -1, BuildLock::Never,
     {"buildGUI_flowers", "buildGUI_flowerslarge.png", "buildGUI_flowerslargeshad.png"}, nullptr,
     "buildGUI_button5_base.png", "buildGUI_button5_shad.png", "buildGUI_button5_roll%i.png"},
    {325, 172, 333, 185, 333, 184, 89, 76, -1, -1, BuildLock::Agriculture1,
     {"buildGUI_trees", "buildGUI_treeslarge.png", "buildGUI_treeslargeshad.png"}, "buildGUI_treesghost.png",
     "buildGUI_button6_base.png", "buildGUI_button6_shad.png", "buildGUI_button6_roll%i.png"},
    {155, 248, 142, 262, 147, 260, 90, 77, 2, 2, BuildLock::Construction1,
     {"buildGUI_storefood", "buildGUI_storefoodlarge.png", "buildGUI_storefoodlargeshad.png"}, "buildGUI_storefoodghost.png",
     "buildGUI_button7_base.png", "buildGUI_button7_shad.png", "buildGUI_button7_roll%i.png"},
    {247, 251, 236, 263, 237, 260, 96, 77, 4, 4, BuildLock::Construction1,
     {"buildGUI_storewood", "buildGUI_storewoodlarge.png", "buildGUI_storewoodlargeshad.png"}, "buildGUI_storewoodghost.png",
     "buildGUI_button8_base.png", "buildGUI_button8_shad.png", "buildGUI_button8_roll%i.png"},
    {346, 250, 331, 262, 333, 260, 89, 77, 3, 3, BuildLock::Construction1,
     {"buildGUI_storerock", "buildGUI_storerocklarge.png", "buildGUI_storerocklargeshad.png"}, "buildGUI_storerockghost.png",
     "buildGUI_button9_base.png", "buildGUI_button9_shad.png", "buildGUI_button9_roll%i.png"},
    {141, 326, 146, 339, 147, 337, 90, 79, 12, 20, BuildLock::Agriculture2,
     {"buildGUI_farm", "buildGUI_farmlarge.png", "buildGUI_farmlargeshad.png"}, "buildGUI_farmghost.png",
     "buildGUI_button10_base.png", "buildGUI_button10_shad.png", "buildGUI_button10_roll%i.png"},
    {242, 319, 237, 337, 237, 337, 96, 79, 6, 6, BuildLock::Construction1,
     {"buildGUI_craftworks", "buildGUI_craftworkslarge.png", "buildGUI_craftworkslargeshad.png"}, "buildGUI_craftworksghost.png",
     "buildGUI_button11_base.png", "buildGUI_button11_shad.png", "buildGUI_button11_roll%i.png"},
    {346, 323, 331, 341, 333, 337, 89, 79, 5, 5, BuildLock::Construction2,
     {"buildGUI_observatory", "buildGUI_observatorylarge.png", "buildGUI_observatorylargeshad.png"}, "buildGUI_observatoryghost.png",
     "buildGUI_button12_base.png", "buildGUI_button12_shad.png", "buildGUI_button12_roll%i.png"},
    {136, 406, 145, 416, 147, 416, 90, 71, 8, 8, BuildLock::Construction2,
     {"buildGUI_shipyard", "buildGUI_shipyardlarge.png", "buildGUI_shipyardlargeshad.png"}, "buildGUI_shipyardghost.png",
     "buildGUI_button13_base.png", "buildGUI_button13_shad.png", "buildGUI_button13_roll%i.png"},
    {262, 404, 238, 415, 237, 416, 96, 71, 10, 10, BuildLock::Construction2,
     {"buildGUI_wonderA", "buildGUI_wonderAlarge.png", "buildGUI_wonderAlargeshad.png"}, "buildGUI_wonderAghost.png",
     "buildGUI_button14_base.png", "buildGUI_button14_shad.png", "buildGUI_button14_roll%i.png"},
    {353, 402, 332, 416, 333, 416, 89, 71, 11, 11, BuildLock::Construction2,
     {"buildGUI_wonderB", "buildGUI_wonderBlarge.png", "buildGUI_wonderBlargeshad.png"}, "buildGUI_wonderBghost.png",
     "buildGUI_button15_base.png", "buildGUI_button15_shad.png", "buildGUI_button15_roll%i.png"},
};

// The ship takes the shipyard's place once a shipyard stands finished.
constexpr int SHIP_ITEM = 12;
constexpr int SHIP_PICTURE_X = 140, SHIP_PICTURE_Y = 416;
constexpr int SHIP_TYPE = 13, SHIP_VARIANT = 21;
constexpr build_look kShipLook = {"buildGUI_ship", "buildGUI_shiplarge.png", "buildGUI_shiplargeshad.png"};

// The hut items' pictures (small, then large) by construction level 0, 1,
// 2 and above.
constexpr build_look kHutLooks[2][3] = {
    {{"buildGUI_hutAA", "buildGUI_hutAAlarge.png", "buildGUI_hutAAlargeshad.png"},
     {"buildGUI_hutAB", "buildGUI_hutABlarge.png", "buildGUI_hutABlargeshad.png"},
     {"buildGUI_hutAC", "buildGUI_hutAClarge.png", "buildGUI_hutAClargeshad.png"}},
    {{"buildGUI_hutBA", "buildGUI_hutBAlarge.png", "buildGUI_hutBAlargeshad.png"},
     {"buildGUI_hutBB", "buildGUI_hutBBlarge.png", "buildGUI_hutBBlargeshad.png"},
     {"buildGUI_hutBC", "buildGUI_hutBClarge.png", "buildGUI_hutBClargeshad.png"}}};
