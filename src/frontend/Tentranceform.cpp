#include "frontend/Tentranceform.h"

#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "frontend/TForm10.h"
#include "frontend/TForm11.h"
#include "frontend/Tmainform.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/App.h"

namespace quorvel {

namespace {
constexpr const char* kTune = "sound\\3.wav";

struct Placement {
    const char* name;
    Rect bounds;
};
// Where the controls sit [layout px]. The many-against-one choice sits on the right of the
// ring, clear of the one-on-one and help choices; its caption plate, which the screen's edge
// leaves no room for on its right, shows on its left.
constexpr Placement kLayout[] = {
    {"Image1", {0, 0, 800, 600}},     {"Image9", {12, 17, 116, 95}},
    {"Image10", {10, 493, 116, 95}},  {"Image11", {670, 14, 116, 95}},
    {"Image12", {671, 490, 116, 95}}, {"Image7", {248, 183, 267, 238}},
    {"Image2", {510, 112, 100, 100}}, {"Image3", {690, 185, 100, 100}},
    {"Image5", {558, 274, 105, 105}}, {"Image6", {445, 445, 105, 105}},
    {"Image8", {132, 515, 75, 32}},   {"Image4", {594, 145, 128, 34}},
    {"Image13", {562, 218, 128, 34}}, {"Image14", {647, 306, 128, 34}},
    {"Image15", {530, 480, 128, 34}},
};
} // namespace

Tentranceform::Tentranceform(FrontEndHost& host)
    : Screen(host.GetApp(), "Tentranceform"), host_(host), Image1(Add<Image>("Image1")),
      Image9(Add<Image>("Image9")), Image10(Add<Image>("Image10")), Image11(Add<Image>("Image11")),
      Image12(Add<Image>("Image12")), Image7(Add<Image>("Image7")), Image2(Add<Image>("Image2")),
      Image3(Add<Image>("Image3")), Image5(Add<Image>("Image5")), Image6(Add<Image>("Image6")),
      Image8(Add<Image>("Image8")), Image4(Add<Image>("Image4")), Image13(Add<Image>("Image13")),
      Image14(Add<Image>("Image14")), Image15(Add<Image>("Image15")) {
    FormCreate();
}

void Tentranceform::FormCreate() {
    for (const auto& p : kLayout)
        Find(p.name)->SetBounds(p.bounds);
    Image1.Load("picture\\gif\\xz100.gif");
    Image9.Load("picture\\design\\corner1.gif");
    Image10.Load("picture\\design\\corner2.gif");
    Image11.Load("picture\\design\\corner3.gif");
    Image12.Load("picture\\design\\corner4.gif");
    Image7.Load("picture\\gif\\df1-20.gif");
    Image4.Load("picture\\gif\\df1-10.gif");
    Image13.Load("picture\\gif\\df1-24.gif");
    Image14.Load("picture\\gif\\df1-45.gif");
    Image15.Load("picture\\gif\\df1-55.gif");
    HidePlates();

    // On this screen the "-" picture is the resting one.
    choices_.Add(Image2, "picture\\gif\\df1-1-.gif", "picture\\gif\\df1-1.gif");
    choices_.Add(Image3, "picture\\gif\\df1-2-.gif", "picture\\gif\\df1-2.gif");
    choices_.Add(Image5, "picture\\gif\\df1-4-.gif", "picture\\gif\\df1-4.gif");
    choices_.Add(Image6, "picture\\gif\\df1-5-.gif", "picture\\gif\\df1-5.gif");
    choices_.LoadResting();
    Image8.Load("picture\\gif-\\fh1-00.gif");

    choiceTable_ = {{&Image2, &Image4, "picture\\gif\\Df1-20.gif", 1},
                    {&Image3, &Image13, "picture\\gif\\df1-21.gif", 2},
                    {&Image5, &Image14, "picture\\gif\\df1-22.gif", 4},
                    {&Image6, &Image15, "picture\\gif\\df1-23.gif", 5}};
    auto restBack = [this] {
        if (Image8.Tag() != 0) {
            Image8.Load("picture\\gif-\\fh1-00.gif");
            Image8.SetTag(0);
        }
    };
    Image8.onMouseMove = [this](Point) {
        if (Image8.Tag() != 1) {
            Image8.Load("picture\\gif-\\fh1-01.gif");
            Image8.SetTag(1);
        }
        HidePlates();
    };
    Image1.onMouseMove = [this, restBack](Point) {
        choices_.RestAll();
        restBack();
        HidePlates();
    };
    // A choice rests the other choices and the back button; the back button rests no choice.
    for (const Choice& c : choiceTable_) {
        c.button->SetCursor(Cursor::HandPoint);
        c.button->onMouseMove = [this, c, restBack](Point) {
            HoverChoice(c);
            restBack();
        };
    }

    Image2.onClick = [this] { Image2Click(); };
    Image3.onClick = [this] { Image3Click(); };
    Image5.onClick = [this] { Image5Click(); };
    Image6.onClick = [this] { Image6Click(); };
    Image8.onClick = [this] { Image8Click(); };
}

void Tentranceform::HoverChoice(const Choice& choice) {
    choices_.Highlight(*choice.button);
    for (const Choice& c : choiceTable_)
        c.plate->SetVisible(c.button == choice.button);
    if (Image7.Tag() != choice.bubbleTag) {
        Image7.Load(choice.bubble);
        Image7.SetTag(choice.bubbleTag);
    }
}

void Tentranceform::HidePlates() {
    for (Image* plate : {&Image4, &Image13, &Image14, &Image15})
        plate->Hide();
}

void Tentranceform::FormActivate() {
    GetApp().PlaySound(kTune, true);
}

void Tentranceform::FormDeactivate() {
    GetApp().StopSound();
}

void Tentranceform::ChooseSeats(int tableSize, const char* banner) {
    HidePlates();
    auto& opponents = host_.OpponentSelection();
    opponents.SetBanner(banner);
    opponents.LightFigure(host_.State().PlayerPick.PickFigure);
    Hide();
    opponents.Show();
    host_.State().TableSize = tableSize;
}

void Tentranceform::Image2Click() {
    ChooseSeats(1, "picture\\gif\\1ren.gif");
}

void Tentranceform::Image3Click() {
    ChooseSeats(2, "picture\\gif\\3ren.gif");
}

void Tentranceform::Image5Click() {
    HidePlates();
    host_.Form10().OpenAtFirstPage();
}

void Tentranceform::Image6Click() {
    HidePlates();
    host_.Form11().OpenAtFirstPage();
}

void Tentranceform::Image8Click() {
    HidePlates();
    host_.MainForm().RestoreMainMenu("picture\\home100.gif");
    Hide();
}

} // namespace quorvel
