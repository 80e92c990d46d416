// A bitmap button (TBitBtn): a raised button face with a caption, pressed-in while held. The
// game's own dialogs give it their colours instead: a flat face in a frame.
#pragma once

#include "platform/Control.h"
#include "platform/Geometry.h"

#include <string>

namespace quorvel {

class BitBtn : public Control {
public:
    explicit BitBtn(std::string name);

    void SetCaption(std::string caption);
    const std::string& Caption() const { return caption_; }
    std::string Text() const override { return caption_; }
    void SetFont(const FontSpec& font) { font_ = font; }
    // A flat face and frame instead of the raised grey one; the caption takes the font's colour.
    struct Colours {
        Color face;
        Color pressed;
        Color frame;
        Color disabledText;
    };
    void SetColours(const Colours& colours);

    void Paint(Canvas& canvas) const override;
    void Pressed(MouseButton button) override;
    void Released(MouseButton button) override;

private:
    std::string caption_;
    FontSpec font_{14, false, colors::kBlack};
    bool down_ = false;
    bool flat_ = false;
    Colours colours_{};
};

} // namespace quorvel
