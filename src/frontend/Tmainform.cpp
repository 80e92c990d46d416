#include "frontend/Tmainform.h"

#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "frontend/Tselectpepleform1.h"
#include "gui/App.h"

namespace quorvel {

namespace {
constexpr const char* kHomeBackground = "picture\\home100.gif";
constexpr const char* kSecondLook = "picture\\jpg\\Wjzz100.bmp";
constexpr const char* kLogo = "picture\\gif\\21logo.gif";
constexpr const char* kSettings = "picture\\design\\settings-button.gif";
constexpr const char* kSettingsLit = "picture\\design\\settings-button-.gif";
constexpr const char* kStatistics = "picture\\design\\stats-button.gif";
constexpr const char* kStatisticsLit = "picture\\design\\stats-button-.gif";
constexpr Rect kCornerPlace{690, 14, 96, 34}; // [layout px], the top right corner
constexpr int kCornerStep = 42;               // [px] down to the next corner button
} // namespace

Tmainform::Tmainform(FrontEndHost& host)
    : Screen(host.GetApp(), "Tmainform"), host_(host), Image1(Add<Image>("Image1")),
      Image3(Add<Image>("Image3")), Image2(Add<Image>("Image2")), Image4(Add<Image>("Image4")),
      Image5(Add<Image>("Image5")), Image9(Add<Image>("Image9")), Image8(Add<Image>("Image8")),
      Image7(Add<Image>("Image7")), Image6(Add<Image>("Image6")),
      settings_(Add<Image>("SettingsButton")), statistics_(Add<Image>("StatisticsButton")) {
    FormCreate();
}

void Tmainform::FormCreate() {
    // The display is switched only when neither side of the desktop already fits the 800x600
    // layout.
    auto& state = host_.State();
    const DisplaySize desktop = GetApp().Display().DesktopSize();
    state.ScreenWidth = desktop.width;
    state.ScreenHeight = desktop.height;
    if (desktop.width != kDesignWidth && desktop.height != kDesignHeight)
        GetApp().Display().SwitchDisplayMode(kDesignWidth, kDesignHeight);

    Image1.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    Image3.SetBounds({288, 152, 207, 83});
    Image2.SetBounds({264, 312, 243, 54});
    Image4.SetBounds({264, 373, 243, 54});
    Image5.SetBounds({264, 432, 243, 54});
    Image9.SetBounds({120, 440, 137, 47});
    Image8.SetBounds({536, 440, 137, 47});
    Image7.SetBounds({160, 370, 51, 59});
    Image6.SetBounds({576, 370, 48, 57});

    startGroup_.Add(Image2, "picture\\gif\\Yxks00.gif", "picture\\gif\\Yxks00-.gif");
    startGroup_.Add(Image4, "picture\\gif\\Yxks01.gif", "picture\\gif\\Yxks01-.gif");
    startGroup_.Add(Image5, "picture\\gif\\Yxks02.gif", "picture\\gif\\Yxks02-.gif");
    bankerGroup_.Add(Image9, "picture\\gif\\Wjzz10.gif", "picture\\gif\\Wjzz10-.gif");
    bankerGroup_.Add(Image8, "picture\\gif\\Wjzz11.gif", "picture\\gif\\Wjzz11-.gif");
    startGroup_.LoadResting();
    bankerGroup_.LoadResting();
    Image7.Load("picture\\design\\arrow1.gif");
    Image6.Load("picture\\design\\arrow2.gif");
    for (Image* hidden : {&Image8, &Image9, &Image6, &Image7})
        hidden->Hide();
    Image3.Load(kLogo);
    Image1.Load(kHomeBackground);

    // Hovering a start button rests the other start buttons only; hovering a banker choice
    // never rests the other choice; the background rests everything, the arrows the choices.
    for (Image* b : {&Image2, &Image4, &Image5})
        b->onMouseMove = [this, b](Point) { startGroup_.Highlight(*b); };
    Image9.onMouseMove = [this](Point) {
        if (Image9.Tag() != 1) {
            Image9.Load(bankerGroup_.Members()[0].highlighted);
            Image9.SetTag(1);
        }
    };
    Image8.onMouseMove = [this](Point) {
        if (Image8.Tag() != 1) {
            Image8.Load(bankerGroup_.Members()[1].highlighted);
            Image8.SetTag(1);
        }
    };
    Image1.onMouseMove = [this](Point) {
        startGroup_.RestAll();
        bankerGroup_.RestAll();
        if (settings_.Tag() != 0) {
            settings_.Load(kSettings);
            settings_.SetTag(0);
        }
        if (statistics_.Tag() != 0) {
            statistics_.Load(kStatistics);
            statistics_.SetTag(0);
        }
    };
    settings_.SetCursor(Cursor::HandPoint);
    settings_.Hide();
    settings_.onMouseMove = [this](Point) {
        if (settings_.Tag() != 1) {
            settings_.Load(kSettingsLit);
            settings_.SetTag(1);
        }
    };
    settings_.onClick = [this] { host_.OpenSettings(); };
    statistics_.SetCursor(Cursor::HandPoint);
    statistics_.Hide();
    statistics_.onMouseMove = [this](Point) {
        if (statistics_.Tag() != 1) {
            statistics_.Load(kStatisticsLit);
            statistics_.SetTag(1);
        }
    };
    statistics_.onClick = [this] { host_.OpenStatistics(); };
    for (Image* arrow : {&Image6, &Image7})
        arrow->onMouseMove = [this](Point) { bankerGroup_.RestAll(); };

    Image2.onClick = [this] { Image2Click(); };
    Image4.onClick = [this] { Image4Click(); };
    Image5.onClick = [this] { Image5Click(); };
    Image9.onClick = [this] { Image9Click(); };
    Image8.onClick = [this] { Image8Click(); };
}

void Tmainform::FormActivate() {
    GetApp().PlaySound("sound\\1.wav", true);
}

void Tmainform::OfferSettings() {
    settings_.Load(kSettings);
    settings_.SetTag(0);
    settings_.SetKeyHint(KeyName(Press(Key::F2)));
    settings_.Show();
    PlaceCornerButtons();
}

void Tmainform::OfferStatistics() {
    statistics_.Load(kStatistics);
    statistics_.SetTag(0);
    BindKey(Press(Key::F3), statistics_.Name());
    statistics_.Show();
    PlaceCornerButtons();
}

void Tmainform::PlaceCornerButtons() {
    Rect place = kCornerPlace;
    for (Image* button : {&settings_, &statistics_}) {
        button->SetBounds(place);
        if (button->Visible())
            place.y += kCornerStep;
    }
}

bool Tmainform::KeyDown(const KeyPress& key) {
    if (key.key == Key::Escape && !key.ctrl && !key.alt && SecondLook()) {
        BackToFirstLook();
        return true;
    }
    return Screen::KeyDown(key);
}

void Tmainform::BackToFirstLook() {
    for (Image* b : {&Image6, &Image7, &Image9, &Image8})
        b->Hide();
    bankerGroup_.RestAll();
    RestoreMainMenu(kHomeBackground);
    GetApp().PlaySound("sound\\1.wav", true);
}

void Tmainform::Image2Click() {
    for (Image* b : {&Image2, &Image4, &Image5, &Image3})
        b->Hide();
    Image1.Load(kSecondLook);
    for (Image* b : {&Image9, &Image8, &Image6, &Image7})
        b->Show();
    GetApp().StopSound();
    GetApp().PlaySound("sound\\2.wav", true);
}

void Tmainform::Image4Click() {
    host_.ResumeSavedGame();
}

void Tmainform::Image5Click() {
    host_.ExitProgram();
}

void Tmainform::Image9Click() {
    ChooseBanker(1);
}

void Tmainform::Image8Click() {
    ChooseBanker(2);
}

void Tmainform::ChooseBanker(int choice) {
    for (Image* b : {&Image6, &Image7, &Image9, &Image8})
        b->Hide();
    host_.State().BankerChoice = choice;
    Hide();
    host_.PlayerSelection().Show();
}

void Tmainform::RestoreMainMenu(const std::string& background) {
    for (Image* b : {&Image2, &Image3, &Image4, &Image5})
        b->Show();
    Image1.Load(background);
    Image3.Load(kLogo);
    Show();
}

} // namespace quorvel
