#include "app/TableOpening.h"

#include "app/Game.h"
#include "cards/Random.h"
#include "frontend/Tmainform.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_banker/TForm7.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_banker/TForm9.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "tables/three_seat_challenge/TForm8.h"
#include "ui/ControlLayout.h"
#include "ui/ScreenConventions.h"

#include <array>
#include <string>

namespace quorvel {

namespace {

constexpr const char* kHome = "picture\\home100.gif";
constexpr const char* kLogo = "picture\\gif\\logo-.gif";
constexpr const char* kBetSuffix = "下注： ";

// A label that shows the name of record `record` [0 banker, 1-3 seats], with or without the
// bet suffix, or its money.
struct NameLabel {
    const char* label;
    int record;
    bool betSuffix;
};
struct MoneyLabel {
    const char* label;
    int record;
};

// How the front end fills each table, by mode [1-4].
struct TableSetup {
    int opponents;                       // computer characters [1 or 3]
    std::array<int, 4> nameSource;       // per record: 0 the user, k opponent k, -1 unused
    std::array<const char*, 3> portrait; // control of opponent pick k's portrait
    std::array<int, 3> pictureSlot;      // save-file picture slot [1-4] of opponent pick k
    const char* logo;
    const char* backButton;
    BackgroundSet backgrounds;
    bool threeSeatPortraits; // "ch_11N1.gif" portraits instead of "rtNN.gif"
    std::array<NameLabel, 4> names;
    std::array<MoneyLabel, 4> money; // set on resuming only
};

constexpr TableSetup kSetups[4] = {
    // 1: one seat, the user challenges the banker.
    {1,
     {1, 0, -1, -1},
     {"Image3"},
     {1},
     "Image34",
     "Image12",
     BackgroundSet::OneSeat,
     false,
     {{{"Label4", 1, false}, {"Label5", 1, true}}},
     {{{"Label22", 0}, {"Label23", 1}}}},
    // 2: one seat, the user banks.
    {1,
     {0, 1, -1, -1},
     {"Image22"},
     {2},
     "Image25",
     "Image13",
     BackgroundSet::OneSeat,
     false,
     {{{"Label10", 1, true}, {"Label11", 0, false}}},
     {{{"Label2", 1}, {"Label3", 0}}}},
    // 3: three seats, the user in the middle seat challenges the banker; the second pick
    // banks, the third sits right, the first left.
    {3,
     {2, 3, 0, 1},
     {"Image30", "Image31", "Image32"},
     {4, 1, 2},
     "Image37",
     "Image13",
     BackgroundSet::ThreeSeatChallenge,
     true,
     {{{"Label18", 2, false}, {"Label19", 1, true}, {"Label20", 2, true}, {"Label21", 3, true}}},
     {{{"Label2", 1}, {"Label3", 2}, {"Label4", 3}, {"Label5", 0}}}},
    // 4: three seats, the user banks.
    {3,
     {0, 1, 2, 3},
     {"Image21", "Image22", "Image23"},
     {2, 3, 4},
     "Image28",
     "Image13",
     BackgroundSet::ThreeSeatBanker,
     true,
     {{{"Label18", 0, false}, {"Label19", 1, true}, {"Label20", 2, true}, {"Label21", 3, true}}},
     {{{"Label3", 1}, {"Label4", 2}, {"Label5", 3}, {"Label2", 0}}}},
};

TableScreen& TableOfMode(Game& game, int mode) {
    switch (mode) {
    case 1:
        return game.Form1();
    case 2:
        return game.Form3();
    case 3:
        return game.Form4();
    default:
        return game.Form5();
    }
}

std::string Portrait(const TableSetup& setup, int figure) {
    if (setup.threeSeatPortraits)
        return "picture\\gif\\ch_11" + std::to_string(figure - 2) + "1.gif";
    return "picture\\gif\\rt0" + std::to_string(figure - 1) + ".gif";
}

void LoadPicture(Screen& screen, const char* control, const std::string& path) {
    // A missing picture is reported by the load and the opening carries on without it.
    if (auto* image = dynamic_cast<Image*>(screen.Find(control)))
        image->Load(path);
}

void SetNameLabels(TableScreen& table, const TableSetup& setup) {
    for (const NameLabel& l : setup.names)
        if (l.label)
            SetLabelText(table, l.label,
                         table.Record(l.record).Name + (l.betSuffix ? kBetSuffix : ""));
}

// Shows the table after its back button is hidden; the table then makes its opening
// announcements and shows the buttons that start play.
void OpenTable(Game& game, int mode) {
    TableScreen& table = TableOfMode(game, mode);
    // Leaving before any play loses nothing: the table as it opens counts as kept.
    table.MarkPlayKept();
    table.BackButton().Hide();
    table.Show();
    // The table shows a moment before it speaks, at the pace of its speed choice.
    table.Wait(Pause::TableOpens);
    table.OpenForPlay();
}

Screen* DialogOf(Game& game, int mode) {
    switch (mode) {
    case 1:
        return &game.Form6();
    case 2:
        return &game.Form7();
    case 3:
        return &game.Form8();
    default:
        return &game.Form9();
    }
}

void SetMoneyLabels(TableScreen& table, const TableSetup& setup) {
    for (const MoneyLabel& l : setup.money)
        if (l.label)
            SetLabelText(table, l.label, std::to_string(table.Record(l.record).Money));
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
    const int mode = TableModeOf(state.TableSize, state.BankerChoice);
    if (mode == 0) {
        // Nothing to open: bring the main menu back rather than leave no screen at all.
        game.MainForm().RestoreMainMenu(kHome);
        return;
    }
    const TableSetup& setup = kSetups[mode - 1];
    TableScreen& table = TableOfMode(game, mode);

    table.UserPick().PickName = state.PlayerPick.PickName;
    for (int k = 0; k < setup.opponents; ++k) {
        const TCharacterPick& chosen = state.OpponentPicks[static_cast<std::size_t>(k)];
        game.OpponentSelection().DimFigure(chosen.PickFigure);
        table.OpponentPicks()[static_cast<std::size_t>(k)] = {
            chosen.PickName, Portrait(setup, chosen.PickFigure), chosen.PickFigure};
    }
    for (int k = 0; k < setup.opponents; ++k)
        LoadPicture(table, setup.portrait[static_cast<std::size_t>(k)],
                    table.OpponentPicks()[static_cast<std::size_t>(k)].PickPicture);
    const std::string background = PickTableBackground(game.Random(), setup.backgrounds);
    LoadPicture(table, setup.logo, kLogo);
    table.LoadBackground(background);

    std::array<std::string, 4> names;
    for (std::size_t seat = 0; seat < names.size(); ++seat) {
        const int source = setup.nameSource[seat];
        if (source < 0)
            continue;
        names[seat] = source == 0
                          ? state.PlayerPick.PickName
                          : state.OpponentPicks[static_cast<std::size_t>(source - 1)].PickName;
    }
    table.NewGame(names);
    SetNameLabels(table, setup);
    OpenTable(game, mode);
}

void ResumeSavedGame(Game& game) {
    App& app = game.GetApp();
    const LoadResult loaded = game.SaveRecord().Load(game.SaveFilePath());
    if (!loaded.Ok() || loaded.Contents->Mode < 1 || loaded.Contents->Mode > 4) {
        app.ReportError(loaded.Ok() ? "存檔已損壞：遊戲模式不正確" : loaded.Error);
        return;
    }
    const SaveContents& save = *loaded.Contents;
    const int mode = save.Mode;
    const TableSetup& setup = kSetups[mode - 1];
    TableScreen& table = TableOfMode(game, mode);
    game.MainForm().Hide();

    // The save keeps each seat's name and money, the stakes on the table counted as money.
    TableRecord record;
    for (std::size_t seat = 0; seat < record.Seats.size(); ++seat) {
        record.Seats[seat].Name = save.Names[seat];
        record.Seats[seat].Money = save.Money[seat];
    }
    table.Resume(record);
    for (int k = 0; k < setup.opponents; ++k) {
        const std::size_t slot =
            static_cast<std::size_t>(setup.pictureSlot[static_cast<std::size_t>(k)] - 1);
        table.OpponentPicks()[static_cast<std::size_t>(k)].PickPicture = save.Pictures[slot];
        LoadPicture(table, setup.portrait[static_cast<std::size_t>(k)], save.Pictures[slot]);
    }
    table.LoadBackground(save.Background);
    SetNameLabels(table, setup);
    SetMoneyLabels(table, setup);
    OpenTable(game, mode);
}

void ReturnToMainMenu(Game& game, Screen& caller) {
    if (auto* table = dynamic_cast<TableScreen*>(&caller))
        table->BackButton().Hide();
    game.MainForm().RestoreMainMenu(kHome);
    for (int mode = 1; mode <= 4; ++mode)
        TableOfMode(game, mode).HideAllCards();
    for (int mode = 1; mode <= 4; ++mode)
        TableOfMode(game, mode).ResetForMainMenu();
    for (int mode = 1; mode <= 4; ++mode) {
        TableOfMode(game, mode).Hide();
        DialogOf(game, mode)->Hide();
    }
}

void ReplayRound(Game& game, int mode, const TableRecord& record) {
    for (Screen* screen : game.GetApp().ShownScreens())
        screen->Hide();
    for (int m = 1; m <= 4; ++m) {
        TableScreen& table = TableOfMode(game, m);
        table.BackButton().Hide();
        table.ResetForMainMenu();
    }
    const TableSetup& setup = kSetups[mode - 1];
    TableScreen& table = TableOfMode(game, mode);
    table.Resume(record);
    SetNameLabels(table, setup);
    SetMoneyLabels(table, setup);
    table.MarkPlayKept();
    table.Show();
}

} // namespace quorvel
