// The start-up error box. SDL's own message box draws with the X server's core fonts, which
// have no Chinese, so the game's messages came out garbled there. This window draws the
// message with the game's own Chinese face; when that face is what is missing, the plain
// message box shows the message without its Chinese part.
#pragma once

#include <string>

namespace quorvel {

// Shows `text` until the user closes the window, presses a key or clicks. Returns false when
// nothing could be shown (no display); the caller has printed the text already.
bool ShowStartupError(const std::string& text);

// The text without its non-ASCII characters, for a box that cannot draw them.
std::string AsciiPart(const std::string& text);

} // namespace quorvel
