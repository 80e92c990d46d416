// The banner's words, sound and wait.
#include "tables/TableBanner.h"

#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "tables/TableLook.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

TableBanner::TableBanner(App& app, Image& picture, Label& text)
    : app_(app), picture_(picture), text_(text) {
    text_.SetFont(table_look::kBannerFont);
    PlaceBannerText(text_, picture_);
}

void TableBanner::Announce(const std::string& text, int holdMs) {
    app_.PlaySound(kBannerSound);
    text_.SetCaption(text);
    text_.Show();
    picture_.Show();
    app_.TraceBanner(text);
    app_.Delay(holdMs);
    Hide();
}

void TableBanner::Hide() {
    text_.Hide();
    picture_.Hide();
}

} // namespace quorvel
