// The look the four tables share: the faces, sizes and colours of their labels, and their
// card-swap panel drawn in the table's art. Every label of a table is written in the sans face
// its buttons and panels are drawn in, so the texts sit among the pictures as if drawn with
// them.
#pragma once

#include "gui/Canvas.h"

namespace quorvel {
class BitBtn;
class Edit;
class Label;
class Panel;
} // namespace quorvel

namespace quorvel::table_look {

// Money in yellow, names in white, hand descriptions in light yellow.
inline constexpr FontSpec kMoneyFont{14, true, colors::kYellow, Typeface::Sans};
inline constexpr FontSpec kNameFont{14, true, colors::kWhite, Typeface::Sans};
inline constexpr FontSpec kHandFont{14, true, Color{255, 255, 128}, Typeface::Sans};
// Light gold, to be read on the dark banner.
inline constexpr FontSpec kBannerFont{16, true, Color{255, 230, 150}, Typeface::Sans};
// The swap panel's words, on the panel's dark plate.
inline constexpr FontSpec kSwapFont{12, true, Color{255, 230, 150}, Typeface::Sans};

// A table's card-swap panel by its designed controls; the words and the target toggle are
// there only at some tables.
struct SwapPanelParts {
    Panel& panel;
    Edit& rank;
    BitBtn& ok;
    Label* words = nullptr;
    BitBtn* toggle = nullptr;
};
// The banker tables' panel picture, the one-on-one challenge table's in one row, and the
// three-seat table's, which holds the target toggle too.
inline constexpr const char* kSwapPanel = "picture\\design\\swap.gif";
inline constexpr const char* kSwapPanelOneRow = "picture\\design\\swap1.gif";
inline constexpr const char* kSwapPanelWithToggle = "picture\\design\\swap3.gif";
// Gives the panel its picture, and the rank box, the buttons and the words their colours.
void DressSwapPanel(const SwapPanelParts& parts, const char* panelPicture);

} // namespace quorvel::table_look
