#include "platform/App.h"

#include "platform/Control.h"
#include "platform/Label.h"
#include "platform/Screen.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <limits>

namespace quorvel {

App::App(Clock& clock, PictureSource& pictures, SoundService& sound, DisplayService& display)
    : clock_(clock), pictures_(pictures), sound_(sound), display_(display) {}

App::~App() = default;

// ---- pictures, errors and sound ----

std::shared_ptr<const Picture> App::LoadPicture(std::string_view designPath) {
    std::string error;
    auto picture = pictures_.Load(designPath, error);
    if (!picture)
        ReportOnce(designPath, error.empty() ? "無法載入圖片 " + std::string(designPath) : error);
    return picture;
}

std::optional<PictureSize> App::MeasurePicture(std::string_view designPath) {
    std::string error;
    auto size = pictures_.Measure(designPath, error);
    if (!size)
        ReportOnce(designPath, error.empty() ? "無法載入圖片 " + std::string(designPath) : error);
    return size;
}

void App::ReportOnce(std::string_view key, std::string text) {
    if (reported_.find(key) != reported_.end())
        return;
    reported_.emplace(key);
    ReportError(std::move(text));
}

void App::ReportError(std::string text, bool lasting) {
    const auto now = clock_.NowMs();
    const std::int64_t until = lasting ? std::numeric_limits<std::int64_t>::max() : now + kNoticeMs;
    // Reports that have run their time are dropped, so a long session does not keep them all.
    std::erase_if(notices_, [now](const Notice& n) { return n.untilMs <= now; });
    trace_.Emit(TraceKind::Error, text);
    // A text already on screen is shown once, for as long as its latest report asks.
    auto same = std::find_if(notices_.begin(), notices_.end(),
                             [&](const Notice& n) { return n.text == text; });
    if (same != notices_.end()) {
        same->untilMs = std::max(same->untilMs, until);
        return;
    }
    std::cerr << "quorvel: " << text << '\n';
    if (errorLog_)
        errorLog_(text);
    notices_.push_back({std::move(text), until});
    MarkDirty();
}

void App::Note(std::string text, int ms) {
    trace_.Emit(TraceKind::Note, text);
    note_ = Notice{std::move(text), clock_.NowMs() + std::max(ms, 0)};
    MarkDirty();
}

std::optional<Notice> App::CurrentNote() const {
    if (note_ && note_->untilMs > clock_.NowMs())
        return note_;
    return std::nullopt;
}

std::vector<Notice> App::CurrentNotices() const {
    std::vector<Notice> current;
    const auto now = clock_.NowMs();
    for (const auto& n : notices_)
        if (n.untilMs > now)
            current.push_back(n);
    if (current.size() > kShownNotices) {
        // The oldest reports usually name the cause; the rest are counted on the last line.
        Notice more{"另有 " + std::to_string(current.size() - kShownNotices + 1) +
                        " 則錯誤訊息 (more errors: see the terminal)",
                    std::numeric_limits<std::int64_t>::max()};
        // The line changes when the first of the counted reports expires.
        for (std::size_t k = kShownNotices - 1; k < current.size(); ++k)
            more.untilMs = std::min(more.untilMs, current[k].untilMs);
        current.resize(kShownNotices - 1);
        current.push_back(std::move(more));
    }
    return current;
}

void App::PlaySound(std::string_view designPath, bool loop) {
    trace_.Emit(TraceKind::Sound, designPath);
    sound_.PlayEffect(designPath, loop);
}

void App::StopSound() {
    sound_.StopEffect();
}

void App::PlayMusic(std::string_view designPath, std::function<void()> finished) {
    trace_.Emit(TraceKind::Sound, designPath);
    sound_.PlayMusic(designPath, std::move(finished));
}

void App::StopMusic() {
    sound_.StopMusic();
}

// ---- screens ----

void App::Register(Screen& screen) {
    screens_.push_back(&screen);
}

bool App::IsModal(const Screen* screen) const {
    return std::find(modal_.begin(), modal_.end(), screen) != modal_.end();
}

void App::ShowScreen(Screen& screen) {
    // A screen that is not modal goes to the front, but below the modal screens, which stay
    // on top until they are closed.
    const auto front = [this, &screen] {
        if (IsModal(&screen))
            return shown_.end();
        return std::find_if(shown_.begin(), shown_.end(),
                            [this](const Screen* s) { return IsModal(s); });
    };
    auto it = std::find(shown_.begin(), shown_.end(), &screen);
    if (it != shown_.end()) {
        // Showing a shown screen brings it to the front, as a form's Show does.
        const auto oldIndex = it - shown_.begin();
        shown_.erase(it);
        const auto at = front();
        const auto newIndex = at - shown_.begin();
        shown_.insert(at, &screen);
        if (newIndex != oldIndex) {
            MarkDirty();
            UpdateActivation();
        }
        return;
    }
    screen.SetVisibleFlag(true);
    shown_.insert(front(), &screen);
    trace_.Emit(TraceKind::Show, screen.Name());
    MarkDirty();
    UpdateActivation();
}

void App::HideScreen(Screen& screen) {
    auto it = std::find(shown_.begin(), shown_.end(), &screen);
    if (it == shown_.end())
        return;
    shown_.erase(it);
    screen.SetVisibleFlag(false);
    std::erase(modal_, &screen);
    if (pressed_ && pressed_->Owner() == &screen)
        pressed_ = nullptr;
    trace_.Emit(TraceKind::Hide, screen.Name());
    MarkDirty();
    UpdateActivation();
}

void App::UpdateActivation() {
    Screen* top = ActiveScreen();
    if (top == active_)
        return;
    Screen* old = active_;
    active_ = top;
    if (old)
        old->FormDeactivate();
    // A deactivation handler may itself have changed which screen is on top.
    if (active_ == top && top)
        top->FormActivate();
}

Screen* App::FindScreen(std::string_view name) const {
    for (Screen* s : screens_)
        if (s->Name() == name)
            return s;
    return nullptr;
}

Control* App::FindControl(std::string_view qualifiedName) const {
    const auto dot = qualifiedName.find('.');
    if (dot == std::string_view::npos)
        return nullptr;
    Screen* screen = FindScreen(qualifiedName.substr(0, dot));
    return screen ? screen->Find(qualifiedName.substr(dot + 1)) : nullptr;
}

// ---- input ----

namespace {
bool InDesign(Point p) {
    return p.x >= 0 && p.y >= 0 && p.x < kDesignWidth && p.y < kDesignHeight;
}
} // namespace

Screen* App::ScreenAt(Point p) const {
    if (!modal_.empty()) {
        Screen* m = modal_.back();
        return m->Visible() && m->Bounds().Contains(p) ? m : nullptr;
    }
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it)
        if ((*it)->Bounds().Contains(p))
            return *it;
    return nullptr;
}

Control* App::ControlAt(Point p, Screen** screen) const {
    Screen* s = ScreenAt(p);
    if (screen)
        *screen = s;
    if (!s)
        return nullptr;
    const Rect b = s->Bounds();
    return s->HitTest({p.x - b.x, p.y - b.y});
}

void App::MouseMove(Point p) {
    DropKeyFocus();
    if (!InDesign(p))
        return;
    Screen* screen = nullptr;
    Control* c = ControlAt(p, &screen);
    if (c && c->Enabled() && c->onMouseMove) {
        const Rect b = screen->Bounds();
        c->onMouseMove({p.x - b.x, p.y - b.y});
    }
}

void App::MouseDown(MouseButton button, Point p) {
    DropKeyFocus();
    if (!InDesign(p))
        return;
    Screen* screen = nullptr;
    Control* c = ControlAt(p, &screen);
    pressed_ = nullptr;
    if (!c || !c->Enabled())
        return;
    if (c->TakesFocus())
        screen->SetFocus(c);
    pressed_ = c;
    pressedButton_ = button;
    c->Pressed(button);
    if (c->onMouseDown) {
        const Rect b = screen->Bounds();
        c->onMouseDown(button, {p.x - b.x, p.y - b.y});
    }
}

void App::MouseUp(MouseButton button, Point p) {
    Control* c = pressed_;
    pressed_ = nullptr;
    if (!c || button != pressedButton_)
        return;
    Screen* owner = c->Owner();
    const Rect b = owner->Bounds();
    const Point local{p.x - b.x, p.y - b.y};
    c->Released(button);
    if (c->onMouseUp)
        c->onMouseUp(button, local);
    // The click needs the release over the same control, which must still be usable.
    if (button == MouseButton::Left && InDesign(p) && owner->Visible() && c->Showing() &&
        c->Enabled() && c->ScreenRect().Contains(local) && c->onClick)
        c->onClick();
}

Screen* App::InputScreen() const {
    return modal_.empty() ? ActiveScreen() : modal_.back();
}

void App::TextInput(std::string_view utf8) {
    Screen* s = InputScreen();
    if (s && s->Focus() && s->Focus()->Showing() && s->Focus()->Enabled())
        s->Focus()->TextInput(utf8);
}

void App::KeyBackspace() {
    Screen* s = InputScreen();
    if (s && s->Focus() && s->Focus()->Showing() && s->Focus()->Enabled())
        s->Focus()->KeyBackspace();
}

void App::ClickControl(Control& control, MouseButton button) {
    // Aimed input reaches the control even where another control overlaps it.
    const Rect r = control.ScreenRect();
    if (!control.Enabled())
        return;
    if (control.TakesFocus())
        control.Owner()->SetFocus(&control);
    const Point local{r.x + r.w / 2, r.y + r.h / 2};
    pressed_ = nullptr;
    control.Pressed(button);
    if (control.onMouseDown)
        control.onMouseDown(button, local);
    control.Released(button);
    if (control.onMouseUp)
        control.onMouseUp(button, local);
    if (button == MouseButton::Left && control.Owner()->Visible() && control.Showing() &&
        control.Enabled() && control.onClick)
        control.onClick();
}

void App::HoverControl(Control& control) {
    const Rect r = control.ScreenRect();
    if (control.Enabled() && control.onMouseMove)
        control.onMouseMove({r.x + r.w / 2, r.y + r.h / 2});
}

// ---- keyboard ----

void App::KeyDown(const KeyPress& key) {
    if (key.key == Key::None || (key.repeat && !Navigates(key.key)))
        return;
    Screen* input = InputScreen();
    const bool plain = !key.ctrl && !key.alt;
    if (plain && (key.key == Key::Enter || key.key == Key::Space)) {
        if (Control* focus = KeyFocus()) {
            ClickControl(*focus);
            return;
        }
    }
    // An edit box with the text focus takes the letters, digits and backspace typed.
    const Control* typing = input ? input->Focus() : nullptr;
    if (typing && typing->TakesFocus() && typing->Showing() && typing->Enabled() && plain &&
        (TypesText(key.key) || key.key == Key::Backspace)) {
        if (key.key == Key::Backspace)
            KeyBackspace();
        return;
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

Cursor App::CursorAt(Point p) const {
    if (!InDesign(p))
        return Cursor::Default;
    Control* c = ControlAt(p, nullptr);
    return c ? c->GetCursor() : Cursor::Default;
}

// ---- waiting ----

void App::Delay(int ms) {
    ++waitDepth_;
    WaitUntil(clock_.NowMs() + std::max(ms, kFrameMs));
    --waitDepth_;
}

void App::Idle(int ms) {
    WaitUntil(clock_.NowMs() + std::max(ms, 0));
}

void App::WaitUntil(std::int64_t deadline) {
    while (!terminated_) {
        RunDueTimers();
        if (terminated_ || clock_.NowMs() >= deadline)
            break;
        std::int64_t until = deadline;
        if (auto next = NextTimerDue())
            until = std::min(until, *next);
        if (pump_)
            pump_->Pump(until);
        else
            clock_.AdvanceTo(until);
    }
}

void App::ShowModal(Screen& screen) {
    OpenModal(screen);
    while (!terminated_ && screen.Visible()) {
        RunDueTimers();
        if (terminated_ || !screen.Visible())
            break;
        if (!pump_)
            break;
        pump_->Pump(NextTimerDue());
    }
    std::erase(modal_, &screen);
    MarkDirty();
}

void App::OpenModal(Screen& screen) {
    std::erase(modal_, &screen);
    modal_.push_back(&screen);
    ShowScreen(screen);
}

void App::RequestClose() {
    if (onCloseRequest)
        onCloseRequest();
    else
        Terminate();
}

void App::SetWindowActive(bool active) {
    if (active == windowActive_)
        return;
    windowActive_ = active;
    sound_.SetPaused(!active);
}

void App::Run() {
    while (!terminated_) {
        RunDueTimers();
        if (terminated_ || !pump_)
            break;
        pump_->Pump(NextTimerDue());
    }
}

void App::Terminate() {
    terminated_ = true;
}

int App::After(int ms, std::function<void()> action) {
    const int id = nextTimerId_++;
    timers_.push_back({clock_.NowMs() + std::max(ms, 0), id, std::move(action)});
    return id;
}

void App::CancelTimer(int id) {
    std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

std::optional<std::int64_t> App::NextTimerDue() const {
    std::optional<std::int64_t> next;
    for (const auto& t : timers_)
        if (!next || t.due < *next)
            next = t.due;
    return next;
}

void App::RunDueTimers() {
    for (;;) {
        const auto now = clock_.NowMs();
        auto due = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->due <= now && (due == timers_.end() || it->due < due->due ||
                                   (it->due == due->due && it->id < due->id)))
                due = it;
        if (due == timers_.end() || terminated_)
            return;
        auto action = std::move(due->action);
        timers_.erase(due);
        action();
    }
}

} // namespace quorvel
