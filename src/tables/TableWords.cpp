// The tables' pause lengths, result lines and bet labels.
#include "tables/TableWords.h"

#include "cards/HandRules.h"
#include "round/RoundEngine.h"

namespace quorvel {

std::array<int, kPauseCount> PausesOfMode(TableMode mode) {
    std::array<int, kPauseCount> ms{};
    const auto set = [&ms](Pause moment, int length) {
        ms[static_cast<std::size_t>(moment)] = length;
    };
    set(Pause::BetweenDealtCards, 1000);
    set(Pause::SplitHandsTurned, 1000);
    set(Pause::Peek, 1000);
    set(Pause::BeforeOpenAtBust, 1000);
    set(Pause::Look, 2000);
    set(Pause::BeforeGameEnds, 2000);
    set(Pause::BeforeNextBets, 1000);
    set(Pause::TableOpens, 1000);
    // The three-seat challenge table settles seat by seat; the three-seat banker's table waits
    // a moment between the last bet and the deal.
    if (mode == TableMode::ThreeSeatChallenge)
        set(Pause::BetweenSeatSettlements, 1000);
    if (mode == TableMode::ThreeSeatBanker)
        set(Pause::BeforeDeal, 1000);
    return ms;
}

std::string ResultLine::MoneyText() const {
    return Title + "  " + Name + (Change >= 0 ? "贏：" : "輸：") +
           std::to_string(Change >= 0 ? Change : -Change);
}

std::string ResultLine::BonusText() const {
    return "獎金： " + std::to_string(Bonus);
}

std::vector<ResultLine> ResultLines(const RoundEngine& engine, const RoundResult& result) {
    static const char* const kSeatTitles[3] = {"玩家1", "玩家2", "玩家3"};
    std::vector<ResultLine> lines;
    for (int seat = 0; seat <= engine.Seats(); ++seat) {
        const Seat& s = engine.At(seat);
        const RoundResult::Side& side = result.Sides[static_cast<std::size_t>(seat)];
        ResultLine l;
        l.Title = seat == 0 ? "莊家" : engine.Seats() == 1 ? "玩家" : kSeatTitles[seat - 1];
        l.Name = s.Main().Name;
        l.Change = side.Change;
        l.Bonus = side.Bonus;
        if (s.HandCount == 1) {
            l.HandLines.push_back("牌值： " + HandResultText(s.Main()));
        } else {
            l.HandLines.push_back("第1手牌： " + HandResultText(s.Main()));
            l.HandLines.push_back("第2手牌： " + HandResultText(s.Split()));
        }
        lines.push_back(std::move(l));
    }
    return lines;
}

std::string BetText(const Seat& seat) {
    if (seat.BetStarred && seat.HandCount == 2)
        return std::to_string(seat.Staked()) + "*";
    return std::to_string(seat.Main().Bet);
}

} // namespace quorvel
