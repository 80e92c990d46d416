#include "tables/three_seat_banker/TForm5.h"

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
// background and these. Hidden rows are shown by the round when their turn comes. The left
// seat sits below the unseen-card panel and the speed button, its labels under its portrait.
constexpr ControlPlacement kLayout[] = {
    {"Image28", K::Image, {16, 8, 207, 83}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Image21", K::Image, {20, 280, 110, 120}, true, nullptr, "picture\\gif\\ch_1101.gif"},
    {"Image22", K::Image, {340, 20, 110, 120}, true, nullptr, "picture\\gif\\ch_1141.gif"},
    {"Image23", K::Image, {670, 150, 110, 120}, true, nullptr, "picture\\gif\\ch_1121.gif"},
    {"Label18", K::Label, {250, 570, 100, 16}},
    {"Label2", K::Label, {370, 570, 100, 16}},
    {"Label3", K::Label, {20, 404, 100, 16}},
    {"Label19", K::Label, {20, 420, 100, 16}},
    {"Label6", K::Label, {120, 420, 80, 16}},
    {"Label4", K::Label, {470, 40, 100, 16}},
    {"Label20", K::Label, {470, 65, 100, 16}},
    {"Label7", K::Label, {570, 65, 80, 16}},
    {"Label5", K::Label, {600, 275, 100, 16}},
    {"Label21", K::Label, {600, 295, 100, 16}},
    {"Label8", K::Label, {700, 295, 80, 16}},
    {"Label17", K::Label, {200, 500, 130, 16}},
    {"Label11", K::Label, {20, 438, 150, 16}},
    {"Label12", K::Label, {20, 454, 150, 16}},
    {"Label13", K::Label, {470, 190, 150, 16}},
    {"Label14", K::Label, {470, 206, 150, 16}},
    {"Label15", K::Label, {620, 425, 150, 16}},
    {"Label16", K::Label, {620, 441, 150, 16}},
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image14", K::Image, {40, 472, 40, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image15", K::Image, {48, 496, 20, 20}, false, nullptr, nullptr, "an115"},
    {"Image16", K::Image, {68, 496, 20, 20}, false, nullptr, nullptr, "an114"},
    {"Image17", K::Image, {88, 496, 20, 20}, false, nullptr, nullptr, "an113"},
    {"Image18", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image19", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image20", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {15, 434, 110, 30}, false},
    {"Edit1", K::Edit, {5, 4, 40, 22}, true, "Panel3"},
    {"BitBtn9", K::BitBtn, {52, 2, 50, 26}, true, "Panel3", "確定"},
    {"Image5", K::Image, {112, 232, 40, 28}, true, nullptr, "picture\\design\\speed.gif"},
    {"Image6", K::Image, {72, 216, 36, 28}, false, nullptr, "picture\\design\\speed1.gif"},
    {"Image7", K::Image, {72, 248, 36, 28}, false, nullptr, "picture\\design\\speed2.gif"},
    {"Image8", K::Image, {72, 280, 36, 28}, false, nullptr, "picture\\design\\speed3.gif"},
    {"Image10", K::Image, {688, 415, 0, 0}, false, nullptr, nullptr, "an100", kButtonSound},
    {"Image11", K::Image, {688, 440, 0, 0}, false, nullptr, nullptr, "an101", kButtonSound},
    {"Image9", K::Image, {688, 464, 0, 0}, false, nullptr, nullptr, "an118", kButtonSound},
    {"Image12", K::Image, {688, 488, 0, 0}, true, nullptr, nullptr, "an109", kButtonSound},
    {"Image30", K::Image, {688, 512, 0, 0}, true, nullptr, nullptr, "an110", kButtonSound},
    {"Image13", K::Image, {128, 520, 75, 32}, false, nullptr, "picture\\design\\back.gif"},
    {"Image4", K::Image, {255, 330, 290, 56}, false, nullptr, "picture\\design\\banner.gif"},
    {"Label1", K::Label, {265, 332, 270, 40}, false},
};

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

// Card places: X0 = W div 2, Y0 = H div 2 + 20; first cards of the user (X0 - 65, Y0 + 150),
// seat 1 (X0 - 380, Y0 + 10), seat 2 (X0 - 70, Y0 - 130), seat 3 (X0 + 310, Y0 + 10). Seat 3's
// cards fan to the left, the others' to the right. After a split seats 1 and 3 put the main hand
// 20 px above and the split hand 20 px below their row, seat 2 its split hand 40 px below.
constexpr int kX0 = kDesignWidth / 2;
constexpr int kY0 = kDesignHeight / 2 + 20;
constexpr Point kFirstPlaces[4] = {
    {kX0 - 65, kY0 + 150}, {kX0 - 380, kY0 + 10}, {kX0 - 70, kY0 - 130}, {kX0 + 310, kY0 + 10}};
constexpr int kFanLeftSeat = 3;
constexpr int kSplitRows[4][2] = {{0, 0}, {-20, 20}, {0, 40}, {-20, 20}};
constexpr Point kShoePoint{kDesignWidth / 2 - 300, kDesignHeight / 2 + 165};

} // namespace

TForm5::TForm5(TableHost& host) : TableScreen(host, "TForm5", 4) {
    FormCreate();
}

void TForm5::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    SetBackgroundControl(background);
    background.Load("picture\\gif\\ddy005.gif");
    CreateHandRecords(kRoles);
    PlaceControls(*this, kLayout);
    SetBannerControls(static_cast<Image&>(*Find("Image4")), static_cast<Label&>(*Find("Label1")));
    PlaceBannerText(static_cast<Label&>(*Find("Label1")), *Find("Image4"));
    SetCountsControls(static_cast<Panel&>(*Find("Panel2")), static_cast<Image&>(*Find("Image3")));
    static_cast<Edit&>(*Find("Edit1")).SetMaxLength(2);
    BankerHand().Name = std::string(kThreeSeatBankerNames.Banker);
    for (int seat = 1; seat <= 3; ++seat) {
        SeatHand(seat).Name = std::string(kThreeSeatBankerNames.Seats[seat - 1]);
        opponentPicks_[seat - 1] = {SeatHand(seat).Name, kDefaultPortraits[seat - 1],
                                    kDefaultFigures[seat - 1]};
    }
    const auto act = [this](ActionKind kind) { return [this, kind] { Act(Action::Of(kind)); }; };
    for (const OfferControl& oc : kOfferControls)
        if (oc.Action != ActionKind::ConfirmSwap && oc.Action != ActionKind::Chip)
            Find(oc.Control)->onClick = act(oc.Action);
    Find("Image30")->onClick = [this] { host_.QuitFromTable(*this); };
    Find("Image1")->onClick = [this] { Act(Action::Of(ActionKind::NextRound)); };
    Refresh();
}

Control& TForm5::BackButton() {
    return *Find("Image13");
}

SaveContents TForm5::SaveState() const {
    SaveContents s = SaveBasics(4, 3);
    // The user banks without a portrait; the seats' portraits go to slots 2..4.
    for (int seat = 1; seat <= 3; ++seat)
        s.Pictures[static_cast<std::size_t>(seat)] = opponentPicks_[seat - 1].PickPicture;
    return s;
}

void TForm5::Refresh() {
    ShowOffers(kOfferControls);
    ShowSeatLabels(kSeatLabels);
}

void TForm5::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm5::CardPlace(int seat, int hand, int slot) const {
    Point place = kFirstPlaces[seat];
    if (engine_.At(seat).HandCount == 2)
        place.y += kSplitRows[seat][hand - 1];
    const int step = seat == kFanLeftSeat ? -20 : 20;
    return {place.x + step * (slot - 1), place.y};
}

Point TForm5::ShoePoint() const {
    return kShoePoint;
}

void TForm5::ShowResult(const RoundResult& result) {
    if (dialog_)
        ShowPlainResult(*dialog_, result);
}

void TForm5::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

} // namespace quorvel
