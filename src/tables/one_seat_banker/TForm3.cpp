#include "tables/one_seat_banker/TForm3.h"

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
// background and these. Hidden rows are shown by the round when their turn comes.
constexpr ControlPlacement kLayout[] = {
    {"Image22", K::Image, {423, 35, 110, 120}, true, nullptr, "picture\\gif\\rt01.gif"},
    {"Image25", K::Image, {16, 8, 207, 83}, true, nullptr, "picture\\gif\\logo-.gif"},
    {"Label2", K::Label, {680, 160, 100, 16}},
    {"Label10", K::Label, {580, 185, 100, 16}},
    {"Label4", K::Label, {680, 185, 100, 16}},
    {"Label11", K::Label, {300, 570, 110, 16}},
    {"Label3", K::Label, {577, 570, 100, 16}},
    {"Label8", K::Label, {320, 315, 150, 16}},
    {"Label9", K::Label, {520, 315, 150, 16}},
    {"Label7", K::Label, {250, 455, 100, 16}},
    {"Panel2", K::Panel, {8, 104, 194, 107}, false},
    {"Image3", K::Image, {0, 0, 194, 107}, true, "Panel2", "picture\\design\\unseen.gif"},
    {"Image17", K::Image, {40, 472, 40, 40}, true, nullptr, "picture\\gif\\bw001.gif"},
    {"Image18", K::Image, {48, 496, 20, 20}, false, nullptr, nullptr, "an115"},
    {"Image19", K::Image, {68, 496, 20, 20}, false, nullptr, nullptr, "an114"},
    {"Image20", K::Image, {88, 496, 20, 20}, false, nullptr, nullptr, "an113"},
    {"Image14", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip1.gif"},
    {"Image15", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip2.gif"},
    {"Image16", K::Image, {40, 512, 170, 40}, false, nullptr, "picture\\design\\tip3.gif"},
    {"Panel3", K::Panel, {15, 434, 110, 30}, false},
    {"Edit1", K::Edit, {5, 4, 40, 22}, true, "Panel3"},
    {"BitBtn9", K::BitBtn, {52, 2, 50, 26}, true, "Panel3", "確定"},
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

// Card places: the user's first card at (W div 2 - 40, H div 2 + 150), the computer's at
// (W div 2 - 80, H div 2 - 80); a split hand 200 px right; each further card 20 px right.
constexpr Point kUserPlace{kDesignWidth / 2 - 40, kDesignHeight / 2 + 150};
constexpr Point kSeatPlace{kDesignWidth / 2 - 80, kDesignHeight / 2 - 80};

} // namespace

TForm3::TForm3(TableHost& host) : TableScreen(host, "TForm3", 2) {
    FormCreate();
}

void TForm3::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    SetBackgroundControl(background);
    background.Load("picture\\gif\\ydy05.gif");
    CreateHandRecords(kRoles);
    PlaceControls(*this, kLayout);
    SetBannerControls(static_cast<Image&>(*Find("Image4")), static_cast<Label&>(*Find("Label1")));
    PlaceBannerText(static_cast<Label&>(*Find("Label1")), *Find("Image4"));
    SetCountsControls(static_cast<Panel&>(*Find("Panel2")), static_cast<Image&>(*Find("Image3")));
    static_cast<Edit&>(*Find("Edit1")).SetMaxLength(2);
    BankerHand().Name = std::string(kOneSeatBankerNames.Banker);
    SeatHand().Name = std::string(kOneSeatBankerNames.Seats[0]);
    opponentPicks_[0] = {SeatHand().Name, "picture\\gif\\rt01.gif", 2};
    const auto act = [this](ActionKind kind) { return [this, kind] { Act(Action::Of(kind)); }; };
    for (const OfferControl& oc : kOfferControls)
        if (oc.Action != ActionKind::ConfirmSwap)
            Find(oc.Control)->onClick = act(oc.Action);
    Find("Image26")->onClick = [this] { host_.QuitFromTable(*this); };
    Find("Image1")->onClick = [this] { Act(Action::Of(ActionKind::NextRound)); };
    Refresh();
}

Control& TForm3::BackButton() {
    return *Find("Image13");
}

SaveContents TForm3::SaveState() const {
    SaveContents s = SaveBasics(2, 1);
    s.Pictures[1] = opponentPicks_[0].PickPicture;
    return s;
}

void TForm3::Refresh() {
    ShowOffers(kOfferControls);
    ShowSeatLabels(kSeatLabels);
}

void TForm3::ShowHandText(int seat, int hand, const std::string& text) {
    SetHandLabel(kHandLabels, seat, hand, text);
}

Point TForm3::CardPlace(int seat, int hand, int slot) const {
    Point first = seat == 0 ? kUserPlace : kSeatPlace;
    if (hand == Seat::kSplit)
        first.x += 200;
    return {first.x + 20 * (slot - 1), first.y};
}

Point TForm3::ShoePoint() const {
    return {kDesignWidth / 2 - 240, kDesignHeight / 2 - 60};
}

void TForm3::ShowResult(const RoundResult& result) {
    if (dialog_)
        ShowPlainResult(*dialog_, result);
}

void TForm3::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

} // namespace quorvel
