// THand: the cards of one hand and what they are worth. The rules of the hand (its value, its
// special kind, dealing into it, steering and swapping its cards) work on this part alone; a
// seat's hand record adds the money, bet, outcome and name around it.
#pragma once

#include "cards/CardValues.h"

#include <array>
#include <cstdint>

namespace quorvel {

inline constexpr int kHandSlots = 19; // card places of a hand

struct THand {
    std::int32_t HandValue = 1;                // value code: 0 bust, 2..21 total, 22..28 special
    std::int32_t CardCount = 0;                // [0-19]
    std::uint8_t Kind = 8;                     // THandKind ordinal, 8 none
    std::array<TShoeCard, kHandSlots> Cards{}; // slots 1..19 at indices 0..18
    std::int32_t AceCount = 0;
    std::int32_t HardTotal = 1; // point sum with aces as 1

    // The card in slot [1-19]; throws std::out_of_range outside.
    TShoeCard& Card(int slot) {
        if (slot < 1 || slot > kHandSlots)
            ThrowBadSlot(slot);
        return Cards[static_cast<std::size_t>(slot - 1)];
    }
    const TShoeCard& Card(int slot) const { return const_cast<THand&>(*this).Card(slot); }

private:
    [[noreturn]] static void ThrowBadSlot(int slot);
};

} // namespace quorvel
