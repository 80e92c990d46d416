// The odds advisor: exact counting over the unknown cards under the model told in Odds.h. The
// banker's face-down card is counted card by card (its suit can make a suited ace-jack), the
// draws after it by point class (cards/BankerDraws.h); standing and every card the user may
// take are walked through the banker's draws together, which keeps a decision below a frame.
#include "cards/Odds.h"

#include "cards/BankerDraws.h"
#include "cards/HandRules.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

using namespace odds;

constexpr int kCells = 52; // unseen-table rows x ranks
constexpr int kMaxCellCount = 4;

int CellOf(TShoeCard card) {
    return (TCardCounts::SuitRow(card.Suit) - 1) * 13 + card.Rank;
}
TShoeCard CellCard(int cell) {
    return {static_cast<TCardValue>(cell % 13), TCardCounts::RowSuit(cell / 13 + 1)};
}
int Points(int rank) { // rank [1-13], as the exchange rule counts it
    return rank >= 10 ? 10 : rank;
}

// The unknown cards by cell, the user's own face-down cards taken out.
std::array<int, kCells> UnknownCells(const OddsView& view) {
    std::array<int, kCells> cells{};
    for (int cell = 0; cell < kCells; ++cell) {
        const TShoeCard card = CellCard(cell);
        cells[cell] = std::clamp(view.Unseen.Of(card), 0, kMaxCellCount);
    }
    for (const TShoeCard& own : view.OwnFaceDown)
        if (cells[CellOf(own)] > 0)
            --cells[CellOf(own)];
    return cells;
}

using Earnings = std::array<double, kCodes>; // [money] by the banker's final code

// A user hand's earnings standing and after one more card of each class.
struct UserChoices {
    Earnings stand{};
    std::array<Earnings, kClasses> hit{};
    std::array<bool, kClasses> hitBusts{};
    bool canHit = false;
};

struct ActionValues {
    double stand = 0; // [money]
    double hit = 0;   // [money]; equal to stand when no card can be taken
};

// One banker face-down card, or several that lead to the same banker hand and the same cards
// left, with their number of ways.
struct HoleGroup {
    THand banker; // with this face-down card
    int holeClass = 0;
    bool isTarget = false; // the hole card is the swap's wanted card
    int ways = 0;
};

class Advisor {
public:
    explicit Advisor(const OddsView& view) : view_(view), cells_(UnknownCells(view)) {}

    const std::array<int, kCells>& Cells() const { return cells_; }

    // The banker's possible hands with its face-down card, grouped; targetCell -1 for none.
    std::vector<HoleGroup> HoleGroups(int targetCell) const {
        std::vector<HoleGroup> groups;
        for (int cell = 0; cell < kCells; ++cell) {
            if (cells_[cell] == 0)
                continue;
            THand banker;
            banker.Card(1) = CellCard(cell);
            banker.CardCount = 1;
            for (const TShoeCard& up : view_.BankerFaceUp)
                banker.Card(++banker.CardCount) = up;
            EvaluateHand(banker);
            const int cls = ClassOf(CellCard(cell).Rank);
            const bool target = cell == targetCell;
            auto same = std::find_if(groups.begin(), groups.end(), [&](const HoleGroup& g) {
                return g.holeClass == cls && g.isTarget == target &&
                       g.banker.HandValue == banker.HandValue;
            });
            if (same != groups.end())
                same->ways += cells_[cell];
            else
                groups.push_back({banker, cls, target, cells_[cell]});
        }
        return groups;
    }

    // The cards to come once the banker's face-down card is of class holeClass.
    DrawPool PoolWithout(int holeClass) const {
        DrawPool pool;
        for (int cell = 0; cell < kCells; ++cell)
            pool.count[ClassOf(CellCard(cell).Rank)] += static_cast<std::uint8_t>(cells_[cell]);
        --pool.count[holeClass];
        return pool;
    }

    // What a hand earns against each final banker code, standing and after one more card.
    UserChoices Choices(const THand& user) const {
        UserChoices choices;
        choices.stand = EarningsOf(user);
        choices.canHit = user.CardCount < kHandSlots;
        for (int cls = 0; cls < kClasses && choices.canHit; ++cls) {
            const THand drawn = WithCard(user, ClassCard(cls));
            choices.hitBusts[cls] = drawn.HandValue == kBustCode;
            choices.hit[cls] = EarningsOf(drawn);
        }
        return choices;
    }

    // Expected result of standing and of one more card, the banker's card unknown to the user.
    ActionValues Play(const UserChoices& user, const HoleGroup& group, const DrawPool& pool) {
        const int total = pool.Total();
        const bool canHit = total > 0 && user.canHit;
        std::array<bool, kLanes> lanes{};
        lanes[kStandLane] = true;
        for (int cls = 0; cls < kClasses && canHit; ++cls)
            lanes[1 + cls] = pool.count[cls] > 0 && !user.hitBusts[cls];
        lanes[kChainLane] = canHit && pool.chain > 0 && !user.hitBusts[pool.chainFirst];
        const LaneDists dists = trees_[TreeFor(group.banker, group.holeClass)].Walk(pool, lanes);
        ActionValues values;
        values.stand = Dot(user.stand, dists[kStandLane]);
        if (!canHit) {
            values.hit = values.stand;
            return values;
        }
        auto hit = [&](int cls, int ways, int lane) {
            const double result =
                user.hitBusts[cls] ? -double(view_.Bet) : Dot(user.hit[cls], dists[lane]);
            values.hit += result * ways / total;
        };
        for (int cls = 0; cls < kClasses; ++cls)
            if (pool.count[cls] > 0)
                hit(cls, pool.count[cls], 1 + cls);
        if (pool.chain > 0)
            hit(pool.chainFirst, pool.chain, kChainLane);
        return values;
    }

    // A swap's value for one landing row, remembered: rows and ranks that change the same
    // things (the class asked for, the new hand's value, the copies left, the banker's value
    // should its face-down card be that card) are worth the same.
    std::optional<double>& RowValue(const std::array<int, 5>& key) {
        for (auto& [known, value] : rows_)
            if (known == key)
                return value;
        rows_.push_back({key, std::nullopt});
        return rows_.back().second;
    }

private:
    // Same hole class and same two-card code: the same hand for every later draw.
    int TreeFor(const THand& banker, int holeClass) {
        const int key = holeClass * kCodes + banker.HandValue;
        for (std::size_t i = 0; i < treeKeys_.size(); ++i)
            if (treeKeys_[i] == key)
                return int(i);
        treeKeys_.push_back(key);
        trees_.emplace_back(banker);
        return int(trees_.size() - 1);
    }

    // What a finished user hand earns against each final banker code: a bust hand loses its
    // bet; otherwise the bonus, and the bet won, pushed or lost, the jackpot with a win.
    Earnings EarningsOf(const THand& user) const {
        const double bet = view_.Bet;
        Earnings earned{};
        const double bonus = bet * BonusMultiple(user);
        for (int code = 0; code < kCodes; ++code) {
            if (user.HandValue == kBustCode)
                earned[code] = -bet;
            else if (code == kBustCode || code < user.HandValue)
                earned[code] = bonus + bet + double(view_.JackpotOnWin);
            else
                earned[code] = code == user.HandValue ? bonus : bonus - bet;
        }
        return earned;
    }

    static double Dot(const Earnings& earned, const Dist& banker) {
        double sum = 0;
        for (int code = 0; code < kCodes; ++code)
            sum += earned[code] * banker[code];
        return sum;
    }

    const OddsView& view_;
    std::array<int, kCells> cells_;
    std::vector<int> treeKeys_;
    std::vector<BankerTree> trees_;
    std::vector<std::pair<std::array<int, 5>, std::optional<double>>> rows_;
};

struct Baseline {
    double expected = 0; // [money] playing without a service
    bool hitBetter = false;
    double withLook = 0; // [money] playing after a look
};

Baseline PlayWithoutService(Advisor& advisor, const UserChoices& hand) {
    double stand = 0, hit = 0, look = 0, ways = 0;
    for (const HoleGroup& group : advisor.HoleGroups(-1)) {
        const ActionValues v = advisor.Play(hand, group, advisor.PoolWithout(group.holeClass));
        stand += v.stand * group.ways;
        hit += v.hit * group.ways;
        look += std::max(v.stand, v.hit) * group.ways;
        ways += group.ways;
    }
    return {std::max(stand, hit) / ways, hit > stand, look / ways};
}

// The expected result after asking for `rank` [1-13], the fee not counted.
double PlayAfterSwap(Advisor& advisor, const OddsView& view, const UserChoices& unchanged, int rank,
                     double baseline) {
    const THand& hand = view.Hand;
    const TShoeCard old = hand.Card(1);
    if (hand.HardTotal + Points(rank) - Points(old.Rank + 1) >= 22)
        return baseline; // refused on every starting row
    const TCardValue wanted = static_cast<TCardValue>(rank - 1);
    std::array<int, 5> startsOfRow{}; // how many of the four starting rows end on each row
    for (int start = 1; start <= 4; ++start)
        ++startsOfRow[FirstEligibleRow(view.Unseen, wanted, start)];
    double result = baseline * startsOfRow[0] / 4.0;
    for (int row = 1; row <= 4; ++row) {
        if (startsOfRow[row] == 0)
            continue;
        const TShoeCard card{wanted, TCardCounts::RowSuit(row)};
        const int target = CellOf(card);
        THand swapped = hand;
        swapped.Card(1) = card;
        EvaluateHand(swapped);
        THand bankerOnTarget;
        bankerOnTarget.Card(1) = card;
        bankerOnTarget.CardCount = 1;
        for (const TShoeCard& up : view.BankerFaceUp)
            bankerOnTarget.Card(++bankerOnTarget.CardCount) = up;
        EvaluateHand(bankerOnTarget);
        std::optional<double>& rowValue =
            advisor.RowValue({ClassOf(wanted), swapped.HandValue, advisor.Cells()[target],
                              bankerOnTarget.HandValue, 0});
        if (!rowValue) {
            const UserChoices choices = advisor.Choices(swapped);
            // Summed over the banker's face-down card: stand and hit once it worked, and once
            // it failed because that card held the last undealt copy.
            double okStand = 0, okHit = 0, failStand = 0, failHit = 0, ways = 0;
            for (const HoleGroup& group : advisor.HoleGroups(target)) {
                DrawPool pool = advisor.PoolWithout(group.holeClass);
                const int undealt = advisor.Cells()[target] - (group.isTarget ? 1 : 0);
                ways += group.ways;
                if (undealt < 1) {
                    const ActionValues v = advisor.Play(unchanged, group, pool);
                    failStand += v.stand * group.ways;
                    failHit += v.hit * group.ways;
                    continue;
                }
                pool.count[ClassOf(wanted)] -= static_cast<std::uint8_t>(undealt);
                pool.chain = static_cast<std::uint8_t>(undealt);
                pool.chainFirst = static_cast<std::uint8_t>(ClassOf(old.Rank));
                pool.chainRest = static_cast<std::uint8_t>(ClassOf(wanted));
                const ActionValues v = advisor.Play(choices, group, pool);
                okStand += v.stand * group.ways;
                okHit += v.hit * group.ways;
            }
            rowValue = (std::max(okStand, okHit) + std::max(failStand, failHit)) / ways;
        }
        result += *rowValue * startsOfRow[row] / 4.0;
    }
    return result;
}

bool HasUnknownCard(const Advisor& advisor) {
    const auto& cells = advisor.Cells();
    return std::any_of(cells.begin(), cells.end(), [](int c) { return c > 0; });
}

} // namespace

std::optional<double> NextCardBustChance(const OddsView& view) {
    const THand& hand = view.Hand;
    if (hand.CardCount < 1 || hand.CardCount >= kHandSlots ||
        (hand.CardCount >= 2 && hand.HandValue == kBustCode))
        return std::nullopt;
    const std::array<int, kCells> cells = UnknownCells(view);
    int bust = 0, total = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (cells[cell] == 0)
            continue;
        total += cells[cell];
        if (WithCard(hand, CellCard(cell)).HandValue == kBustCode)
            bust += cells[cell];
    }
    if (total == 0)
        return std::nullopt;
    return double(bust) / total;
}

std::optional<double> BankerStandsChance(const OddsView& view) {
    if (view.BankerFaceUp.empty() || view.BankerFaceUp.size() >= std::size_t(kHandSlots))
        return std::nullopt;
    const Advisor advisor(view);
    int stands = 0, total = 0;
    for (const HoleGroup& group : advisor.HoleGroups(-1)) {
        total += group.ways;
        if (group.banker.HandValue >= 17)
            stands += group.ways;
    }
    if (total == 0)
        return std::nullopt;
    return double(stands) / total;
}

DecisionOdds AdviseDecision(const OddsView& view) {
    DecisionOdds odds;
    odds.Bust = NextCardBustChance(view);
    odds.BankerStands = BankerStandsChance(view);
    const THand& hand = view.Hand;
    if (!odds.BankerStands || hand.CardCount < 2 || hand.HandValue == kBustCode)
        return odds;
    Advisor advisor(view);
    if (!HasUnknownCard(advisor))
        return odds;
    const UserChoices unchanged = advisor.Choices(hand);
    const Baseline base = PlayWithoutService(advisor, unchanged);
    odds.Expected = base.expected;
    odds.HitBetter = base.hitBetter;
    odds.Look = ServiceOdds{view.LookFee, base.withLook - base.expected, 0};
    ServiceOdds swap{view.SwapFee, 0, 0};
    for (int rank = 1; rank <= 13; ++rank) {
        const double gain =
            PlayAfterSwap(advisor, view, unchanged, rank, base.expected) - base.expected;
        odds.SwapReturns[rank - 1] = gain;
        if (swap.Rank == 0 || gain > swap.Return)
            swap = ServiceOdds{view.SwapFee, gain, rank};
    }
    odds.Swap = swap;
    return odds;
}

} // namespace quorvel
