#include "app/TableOpening.h"

#include "app/Game.h"
#include "cards/Random.h"
#include "frontend/Tmainform.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "tables/ResultDialog.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_banker/TForm7.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_banker/TForm9.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "tables/three_seat_challenge/TForm8.h"

#include <array>
#include <string>

namespace quorvel {

namespace {

constexpr const char* kHome = "picture\\home100.gif";
constexpr const char* kLogo = "picture\\gif\\logo-.gif";

TableScreen& TableOf(Game& game, TableMode mode) {
    switch (mode) {
    case TableMode::OneSeatChallenge:
        return game.Form1();
    case TableMode::OneSeatBanker:
        return game.Form3();
    case TableMode::ThreeSeatChallenge:
        return game.Form4();
    case TableMode::ThreeSeatBanker:
        break;
    }
    return game.Form5();
}

ResultDialog& DialogOf(Game& game, TableMode mode) {
    switch (mode) {
    case TableMode::OneSeatChallenge:
        return game.Form6();
    case TableMode::OneSeatBanker:
        return game.Form7();
    case TableMode::ThreeSeatChallenge:
        return game.Form8();
    case TableMode::ThreeSeatBanker:
        break;
    }
    return game.Form9();
}

BackgroundSet BackgroundsOf(TableMode mode) {
    switch (mode) {
    case TableMode::OneSeatChallenge:
    case TableMode::OneSeatBanker:
        return BackgroundSet::OneSeat;
    case TableMode::ThreeSeatChallenge:
        return BackgroundSet::ThreeSeatChallenge;
    case TableMode::ThreeSeatBanker:
        break;
    }
    return BackgroundSet::ThreeSeatBanker;
}

// A picked character's portrait at a table: "ch_11N1.gif" at the three-seat tables, "rtNN.gif"
// at the one-on-one tables.
std::string Portrait(const TableScreen& table, int figure) {
    if (table.Engine().Seats() == 3)
        return "picture\\gif\\ch_11" + std::to_string(figure - 2) + "1.gif";
    return "picture\\gif\\rt0" + std::to_string(figure - 1) + ".gif";
}

// Shows each opponent's portrait at its seat. A missing picture is reported by the load and
// the opening carries on without it.
void LoadPortraits(TableScreen& table) {
    const auto& opponents = table.Design().Opponents;
    for (std::size_t k = 0; k < opponents.size(); ++k)
        if (const auto role = SeatRole(SeatField::Portrait, opponents[k].Seat))
            table.Get<Image>(*role).Load(table.Cast().Opponents[k].PickPicture);
}

// Shows the table after its back button is hidden; the table then makes its opening
// announcements and shows the buttons that start play.
void OpenTable(TableScreen& table) {
    // Leaving before any play loses nothing: the table as it opens counts as kept.
    table.Saving().MarkKept();
    table.Get(TableRole::Back).Hide();
    table.Show();
    // The table shows a moment before it speaks, at the pace of its speed choice.
    table.Wait(Pause::TableOpens);
    table.OpenForPlay();
}

} // namespace

std::string PickTableBackground(RandomSource& random, BackgroundSet set) {
    const int r = random.Draw(DrawStream::Cosmetic, 1, 100);
    const int picture = (r - 1) / 20 + 1; // 1..20 → 1, .., 81..100 → 5
    switch (set) {
    case BackgroundSet::OneSeat:
        return "picture\\gif\\ydy0" + std::to_string(picture) + ".gif";
    case BackgroundSet::ThreeSeatChallenge:
        return "picture\\gif\\zm00" + std::to_string(picture) + ".gif";
    case BackgroundSet::ThreeSeatBanker:
        break;
    }
    return "picture\\gif\\ddy00" + std::to_string(picture) + ".gif";
}

void OpenNewTable(Game& game) {
    FrontEndState& state = game.State();
    const std::optional<TableMode> mode =
        TableModeOfCode(TableModeOf(state.TableSize, state.BankerChoice));
    if (!mode) {
        // Nothing to open: bring the main menu back rather than leave no screen at all.
        game.MainForm().RestoreMainMenu(kHome);
        return;
    }
    TableScreen& table = TableOf(game, *mode);
    const auto& opponents = table.Design().Opponents;

    // The user takes the user's seat; each opponent the seat its place in the picks gives it.
    std::array<std::string, 4> names;
    names[static_cast<std::size_t>(table.Engine().Rules().UserSeat)] = state.PlayerPick.PickName;
    table.Cast().User.PickName = state.PlayerPick.PickName;
    for (std::size_t k = 0; k < opponents.size(); ++k) {
        const TCharacterPick& chosen = state.OpponentPicks[k];
        game.OpponentSelection().DimFigure(chosen.PickFigure);
        table.Cast().Opponents[k] = {chosen.PickName, Portrait(table, chosen.PickFigure),
                                     chosen.PickFigure};
        names[static_cast<std::size_t>(opponents[k].Seat)] = chosen.PickName;
    }
    LoadPortraits(table);
    table.Get<Image>(TableRole::Logo).Load(kLogo);
    table.LoadBackground(PickTableBackground(game.Random(), BackgroundsOf(*mode)));
    table.NewGame(names);
    OpenTable(table);
}

void ResumeSavedGame(Game& game) {
    App& app = game.GetApp();
    const LoadResult loaded = game.SaveRecord().Load(game.SaveFilePath());
    const std::optional<TableMode> mode =
        loaded.Ok() ? TableModeOfCode(loaded.Contents->Mode) : std::nullopt;
    if (!mode) {
        app.ReportError(loaded.Ok() ? "存檔已損壞：遊戲模式不正確" : loaded.Error);
        return;
    }
    const SaveContents& save = *loaded.Contents;
    TableScreen& table = TableOf(game, *mode);
    game.MainForm().Hide();

    // The save keeps each seat's name and money, the stakes on the table counted as money.
    TableRecord record;
    for (std::size_t seat = 0; seat < record.Seats.size(); ++seat) {
        record.Seats[seat].Name = save.Names[seat];
        record.Seats[seat].Money = save.Money[seat];
    }
    table.Resume(record);
    const auto& opponents = table.Design().Opponents;
    for (std::size_t k = 0; k < opponents.size(); ++k)
        table.Cast().Opponents[k].PickPicture =
            save.Pictures[static_cast<std::size_t>(opponents[k].PictureSlot - 1)];
    LoadPortraits(table);
    table.LoadBackground(save.Background);
    OpenTable(table);
}

void ReturnToMainMenu(Game& game, Screen& caller) {
    if (auto* table = dynamic_cast<TableScreen*>(&caller))
        table->Get(TableRole::Back).Hide();
    game.MainForm().RestoreMainMenu(kHome);
    for (TableMode mode : kTableModes)
        TableOf(game, mode).ResetForMainMenu();
    for (TableMode mode : kTableModes) {
        TableOf(game, mode).Hide();
        DialogOf(game, mode).Hide();
    }
}

void ReplayRound(Game& game, TableMode mode, const TableRecord& record) {
    for (Screen* screen : game.GetApp().ShownScreens())
        screen->Hide();
    for (TableMode m : kTableModes) {
        TableScreen& table = TableOf(game, m);
        table.Get(TableRole::Back).Hide();
        table.ResetForMainMenu();
    }
    TableScreen& table = TableOf(game, mode);
    table.Resume(record);
    table.Saving().MarkKept();
    table.Show();
}

} // namespace quorvel
