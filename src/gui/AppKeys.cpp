// The App's keyboard: the routing of a key press to the keyboard focus, an edit box, the
// screens that take keys and the game's own keys, and the focus moving between buttons.
#include "gui/App.h"

#include "gui/Control.h"
#include "gui/Label.h"
#include "gui/Screen.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel {

void App::KeyDown(const KeyPress& key) {
    if (key.key == Key::None)
        return;
    Screen* input = InputScreen();
    const bool plain = !key.ctrl && !key.alt;
    // An edit box with the text focus takes the letters, digits and backspace typed, held
    // backspace included.
    const Control* typing = input ? input->Focus() : nullptr;
    if (typing && typing->TakesFocus() && typing->Showing() && typing->Enabled() && plain &&
        (TypesText(key.key) || key.key == Key::Backspace)) {
        if (key.key == Key::Backspace)
            KeyBackspace();
        return;
    }
    if (key.repeat && !Navigates(key.key))
        return;
    if (plain && (key.key == Key::Enter || key.key == Key::Space)) {
        if (Control* focus = KeyFocus()) {
            ClickControl(*focus);
            return;
        }
    }
    // The modal screen alone, or the shown screens from the top down to the first full one:
    // a dialog lying over its table lets the table answer the keys it does not use.
    std::vector<Screen*> takers;
    if (!modal_.empty()) {
        takers.push_back(modal_.back());
    } else {
        for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
            takers.push_back(*it);
            if ((*it)->Kind() == ScreenKind::Full)
                break;
        }
    }
    for (Screen* screen : takers)
        if (screen->KeyDown(key))
            return;
    // A key of these screens whose button cannot be pressed now is refused, not passed on.
    if (std::any_of(takers.begin(), takers.end(), [&key](Screen* s) { return s->Binds(key); })) {
        InputRefused(KeyName(key));
        return;
    }
    if (plain && Navigates(key.key) && key.key != Key::PageUp && key.key != Key::PageDown) {
        MoveKeyFocus(key.key, key.shift);
        return;
    }
    if (onKey)
        onKey(key);
}

std::vector<Control*> App::Focusable() const {
    std::vector<Control*> found;
    Screen* screen = InputScreen();
    if (!screen)
        return found;
    const Rect whole{0, 0, screen->Bounds().w, screen->Bounds().h};
    for (const auto& control : screen->Controls()) {
        Control* c = control.get();
        if (!c->onClick || !c->Showing() || !c->Enabled() || dynamic_cast<Label*>(c))
            continue;
        // A background that fills the screen is not a button to rest on.
        const Rect r = c->ScreenRect();
        if (r.x <= whole.x && r.y <= whole.y && r.x + r.w >= whole.w && r.y + r.h >= whole.h)
            continue;
        found.push_back(c);
    }
    // Reading order: rows from the top, each row the buttons whose middles lie level with its
    // first button, left to right within a row.
    const auto middle = [](const Control* c) { return c->ScreenRect().y + c->ScreenRect().h / 2; };
    std::stable_sort(found.begin(), found.end(),
                     [&](const Control* a, const Control* b) { return middle(a) < middle(b); });
    for (auto row = found.begin(); row != found.end();) {
        const Rect first = (*row)->ScreenRect();
        const auto end = std::find_if(
            row, found.end(), [&](const Control* c) { return middle(c) >= first.y + first.h; });
        std::stable_sort(row, end, [](const Control* a, const Control* b) {
            return a->ScreenRect().x < b->ScreenRect().x;
        });
        row = end;
    }
    return found;
}

Control* App::KeyFocus() const {
    if (!keyFocus_)
        return nullptr;
    const Screen* owner = keyFocus_->Owner();
    if (owner != InputScreen() || !owner->Visible() || !keyFocus_->Showing() ||
        !keyFocus_->Enabled())
        return nullptr;
    return keyFocus_;
}

void App::SetKeyFocus(Control* control) {
    if (control == keyFocus_)
        return;
    keyFocus_ = control;
    MarkDirty();
    if (control)
        HoverControl(*control);
}

void App::DropKeyFocus() {
    if (keyFocus_) {
        keyFocus_ = nullptr;
        MarkDirty();
    }
}

void App::MoveKeyFocus(Key key, bool backwards) {
    const std::vector<Control*> controls = Focusable();
    if (controls.empty())
        return;
    Control* current = KeyFocus();
    const auto at = std::find(controls.begin(), controls.end(), current);
    if (!current || at == controls.end()) {
        SetKeyFocus(key == Key::End || backwards ? controls.back() : controls.front());
        return;
    }
    const std::size_t index = static_cast<std::size_t>(at - controls.begin());
    switch (key) {
    case Key::Tab:
        SetKeyFocus(controls[(index + (backwards ? controls.size() - 1 : 1)) % controls.size()]);
        return;
    case Key::Home:
        SetKeyFocus(controls.front());
        return;
    case Key::End:
        SetKeyFocus(controls.back());
        return;
    default:
        break;
    }
    // An arrow goes to the nearest button whose middle lies that way, preferring one in line.
    const int dx = key == Key::Left ? -1 : key == Key::Right ? 1 : 0;
    const int dy = key == Key::Up ? -1 : key == Key::Down ? 1 : 0;
    const auto middle = [](const Control* c) {
        const Rect r = c->ScreenRect();
        return Point{r.x + r.w / 2, r.y + r.h / 2};
    };
    const Point from = middle(current);
    Control* best = nullptr;
    long bestScore = 0;
    for (Control* c : controls) {
        if (c == current)
            continue;
        const Point to = middle(c);
        const long along = static_cast<long>(to.x - from.x) * dx + (to.y - from.y) * dy;
        const long across = std::labs(static_cast<long>(to.x - from.x) * dy) +
                            std::labs(static_cast<long>(to.y - from.y) * dx);
        if (along <= 0)
            continue;
        const long score = along + 2 * across;
        if (!best || score < bestScore) {
            best = c;
            bestScore = score;
        }
    }
    if (best)
        SetKeyFocus(best);
}

void App::ShowKeyHints(bool shown) {
    if (keyHints_ != shown) {
        keyHints_ = shown;
        MarkDirty();
    }
}

} // namespace quorvel
