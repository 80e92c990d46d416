// Short card codes used by test scripts and traces: rank A 2..10 J Q K followed by the suit
// letter C D H S ("AS", "10H", "QD").
#pragma once

#include "cards/CardValues.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// Accepts upper or lower case; nothing for anything that is not exactly one card.
std::optional<TShoeCard> ParseCardCode(std::string_view code);
std::string CardCode(TShoeCard card);

} // namespace quorvel
