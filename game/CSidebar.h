// The game screen's frame around the island view: the side panel at the
// right with the selected object's picture, name plate, detail texts and
// detail button and the main buttons; the wood, rock and food counters that
// rise at the bottom; the stardust and moondust buttons that drop in at the
// top; and the tool-tip bar. The game screen owns the one panel, pumps it
// once a frame and receives its buttons' clicks.
//
// The panel never knows what is selected: each frame it asks the selected
// object for its texts and picture, compares them with what it shows and
// rebuilds only what changed, because text images are costly. The name
// plate, the detail button and the tool-tip bar slide through one table of
// states (the Slide values below).
#pragma once

#include "WorldTypes.h"

#include <string>

class CController;
class CDropper;
class CGuiButton;
class CSprite;

class CSidebar {
public:
    enum Slide { HIDDEN = 0, SLIDING_IN = 1, SHOWN = 2, SLIDING_OUT = 3, SLIDING_OUT_AND_BACK = 4 };

    explicit CSidebar(CController* owner);
    ~CSidebar();
    CSidebar(const CSidebar&) = delete;
    CSidebar& operator=(const CSidebar&) = delete;

    void Pump(bool pumpButtons);
    // Pixel-exact over the panel's own pictures or the dust, map and potion
    // buttons; the parts lying on the main panel need no test of their own.
    bool IsMouseOver();
    // A left press: on the picture or name plate it centres the view on the
    // selection and lets the view follow it again.
    void MouseClick();
    void DetailButtonClicked();
    // Replaces any message at once; its texts are copied.
    void SetToolTipMessage(selection_result message, int frames);

    // ---- Selection detail and tool-tip (CSidebar_Detail.cpp) -----------------
    void UpdateSidebarData();
    void RenderDetailInfo(int id, int number, const char* text);
    void RenderDetailTop(selection_result detail);
    void RenderDetailBottom(selection_result detail);
    void RenderDetailButton(int id, int state);
    void RenderDetailImage(const sidebar_image& image);
    void RenderTooltip(selection_result tip);
    void PumpTooltip();
    void PumpDetailInfo();
    void PumpDetailButton();
    void SetTooltipState(int state);
    void SetDetailInfoState(int state);
    void SetDetailButtonState(int state);
    // An absent given text equals an empty stored one; a given text equals a
    // non-empty stored text with the same characters; nothing else is equal.
    static bool CompareStrings(const std::string& stored, const char* given);
    // The factor a picture of w x h is shrunk by for a shrink setting; 1 none.
    static int ShrinkFactor(int setting, int w, int h);

    // Text images built since construction; rendering text is what the
    // comparisons above save.
    int textImagesBuilt;
    int timedMessageFrames;
    int tooltipState, tooltipPrevious;
    int detailInfoState, detailInfoPrevious;
    int detailButtonState, detailButtonPrevious;

    CSprite* namePlate;
    CSprite* tooltipText;
    CSprite* nameText;
    CSprite* topText;
    CSprite* bottomText;
    CSprite* picture;
    CSprite* countTexts[5];  // wood, rock, food sum, stardust, moondust
    CGuiButton* detailInUse;
    CGuiButton* detailNext;
    CGuiButton* detailPlain;
    CGuiButton* detailCheck;
    CGuiButton* previousButton;
    CGuiButton* nextButton;
    CGuiButton* clothesButton;
    CGuiButton* labButton;
    CGuiButton* stardustButton;
    CGuiButton* moondustButton;
    CSprite* tooltipFrame;  // the frame and background in use; null none
    CSprite* tooltipBack;

private:
    enum Panel { MAIN, TRIM, WOOD, STONE, FOOD, TIP_A, TIP_B1, TIP_B2, TALL_A, TALL_B1, TALL_B2, PANELS };
    enum Count { WOOD_COUNT, ROCK_COUNT, FOOD_COUNT, STARDUST_COUNT, MOONDUST_COUNT, COUNTS };

    CSprite* TextSprite(int id, int z, int w, int h, int alignment, const unsigned char* shadow, const char* a1,
                        const char* a2, const char* a3, const char* a4, const char* a5);
    void SlideInPlates();
    void PlaceDustCounts();
    void UpdateCounts();
    void ShowButtonsForSelection();
    void UseNextDetailButton();
    void PlaceTooltipText();

    CController* owner;
    CSprite* panels[PANELS];
    CDropper* plateMovers[3];
    CDropper* dustMovers[2];
    CDropper* tooltipMover;
    CDropper* nameMover;
    CDropper* buttonMover;
    CGuiButton* buildButton;
    CGuiButton* scienceButton;
    CGuiButton* menuButton;
    CGuiButton* mapButton;
    CGuiButton* potionButton;
    int shownCounts[COUNTS];

    int tooltipId, tooltipNumber;
    std::string tooltipText1, tooltipText2;
    selection_result timedMessage;
    std::string timedText1, timedText2;  // own the timed message's texts
    int nameId, nameNumber;
    std::string nameString;
    int buttonLabelId;
    int topId, topNumber;
    std::string topText1, topText2;
    int bottomId, bottomNumber;
    std::string pictureName;
    int pictureId;
    long long pictureChecksum;  // -1 none
    // Set on entering SLIDING_IN: the next pump rebuilds that slider's content.
    bool tooltipRebuild, infoRebuild, buttonRebuild;
};
