// The controls of a table by what they do. Each table keeps its designed names (Image36,
// Label23, ...), which the layout and the scenario scripts speak of, and maps the roles it has
// to them in a data table; everything else (the shared table code, the front end opening a
// table, the tests) says "the exit button" instead of "Image36 at the one-on-one table, Image39
// at the three-seat one". The roles are one vocabulary for the four tables, so a role means the
// same at each; a table lacks the roles of what it does not have (no chips where the user
// banks).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quorvel {

enum class TableRole : std::uint8_t {
    // The felt and what lies on it.
    Background,
    Logo,
    Banner,
    BannerText,
    CountsPanel,   // the unseen-card panel
    CountsPicture, // its picture, the numbers are written on
    // The bets.
    Chip1000,
    Chip5000,
    Chip10000,
    TakeBack,   // 重押: the bet back into the money
    TakeRaise,  // 續押: the raised bet offered after a big win
    FinishBets, // 確定: the user's bet is done
    BonusTable, // 獎金表: shows the bonus table while held
    BonusPicture,
    BonusTip,
    // The round's buttons.
    Deal, // 發牌, or 開局 where the round is started
    Hit,
    Stand,
    Double,
    Open, // 莊家開牌
    Split,
    NoSplit,
    Pass, // 過牌
    // The treasure chest, its paid services and their tips, and the swap panel.
    Chest,
    Look,
    Swap,
    CloseServices,
    LookTip,
    SwapTip,
    CloseTip,
    SwapPanel,
    SwapWords, // "變換為："
    SwapRank,  // the box the rank is typed in
    SwapOk,
    SwapTarget, // the toggle between the main and the split hand
    // The card speed: its button and the three choices, fast first.
    Speed,
    SpeedFast,
    SpeedMiddle,
    SpeedSlow,
    // Saving and leaving.
    Save,
    Back, // 返回: to the main menu between rounds
    Exit, // 退出: leaves the game
    // The seats [0 the banker, 1-3]: portraits and labels.
    BankerPortrait,
    Seat1Portrait,
    Seat2Portrait,
    Seat3Portrait,
    BankerMoney,
    Seat1Money,
    Seat2Money,
    Seat3Money,
    Seat1Bet,
    Seat2Bet,
    Seat3Bet,
    BankerName,
    Seat1Name,
    Seat2Name,
    Seat3Name,
    Seat1NameToBet, // the seat's name followed by "下注： ", before its bet
    Seat2NameToBet,
    Seat3NameToBet,
    // The description of each hand (its total or its name).
    BankerHand,
    Seat1Hand,
    Seat2Hand,
    Seat3Hand,
    Seat1Split,
    Seat2Split,
    Seat3Split,
};
inline constexpr std::size_t kTableRoles = static_cast<std::size_t>(TableRole::Seat3Split) + 1;

// A role's name as scripts and messages write it: the enumerator's name ("Hit", "Chip1000").
std::string_view RoleName(TableRole role);
// The role of a name; nothing when no role is called so.
std::optional<TableRole> RoleNamed(std::string_view name);

// What a seat's label shows, and the role of that label at seat [0-3] (nothing where no seat
// has such a label: the banker has no bet).
enum class SeatField { Money, Bet, Name, NameToBet, Portrait };
std::optional<TableRole> SeatRole(SeatField field, int seat);
// The role of the description of a seat's [0-3] hand [1 main, 2 split].
std::optional<TableRole> HandTextRole(int seat, int hand);

// Which designed control plays a role at a table.
struct RoleControl {
    TableRole Role;
    const char* Control;
};

// Several tables' role lists as one, the first list's roles first.
template <std::size_t... N> constexpr auto JoinRoles(const RoleControl (&... lists)[N]) {
    std::array<RoleControl, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(lists, lists + N, all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

} // namespace quorvel
