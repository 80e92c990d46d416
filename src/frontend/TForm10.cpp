#include "frontend/TForm10.h"

namespace quorvel {

namespace {
// Pages help-01 .. help-06; back at 40, 408, previous at 362, 408, next at 451, 408.
constexpr HelpScreen::Layout kLayout{6, 1, {40, 408}, {362, 408}, {451, 408}};
} // namespace

TForm10::TForm10(FrontEndHost& host)
    : HelpScreen(host, "TForm10", Rect{109, 99, 600, 450}, kLayout, "Image2", "Image4", "Image3") {}

} // namespace quorvel
