// Window, full-screen switching, frame presentation and cursor.
#include "gui/sdl/SdlWindow.h"

#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/SdlCanvas.h"

#include <SDL.h>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace quorvel {

SdlWindow::SdlWindow() {
    // Losing focus must not minimise the full-screen window (a message box, another program).
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Frames are composed in software; handing them to the window system directly costs less
    // than going through a GL texture, which without a GPU is itself drawn in software.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Closing the window asks the game, which may want the user to save first.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    window_ =
        SDL_CreateWindow("Quorvel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDesignWidth,
                         kDesignHeight, SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE);
    if (!window_)
        throw std::runtime_error(std::string("無法建立視窗 (cannot create the window: ") +
                                 SDL_GetError() + ")");
    SDL_SetWindowMinimumSize(window_, kDesignWidth / 4, kDesignHeight / 4);
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
}

SdlWindow::~SdlWindow() {
    SDL_FreeSurface(frame_);
    if (hand_)
        SDL_FreeCursor(hand_);
    if (arrow_)
        SDL_FreeCursor(arrow_);
    SDL_DestroyWindow(window_);
}

DisplaySize SdlWindow::DesktopSize() const {
    SDL_DisplayMode mode{};
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0)
        return {kDesignWidth, kDesignHeight};
    return {mode.w, mode.h};
}

void SdlWindow::SwitchDisplayMode(int, int) {
    SetFullscreen(true);
}

void SdlWindow::RestoreDisplayMode(int, int) {
    SetFullscreen(false);
}

void SdlWindow::ToggleFullscreen() {
    SetFullscreen(!fullscreen_);
}

void SdlWindow::Raise() {
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED)
        SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlWindow::SetFullscreen(bool fullscreen) {
    if (fullscreen == fullscreen_)
        return;
    fullscreen_ = fullscreen;
    SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullscreen) {
        SDL_SetWindowSize(window_, kDesignWidth, kDesignHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

Letterbox SdlWindow::WindowBox() const {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return Letterbox::Fit(w, h);
}

std::uint32_t SdlWindow::Id() const {
    return SDL_GetWindowID(window_);
}

void SdlWindow::Present(App& app, SdlCanvas& canvas, std::string_view composing) {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen)
        return;
    if (!frame_ || frame_->w != screen->w || frame_->h != screen->h) {
        SDL_FreeSurface(frame_);
        frame_ =
            SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, 32, SDL_PIXELFORMAT_ARGB8888);
        if (!frame_)
            return;
        SDL_SetSurfaceBlendMode(frame_, SDL_BLENDMODE_NONE);
    }
    canvas.SetTarget(frame_, Letterbox::Fit(frame_->w, frame_->h));
    ComposeFrame(app, canvas, composing);
    // The input method's candidate list opens beside the focused edit box.
    if (const auto focus = FocusRect(app)) {
        const Rect r = WindowBox().ToWindow(*focus);
        SDL_Rect area{r.x, r.y, r.w, r.h};
        SDL_SetTextInputRect(&area);
    }
    SDL_BlitSurface(frame_, nullptr, screen, nullptr);
    SDL_UpdateWindowSurface(window_);
}

void SdlWindow::SetCursor(Cursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    SDL_Cursor* shape = cursor == Cursor::HandPoint ? hand_ : arrow_;
    if (shape)
        SDL_SetCursor(shape);
}

} // namespace quorvel
