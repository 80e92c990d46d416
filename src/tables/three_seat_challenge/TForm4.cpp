// TForm4's design: controls at their places, the roles they play, the hands and where their
// cards lie; the chip bar, and the hand-over to the one-on-one table for a challenge and back.
#include "tables/three_seat_challenge/TForm4.h"

#include "gui/App.h"
#include "tables/TableLook.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "ui/ScreenConventions.h"

#include <iterator>

namespace quorvel {

namespace {

using K = ControlKind;
using R = TableRole;

// The controls laid over the background, in stacking order [layout px]. Cards lie between the
// background and these. The banker sits top centre; seat 1 right, its labels above its cards;
// seat 3 left, its labels below its cards; the user's seat 2 at the bottom with its chips, and
// its chest, services and swap panel bottom left. The round's buttons share one column.
constexpr ControlPlacement kLayout[] = {
    {"Image37", K::Image, {16, 8, 120, 48}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image31", K::Image, {340, 20, 110, 120}, true, nullptr, "picture\\gif\\ch_1101.gif"},
    {"Image30", K::Image, {205, 376, 110, 120}, true, nullptr, "picture\\gif\\ch_1121.gif"},
    {"Image32", K::Image, {560, 376, 110, 120}, true, nullptr, "picture\\gif\\ch_1141.gif"},
    // The banker: its name above its money beside the portrait, and the 莊 badge on its left.
    {"BankerBadge", K::Image, {292, 20, 40, 40}, true, nullptr, "picture\\design\\banker.gif"},
    {"BankerName", K::Label, {460, 22, 100, 18}},
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
    {"Image24", K::Image, {32, 512, 32, 32}, false, nullptr, nullptr, "an115"},
    {"Image25", K::Image, {68, 512, 32, 32}, false, nullptr, nullptr, "an114"},
    {"Image26", K::Image, {104, 512, 32, 32}, false, nullptr, nullptr, "an113"},
    {"Image27", K::Image, {140, 508, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image28", K::Image, {140, 508, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image29", K::Image, {140, 508, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    // The swap panel: the prompt the one-seat panels show, the box, OK, and the toggle.
    {"Panel3", K::Panel, {10, 446, 180, 58}, false},
    {"SwapWords", K::Label, {6, 7, 56, 16}, true, "Panel3", "變換為："},
    {"Edit1", K::Edit, {62, 4, 40, 22}, true, "Panel3"},
    {"BitBtn16", K::BitBtn, {108, 2, 64, 26}, true, "Panel3", "確定"},
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

// The roles of this table's own designed names, beside those it shares.
constexpr RoleControl kOwnRoles[] = {
    {R::Logo, "Image37"},           {R::Chip1000, "Image17"},      {R::Chip5000, "Image18"},
    {R::Chip10000, "Image19"},      {R::TakeBack, "Image22"},      {R::TakeRaise, "Image21"},
    {R::FinishBets, "Image20"},     {R::BonusTable, "Image40"},    {R::BonusPicture, "Image41"},
    {R::BonusTip, "BonusTip"},      {R::Deal, "image9"},           {R::Double, "Image14"},
    {R::Pass, "Image16"},           {R::Chest, "Image23"},         {R::Look, "Image24"},
    {R::Swap, "Image25"},           {R::CloseServices, "Image26"}, {R::LookTip, "Image27"},
    {R::SwapTip, "Image28"},        {R::CloseTip, "Image29"},      {R::SwapOk, "BitBtn16"},
    {R::SwapWords, "SwapWords"},    {R::SwapTarget, "BitBtn17"},   {R::Exit, "Image39"},
    {R::BankerPortrait, "Image31"}, {R::Seat1Portrait, "Image32"}, {R::Seat3Portrait, "Image30"},
    {R::BankerMoney, "Label5"},     {R::BankerName, "BankerName"}, {R::Seat1Money, "Label2"},
    {R::Seat2Money, "Label3"},      {R::Seat2Name, "Label18"},     {R::Seat3Money, "Label4"},
};
constexpr auto kRoles = JoinRoles(kLaterTablesRoles, kThreeSeatLabelRoles, kOwnRoles);

// The opponents in pick order: the first sits left (seat 3), the second banks, the third sits
// right (seat 1); their portraits go to the save's slots 4, 1 and 2. The table's own
// characters and their figures until the front end sets the picked ones.
constexpr OpponentSeat kOpponents[] = {{3, 4, "picture\\gif\\ch_1121.gif", 4},
                                       {0, 1, "picture\\gif\\ch_1101.gif", 2},
                                       {1, 2, "picture\\gif\\ch_1141.gif", 6}};

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the banker (X0 - 70, Y0 - 150),
// seat 1 (X0 + 305, Y0 - 65), seat 2 (X0 - 70, Y0 + 105), seat 3 (X0 - 370, Y0 - 65). Seat 1's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main
// hand 20 px above and the split hand 20 px below their row; seat 2 puts its main hand a card
// above the split hand (88 px up, below the advisor's lines; the split hand 2 px down), so
// that neither covers the other.
// Dealt cards fly from (W div 2 - 270, H div 2 - 160); a split's cards move 2 px a step.
constexpr int kX0 = kDesignWidth / 2;
constexpr int kY0 = kDesignHeight / 2 + 20;
constexpr CardGeometry kCards{
    .First = {{{kX0 - 70, kY0 - 150},
               {kX0 + 305, kY0 - 65},
               {kX0 - 70, kY0 + 105},
               {kX0 - 370, kY0 - 65}}},
    .FanLeftSeat = 1,
    .SplitRows = {{{0, 0}, {-20, 20}, {-88, 2}, {-20, 20}}},
    .Shoe = {kDesignWidth / 2 - 270, kDesignHeight / 2 - 160},
};

constexpr TableDesign kDesign{
    .Screen = "TForm4",
    .Mode = TableMode::ThreeSeatChallenge,
    .Background = "picture\\gif\\zm005.gif",
    .Names = &kThreeSeatChallengeNames,
    .Hands = kThreeSeatHands,
    .Layout = kLayout,
    .Roles = kRoles,
    .Cards = kCards,
    .Slide = {.Style = SplitSlide::Kind::ToRows},
    .Opponents = kOpponents,
    // The advisor's lines in the banner's place, widened to the seats' cards on either side.
    .Advice = {218, 300, 364, 36},
    .SwapPanelPicture = table_look::kSwapPanelWithToggle,
    .SwapOkSound = kButtonSound,
    .NamesSplitHands = true,
};

// The chip bar appears in this order, one chip each step; the raised bet only while offered.
constexpr TableRole kChipBar[] = {R::Chip10000, R::TakeRaise, R::Chip5000, R::Chip1000};
// Once the bet is done it goes from the left: the chips, the raised bet, and last the done
// button's place (the button itself goes at once with the other betting buttons).
constexpr TableRole kChipBarClosing[] = {R::Chip1000, R::Chip5000, R::Chip10000, R::TakeRaise,
                                         R::FinishBets};
constexpr int kChipBarStepMs = 10;

} // namespace

TForm4::TForm4(TableHost& host) : TableScreen(host, kDesign) {
    Get(R::FinishBets).onClick = [this] { FinishBetsClick(); };
    Refresh();
}

void TForm4::Refresh() {
    TableScreen::Refresh();
    if (chipBarClosing_)
        for (TableRole role : kChipBar)
            Get(role).Hide();
}

void TForm4::FinishBetsClick() {
    if (!Engine().Allowed(Action::Of(ActionKind::FinishBets)))
        return;
    // The bet is done: the buttons of betting go at once, the chip bar one chip after the
    // other. Nothing of the bar takes a click meanwhile.
    for (TableRole role : {R::BonusTable, R::BonusTip, R::FinishBets, R::TakeBack})
        Get(role).Hide();
    for (TableRole role : kChipBar)
        Get(role).SetEnabled(false);
    chipBarClosing_ = true;
    for (TableRole role : kChipBarClosing) {
        Get(role).Hide();
        GetApp().Delay(kChipBarStepMs);
    }
    chipBarClosing_ = false;
    Act(Action::Of(ActionKind::FinishBets));
}

void TForm4::RevealChips() {
    // The chip bar appears chip by chip; the raised bet only while the offer stands.
    for (TableRole role : kChipBar) {
        Control& chip = Get(role);
        chip.SetEnabled(true);
        if (role == R::TakeRaise && !Engine().Offered()[ActionKind::TakeRaise].Shown)
            continue;
        chip.Show();
        GetApp().Delay(kChipBarStepMs);
    }
}

// ---- the challenge ----

void TForm4::LeaveForChallenge() {
    if (!challengeTable_)
        return;
    const THandRecord& banker = Engine().Banker().Main();
    const THandRecord& user = Engine().User().Main();
    // The challenge's rounds count as this table's in the statistics.
    const ChallengeEntry entry{banker.Name, banker.Money, user.Name,
                               user.Money,  user.Streak,  ModeCode(Engine().Rules().Mode)};
    ChallengeHooks hooks;
    hooks.HandBack = [this](std::int32_t userMoney, std::int32_t bankerMoney) {
        ReturnFromChallenge(userMoney, bankerMoney);
    };
    // A banker beaten in the challenge ends this table's game too: it starts afresh.
    hooks.BankerBeaten = [this] { ResetForMainMenu(); };
    Hide();
    challengeTable_->EnterChallenge(entry, std::move(hooks));
}

void TForm4::ReturnFromChallenge(std::int32_t userMoney, std::int32_t bankerMoney) {
    Show();
    Engine().ReturnFromChallenge(userMoney, bankerMoney);
}

} // namespace quorvel
