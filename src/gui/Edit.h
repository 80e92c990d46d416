// A one-line edit box (TEdit): keeps at most MaxLength characters, takes typed and IME text
// when focused, and shows a caret.
#pragma once

#include "gui/Control.h"

#include <functional>
#include <string>

namespace quorvel {

class Edit : public Control {
public:
    explicit Edit(std::string name);

    void SetText(std::string text);
    std::string Text() const override { return text_; }
    // Limit in characters; 0 means none.
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    int MaxLength() const { return maxLength_; }
    void SetFont(const FontSpec& font) { font_ = font; }
    // The box's fill and frame; the caret takes the font's colour.
    void SetColors(Color fill, Color frame) {
        fill_ = fill;
        frame_ = frame;
    }

    bool TakesFocus() const override { return true; }
    void TextInput(std::string_view utf8) override;
    void KeyBackspace() override;
    void Paint(Canvas& canvas) const override;

    std::function<void()> onChange;

private:
    std::string text_;
    int maxLength_ = 0;
    FontSpec font_{14, false, colors::kBlack};
    Color fill_ = colors::kWhite;
    Color frame_{128, 128, 128};
};

} // namespace quorvel
