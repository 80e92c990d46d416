// Event translation and the sleeping wait.
#include "platform/sdl/SdlPump.h"

#include "platform/sdl/SdlSound.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <algorithm>

namespace quorvel {

namespace {

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
    : app_(app), window_(window), canvas_(text, &app), sound_(sound) {}

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
    UpdateCursor();
}

void SdlPump::Pump(std::optional<std::int64_t> deadlineMs) {
    const int frames = app_.FramesPresented();
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
        if (event.key.keysym.sym == SDLK_BACKSPACE) {
            app_.KeyBackspace();
        } else if (event.key.keysym.sym == SDLK_F11 && !event.key.repeat) {
            window_.ToggleFullscreen();
            app_.MarkDirty();
        }
        return;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
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
        if (sound_ && event.type == SdlSound::MusicFinishedEvent())
            sound_->HandleMusicEvent(event);
        else if (sound_ && event.type == SdlSound::OpenedEvent())
            sound_->HandleOpenedEvent();
        return;
    }
}

} // namespace quorvel
