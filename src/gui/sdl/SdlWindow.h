// The game's one window, titled "Quorvel": borderless full screen on the desktop (whose
// resolution is never changed) or, after F11 or on leaving full screen, a resizable window
// that starts at 800x600. Either way the layout is letterboxed into it. Also the pointer.
// Its class is the game's app id, so that desktops match it to the installed launcher.
#pragma once

#include "gui/DisplayService.h"
#include "gui/Geometry.h"
#include "gui/sdl/Letterbox.h"

#include <cstdint>
#include <string_view>

struct SDL_Window;
struct SDL_Surface;
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
    std::uint32_t Id() const;

    // Composes the frame at the window's pixel size and shows it.
    void Present(App& app, SdlCanvas& canvas, std::string_view composing);
    void SetCursor(Cursor cursor);

private:
    void SetFullscreen(bool fullscreen);

    SDL_Window* window_ = nullptr;
    SDL_Surface* frame_ = nullptr;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    Cursor cursor_ = Cursor::Default;
    bool fullscreen_ = true;
};

} // namespace quorvel
