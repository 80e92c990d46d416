// The cards of a hand, addressed by slot.
#include "cards/Hand.h"

#include <stdexcept>
#include <string>

namespace quorvel {

TShoeCard& THand::Card(int slot) {
    if (slot < 1 || slot > kHandSlots)
        throw std::out_of_range("hand slot " + std::to_string(slot));
    return Cards[static_cast<std::size_t>(slot - 1)];
}

const TShoeCard& THand::Card(int slot) const {
    return const_cast<THand&>(*this).Card(slot);
}

} // namespace quorvel
