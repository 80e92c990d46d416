// The keys the game answers, as the platform reports them: the key itself (its meaning on the
// user's layout, so H is the key that types "h"), the modifiers held and whether it is the
// keyboard's auto-repeat. Screens bind keys to controls; a key presses its control as a click.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

enum class Key : std::uint8_t {
    None,
    Enter,
    Escape,
    Tab,
    Space,
    Backspace,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z,
};

// A key as pressed: the key and the modifiers held with it.
struct KeyPress {
    Key key = Key::None;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool repeat = false; // the keyboard's auto-repeat while the key is held

    // The same key with the same Ctrl and Alt; Shift and repeat do not matter.
    bool Matches(const KeyPress& other) const {
        return key == other.key && ctrl == other.ctrl && alt == other.alt;
    }
};

inline KeyPress Press(Key key) {
    return KeyPress{key};
}
inline KeyPress CtrlPress(Key key) {
    KeyPress press{key};
    press.ctrl = true;
    return press;
}

// A letter or digit key: one that types a character into an edit box.
inline bool TypesText(Key key) {
    return (key >= Key::Digit0 && key <= Key::Z) || key == Key::Space;
}

// Keys that move the keyboard focus, which keep working while held down.
inline bool Navigates(Key key) {
    return key == Key::Tab || key == Key::Left || key == Key::Right || key == Key::Up ||
           key == Key::Down || key == Key::PageUp || key == Key::PageDown || key == Key::Home ||
           key == Key::End;
}

// The short name drawn on a button: "Enter", "Esc", "F1", "PgDn", "H", "1", "Ctrl+S".
std::string KeyName(const KeyPress& press);

} // namespace quorvel
