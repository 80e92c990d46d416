// Money is whole units in 32-bit signed integers, as the save file stores it. Every sum is
// computed in 64 bits and kept within the 32-bit range, so no amount can overflow.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace quorvel {

inline constexpr std::int32_t kStartingMoney = 500000;

constexpr std::int32_t ClampMoney(std::int64_t amount) {
    if (amount > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (amount < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(amount);
}
constexpr std::int32_t AddMoney(std::int32_t a, std::int64_t b) {
    // b is at most 2^63 - 1 in size; clamp it first so the sum cannot overflow either.
    return ClampMoney(std::int64_t{a} + ClampMoney(b));
}
constexpr std::int32_t SubMoney(std::int32_t a, std::int64_t b) {
    return ClampMoney(std::int64_t{a} - ClampMoney(b));
}
constexpr std::int32_t MulMoney(std::int32_t a, std::int32_t factor) {
    return ClampMoney(std::int64_t{a} * std::int64_t{factor});
}

// The raised bet offered after a won hand with bet b: none below 20000, 80000 for exactly
// 80000, otherwise twice the bet (kept within the 32-bit range).
constexpr std::optional<std::int32_t> RaisedBetOffer(std::int32_t bet) {
    if (bet < 20000)
        return std::nullopt;
    if (bet == 80000)
        return 80000;
    return MulMoney(bet, 2);
}

} // namespace quorvel
