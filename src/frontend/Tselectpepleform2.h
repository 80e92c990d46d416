// The opponent selection screen: the user picks one or three computer opponents, in an order
// that decides their seats. The user's own character is lit and cannot be picked; name tags at
// the figures' feet say who is who.
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"

#include <array>
#include <memory>

namespace quorvel {

class FrontEndHost;
class StageNameTags;

class Tselectpepleform2 : public Screen {
public:
    explicit Tselectpepleform2(FrontEndHost& host);
    ~Tselectpepleform2() override;

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
    const StageNameTags& NameTags() const { return *names_; }

private:
    void FormCreate();
    void SetButtons(bool enabled);
    void DimPickedFigures();
    void ClearTags();
    void RestBackButton();
    bool IsLit(int figure) const;
    // What a lit figure's tag says after the name: the user's own, or a pick's part at the table.
    std::string LitRole(int figure) const;

    FrontEndHost& host_;
    bool opponentsComplete_ = false;
    Image& Image1;
    Image& Image11;
    Image& Image12;
    Image& Image13;
    Image& Image14;
    std::array<Image*, 9> figures_{}; // Image2..Image10
    std::unique_ptr<StageNameTags> names_;
};

} // namespace quorvel
