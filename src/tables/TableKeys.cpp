// The keys of every table: each presses, through the offer map, the control of the first of its
// actions the table offers now, as a click on it would; each offered button shows its key, and
// the swap panel's edit box takes the typing when the panel opens.
#include "tables/TableScreen.h"

#include "gui/App.h"

#include <algorithm>
#include <iterator>

namespace quorvel {

namespace {
// The keys of every table. A key presses the control of the first of its actions that the
// table offers now; the chips are the digit keys, in the order of the offer map.
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
    {{Key::T}, {ActionKind::ToggleSwapTarget}, 1},
    {{Key::Escape}, {ActionKind::CloseServices, ActionKind::Leave}, 2},
    {{Key::S, true}, {ActionKind::Save}, 1},
};
constexpr Key kChipKeys[] = {Key::Digit1, Key::Digit2, Key::Digit3};

// The control a key presses for an offered control: the control itself when it is a button,
// else the button inside it (the swap panel's OK).
Control* PressTarget(Control& control) {
    if (control.onClick)
        return &control;
    for (Control* child : control.Children())
        if (!child->TakesFocus())
            if (Control* target = PressTarget(*child))
                return target;
    return nullptr;
}
} // namespace

bool TableScreen::KeyDown(const KeyPress& key) {
    if (Screen::KeyDown(key))
        return true;
    for (const TableKey& k : kTableKeys)
        if (k.key.Matches(key))
            for (std::size_t i = 0; i < k.count; ++i)
                if (PressOffered(k.actions[i]))
                    return true;
    // Before a round's deal the back button keeps out of sight, as designed, but leaving loses
    // nothing: Esc leaves as the button would, asking first when play is not saved.
    if (Press(Key::Escape).Matches(key) && engine_.Allowed(Action::Of(ActionKind::Leave))) {
        Act(Action::Of(ActionKind::Leave));
        return true;
    }
    if (!key.ctrl && !key.alt)
        for (std::size_t i = 0; i < std::size(kChipKeys); ++i)
            if (key.key == kChipKeys[i])
                return PressOffered(ActionKind::Chip, static_cast<int>(i));
    return false;
}

bool TableScreen::Binds(const KeyPress& key) const {
    if (Screen::Binds(key))
        return true;
    for (const TableKey& k : kTableKeys)
        if (k.key.Matches(key))
            return true;
    return !key.ctrl && !key.alt &&
           std::find(std::begin(kChipKeys), std::end(kChipKeys), key.key) != std::end(kChipKeys);
}

bool TableScreen::PressOffered(ActionKind action, int nth) {
    int seen = 0;
    for (auto [kind, control] : offerControls_) {
        if (kind != action || seen++ != nth)
            continue;
        Control* target = PressTarget(*control);
        if (!target || !target->Showing() || !target->Enabled())
            return false;
        // The very click a mouse would make: its sound and picture, and the engine's checks.
        GetApp().ClickControl(*target);
        return true;
    }
    return false;
}

void TableScreen::ShowKeyHints() {
    int chips = 0;
    for (auto [kind, control] : offerControls_) {
        Control* target = PressTarget(*control);
        if (!target)
            continue;
        if (kind == ActionKind::Chip) {
            if (chips < static_cast<int>(std::size(kChipKeys)))
                target->SetKeyHint(KeyName(Press(kChipKeys[chips++])));
            continue;
        }
        for (const TableKey& k : kTableKeys)
            if (std::find(k.actions.begin(), k.actions.begin() + k.count, kind) !=
                k.actions.begin() + k.count) {
                target->SetKeyHint(KeyName(k.key));
                break;
            }
    }
}

void TableScreen::FocusSwapEntry() {
    const bool open = engine_.Offered().Open(ActionKind::ConfirmSwap);
    if (open && !swapOpen_)
        for (auto [kind, control] : offerControls_)
            if (kind == ActionKind::ConfirmSwap)
                for (Control* child : control->Children())
                    if (child->TakesFocus())
                        SetFocus(child);
    swapOpen_ = open;
}

} // namespace quorvel
