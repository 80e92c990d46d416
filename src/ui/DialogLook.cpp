// The question dialogs' shared layout.
#include "ui/DialogLook.h"

#include "gui/Image.h"
#include "gui/Label.h"

namespace quorvel::dialoglook {

void DressQuestion(Image& picture, Label& title, Label& text, int width, int height,
                   const char* titleText) {
    picture.SetBounds({0, 0, width, height});
    picture.SetAutoSize(false);
    picture.SetStretch(true);
    picture.Load(kQuestionPicture);
    title.SetFont(kQuestionTitleFont);
    title.SetAutoSize(false);
    title.SetBounds({20, 24, width - 40, 26});
    title.SetAlignment(Align::Center);
    title.SetCaption(titleText);
    text.SetFont(kTextFont);
    text.SetAutoSize(false);
    text.SetBounds({36, 64, width - 72, 48});
    text.SetAlignment(Align::Center);
    text.SetWordWrap(true);
}

} // namespace quorvel::dialoglook
