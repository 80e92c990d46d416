// Key names as they are drawn on the buttons, short enough for a small tag.
#include "gui/Key.h"

namespace quorvel {

namespace {

std::string BareName(Key key) {
    if (key >= Key::A && key <= Key::Z)
        return std::string(
            1, static_cast<char>('A' + (static_cast<int>(key) - static_cast<int>(Key::A))));
    if (key >= Key::Digit0 && key <= Key::Digit9)
        return std::string(
            1, static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::Digit0))));
    if (key >= Key::F1 && key <= Key::F12) {
        std::string name = "F";
        name += std::to_string(static_cast<int>(key) - static_cast<int>(Key::F1) + 1);
        return name;
    }
    switch (key) {
    case Key::Enter:
        return "Enter";
    case Key::Escape:
        return "Esc";
    case Key::Tab:
        return "Tab";
    case Key::Space:
        return "Space";
    case Key::Backspace:
        return "\xE2\x86\x90"; // ←, as printed on the backspace key
    case Key::Left:
        return "Left";
    case Key::Right:
        return "Right";
    case Key::Up:
        return "Up";
    case Key::Down:
        return "Down";
    case Key::PageUp:
        return "PgUp";
    case Key::PageDown:
        return "PgDn";
    case Key::Home:
        return "Home";
    case Key::End:
        return "End";
    default:
        return "";
    }
}

} // namespace

// Names are built front to back by appending: a literal put before a string ("Ctrl+" + name)
// trips GCC 12's false -Wrestrict alarm in optimised builds.
std::string KeyName(const KeyPress& press) {
    std::string name;
    if (press.ctrl)
        name += "Ctrl+";
    if (press.alt)
        name += "Alt+";
    name += BareName(press.key);
    return name;
}

} // namespace quorvel
