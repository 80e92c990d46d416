// The main menu: its first look offers start, load and leave; start game turns it into its
// second look with the two banker choices. It switches the display at start-up.
#pragma once

#include "platform/Image.h"
#include "platform/Screen.h"
#include "ui/ScreenConventions.h"

#include <string>

namespace quorvel {

class FrontEndHost;

class Tmainform : public Screen {
public:
    explicit Tmainform(FrontEndHost& host);

    // Brings back the first look with `background` and shows the menu.
    void RestoreMainMenu(const std::string& background);

    void FormActivate() override;

    // Handlers, public so tests and the scenario runner reach the same code as clicks do.
    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image8Click();
    void Image9Click();

private:
    void FormCreate();
    void ChooseBanker(int choice);

    FrontEndHost& host_;
    Image& Image1;
    Image& Image3;
    Image& Image2;
    Image& Image4;
    Image& Image5;
    Image& Image9;
    Image& Image8;
    Image& Image7;
    Image& Image6;
    HoverGroup startGroup_;
    HoverGroup bankerGroup_;
};

} // namespace quorvel
