// quorvel-screens [--key-tags] DATA_DIR OUT_DIR: walks the game through every screen, headless,
// with the generated pictures, and writes one 800x600 BMP per stop into OUT_DIR. The walk is a
// table of clicks and hovers by designed control name, so the screenshots in the docs can be
// refreshed by a script; --key-tags draws the keys on the buttons, to review where they sit.
// Exit 0 when every stop was reached, 1 when a step could not be done.
#include "app/Game.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Screen.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/SdlPlatform.h"
#include "tables/one_seat_challenge/TForm1.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace quorvel;

enum class Verb {
    Click,    // a left click on the control
    Hover,    // the mouse moved over the control
    Shot,     // a screenshot named by the step's text
    ShotSoon, // a screenshot taken while the next step's handler waits [ms in `delay`]
    Idle,     // time passes at the top level [ms in `delay`]
    Back,     // the table named by the step's text goes back to the main menu
    Stack,    // the next new shoe starts with the step's text, card codes between spaces
    Rounds,   // the one-on-one table plays `delay` more rounds of a 1000 bet, standing at once
    Advisor,  // the odds advisor's setting: on when `delay` is 1, off when 0
};

struct Step {
    Verb verb;
    const char* text; // "Screen.Control", or the screenshot's file stem
    int delay = 0;    // [ms]
};

// A new game at each of the four tables, with the menus, selections and help pages between, and
// the statistics of the rounds at the first one.
// The character picks stay the same so the shots only change when the drawing does.
constexpr Step kTour[] = {
    {Verb::Shot, "main-menu"},
    {Verb::Click, "Tmainform.Image2"},
    {Verb::Hover, "Tmainform.Image9"},
    {Verb::Shot, "banker-choice"},
    {Verb::Click, "Tmainform.Image9"},
    {Verb::Hover, "Tselectpepleform1.Image4"},
    {Verb::Click, "Tselectpepleform1.Image4"},
    {Verb::Shot, "player-selection"},
    {Verb::Click, "Tselectpepleform1.Image12"},
    {Verb::Hover, "Tentranceform.Image2"},
    {Verb::Shot, "seat-count"},
    {Verb::Click, "Tentranceform.Image5"},
    {Verb::Click, "TForm10.Image3"},
    {Verb::Shot, "help-beginners"},
    {Verb::Click, "TForm10.Image2"},
    {Verb::Click, "Tentranceform.Image6"},
    {Verb::Click, "TForm11.Image2"},
    {Verb::Shot, "help-tips"},
    {Verb::Click, "TForm11.Image4"},
    {Verb::Click, "Tentranceform.Image2"},
    {Verb::Click, "Tselectpepleform2.Image6"},
    {Verb::Shot, "opponent-selection"},
    {Verb::Click, "Tselectpepleform2.Image13"},
    {Verb::Idle, "", 3000},
    {Verb::ShotSoon, "table-one-seat-bet", 500},
    {Verb::Click, "TForm1.Image25"},
    // The bonus-table button's tip while the pointer is over it.
    {Verb::Hover, "TForm1.Image37"},
    {Verb::Shot, "table-one-seat-bonus-tip"},
    {Verb::Click, "TForm1.Image11"},
    {Verb::Idle, "", 3000},
    {Verb::Shot, "table-one-seat"},
    // The odds advisor's line at the same decision, once worked out, and its tip under the
    // pointer.
    {Verb::Advisor, "", 1},
    {Verb::Idle, "", 500},
    {Verb::Hover, "TForm1.OddsAdvice"},
    {Verb::Shot, "table-one-seat-advisor"},
    {Verb::Hover, "TForm1.Image1"},
    {Verb::Advisor, "", 0},
    {Verb::Click, "TForm1.Image14"},
    {Verb::Idle, "", 3000},
    {Verb::Shot, "result-dialog"},
    {Verb::Rounds, "", 24},
    {Verb::Back, "TForm1"},
    // The statistics of those rounds, from the main menu, with the game's bankroll plot.
    {Verb::Click, "Tmainform.StatisticsButton"},
    {Verb::Shot, "statistics"},
    // Each character's edge at each table, steered and fair.
    {Verb::Click, "StatisticsScreen.CharacterPage"},
    {Verb::Shot, "character-analysis"},
    {Verb::Click, "StatisticsScreen.BitBtn7"},
    // The user as banker, one on one.
    {Verb::Click, "Tmainform.Image2"},
    {Verb::Click, "Tmainform.Image8"},
    {Verb::Click, "Tselectpepleform1.Image4"},
    {Verb::Click, "Tselectpepleform1.Image12"},
    {Verb::Click, "Tentranceform.Image2"},
    {Verb::Click, "Tselectpepleform2.Image6"},
    {Verb::Click, "Tselectpepleform2.Image13"},
    {Verb::Idle, "", 3000},
    // The computer bets, is dealt and plays; the user-banker's turn.
    {Verb::Click, "TForm3.Image9"},
    {Verb::Shot, "table-one-seat-banker"},
    // The card swap bought from the chest: its panel opens.
    {Verb::Hover, "TForm3.Image17"},
    {Verb::Click, "TForm3.Image19"},
    {Verb::Idle, "", 3000},
    {Verb::Shot, "table-swap-panel"},
    {Verb::Back, "TForm3"},
    // Three seats: challenging the banker, then banking.
    {Verb::Click, "Tmainform.Image2"},
    {Verb::Click, "Tmainform.Image9"},
    {Verb::Click, "Tselectpepleform1.Image4"},
    {Verb::Click, "Tselectpepleform1.Image12"},
    {Verb::Click, "Tentranceform.Image3"},
    {Verb::Click, "Tselectpepleform2.Image6"},
    {Verb::Click, "Tselectpepleform2.Image8"},
    {Verb::Click, "Tselectpepleform2.Image10"},
    {Verb::Shot, "opponent-selection-three"},
    {Verb::Click, "Tselectpepleform2.Image13"},
    {Verb::Idle, "", 3000},
    // A round in which the user's pair of nines splits by itself: the banker KC 8H, seat 1 QS
    // 7C, the user 9H 9H, seat 3 JD 8D; the main hand is in play.
    {Verb::Stack, "KC QS 9H JD 8H 7C 9H 8D 5C 2S KD 10H"},
    {Verb::Click, "TForm4.image9"},
    {Verb::Idle, "", 3000},
    {Verb::Click, "TForm4.Image19"},
    {Verb::Click, "TForm4.Image20"},
    {Verb::Idle, "", 3000},
    {Verb::Shot, "table-three-seat"},
    {Verb::Back, "TForm4"},
    {Verb::Click, "Tmainform.Image2"},
    {Verb::Click, "Tmainform.Image8"},
    {Verb::Click, "Tselectpepleform1.Image4"},
    {Verb::Click, "Tselectpepleform1.Image12"},
    {Verb::Click, "Tentranceform.Image3"},
    {Verb::Click, "Tselectpepleform2.Image6"},
    {Verb::Click, "Tselectpepleform2.Image8"},
    {Verb::Click, "Tselectpepleform2.Image10"},
    {Verb::Click, "Tselectpepleform2.Image13"},
    {Verb::Idle, "", 3000},
    // The seats bet, are dealt and play; the user-banker's turn.
    {Verb::Click, "TForm5.Image9"},
    {Verb::Shot, "table-three-seat-banker"},
    // The card speeds, the one in use marked.
    {Verb::Click, "TForm5.Image5"},
    {Verb::Shot, "table-speed-choice"},
    // The fast speed, the user-banker stands, and the round's result.
    {Verb::Click, "TForm5.Image6"},
    {Verb::Click, "TForm5.Image11"},
    {Verb::Idle, "", 20000},
    {Verb::Shot, "result-dialog-three-seat"},
};

class Tour {
public:
    // Listens for the game's error reports from the start, before the game is made.
    Tour(App& app, TextRenderer& text, std::filesystem::path out)
        : app_(app), text_(text), out_(std::move(out)) {
        app_.GetTrace().SetListener([this](TraceKind kind, std::string_view what) {
            if (kind == TraceKind::Error)
                Fail("the game reported: " + std::string(what));
        });
    }

    void Run(Game& game) {
        game_ = &game;
        for (const Step& step : kTour)
            Do(step);
    }
    bool Failed() const { return failed_; }

private:
    void Do(const Step& step) {
        switch (step.verb) {
        case Verb::Shot:
            Shoot(step.text);
            break;
        case Verb::ShotSoon: {
            const std::string name = step.text;
            app_.After(step.delay, [this, name] { Shoot(name); });
            break;
        }
        case Verb::Idle:
            app_.Idle(step.delay);
            break;
        case Verb::Stack: {
            std::istringstream codes(step.text);
            for (std::string code; codes >> code;)
                game_->Stack().Add(code);
            break;
        }
        case Verb::Advisor: {
            Settings settings = game_->CurrentSettings();
            settings.oddsAdvisor = step.delay == 1;
            // Only the advisor changes: the walk draws no key tags.
            settings.keyHints = app_.KeyHintsShown();
            game_->ChangeSettings(settings);
            break;
        }
        case Verb::Rounds:
            for (int round = 0; round < step.delay; ++round)
                PlayOneSeatRound();
            break;
        case Verb::Back:
            if (Screen* table = app_.FindScreen(step.text); table && table->Visible())
                game_->ReturnToMainMenu(*table);
            else
                Fail(std::string(step.text) + " is not showing");
            break;
        case Verb::Click:
        case Verb::Hover: {
            Control* control = Usable(step.text);
            if (!control)
                return;
            if (step.verb == Verb::Click)
                app_.ClickControl(*control);
            else
                app_.HoverControl(*control);
            break;
        }
        }
    }

    // One more round at the one-on-one table, from its result dialog: a 1000 bet, no split,
    // the user stands on every hand and the banker opens.
    void PlayOneSeatRound() {
        TForm1& table = game_->Form1();
        table.NextRoundClick(true);
        app_.Idle(3000);
        table.Act(Action::Chip(1000));
        if (!table.Act(Action::Of(ActionKind::Deal)))
            return Fail("the one-on-one table does not deal");
        for (int step = 0; step < 8 && !table.RoundOver(); ++step)
            for (ActionKind kind : {ActionKind::NoSplit, ActionKind::Stand, ActionKind::Open})
                if (table.Engine().Allowed(Action::Of(kind)))
                    table.Act(Action::Of(kind));
        if (!table.RoundOver())
            return Fail("a round at the one-on-one table did not end");
        app_.Idle(3000);
    }

    // The control when it can take input now; otherwise the step is reported as failed.
    Control* Usable(const std::string& name) {
        Control* control = app_.FindControl(name);
        if (!control) {
            Fail("no control " + name);
            return nullptr;
        }
        if (!control->Owner()->Visible() || !control->Showing() || !control->Enabled()) {
            Fail(name + " is not showing");
            return nullptr;
        }
        return control;
    }

    void Shoot(const std::string& name) {
        const auto file = out_ / (name + ".bmp");
        if (!SaveBmp(RenderScreens(app_, text_), file.string()))
            failed_ = true;
        else
            std::cout << file.string() << '\n';
    }

    void Fail(const std::string& why) {
        std::cerr << "quorvel-screens: " << why << '\n';
        failed_ = true;
    }

    Game* game_ = nullptr;
    App& app_;
    TextRenderer& text_;
    std::filesystem::path out_;
    bool failed_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const bool keyTags = argc == 4 && std::string(argv[1]) == "--key-tags";
    if (argc != 3 && !keyTags) {
        std::cerr << "usage: quorvel-screens [--key-tags] DATA_DIR OUT_DIR\n";
        return 2;
    }
    const char* data = argv[argc - 2];
    try {
        const std::filesystem::path out = argv[argc - 1];
        std::filesystem::create_directories(out);
        // The game's save, if the walk makes one, goes to a folder of its own.
        const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                           ("quorvel-screens-" + std::to_string(::getpid()));
        std::filesystem::create_directories(work);
        SdlPlatform platform(SdlPlatform::Options{.dataFolder = data, .headless = true});
        App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
        platform.Attach(app);
        app.ShowKeyHints(keyTags);
        Tour tour(app, platform.Text(), out);
        SeededRandom random(1);
        Game game(app, random, work);
        game.KeepStatistics(work / "stats");
        game.ShowCharacterEdges(std::filesystem::path(data) / kCharacterEdgesFile);
        game.Start();
        tour.Run(game);
        std::filesystem::remove_all(work);
        return tour.Failed() ? 1 : 0;
    } catch (const std::exception& e) {
        std::cerr << "quorvel-screens: " << e.what() << '\n';
        return 1;
    }
}
