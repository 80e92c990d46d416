#include "frontend/HelpScreen.h"

#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "gui/App.h"
#include "ui/FrontEndPictures.h"

#include <cstdio>

namespace quorvel {

HelpScreen::HelpScreen(FrontEndHost& host, std::string name, Rect bounds, const Layout& layout,
                       const char* backName, const char* previousName, const char* nextName)
    : Screen(host.GetApp(), std::move(name), ScreenKind::Modal, bounds), layout_(layout),
      page_(Add<Image>("Image1")) {
    page_.SetBounds({0, 0, bounds.w, bounds.h});
    struct Button {
        const char* name;
        Point at;
        const char* picture;
        void (HelpScreen::*action)();
    };
    const Button buttons[] = {
        {backName, layout.back, frontendpicture::kHelpBack, &HelpScreen::Close},
        {previousName, layout.previous, frontendpicture::kHelpPrevious, &HelpScreen::PreviousPage},
        {nextName, layout.next, frontendpicture::kHelpNext, &HelpScreen::NextPage},
    };
    for (const Button& b : buttons) {
        Image& image = Add<Image>(b.name);
        image.SetPosition(b.at.x, b.at.y);
        image.Load(b.picture);
        image.SetCursor(Cursor::HandPoint);
        image.onClick = [this, action = b.action] { (this->*action)(); };
    }
    helpPage_ = 1;
}

std::string HelpScreen::PagePath(int page) const {
    char path[40];
    std::snprintf(path, sizeof path, "picture\\help\\help-%02d.gif", layout_.firstFile + page - 1);
    return path;
}

void HelpScreen::OpenAtFirstPage() {
    helpPage_ = 1;
    ShowPage();
    GetApp().ShowModal(*this);
}

void HelpScreen::OpenOverGame() {
    if (Visible())
        return;
    overGame_ = true;
    OpenAtFirstPage();
    // Without an event loop (headless) the screen is still showing here; it stays laid over
    // the game until it is closed.
    if (!Visible())
        overGame_ = false;
}

void HelpScreen::NextPage() {
    if (++helpPage_ > layout_.pageCount)
        helpPage_ = 1;
    ShowPage();
}

void HelpScreen::PreviousPage() {
    if (--helpPage_ <= 0)
        helpPage_ = layout_.pageCount;
    ShowPage();
}

// Hiding takes the screen off the top, so the seat-count screen is activated again and
// restarts its tune.
void HelpScreen::Close() {
    Hide();
    overGame_ = false;
}

void HelpScreen::ShowPage() {
    page_.Load(PagePath(helpPage_));
}

} // namespace quorvel
