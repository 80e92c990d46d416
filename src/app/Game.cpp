#include "app/Game.h"

#include "app/TableOpening.h"
#include "frontend/SettingsScreen.h"
#include "frontend/StatisticsScreen.h"
#include "frontend/TForm10.h"
#include "frontend/TForm11.h"
#include "frontend/Tentranceform.h"
#include "frontend/Tmainform.h"
#include "frontend/Tselectpepleform1.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/App.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_banker/TForm7.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_banker/TForm9.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "tables/three_seat_challenge/TForm8.h"
#include "ui/SaveFirstDialog.h"

namespace quorvel {

Game::Game(App& app, RandomSource& random, std::filesystem::path workFolder)
    : app_(app), random_(random), workFolder_(std::move(workFolder)) {
    mainform_ = std::make_unique<Tmainform>(*this);
    selectPlayer_ = std::make_unique<Tselectpepleform1>(*this);
    form1_ = std::make_unique<TForm1>(*this);
    selectOpponent_ = std::make_unique<Tselectpepleform2>(*this);
    entrance_ = std::make_unique<Tentranceform>(*this);
    form3_ = std::make_unique<TForm3>(*this);
    form4_ = std::make_unique<TForm4>(*this);
    form5_ = std::make_unique<TForm5>(*this);
    form6_ = std::make_unique<TForm6>(*this);
    form7_ = std::make_unique<TForm7>(*this);
    form8_ = std::make_unique<TForm8>(*this);
    form9_ = std::make_unique<TForm9>(*this);
    form10_ = std::make_unique<TForm10>(*this);
    form11_ = std::make_unique<TForm11>(*this);
    saveFirst_ = std::make_unique<SaveFirstDialog>(app_);
    settingsScreen_ = std::make_unique<SettingsScreen>(*this);
    statisticsScreen_ = std::make_unique<StatisticsScreen>(*this);
    // Each table and the result dialog created after it know each other.
    form1_->SetDialog(*form6_);
    form3_->SetDialog(*form7_);
    form4_->SetDialog(*form8_);
    // A long winning streak at the three-seat table goes on to a one-on-one challenge.
    form4_->SetChallengeTable(*form1_);
    form5_->SetDialog(*form9_);
    BindScreenKeys();
    app_.onCloseRequest = [this] { RequestClose(); };
}

Game::~Game() {
    app_.onCloseRequest = nullptr;
    app_.onKey = nullptr;
    app_.onInputRefused = nullptr;
}

void Game::Start() {
    mainform_->Show();
}

void Game::OpenNewTable() {
    // A new game: the bankroll plot starts empty.
    if (statistics_)
        statistics_->StartGame();
    if (rounds_)
        rounds_->StartGame();
    quorvel::OpenNewTable(*this);
}

void Game::ResumeSavedGame() {
    if (rounds_)
        rounds_->StartGame();
    quorvel::ResumeSavedGame(*this);
}

void Game::ReturnToMainMenu(Screen& table) {
    quorvel::ReturnToMainMenu(*this, table);
}

void Game::ShowPlayerSelection() {
    selectPlayer_->Show();
}

void Game::ExitProgram() {
    app_.Display().RestoreDisplayMode(state_.ScreenWidth, state_.ScreenHeight);
    mainform_->Hide();
    app_.Terminate();
}

void Game::QuitFromTable(Screen& table) {
    if (auto* t = dynamic_cast<TableScreen*>(&table); t && AsksBeforeLeaving(*t)) {
        AskBeforeLeaving(*t, [this, t] { QuitNow(*t); });
        return;
    }
    QuitNow(table);
}

void Game::QuitNow(Screen& table) {
    app_.Display().RestoreDisplayMode(state_.ScreenWidth, state_.ScreenHeight);
    table.Hide();
    app_.Terminate();
}

} // namespace quorvel
