// quorvel-screens [--key-tags] DATA_DIR OUT_DIR [--size WxH] [--only NAME]
//                 [--check-scales S,S,...] [--cache DIR]: walks the game through every screen,
// headless, with the generated pictures, and writes one BMP per stop (or only the one named)
// into OUT_DIR, 800x600 or at the size given (the pictures then painted at their size).
// With --check-scales every stop is also drawn at each of those scales and must draw no
// picture larger than it is; --key-tags draws the keys on the buttons, to review where they
// sit. The walk is a table of clicks and hovers by designed control name, so the screenshots
// in the docs can be refreshed by a script. Exit 0 when every stop was reached (and drawn
// sharp), 1 when a step could not be done.
#include "app/Game.h"
#include "app/PicturePainting.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Screen.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/SdlPlatform.h"
#include "tables/one_seat_challenge/TForm1.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

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

// What the walk draws at each stop: the screenshot's size, and the scales checked for
// enlarged pictures.
struct Drawing {
    int width = kDesignWidth;
    int height = kDesignHeight;
    std::string only; // the one stop written, or every one when empty
    std::vector<double> checkScales;
};

class Tour {
public:
    // Listens for the game's error reports from the start, before the game is made.
    Tour(App& app, TextRenderer& text, PaintedPictures& painted, const Drawing& drawing,
         std::filesystem::path out)
        : app_(app), shots_(app, text, drawing.width, drawing.height, &painted),
          only_(drawing.only), out_(std::move(out)) {
        for (const double scale : drawing.checkScales)
            checks_.push_back({scale, std::make_unique<FrameRenderer>(
                                          app, text, static_cast<int>(std::lround(800 * scale)),
                                          static_cast<int>(std::lround(600 * scale)), &painted)});
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
        for (int step = 0; step < 8 && !table.Engine().RoundOver(); ++step)
            for (ActionKind kind : {ActionKind::NoSplit, ActionKind::Stand, ActionKind::Open})
                if (table.Engine().Allowed(Action::Of(kind)))
                    table.Act(Action::Of(kind));
        if (!table.Engine().RoundOver())
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
        if (only_.empty() || name == only_) {
            if (!SaveBmp(shots_.Render(), file.string()))
                failed_ = true;
            else
                std::cout << file.string() << '\n';
        }
        for (Check& check : checks_) {
            const int before = check.renderer->EnlargedDraws();
            check.renderer->Render();
            const int enlarged = check.renderer->EnlargedDraws() - before;
            std::cout << "  at scale " << check.scale << ": " << enlarged
                      << " pictures drawn enlarged\n";
            if (enlarged > 0)
                Fail(name + " at scale " + std::to_string(check.scale) + " draws " +
                     std::to_string(enlarged) + " pictures enlarged");
        }
    }

    void Fail(const std::string& why) {
        std::cerr << "quorvel-screens: " << why << '\n';
        failed_ = true;
    }

    struct Check {
        double scale;
        std::unique_ptr<FrameRenderer> renderer;
    };

    Game* game_ = nullptr;
    App& app_;
    FrameRenderer shots_;
    std::string only_;
    std::vector<Check> checks_;
    std::filesystem::path out_;
    bool failed_ = false;
};

// The options after DATA_DIR OUT_DIR; false on one it does not know.
bool ReadOptions(int first, int argc, char** argv, Drawing& drawing,
                 std::filesystem::path& cache) {
    for (int i = first; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return false;
        const std::string value = argv[++i];
        if (option == "--size") {
            if (std::sscanf(value.c_str(), "%dx%d", &drawing.width, &drawing.height) != 2 ||
                !PictureSizeFits(drawing.width, drawing.height))
                return false;
        } else if (option == "--check-scales") {
            std::istringstream list(value);
            for (std::string scale; std::getline(list, scale, ',');) {
                const double s = std::atof(scale.c_str());
                if (!(s > 0 && s <= 5))
                    return false;
                drawing.checkScales.push_back(s);
            }
        } else if (option == "--only") {
            drawing.only = value;
        } else if (option == "--cache") {
            cache = value;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool keyTags = argc > 1 && std::string(argv[1]) == "--key-tags";
    const int first = keyTags ? 2 : 1; // where the data folder is named
    Drawing drawing;
    std::filesystem::path cache;
    if (argc < first + 2 || !ReadOptions(first + 2, argc, argv, drawing, cache)) {
        std::cerr << "usage: quorvel-screens [--key-tags] DATA_DIR OUT_DIR [--size WxH] "
                     "[--only NAME] [--check-scales S,S,...] [--cache DIR]\n";
        return 2;
    }
    const char* data = argv[first];
    try {
        const std::filesystem::path out = argv[first + 1];
        std::filesystem::create_directories(out);
        // The game's save, if the walk makes one, goes to a folder of its own.
        const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                           ("quorvel-screens-" + std::to_string(::getpid()));
        std::filesystem::create_directories(work);
        // The painters in their own process, as the game runs them.
        const std::unique_ptr<PicturePainter> painter = MakePicturePainter();
        SdlPlatform platform(SdlPlatform::Options{.dataFolder = data,
                                                  .headless = true,
                                                  .painter = painter.get(),
                                                  .pictureCache = cache});
        App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
        platform.Attach(app);
        app.ShowKeyHints(keyTags);
        Tour tour(app, platform.Text(), platform.Painted(), drawing, out);
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
