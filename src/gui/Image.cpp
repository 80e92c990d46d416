#include "gui/Image.h"

#include "gui/App.h"
#include "gui/Screen.h"

namespace quorvel {

Image::Image(std::string name) : Control(std::move(name)) {}

bool Image::Load(std::string_view designPath) {
    if (!Owner())
        return false;
    const auto size = Owner()->GetApp().MeasurePicture(designPath);
    if (!size)
        return false;
    picture_.reset();
    path_ = std::string(designPath);
    fileSize_ = *size;
    canvasText_.clear();
    if (autoSize_ && !stretch_)
        SetSize(size->width, size->height);
    Invalidate();
    return true;
}

void Image::SetPicture(std::shared_ptr<const Picture> picture, std::string designPath) {
    picture_ = std::move(picture);
    path_ = std::move(designPath);
    fileSize_ = {};
    canvasText_.clear();
    if (picture_ && autoSize_ && !stretch_)
        SetSize(picture_->width, picture_->height);
    Invalidate();
}

void Image::Clear() {
    picture_.reset();
    path_.clear();
    fileSize_ = {};
    canvasText_.clear();
    Invalidate();
}

void Image::CanvasText(int x, int y, std::string text, const FontSpec& font, Color background) {
    for (auto& line : canvasText_) {
        if (line.x == x && line.y == y) {
            line.text = std::move(text);
            line.font = font;
            line.background = background;
            Invalidate();
            return;
        }
    }
    canvasText_.push_back({x, y, std::move(text), font, background});
    Invalidate();
}

void Image::ClearCanvasText() {
    canvasText_.clear();
    Invalidate();
}

std::optional<Rect> Image::CaptionArea() const {
    // A button: it clicks and is no larger than a quarter of its screen (a background that
    // takes clicks has no caption).
    const Rect r = ScreenRect();
    if (!onClick || !Owner() ||
        4L * r.w * r.h > static_cast<long>(Owner()->Bounds().w) * Owner()->Bounds().h)
        return std::nullopt;
    // Its middle: a fifth of the width in from each side, a quarter of the height.
    return Rect{r.x + r.w / 5, r.y + r.h / 4, r.w - 2 * (r.w / 5), r.h - 2 * (r.h / 4)};
}

void Image::Paint(Canvas& canvas) const {
    const Rect r = ScreenRect();
    if (picture_) {
        if (stretch_)
            canvas.DrawPicture(*picture_, r);
        else
            canvas.DrawPicture(*picture_, {r.x, r.y, picture_->width, picture_->height});
    } else if (fileSize_.width > 0) {
        canvas.DrawPictureFile(path_,
                               stretch_ ? r : Rect{r.x, r.y, fileSize_.width, fileSize_.height});
    }
    for (const auto& line : canvasText_) {
        // A cell as wide as two digits of the font, like a text-out with an opaque brush.
        const Rect cell{r.x + line.x, r.y + line.y, line.font.sizePx * 6 / 5, line.font.sizePx};
        canvas.FillRect(cell, line.background);
        canvas.DrawText(line.text, line.font, cell, Align::Left, false);
    }
}

} // namespace quorvel
