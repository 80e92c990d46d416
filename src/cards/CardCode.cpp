// Card codes for scripts and traces: "AS", "10H", "QD".
#include "cards/CardCode.h"

#include <array>
#include <cctype>

namespace quorvel {

namespace {
constexpr std::array<const char*, 13> kRanks{"A", "2", "3",  "4", "5", "6", "7",
                                             "8", "9", "10", "J", "Q", "K"};
constexpr std::array<char, 4> kSuits{'C', 'D', 'H', 'S'};
} // namespace

std::optional<TShoeCard> ParseCardCode(std::string_view code) {
    if (code.size() < 2 || code.size() > 3)
        return std::nullopt;
    std::string upper;
    for (char c : code)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string rank = upper.substr(0, upper.size() - 1);
    const char suit = upper.back();
    TShoeCard card;
    bool found = false;
    for (std::size_t i = 0; i < kRanks.size(); ++i)
        if (rank == kRanks[i]) {
            card.Rank = static_cast<TCardValue>(i);
            found = true;
        }
    if (!found)
        return std::nullopt;
    for (std::size_t i = 0; i < kSuits.size(); ++i)
        if (suit == kSuits[i])
            return TShoeCard{card.Rank, static_cast<TCardSuit>(i)};
    return std::nullopt;
}

std::string CardCode(TShoeCard card) {
    if (card.Rank > cvKing || card.Suit > csSpade)
        return "??";
    return std::string(kRanks[card.Rank]) + kSuits[card.Suit];
}

} // namespace quorvel
