// TForm4's designed controls as data: their places, first pictures and button looks, which
// control offers which of the engine's actions, which labels show the seats and hands, and
// where the cards of each hand lie. TForm4.cpp builds the screen from these tables.
#pragma once

#include "tables/TableLook.h"
#include "tables/TableScreen.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <cstdint>

namespace quorvel::tform4 {

using K = ControlKind;

// The controls laid over the background, in stacking order [layout px]. Cards lie between the
// background and these. The banker sits top centre; seat 1 right, its labels above its cards;
// seat 3 left, its labels below its cards; the user's seat 2 at the bottom with its chips, and
// its chest, services and swap panel bottom left. The round's buttons share one column.
inline constexpr ControlPlacement kLayout[] = {
    {"Image37", K::Image, {16, 8, 120, 48}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image31", K::Image, {340, 20, 110, 120}, true, nullptr, "picture\\gif\\ch_1101.gif"},
    {"Image30", K::Image, {205, 376, 110, 120}, true, nullptr, "picture\\gif\\ch_1121.gif"},
    {"Image32", K::Image, {560, 376, 110, 120}, true, nullptr, "picture\\gif\\ch_1141.gif"},
    // The banker.
    {"Label5", K::Label, {460, 40, 100, 18}},
    {"Label17", K::Label, {330, 266, 160, 18}},
    // Seat 1 (right).
    {"Label2", K::Label, {610, 160, 100, 18}},
    {"Label19", K::Label, {610, 178, 100, 18}},
    {"Label6", K::Label, {705, 178, 80, 18}},
    {"Label11", K::Label, {610, 196, 160, 18}},
    {"Label12", K::Label, {610, 214, 160, 18}},
    // Seat 3 (left).
    {"Label15", K::Label, {30, 368, 160, 18}},
    {"Label16", K::Label, {30, 386, 160, 18}},
    {"Label21", K::Label, {14, 406, 100, 18}},
    {"Label8", K::Label, {110, 406, 80, 18}},
    {"Label4", K::Label, {14, 424, 100, 18}},
    // Seat 2, the user (bottom).
    {"Label13", K::Label, {330, 518, 130, 18}},
    {"Label14", K::Label, {330, 536, 130, 18}},
    {"Label20", K::Label, {214, 554, 100, 18}},
    {"Label7", K::Label, {310, 554, 80, 18}},
    {"Label18", K::Label, {214, 572, 100, 18}},
    {"Label3", K::Label, {310, 572, 100, 18}},
    // The unseen-card panel, the chest with its services and tips, the swap panel.
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image23", K::Image, {40, 508, 90, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image24", K::Image, {48, 530, 18, 16}, false, nullptr, nullptr, "an115"},
    {"Image25", K::Image, {68, 530, 18, 16}, false, nullptr, nullptr, "an114"},
    {"Image26", K::Image, {88, 530, 18, 16}, false, nullptr, nullptr, "an113"},
    {"Image27", K::Image, {134, 508, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image28", K::Image, {134, 508, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image29", K::Image, {134, 508, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {10, 446, 180, 58}, false},
    {"Edit1", K::Edit, {6, 4, 48, 22}, true, "Panel3"},
    {"BitBtn16", K::BitBtn, {60, 2, 60, 26}, true, "Panel3", "確定"},
    {"BitBtn17", K::BitBtn, {6, 30, 168, 24}, false, "Panel3", "分家換牌（單擊切換）"},
    // Card speed: the button and its three choices to its left.
    {"Image5", K::Image, {752, 112, 40, 28}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image6", K::Image, {624, 112, 36, 28}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image7", K::Image, {664, 112, 36, 28}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image8", K::Image, {704, 112, 36, 28}, false, nullptr, "picture\\design\\speed3.gif"},
    // The user's chips.
    {"Image17", K::Image, {464, 520, 0, 0}, false, nullptr, nullptr, "money1"},
    {"Image18", K::Image, {544, 520, 0, 0}, false, nullptr, nullptr, "money2"},
    {"Image19", K::Image, {616, 520, 0, 0}, false, nullptr, nullptr, "money3"},
    // The button column; buttons that are never shown together share a place.
    {"Image14", K::Image, {688, 391, 0, 0}, false, nullptr, nullptr, "an104", kButtonSound},
    {"Image10", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an100", kButtonSound},
    {"Image15", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an105", kButtonSound},
    {"Image21", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an106", kButtonSound},
    {"Image11", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an101", kButtonSound},
    {"Image22", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an116", kButtonSound},
    {"image9", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an118", kButtonSound},
    {"Image20", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an111", kButtonSound},
    {"Image16", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an117", kButtonSound},
    {"Image12", K::Image, {688, 488, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image39", K::Image, {688, 512, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    {"Image40", K::Image, {688, 536, 0, 0}, false, nullptr, nullptr, "an120", kButtonSound},
    {"Image13", K::Image, {120, 556, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    // The bonus-table button's tip, left of the button, over the chips.
    {"BonusTip", K::Image, {514, 528, 170, 40}, false, nullptr, "picture\\design\\tip4.gif"},
    // Above everything: the bonus table while its button is held, and the banner.
    {"Image41", K::Image, {200, 104, 400, 320}, false, nullptr, "picture\\design\\bonus.gif"},
    {"Image4", K::Image, {255, 290, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {265, 292, 270, 40}, false},
};

// The banker, the seats' main hands and their split hands.
inline constexpr TableScreen::HandRole kRoles[] = {
    {"banker", 0, 1}, {"seat1", 1, 1},  {"seat2", 2, 1}, {"seat3", 3, 1},
    {"split1", 1, 2}, {"split2", 2, 2}, {"split3", 3, 2}};

// Which designed control offers which action.
inline constexpr TableScreen::OfferControl kOfferControls[] = {
    {ActionKind::Deal, "image9"},        {ActionKind::Chip, "Image17"},
    {ActionKind::Chip, "Image18"},       {ActionKind::Chip, "Image19"},
    {ActionKind::TakeRaise, "Image21"},  {ActionKind::TakeBack, "Image22"},
    {ActionKind::FinishBets, "Image20"}, {ActionKind::Hit, "Image10"},
    {ActionKind::Stand, "Image11"},      {ActionKind::Double, "Image14"},
    {ActionKind::Pass, "Image16"},       {ActionKind::Look, "Image24"},
    {ActionKind::Swap, "Image25"},       {ActionKind::CloseServices, "Image26"},
    {ActionKind::ConfirmSwap, "Panel3"}, {ActionKind::ToggleSwapTarget, "BitBtn17"},
    {ActionKind::Leave, "Image13"},      {ActionKind::Save, "Image12"},
};
// The chips' values [money], by control.
struct ChipButton {
    const char* Control;
    std::int32_t Value;
};
inline constexpr ChipButton kChips[] = {{"Image17", 1000}, {"Image18", 5000}, {"Image19", 10000}};
// The chip bar appears in this order, and disappears in the reverse one.
inline constexpr const char* kChipBar[] = {"Image19", "Image21", "Image18", "Image17"};
inline constexpr int kChipBarStepMs = 10;

inline constexpr TableScreen::SeatLabel kSeatLabels[] = {
    {0, TableScreen::SeatField::Money, "Label5"},
    {1, TableScreen::SeatField::Money, "Label2"},
    {2, TableScreen::SeatField::Money, "Label3"},
    {3, TableScreen::SeatField::Money, "Label4"},
    {1, TableScreen::SeatField::Bet, "Label6"},
    {2, TableScreen::SeatField::Bet, "Label7"},
    {3, TableScreen::SeatField::Bet, "Label8"},
    {1, TableScreen::SeatField::NameToBet, "Label19"},
    {2, TableScreen::SeatField::NameToBet, "Label20"},
    {3, TableScreen::SeatField::NameToBet, "Label21"},
    {2, TableScreen::SeatField::Name, "Label18"},
};
inline constexpr TableScreen::HandLabel kHandLabels[] = {
    {0, 1, "Label17"}, {1, 1, "Label11"}, {1, 2, "Label12"}, {2, 1, "Label13"},
    {2, 2, "Label14"}, {3, 1, "Label15"}, {3, 2, "Label16"}};

// Label fonts: the tables' own.
using namespace table_look;
inline constexpr const char* kMoneyLabels[] = {"Label2", "Label3", "Label4", "Label5",
                                               "Label6", "Label7", "Label8"};
inline constexpr const char* kNameLabels[] = {"Label18", "Label19", "Label20", "Label21"};
inline constexpr const char* kHandLabelNames[] = {"Label11", "Label12", "Label13", "Label14",
                                                  "Label15", "Label16", "Label17"};

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the banker (X0 - 70, Y0 - 150),
// seat 1 (X0 + 305, Y0 - 65), seat 2 (X0 - 70, Y0 + 105), seat 3 (X0 - 370, Y0 - 65). Seat 1's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main
// hand 20 px above and the split hand 20 px below their row, seat 2 its main hand 40 px above.
inline constexpr int kX0 = kDesignWidth / 2;
inline constexpr int kY0 = kDesignHeight / 2 + 20;
inline constexpr Point kFirstPlaces[4] = {
    {kX0 - 70, kY0 - 150}, {kX0 + 305, kY0 - 65}, {kX0 - 70, kY0 + 105}, {kX0 - 370, kY0 - 65}};
inline constexpr int kFanLeftSeat = 1;
inline constexpr int kCardStep = 20; // [px] between a hand's cards
inline constexpr int kSplitRows[4][2] = {{0, 0}, {-20, 20}, {-40, 0}, {-20, 20}}; // [px]
inline constexpr int kSlideStep = 2; // a split's cards move [px]
inline constexpr Point kShoePoint{kDesignWidth / 2 - 270, kDesignHeight / 2 - 160};

} // namespace quorvel::tform4
