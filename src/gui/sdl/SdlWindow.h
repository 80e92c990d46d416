// The game's one window, titled "Quorvel": borderless full screen on the desktop (whose
// resolution is never changed) or, after F11 or on leaving full screen, a resizable window
// that starts at 800x600. Either way the design is letterboxed into it. Frames are composed
// at the renderer's output size, which on a HiDPI desktop is the screen's full pixels, not the
// window's size in points. Also the pointer. Its class is the game's app id, so that desktops
// match it to the installed launcher.
#pragma once

#include "gui/DisplayService.h"
#include "gui/Geometry.h"
#include "gui/sdl/Letterbox.h"

#include <cstdint>
#include <optional>
#include <string_view>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace quorvel {

class App;
class SdlCanvas;

class SdlWindow final : public DisplayService {
public:
    // Needs SDL's video subsystem; throws std::runtime_error when no window can be made.
    SdlWindow();
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    DisplaySize DesktopSize() const override;
    // Entering "800x600" is entering the scaled full screen; restoring leaves it.
    void SwitchDisplayMode(int width, int height) override;
    void RestoreDisplayMode(int width, int height) override;

    void ToggleFullscreen();
    // Brings the window back from minimised and to the front, for a second copy of the game.
    void Raise();
    bool Fullscreen() const { return fullscreen_; }
    // The fit of the layout into the window, in the window coordinates of mouse events.
    Letterbox WindowBox() const;
    // The pixels frames are composed at: the renderer's output size [px].
    DisplaySize OutputSize() const;
    std::uint32_t Id() const;

    // Composes the frame at the output's pixel size and shows it.
    void Present(App& app, SdlCanvas& canvas, std::string_view composing);
    // Shows the last frame again; false when there is none at the output's present size.
    bool ShowAgain();
    // While the window is being resized, frames are drawn from the files scaled; once its
    // size has stayed the same this long, a frame with the pictures painted is due [ms].
    static constexpr std::uint64_t kSettleMs = 400;
    // When a frame with the pictures painted is due [ms from now], if one is.
    std::optional<std::int64_t> PaintedFrameDueInMs() const;
    // Forgets the last frame (its texture was lost with the renderer's device).
    void DropFrame();
    void SetCursor(Cursor cursor);

private:
    void SetFullscreen(bool fullscreen);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* frame_ = nullptr; // the composed frame, at the output's size
    DisplaySize frameSize_;
    std::uint64_t sizeChangedAt_ = 0; // SDL ticks when the output's size last changed [ms]
    bool drawnUnsettled_ = false;     // a frame was drawn from the files while resizing
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    Cursor cursor_ = Cursor::Default;
    bool fullscreen_ = true;
};

} // namespace quorvel
