// The edit box's typing, its limit in characters, and its face with the caret.
#include "gui/Edit.h"

#include "gui/Screen.h"

namespace quorvel {

namespace {
std::size_t CharLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

std::size_t CountChars(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += CharLength(static_cast<unsigned char>(s[i])))
        ++n;
    return n;
}
} // namespace

Edit::Edit(std::string name) : Control(std::move(name)) {}

void Edit::SetText(std::string text) {
    // Cut to the limit on a character boundary.
    if (maxLength_ > 0) {
        std::size_t i = 0;
        for (int n = 0; i < text.size() && n < maxLength_; ++n)
            i += CharLength(static_cast<unsigned char>(text[i]));
        text.resize(std::min(i, text.size()));
    }
    if (text == text_)
        return;
    text_ = std::move(text);
    Invalidate();
    if (onChange)
        onChange();
}

void Edit::TextInput(std::string_view utf8) {
    std::string next = text_;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len = CharLength(static_cast<unsigned char>(utf8[i]));
        if (maxLength_ > 0 && CountChars(next) >= static_cast<std::size_t>(maxLength_))
            break;
        next.append(utf8.substr(i, len));
        i += len;
    }
    SetText(std::move(next));
}

void Edit::KeyBackspace() {
    if (text_.empty())
        return;
    std::size_t i = text_.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(text_[i]) & 0xC0) == 0x80)
        --i;
    SetText(text_.substr(0, i));
}

void Edit::Paint(Canvas& canvas) const {
    const Rect r = ScreenRect();
    canvas.FillRect(r, fill_);
    canvas.FrameRect(r, frame_);
    // The line of text is centred in the box, whatever the face's line height.
    const int line = canvas.TextHeight("8", font_, r.w, false);
    const Rect inner{r.x + 3, r.y + (r.h - line) / 2, r.w - 6, line};
    canvas.DrawText(text_, font_, inner, Align::Left, false);
    const bool focused = Owner() && Owner()->Focus() == this;
    if (focused) {
        // The caret sits after the text; its width follows the estimate used for labels.
        int half = 0;
        for (std::size_t i = 0; i < text_.size();) {
            const std::size_t len = CharLength(static_cast<unsigned char>(text_[i]));
            half += len >= 3 ? 2 : 1;
            i += len;
        }
        const int x = inner.x + (half * font_.sizePx + 1) / 2 + 1;
        canvas.FillRect({x, inner.y + (line - font_.sizePx) / 2 + 1, 1, font_.sizePx}, font_.color);
    }
}

} // namespace quorvel
