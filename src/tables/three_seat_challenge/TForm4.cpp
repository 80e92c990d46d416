// TForm4's creation and its handlers: controls from the layout table, button pictures and
// sounds, the clicks mapped to the engine's actions, the chip bar, the bonus table, the card
// speed, the peek at the user's own face-down cards, and the chest with its services.
#include "tables/three_seat_challenge/TForm4.h"

#include "ui/Card.h"
#include "gui/App.h"
#include "gui/BitBtn.h"
#include "gui/Edit.h"
#include "gui/Label.h"
#include "players/Roster.h"
#include "tables/BonusTableButton.h"
#include "tables/SpeedChoice.h"
#include "tables/TableHost.h"
#include "tables/three_seat_challenge/TForm4Layout.h"
#include "tables/three_seat_challenge/TForm8.h"

#include <iterator>
#include <string_view>

namespace quorvel {

using namespace tform4;

TForm4::TForm4(TableHost& host) : TableScreen(host, "TForm4", 3) {
    FormCreate();
}

void TForm4::FormCreate() {
    auto& background = Add<Image>("Image1");
    background.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    background.SetAutoSize(false);
    background.SetStretch(true);
    SetBackgroundControl(background);
    background.Load("picture\\gif\\zm005.gif");
    CreateHandRecords(kRoles);
    PlaceControls(*this, kLayout);
    auto& banner = static_cast<Label&>(*Find("Label1"));
    banner.SetFont(kBannerFont);
    SetBannerControls(Picture("Image4"), banner);
    PlaceBannerText(banner, *Find("Image4"));
    SetCountsControls(static_cast<Panel&>(*Find("Panel2")), Picture("Image3"));
    static_cast<Edit&>(*Find("Edit1")).SetMaxLength(2);
    DressSwapPanel({static_cast<Panel&>(*Find("Panel3")), static_cast<Edit&>(*Find("Edit1")),
                    static_cast<BitBtn&>(*Find("BitBtn16")), nullptr,
                    &static_cast<BitBtn&>(*Find("BitBtn17"))},
                   kSwapPanelWithToggle);
    for (const char* name : kMoneyLabels)
        static_cast<Label&>(*Find(name)).SetFont(kMoneyFont);
    for (const char* name : kNameLabels)
        static_cast<Label&>(*Find(name)).SetFont(kNameFont);
    for (const char* name : kHandLabelNames)
        static_cast<Label&>(*Find(name)).SetFont(kHandFont);
    engine_.NewGame({std::string(kThreeSeatChallengeNames.Banker),
                     std::string(kThreeSeatChallengeNames.Seats[0]),
                     std::string(kThreeSeatChallengeNames.Seats[1]),
                     std::string(kThreeSeatChallengeNames.Seats[2])});
    // The computer characters in pick order: left seat, banker, right seat.
    opponentPicks_[0] = {SeatHand(3).Name, "picture\\gif\\ch_1121.gif", 4};
    opponentPicks_[1] = {BankerHand().Name, "picture\\gif\\ch_1101.gif", 2};
    opponentPicks_[2] = {SeatHand(1).Name, "picture\\gif\\ch_1141.gif", 6};
    WireHandlers();
    // The advisor's lines in the banner's place, widened to the seats' cards on either side.
    CreateAdviceLine({218, 300, 364, 36});
    Refresh();
}

void TForm4::WireHandlers() {
    WireOffers(kOfferControls, {ActionKind::ConfirmSwap, ActionKind::Chip, ActionKind::FinishBets,
                                ActionKind::CloseServices});
    for (const ChipButton& chip : kChips)
        Find(chip.Control)->onClick = [this, value = chip.Value] { Act(Action::Chip(value)); };
    BetsDoneButton().onClick = [this] { FinishBetsClick(); };
    Find("Image39")->onClick = [this] { host_.QuitFromTable(*this); };
    Find("Image1")->onClick = [this] { NextRoundClick(false); };
    WireSpeedChoice(*this, "Image5", {"Image6", "Image7", "Image8"});

    bonusTable_ = std::make_unique<BonusTableButton>(GetApp(), Picture("Image40"),
                                                     Picture("Image41"), Picture("BonusTip"));

    // The first cards of the user's hands can be peeked at.
    WirePeeks(2, {Seat::kMain, Seat::kSplit});

    // The chest lights up for the user's hands until seat 3's turn begins.
    WireServices({Picture("Image23"),
                  {&Picture("Image24"), &Picture("Image25"), &Picture("Image26")},
                  {&Picture("Image27"), &Picture("Image28"), &Picture("Image29")},
                  static_cast<Edit&>(*Find("Edit1")),
                  static_cast<BitBtn&>(*Find("BitBtn16"))});
    Find("Image1")->onMouseMove = [this](Point) {
        Services().HoverBackground();
        bonusTable_->HoverBackground();
        HideAdviceTip();
    };
}

void TForm4::FinishBetsClick() {
    if (!Engine().Allowed(Action::Of(ActionKind::FinishBets)))
        return;
    // The bet is done: the buttons of betting go at once, the chip bar one chip after the
    // other. Nothing of the bar takes a click meanwhile.
    bonusTable_->Refresh(false);
    for (const char* name : {"Image20", "Image22"})
        Find(name)->Hide();
    for (const char* name : kChipBar)
        Find(name)->SetEnabled(false);
    chipBarClosing_ = true;
    for (auto it = std::rbegin(kChipBar); it != std::rend(kChipBar); ++it) {
        Find(*it)->Hide();
        delay(kChipBarStepMs);
    }
    chipBarClosing_ = false;
    Act(Action::Of(ActionKind::FinishBets));
}

void TForm4::RevealChips() {
    // The chip bar appears chip by chip; the raised bet only while the offer stands.
    for (const char* name : kChipBar) {
        Control& c = *Find(name);
        c.SetEnabled(true);
        if (std::string_view(name) == "Image21" && !Engine().Offered()[ActionKind::TakeRaise].Shown)
            continue;
        c.Show();
        delay(kChipBarStepMs);
    }
}

Control& TForm4::BackButton() {
    return *Find("Image13");
}

SaveContents TForm4::SaveState() const {
    SaveContents s = SaveBasics(3, 3);
    // The first, second and third computer characters (left, banker, right) go to picture
    // slots 4, 1 and 2; slot 3 is left as it was.
    s.Pictures[3] = opponentPicks_[0].PickPicture;
    s.Pictures[0] = opponentPicks_[1].PickPicture;
    s.Pictures[1] = opponentPicks_[2].PickPicture;
    return s;
}

void TForm4::ResetForMainMenu() {
    TableScreen::ResetForMainMenu();
    Services().Rest();
}

} // namespace quorvel
