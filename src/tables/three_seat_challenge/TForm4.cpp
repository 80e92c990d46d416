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

// Hidden by a reset: every button of the round, the banner and the panels.
constexpr const char* kRoundControls[] = {
    "image9",  "Image10", "Image11", "Image14", "Image15", "Image16", "Image17", "Image18",
    "Image19", "Image20", "Image21", "Image22", "Image24", "Image25", "Image26", "Image27",
    "Image28", "Image29", "Image40", "Image41", "Panel3",  "Image4",  "Label1",  "Image13"};
constexpr const char* kDescriptions[] = {"Label11", "Label12", "Label13", "Label14",
                                         "Label15", "Label16", "Label17"};
// Money, bet and name-and-bet labels of seats 1..3.
constexpr const char* kSeatMoney[] = {"Label2", "Label3", "Label4"};
constexpr const char* kSeatBet[] = {"Label6", "Label7", "Label8"};
constexpr const char* kSeatName[] = {"Label19", "Label20", "Label21"};

} // namespace

TForm4::TForm4(TableHost& host) : TableScreen(host, "TForm4") {
    FormCreate();
}

void TForm4::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    SetBackgroundControl(background);
    background.Load("picture\\gif\\zm005.gif");
    CreateHandRecords({"banker", "seat1", "seat2", "seat3", "split1", "split2", "split3"});
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
    roundNumber_ = 0;
    RefreshLabels();
    Find("Image12")->onClick = [this] { Image12Click(); };
    Find("Image13")->onClick = [this] { Image13Click(); };
    Find("Image39")->onClick = [this] { Image39Click(); };
}

void TForm4::RefreshLabels() {
    SetLabelText(*this, "Label5", std::to_string(BankerHand().Money));
    SetLabelText(*this, "Label18", SeatHand(2).Name);
    for (int seat = 1; seat <= 3; ++seat) {
        SetLabelText(*this, kSeatMoney[seat - 1], std::to_string(SeatHand(seat).Money));
        SetLabelText(*this, kSeatBet[seat - 1], std::to_string(SeatHand(seat).Bet));
        SetLabelText(*this, kSeatName[seat - 1], SeatHand(seat).Name + "下注： ");
    }
}

void TForm4::ResetForMainMenu() {
    ResetSeatsAndRound(kRoundControls, kDescriptions, 0);
    RefreshLabels();
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

void TForm4::Image12Click() {
    SaveGame();
}

void TForm4::Image13Click() {
    Host().ReturnToMainMenu(*this);
}

void TForm4::Image39Click() {
    Host().QuitFromTable(*this);
}

} // namespace quorvel
