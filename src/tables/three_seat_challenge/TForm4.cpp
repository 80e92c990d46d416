#include "tables/three_seat_challenge/TForm4.h"

#include "cards/Card.h"
#include "platform/App.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "players/Roster.h"
#include "tables/TableHost.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <string>

namespace quorvel {

namespace {

using K = ControlKind;

// The controls laid over the background, in stacking order [design px]. Cards lie between the
// background and these. Hidden rows are shown by the round when their turn comes. Each side
// seat has its money, name and bet above its hand texts above its portrait, clear of the
// unseen-card panel, the chest and the button column.
constexpr ControlPlacement kLayout[] = {
    {"Image37", K::Image, {16, 8, 207, 83}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image30", K::Image, {150, 380, 110, 120}, true, nullptr, "picture\\gif\\ch_1121.gif"},
    {"Image31", K::Image, {340, 20, 110, 120}, true, nullptr, "picture\\gif\\ch_1101.gif"},
    {"Image32", K::Image, {560, 380, 110, 120}, true, nullptr, "picture\\gif\\ch_1141.gif"},
    {"Label5", K::Label, {460, 40, 100, 16}},
    {"Label2", K::Label, {560, 312, 100, 16}},
    {"Label19", K::Label, {560, 330, 100, 16}},
    {"Label6", K::Label, {660, 330, 80, 16}},
    {"Label4", K::Label, {20, 312, 100, 16}},
    {"Label21", K::Label, {20, 330, 100, 16}},
    {"Label8", K::Label, {120, 330, 80, 16}},
    {"Label18", K::Label, {250, 570, 100, 16}},
    {"Label20", K::Label, {250, 545, 100, 16}},
    {"Label7", K::Label, {350, 545, 80, 16}},
    {"Label3", K::Label, {370, 570, 100, 16}},
    {"Label17", K::Label, {330, 265, 150, 16}},
    {"Label11", K::Label, {560, 350, 150, 16}},
    {"Label12", K::Label, {560, 366, 150, 16}},
    {"Label13", K::Label, {420, 500, 150, 16}},
    {"Label14", K::Label, {420, 516, 150, 16}},
    {"Label15", K::Label, {30, 350, 150, 16}},
    {"Label16", K::Label, {30, 366, 150, 16}},
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image23", K::Image, {40, 472, 40, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image24", K::Image, {48, 496, 20, 20}, false, nullptr, nullptr, "an115"},
    {"Image25", K::Image, {68, 496, 20, 20}, false, nullptr, nullptr, "an114"},
    {"Image26", K::Image, {88, 496, 20, 20}, false, nullptr, nullptr, "an113"},
    {"Image27", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image28", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image29", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {15, 434, 170, 30}, false},
    {"Edit1", K::Edit, {5, 4, 40, 22}, true, "Panel3"},
    {"BitBtn16", K::BitBtn, {52, 2, 50, 26}, true, "Panel3", "確定"},
    {"BitBtn17", K::BitBtn, {106, 2, 60, 26}, true, "Panel3", "本家"},
    {"Image5", K::Image, {112, 232, 40, 28}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image6", K::Image, {72, 216, 36, 28}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image7", K::Image, {72, 248, 36, 28}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image8", K::Image, {72, 280, 36, 28}, false, nullptr, "picture\\design\\speed3.gif"},
    {"Image17", K::Image, {464, 520, 0, 0}, false, nullptr, nullptr, "money1"},
    {"Image18", K::Image, {544, 520, 0, 0}, false, nullptr, nullptr, "money2"},
    {"Image19", K::Image, {616, 520, 0, 0}, false, nullptr, nullptr, "money3"},
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
    {"Image13", K::Image, {128, 520, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    {"Image41", K::Image, {200, 104, 400, 320}, false, nullptr, "picture\\design\\bonus.gif"},
    {"Image4", K::Image, {255, 290, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {265, 292, 270, 40}, false},
};

// The banker, the seats' main hands and their split hands.
constexpr TableScreen::HandRole kRoles[] = {{"banker", 0, 1}, {"seat1", 1, 1},  {"seat2", 2, 1},
                                            {"seat3", 3, 1},  {"split1", 1, 2}, {"split2", 2, 2},
                                            {"split3", 3, 2}};
// Which designed control offers which action, and which labels show the seats and hands.
constexpr TableScreen::OfferControl kOfferControls[] = {
    {ActionKind::Deal, "image9"},        {ActionKind::Chip, "Image17"},
    {ActionKind::Chip, "Image18"},       {ActionKind::Chip, "Image19"},
    {ActionKind::TakeRaise, "Image21"},  {ActionKind::TakeBack, "Image22"},
    {ActionKind::FinishBets, "Image20"}, {ActionKind::Hit, "Image10"},
    {ActionKind::Stand, "Image11"},      {ActionKind::Double, "Image14"},
    {ActionKind::Pass, "Image16"},       {ActionKind::Look, "Image24"},
    {ActionKind::Swap, "Image25"},       {ActionKind::CloseServices, "Image26"},
    {ActionKind::ConfirmSwap, "Panel3"}, {ActionKind::Leave, "Image13"},
    {ActionKind::Save, "Image12"},
};
constexpr TableScreen::SeatLabel kSeatLabels[] = {
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
constexpr TableScreen::HandLabel kHandLabels[] = {
    {0, 1, "Label17"}, {1, 1, "Label11"}, {1, 2, "Label12"}, {2, 1, "Label13"},
    {2, 2, "Label14"}, {3, 1, "Label15"}, {3, 2, "Label16"}};

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the banker (X0 - 70, Y0 - 150),
// seat 1 (X0 + 305, Y0 - 65), seat 2 (X0 - 70, Y0 + 105), seat 3 (X0 - 370, Y0 - 65). Seat 1's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main hand
// 20 px above and the split hand 20 px below their row, seat 2 its main hand 40 px above.
constexpr int kX0 = kDesignWidth / 2;
constexpr int kY0 = kDesignHeight / 2 + 20;
constexpr Point kFirstPlaces[4] = {
    {kX0 - 70, kY0 - 150}, {kX0 + 305, kY0 - 65}, {kX0 - 70, kY0 + 105}, {kX0 - 370, kY0 - 65}};
constexpr int kFanLeftSeat = 1;
constexpr int kSplitRows[4][2] = {{0, 0}, {-20, 20}, {-40, 0}, {-20, 20}};
constexpr Point kShoePoint{kDesignWidth / 2 - 270, kDesignHeight / 2 - 160};

} // namespace

TForm4::TForm4(TableHost& host) : TableScreen(host, "TForm4", 3) {
    FormCreate();
}

void TForm4::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    SetBackgroundControl(background);
    background.Load("picture\\gif\\zm005.gif");
    CreateHandRecords(kRoles);
    PlaceControls(*this, kLayout);
    SetBannerControls(static_cast<Image&>(*Find("Image4")), static_cast<Label&>(*Find("Label1")));
    PlaceBannerText(static_cast<Label&>(*Find("Label1")), *Find("Image4"));
    SetCountsControls(static_cast<Panel&>(*Find("Panel2")), static_cast<Image&>(*Find("Image3")));
    static_cast<Edit&>(*Find("Edit1")).SetMaxLength(2);
    BankerHand().Name = std::string(kThreeSeatChallengeNames.Banker);
    for (int seat = 1; seat <= 3; ++seat)
        SeatHand(seat).Name = std::string(kThreeSeatChallengeNames.Seats[seat - 1]);
    // The computer characters in pick order: left seat, banker, right seat.
    opponentPicks_[0] = {SeatHand(3).Name, "picture\\gif\\ch_1121.gif", 4};
    opponentPicks_[1] = {BankerHand().Name, "picture\\gif\\ch_1101.gif", 2};
    opponentPicks_[2] = {SeatHand(1).Name, "picture\\gif\\ch_1141.gif", 6};
    const auto act = [this](ActionKind kind) { return [this, kind] { Act(Action::Of(kind)); }; };
    for (const OfferControl& oc : kOfferControls)
        if (oc.Action != ActionKind::ConfirmSwap && oc.Action != ActionKind::Chip)
            Find(oc.Control)->onClick = act(oc.Action);
    Find("Image39")->onClick = [this] { host_.QuitFromTable(*this); };
    Find("Image1")->onClick = [this] { Act(Action::Of(ActionKind::NextRound)); };
    Refresh();
}

Control& TForm4::BackButton() {
    return *Find("Image13");
}

SaveContents TForm4::SaveState() const {
    SaveContents s = SaveBasics(3, 3);
    // The first, second and third computer characters (left, banker, right) go to picture
    // slots 4, 1 and 2.
    s.Pictures[3] = opponentPicks_[0].PickPicture;
    s.Pictures[0] = opponentPicks_[1].PickPicture;
    s.Pictures[1] = opponentPicks_[2].PickPicture;
    return s;
}

void TForm4::Refresh() {
    ShowOffers(kOfferControls);
    ShowSeatLabels(kSeatLabels);
}

void TForm4::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm4::CardPlace(int seat, int hand, int slot) const {
    Point place = kFirstPlaces[seat];
    if (engine_.At(seat).HandCount == 2)
        place.y += kSplitRows[seat][hand - 1];
    const int step = seat == kFanLeftSeat ? -20 : 20;
    return {place.x + step * (slot - 1), place.y};
}

Point TForm4::ShoePoint() const {
    return kShoePoint;
}

void TForm4::ShowResult(const RoundResult& result) {
    if (dialog_)
        ShowPlainResult(*dialog_, result);
}

void TForm4::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

} // namespace quorvel
