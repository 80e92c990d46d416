// The roles' names, in the order of the enumeration, and the seat-indexed roles.
#include "tables/TableRoles.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {
// Every role's name, in the order of the enumeration, a space after each but the last.
constexpr std::string_view kNameList =
    "Background Logo Banner BannerText CountsPanel CountsPicture Chip1000 Chip5000 Chip10000 "
    "TakeBack TakeRaise FinishBets BonusTable BonusPicture BonusTip Deal Hit Stand Double "
    "Open Split NoSplit Pass Chest Look Swap CloseServices LookTip SwapTip CloseTip "
    "SwapPanel SwapWords SwapRank SwapOk SwapTarget Speed SpeedFast SpeedMiddle SpeedSlow "
    "Save Back Exit BankerPortrait Seat1Portrait Seat2Portrait Seat3Portrait BankerMoney "
    "Seat1Money Seat2Money Seat3Money Seat1Bet Seat2Bet Seat3Bet BankerName Seat1Name "
    "Seat2Name Seat3Name Seat1NameToBet Seat2NameToBet Seat3NameToBet BankerHand Seat1Hand "
    "Seat2Hand Seat3Hand Seat1Split Seat2Split Seat3Split";

// The `n`th [0-] name of the list.
constexpr std::string_view NthName(std::size_t n) {
    std::size_t from = 0;
    for (; n > 0; --n)
        from = kNameList.find(' ', from) + 1;
    return kNameList.substr(from, kNameList.find(' ', from) - from);
}
constexpr auto kNames = [] {
    std::array<std::string_view, kTableRoles> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = NthName(i);
    return names;
}();
static_assert(std::count(kNameList.begin(), kNameList.end(), ' ') + 1 == kTableRoles &&
                  kNames.back() == "Seat3Split",
              "a name for every role, in order");

// The roles of each seat's things, by seat [0 the banker, 1-3]: money, bet, name, name before
// the bet, portrait, main hand, split hand. The banker takes no bet and plays no split hand.
struct SeatRoles {
    TableRole Money, Bet, Name, NameToBet, Portrait, MainHand, SplitHand;
};
constexpr SeatRoles kSeats[4] = {
    {TableRole::BankerMoney, TableRole::BankerMoney, TableRole::BankerName, TableRole::BankerName,
     TableRole::BankerPortrait, TableRole::BankerHand, TableRole::BankerHand},
    {TableRole::Seat1Money, TableRole::Seat1Bet, TableRole::Seat1Name, TableRole::Seat1NameToBet,
     TableRole::Seat1Portrait, TableRole::Seat1Hand, TableRole::Seat1Split},
    {TableRole::Seat2Money, TableRole::Seat2Bet, TableRole::Seat2Name, TableRole::Seat2NameToBet,
     TableRole::Seat2Portrait, TableRole::Seat2Hand, TableRole::Seat2Split},
    {TableRole::Seat3Money, TableRole::Seat3Bet, TableRole::Seat3Name, TableRole::Seat3NameToBet,
     TableRole::Seat3Portrait, TableRole::Seat3Hand, TableRole::Seat3Split},
};
} // namespace

std::string_view RoleName(TableRole role) {
    return kNames[static_cast<std::size_t>(role)];
}

std::optional<TableRole> RoleNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<TableRole>(i);
    return std::nullopt;
}

std::optional<TableRole> SeatRole(SeatField field, int seat) {
    if (seat < 0 || seat > 3)
        return std::nullopt;
    const SeatRoles& roles = kSeats[static_cast<std::size_t>(seat)];
    switch (field) {
    case SeatField::Money:
        return roles.Money;
    case SeatField::Bet:
        return seat == 0 ? std::nullopt : std::optional(roles.Bet);
    case SeatField::Name:
        return roles.Name;
    case SeatField::NameToBet:
        return seat == 0 ? std::nullopt : std::optional(roles.NameToBet);
    case SeatField::Portrait:
        return roles.Portrait;
    }
    return std::nullopt;
}

std::optional<TableRole> HandTextRole(int seat, int hand) {
    if (seat < 0 || seat > 3 || hand < 1 || hand > 2 || (seat == 0 && hand == 2))
        return std::nullopt;
    const SeatRoles& roles = kSeats[static_cast<std::size_t>(seat)];
    return hand == 1 ? roles.MainHand : roles.SplitHand;
}

} // namespace quorvel
