// The main menu: its first look offers start, load and leave; start game turns it into its
// second look with the two banker choices. It switches the display at start-up. The desktop
// game adds a settings button in its corner, and Esc on the second look goes back to the first;
// a game that keeps statistics adds the statistics button under it (F3).
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"
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
    bool KeyDown(const KeyPress& key) override;
    // Shows the settings button (the desktop game); it is hidden otherwise.
    void OfferSettings();
    // Shows the statistics button (when the game keeps statistics), under the settings button
    // when there is one.
    void OfferStatistics();
    bool SecondLook() const { return Image9.Visible(); }

    // Handlers, public so tests and the scenario runner reach the same code as clicks do.
    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image8Click();
    void Image9Click();

private:
    void FormCreate();
    void ChooseBanker(int choice);
    // The settings and statistics buttons offered, from the top right corner down.
    void PlaceCornerButtons();
    // From the banker choices back to start, load and leave.
    void BackToFirstLook();

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
    Image& settings_;
    Image& statistics_;
    HoverGroup startGroup_;
    HoverGroup bankerGroup_;
};

} // namespace quorvel
