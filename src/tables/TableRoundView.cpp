// The round shown with the table's pieces.
#include "tables/TableRoundView.h"

#include "cards/HandRules.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "round/Speech.h"
#include "tables/CardMotion.h"
#include "tables/HandCards.h"
#include "tables/HandInPlayMarker.h"
#include "tables/ResultDialog.h"
#include "tables/RoundLook.h"
#include "tables/SeatLabels.h"
#include "tables/TableBanner.h"
#include "tables/TableHost.h"
#include "tables/TableScreen.h"
#include "tables/TableWords.h"
#include "tables/UnseenCounts.h"

namespace quorvel {

TableRoundView::TableRoundView(TableScreen& table) : table_(table) {}

TableRoundView::~TableRoundView() = default;

void TableRoundView::CreateHands(Image& background) {
    background_ = &background;
    // The hand marker lies under every card.
    marker_ = std::make_unique<HandInPlayMarker>(table_, background_);
    const TableDesign& design = table_.Design();
    hands_ = std::make_unique<HandCards>(table_, table_.Engine(), design.Hands);
    motion_ = std::make_unique<CardMotion>(table_.GetApp(), table_.Engine(), *hands_, design.Cards,
                                           design.Slide);
}

void TableRoundView::Build() {
    banner_ = std::make_unique<TableBanner>(table_.GetApp(), table_.Get<Image>(TableRole::Banner),
                                            table_.Get<Label>(TableRole::BannerText));
    counts_ = std::make_unique<UnseenCounts>(table_.Get<Panel>(TableRole::CountsPanel),
                                             table_.Get<Image>(TableRole::CountsPicture));
    labels_ = std::make_unique<SeatLabels>(table_.Engine(), [this](TableRole role) {
        return table_.Has(role) ? &table_.Get<Label>(role) : nullptr;
    });
}

void TableRoundView::ShowSeats() {
    labels_->Show();
    // While the user plays two hands after a split, the marker lies under the hand in play, and
    // while the swap panel is open under the hand the swap goes to.
    const RoundEngine& round = table_.Engine();
    const bool swapping = round.Offered()[ActionKind::ConfirmSwap].Shown;
    const int inPlay = round.UserSplitHandInPlay();
    const int hand = inPlay != 0 && swapping ? round.SwapTarget() : inPlay;
    if (hand == 0)
        marker_->Hide();
    else
        marker_->Under(hands_->CardsOf(round.Rules().UserSeat, hand));
}

void TableRoundView::Reset() {
    hands_->HideAll();
    // The next game starts from a new shoe; until its first deal there are no counts to show.
    counts_->Hide();
    labels_->ClearHands();
    banner_->Hide();
}

// ---- the engine's view ----

void TableRoundView::Announce(const Announcement& announcement) {
    const std::string text = SpokenText(table_.Engine(), announcement);
    if (text.empty())
        return;
    table_.Refresh();
    banner_->Announce(text, table_.Look().BannerMs());
}

void TableRoundView::Wait(Pause moment) {
    if (const int ms = table_.Look().PauseMs(moment); ms > 0)
        table_.GetApp().Delay(ms);
}

void TableRoundView::DealCard(int seat, int hand, int slot, bool faceUp) {
    motion_->Deal(seat, hand, slot, faceUp);
}

void TableRoundView::TurnCard(int seat, int hand, int slot, bool faceUp) {
    motion_->Turn(seat, hand, slot, faceUp);
}

void TableRoundView::HideCards(int seat, int hand, int count) {
    hands_->Hide(seat, hand, count);
}

void TableRoundView::SlidePair(int seat) {
    motion_->SlidePair(seat);
}

void TableRoundView::ShowHand(int seat, int hand) {
    const Seat& at = table_.Engine().At(seat);
    std::string text = HandText(at.Hand(hand));
    if (table_.Design().NamesSplitHands && at.HandCount == 2 && !text.empty())
        text = std::string(hand == Seat::kMain ? kMainHandName : kSplitHandName) + " " + text;
    labels_->ShowHand(seat, hand, text);
}

void TableRoundView::ClearHand(int seat, int hand) {
    labels_->ShowHand(seat, hand, "");
}

void TableRoundView::Refresh() {
    table_.Refresh();
}

void TableRoundView::ShowCounts() {
    counts_->Show(table_.Engine().Shoe().Unseen);
}

void TableRoundView::HideCounts() {
    counts_->Hide();
}

void TableRoundView::ShowResult(const RoundResult& result) {
    if (dialog_)
        dialog_->ShowRound(ResultLines(table_.Engine(), result), result.RoundNumber);
}

void TableRoundView::HideResult() {
    if (dialog_)
        dialog_->Hide();
}

void TableRoundView::ClearResultExtras() {
    if (dialog_)
        dialog_->ClearRoundLines();
}

void TableRoundView::RevealChips() {
    table_.RevealChips();
}

void TableRoundView::LeaveToMainMenu() {
    table_.Host().ReturnToMainMenu(table_);
}

void TableRoundView::LeaveToPlayerSelection() {
    table_.Hide();
    table_.Host().ShowPlayerSelection();
}

void TableRoundView::LeaveForChallenge() {
    table_.LeaveForChallenge();
}

void TableRoundView::WriteSave() {
    table_.Saving().Save(table_.GetApp());
}

void TableRoundView::RoundSettled(const RoundRecord& round) {
    table_.Host().RoundSettled(round);
}

void TableRoundView::RoundPlayed(const RoundLog& log) {
    table_.Host().RoundPlayed(log);
}

} // namespace quorvel
