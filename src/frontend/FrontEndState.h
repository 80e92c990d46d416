// What the front end remembers between screens for the whole run: who banks, how many seats,
// the characters chosen, and the desktop size read at start-up.
#pragma once

#include "players/Roster.h"

#include <array>
#include <cstdint>

namespace quorvel {

struct FrontEndState {
    std::int32_t BankerChoice = 0; // 1 the user challenges the banker, 2 the user banks
    std::int32_t TableSize = 0;    // 1 one-on-one, 2 many-against-one
    TCharacterPick PlayerPick;
    std::array<TCharacterPick, 3> OpponentPicks; // in the order picked
    std::int32_t OpponentCount = 0;              // [0-3]
    std::int32_t ScreenWidth = 0;                // [px] desktop, read at start-up
    std::int32_t ScreenHeight = 0;               // [px]
};

// The table code the save file stores [1-4], or 0 for a pair that names no table.
inline std::int32_t TableModeOf(std::int32_t tableSize, std::int32_t bankerChoice) {
    if ((tableSize != 1 && tableSize != 2) || (bankerChoice != 1 && bankerChoice != 2))
        return 0;
    return (tableSize - 1) * 2 + bankerChoice;
}

// Which opponent pick [1-3] becomes the banker when the table opens, 0 when the user banks:
// the one opponent at one-on-one, the second pick at three seats (the first sits left, the
// third right).
inline std::int32_t BankingPick(std::int32_t tableSize, std::int32_t bankerChoice) {
    if (bankerChoice != 1)
        return 0;
    return tableSize == 1 ? 1 : tableSize == 2 ? 2 : 0;
}

} // namespace quorvel
