// Wording an announcement from the table's rules and the seats' names.
#include "round/Speech.h"

#include "round/RoundEngine.h"

namespace quorvel {

std::string SpokenText(const RoundEngine& engine, const Announcement& a) {
    const TableRules& rules = engine.Rules();
    if (a.Id == Say::Bonus || a.Id == Say::Jackpot) {
        const THandRecord& hand = engine.At(a.Seat).Hand(a.Hand);
        const BonusWording& words = *rules.Bonus;
        if (a.Id == Say::Bonus)
            return "恭喜" + hand.Name + words.Middle[hand.Kind] + std::to_string(a.Amount) + "元";
        return std::string(words.JackpotOpening) + hand.Name + "中獎了，獲得獎金" +
               std::to_string(a.Amount) + "元";
    }
    SayParts parts;
    parts.User = engine.HasUser() ? std::string_view(engine.User().Main().Name) : "";
    parts.Banker = engine.Banker().Main().Name;
    parts.Seat = engine.At(a.Seat).Main().Name;
    // A claim is repaid under the name its seat had when the round began.
    parts.Creditor = engine.At(a.Seat).Debt.Name;
    parts.Amount = a.Amount;
    // A seat that words this sentence its own way, or keeps silent.
    for (const SeatWording& w : rules.SeatWordings)
        if (w.Seat == a.Seat && w.Id == a.Id) {
            if (!w.Text)
                return {};
            WordingTable one{};
            one[static_cast<std::size_t>(a.Id)] = w.Text;
            return Format(one, a.Id, parts);
        }
    return Format(*rules.Wording, a.Id, parts);
}

} // namespace quorvel
