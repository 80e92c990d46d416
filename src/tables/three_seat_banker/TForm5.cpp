// TForm5's design: controls placed clear of the four hands' card places, the roles they play,
// the hands and where their cards lie, and the split rows.
#include "tables/three_seat_banker/TForm5.h"

#include "tables/TableLook.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {

using K = ControlKind;
using R = TableRole;

// The controls laid over the background, in stacking order [layout px]. Cards lie between the
// background and these. Hidden rows are shown by the round when their turn comes. The hands
// take the middle of the table: seat 1's at the left (x 20..190, y 310..440), seat 2's at the
// top (330..500, 190..320), seat 3's at the right (630..780, 310..440) and the user's at the
// bottom (335..505, 470..560). Each seat's portrait and labels sit beside its hand, the
// unseen-card panel top right, the chest and the swap panel bottom left, the buttons bottom
// right.
constexpr ControlPlacement kLayout[] = {
    {"Image28", K::Image, {16, 8, 207, 83}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image21", K::Image, {20, 188, 110, 120}, true, nullptr, "picture\\gif\\ch_1101.gif"},
    {"Image22", K::Image, {340, 20, 110, 120}, true, nullptr, "picture\\gif\\ch_1141.gif"},
    {"Image23", K::Image, {670, 150, 110, 120}, true, nullptr, "picture\\gif\\ch_1121.gif"},
    // Seat 1: money, name and bet beside its portrait; its hands right of its cards.
    {"Label3", K::Label, {138, 196, 100, 16}},
    {"Label19", K::Label, {138, 218, 100, 16}},
    {"Label6", K::Label, {138, 240, 80, 16}},
    {"Label11", K::Label, {194, 336, 130, 16}},
    {"Label12", K::Label, {194, 378, 130, 16}},
    // Seat 2: beside its portrait; its hands right of its two rows.
    {"Label4", K::Label, {460, 36, 100, 16}},
    {"Label20", K::Label, {460, 58, 100, 16}},
    {"Label7", K::Label, {460, 80, 80, 16}},
    {"Label13", K::Label, {502, 205, 130, 16}},
    {"Label14", K::Label, {502, 262, 130, 16}},
    // Seat 3: left of its portrait; its hands left of its cards.
    {"Label5", K::Label, {560, 150, 100, 16}},
    {"Label21", K::Label, {560, 172, 100, 16}},
    {"Label8", K::Label, {560, 194, 80, 16}},
    {"Label15", K::Label, {512, 336, 115, 16}},
    {"Label16", K::Label, {512, 378, 115, 16}},
    // The user-banker: the banker's mark, name and money along the bottom; the hand beside it.
    {"Image24", K::Image, {238, 550, 40, 40}, true, nullptr, "picture\\design\\banker.gif"},
    {"Label18", K::Label, {286, 570, 150, 16}},
    {"Image25", K::Image, {471, 565, 40, 24}, true, nullptr, "picture\\design\\coin.gif"},
    {"Label2", K::Label, {517, 570, 100, 16}},
    {"Label17", K::Label, {250, 500, 80, 16}},
    {"Panel2", K::Panel, {598, 8, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image14", K::Image, {40, 500, 90, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image15", K::Image, {32, 504, 32, 32}, false, nullptr, nullptr, "an115"},
    {"Image16", K::Image, {68, 504, 32, 32}, false, nullptr, nullptr, "an114"},
    {"Image17", K::Image, {104, 504, 32, 32}, false, nullptr, nullptr, "an113"},
    {"Image18", K::Image, {40, 542, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image19", K::Image, {40, 542, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image20", K::Image, {40, 542, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {15, 446, 150, 52}, false},
    {"Label9", K::Label, {24, 6, 56, 16}, true, "Panel3", "變換為："},
    {"Edit1", K::Edit, {82, 4, 40, 22}, true, "Panel3"},
    {"BitBtn9", K::BitBtn, {43, 28, 64, 22}, true, "Panel3", "確定"},
    {"Image5", K::Image, {238, 22, 40, 28}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image6", K::Image, {240, 54, 36, 28}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image7", K::Image, {240, 86, 36, 28}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image8", K::Image, {240, 118, 36, 28}, false, nullptr, "picture\\design\\speed3.gif"},
    {"Image10", K::Image, {688, 448, 0, 0}, false, nullptr, nullptr, "an100", kButtonSound},
    {"Image11", K::Image, {688, 473, 0, 0}, false, nullptr, nullptr, "an101", kButtonSound},
    // The start button stands where the stand button does.
    {"Image9", K::Image, {688, 473, 0, 0}, false, nullptr, nullptr, "an118", kButtonSound},
    {"Image12", K::Image, {688, 510, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image30", K::Image, {688, 535, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    {"Image13", K::Image, {140, 504, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    {"Image4", K::Image, {255, 330, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {265, 332, 270, 40}, false},
};

// The roles of this table's own designed names, beside those it shares.
constexpr RoleControl kOwnRoles[] = {
    {R::Logo, "Image28"},          {R::Deal, "Image9"},           {R::Chest, "Image14"},
    {R::Look, "Image15"},          {R::Swap, "Image16"},          {R::CloseServices, "Image17"},
    {R::LookTip, "Image18"},       {R::SwapTip, "Image19"},       {R::CloseTip, "Image20"},
    {R::SwapWords, "Label9"},      {R::SwapOk, "BitBtn9"},        {R::Exit, "Image30"},
    {R::Seat1Portrait, "Image21"}, {R::Seat2Portrait, "Image22"}, {R::Seat3Portrait, "Image23"},
    {R::BankerMoney, "Label2"},    {R::BankerName, "Label18"},    {R::Seat1Money, "Label3"},
    {R::Seat2Money, "Label4"},     {R::Seat3Money, "Label5"},
};
constexpr auto kRoles = JoinRoles(kLaterTablesRoles, kThreeSeatLabelRoles, kOwnRoles);

// The opponents in pick order take seats 1..3 (left, top centre, right); their portraits are
// kept in the save's slots 2..4. The table's own characters and their figures until then.
constexpr OpponentSeat kOpponents[] = {{1, 2, "picture\\gif\\ch_1101.gif", 2},
                                       {2, 3, "picture\\gif\\ch_1141.gif", 6},
                                       {3, 4, "picture\\gif\\ch_1121.gif", 4}};

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the user (X0 - 65, Y0 + 150),
// seat 1 (X0 - 380, Y0 + 10), seat 2 (X0 - 70, Y0 - 130), seat 3 (X0 + 310, Y0 + 10). Seat 3's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main hand
// 20 px above and the split hand 20 px below their row, seat 2 its split hand 40 px below.
// Dealt cards fly from (W div 2 - 300, H div 2 + 165); a split's cards move to their rows 2 px
// a step.
constexpr int kX0 = kDesignWidth / 2;
constexpr int kY0 = kDesignHeight / 2 + 20;
constexpr CardGeometry kCards{
    .First = {{{kX0 - 65, kY0 + 150},
               {kX0 - 380, kY0 + 10},
               {kX0 - 70, kY0 - 130},
               {kX0 + 310, kY0 + 10}}},
    .FanLeftSeat = 3,
    .SplitRows = {{{0, 0}, {-20, 20}, {0, 40}, {-20, 20}}},
    .Shoe = {kDesignWidth / 2 - 300, kDesignHeight / 2 + 165},
};

constexpr TableDesign kDesign{
    .Screen = "TForm5",
    .Mode = TableMode::ThreeSeatBanker,
    .Background = "picture\\gif\\ddy005.gif",
    .Names = &kThreeSeatBankerNames,
    .Hands = kThreeSeatHands,
    .Layout = kLayout,
    .Roles = kRoles,
    .Cards = kCards,
    .Slide = {.Style = SplitSlide::Kind::ToRows},
    .Opponents = kOpponents,
    // The advisor's line in the banner's place, between the seats' hand descriptions.
    .Advice = {290, 344, 216, 36},
    .SwapPanelPicture = table_look::kSwapPanel,
    .SwapOkSound = kButtonSound,
};

} // namespace

TForm5::TForm5(TableHost& host) : TableScreen(host, kDesign) {
    Refresh();
}

} // namespace quorvel
