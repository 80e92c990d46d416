// What anyone at a table can do: the user's clicks and the computer characters' decisions are
// both actions, and the round engine checks every one against the rules before it acts.
// Offers are what the engine currently offers the user: a table screen shows its buttons from
// them instead of showing and hiding controls itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
    Open,             // end the user's turn: the banker opens
    Pass,             // end a doubled turn: the next seat plays (three-seat tables)
    Look,             // paid look at the other side's face-down cards
    Swap,             // paid exchange of the user's face-down card
    CloseServices,    // no more paid services in this turn
    ConfirmSwap,      // the rank for the exchange is typed: `Text`
    ToggleSwapTarget, // the exchange goes to the other hand after a split
    Peek,             // look at one's own face-down card: `Hand` 1 main, 2 split
    NextRound,        // the click that starts the next round
    Leave,            // back to the main menu between rounds
    Save,             // write the save file: offered at any time, even while a step runs
};
inline constexpr std::size_t kActionKinds = static_cast<std::size_t>(ActionKind::Save) + 1;

struct Action {
    ActionKind Kind = ActionKind::Deal;
    std::int32_t Amount = 0; // a chip's value [money]
    int Hand = 0;            // for a peek [1-2]
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
};

// How the user's button for an action stands: shown or hidden, and enabled or not. A hidden
// button keeps its enabled flag for when it is shown again.
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
    void Show(ActionKind kind) { (*this)[kind].Shown = true; }
    void Hide(ActionKind kind) { (*this)[kind].Shown = false; }
    void SetShown(ActionKind kind, bool shown) { (*this)[kind].Shown = shown; }
    void Enable(ActionKind kind, bool enabled = true) { (*this)[kind].Enabled = enabled; }
    // Shown and enabled: a click on it is taken.
    bool Open(ActionKind kind) const { return (*this)[kind].Shown && (*this)[kind].Enabled; }

private:
    std::array<OfferState, kActionKinds> states_{};
};

} // namespace quorvel
