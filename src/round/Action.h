// What anyone at a table can do: the user's clicks and the computer characters' decisions are
// both actions of a seat, and the round engine checks every one against the same derivation of
// what the round allows before it acts. Offers are how the user's buttons stand, derived from
// the same answer: a table screen shows its buttons from them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace quorvel {

enum class ActionKind : std::uint8_t {
    Chip,             // add `Amount` to the bet
    TakeBack,         // the bet back into the money
    TakeRaise,        // bet the raised amount offered after a big win
    FinishBets,       // the user's bet is done (three-seat tables)
    Deal,             // deal, or start the round
    Split,            // split an identical pair
    NoSplit,          // keep the pair as one hand
    Hit,              // one more card for the hand in play
    Stand,            // no more cards for the hand in play
    Double,           // double the bet of the hand in play and take exactly one more card
    Open,             // the user ends the turn so the banker opens; the banker turns its card
    Pass,             // end a doubled turn: the next seat plays (three-seat tables)
    Look,             // paid look at the other side's face-down cards
    Swap,             // paid exchange of the user's face-down card
    CloseServices,    // no more paid services in this turn
    ConfirmSwap,      // the rank for the exchange is typed: `Text`
    ToggleSwapTarget, // the exchange goes to hand `Hand` [1 main, 2 split]
    Peek,             // look at one's own face-down card: `Hand` 1 main, 2 split
    NextRound,        // the click that starts the next round
    Leave,            // back to the main menu between rounds
    Save,             // write the save file: offered at any time, even while a step runs
    Bet,              // a computer seat's whole bet for the round: `Amount`
};
inline constexpr std::size_t kActionKinds = static_cast<std::size_t>(ActionKind::Bet) + 1;

// The seat of an action that comes from the user's input, wherever the user sits.
inline constexpr int kUserSeat = -1;

struct Action {
    ActionKind Kind = ActionKind::Deal;
    int Seat = kUserSeat;    // who acts [0 the banker, 1-3], or kUserSeat
    std::int32_t Amount = 0; // a chip's or a bet's value [money]
    int Hand = 0;            // the hand a peek or the swap toggle names [1-2]
    std::string Text;        // for a swap: the rank asked for, as typed
    bool FromDialog = false; // the next-round click came from the result dialog

    static Action Of(ActionKind kind) {
        Action action;
        action.Kind = kind;
        return action;
    }
    static Action Chip(std::int32_t value) {
        Action action = Of(ActionKind::Chip);
        action.Amount = value;
        return action;
    }
    // An action of a given seat [0-3].
    static Action By(int seat, ActionKind kind, std::int32_t amount = 0) {
        Action action = Of(kind);
        action.Seat = seat;
        action.Amount = amount;
        return action;
    }
};

// A set of action kinds.
class ActionSet {
public:
    constexpr ActionSet() = default;
    constexpr ActionSet(std::initializer_list<ActionKind> kinds) {
        for (ActionKind kind : kinds)
            Add(kind);
    }
    constexpr bool Has(ActionKind kind) const { return (bits_ >> Bit(kind)) & 1u; }
    constexpr void Add(ActionKind kind) { bits_ |= 1u << Bit(kind); }
    constexpr void Set(ActionKind kind, bool on) {
        if (on)
            Add(kind);
        else
            bits_ &= ~(1u << Bit(kind));
    }
    constexpr bool Empty() const { return bits_ == 0; }
    // Adds every kind of `other`.
    constexpr ActionSet& operator|=(ActionSet other) {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr bool operator==(ActionSet, ActionSet) = default;

private:
    static constexpr unsigned Bit(ActionKind kind) { return static_cast<unsigned>(kind); }
    std::uint32_t bits_ = 0;
};

// How the user's button for an action stands: shown or hidden, and whether a click on it is
// taken. A hidden button takes no click.
struct OfferState {
    bool Shown = false;
    bool Enabled = true;
    friend bool operator==(const OfferState&, const OfferState&) = default;
};

class Offers {
public:
    OfferState& operator[](ActionKind kind) { return states_[static_cast<std::size_t>(kind)]; }
    const OfferState& operator[](ActionKind kind) const {
        return states_[static_cast<std::size_t>(kind)];
    }
    // Shown and enabled: a click on it is taken.
    bool Open(ActionKind kind) const { return (*this)[kind].Shown && (*this)[kind].Enabled; }

private:
    std::array<OfferState, kActionKinds> states_{};
};

} // namespace quorvel
