#include "frontend/TForm11.h"

namespace quorvel {

namespace {
// Pages help-10 .. help-16; back at 48, 408, previous at 368, 408, next at 456, 408.
constexpr HelpScreen::Layout kLayout{7, 10, {48, 408}, {368, 408}, {456, 408}};
} // namespace

TForm11::TForm11(FrontEndHost& host)
    : HelpScreen(host, "TForm11", Rect{108, 96, 600, 450}, kLayout, "Image4", "Image3", "Image2") {}

} // namespace quorvel
