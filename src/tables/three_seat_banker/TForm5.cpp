// TForm5's layout and its view: controls placed clear of the four hands' card places, the map
// from its buttons to the engine's actions and from its hands to the engine's seats, the
// labels it keeps up to date, the split rows and their slide, the chest hover and service tips,
// the speed choice, and the result dialog.
#include "tables/three_seat_banker/TForm5.h"

#include "ui/Card.h"
#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Label.h"
#include "players/Roster.h"
#include "tables/SpeedChoice.h"
#include "tables/TableHost.h"
#include "tables/TableLook.h"
#include "tables/three_seat_banker/TForm9.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <algorithm>
#include <array>
#include <string>

namespace quorvel {

namespace {

using K = ControlKind;

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
    {"Image15", K::Image, {48, 524, 20, 20}, false, nullptr, nullptr, "an115"},
    {"Image16", K::Image, {68, 524, 20, 20}, false, nullptr, nullptr, "an114"},
    {"Image17", K::Image, {88, 524, 20, 20}, false, nullptr, nullptr, "an113"},
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

using namespace table_look;
constexpr const char* kMoneyLabels[] = {"Label2", "Label3", "Label4", "Label5",
                                        "Label6", "Label7", "Label8"};
constexpr const char* kNameLabels[] = {"Label18", "Label19", "Label20", "Label21"};
constexpr const char* kHandLabelNames[] = {"Label11", "Label12", "Label13", "Label14",
                                           "Label15", "Label16", "Label17"};

// The default characters' portraits, seats 1..3, and their figure numbers.
constexpr const char* kDefaultPortraits[] = {
    "picture\\gif\\ch_1101.gif", "picture\\gif\\ch_1141.gif", "picture\\gif\\ch_1121.gif"};
constexpr int kDefaultFigures[] = {2, 6, 4};
// The banker, the seats' main hands and their split hands.
constexpr TableScreen::HandRole kRoles[] = {{"banker", 0, 1}, {"seat1", 1, 1},  {"seat2", 2, 1},
                                            {"seat3", 3, 1},  {"split1", 1, 2}, {"split2", 2, 2},
                                            {"split3", 3, 2}};
// Which designed control offers which action, and which labels show the seats and hands.
constexpr TableScreen::OfferControl kOfferControls[] = {
    {ActionKind::Deal, "Image9"},        {ActionKind::Hit, "Image10"},
    {ActionKind::Stand, "Image11"},      {ActionKind::Look, "Image15"},
    {ActionKind::Swap, "Image16"},       {ActionKind::CloseServices, "Image17"},
    {ActionKind::ConfirmSwap, "Panel3"}, {ActionKind::Leave, "Image13"},
    {ActionKind::Save, "Image12"},
};
constexpr TableScreen::SeatLabel kSeatLabels[] = {
    {0, TableScreen::SeatField::Money, "Label2"},
    {0, TableScreen::SeatField::Name, "Label18"},
    {1, TableScreen::SeatField::Money, "Label3"},
    {2, TableScreen::SeatField::Money, "Label4"},
    {3, TableScreen::SeatField::Money, "Label5"},
    {1, TableScreen::SeatField::Bet, "Label6"},
    {2, TableScreen::SeatField::Bet, "Label7"},
    {3, TableScreen::SeatField::Bet, "Label8"},
    {1, TableScreen::SeatField::NameToBet, "Label19"},
    {2, TableScreen::SeatField::NameToBet, "Label20"},
    {3, TableScreen::SeatField::NameToBet, "Label21"},
};
constexpr TableScreen::HandLabel kHandLabels[] = {
    {0, 1, "Label17"}, {1, 1, "Label11"}, {1, 2, "Label12"}, {2, 1, "Label13"},
    {2, 2, "Label14"}, {3, 1, "Label15"}, {3, 2, "Label16"}};
// The chest's services (look, swap, close) and their tips, and the speed choices.
constexpr std::array<const char*, 3> kServiceButtons = {"Image15", "Image16", "Image17"};
constexpr std::array<const char*, 3> kTips = {"Image18", "Image19", "Image20"};
constexpr std::array<const char*, 3> kSpeeds = {"Image6", "Image7", "Image8"};

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the user (X0 - 65, Y0 + 150),
// seat 1 (X0 - 380, Y0 + 10), seat 2 (X0 - 70, Y0 - 130), seat 3 (X0 + 310, Y0 + 10). Seat 3's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main hand
// 20 px above and the split hand 20 px below their row, seat 2 its split hand 40 px below.
constexpr int kX0 = kDesignWidth / 2;
constexpr int kY0 = kDesignHeight / 2 + 20;
constexpr Point kFirstPlaces[4] = {
    {kX0 - 65, kY0 + 150}, {kX0 - 380, kY0 + 10}, {kX0 - 70, kY0 - 130}, {kX0 + 310, kY0 + 10}};
constexpr int kFanLeftSeat = 3;
constexpr int kCardStep = 20; // [px] between the cards of a hand
constexpr int kSplitRows[4][2] = {{0, 0}, {-20, 20}, {0, 40}, {-20, 20}}; // [px] main, split
constexpr Point kShoePoint{kDesignWidth / 2 - 300, kDesignHeight / 2 + 165};
constexpr int kSlideStepPx = 2; // the split's cards move to their rows in steps of this [px]

// Moves a card one step of at most `step` px on each axis towards `target`; false once there.
bool StepTowards(TCard& card, Point target, int step) {
    const auto towards = [step](int from, int to) {
        return from + std::max(-step, std::min(step, to - from));
    };
    if (card.Left() == target.x && card.Top() == target.y)
        return false;
    card.SetPosition(towards(card.Left(), target.x), towards(card.Top(), target.y));
    return true;
}

} // namespace

TForm5::TForm5(TableHost& host) : TableScreen(host, "TForm5", 4) {
    FormCreate();
}

void TForm5::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    background.SetAutoSize(false);
    background.SetStretch(true);
    SetBackgroundControl(background);
    background.Load("picture\\gif\\ddy005.gif");
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
    DressSwapPanel({SwapPanel(), SwapRank(), Ctl<BitBtn>("BitBtn9"), &Ctl<Label>("Label9")},
                   kSwapPanel);
    SwapRank().SetMaxLength(2);
    engine_.NewGame({std::string(kThreeSeatBankerNames.Banker),
                     std::string(kThreeSeatBankerNames.Seats[0]),
                     std::string(kThreeSeatBankerNames.Seats[1]),
                     std::string(kThreeSeatBankerNames.Seats[2])});
    for (int seat = 1; seat <= 3; ++seat) {
        opponentPicks_[seat - 1] = {SeatHand(seat).Name, kDefaultPortraits[seat - 1],
                                    kDefaultFigures[seat - 1]};
    }
    // The user's own face-down card can be peeked at.
    WirePeeks(0, {Seat::kMain});
    WireHandlers();
    // The advisor's line in the banner's place, between the seats' hand descriptions.
    CreateAdviceLine({290, 344, 216, 36});
    Refresh();
}

void TForm5::WireHandlers() {
    WireOffers(kOfferControls, {ActionKind::ConfirmSwap, ActionKind::CloseServices});
    Find("Image30")->onClick = [this] { host_.QuitFromTable(*this); };
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

void TForm5::SetDialog(TForm9& dialog) {
    dialog_ = &dialog;
    dialog.onContinue = [this] { NextRoundClick(true); };
}

// ---- the view ----

void TForm5::Refresh() {
    ShowAdvice();
    // The swap panel opens with an empty rank.
    const bool panelWasOpen = SwapPanel().Visible();
    ShowOffers(kOfferControls);
    if (!panelWasOpen && SwapPanel().Visible())
        SwapRank().SetText("");
    ShowSeatLabels(kSeatLabels);
}

void TForm5::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm5::CardPlace(int seat, int hand, int slot) const {
    Point place = kFirstPlaces[seat];
    // A seat that has split lays its hands on two rows; its split hand holds cards from the
    // split's first new card on.
    if (seat != 0 && engine_.At(seat).Split().CardCount > 0)
        place.y += kSplitRows[seat][hand - 1];
    const int step = seat == kFanLeftSeat ? -kCardStep : kCardStep;
    return {place.x + step * (slot - 1), place.y};
}

Point TForm5::ShoePoint() const {
    return kShoePoint;
}

void TForm5::SlidePair(int seat) {
    // The face-up twin in first place becomes the split hand's second card, and the other
    // twin moves with the main hand to its row; both move 2 px a step on each axis.
    TCard& mainFirst = Card(seat, Seat::kMain, 1);
    TCard& mainSecond = Card(seat, Seat::kMain, 2);
    TCard& twin = Card(seat, Seat::kSplit, 2);
    twin.SetCard(engine_.At(seat).Split().Card(2));
    twin.SetFaceUp(true);
    twin.SetPosition(mainFirst.Left(), mainFirst.Top());
    twin.Show();
    mainFirst.Hide();
    const Point twinPlace = CardPlace(seat, Seat::kSplit, 2);
    const Point keptPlace = CardPlace(seat, Seat::kMain, 2);
    for (;;) {
        const bool twinMoved = StepTowards(twin, twinPlace, kSlideStepPx);
        const bool keptMoved = StepTowards(mainSecond, keptPlace, kSlideStepPx);
        if (!twinMoved && !keptMoved)
            break;
        delay(1);
    }
}

void TForm5::ShowResult(const RoundResult& result) {
    if (dialog_)
        dialog_->ShowRound(ResultLines(engine_, result), result.RoundNumber);
}

void TForm5::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

void TForm5::ClearResultExtras() {
    if (dialog_)
        dialog_->ClearRoundLines();
}

// ---- the front end ----

void TForm5::ResetForMainMenu() {
    TableScreen::ResetForMainMenu();
    Services().Rest();
}

SaveContents TForm5::SaveState() const {
    SaveContents s = SaveBasics(4, 3);
    // The user banks without a portrait; the seats' portraits go to slots 2..4.
    for (int seat = 1; seat <= 3; ++seat)
        s.Pictures[static_cast<std::size_t>(seat)] = opponentPicks_[seat - 1].PickPicture;
    return s;
}

} // namespace quorvel
