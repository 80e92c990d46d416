// What the two help screens share: a modal window with one page picture and three buttons
// (back, previous page, next page). The page number wraps round at both ends, and every
// opening starts again at the first page.
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"

#include <string>

namespace quorvel {

class FrontEndHost;

class HelpScreen : public Screen {
public:
    // The set's layout: pages [count] named "picture\help\help-NN.gif" from `firstFile` on,
    // and where its buttons sit [layout px, inside the window].
    struct Layout {
        int pageCount;
        int firstFile;
        Point back;
        Point previous;
        Point next;
    };

    int HelpPage() const { return helpPage_; }
    // The design path of page [1-pageCount].
    std::string PagePath(int page) const;

    // Loads the first page and shows the screen modally; returns when it is closed.
    void OpenAtFirstPage();
    // The same over whatever screen is showing (the help key): that screen stays active, so
    // its music goes on and it does not start again when the help is closed.
    void OpenOverGame();
    bool Activates() const override { return !overGame_; }
    void NextPage();
    void PreviousPage();
    // Closes the screen; the seat-count screen underneath is active again.
    void Close();

protected:
    HelpScreen(FrontEndHost& host, std::string name, Rect bounds, const Layout& layout,
               const char* backName, const char* previousName, const char* nextName);

private:
    void ShowPage();

    Layout layout_;
    int helpPage_ = 1; // [1-pageCount]
    bool overGame_ = false;
    Image& page_;
};

} // namespace quorvel
