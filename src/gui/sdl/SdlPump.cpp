// Event translation and the sleeping wait.
#include "gui/sdl/SdlPump.h"

#include "gui/Screen.h"
#include "gui/sdl/SdlSound.h"
#include "gui/sdl/SdlWindow.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace quorvel {

namespace {

// The game's keys by SDL key code; letters and digits are mapped by range below.
struct KeyCode {
    SDL_Keycode code;
    Key key;
};
constexpr KeyCode kKeys[] = {
    {SDLK_RETURN, Key::Enter}, {SDLK_KP_ENTER, Key::Enter}, {SDLK_ESCAPE, Key::Escape},
    {SDLK_TAB, Key::Tab},      {SDLK_SPACE, Key::Space},    {SDLK_BACKSPACE, Key::Backspace},
    {SDLK_LEFT, Key::Left},    {SDLK_RIGHT, Key::Right},    {SDLK_UP, Key::Up},
    {SDLK_DOWN, Key::Down},    {SDLK_PAGEUP, Key::PageUp},  {SDLK_PAGEDOWN, Key::PageDown},
    {SDLK_HOME, Key::Home},    {SDLK_END, Key::End},        {SDLK_F1, Key::F1},
    {SDLK_F2, Key::F2},        {SDLK_F3, Key::F3},          {SDLK_F4, Key::F4},
    {SDLK_F5, Key::F5},        {SDLK_F6, Key::F6},          {SDLK_F7, Key::F7},
    {SDLK_F8, Key::F8},        {SDLK_F9, Key::F9},          {SDLK_F10, Key::F10},
    {SDLK_F12, Key::F12},      {SDLK_KP_1, Key::Digit1},    {SDLK_KP_2, Key::Digit2},
    {SDLK_KP_3, Key::Digit3},
};

KeyPress PressOf(const SDL_KeyboardEvent& event) {
    KeyPress press;
    const SDL_Keycode code = event.keysym.sym;
    if (code >= SDLK_a && code <= SDLK_z)
        press.key = static_cast<Key>(static_cast<int>(Key::A) + (code - SDLK_a));
    else if (code >= SDLK_0 && code <= SDLK_9)
        press.key = static_cast<Key>(static_cast<int>(Key::Digit0) + (code - SDLK_0));
    for (const KeyCode& k : kKeys)
        if (k.code == code)
            press.key = k.key;
    press.ctrl = (event.keysym.mod & KMOD_CTRL) != 0;
    press.alt = (event.keysym.mod & KMOD_ALT) != 0;
    press.shift = (event.keysym.mod & KMOD_SHIFT) != 0;
    press.repeat = event.repeat != 0;
    return press;
}

std::optional<MouseButton> ButtonOf(std::uint8_t button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return MouseButton::Left;
    case SDL_BUTTON_RIGHT:
        return MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

SdlPump::SdlPump(App& app, SdlWindow& window, TextRenderer& text, SdlSound* sound)
    : app_(app), window_(window), canvas_(text, &app), sound_(sound) {
    RaiseEvent(); // registered here, on the thread that handles events
}

std::uint32_t SdlPump::RaiseEvent() {
    static const std::uint32_t type = SDL_RegisterEvents(1);
    return type;
}

namespace {
// A raise request on its way to the main loop; the thread that posted it waits for `raised`.
struct RaiseTicket {
    std::mutex mutex;
    std::condition_variable handled;
    bool raised = false;
};
} // namespace

bool SdlPump::RaiseWithin(int ms) {
    auto ticket = std::make_shared<RaiseTicket>();
    SDL_Event event{};
    event.type = RaiseEvent();
    // The event owns a share of the ticket, so a late answer finds it after the wait gave up.
    auto* share = new std::shared_ptr<RaiseTicket>(ticket);
    event.user.data1 = share;
    if (SDL_PushEvent(&event) != 1) {
        delete share;
        return false;
    }
    std::unique_lock<std::mutex> lock(ticket->mutex);
    return ticket->handled.wait_for(lock, std::chrono::milliseconds(ms),
                                    [&] { return ticket->raised; });
}

void SdlPump::RenderIfNeeded() {
    const auto now = app_.GetClock().NowMs();
    const bool expired = noticeEnds_ && now >= *noticeEnds_;
    if (!app_.TakeDirty() && !expired)
        return;
    window_.Present(app_, canvas_, composing_);
    app_.NoteFramePresented();
    noticeEnds_.reset();
    for (const Notice& n : app_.CurrentNotices())
        noticeEnds_ = std::min(noticeEnds_.value_or(n.untilMs), n.untilMs);
    if (const auto note = app_.CurrentNote())
        noticeEnds_ = std::min(noticeEnds_.value_or(note->untilMs), note->untilMs);
    UpdateCursor();
}

void SdlPump::UpdateTextInput() {
    // Text input (and with it the input method) is on only while an edit box can take text:
    // otherwise an input method would swallow the letter keys the tables answer.
    const Screen* screen = app_.InputScreen();
    const Control* focus = screen ? screen->Focus() : nullptr;
    const bool typing = focus && focus->TakesFocus() && focus->Showing() && focus->Enabled();
    if (typing != (SDL_IsTextInputActive() == SDL_TRUE)) {
        if (typing) {
            SDL_StartTextInput();
        } else {
            SDL_StopTextInput();
            composing_.clear();
        }
    }
}

void SdlPump::Pump(std::optional<std::int64_t> deadlineMs) {
    const int frames = app_.FramesPresented();
    UpdateTextInput();
    RenderIfNeeded();
    // The sound device opens, and the first tune is read, once the screen is drawn and up to
    // date: start-up shows the main menu without waiting for them.
    if (sound_ && !sound_->Started() && frames > 0 && frames == app_.FramesPresented())
        sound_->Start();
    // Wake for the deadline, and for a notice that must disappear.
    std::optional<std::int64_t> wake = deadlineMs;
    if (noticeEnds_)
        wake = std::min(wake.value_or(*noticeEnds_), *noticeEnds_);
    SDL_Event event;
    int got = 0;
    if (wake) {
        const auto left = *wake - app_.GetClock().NowMs();
        got = left > 0 ? SDL_WaitEventTimeout(
                             &event, static_cast<int>(std::min<std::int64_t>(left, 1 << 30)))
                       : SDL_PollEvent(&event);
    } else {
        got = SDL_WaitEvent(&event);
    }
    if (!got)
        return;
    // Of a burst of pointer movements only the last one matters.
    if (event.type == SDL_MOUSEMOTION) {
        SDL_Event next;
        while (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
               next.type == SDL_MOUSEMOTION)
            SDL_PollEvent(&event);
    }
    Handle(event);
}

void SdlPump::UpdateCursor() {
    window_.SetCursor(app_.CursorAt(pointer_));
}

void SdlPump::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        app_.Terminate();
        return;
    case SDL_MOUSEMOTION:
        pointer_ = window_.WindowBox().ToDesign({event.motion.x, event.motion.y});
        app_.MouseMove(pointer_);
        UpdateCursor();
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const auto button = ButtonOf(event.button.button);
        pointer_ = window_.WindowBox().ToDesign({event.button.x, event.button.y});
        if (button && event.type == SDL_MOUSEBUTTONDOWN)
            app_.MouseDown(*button, pointer_);
        else if (button)
            app_.MouseUp(*button, pointer_);
        UpdateCursor();
        return;
    }
    case SDL_TEXTINPUT:
        composing_.clear();
        app_.TextInput(event.text.text);
        app_.MarkDirty();
        return;
    case SDL_TEXTEDITING:
        composing_ = event.edit.text;
        app_.MarkDirty();
        return;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_F11) {
            if (!event.key.repeat) {
                window_.ToggleFullscreen();
                app_.MarkDirty();
            }
        } else if (event.key.keysym.sym == SDLK_F4 && (event.key.keysym.mod & KMOD_ALT)) {
            // Alt+F4 where no window manager takes it first.
            if (!event.key.repeat)
                app_.RequestClose();
        } else {
            app_.KeyDown(PressOf(event.key));
        }
        UpdateCursor();
        return;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            app_.RequestClose();
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            app_.SetWindowActive(false);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            app_.SetWindowActive(true);
            app_.MarkDirty();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            app_.MarkDirty();
            break;
        default:
            break;
        }
        return;
    default:
        if (event.type == RaiseEvent()) {
            window_.Raise();
            app_.MarkDirty();
            if (auto* share = static_cast<std::shared_ptr<RaiseTicket>*>(event.user.data1)) {
                {
                    const std::lock_guard<std::mutex> lock((*share)->mutex);
                    (*share)->raised = true;
                }
                (*share)->handled.notify_all();
                delete share;
            }
        } else if (sound_ && event.type == SdlSound::MusicFinishedEvent())
            sound_->HandleMusicEvent(event);
        else if (sound_ && event.type == SdlSound::OpenedEvent())
            sound_->HandleOpenedEvent();
        return;
    }
}

} // namespace quorvel
