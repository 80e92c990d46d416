// The App's screens, mouse and text input, modal screens, the blocking wait and the timers;
// its keyboard is in AppKeys.cpp, its pictures and reports in AppNotices.cpp.
#include "gui/App.h"

#include "gui/Control.h"
#include "gui/Screen.h"

#include <algorithm>

namespace quorvel {

App::App(Clock& clock, PictureSource& pictures, SoundService& sound, DisplayService& display)
    : clock_(clock), pictures_(pictures), sound_(sound), display_(display) {}

App::~App() = default;

// ---- sound ----

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
    if (pointerOver_ && pointerOver_->Owner() == &screen)
        pointerOver_ = nullptr;
    trace_.Emit(TraceKind::Hide, screen.Name());
    MarkDirty();
    UpdateActivation();
}

void App::UpdateActivation() {
    // Screens laid over the game without being part of it (a question, the settings) leave
    // the screen under them active: its music and tunes go on.
    Screen* top = nullptr;
    for (auto it = shown_.rbegin(); it != shown_.rend() && !top; ++it)
        if ((*it)->Activates())
            top = *it;
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
    if (!screen)
        return nullptr;
    // The designed name first; a screen that names its controls by role answers to those too.
    const std::string_view name = qualifiedName.substr(dot + 1);
    Control* control = screen->Find(name);
    return control ? control : screen->FindByRole(name);
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
    PointerOver(c);
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
    if (!c)
        return;
    if (!c->Enabled()) {
        if (c->onClick && button == MouseButton::Left)
            InputRefused({});
        return;
    }
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
    PointerOver(&control);
    const Rect r = control.ScreenRect();
    if (control.Enabled() && control.onMouseMove)
        control.onMouseMove({r.x + r.w / 2, r.y + r.h / 2});
}

void App::PointerOver(Control* control) {
    if (control == pointerOver_)
        return;
    Control* left = pointerOver_;
    pointerOver_ = control;
    if (left && left->onMouseLeave)
        left->onMouseLeave(control);
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
