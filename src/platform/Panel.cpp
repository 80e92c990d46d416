#include "platform/Panel.h"

namespace quorvel {

Panel::Panel(std::string name) : Control(std::move(name)) {}

void Panel::Paint(Canvas& canvas) const {
    const Rect r = ScreenRect();
    canvas.FillRect(r, color_);
    if (bevel_)
        canvas.FrameRect(r, Color{128, 128, 128});
}

} // namespace quorvel
