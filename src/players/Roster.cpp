// The roster of nine characters.
#include "players/Roster.h"

namespace quorvel {

namespace {
constexpr std::array<RosterEntry, 9> kRoster{{
    {"阿鐵", 1, 2, BetStyle::Heavy, true},
    {"朵朵", 2, 3, BetStyle::Medium, true},
    {"小帥哥", 3, 4, BetStyle::Light, true},
    {"星月", 4, 5, BetStyle::Light, true},
    {"美男子", 5, 6, BetStyle::Medium, true},
    {"酷哥", 6, 7, BetStyle::Medium, true},
    {"莎莉娃", 7, 8, BetStyle::Light, false},
    {"小雨", 8, 9, BetStyle::Light, true},
    {"阿墨", 9, 10, BetStyle::Light, false},
}};
} // namespace

const std::array<RosterEntry, 9>& Roster() {
    return kRoster;
}

const RosterEntry* FindCharacter(std::string_view name) {
    for (const RosterEntry& entry : kRoster)
        if (entry.Name == name)
            return &entry;
    return nullptr;
}

const RosterEntry* CharacterByFigure(int figure) {
    for (const RosterEntry& entry : kRoster)
        if (entry.Figure == figure)
            return &entry;
    return nullptr;
}

} // namespace quorvel
