// The panel's face: its picture, or a plain fill with a bevel line.
#include "gui/Panel.h"

namespace quorvel {

Panel::Panel(std::string name) : Control(std::move(name)) {}

void Panel::SetPicture(std::string designPath) {
    picture_ = std::move(designPath);
    Invalidate();
}

void Panel::Paint(Canvas& canvas) const {
    const Rect r = ScreenRect();
    if (!picture_.empty()) {
        canvas.DrawPictureFile(picture_, r);
        return;
    }
    canvas.FillRect(r, color_);
    if (bevel_)
        canvas.FrameRect(r, Color{128, 128, 128});
}

} // namespace quorvel
