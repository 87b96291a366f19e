// The picture rules row by row: each row's own pictures are drawn by its
// painter, and read as words only where the row says so. The first matching
// row wins, so a row changed, or moved above a broader one, draws a whole
// family of the game's pictures as something else: each row is checked with
// a picture of the manifest that it, and no row before it, claims; many of
// them match a broader row further down too.
#include "PackPictures.h"

#include <gtest/gtest.h>

TEST(PackPictureRules, EveryRowDrawsItsPicturesAsWhatTheyShow)
{
    using S = PictureSubject;
    const struct {
        const char* name;
        PictureSubject subject;
        bool readable = false;  // its label is drawn
    } rows[] = {
        {"buildGUI_hutAAlarge.png", S::Panel},
        {"sidebar_item_myst0.png", S::Icon}, {"sidebar_item_storefood.png", S::Panel},
        {"tree_size0_trunk0_chop0.png", S::TreeTrunk}, {"tree_size0_leaf0.png", S::TreeCrown},
        {"mysterious_0_shadow.png", S::Shadow}, {"butterfly_shad_A_0.png", S::Shadow},
        {"buildGUI_button1_shad.png", S::Shadow}, {"selector_storehouses-observ.png", S::SelectionRing},
        {"tut_circle_A_0.png", S::SelectionRing},
        {"rock_large0.png", S::Rock}, {"temp_grasstuft_green_blade0_0.png", S::GrassBlade},
        {"temp_grasstuft_green_large0_0.png", S::GrassTuft}, {"tree_sapling_size0_0.png", S::Crop},
        {"veggie_phase1_0.png", S::Crop}, {"mushroom_A_0.png", S::Item},
        {"grasstuft_minimap_green_large0_0.png", S::MapDot}, {"flower_minimap_colour_0_type_0.png", S::MapDot},
        {"flower_colour_0_size_0_type_0.png", S::Flower}, {"dirty.png", S::MapDot},
        {"pile_wood_leather.png", S::Mat}, {"pile_wood0.png", S::Pile}, {"tombstone0_shad.png", S::Shadow},
        {"tombstone0.png", S::Tombstone}, {"crate_1.png", S::Crate}, {"barrel_1.png", S::Barrel},
        {"relic_glint_0.png", S::Relic}, {"dust_stardust_ground_base.png", S::DustHeap},
        {"dust_stardust_falling_base.png", S::DustFall}, {"dust_particleA_0.png", S::Sparkle},
        {"mysterious_islandselect_0.png", S::MysteryBadge}, {"mysterious_0.png", S::Mystery},
        {"buildGUI_treesghost.png", S::Icon}, {"map_myst_slots.png", S::MysterySlots},
        {"map_myst_square.png", S::Icon}, {"map_myst_fossil.png", S::MysteryBadge},
        {"fireplace_style0_construct1.png", S::Fireplace}, {"hut_roof_style0.png", S::Roof},
        {"boat_right0.png", S::Ship}, {"loadingB_boat.png", S::Ship}, {"hut_style0_overlay.png", S::GrassTuft},
        {"hut_style0_construct0.png", S::Building}, {"storehouse_food_style0_construct0.png", S::Building},
        {"observatory_style0_construct0.png", S::Building}, {"craftworks_style0_construct0.png", S::Building},
        {"science_style0_construct0.png", S::Building}, {"shipyard_style0_construct0.png", S::Building},
        {"wonderA_style0_construct0.png", S::Building}, {"farm_style0_construct0.png", S::Building},
        {"buildGUI_hutAA0.png", S::HutCard}, {"hutselect_hutAC_ghost.png", S::HutCard},
        {"pebble_0.png", S::Pebble}, {"shell_small_type0_0.png", S::Shell},
        {"starfish_small_type0_0.png", S::Starfish}, {"fishA_R_0c.png", S::FishJump},
        {"fish_ripple_0.png", S::Ripple}, {"ripples0.png", S::Ripple}, {"fish_splash_0.png", S::Splash},
        {"rain_splash0.tga", S::Splash}, {"footprint_baby_NE_L_0.png", S::Footprint},
        {"butterfly_A_A_0.png", S::Butterfly}, {"gull_float_L_1.png", S::Gull},
        {"bird_left_color_body_0.png", S::Bird}, {"mist_A_0.png", S::Mist}, {"dust_impactpuff.png", S::Cloud},
        {"map_cloud0.png", S::Cloud}, {"rain_overlay.png", S::Rain}, {"rain_streak0.png", S::RainStreak},
        {"TEMP_wave0.png", S::Wave}, {"water_froth_A_0.png", S::Froth}, {"loadingB_water_A.png", S::Wave},
        {"islandcreator_eastereggD.jpg", S::IslandThumb},
        {"pointerA0.png", S::Pointer}, {"mouse_hourglass.tga", S::Hourglass}, {"potion_pointer_main.png", S::Flask},
        {"scilabGUI_potion_main.png", S::Flask}, {"scilabGUI_potion_colour90.png", S::Flask},
        {"scilabGUI_potion_A.png", S::Bubble},
        {"scilabGUI_item_fish_base.png", S::Item}, {"gui_fader2.png", S::Fader}, {"trophies_bg.jpg", S::Cabinet},
        {"logo_bg.jpg", S::Backdrop}, {"loadingscreen_loading.dat", S::Panel},
        {"loadingscreen_main.dat", S::Backdrop, true}, {"trophies_discglow.png", S::SettingGlow},
        {"trophies_discA_base.png", S::Setting}, {"trophies_tr_buddingbuilder.png", S::Trophy, true},
        {"map_button_trophy_base.png", S::TrophyButton}, {"map_button_trophy_roll1.png", S::TrophyButton},
        {"islandselector_mainA.png", S::ChooserOverlay}, {"scilabGUI_button_selector_1.png", S::Frame},
        {"flowerGUI_button_1_selector.png", S::Frame}, {"profile_highlighter_A.png", S::Frame},
        {"islandselector_cursor.png", S::Frame}, {"tutorial_checkbox_unchecked.png", S::Button},
        {"clothtarr_tab_A_icon_clr.png", S::Garment}, {"clothtarr_swatch_0.png", S::Garment},
        {"clothtarr_tab_A_base.png", S::Button}, {"buildGUI_button1_base.png", S::Button},
        {"map_button_back_shad.png", S::Button}, {"buildGUI_button1_roll1.png", S::Button},
        {"endstory_main_A.png", S::Story}, {"Brinemark_logo_main_0.png", S::Emblem},
        {"mainmenu_main.jpg", S::MenuScene}, {"buildGUI_mainA.png", S::Panel}, {"trophies_boxA.png", S::Panel},
        {"loadingB_wood_A.png", S::Panel}, {"mainmenu_logo.png", S::Panel, true},
        {"Brinemark_logo_textA_0.png", S::Panel, true}, {"map_listbox_A.png", S::Panel},
        {"sidebar_trim_right.png", S::Panel}, {"personGUI_meterbacking.jpg", S::Panel},
        {"crateGUI_crate0.jpg", S::Crate}, {"crateGUI_barrel0.jpg", S::Barrel}, {"crateGUI_blank.jpg", S::Panel},
        {"instructions_pics_A_0.jpg", S::Lesson}, {"loadingA_A.png", S::Backdrop}, {"intro_panel1_0.jpg", S::Story},
        {"flower_indicator0.png", S::SelectionRing}, {"flowerGUI_icon_white0.png", S::Flower},
        {"firesmoke_A0.png", S::Cloud}, {"buildGUI_firepit0.png", S::Icon}, {"flyaway0-0.png", S::Button, true},
    };
    for (const auto& row : rows) {
        const picture_rule_data rule = FindPictureRule(row.name);
        EXPECT_EQ(rule.subject, row.subject) << row.name << " is claimed by '" << rule.pattern << "'";
        EXPECT_EQ(rule.readable, row.readable) << row.name;
    }
}
