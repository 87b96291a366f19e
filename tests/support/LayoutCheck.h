// Whether a screen reads cleanly, measured rather than looked at: every text
// shown is judged by the lines the font system really wrote (their widths
// and count), not by its image's box, which may overlap others and leave the
// window. Works under the dummy video driver, so it runs wherever the
// screenshot scenes run.
//
// A shown text breaks the layout when
// - a written line leaves its own image (glyphs cut at the top, bottom or a
//   side),
// - a written line leaves the window,
// - its lines leave the panel or button that holds it: the highest picture
//   beneath the text, smaller than the window, holding the centre of its
//   lines (a count badge of up to three digits excepted),
// - its lines cross another text's lines;
// - its lines do not stand out against what lies behind them: drawn again
//   without the texts, the screen there must reach a contrast of 4.5:1 with
//   the text's own ink (not its shadow) on all but 5% of the ink's pixels,
// - a straight edge of what lies behind (a frame line, the border of a
//   picture or a button) runs through its ink;
// - its lines run into a picture drawn between it and the board that holds
//   it (a large picture under a description);
// - it is the only line on a tab of its own (a button without a label) and
//   stands off the middle of the tab's painted face;
// and a shown button built with a label breaks it when no shown text of
// that label lies on it, or when its face reaches off the panel pieces it
// stands on; a labelled button or a check box that the player can use now
// breaks it when a frame line or a picture's border runs through it or the
// thin margin round it, a labelled button the player can use breaks it when
// it lies across the edge of the plate that holds a text (a name plate
// reaching down under it), and a labelled button laid over a fader breaks it
// when no picture of its page lies under it. Of the pictures of a screen
// laid over the island, one breaks it when it reaches past the window (unless
// its screen places it partly outside, or it is a frame piece of a framed
// picture), past the board it stands on, or across a frame line of that
// board; and a picture that frame pieces are laid across breaks it when its
// frame is open along more than a tenth of a side.
#pragma once

#include <string>
#include <vector>

class CSprite;

// The problems of everything the renderer shows now, one sentence each.
std::vector<std::string> LayoutProblems();
// Prints the problems under the screen's name and returns how many there
// were, so that a screenshot scene can count them as missing things.
int CheckLayout(const std::string& screen);
// Whether a frame line or the border of a picture runs through the box
// (screen pixels) in the screen as it is drawn without its texts, the
// pointer and the sprite left out: so a picture (a portrait) can be seen to
// stand in one box of its board.
bool EdgeThroughBox(int x, int y, int w, int h, const CSprite* leftOut);
