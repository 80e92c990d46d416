// The event pump of the windowed game: draws a frame when something changed, then sleeps in
// SDL until an event arrives or the deadline passes (no busy waiting), and turns SDL events
// into the App's input: pointer in layout coordinates, keys, the window's close button, focus.
#pragma once

#include "gui/App.h"
#include "gui/sdl/SdlCanvas.h"

#include <cstdint>
#include <optional>
#include <string>

union SDL_Event;

namespace quorvel {

class PaintedPictures;
class SdlSound;
class SdlWindow;
class TextRenderer;

class SdlPump final : public EventPump {
public:
    // `sound` may be nullptr (no music events then).
    SdlPump(App& app, SdlWindow& window, TextRenderer& text, SdlSound* sound,
            PaintedPictures* painted = nullptr);

    void Pump(std::optional<std::int64_t> deadlineMs) override;
    // Draws now if anything changed or a notice ran out; otherwise shows the last frame
    // again when the window system asked for it.
    void RenderIfNeeded();
    // Asks, from any thread but the main loop's, for the window to be raised (a second copy of
    // the game was started) and waits up to `ms` [ms] for the main loop to do it; false when it
    // did not in that time (the loop is busy or stuck).
    static bool RaiseWithin(int ms);

private:
    static std::uint32_t RaiseEvent();
    void Handle(const SDL_Event& event);
    void UpdateTextInput();
    void UpdateCursor();

    App& app_;
    SdlWindow& window_;
    SdlCanvas canvas_;
    SdlSound* sound_;
    std::string composing_;  // input method text not yet committed
    bool showAgain_ = false; // the window was exposed, shown or resized
    Point pointer_{-1, -1};  // last pointer position [layout px]
    // When the first notice on screen runs out [clock ms].
    std::optional<std::int64_t> noticeEnds_;
};

} // namespace quorvel
