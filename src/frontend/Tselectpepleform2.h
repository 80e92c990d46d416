// The opponent selection screen: the user picks one or three computer opponents, in an order
// that decides their seats. The user's own character is lit and cannot be picked.
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"

#include <array>

namespace quorvel {

class FrontEndHost;

class Tselectpepleform2 : public Screen {
public:
    explicit Tselectpepleform2(FrontEndHost& host);

    void FormActivate() override;
    void FormDeactivate() override;

    // Loads the banner that says how many opponents to pick.
    void SetBanner(const char* designPath);
    // Lights the figure of a character [2-10] with tag 0 (the user's own); others are ignored.
    void LightFigure(int figure);
    // Dims the figure of a character [2-10] with tag 0; others are ignored.
    void DimFigure(int figure);

    // Handlers, public so tests and the scenario runner reach the same code as the mouse.
    // `character` is the roster number [1-9].
    void FigureClick(int character);
    void Image12Click();
    void Image13Click();
    void Image14Click();
    void Image1MouseMove();
    void Image13MouseMove();
    void Image14MouseMove();

    bool OpponentsComplete() const { return opponentsComplete_; }

private:
    void FormCreate();
    void SetButtons(bool enabled);
    void DimPickedFigures();
    void ClearTags();
    void RestBackButton();

    FrontEndHost& host_;
    bool opponentsComplete_ = false;
    Image& Image1;
    Image& Image11;
    Image& Image12;
    Image& Image13;
    Image& Image14;
    std::array<Image*, 9> figures_{}; // Image2..Image10
};

} // namespace quorvel
