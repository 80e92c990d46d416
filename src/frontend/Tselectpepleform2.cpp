#include "frontend/Tselectpepleform2.h"

#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "frontend/StageNameTags.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "players/Roster.h"
#include "ui/FrontEndPictures.h"

#include <string>

namespace quorvel {

namespace {

constexpr const char* kTune = "sound\\fun03.wav";
constexpr const char* kAgainDisabled = "picture\\gif-\\Cx1-00.gif";
constexpr const char* kAgainEnabled = "picture\\gif-\\Cx1-01.gif";
constexpr const char* kOkDisabled = "picture\\gif-\\Qd1-00.gif";
constexpr const char* kOkEnabled = "picture\\gif-\\Qd1-01.gif";
constexpr const char* kBackResting = "picture\\gif-\\Fh1-00.gif";
constexpr const char* kBackHighlighted = "picture\\gif-\\Fh1-01.gif";

// Where the full-length figures of characters 1..9 stand [layout px].
constexpr Rect kFigureBounds[9] = {
    {0, 205, 117, 217},   {90, 138, 111, 212},  {165, 207, 125, 219},
    {267, 138, 122, 228}, {376, 139, 111, 246}, {476, 139, 90, 237},
    {550, 224, 99, 201},  {616, 140, 129, 205}, {682, 226, 116, 198},
};

// Figure f [2-10]: "a-00(f-1)-.gif" dim, "a-00(f-1).gif" lit.
std::string FigurePicture(int figure, bool lit) {
    return "picture\\gif\\a-00" + std::to_string(figure - 1) + (lit ? ".gif" : "-.gif");
}

bool IsFigure(int figure) {
    return figure >= 2 && figure <= 10;
}

} // namespace

Tselectpepleform2::Tselectpepleform2(FrontEndHost& host)
    : Screen(host.GetApp(), "Tselectpepleform2"), host_(host), Image1(Add<Image>("Image1")),
      Image11(Add<Image>("Image11")), Image12(Add<Image>("Image12")),
      Image13(Add<Image>("Image13")), Image14(Add<Image>("Image14")) {
    for (int n = 1; n <= 9; ++n)
        figures_[n - 1] = &Add<Image>("Image" + std::to_string(n + 1));
    FormCreate();
}

Tselectpepleform2::~Tselectpepleform2() = default;

void Tselectpepleform2::FormCreate() {
    Image1.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    Image1.Load(frontendpicture::kSelectOpponent);
    Image11.SetBounds({216, 8, 424, 95});
    Image11.Load("picture\\gif\\1ren.gif");
    Image12.SetBounds({271, 523, 179, 62});
    Image13.SetBounds({526, 523, 98, 56});
    Image14.SetBounds({24, 530, 75, 32});
    Image14.Load(kBackResting);
    for (int n = 1; n <= 9; ++n) {
        Image& figure = *figures_[n - 1];
        figure.SetBounds(kFigureBounds[n - 1]);
        figure.Load(FigurePicture(n + 1, false));
        figure.SetCursor(Cursor::HandPoint);
        figure.onClick = [this, n] { FigureClick(n); };
    }
    names_ = std::make_unique<StageNameTags>(*this, figures_);
    names_->isLit = [this](int figure) { return IsLit(figure); };
    names_->litRole = [this](int figure) { return LitRole(figure); };
    for (int n = 1; n <= 9; ++n) {
        figures_[n - 1]->onMouseMove = [this, n](Point) { names_->Hover(n); };
        figures_[n - 1]->onMouseLeave = [this, n](const Control* next) { names_->Leave(n, next); };
    }
    for (Image* button : {&Image12, &Image13, &Image14})
        button->SetCursor(Cursor::HandPoint);
    SetButtons(false);
    opponentsComplete_ = false;
    host_.State().OpponentCount = 0;
    ClearTags();

    Image1.onMouseMove = [this](Point) { Image1MouseMove(); };
    Image13.onMouseMove = [this](Point) { Image13MouseMove(); };
    Image14.onMouseMove = [this](Point) { Image14MouseMove(); };
    Image12.onClick = [this] { Image12Click(); };
    Image13.onClick = [this] { Image13Click(); };
    Image14.onClick = [this] { Image14Click(); };
}

void Tselectpepleform2::FormActivate() {
    GetApp().PlaySound(kTune, true);
}

void Tselectpepleform2::FormDeactivate() {
    GetApp().StopSound();
}

void Tselectpepleform2::SetBanner(const char* designPath) {
    Image11.Load(designPath);
}

void Tselectpepleform2::LightFigure(int figure) {
    if (!IsFigure(figure))
        return;
    figures_[figure - 2]->Load(FigurePicture(figure, true));
    figures_[figure - 2]->SetTag(0);
    names_->Refresh();
}

void Tselectpepleform2::DimFigure(int figure) {
    if (!IsFigure(figure))
        return;
    figures_[figure - 2]->Load(FigurePicture(figure, false));
    figures_[figure - 2]->SetTag(0);
    names_->Refresh();
}

void Tselectpepleform2::FigureClick(int character) {
    if (character < 1 || character > 9)
        return;
    const int figure = character + 1;
    Image& control = *figures_[character - 1];
    auto& state = host_.State();
    if (control.Tag() == 1 || opponentsComplete_ || figure == state.PlayerPick.PickFigure)
        return;
    control.Load(FigurePicture(figure, true));
    control.SetTag(1);
    if (state.TableSize == 1) {
        state.OpponentCount = 1;
        opponentsComplete_ = true;
    } else if (state.TableSize == 2) {
        ++state.OpponentCount;
        opponentsComplete_ = state.OpponentCount >= 3;
    }
    if ((opponentsComplete_ || state.TableSize == 2) && state.OpponentCount >= 1 &&
        state.OpponentCount <= 3) {
        auto& pick = state.OpponentPicks[state.OpponentCount - 1];
        pick.PickName = std::string(Roster()[character - 1].Name);
        pick.PickFigure = figure;
    }
    names_->Refresh();
    if (opponentsComplete_) {
        SetButtons(true);
        // Picking by the keyboard goes on to OK, so that Enter opens the table rather than
        // pressing the picked figure again.
        if (GetApp().KeyFocus())
            GetApp().SetKeyFocus(&Image13);
    }
}

void Tselectpepleform2::Image12Click() {
    SetButtons(false);
    DimPickedFigures();
    opponentsComplete_ = false;
    host_.State().OpponentCount = 0;
    ClearTags();
}

void Tselectpepleform2::Image13Click() {
    opponentsComplete_ = false;
    host_.State().OpponentCount = 0;
    ClearTags();
    DimFigure(host_.State().PlayerPick.PickFigure);
    SetButtons(false);
    Hide();
    // The picked figures stay lit: opening the table dims each opponent as it takes it.
    host_.OpenNewTable();
}

void Tselectpepleform2::Image14Click() {
    opponentsComplete_ = false;
    host_.State().OpponentCount = 0;
    SetButtons(false);
    DimPickedFigures();
    DimFigure(host_.State().PlayerPick.PickFigure);
    ClearTags();
    host_.MainForm().RestoreMainMenu("picture\\home100.gif");
    Hide();
}

void Tselectpepleform2::Image1MouseMove() {
    RestBackButton();
}

// Hovering OK only marks it; it has no highlighted picture.
void Tselectpepleform2::Image13MouseMove() {
    Image13.SetTag(1);
}

void Tselectpepleform2::Image14MouseMove() {
    if (Image14.Tag() != 1) {
        Image14.Load(kBackHighlighted);
        Image14.SetTag(1);
    }
}

bool Tselectpepleform2::IsLit(int figure) const {
    return IsFigure(figure) && figures_[figure - 2]->PicturePath() == FigurePicture(figure, true);
}

std::string Tselectpepleform2::LitRole(int figure) const {
    const auto& state = host_.State();
    if (figure == state.PlayerPick.PickFigure)
        return "你";
    if (figures_[figure - 2]->Tag() != 1)
        return {};
    for (int order = 1; order <= state.OpponentCount && order <= 3; ++order)
        if (state.OpponentPicks[order - 1].PickFigure == figure)
            return order == BankingPick(state.TableSize, state.BankerChoice) ? "莊家" : "對手";
    return {};
}

void Tselectpepleform2::SetButtons(bool enabled) {
    Image12.Load(enabled ? kAgainEnabled : kAgainDisabled);
    Image13.Load(enabled ? kOkEnabled : kOkDisabled);
    Image12.SetEnabled(enabled);
    Image13.SetEnabled(enabled);
}

void Tselectpepleform2::DimPickedFigures() {
    for (int figure = 2; figure <= 10; ++figure)
        if (figures_[figure - 2]->Tag() == 1)
            DimFigure(figure);
}

void Tselectpepleform2::ClearTags() {
    // The back button's tag says which picture it shows, so clearing it rests the button too.
    RestBackButton();
    for (Image* c : {&Image1, &Image11, &Image12, &Image13})
        c->SetTag(0);
    for (Image* figure : figures_)
        figure->SetTag(0);
}

void Tselectpepleform2::RestBackButton() {
    if (Image14.Tag() != 0) {
        Image14.Load(kBackResting);
        Image14.SetTag(0);
    }
}

} // namespace quorvel
