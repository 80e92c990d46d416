// The odds advisor: the chances by counting cards, and the moves valued by playing the hand
// against every way the banker can finish (cards/OddsPlay.h), once for the cards as they are,
// once after a split and once for each different card a swap can bring.
#include "cards/Odds.h"

#include "cards/HandRules.h"
#include "cards/OddsBanker.h"
#include "cards/OddsDeck.h"
#include "cards/OddsPlay.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace quorvel {

namespace {

using namespace odds;

constexpr int kMaxCellCount = 4;
constexpr double kSameValue = 1e-7; // [money] values closer than this are worth the same

int Points(int rank) { // rank [1-13], as the exchange rule counts it
    return rank >= 10 ? 10 : rank;
}

// The unknown cards by cell, the user's own face-down cards taken out.
Cells UnknownCells(const OddsView& view) {
    Cells cells{};
    for (int cell = 0; cell < kCells; ++cell)
        cells[cell] = std::clamp(view.Unseen.Of(CellCard(cell)), 0, kMaxCellCount);
    for (const TShoeCard& own : view.OwnFaceDown)
        if (cells[CellOf(own)] > 0)
            --cells[CellOf(own)];
    return cells;
}

THand BankerWith(TShoeCard hole, const std::vector<TShoeCard>& faceUp) {
    THand banker;
    banker.Card(1) = hole;
    banker.CardCount = 1;
    for (const TShoeCard& up : faceUp)
        banker.Card(++banker.CardCount) = up;
    EvaluateHand(banker);
    return banker;
}

} // namespace

// The working memory of one advisor: the decks, the banker's outcomes and the user's play.
struct OddsAdvisor::Work {
    OddsView seen;
    const OddsView* view = &seen;
    DecisionOdds odds;
    int nextRank = 0; // the swap's rank to value next [1-13]; 0 when none is left
    ServiceOdds swap;
    Cells cells{};
    std::vector<int> exact; // a split pair's partner: its suit can make a suited ace-jack
    BankerOutcomes base;    // the cards as they are
    BankerOutcomes swapped; // after a swap
    HandPlay play;
    PlayRules rules; // the moves after a service
    PlayValues now;  // the hand played as it is
    double baseline = 0;
    // A swap's value for one landing row, remembered: rows and ranks that change the same
    // things (the class asked for, the new hand's value, the copies left, the banker's value
    // should its face-down card be that card) are worth the same.
    std::vector<std::pair<std::array<int, 4>, double>> rows;

    double PlayAfterSwap(int rank);
    double RowValue(const TShoeCard& card);
    double SplitValue(const Deck& deck);
};

OddsAdvisor::OddsAdvisor() : work_(std::make_unique<Work>()) {}
OddsAdvisor::~OddsAdvisor() = default;

// The expected result after asking for `rank` [1-13], the fee not counted.
double OddsAdvisor::Work::PlayAfterSwap(int rank) {
    const THand& hand = view->Hand;
    if (hand.HardTotal + Points(rank) - Points(hand.Card(1).Rank + 1) >= 22)
        return baseline; // refused on every starting row
    const TCardValue wanted = static_cast<TCardValue>(rank - 1);
    std::array<int, 5> startsOfRow{}; // how many of the four starting rows end on each row
    for (int start = 1; start <= 4; ++start)
        ++startsOfRow[FirstEligibleRow(view->Unseen, wanted, start)];
    double result = baseline * startsOfRow[0] / 4.0;
    for (int row = 1; row <= 4; ++row)
        if (startsOfRow[row] > 0)
            result += RowValue({wanted, TCardCounts::RowSuit(row)}) * startsOfRow[row] / 4.0;
    return result;
}

// The swap landing on `card`: it works when a copy is still undealt, and the user plays on
// with the new card; it fails when the banker's face-down card was the last copy, and the user
// then knows that card.
double OddsAdvisor::Work::RowValue(const TShoeCard& card) {
    const int target = CellOf(card);
    THand changed = view->Hand;
    changed.Card(1) = card;
    EvaluateHand(changed);
    const std::array<int, 4> key{ClassOf(card.Rank), changed.HandValue, cells[target],
                                 BankerWith(card, view->BankerFaceUp).HandValue};
    for (const auto& [known, value] : rows)
        if (known == key)
            return value;
    double value = baseline; // no copy unknown: it fails whatever the banker holds
    if (cells[target] > 0) {
        const SwapChain chain{target, view->Hand.Card(1)};
        const Deck deck(cells, exact, &chain);
        swapped.Build(deck, view->BankerFaceUp, false);
        PlayRules after = rules;
        after.byHole = false;
        value = swapped.Size() > 0 ? play.Evaluate(changed, deck, swapped, after).best : 0.0;
        if (cells[target] == 1) {
            const int bin = base.binOfCell[target];
            value += now.bestByHole[bin] * cells[target] / base.bins[bin].ways;
        }
    }
    rows.push_back({key, value});
    return value;
}

// Both hands of a split, each its twin and a new face-down card.
double OddsAdvisor::Work::SplitValue(const Deck& deck) {
    THand twin;
    twin.Card(1) = view->Hand.Card(2);
    twin.CardCount = 1;
    PlayRules each;
    each.bet = view->Bet;
    each.doubles = view->MayDoubleSplitHands;
    each.firstCardForced = true;
    return 2 * play.Evaluate(twin, deck, base, each).best;
}

std::optional<double> NextCardBustChance(const OddsView& view) {
    const THand& hand = view.Hand;
    if (hand.CardCount < 1 || hand.CardCount >= kHandSlots ||
        (hand.CardCount >= 2 && hand.HandValue == kBustCode))
        return std::nullopt;
    const Cells cells = UnknownCells(view);
    int bust = 0, total = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (cells[cell] == 0)
            continue;
        THand next = hand;
        next.Card(++next.CardCount) = CellCard(cell);
        EvaluateHand(next);
        total += cells[cell];
        if (next.HandValue == kBustCode)
            bust += cells[cell];
    }
    if (total == 0)
        return std::nullopt;
    return double(bust) / total;
}

std::optional<double> BankerStandsChance(const OddsView& view) {
    if (view.BankerFaceUp.empty() || view.BankerFaceUp.size() >= std::size_t(kHandSlots))
        return std::nullopt;
    const Cells cells = UnknownCells(view);
    int stands = 0, total = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (cells[cell] == 0)
            continue;
        total += cells[cell];
        if (BankerWith(CellCard(cell), view.BankerFaceUp).HandValue >= 17)
            stands += cells[cell];
    }
    if (total == 0)
        return std::nullopt;
    return double(stands) / total;
}

DecisionOdds OddsAdvisor::Advise(const OddsView& view) {
    Start(view);
    while (!Continue()) {
    }
    return work_->odds;
}

const DecisionOdds& OddsAdvisor::Odds() const {
    return work_->odds;
}

void OddsAdvisor::Start(const OddsView& view) {
    Work& w = *work_;
    w.seen = view;
    w.odds = DecisionOdds{};
    w.nextRank = 0;
    DecisionOdds& odds = w.odds;
    odds.Bust = NextCardBustChance(view);
    odds.BankerStands = BankerStandsChance(view);
    const THand& hand = view.Hand;
    if (!odds.BankerStands || hand.CardCount < 2 || hand.HandValue == kBustCode)
        return;
    w.cells = UnknownCells(view);
    const MoveSet& offered = view.Offered;
    const bool splitting = offered.Has(Move::Split) || offered.Has(Move::NoSplit);
    // Only a split hand's first card makes a two-card hand with a card drawn; the banker's
    // face-down card is taken cell by cell (OddsBanker.cpp).
    w.exact.clear();
    if (splitting)
        w.exact.push_back(PartnerCell(hand.Card(2)));
    const Deck deck(w.cells, w.exact);
    const bool byHole = offered.Has(Move::Look) || offered.Has(Move::Swap);
    w.base.Build(deck, view.BankerFaceUp, byHole);

    // The hand as it is, with the moves that buy nothing; a declined split plays on so.
    PlayRules& rules = w.rules;
    rules = PlayRules{};
    rules.bet = view.Bet;
    rules.jackpot = double(view.JackpotOnWin);
    rules.doubledJackpot = double(view.JackpotOnDoubledWin);
    rules.stand = splitting || offered.Has(Move::Stand);
    rules.hit = splitting || offered.Has(Move::Hit);
    rules.doubles = offered.Has(Move::Double) || (splitting && view.MayDoubleUnsplit);
    rules.byHole = byHole;
    rules.oneCardOnly = view.OneCardOnly;
    w.now = w.play.Evaluate(hand, deck, w.base, rules);
    w.baseline = w.now.best;
    odds.Expected = w.baseline;
    const auto set = [&](Move move, double value) {
        if (offered.Has(move))
            odds.Values[std::size_t(move)] = value;
    };
    set(Move::Stand, w.now.stand);
    if (rules.hit && hand.CardCount < kHandSlots)
        set(Move::Hit, w.now.hit);
    if (rules.doubles && hand.CardCount == 2)
        set(Move::Double, w.now.doubles);
    if (offered.Has(Move::Look)) {
        const double known = std::accumulate(w.now.bestByHole.begin(), w.now.bestByHole.end(), 0.0);
        odds.Look = ServiceOdds{view.LookFee, known - w.baseline, 0};
        set(Move::Look, known - view.LookFee);
    }
    if (splitting) {
        set(Move::NoSplit, w.baseline);
        set(Move::Split, w.SplitValue(deck));
    }
    if (offered.Has(Move::Swap)) {
        w.rows.clear();
        w.swap = ServiceOdds{view.SwapFee, 0, 0};
        w.nextRank = 1;
    }
}

bool OddsAdvisor::Continue() {
    Work& w = *work_;
    DecisionOdds& odds = w.odds;
    if (w.nextRank > 0) {
        const int rank = w.nextRank;
        const double gain = w.PlayAfterSwap(rank) - w.baseline;
        odds.SwapReturns[rank - 1] = gain;
        if (w.swap.Rank == 0 || gain > w.swap.Return + kSameValue)
            w.swap = ServiceOdds{w.view->SwapFee, gain, rank};
        w.nextRank = rank < 13 ? rank + 1 : 0;
        if (w.nextRank > 0)
            return false;
        odds.Swap = w.swap;
        odds.Values[std::size_t(Move::Swap)] = w.baseline + w.swap.Return - w.view->SwapFee;
    }
    // Ties go to the move listed first: the simplest, the one that buys nothing.
    if (!odds.Best)
        for (int m = 0; m < kMoves; ++m) {
            const std::optional<double>& value = odds.Values[std::size_t(m)];
            if (value && (!odds.Best || *value > *odds.ValueOf(*odds.Best) + kSameValue))
                odds.Best = static_cast<Move>(m);
        }
    return true;
}

DecisionOdds AdviseDecision(const OddsView& view) {
    OddsAdvisor advisor;
    return advisor.Advise(view);
}

} // namespace quorvel
