#include "platform/App.h"

#include "platform/Control.h"
#include "platform/Screen.h"

#include <algorithm>
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
    notices_.push_back({std::move(text), until});
    MarkDirty();
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

void App::ShowScreen(Screen& screen) {
    auto it = std::find(shown_.begin(), shown_.end(), &screen);
    if (it != shown_.end()) {
        // Showing a shown screen brings it to the front, as a form's Show does.
        if (it + 1 != shown_.end()) {
            shown_.erase(it);
            shown_.push_back(&screen);
            MarkDirty();
            UpdateActivation();
        }
        return;
    }
    screen.SetVisibleFlag(true);
    shown_.push_back(&screen);
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

void App::TextInput(std::string_view utf8) {
    Screen* s = modal_.empty() ? ActiveScreen() : modal_.back();
    if (s && s->Focus() && s->Focus()->Showing() && s->Focus()->Enabled())
        s->Focus()->TextInput(utf8);
}

void App::KeyBackspace() {
    Screen* s = modal_.empty() ? ActiveScreen() : modal_.back();
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
    modal_.push_back(&screen);
    ShowScreen(screen);
    while (!terminated_ && screen.Visible()) {
        RunDueTimers();
        if (terminated_ || !screen.Visible())
            break;
        if (!pump_)
            break;
        pump_->Pump(NextTimerDue());
    }
    modal_.erase(std::find(modal_.begin(), modal_.end(), &screen));
    MarkDirty();
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
