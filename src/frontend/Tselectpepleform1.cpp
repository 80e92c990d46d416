#include "frontend/Tselectpepleform1.h"

#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "frontend/Tentranceform.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "players/Roster.h"
#include "ui/FrontEndPictures.h"

#include <string>

namespace quorvel {

namespace {

constexpr const char* kTune = "sound\\fun01.wav";
constexpr const char* kOkInactive = "picture\\gif-\\qd1-00.gif";
constexpr const char* kOkActive = "picture\\gif-\\qd1-01.gif";
constexpr const char* kAgainInactive = "picture\\gif-\\cx1-00.gif";
constexpr const char* kAgainActive = "picture\\gif-\\cx1-01.gif";
constexpr const char* kBackResting = "picture\\gif-\\fh1-00.gif";
constexpr const char* kBackHighlighted = "picture\\gif-\\fh1-01.gif";

// Plate of character n [1-9]: "xm-0(n+9)-.gif" resting, "xm-0(n+9).gif" highlighted.
std::string PlatePicture(int character, bool highlighted) {
    return "picture\\gif\\xm-0" + std::to_string(9 + character) + (highlighted ? ".gif" : "-.gif");
}

std::string ProfilePicture(int character) {
    return "picture\\gif\\js-00" + std::to_string(character) + ".gif";
}

} // namespace

Tselectpepleform1::Tselectpepleform1(FrontEndHost& host)
    : Screen(host.GetApp(), "Tselectpepleform1"), host_(host), Image1(Add<Image>("Image1")),
      Image13(Add<Image>("Image13")), Image12(Add<Image>("Image12")),
      Image14(Add<Image>("Image14")), Image11(Add<Image>("Image11")) {
    for (int n = 1; n <= 9; ++n)
        plates_[n - 1] = &Add<Image>("Image" + std::to_string(n + 1));
    FormCreate();
}

void Tselectpepleform1::FormCreate() {
    Image1.SetBounds({0, 0, kDesignWidth, kDesignHeight});
    Image1.Load(frontendpicture::kSelectPlayer);
    Image13.SetBounds({229, 65, 570, 468});
    Image12.SetBounds({515, 535, 98, 56});
    Image14.SetBounds({256, 535, 179, 62});
    Image11.SetBounds({72, 547, 75, 32});
    Image11.Load(kBackResting);
    for (int n = 1; n <= 9; ++n) {
        Image& plate = *plates_[n - 1];
        plate.SetBounds({16, 91 + 47 * (n - 1), 165, 47});
        plate.SetCursor(Cursor::HandPoint);
        plateGroup_.Add(plate, PlatePicture(n, false), PlatePicture(n, true));
        plate.onMouseMove = [this, n](Point) { PlateMouseMove(n); };
        plate.onClick = [this, n] { PlateClick(n); };
    }
    for (Image* button : {&Image12, &Image14, &Image11})
        button->SetCursor(Cursor::HandPoint);
    ResetSelection();

    Image1.onMouseMove = [this](Point) { Image1MouseMove(); };
    Image13.onMouseMove = [this](Point) { Image13MouseMove(); };
    Image11.onMouseMove = [this](Point) { Image11MouseMove(); };
    Image12.onClick = [this] { Image12Click(); };
    Image14.onClick = [this] { Image14Click(); };
    Image11.onClick = [this] { Image11Click(); };
}

void Tselectpepleform1::FormActivate() {
    GetApp().PlaySound(kTune, true);
}

void Tselectpepleform1::FormDeactivate() {
    GetApp().StopSound();
}

void Tselectpepleform1::PlateMouseMove(int character) {
    if (playerChosen_ || character < 1 || character > 9)
        return;
    if (Image13.Tag() != character) {
        Image13.Load(ProfilePicture(character));
        Image13.SetTag(character);
    }
    // A plate rests the other plates but not the back button.
    plateGroup_.Highlight(*plates_[character - 1]);
}

void Tselectpepleform1::PlateClick(int character) {
    if (playerChosen_ || character < 1 || character > 9)
        return;
    playerChosen_ = true;
    auto& pick = host_.State().PlayerPick;
    pick.PickName = std::string(Roster()[character - 1].Name);
    pick.PickFigure = character + 1;
    LoadButtonLooks(true);
    // Picking by the keyboard goes on to OK, so that Enter goes on rather than pressing the
    // chosen plate again.
    if (GetApp().KeyFocus())
        GetApp().SetKeyFocus(&Image12);
}

void Tselectpepleform1::Image1MouseMove() {
    if (playerChosen_)
        return;
    RestBackButton();
    plateGroup_.RestAll();
}

void Tselectpepleform1::Image13MouseMove() {
    RestBackButton();
}

void Tselectpepleform1::Image11MouseMove() {
    if (Image11.Tag() != 1) {
        Image11.Load(kBackHighlighted);
        Image11.SetTag(1);
    }
}

void Tselectpepleform1::Image12Click() {
    if (!playerChosen_) {
        GetApp().InputRefused({});
        return;
    }
    ResetSelection();
    Hide();
    host_.SeatCount().Show();
}

void Tselectpepleform1::Image14Click() {
    if (!playerChosen_) {
        GetApp().InputRefused({});
        return;
    }
    ResetSelection();
}

void Tselectpepleform1::Image11Click() {
    ResetSelection();
    host_.MainForm().RestoreMainMenu("picture\\jpg\\home100.bmp");
    Hide();
}

void Tselectpepleform1::ResetSelection() {
    playerChosen_ = false;
    plateGroup_.LoadResting();
    LoadButtonLooks(false);
    // The back button's tag says which picture it shows, so clearing the tag rests it too:
    // otherwise a highlight left by the last visit could never be taken off again.
    RestBackButton();
    for (Image* c : {&Image1, &Image13, &Image12, &Image14})
        c->SetTag(0);
    // The profile's tag 0 means that it shows nobody: the card of a character chosen before
    // (the last game's) does not stay up until a plate is hovered.
    Image13.Clear();
}

void Tselectpepleform1::LoadButtonLooks(bool active) {
    Image12.Load(active ? kOkActive : kOkInactive);
    Image14.Load(active ? kAgainActive : kAgainInactive);
}

void Tselectpepleform1::RestBackButton() {
    if (Image11.Tag() != 0) {
        Image11.Load(kBackResting);
        Image11.SetTag(0);
    }
}

} // namespace quorvel
