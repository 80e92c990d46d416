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

// Hidden by a reset: every button of the round, the banner and the panels.
constexpr const char* kRoundControls[] = {"Image9",  "Image10", "Image11", "Image18", "Image19",
                                          "Image20", "Image14", "Image15", "Image16", "Panel3",
                                          "Image4",  "Label1",  "Image13"};
constexpr const char* kDescriptions[] = {"Label7", "Label8", "Label9"};

} // namespace

TForm3::TForm3(TableHost& host) : TableScreen(host, "TForm3") {
    FormCreate();
}

void TForm3::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    SetBackgroundControl(background);
    background.Load("picture\\gif\\ydy05.gif");
    CreateHandRecords({"banker", "seat1", "split1"});
    PlaceControls(*this, kLayout);
    SetBannerControls(static_cast<Image&>(*Find("Image4")), static_cast<Label&>(*Find("Label1")));
    PlaceBannerText(static_cast<Label&>(*Find("Label1")), *Find("Image4"));
    SetCountsControls(static_cast<Panel&>(*Find("Panel2")), static_cast<Image&>(*Find("Image3")));
    static_cast<Edit&>(*Find("Edit1")).SetMaxLength(2);
    BankerHand().Name = std::string(kOneSeatBankerNames.Banker);
    SeatHand().Name = std::string(kOneSeatBankerNames.Seats[0]);
    opponentPicks_[0] = {SeatHand().Name, "picture\\gif\\rt01.gif", 2};
    roundNumber_ = 0;
    RefreshLabels();
    Find("Image12")->onClick = [this] { Image12Click(); };
    Find("Image13")->onClick = [this] { Image13Click(); };
    Find("Image26")->onClick = [this] { Image26Click(); };
}

void TForm3::RefreshLabels() {
    SetLabelText(*this, "Label2", std::to_string(SeatHand().Money));
    SetLabelText(*this, "Label4", std::to_string(SeatHand().Bet));
    SetLabelText(*this, "Label10", SeatHand().Name + "下注： ");
    SetLabelText(*this, "Label3", std::to_string(BankerHand().Money));
    SetLabelText(*this, "Label11", BankerHand().Name);
}

void TForm3::ResetForMainMenu() {
    ResetSeatsAndRound(kRoundControls, kDescriptions, 0);
    RefreshLabels();
}

Control& TForm3::BackButton() {
    return *Find("Image13");
}

SaveContents TForm3::SaveState() const {
    SaveContents s = SaveBasics(2, 1);
    s.Pictures[1] = opponentPicks_[0].PickPicture;
    return s;
}

void TForm3::Image12Click() {
    SaveGame();
}

void TForm3::Image13Click() {
    Host().ReturnToMainMenu(*this);
}

void TForm3::Image26Click() {
    Host().QuitFromTable(*this);
}

} // namespace quorvel
