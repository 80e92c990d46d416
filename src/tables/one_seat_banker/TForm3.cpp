// TForm3's layout and its view: controls at their places, the map from its buttons to the
// engine's actions and from its hands to the engine's seats, the labels it keeps up to date,
// the split's slide, the chest hover and service tips, the speed choice, and the result dialog.
#include "tables/one_seat_banker/TForm3.h"

#include "ui/Card.h"
#include "gui/App.h"
#include "gui/BitBtn.h"
#include "players/Roster.h"
#include "tables/SpeedChoice.h"
#include "tables/TableHost.h"
#include "tables/TableLook.h"
#include "tables/one_seat_banker/TForm7.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <array>
#include <string>

namespace quorvel {

namespace {

using K = ControlKind;

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
    {"Image18", K::Image, {48, 496, 20, 20}, false, nullptr, nullptr, "an115"},
    {"Image19", K::Image, {68, 496, 20, 20}, false, nullptr, nullptr, "an114"},
    {"Image20", K::Image, {88, 496, 20, 20}, false, nullptr, nullptr, "an113"},
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
    {"Image9", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an107", kButtonSound},
    {"Image12", K::Image, {688, 488, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image26", K::Image, {688, 512, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    {"Image13", K::Image, {128, 520, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    {"Image4", K::Image, {259, 328, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {269, 330, 270, 40}, false},
};

using namespace table_look;
constexpr const char* kMoneyLabels[] = {"Label2", "Label3", "Label4"};
constexpr const char* kNameLabels[] = {"Label10", "Label11"};
constexpr const char* kHandLabelNames[] = {"Label7", "Label8", "Label9"};

// The user as banker, the computer's hand and its split hand.
constexpr TableScreen::HandRole kRoles[] = {{"banker", 0, 1}, {"seat1", 1, 1}, {"split1", 1, 2}};

// Which designed control offers which action.
constexpr TableScreen::OfferControl kOfferControls[] = {
    {ActionKind::Deal, "Image9"},        {ActionKind::Hit, "Image10"},
    {ActionKind::Stand, "Image11"},      {ActionKind::Look, "Image18"},
    {ActionKind::Swap, "Image19"},       {ActionKind::CloseServices, "Image20"},
    {ActionKind::ConfirmSwap, "Panel3"}, {ActionKind::Leave, "Image13"},
    {ActionKind::Save, "Image12"},
};
constexpr TableScreen::SeatLabel kSeatLabels[] = {
    {1, TableScreen::SeatField::Money, "Label2"},      {1, TableScreen::SeatField::Bet, "Label4"},
    {1, TableScreen::SeatField::NameToBet, "Label10"}, {0, TableScreen::SeatField::Money, "Label3"},
    {0, TableScreen::SeatField::Name, "Label11"},
};
constexpr TableScreen::HandLabel kHandLabels[] = {
    {0, 1, "Label7"}, {1, 1, "Label8"}, {1, 2, "Label9"}};
// The chest's services (look, swap, close) and their tips, and the speed choices.
constexpr std::array<const char*, 3> kServiceButtons = {"Image18", "Image19", "Image20"};
constexpr std::array<const char*, 3> kTips = {"Image14", "Image15", "Image16"};
constexpr std::array<const char*, 3> kSpeeds = {"Image6", "Image7", "Image8"};

// Card places: the user's first card at (W div 2 - 40, H div 2 + 150), the computer's at
// (W div 2 - 80, H div 2 - 80); a split hand 200 px right; each further card 20 px right.
constexpr Point kUserPlace{kDesignWidth / 2 - 40, kDesignHeight / 2 + 150};
constexpr Point kSeatPlace{kDesignWidth / 2 - 80, kDesignHeight / 2 - 80};
constexpr int kCardStep = 20;     // [px] between the cards of a hand
constexpr int kSplitOffset = 200; // [px] from the main hand's first card to the split hand's
// The split's slide: the twin goes over to the split hand in 25 steps of 8 px; the card that
// stays slides back into second place in 10 steps of 2 px; the main hand's new card follows
// after a pause.
constexpr int kTwinSteps = 25;
constexpr int kTwinStepPx = 8;
constexpr int kBackSteps = 10;
constexpr int kBackStepPx = 2;
constexpr int kAfterSlideMs = 1000;

} // namespace

TForm3::TForm3(TableHost& host) : TableScreen(host, "TForm3", 2) {
    FormCreate();
}

void TForm3::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    background.SetAutoSize(false);
    background.SetStretch(true);
    SetBackgroundControl(background);
    background.Load("picture\\gif\\ydy05.gif");
    CreateHandRecords(kRoles);
    PlaceControls(*this, kLayout);
    auto& banner = Ctl<Label>("Label1");
    banner.SetFont(kBannerFont);
    SetBannerControls(Ctl<Image>("Image4"), banner);
    PlaceBannerText(banner, *Find("Image4"));
    SetCountsControls(Ctl<Panel>("Panel2"), Ctl<Image>("Image3"));
    for (const char* name : kMoneyLabels)
        Ctl<Label>(name).SetFont(kMoneyFont);
    for (const char* name : kNameLabels)
        Ctl<Label>(name).SetFont(kNameFont);
    for (const char* name : kHandLabelNames)
        Ctl<Label>(name).SetFont(kHandFont);
    DressSwapPanel({SwapPanel(), SwapRank(), Ctl<BitBtn>("BitBtn9"), &Ctl<Label>("Label5")},
                   kSwapPanel);
    SwapRank().SetMaxLength(2);
    engine_.NewGame({std::string(kOneSeatBankerNames.Banker),
                     std::string(kOneSeatBankerNames.Seats[0])});
    opponentPicks_[0] = {SeatHand().Name, "picture\\gif\\rt01.gif", 2};
    // The user's own face-down card can be peeked at.
    WirePeeks(0, {Seat::kMain});
    WireHandlers();
    // The advisor's line in the banner's place, widened: clear of the cards and labels.
    CreateAdviceLine({222, 338, 364, 36});
    Refresh();
}

void TForm3::WireHandlers() {
    WireOffers(kOfferControls, {ActionKind::ConfirmSwap, ActionKind::CloseServices});
    Find("Image26")->onClick = [this] { host_.QuitFromTable(*this); };
    Find("Image1")->onClick = [this] { NextRoundClick(false); };
    WireSpeedChoice(*this, "Image5", kSpeeds);
    std::array<Image*, 3> services{};
    std::array<Image*, 3> tips{};
    for (std::size_t i = 0; i < 3; ++i) {
        services[i] = &Ctl<Image>(kServiceButtons[i]);
        tips[i] = &Ctl<Image>(kTips[i]);
    }
    WireServices({Chest(), services, tips, SwapRank(), Ctl<BitBtn>("BitBtn9")});
    Find("Image1")->onMouseMove = [this](Point) {
        Services().HoverBackground();
        HideAdviceTip();
    };
}

void TForm3::SetDialog(TForm7& dialog) {
    dialog_ = &dialog;
    dialog.onContinue = [this] { NextRoundClick(true); };
}

// ---- the view ----

void TForm3::Refresh() {
    ShowAdvice();
    // The swap panel opens with an empty rank.
    const bool panelWasOpen = SwapPanel().Visible();
    ShowOffers(kOfferControls);
    if (!panelWasOpen && SwapPanel().Visible())
        SwapRank().SetText("");
    ShowSeatLabels(kSeatLabels);
}

void TForm3::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm3::CardPlace(int seat, int hand, int slot) const {
    Point first = seat == 0 ? kUserPlace : kSeatPlace;
    if (hand == Seat::kSplit)
        first.x += kSplitOffset;
    return {first.x + kCardStep * (slot - 1), first.y};
}

Point TForm3::ShoePoint() const {
    return {kDesignWidth / 2 - 240, kDesignHeight / 2 - 60};
}

void TForm3::SlidePair(int seat) {
    TCard& mainFirst = Card(seat, Seat::kMain, 1);
    TCard& mainSecond = Card(seat, Seat::kMain, 2);
    TCard& twin = Card(seat, Seat::kSplit, 2);
    twin.SetCard(engine_.At(seat).Split().Card(2));
    twin.SetFaceUp(true);
    twin.SetPosition(mainSecond.Left(), mainSecond.Top());
    twin.Show();
    for (int i = 0; i < kTwinSteps; ++i) {
        twin.SetPosition(twin.Left() + kTwinStepPx, twin.Top());
        delay(1);
    }
    // The card that stays is drawn in first place and slides back into second place, where
    // the new face-down card will lie under it.
    mainSecond.SetPosition(mainFirst.Left(), mainFirst.Top());
    mainFirst.Hide();
    for (int i = 0; i < kBackSteps; ++i) {
        mainSecond.SetPosition(mainSecond.Left() + kBackStepPx, mainSecond.Top());
        delay(1);
    }
    delay(kAfterSlideMs);
}

void TForm3::ShowResult(const RoundResult& result) {
    const std::vector<ResultLine> sides = ResultLines(engine_, result);
    const ResultLine& banker = sides.at(0);
    const ResultLine& player = sides.at(1);
    TForm7::RoundLines lines;
    lines.Player = player.MoneyText();
    lines.PlayerHand = player.HandLines.at(0);
    if (player.HandLines.size() > 1)
        lines.SecondHand = player.HandLines[1];
    if (player.Bonus != 0)
        lines.Bonus = player.BonusText();
    lines.Banker = banker.MoneyText();
    lines.BankerHand = banker.HandLines.at(0);
    lines.Round = "第 " + std::to_string(result.RoundNumber) + "局 ";
    if (dialog_)
        dialog_->ShowRound(lines);
}

void TForm3::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

void TForm3::ClearResultExtras() {
    if (dialog_)
        dialog_->ClearRoundLines();
}

// ---- the front end ----

void TForm3::ResetForMainMenu() {
    TableScreen::ResetForMainMenu();
    Services().Rest();
}

SaveContents TForm3::SaveState() const {
    SaveContents s = SaveBasics(2, 1);
    s.Pictures[1] = opponentPicks_[0].PickPicture;
    return s;
}

} // namespace quorvel
