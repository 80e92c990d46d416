// What a table shows of the round the engine plays on it. The engine tells, in small values,
// who says what, which cards move, which hand to describe, when to pause and what the round
// came to; this view shows it with the table's pieces: the banner, the hands' cards and their
// motion, the hand-in-play marker, the unseen-card panel, the seats' labels and the result
// dialog, and hands the round's ends to the game.
#pragma once

#include "round/TableView.h"

#include <memory>

namespace quorvel {

class CardMotion;
class HandCards;
class HandInPlayMarker;
class Image;
class ResultDialog;
class SeatLabels;
class TableBanner;
class TableScreen;
class UnseenCounts;

class TableRoundView : public TableView {
public:
    explicit TableRoundView(TableScreen& table);
    ~TableRoundView() override;

    // The marker and the hands' cards, on the table above its background; then, once the
    // table's controls exist, the banner, the unseen-card panel and the labels.
    void CreateHands(Image& background);
    void Build();

    HandCards& Hands() const { return *hands_; }
    CardMotion& Motion() const { return *motion_; }
    void SetDialog(ResultDialog& dialog) { dialog_ = &dialog; }
    // The seats' labels and the marker under the user's hand in play, as the round stands.
    void ShowSeats();
    // A new game: no banner, no counts, no hand descriptions, no cards.
    void Reset();

    // ---- the engine's view ----
    void Announce(const Announcement& announcement) override;
    void Wait(Pause moment) override;
    void DealCard(int seat, int hand, int slot, bool faceUp) override;
    void TurnCard(int seat, int hand, int slot, bool faceUp) override;
    void HideCards(int seat, int hand, int count) override;
    void SlidePair(int seat) override;
    void ShowHand(int seat, int hand) override;
    void ClearHand(int seat, int hand) override;
    void Refresh() override;
    void ShowCounts() override;
    void HideCounts() override;
    void ShowResult(const RoundResult& result) override;
    void HideResult() override;
    void ClearResultExtras() override;
    void RevealChips() override;
    void LeaveToMainMenu() override;
    void LeaveToPlayerSelection() override;
    void LeaveForChallenge() override;
    void WriteSave() override;
    void RoundSettled(const RoundRecord& round) override;
    // Every round a table plays is kept as it can be played again; the game decides where.
    bool KeepsRounds() const override { return true; }
    void RoundPlayed(const RoundLog& log) override;

private:
    TableScreen& table_;
    Image* background_ = nullptr; // the marker passes the pointer on to it
    std::unique_ptr<HandInPlayMarker> marker_;
    std::unique_ptr<HandCards> hands_;
    std::unique_ptr<CardMotion> motion_;
    std::unique_ptr<TableBanner> banner_;
    std::unique_ptr<UnseenCounts> counts_;
    std::unique_ptr<SeatLabels> labels_;
    ResultDialog* dialog_ = nullptr;
};

} // namespace quorvel
