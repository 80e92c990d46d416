// Composition of one frame: the shown screens from bottom to top, each at its place, then the
// error notices as a strip at the top. Also the headless render used for screenshot tests.
#pragma once

#include "gui/Picture.h"

#include "gui/Geometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class App;
class SdlCanvas;
class TextRenderer;

// Paints the frame onto the canvas's current target (black bars around the layout).
// `composing` is text an input method is still composing, shown under the focused control.
void ComposeFrame(App& app, SdlCanvas& canvas, std::string_view composing = {});

// The focused control's place [layout px] on the active screen, if one has focus.
std::optional<Rect> FocusRect(const App& app);

// The frame as the game would show it in an 800x600 window, without any window: the same
// canvas on a software surface at scale 1. Missing pictures are reported through `app`.
Picture RenderScreens(App& app, TextRenderer& text);

// Writes a picture as a BMP file; false (with SDL's error on stderr) when it cannot.
bool SaveBmp(const Picture& picture, const std::string& path);

} // namespace quorvel
