// TForm3's design: controls at their places, the roles they play, the hands and where their
// cards lie, and the split's slide.
#include "tables/one_seat_banker/TForm3.h"

#include "tables/TableLook.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {

using K = ControlKind;
using R = TableRole;

// The controls laid over the background, in stacking order [layout px]. Cards lie between the
// background and these. Hidden rows are shown by the round when their turn comes. The
// computer plays at the top, beside its portrait; the user banks at the bottom, beside the
// banker's mark.
constexpr ControlPlacement kLayout[] = {
    {"Image22", K::Image, {423, 35, 150, 170}, true, nullptr, "picture\\gif\\rt01.gif"},
    {"Image25", K::Image, {16, 8, 207, 83}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image23", K::Image, {592, 158, 40, 24}, true, nullptr, "picture\\design\\coin.gif"},
    {"Label2", K::Label, {637, 162, 100, 16}},
    {"Label10", K::Label, {585, 190, 100, 16}},
    {"Label4", K::Label, {680, 190, 100, 16}},
    {"Image21", K::Image, {238, 550, 40, 40}, true, nullptr, "picture\\design\\banker.gif"},
    {"Label11", K::Label, {286, 570, 150, 16}},
    {"Image24", K::Image, {471, 565, 40, 24}, true, nullptr, "picture\\design\\coin.gif"},
    {"Label3", K::Label, {517, 570, 100, 16}},
    {"Label8", K::Label, {320, 312, 150, 16}},
    {"Label9", K::Label, {520, 312, 150, 16}},
    {"Label7", K::Label, {250, 455, 100, 16}},
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image17", K::Image, {40, 472, 90, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image18", K::Image, {32, 476, 32, 32}, false, nullptr, nullptr, "an115"},
    {"Image19", K::Image, {68, 476, 32, 32}, false, nullptr, nullptr, "an114"},
    {"Image20", K::Image, {104, 476, 32, 32}, false, nullptr, nullptr, "an113"},
    {"Image14", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image15", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image16", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {15, 418, 150, 52}, false},
    {"Label5", K::Label, {24, 6, 56, 16}, true, "Panel3", "變換為："},
    {"Edit1", K::Edit, {82, 4, 40, 22}, true, "Panel3"},
    {"BitBtn9", K::BitBtn, {43, 28, 64, 22}, true, "Panel3", "確定"},
    {"Image5", K::Image, {112, 232, 40, 28}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image6", K::Image, {72, 216, 36, 28}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image7", K::Image, {72, 248, 36, 28}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image8", K::Image, {72, 280, 36, 28}, false, nullptr, "picture\\design\\speed3.gif"},
    {"Image10", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an100", kButtonSound},
    {"Image11", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an101", kButtonSound},
    // The deal button stands where the stand button does.
    {"Image9", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an107", kBannerSound},
    {"Image12", K::Image, {688, 488, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image26", K::Image, {688, 512, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    {"Image13", K::Image, {128, 520, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    {"Image4", K::Image, {259, 328, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {269, 330, 270, 40}, false},
};

// The roles of this table's own designed names, beside those it shares.
constexpr RoleControl kOwnRoles[] = {
    {R::Logo, "Image25"},           {R::Deal, "Image9"},        {R::Chest, "Image17"},
    {R::Look, "Image18"},           {R::Swap, "Image19"},       {R::CloseServices, "Image20"},
    {R::LookTip, "Image14"},        {R::SwapTip, "Image15"},    {R::CloseTip, "Image16"},
    {R::SwapWords, "Label5"},       {R::SwapOk, "BitBtn9"},     {R::Exit, "Image26"},
    {R::Seat1Portrait, "Image22"},  {R::Seat1Money, "Label2"},  {R::Seat1Bet, "Label4"},
    {R::Seat1NameToBet, "Label10"}, {R::BankerMoney, "Label3"}, {R::BankerName, "Label11"},
    {R::BankerHand, "Label7"},      {R::Seat1Hand, "Label8"},   {R::Seat1Split, "Label9"},
};
constexpr auto kRoles = JoinRoles(kLaterTablesRoles, kOwnRoles);

// The user as banker, the computer's hand and its split hand.
constexpr TableHand kHands[] = {{"banker", 0, 1}, {"seat1", 1, 1}, {"split1", 1, 2}};

// The one opponent plays seat 1; its portrait is kept in the save's second slot.
constexpr OpponentSeat kOpponents[] = {{1, 2, "picture\\gif\\rt01.gif", 2}};

// Card places: the user's first card at (W div 2 - 40, H div 2 + 150), the computer's at
// (W div 2 - 80, H div 2 - 80); a split hand 200 px right; each further card 20 px right.
// Dealt cards fly from (W div 2 - 240, H div 2 - 60).
constexpr CardGeometry kCards{
    .First = {{{kDesignWidth / 2 - 40, kDesignHeight / 2 + 150},
               {kDesignWidth / 2 - 80, kDesignHeight / 2 - 80}}},
    .SplitShift = 200,
    .Shoe = {kDesignWidth / 2 - 240, kDesignHeight / 2 - 60},
};
// The split's slide: the twin goes over to the split hand in 25 steps of 8 px, leaving a copy
// behind; the card that stays slides back into second place in 10 steps of 2 px; the main
// hand's new card follows after a pause.
constexpr SplitSlide kSlide{
    .BackSteps = 10, .BackStepPx = 2, .KeptHiddenWhileTwinMoves = false, .AfterMs = 1000};

constexpr TableDesign kDesign{
    .Screen = "TForm3",
    .Mode = TableMode::OneSeatBanker,
    .Background = "picture\\gif\\ydy05.gif",
    .Names = &kOneSeatBankerNames,
    .Hands = kHands,
    .Layout = kLayout,
    .Roles = kRoles,
    .Cards = kCards,
    .Slide = kSlide,
    .Opponents = kOpponents,
    // The advisor's line in the banner's place, widened: clear of the cards and labels.
    .Advice = {222, 338, 364, 36},
    .SwapPanelPicture = table_look::kSwapPanel,
    .SwapOkSound = kBannerSound, // this table's deal and swap OK sound as its banner does
};

} // namespace

TForm3::TForm3(TableHost& host) : TableScreen(host, kDesign) {
    Refresh();
}

} // namespace quorvel
