// A bitmap button (TBitBtn): a raised button face with a caption, pressed-in while held. The
// face may instead be drawn from two pictures, at rest and pressed, with the caption over it; the
// game's own dialogs give it their colours instead: a flat face in a frame.
#pragma once

#include "gui/Control.h"
#include "gui/Geometry.h"

#include <string>

namespace quorvel {

class BitBtn : public Control {
public:
    explicit BitBtn(std::string name);

    void SetCaption(std::string caption);
    const std::string& Caption() const { return caption_; }
    std::string Text() const override { return caption_; }
    std::optional<Rect> CaptionArea() const override;
    void SetFont(const FontSpec& font) { font_ = font; }
    // A flat face and frame instead of the raised grey one; the caption takes the font's colour.
    struct Colours {
        Color face;
        Color pressed;
        Color frame;
        Color disabledText;
    };
    void SetColours(const Colours& colours);
    // Pictures by design path, stretched over the button, in place of the raised face.
    void SetPictures(std::string resting, std::string pressed);
    // The face picture showing now, "" for the raised face; not reported as PicturePath:
    // scripts print a button by its caption.
    const std::string& FacePicture() const { return down_ ? pressed_ : resting_; }

    void Paint(Canvas& canvas) const override;
    void Pressed(MouseButton button) override;
    void Released(MouseButton button) override;

private:
    void PaintCaption(Canvas& canvas, Rect r, const FontSpec& font) const;

    std::string caption_;
    FontSpec font_{14, false, colors::kBlack};
    std::string resting_;
    std::string pressed_;
    bool down_ = false;
    bool flat_ = false;
    Colours colours_{};
};

} // namespace quorvel
