// The nine characters who can sit at a table, in the order of the selection screens, and the
// names each table's records carry before a game sets them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

enum class BetStyle { Heavy, Medium, Light };

struct RosterEntry {
    std::string_view Name; // UTF-8
    int Number;            // [1-9], order on the selection screens
    int Figure;            // [2-10], the selection screens' figure number
    BetStyle Style;
    bool SteersFaceDownCard;
};

// A chosen character: the name shown at the table, the portrait the table shows for it, and
// its number on the selection screens [2-10].
struct TCharacterPick {
    std::string PickName;
    std::string PickPicture;
    std::int32_t PickFigure = 0;
};

const std::array<RosterEntry, 9>& Roster();
// Nothing for a name outside the roster (the player's own default names included).
const RosterEntry* FindCharacter(std::string_view name);
const RosterEntry* CharacterByFigure(int figure);

// Names given when a table screen is created.
struct DefaultTableNames {
    std::string_view Banker;
    std::array<std::string_view, 3> Seats; // unused seats empty
};
inline constexpr DefaultTableNames kOneSeatChallengeNames{"小帥哥", {"閒家", "", ""}};
inline constexpr DefaultTableNames kOneSeatBankerNames{"莊家", {"阿鐵", "", ""}};
inline constexpr DefaultTableNames kThreeSeatChallengeNames{"阿鐵", {"美男子", "本家", "小帥哥"}};
inline constexpr DefaultTableNames kThreeSeatBankerNames{"莊家", {"阿鐵", "美男子", "小帥哥"}};

} // namespace quorvel
