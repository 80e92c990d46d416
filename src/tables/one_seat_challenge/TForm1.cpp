// TForm1's design: controls at their places, the roles they play, the hands and where their
// cards lie; the chips appearing and the challenge entry.
#include "tables/one_seat_challenge/TForm1.h"

#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "players/Roster.h"
#include "tables/TableLook.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

namespace {

using K = ControlKind;
using R = TableRole;

// The controls laid over the background, in stacking order [layout px]. Cards lie between the
// background and these. Hidden rows are shown by the round when their turn comes. The banker
// sits at the top beside its portrait, the user at the bottom with the chips; the buttons share
// one column on the right, the chest and the swap panel are at the bottom left.
constexpr ControlPlacement kLayout[] = {
    {"Image3", K::Image, {423, 35, 0, 0}},
    {"Image4", K::Image, {728, 152, 0, 0}, true, nullptr, "picture\\design\\banker.gif"},
    {"Image34", K::Image, {16, 8, 0, 0}},
    {"Image33", K::Image, {592, 160, 0, 0}, true, nullptr, "picture\\design\\coin.gif"},
    {"Label22", K::Label, {637, 160, 0, 0}},
    {"Image35", K::Image, {471, 563, 0, 0}, true, nullptr, "picture\\design\\coin.gif"},
    {"Label23", K::Label, {577, 564, 0, 0}},
    {"Label4", K::Label, {515, 570, 0, 0}},
    {"Label5", K::Label, {273, 572, 0, 0}},
    {"Label24", K::Label, {374, 571, 0, 0}},
    {"Label3", K::Label, {377, 310, 0, 0}},
    {"Label2", K::Label, {322, 407, 0, 0}},
    {"label27", K::Label, {523, 406, 0, 0}},
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image5", K::Image, {0, 0, 0, 0}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image25", K::Image, {464, 520, 0, 0}, false, nullptr, nullptr, "money1"},
    {"Image26", K::Image, {544, 520, 0, 0}, false, nullptr, nullptr, "money2"},
    {"Image27", K::Image, {616, 520, 0, 0}, false, nullptr, nullptr, "money3"},
    // The button column; buttons that are never shown together share a place.
    {"Image29", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an116", kButtonSound},
    {"Image21", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an106", kButtonSound},
    {"Image11", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an107"},
    {"Image13", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an100", kButtonSound},
    {"Image14", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an101"},
    {"Image15", K::Image, {688, 391, 0, 0}, false, nullptr, nullptr, "an104", kButtonSound},
    {"Image16", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an105", kButtonSound},
    {"Image19", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an112"},
    {"Image17", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an102"},
    {"Image18", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an103"},
    // The chest, its services in a row across it (each a 32 px target) and their tips.
    {"Image28", K::Image, {40, 472, 0, 0}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image30", K::Image, {32, 476, 0, 0}, false, nullptr, nullptr, "an115"},
    {"Image31", K::Image, {68, 476, 0, 0}, false, nullptr, nullptr, "an114"},
    {"Image32", K::Image, {104, 476, 0, 0}, false, nullptr, nullptr, "an113"},
    {"Image22", K::Image, {40, 512, 0, 0}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image23", K::Image, {40, 512, 0, 0}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image24", K::Image, {40, 512, 0, 0}, false, nullptr, "picture\\design\\tip3.gif"},
    // The swap panel, one row high so that it ends above the chest, and the toggle of the hand
    // it swaps above it.
    {"Panel3", K::Panel, {15, 434, 192, 34}, false},
    {"Label25", K::Label, {10, 9, 0, 0}, true, "Panel3", "變換為："},
    {"Edit1", K::Edit, {72, 6, 40, 22}, true, "Panel3"},
    {"BitBtn15", K::BitBtn, {118, 6, 64, 22}, true, "Panel3", "確定"},
    {"BitBtn17", K::BitBtn, {27, 408, 160, 24}, false, nullptr, "分家換牌（單擊切換）"},
    // Card speed: the button and its three choices.
    {"Image6", K::Image, {112, 232, 0, 0}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image7", K::Image, {72, 216, 0, 0}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image8", K::Image, {72, 248, 0, 0}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image9", K::Image, {72, 280, 0, 0}, false, nullptr, "picture\\design\\speed3.gif"},
    {"Image37", K::Image, {688, 536, 0, 0}, false, nullptr, nullptr, "an120", kButtonSound},
    {"Image20", K::Image, {688, 488, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image12", K::Image, {128, 520, 0, 0}, false, nullptr, "picture\\design\\back.gif"},
    {"Image36", K::Image, {688, 512, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    // Above everything: the banner, the bonus table while its button is held, and the button's
    // tip, left of the button and level with it.
    {"Image10", K::Image, {259, 328, 0, 0}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {269, 330, 0, 0}, false},
    {"Image38", K::Image, {200, 104, 0, 0}, false, nullptr, "picture\\design\\bonus.gif"},
    {"BonusTip", K::Image, {514, 528, 0, 0}, false},
};

constexpr RoleControl kRoles[] = {
    {R::Background, "Image1"},     {R::Logo, "Image34"},          {R::Banner, "Image10"},
    {R::BannerText, "Label1"},     {R::CountsPanel, "Panel2"},    {R::CountsPicture, "Image5"},
    {R::Chip1000, "Image25"},      {R::Chip5000, "Image26"},      {R::Chip10000, "Image27"},
    {R::TakeBack, "Image29"},      {R::TakeRaise, "Image21"},     {R::BonusTable, "Image37"},
    {R::BonusPicture, "Image38"},  {R::BonusTip, "BonusTip"},     {R::Deal, "Image11"},
    {R::Hit, "Image13"},           {R::Stand, "Image14"},         {R::Double, "Image15"},
    {R::Open, "Image19"},          {R::Split, "Image17"},         {R::NoSplit, "Image18"},
    {R::Chest, "Image28"},         {R::Look, "Image30"},          {R::Swap, "Image31"},
    {R::CloseServices, "Image32"}, {R::LookTip, "Image22"},       {R::SwapTip, "Image23"},
    {R::CloseTip, "Image24"},      {R::SwapPanel, "Panel3"},      {R::SwapWords, "Label25"},
    {R::SwapRank, "Edit1"},        {R::SwapOk, "BitBtn15"},       {R::SwapTarget, "BitBtn17"},
    {R::Speed, "Image6"},          {R::SpeedFast, "Image7"},      {R::SpeedMiddle, "Image8"},
    {R::SpeedSlow, "Image9"},      {R::Save, "Image20"},          {R::Back, "Image12"},
    {R::Exit, "Image36"},          {R::BankerPortrait, "Image3"}, {R::BankerMoney, "Label22"},
    {R::Seat1Money, "Label23"},    {R::Seat1Bet, "Label24"},      {R::Seat1Name, "Label4"},
    {R::Seat1NameToBet, "Label5"}, {R::BankerHand, "Label3"},     {R::Seat1Hand, "Label2"},
    {R::Seat1Split, "label27"},
};

// The banker, the user's main hand and the user's split hand.
constexpr TableHand kHands[] = {{"banker", 0, 1}, {"main", 1, 1}, {"split", 1, 2}};

// The one opponent banks; its portrait is kept in the save's first slot.
constexpr OpponentSeat kOpponents[] = {{0, 1, nullptr, 0}};

// Card places: X0 = (W div 8) x 3 - 10, Y0 = (H div 8) x 3 - 10; the banker's first card at
// (X0 + 60, Y0 + 2), the user's at (X0, Y0 + 215); a split hand 200 px right; each further card
// 20 px right. Dealt cards fly from (W div 2 - 220, H div 2 - 70).
constexpr int kX0 = (kDesignWidth / 8) * 3 - 10;
constexpr int kY0 = (kDesignHeight / 8) * 3 - 10;
constexpr CardGeometry kCards{
    .First = {{{kX0 + 60, kY0 + 2}, {kX0, kY0 + 215}}},
    .SplitShift = 200,
    .Shoe = {kDesignWidth / 2 - 220, kDesignHeight / 2 - 70},
};

constexpr TableDesign kDesign{
    .Screen = "TForm1",
    .Mode = TableMode::OneSeatChallenge,
    .Background = "picture\\gif\\ydy05.gif",
    .Names = &kOneSeatChallengeNames,
    .Hands = kHands,
    .Layout = kLayout,
    .Roles = kRoles,
    .Cards = kCards,
    // The twin slides over to the split hand, then the other twin moves into first place.
    .Slide = {},
    .Opponents = kOpponents,
    // The advisor's lines in the banner's place, widened: clear of the cards and labels.
    .Advice = {222, 338, 364, 36},
    .SwapPanelPicture = table_look::kSwapPanelOneRow,
    .SwapOkSound = kButtonSound,
};

// Between the chips as they appear [ms].
constexpr int kChipStepMs = 10;

} // namespace

TForm1::TForm1(TableHost& host) : TableScreen(host, kDesign) {
    Refresh();
}

void TForm1::RevealChips() {
    Get(TableRole::Chip1000).Show();
    GetApp().Delay(kChipStepMs);
    Get(TableRole::Chip5000).Show();
    GetApp().Delay(kChipStepMs);
    Get(TableRole::Chip10000).Show();
}

void TForm1::EnterChallenge(const ChallengeEntry& entry, ChallengeHooks hooks) {
    // The table hides itself before the three-seat table takes the user back.
    auto handBack = std::move(hooks.HandBack);
    hooks.HandBack = [this, handBack](std::int32_t userMoney, std::int32_t bankerMoney) {
        Hide();
        if (handBack)
            handBack(userMoney, bankerMoney);
    };
    // The user's name shows from the moment the table does.
    Get<Label>(TableRole::Seat1Name).SetCaption(entry.UserName);
    Get<Label>(TableRole::Seat1NameToBet).SetCaption(entry.UserName + "下注： ");
    // The banker shows its own one-on-one portrait here.
    if (const RosterEntry* banker = FindCharacter(entry.BankerName)) {
        Cast().Opponents[0] = {entry.BankerName,
                               "picture\\gif\\rt0" + std::to_string(banker->Figure - 1) + ".gif",
                               banker->Figure};
        Get<Image>(TableRole::BankerPortrait).Load(Cast().Opponents[0].PickPicture);
    }
    // Each challenge deals from a new shoe: the last one's counts wait for its first deal.
    Get(TableRole::CountsPanel).Hide();
    Show();
    Engine().EnterChallenge(entry, std::move(hooks));
}

} // namespace quorvel
