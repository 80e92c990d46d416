// What the round asks of the table screen it is played on. The screen owns the cards on the
// felt, the labels, the banner and the result dialog; the round only says what happens. The
// blocking waits of the game live inside these calls: a banner holds the game for its time,
// a card flies before the call returns. Seats are numbered 0 for the banker and 1..3.
#pragma once

#include "players/Statistics.h"
#include "round/Action.h"

#include <string>
#include <vector>

namespace quorvel {

// The figures of one round for the result dialog: one line per side of the table.
struct ResultLine {
    std::string Title; // "莊家", "玩家", "玩家1" ..
    std::string Name;
    std::int64_t Change = 0;            // money now against money at round start [money]
    std::vector<std::string> HandLines; // "牌值： ..." or "第1手牌： ..", "第2手牌： .."
    std::int64_t Bonus = 0;             // bonuses and jackpot of the round [money]

    // The dialogs' money line, "TITLE  NAME贏：N" or "TITLE  NAME輸：N"; a change of 0 reads as
    // a win of 0.
    std::string MoneyText() const {
        return Title + "  " + Name + (Change >= 0 ? "贏：" : "輸：") +
               std::to_string(Change >= 0 ? Change : -Change);
    }
};
struct RoundResult {
    std::vector<ResultLine> Lines; // the banker first, then the seats in order
    int RoundNumber = 0;
};

class TableView {
public:
    virtual ~TableView() = default;

    // ---- pacing ----
    // Shows a text in the banner, with its sound, and holds the game while it shows.
    virtual void Announce(const std::string& text) = 0;
    // Holds the game for `ms`, handling clicks meanwhile [ms].
    virtual void Wait(int ms) = 0;

    // ---- cards ----
    // The card in `slot` [1-19] of a hand [1 main, 2 split] flies from the shoe to its place.
    virtual void DealCard(int seat, int hand, int slot, bool faceUp) = 0;
    virtual void TurnCard(int seat, int hand, int slot, bool faceUp) = 0;
    // Hides the cards of the hand's slots 1..count.
    virtual void HideCards(int seat, int hand, int count) = 0;
    // A split: the pair's second card slides over to start the split hand, and the main hand
    // keeps the other card of the pair. The new face-down first cards are dealt afterwards.
    virtual void SlidePair(int seat) = 0;
    // Shows (or, with an empty text, clears) a hand's description.
    virtual void ShowHandText(int seat, int hand, const std::string& text) = 0;

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

    // ---- statistics ----
    // A round was settled: what it adds to the user's statistics. Sent once per round, after
    // the result dialog shows and before the checks that may end the game.
    virtual void RoundSettled(const RoundRecord& /*round*/) {}
};

} // namespace quorvel
