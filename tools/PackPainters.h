// The painters behind the picture rules, one per subject, shared by the
// PackPainters*.cpp files. Each draws its subject into area, a box of the
// canvas (the whole picture, or a smaller box when one painter borrows
// another's drawing, as an icon does), reading what it needs from the name.
#pragma once

#include "CPictureCanvas.h"
#include "PackPictures.h"

struct paint_box {
    float x, y, w, h;
};

using picture_painter = void (*)(CPictureCanvas&, const picture_job&, paint_box);

// The painter for a subject; null for Unruled.
picture_painter PainterFor(PictureSubject subject);

// A lumpy round shape: radius varies with the angle by a few waves drawn
// from seed. Lit from the upper left, edged in a darker tone.
void PaintBlob(CPictureCanvas& canvas, paint_point centre, float radiusX, float radiusY, paint_colour colour,
               uint64_t seed, float lumpiness, bool speckled);
// A stone: a blob flattened at its foot.
void PaintStone(CPictureCanvas& canvas, paint_point centre, float radiusX, float radiusY, paint_colour colour,
                uint64_t seed);
// A log lying across, from a to b, bark and a pale cut end at b.
void PaintLog(CPictureCanvas& canvas, paint_point a, paint_point b, float thickness, paint_colour bark);
// A fish lying or swimming, nose toward heading (radians), length long.
void PaintFish(CPictureCanvas& canvas, paint_point centre, float length, float heading, paint_colour body,
               paint_colour belly, bool outlined);
// A vegetable: a round root with leaves.
void PaintVegetable(CPictureCanvas& canvas, paint_point centre, float radius, paint_colour colour);
// The label in the largest scale that fits width x height around (cx, cy);
// nothing when even the smallest does not fit.
void PaintLabel(CPictureCanvas& canvas, const std::string& text, paint_box room, paint_colour ink);
// A picture in place of words for a button or plate the game labels with
// no text: star, moon, map, lab (a flask), the arrows < > ^ v, and what the
// stock counts: wood, rock, food. False, drawing nothing, for any other word.
bool PaintSymbol(CPictureCanvas& canvas, const std::string& symbol, paint_box room);
// A padlock, size px wide, its body's middle a little below centre: what
// marks a locked choice.
void PaintPadlock(CPictureCanvas& canvas, paint_point centre, float size);
// The finished hut of a size (0 small, 1 large) under the roof of its grade
// (0 none, 1 roofed, 2 grand), fitted into the area.
void PaintHutPicture(CPictureCanvas& canvas, int size, int grade, paint_box area);
// Where a build menu item's small picture may paint: inside the card of
// the button it stands on, wherever the build menu and the hut chooser set
// it; the whole area for any other picture.
paint_box BuildMenuCardRoom(const std::string& name, paint_box area);
// Clears what was painted outside such a room's card.
void ClipToCard(CPictureCanvas& canvas, paint_box room);
// Is the picture readable and its label one the manifest gave (not the
// name's own stem, not ".")?
bool HasOwnLabel(const picture_job& job);

// The screens' boards (PackPaintersBoards.cpp): the deep panel tone of a
// screen's pieces, a framed board (its frame slim on low plates), a box sunk
// into a panel, a band round a title, and plain panel. PaintBoardPiece draws
// a piece of a screen that sets its board in several pieces as its part of
// that board; false, drawing nothing, for any other picture.
paint_colour BoardPanelTone(const std::string& name);
// The wood of the plate under the island chooser's name at a screen pixel,
// and the dark rim round it: the plate is drawn over two pictures.
paint_colour NamePlateWood(float screenX, float screenY);
constexpr paint_colour kNamePlateRim{40 / 255.0f, 26 / 255.0f, 16 / 255.0f, 1.0f};
paint_colour BoardButtonTone(const std::string& name);
void PaintBoard(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed);
void PaintSlimBoard(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed);
void PaintWell(CPictureCanvas& canvas, paint_box box, float radius, paint_colour panel, uint64_t seed);
void PaintStrip(CPictureCanvas& canvas, paint_box box, paint_colour panel, uint64_t seed);
void PaintPlainPanel(CPictureCanvas& canvas, paint_box box, paint_colour panel, uint64_t seed);
bool PaintBoardPiece(CPictureCanvas& canvas, const picture_job& job, paint_box area);
// The game screen's side panel and the pole beside it, carved from one board
// (PackPaintersSidePanel.cpp); false, drawing nothing, for any other picture.
bool PaintSidePanelPiece(CPictureCanvas& canvas, const picture_job& job, paint_box area);

// Painters by subject.
void PaintTreeTrunk(CPictureCanvas&, const picture_job&, paint_box);
void PaintTreeCrown(CPictureCanvas&, const picture_job&, paint_box);
void PaintShadow(CPictureCanvas&, const picture_job&, paint_box);
void PaintSelectionRing(CPictureCanvas&, const picture_job&, paint_box);
void PaintRock(CPictureCanvas&, const picture_job&, paint_box);
void PaintGrassTuft(CPictureCanvas&, const picture_job&, paint_box);
void PaintGrassBlade(CPictureCanvas&, const picture_job&, paint_box);
void PaintMapDot(CPictureCanvas&, const picture_job&, paint_box);
void PaintFlower(CPictureCanvas&, const picture_job&, paint_box);
void PaintCrop(CPictureCanvas&, const picture_job&, paint_box);
void PaintMat(CPictureCanvas&, const picture_job&, paint_box);
void PaintPile(CPictureCanvas&, const picture_job&, paint_box);
void PaintTombstone(CPictureCanvas&, const picture_job&, paint_box);
void PaintCrate(CPictureCanvas&, const picture_job&, paint_box);
void PaintBarrel(CPictureCanvas&, const picture_job&, paint_box);
void PaintRelic(CPictureCanvas&, const picture_job&, paint_box);
void PaintDustHeap(CPictureCanvas&, const picture_job&, paint_box);
void PaintMystery(CPictureCanvas&, const picture_job&, paint_box);
void PaintIcon(CPictureCanvas&, const picture_job&, paint_box);
void PaintBuilding(CPictureCanvas&, const picture_job&, paint_box);
void PaintFireplace(CPictureCanvas&, const picture_job&, paint_box);
void PaintRoof(CPictureCanvas&, const picture_job&, paint_box);
void PaintShip(CPictureCanvas&, const picture_job&, paint_box);
void PaintHutCard(CPictureCanvas&, const picture_job&, paint_box);
void PaintPebble(CPictureCanvas&, const picture_job&, paint_box);
void PaintShell(CPictureCanvas&, const picture_job&, paint_box);
void PaintStarfish(CPictureCanvas&, const picture_job&, paint_box);
void PaintFishJump(CPictureCanvas&, const picture_job&, paint_box);
void PaintRipple(CPictureCanvas&, const picture_job&, paint_box);
void PaintSplash(CPictureCanvas&, const picture_job&, paint_box);
void PaintFootprint(CPictureCanvas&, const picture_job&, paint_box);
void PaintButterfly(CPictureCanvas&, const picture_job&, paint_box);
void PaintGull(CPictureCanvas&, const picture_job&, paint_box);
void PaintBird(CPictureCanvas&, const picture_job&, paint_box);
void PaintSparkle(CPictureCanvas&, const picture_job&, paint_box);
void PaintDustFall(CPictureCanvas&, const picture_job&, paint_box);
void PaintMist(CPictureCanvas&, const picture_job&, paint_box);
void PaintCloud(CPictureCanvas&, const picture_job&, paint_box);
void PaintRain(CPictureCanvas&, const picture_job&, paint_box);
void PaintRainStreak(CPictureCanvas&, const picture_job&, paint_box);
void PaintWave(CPictureCanvas&, const picture_job&, paint_box);
void PaintFroth(CPictureCanvas&, const picture_job&, paint_box);
void PaintIslandThumb(CPictureCanvas&, const picture_job&, paint_box);
void PaintPointer(CPictureCanvas&, const picture_job&, paint_box);
void PaintHourglass(CPictureCanvas&, const picture_job&, paint_box);
void PaintFlask(CPictureCanvas&, const picture_job&, paint_box);
void PaintBubble(CPictureCanvas&, const picture_job&, paint_box);
void PaintItem(CPictureCanvas&, const picture_job&, paint_box);
void PaintBackdrop(CPictureCanvas&, const picture_job&, paint_box);
// The loading screen's picture and the logo frames cut from it
// (PackPaintersLoading.cpp); the label is the game's name.
void PaintLoadingScreen(CPictureCanvas&, const picture_job&, paint_box);
// The island's loading banner (PackPaintersLoading.cpp): its sea strip, each
// picture its part of the strip at the place the banner sets it, and the
// boat sailing along it.
void PaintBannerSea(CPictureCanvas&, const picture_job&, paint_box);
void PaintBannerBoat(CPictureCanvas&, const picture_job&, paint_box);
void PaintFader(CPictureCanvas&, const picture_job&, paint_box);
void PaintPanel(CPictureCanvas&, const picture_job&, paint_box);
void PaintButton(CPictureCanvas&, const picture_job&, paint_box);
void PaintFrame(CPictureCanvas&, const picture_job&, paint_box);
void PaintMedal(CPictureCanvas&, const picture_job&, paint_box);
void PaintGlow(CPictureCanvas&, const picture_job&, paint_box);
void PaintGarment(CPictureCanvas&, const picture_job&, paint_box);
// Scenes that tell something (PackPaintersStories.cpp).
void PaintStory(CPictureCanvas&, const picture_job&, paint_box);
void PaintLesson(CPictureCanvas&, const picture_job&, paint_box);
void PaintEmblem(CPictureCanvas&, const picture_job&, paint_box);
void PaintMenuScene(CPictureCanvas&, const picture_job&, paint_box);
// Keepsakes of the meta screens (PackPaintersTrophies.cpp).
void PaintCabinet(CPictureCanvas&, const picture_job&, paint_box);
void PaintSettingGlow(CPictureCanvas&, const picture_job&, paint_box);
void PaintSetting(CPictureCanvas&, const picture_job&, paint_box);
void PaintTrophy(CPictureCanvas&, const picture_job&, paint_box);
void PaintMysteryBadge(CPictureCanvas&, const picture_job&, paint_box);
void PaintMysterySlots(CPictureCanvas&, const picture_job&, paint_box);
void PaintTrophyButton(CPictureCanvas&, const picture_job&, paint_box);
void PaintChooserOverlay(CPictureCanvas&, const picture_job&, paint_box);
