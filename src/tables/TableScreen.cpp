// The behaviour every table shares: its engine, its card controls, the banner, the card
// flight, the unseen-card panel, the table music and the save button's work.
#include "tables/TableScreen.h"

#include "ui/Card.h"
#include "cards/CardCode.h"
#include "cards/HandRules.h"
#include "round/Speech.h"
#include "tables/TableWords.h"
#include "gui/App.h"
#include "tables/HandInPlayMarker.h"
#include "tables/ServiceChest.h"
#include "tables/TableHost.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quorvel {

namespace {
// The unseen-card numbers: yellow on an opaque box, so a new number covers the old one. The
// box (1.2 font sizes wide, one high) fits inside a grid cell, clear of its lines, and has the
// colour of its row on the panel picture, so that only the number shows.
constexpr FontSpec kCountsFont{10, false, colors::kYellow};
constexpr Color kCountsBoxes[4] = {{33, 53, 72}, {16, 36, 55}, {30, 48, 65}, {12, 29, 46}};
// Step of the count grid [px]: columns ace..king, rows spades, hearts, clubs, diamonds.
constexpr int kCountsColumnStep = 13;
constexpr int kCountsRowStep = 15;
constexpr int kCountsLeft = 2;
constexpr int kCountsTop = 5;
constexpr int kMusicTracks = 6; // "sound\main1.wav" .. "sound\main6.wav"

} // namespace

bool TableScreen::Act(const Action& input) {
    Action action = input;
    look_.BeforeAction(action, false);
    if (!engine_.Allowed(action))
        return Refused(action);
    if (action.Kind == ActionKind::Leave && host_.AsksBeforeLeaving(*this)) {
        host_.AskBeforeLeaving(*this, [this] { engine_.Apply(Action::Of(ActionKind::Leave)); });
        return false;
    }
    look_.BeforeAction(action, true);
    return engine_.Apply(action) || Refused(action);
}

// A button the user pressed in vain says so; the felt and the cards are no buttons.
bool TableScreen::Refused(const Action& action) {
    if (action.Kind != ActionKind::NextRound && action.Kind != ActionKind::Peek)
        GetApp().InputRefused({});
    return false;
}

// ---- records and cards ----

void TableScreen::CreateHandRecords(std::span<const HandRole> roles) {
    roles_.assign(roles.begin(), roles.end());
    roleNames_.clear();
    cards_.assign(roles.size(), {});
    // The hand marker lies under every card.
    handMarker_ = std::make_unique<HandInPlayMarker>(*this, background_);
    for (std::size_t i = 0; i < roles.size(); ++i) {
        roleNames_.emplace_back(roles[i].Name);
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            auto& card = Add<TCard>(roleNames_[i] + "." + std::to_string(slot), nullptr);
            card.Hide();
            cards_[i][static_cast<std::size_t>(slot - 1)] = &card;
        }
    }
}

std::size_t TableScreen::RoleIndex(int seat, int hand) const {
    for (std::size_t i = 0; i < roles_.size(); ++i)
        if (roles_[i].Seat == seat && roles_[i].Hand == hand)
            return i;
    throw std::out_of_range("no hand " + std::to_string(seat) + "." + std::to_string(hand));
}

const THandRecord& TableScreen::Record(int index) const {
    const HandRole& role = roles_.at(static_cast<std::size_t>(index));
    return engine_.At(role.Seat).Hand(role.Hand);
}

const THandRecord& TableScreen::RecordOf(std::string_view role) const {
    for (std::size_t i = 0; i < roleNames_.size(); ++i)
        if (roleNames_[i] == role)
            return Record(static_cast<int>(i));
    throw std::out_of_range("no hand record " + std::string(role));
}

TCard& TableScreen::Card(int seat, int hand, int slot) const {
    if (slot < 1 || slot > kHandSlots)
        throw std::out_of_range("hand slot " + std::to_string(slot));
    return *cards_[RoleIndex(seat, hand)][static_cast<std::size_t>(slot - 1)];
}

std::vector<std::string> TableScreen::HandLines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < roles_.size(); ++i) {
        const THandRecord& h = Record(static_cast<int>(i));
        std::string line =
            roleNames_[i] + " Name=\"" + h.Name + "\" Money=" + std::to_string(h.Money) +
            " Bet=" + std::to_string(h.Bet) + " Streak=" + std::to_string(h.Streak) +
            " Bonus=" + std::to_string(h.Bonus) + " HandValue=" + std::to_string(h.HandValue) +
            " CardCount=" + std::to_string(h.CardCount);
        for (int slot = 1; slot <= h.CardCount && slot <= kHandSlots; ++slot) {
            const std::string code = CardCode(h.Card(slot));
            const bool faceUp = cards_[i][static_cast<std::size_t>(slot - 1)]->FaceUp();
            line += faceUp ? " " + code : " [" + code + "]";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void TableScreen::HideAllCards() {
    for (const auto& hand : cards_)
        for (TCard* card : hand)
            card->Hide();
}

// ---- the view ----

void TableScreen::Announce(const Announcement& announcement) {
    const std::string text = SpokenText(engine_, announcement);
    if (text.empty())
        return;
    Refresh();
    Banner(text);
}

void TableScreen::Wait(Pause moment) {
    if (const int ms = look_.PauseMs(moment); ms > 0)
        delay(ms);
}

void TableScreen::ShowHand(int seat, int hand) {
    ShowHandText(seat, hand, HandText(engine_.At(seat).Hand(hand)));
}

void TableScreen::ClearHand(int seat, int hand) {
    ShowHandText(seat, hand, "");
}

void TableScreen::Banner(const std::string& text) {
    GetApp().PlaySound(kBannerSound);
    if (bannerText_) {
        bannerText_->SetCaption(text);
        bannerText_->Show();
    }
    if (bannerPicture_)
        bannerPicture_->Show();
    GetApp().TraceBanner(text);
    delay(look_.BannerMs());
    if (bannerText_)
        bannerText_->Hide();
    if (bannerPicture_)
        bannerPicture_->Hide();
}

void TableScreen::DealCard(int seat, int hand, int slot, bool faceUp) {
    TCard& card = Card(seat, hand, slot);
    card.SetCard(engine_.At(seat).Hand(hand).Card(slot));
    card.SetFaceUp(faceUp);
    const Point place = CardPlace(seat, hand, slot);
    FlyCard(card, place.x, place.y);
}

void TableScreen::TurnCard(int seat, int hand, int slot, bool faceUp) {
    TCard& card = Card(seat, hand, slot);
    card.SetCard(engine_.At(seat).Hand(hand).Card(slot));
    card.SetFaceUp(faceUp);
}

void TableScreen::SlidePair(int seat) {
    TCard& second = Card(seat, Seat::kSplit, 2);
    second.SetCard(engine_.At(seat).Split().Card(2));
    second.SetFaceUp(true);
    const Point place = CardPlace(seat, Seat::kSplit, 2);
    second.SetPosition(place.x, place.y);
    second.Show();
}

void TableScreen::HideCards(int seat, int hand, int count) {
    for (int slot = 1; slot <= count && slot <= kHandSlots; ++slot)
        Card(seat, hand, slot).Hide();
}

void TableScreen::delay(int ms) {
    GetApp().Delay(ms);
}

void TableScreen::FlyCard(TCard& card, int left, int top) {
    const Point shoe = ShoePoint();
    GetApp().PlaySound(kCardSound);
    card.SetPosition(shoe.x, shoe.y);
    card.Show();
    delay(10);
    const double dx = shoe.x - left;
    const double dy = shoe.y - top;
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    const int speed = flightSpeed_ > 0 ? flightSpeed_ : kFlightSpeeds[2];
    for (int e = d; e > 0;) {
        e = std::max(e - speed, 0);
        card.SetPosition(left + static_cast<int>(e * dx / d), top + static_cast<int>(e * dy / d));
        delay(1);
    }
}

void TableScreen::ShowCounts() {
    if (countsPanel_)
        countsPanel_->Show();
    if (!countsPicture_)
        return;
    // Only the numbers that changed are written again: the panel is redrawn after every card.
    const TCardCounts& unseen = engine_.Shoe().Unseen;
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank) {
            const int count = unseen.Count(row, static_cast<TCardValue>(rank));
            int& shown = shownCounts_[static_cast<std::size_t>((row - 1) * 13 + rank)];
            if (count == shown)
                continue;
            shown = count;
            countsPicture_->CanvasText(kCountsOrigin.x + kCountsColumnStep * rank + kCountsLeft,
                                       kCountsOrigin.y + kCountsTop + kCountsRowStep * (row - 1),
                                       std::to_string(count), kCountsFont, kCountsBoxes[row - 1]);
        }
}

void TableScreen::HideCounts() {
    if (countsPanel_)
        countsPanel_->Hide();
}

void TableScreen::LeaveToMainMenu() {
    host_.ReturnToMainMenu(*this);
}

void TableScreen::LeaveToPlayerSelection() {
    Hide();
    host_.ShowPlayerSelection();
}

void TableScreen::ShowOffers(std::span<const OfferControl> controls) {
    // The controls are looked up once: the buttons follow the offers after every step.
    if (offerMap_ != controls.data()) {
        offerMap_ = controls.data();
        offerControls_.clear();
        for (const OfferControl& oc : controls)
            if (Control* control = Find(oc.Control))
                offerControls_.emplace_back(oc.Action, control);
        ShowKeyHints();
    }
    const Offers& offers = engine_.Offered();
    for (auto [action, control] : offerControls_) {
        control->SetVisible(offers[action].Shown);
        control->SetEnabled(offers[action].Enabled);
    }
    if (services_)
        services_->FollowServices();
    FocusSwapEntry();
}

void TableScreen::ShowSeatLabels(std::span<const SeatLabel> labels) {
    for (const SeatLabel& l : labels) {
        const THandRecord& hand = engine_.At(l.Seat).Main();
        std::string text;
        switch (l.Field) {
        case SeatField::Money:
            text = std::to_string(hand.Money);
            break;
        case SeatField::Bet:
            text = BetText(engine_.At(l.Seat));
            break;
        case SeatField::Name:
            text = hand.Name;
            break;
        case SeatField::NameToBet:
            text = hand.Name + "下注： ";
            break;
        }
        SetLabelText(*this, l.Control, text);
    }
}

void TableScreen::ShowHandInPlay() {
    if (!handMarker_)
        return;
    const int hand = engine_.UserSplitHandInPlay();
    if (hand == 0)
        handMarker_->Hide();
    else
        handMarker_->Under(cards_[RoleIndex(engine_.Rules().UserSeat, hand)]);
}

void TableScreen::SetHandLabel(std::span<const HandLabel> labels, int seat, int hand,
                               const std::string& text) {
    for (const HandLabel& l : labels)
        if (l.Seat == seat && l.Hand == hand)
            SetLabelText(*this, l.Control, text);
}

// ---- set-up and hooks ----

void TableScreen::SetBannerControls(Image& picture, Label& text) {
    bannerPicture_ = &picture;
    bannerText_ = &text;
}

void TableScreen::SetCountsControls(Panel& panel, Image& picture) {
    countsPanel_ = &panel;
    countsPicture_ = &picture;
}

void TableScreen::SetBackgroundControl(Image& background) {
    background_ = &background;
}

void TableScreen::LoadBackground(const std::string& path) {
    backgroundPath_ = path;
    if (background_)
        background_->Load(path);
}

void TableScreen::ResetForMainMenu() {
    kept_.reset();
    look_.NewGame();
    HideAllCards();
    engine_.NewGame();
    // The next game starts from a new shoe; until its first deal there are no counts to show.
    HideCounts();
    for (const HandRole& role : roles_)
        ShowHandText(role.Seat, role.Hand, "");
    if (bannerText_)
        bannerText_->Hide();
    if (bannerPicture_)
        bannerPicture_->Hide();
    Refresh();
}

bool TableScreen::SaveGame() {
    const SaveContents contents = SaveState();
    const std::string error = host_.SaveRecord().Save(contents, host_.SaveFilePath());
    if (error.empty()) {
        kept_ = contents;
        GetApp().Note("已存檔");
        return true;
    }
    GetApp().ReportError(error);
    return false;
}

bool TableScreen::HasUnsavedPlay() const {
    if (engine_.RoundUnderway())
        return true;
    // Stakes count as money in a save, so bets alone lose nothing.
    return !kept_ || *kept_ != SaveState();
}

void TableScreen::SetFlightSpeed(int pixelsPerStep) {
    UseFlightSpeed(pixelsPerStep);
    host_.FlightSpeedChosen(pixelsPerStep);
}

void TableScreen::UseFlightSpeed(int pixelsPerStep) {
    flightSpeed_ = pixelsPerStep;
    const auto choice = std::find(kFlightSpeeds.begin(), kFlightSpeeds.end(), pixelsPerStep);
    look_.SetPace(choice == kFlightSpeeds.end()
                      ? 100
                      : kPacePercents[static_cast<std::size_t>(choice - kFlightSpeeds.begin())]);
}

SaveContents TableScreen::SaveBasics(int mode, int seats) const {
    SaveContents s;
    s.Mode = mode;
    s.Background = backgroundPath_;
    for (int i = 0; i <= seats; ++i) {
        const Seat& seat = engine_.At(i);
        s.Names[static_cast<std::size_t>(i)] = seat.Main().Name;
        // The stakes on the table count as money; after a split both bets are on it.
        s.Money[static_cast<std::size_t>(i)] = AddMoney(seat.Main().Money, seat.Staked());
    }
    return s;
}

void TableScreen::FormActivate() {
    StartTableMusic();
}

void TableScreen::FormDeactivate() {
    StopTableMusic();
}

void TableScreen::StartTableMusic() {
    host_.TableMusicOn() = true;
    const int n = host_.Random().Draw(DrawStream::Cosmetic, 1, kMusicTracks);
    PlayTrack("sound\\main" + std::to_string(n) + ".wav");
}

void TableScreen::PlayTrack(const std::string& track) {
    // The same track repeats for as long as the music flag stays set.
    GetApp().PlayMusic(track, [this, track] {
        if (host_.TableMusicOn())
            PlayTrack(track);
    });
}

void TableScreen::StopTableMusic() {
    host_.TableMusicOn() = false;
    GetApp().StopMusic();
}

} // namespace quorvel
