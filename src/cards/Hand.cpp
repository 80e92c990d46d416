// The cards of a hand, addressed by slot.
#include "cards/Hand.h"

#include <stdexcept>
#include <string>

namespace quorvel {

void THand::ThrowBadSlot(int slot) {
    throw std::out_of_range("hand slot " + std::to_string(slot));
}

} // namespace quorvel
