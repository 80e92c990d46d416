#include "frontend/TableOpening.h"

#include "frontend/Game.h"
#include "frontend/Tmainform.h"
#include "platform/App.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"

#include <string>

namespace quorvel {

namespace {
// One of five pictures "STEM1.gif".."STEM5.gif", by a cosmetic draw r [1-100] in fifths.
std::string PickTableBackground(Game& game, const char* stem) {
    const int r = game.Random().Draw(DrawStream::Cosmetic, 1, 100);
    return std::string(stem) + std::to_string((r - 1) / 20 + 1) + ".gif";
}

std::string OneSeatPortrait(int figure) {
    return "picture\\gif\\rt0" + std::to_string(figure - 1) + ".gif";
}

// The one-on-one table where the user challenges the chosen banker.
void OpenChallengeTable(Game& game) {
    auto& state = game.State();
    TForm1& table = game.Form1();
    table.UserPick().PickName = state.PlayerPick.PickName;
    auto& opponent = table.OpponentPicks()[0];
    opponent.PickName = state.OpponentPicks[0].PickName;
    opponent.PickFigure = state.OpponentPicks[0].PickFigure;
    opponent.PickPicture = OneSeatPortrait(opponent.PickFigure);
    table.Portrait().Load(opponent.PickPicture);
    const std::string background = PickTableBackground(game, "picture\\gif\\ydy0");
    table.Logo().Load("picture\\gif\\logo-.gif");
    table.LoadBackground(background);
    table.SetPlayers(opponent.PickName, state.PlayerPick.PickName);
    table.BackButton().Hide();
    table.Show();
    table.delay(1000);
    table.Announce("請" + state.PlayerPick.PickName + "下注！");
    table.ShowChips();
}
} // namespace

void OpenNewTable(Game& game) {
    const auto& state = game.State();
    if (state.TableSize == 1 && state.BankerChoice == 1)
        OpenChallengeTable(game);
}

void ResumeSavedGame(Game& game) {
    game.GetApp().ReportError("沒有存檔");
}

void ReturnToMainMenu(Game& game, Screen& table) {
    if (auto* t = dynamic_cast<TableScreen*>(&table))
        t->BackButton().Hide();
    game.MainForm().RestoreMainMenu("picture\\home100.gif");
    game.Form1().ResetForMainMenu();
    game.Form1().Hide();
    game.Form6().Hide();
}

} // namespace quorvel
