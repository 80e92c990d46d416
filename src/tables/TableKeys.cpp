// The table keys as data: a key and the actions it presses, the chips on the digits.
#include "tables/TableKeys.h"

#include "gui/Control.h"
#include "tables/OfferedControls.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quorvel {

namespace {
struct TableKey {
    KeyPress key;
    std::array<ActionKind, 4> actions;
    std::size_t count;
};
constexpr TableKey kTableKeys[] = {
    {{Key::Enter},
     {ActionKind::ConfirmSwap, ActionKind::Deal, ActionKind::FinishBets, ActionKind::Pass},
     4},
    {{Key::H}, {ActionKind::Hit}, 1},
    {{Key::S}, {ActionKind::Stand}, 1},
    {{Key::D}, {ActionKind::Double}, 1},
    {{Key::P}, {ActionKind::Split}, 1},
    {{Key::N}, {ActionKind::NoSplit}, 1},
    {{Key::O}, {ActionKind::Open}, 1},
    {{Key::R}, {ActionKind::TakeRaise}, 1},
    {{Key::Backspace}, {ActionKind::TakeBack}, 1},
    {{Key::L}, {ActionKind::Look}, 1},
    {{Key::C}, {ActionKind::Swap}, 1},
    // The swap box has the focus while the toggle shows and takes plain letters: Ctrl+T.
    {{Key::T, true}, {ActionKind::ToggleSwapTarget}, 1},
    {{Key::Escape}, {ActionKind::CloseServices, ActionKind::Leave}, 2},
    {{Key::S, true}, {ActionKind::Save}, 1},
};
// The chips, in the order the table offers them.
constexpr Key kChipKeys[] = {Key::Digit1, Key::Digit2, Key::Digit3};

bool IsChipKey(const KeyPress& key) {
    return !key.ctrl && !key.alt &&
           std::find(std::begin(kChipKeys), std::end(kChipKeys), key.key) != std::end(kChipKeys);
}
} // namespace

bool PressTableKey(App& app, const OfferedControls& offered, const KeyPress& key) {
    for (const TableKey& k : kTableKeys)
        if (k.key.Matches(key))
            for (std::size_t i = 0; i < k.count; ++i)
                if (offered.Press(app, k.actions[i]))
                    return true;
    if (IsChipKey(key)) {
        const auto chip = std::find(std::begin(kChipKeys), std::end(kChipKeys), key.key);
        return offered.Press(app, ActionKind::Chip,
                             static_cast<int>(std::distance(std::begin(kChipKeys), chip)));
    }
    return false;
}

bool IsTableKey(const KeyPress& key) {
    for (const TableKey& k : kTableKeys)
        if (k.key.Matches(key))
            return true;
    return IsChipKey(key);
}

void ShowTableKeyHints(const OfferedControls& offered) {
    std::size_t chips = 0;
    for (const OfferedControls::Offered& o : offered.All()) {
        Control* target = OfferedControls::PressTarget(*o.Button);
        if (!target)
            continue;
        if (o.Sent.Kind == ActionKind::Chip) {
            if (chips < std::size(kChipKeys))
                target->SetKeyHint(KeyName(Press(kChipKeys[chips++])));
            continue;
        }
        for (const TableKey& k : kTableKeys)
            if (std::find(k.actions.begin(), k.actions.begin() + k.count, o.Sent.Kind) !=
                k.actions.begin() + k.count) {
                target->SetKeyHint(KeyName(k.key));
                break;
            }
    }
}

} // namespace quorvel
