// The seat-count screen: one-on-one or many-against-one, the two help sets, and back. Hovering
// a choice shows its caption plate and its description in the bubble.
#pragma once

#include "gui/Image.h"
#include "gui/Screen.h"
#include "ui/ScreenConventions.h"

namespace quorvel {

class FrontEndHost;

class Tentranceform : public Screen {
public:
    explicit Tentranceform(FrontEndHost& host);

    void FormActivate() override;
    void FormDeactivate() override;

    void Image2Click();
    void Image3Click();
    void Image5Click();
    void Image6Click();
    void Image8Click();

private:
    struct Choice {
        Image* button;
        Image* plate;
        const char* bubble;
        int bubbleTag;
    };
    void FormCreate();
    void HoverChoice(const Choice& choice);
    void HidePlates();
    void ChooseSeats(int tableSize, const char* banner);

    FrontEndHost& host_;
    Image& Image1;
    Image& Image9;
    Image& Image10;
    Image& Image11;
    Image& Image12;
    Image& Image7;
    Image& Image2;
    Image& Image3;
    Image& Image5;
    Image& Image6;
    Image& Image8;
    Image& Image4;
    Image& Image13;
    Image& Image14;
    Image& Image15;
    HoverGroup choices_;
    std::vector<Choice> choiceTable_;
};

} // namespace quorvel
