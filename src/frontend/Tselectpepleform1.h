// The player selection screen: the user picks the character to play. Hovering a name plate
// shows that character's profile; a click chooses it and freezes the hover until OK, choose
// again or back.
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"
#include "ui/ScreenConventions.h"

#include <array>

namespace quorvel {

class FrontEndHost;

class Tselectpepleform1 : public Screen {
public:
    explicit Tselectpepleform1(FrontEndHost& host);

    void FormActivate() override;
    void FormDeactivate() override;

    // Handlers, public so tests and the scenario runner reach the same code as the mouse.
    // `character` is the roster number [1-9].
    void PlateMouseMove(int character);
    void PlateClick(int character);
    void Image1MouseMove();
    void Image13MouseMove();
    void Image11MouseMove();
    void Image12Click();
    void Image14Click();
    void Image11Click();

    bool PlayerChosen() const { return playerChosen_; }

private:
    void FormCreate();
    // Back to idle: nothing chosen, every tag clear, resting plates and inactive buttons.
    void ResetSelection();
    void LoadButtonLooks(bool active);
    void RestBackButton();

    FrontEndHost& host_;
    bool playerChosen_ = false;
    Image& Image1;
    Image& Image13;
    Image& Image12;
    Image& Image14;
    Image& Image11;
    std::array<Image*, 9> plates_{}; // Image2..Image10
    HoverGroup plateGroup_;
};

} // namespace quorvel
