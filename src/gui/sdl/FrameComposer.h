// Composition of one frame: the shown screens from bottom to top, each at its place, then the
// error notices as a strip at the top. Also the headless render used for screenshot tests and
// the screens walk, at 800x600 or at any output size.
#pragma once

#include "gui/Picture.h"

#include "gui/Geometry.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct SDL_Surface;

namespace quorvel {

class App;
class PaintedPictures;
class SdlCanvas;
class TextRenderer;

// Paints the frame onto the canvas's current target (black bars around the layout).
// `composing` is text an input method is still composing, shown under the focused control.
void ComposeFrame(App& app, SdlCanvas& canvas, std::string_view composing = {});

// The focused control's place [layout px] on the active screen, if one has focus.
std::optional<Rect> FocusRect(const App& app);

// Frames as the game would show them in a window of one size, without any window: the same
// canvas on a software surface, kept from frame to frame with its pictures. Missing pictures
// are reported through `app`.
class FrameRenderer {
public:
    // `painted` paints the pictures at their size when the output is not 800x600; may be
    // nullptr (every picture is scaled from its file).
    FrameRenderer(App& app, TextRenderer& text, int width, int height,
                  PaintedPictures* painted = nullptr);
    ~FrameRenderer();
    FrameRenderer(const FrameRenderer&) = delete;
    FrameRenderer& operator=(const FrameRenderer&) = delete;

    Picture Render();
    // Pictures drawn larger than the picture they came from, in every frame so far.
    int EnlargedDraws() const;

private:
    App& app_;
    std::unique_ptr<SdlCanvas> canvas_;
    SDL_Surface* surface_;
};

// The frame as the game would show it in an 800x600 window.
Picture RenderScreens(App& app, TextRenderer& text);

// Writes a picture as a BMP file; false (with SDL's error on stderr) when it cannot.
bool SaveBmp(const Picture& picture, const std::string& path);

} // namespace quorvel
