// Window, full-screen switching, frame presentation and cursor.
#include "gui/sdl/SdlWindow.h"

#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/SdlCanvas.h"

#include <SDL.h>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

SdlWindow::SdlWindow() {
    // Losing focus must not minimise the full-screen window (a message box, another program).
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Frames are composed in software. Under X11, where a window's points are its pixels,
    // handing them to the window system directly costs less than going through a GL texture,
    // which without a GPU is itself drawn in software; elsewhere (Wayland) the accelerated
    // renderer is the one whose output has the screen's full pixels. A renderer the user
    // names in SDL_RENDER_DRIVER is used either way.
    if (const char* driver = SDL_GetCurrentVideoDriver();
        driver && std::string_view(driver) == "x11") {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    // Closing the window asks the game, which may want the user to save first.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    window_ = SDL_CreateWindow(
        "Quorvel", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDesignWidth, kDesignHeight,
        SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_)
        throw std::runtime_error(std::string("無法建立視窗 (cannot create the window: ") +
                                 SDL_GetError() + ")");
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_)
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        const std::string why = SDL_GetError();
        SDL_DestroyWindow(window_);
        throw std::runtime_error("無法建立視窗 (cannot draw in the window: " + why + ")");
    }
    SDL_SetWindowMinimumSize(window_, kDesignWidth / 4, kDesignHeight / 4);
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
}

SdlWindow::~SdlWindow() {
    if (frame_)
        SDL_DestroyTexture(frame_);
    if (hand_)
        SDL_FreeCursor(hand_);
    if (arrow_)
        SDL_FreeCursor(arrow_);
    SDL_DestroyRenderer(renderer_);
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

DisplaySize SdlWindow::OutputSize() const {
    DisplaySize size;
    if (SDL_GetRendererOutputSize(renderer_, &size.width, &size.height) != 0)
        SDL_GetWindowSize(window_, &size.width, &size.height);
    return size;
}

std::uint32_t SdlWindow::Id() const {
    return SDL_GetWindowID(window_);
}

void SdlWindow::Present(App& app, SdlCanvas& canvas, std::string_view composing) {
    const DisplaySize size = OutputSize();
    if (size.width <= 0 || size.height <= 0)
        return;
    const std::uint64_t now = SDL_GetTicks64();
    if (!frame_ || size.width != frameSize_.width || size.height != frameSize_.height) {
        // A window resized after its first frame is settling; the first size is settled.
        if (frame_ || frameSize_.width > 0)
            sizeChangedAt_ = now;
        if (frame_)
            SDL_DestroyTexture(frame_);
        frame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                   size.width, size.height);
        frameSize_ = size;
        if (!frame_)
            return;
        // Every pixel of a frame is opaque: it is copied to the window as it is, where
        // blending it would cost a pass over every pixel for the same result.
        SDL_SetTextureBlendMode(frame_, SDL_BLENDMODE_NONE);
    }
    // The frame is composed straight into the texture's pixels.
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(frame_, nullptr, &pixels, &pitch) != 0)
        return;
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormatFrom(pixels, size.width, size.height, 32,
                                                             pitch, SDL_PIXELFORMAT_ARGB8888);
    if (target) {
        SDL_SetSurfaceBlendMode(target, SDL_BLENDMODE_NONE);
        const bool settled = sizeChangedAt_ == 0 || now - sizeChangedAt_ >= kSettleMs;
        drawnUnsettled_ = !settled;
        canvas.PaintAtSize(settled);
        canvas.SetTarget(target, Letterbox::Fit(size.width, size.height));
        ComposeFrame(app, canvas, composing);
        canvas.SetTarget(nullptr, Letterbox::Fit(size.width, size.height));
        SDL_FreeSurface(target);
    }
    SDL_UnlockTexture(frame_);
    // The input method's candidate list opens beside the focused edit box.
    if (const auto focus = FocusRect(app)) {
        const Rect r = WindowBox().ToWindow(*focus);
        SDL_Rect area{r.x, r.y, r.w, r.h};
        SDL_SetTextInputRect(&area);
    }
    SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

std::optional<std::int64_t> SdlWindow::PaintedFrameDueInMs() const {
    if (!drawnUnsettled_)
        return std::nullopt;
    const std::uint64_t since = SDL_GetTicks64() - sizeChangedAt_;
    return since >= kSettleMs ? 0 : static_cast<std::int64_t>(kSettleMs - since);
}

bool SdlWindow::ShowAgain() {
    const DisplaySize size = OutputSize();
    if (!frame_ || size.width != frameSize_.width || size.height != frameSize_.height)
        return false;
    SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlWindow::DropFrame() {
    if (frame_)
        SDL_DestroyTexture(frame_);
    frame_ = nullptr;
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
