// What the round asks of the table screen it is played on. The round tells what happens, in
// small values: who says what, which hand to describe, which moment to pause at, which cards to
// move; the screen decides how it looks and sounds and how long it takes. The blocking waits of
// the game live inside these calls: a banner holds the game for its time, a card flies before
// the call returns. Seats are numbered 0 for the banker and 1..3.
#pragma once

#include "players/Statistics.h"
#include "round/Action.h"
#include "round/Wording.h"

#include <array>
#include <cstdint>

namespace quorvel {

struct RoundLog;

// Something the table says: the sentence, the seat it is about [0-3], an amount [money], and
// for a bonus the hand that earned it [1 main, 2 split]. The screen words it by its table.
struct Announcement {
    quorvel::Say Id = quorvel::Say::kCount;
    int Seat = 0;
    std::int64_t Amount = 0;
    int Hand = 1;
};

// The moments a round pauses at; each table decides how long [ms], and 0 is no pause at all.
enum class Pause : std::uint8_t {
    BetweenDealtCards,      // between the first and second cards of the deal
    BeforeDeal,             // between the last bet and the first card
    SplitHandsTurned,       // after turning the first of a seat's two hands
    Peek,                   // a peeked card shows
    BeforeOpenAtBust,       // every hand of the user's is bust: before the banker opens
    Look,                   // the bought look shows the cards
    BeforeGameEnds,         // the result shows before a game ends or goes on to a challenge
    BeforeNextBets,         // before the user is asked to bet again
    TableOpens,             // a table shows before it speaks, at a challenge and back
    BetweenSeatSettlements, // between the seats' settlements
    kCount
};
inline constexpr std::size_t kPauseCount = static_cast<std::size_t>(Pause::kCount);

// The figures of one round for the result dialog, the banker first, then the seats in order:
// each side's money now against its money at the round's start, and its bonuses and jackpot
// [money]. The screen reads the hands and names from the table and words the lines.
struct RoundResult {
    struct Side {
        std::int64_t Change = 0;
        std::int64_t Bonus = 0;
    };
    std::array<Side, 4> Sides{};
    int RoundNumber = 0;
};

class TableView {
public:
    virtual ~TableView() = default;

    // ---- pacing ----
    // Shows what the table says in the banner, with its sound, and holds the game while it
    // shows; nothing when the table has no words for it.
    virtual void Announce(const Announcement& announcement) = 0;
    // Holds the game for the table's length of `moment`, handling clicks meanwhile.
    virtual void Wait(Pause moment) = 0;

    // ---- cards ----
    // The card in `slot` [1-19] of a hand [1 main, 2 split] flies from the shoe to its place.
    virtual void DealCard(int seat, int hand, int slot, bool faceUp) = 0;
    virtual void TurnCard(int seat, int hand, int slot, bool faceUp) = 0;
    // Hides the cards of the hand's slots 1..count.
    virtual void HideCards(int seat, int hand, int count) = 0;
    // A split: the pair's second card slides over to start the split hand, and the main hand
    // keeps the other card of the pair. The new face-down first cards are dealt afterwards.
    virtual void SlidePair(int seat) = 0;
    // Describes a hand as it stands now, or clears its description.
    virtual void ShowHand(int seat, int hand) = 0;
    virtual void ClearHand(int seat, int hand) = 0;

    // ---- the rest of the table ----
    // The round's state changed: the buttons, the money and bet labels follow the engine.
    virtual void Refresh() = 0;
    // The unseen-card panel, shown with the current counts, or hidden.
    virtual void ShowCounts() = 0;
    virtual void HideCounts() = 0;
    virtual void ShowResult(const RoundResult& result) = 0;
    virtual void HideResult() = 0;
    // The next deal clears the dialog's lines that a round without them must not carry over.
    virtual void ClearResultExtras() = 0;
    // The chips appear one after the other, as when a game starts.
    virtual void RevealChips() = 0;

    // ---- leaving the table ----
    virtual void LeaveToMainMenu() = 0;
    virtual void LeaveToPlayerSelection() = 0;
    // The user's winning streak takes the user on to a one-on-one challenge of the banker; a
    // table without a challenge never gets this.
    virtual void LeaveForChallenge() {}
    // Writes the save file; a failure is reported to the user.
    virtual void WriteSave() = 0;

    // ---- what a round leaves ----
    // A round was settled: what it adds to the user's statistics. Sent once per round, after
    // the result dialog shows and before the checks that may end the game.
    virtual void RoundSettled(const RoundRecord& /*round*/) {}
    // Whether the view counts rounds at all: one that does not (a simulation reads what it
    // needs from the table) is sent no records, and the round makes none.
    virtual bool KeepsStatistics() const { return true; }
    // The same round as it can be played again: its start, who did what, and the money after
    // it. Sent right after RoundSettled, only while the view keeps rounds.
    virtual bool KeepsRounds() const { return false; }
    virtual void RoundPlayed(const RoundLog& /*log*/) {}
};

} // namespace quorvel
