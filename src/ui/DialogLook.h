// The look of the dialogs the game adds around the designed screens (save first?, settings):
// the navy and gold of the result dialogs, flat framed buttons and the fonts of their texts.
#pragma once

#include "platform/BitBtn.h"
#include "platform/Canvas.h"

namespace quorvel::dialoglook {

inline constexpr Color kGold{232, 196, 110};
inline constexpr Color kLightGold{255, 230, 150};
inline constexpr Color kNavy{18, 32, 58};
inline constexpr FontSpec kTitleFont{20, true, kLightGold};
inline constexpr FontSpec kTextFont{14, false, Color{225, 232, 245}};
inline constexpr FontSpec kButtonFont{15, true, kLightGold};
inline constexpr BitBtn::Colours kButtonColours{Color{44, 62, 102}, Color{26, 40, 70}, kGold,
                                                Color{120, 130, 150}};

// Gives a button the dialogs' colours and font.
inline void StyleButton(BitBtn& button) {
    button.SetColours(kButtonColours);
    button.SetFont(kButtonFont);
}

} // namespace quorvel::dialoglook
