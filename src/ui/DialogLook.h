// The look of the dialogs the game adds around its own screens (save first?, settings,
// statistics and their questions):
// the navy and gold of the result dialogs, flat framed buttons and the fonts of their texts.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Canvas.h"

namespace quorvel {
class Image;
class Label;
} // namespace quorvel

namespace quorvel::dialoglook {

inline constexpr Color kGold{232, 196, 110};
inline constexpr Color kLightGold{255, 230, 150};
inline constexpr Color kNavy{18, 32, 58};
inline constexpr FontSpec kTitleFont{20, true, kLightGold};
// A question's title is in the sans face, whose full-width question mark stands in the middle
// of its cell: the Ming face draws it small at the left, where it reads as a half-width "?".
// At 18 px the sans face is as large as the Ming face at 20.
inline constexpr FontSpec kQuestionTitleFont{18, true, kLightGold, Typeface::Sans};
inline constexpr FontSpec kTextFont{14, false, Color{225, 232, 245}};
inline constexpr FontSpec kButtonFont{15, true, kLightGold};
inline constexpr BitBtn::Colours kButtonColours{Color{44, 62, 102}, Color{26, 40, 70}, kGold,
                                                Color{120, 130, 150}};
// A choice that is in use (a card speed, a statistics page).
inline constexpr BitBtn::Colours kChosenColours{Color{150, 110, 40}, Color{120, 86, 30}, kGold,
                                                Color{120, 130, 150}};

// Gives a button the dialogs' colours and font.
inline void StyleButton(BitBtn& button) {
    button.SetColours(kButtonColours);
    button.SetFont(kButtonFont);
}

// The navy question panel's picture, over the whole dialog of `width` x `height` [px].
inline constexpr const char* kQuestionPicture = "picture\\design\\ask.gif";
// Lays out a question dialog's picture, its title (set here) and its text box, wrapped and
// centred, above a row of buttons.
void DressQuestion(Image& picture, Label& title, Label& text, int width, int height,
                   const char* titleText);

} // namespace quorvel::dialoglook
