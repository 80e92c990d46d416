// A picture control (TImage): shows a picture file, sizes itself to it unless stretched, and
// reports clicks and mouse moves. Loading a file takes only its size; its pixels are decoded
// through the game's picture cache when the control is drawn. Text can be written on its canvas, as
// the unseen-card panel does; each text cell keeps the latest text written at that place, over an
// opaque box.
#pragma once

#include "gui/Control.h"
#include "gui/Picture.h"
#include "gui/PictureSource.h"

#include <memory>
#include <string>
#include <vector>

namespace quorvel {

class Image : public Control {
public:
    explicit Image(std::string name);

    // Takes a picture by its design path. When it is missing or its header is damaged, the
    // error is reported (once per file) and the control keeps what it showed; returns
    // whether the picture was taken. Damage further in is reported when it is first drawn.
    bool Load(std::string_view designPath);
    // Shows a picture that is already decoded (tests, generated pictures).
    void SetPicture(std::shared_ptr<const Picture> picture, std::string designPath = {});
    void Clear();
    // The picture given by SetPicture; a file taken by Load is decoded only when drawn.
    const std::shared_ptr<const Picture>& GetPicture() const { return picture_; }
    std::string PicturePath() const override { return path_; }
    // A picture button's caption is drawn into its picture, in the middle; other pictures have
    // none the layout knows of.
    std::optional<Rect> CaptionArea() const override;

    // Size to the picture on load (default), or keep the bounds and stretch the picture.
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

    // Writes text at a canvas position, over an opaque box of the background colour.
    void CanvasText(int x, int y, std::string text, const FontSpec& font, Color background);
    void ClearCanvasText();

    void Paint(Canvas& canvas) const override;

private:
    struct CanvasLine {
        int x;
        int y;
        std::string text;
        FontSpec font;
        Color background;
    };
    std::shared_ptr<const Picture> picture_;
    std::string path_;
    PictureSize fileSize_; // of the file taken by Load, while no picture is given [px]
    bool autoSize_ = true;
    bool stretch_ = false;
    std::vector<CanvasLine> canvasText_;
};

} // namespace quorvel
