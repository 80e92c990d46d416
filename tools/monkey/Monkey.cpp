// The monkey's lives (a fresh game each time the last one quit), its events and its checks.
#include "Monkey.h"

#include "MadeUpPictures.h"

#include "app/Game.h"
#include "app/RoundRecorder.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Screen.h"
#include "tables/TableScreen.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <vector>

namespace quorvel::monkey {

namespace {

// The main menu's button that ends the program; the tables' are their exit buttons. They are
// pressed only now and then, so that most lives get to play.
constexpr std::string_view kMenuQuitButton = "Tmainform.Image5";
// What the monkey types into whatever edit box has the focus.
constexpr std::array<const char*, 10> kTexts = {"A", "a", "7",  "10",  "K",
                                                "q", "1", "11", "xyz", "紅心"};
constexpr const char* kTables[4] = {"TForm1", "TForm3", "TForm4", "TForm5"};
// The keys the monkey presses: the tables', the menus', the focus movement and the game's own.
// Ctrl+Q and closing the window end the program, so they come only now and then.
constexpr std::array<KeyPress, 27> kKeys = {{
    {Key::Enter},    {Key::Escape},  {Key::Tab},       {Key::Tab, false, false, true},
    {Key::Left},     {Key::Right},   {Key::Up},        {Key::Down},
    {Key::Space},    {Key::Home},    {Key::End},       {Key::PageUp},
    {Key::PageDown}, {Key::F1},      {Key::F2},        {Key::M},
    {Key::H},        {Key::S},       {Key::D},         {Key::P},
    {Key::N},        {Key::O},       {Key::Digit1},    {Key::Digit2},
    {Key::Digit3},   {Key::S, true}, {Key::Backspace},
}};

// Money on a table: every seat's money and stakes, the split hands' copies of money excluded.
std::int64_t TableMoney(const RoundEngine& engine) {
    std::int64_t total = 0;
    for (int seat = 0; seat <= engine.Seats(); ++seat) {
        const Seat& s = engine.At(seat);
        total += std::int64_t{s.Main().Money} + s.Main().Bet + s.Split().Bet;
    }
    return total;
}

bool IsFourDecksOrUnbuilt(const TShoe& shoe) {
    std::array<int, 52> counts{};
    bool untouched = true;
    for (const TShoeCard& card : shoe.Entries()) {
        if (card.Rank > cvKing || card.Suit > csSpade)
            return false;
        untouched = untouched && card == TShoeCard{};
        ++counts[static_cast<std::size_t>(card.Suit * 13 + card.Rank)];
    }
    if (untouched)
        return true;
    for (int count : counts)
        if (count != 4)
            return false;
    return true;
}

// Every card in the hands of the round was dealt: per card, the hands hold no more copies
// than the dealt part of the shoe.
std::string HandsHoldOnlyDealtCards(const RoundEngine& engine) {
    std::array<int, 52> dealt{};
    const TableShoe& shoe = engine.Shoe();
    for (int position = 1; position <= shoe.Position; ++position) {
        const TShoeCard card = shoe.Dealing.At(position);
        ++dealt[static_cast<std::size_t>(card.Suit * 13 + card.Rank)];
    }
    std::array<int, 52> held{};
    for (int seat = 0; seat <= engine.Seats(); ++seat)
        for (int hand = Seat::kMain; hand <= Seat::kSplit; ++hand) {
            const THandRecord& h = engine.At(seat).Hand(hand);
            if (hand == Seat::kSplit && engine.At(seat).HandCount != 2)
                continue;
            for (int slot = 1; slot <= h.CardCount; ++slot) {
                const TShoeCard card = h.Card(slot);
                const std::size_t i = static_cast<std::size_t>(card.Suit * 13 + card.Rank);
                if (++held[i] > dealt[i])
                    return "seat " + std::to_string(seat) + " hand " + std::to_string(hand) +
                           " holds a card that was not dealt";
            }
        }
    return {};
}

class Life final : public EventPump {
public:
    Life(const Options& options, const std::string& folder, Report& report, std::mt19937_64& rng)
        : options_(options), report_(report), rng_(rng), random_(rng()) {
        app_.SetPump(this);
        app_.GetTrace().SetListener([this](TraceKind kind, std::string_view text) {
            if (kind == TraceKind::Show && text.size() == 6 && text.substr(0, 5) == "TForm" &&
                text[5] >= '6' && text[5] <= '9')
                ++report_.Rounds;
            last_ = std::string(text);
        });
        game_ = std::make_unique<Game>(app_, random_, folder);
        // The desktop game: its keys, its settings (kept nowhere) and its questions.
        game_->EnableDesktop({});
        // The statistics go to the run's own folder, where the screen and its reset are tried.
        game_->KeepStatistics(std::filesystem::path(folder) / "stats");
        // The rounds played, a script per game, numbered across the run.
        if (!options_.Record.empty()) {
            game_->RecordRounds(options_.Record, [this](int mode) {
                char number[24];
                std::snprintf(number, sizeof number, "%04lld",
                              static_cast<long long>(++report_.GamesRecorded));
                return "game-" + std::string(number) + "-" + TableWord(mode) + ".scn";
            });
            game_->onRoundPlayed = [this](const RoundLog&) { ++report_.RoundsRecorded; };
        }
        game_->Start();
        ++report_.Games;
    }
    ~Life() override { app_.SetPump(nullptr); }

    void Play() {
        while (!Done() && !app_.Terminated())
            Step();
    }

    void Pump(std::optional<std::int64_t> deadlineMs) override {
        if (deadlineMs) {
            // Now and then something is clicked while the game waits.
            if (!Done() && Chance(25))
                Step();
            clock_.AdvanceTo(*deadlineMs);
            return;
        }
        if (Done())
            app_.Terminate();
        else
            Step();
    }

private:
    bool Done() const { return report_.Events >= options_.Events || !report_.Ok(); }
    bool Chance(int percent) { return Pick(100) < percent; }
    int Pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    // The controls a user could reach now: showing and enabled, on a shown screen.
    std::vector<Control*> Targets() const {
        std::vector<Control*> targets;
        // Under a modal screen nothing else can be reached.
        Screen* input = app_.InputScreen();
        std::vector<Screen*> screens = app_.ShownScreens();
        if (input && input->Kind() == ScreenKind::Modal)
            screens = {input};
        for (Screen* screen : screens)
            for (const auto& control : screen->Controls())
                if (control->Showing() && control->Enabled())
                    targets.push_back(control.get());
        return targets;
    }

    Point SomePoint() {
        const std::vector<Control*> targets = Targets();
        if (targets.empty() || Chance(10))
            return {Pick(840) - 20, Pick(640) - 20}; // the letterbox bars included
        // Half the time the aim is at what answers a click, so that screens full of labels
        // (the statistics) do not hold the monkey for thousands of events.
        std::vector<Control*> answering;
        if (Chance(50))
            for (Control* control : targets)
                if (control->onClick || control->onMouseDown || control->onMouseUp)
                    answering.push_back(control);
        const std::vector<Control*>& pool = answering.empty() ? targets : answering;
        Control* target = pool[static_cast<std::size_t>(Pick(static_cast<int>(pool.size())))];
        if (IsQuitButton(*target) && !Chance(3))
            return {Pick(800), Pick(600)};
        // A point inside the control, in the layout space: a dialog's controls lie inside it.
        const Rect r = target->ScreenRect();
        const Rect screen = target->Owner()->Bounds();
        return {screen.x + r.x + Pick(std::max(r.w, 1)), screen.y + r.y + Pick(std::max(r.h, 1))};
    }

    static bool IsQuitButton(const Control& control) {
        const Screen& screen = *control.Owner();
        return screen.Name() + "." + control.Name() == kMenuQuitButton ||
               screen.FindByRole("Exit") == &control;
    }

    void Step() {
        ++report_.Events;
        const int kind = Pick(100);
        if (kind < 60) {
            const Point p = SomePoint();
            const MouseButton button = Chance(90) ? MouseButton::Left : MouseButton::Right;
            event_ = "click " + std::to_string(p.x) + "," + std::to_string(p.y);
            app_.MouseDown(button, p);
            app_.MouseUp(button, p);
        } else if (kind < 78) {
            const Point p = SomePoint();
            event_ = "hover " + std::to_string(p.x) + "," + std::to_string(p.y);
            app_.MouseMove(p);
        } else if (kind < 88) {
            const char* text = kTexts[static_cast<std::size_t>(Pick(kTexts.size()))];
            event_ = std::string("type ") + text;
            app_.TextInput(text);
        } else if (kind < 90) {
            event_ = "backspace";
            app_.KeyBackspace();
        } else if (kind < 99 || Chance(99)) {
            KeyPress key = kKeys[static_cast<std::size_t>(Pick(kKeys.size()))];
            // Pressing a focused quit button is as rare as clicking it.
            const Control* focus = app_.KeyFocus();
            if ((key.key == Key::Enter || key.key == Key::Space) && focus && IsQuitButton(*focus) &&
                !Chance(3))
                key = Press(Key::Tab);
            event_ = "key " + KeyName(key);
            app_.KeyDown(key);
        } else {
            event_ = Chance(50) ? "close the window" : "key Ctrl+Q";
            if (event_ == "close the window")
                app_.RequestClose();
            else
                app_.KeyDown(CtrlPress(Key::Q));
        }
        // QUORVEL_MONKEY_TRACE=1 prints every event with the screens showing after it.
        if (std::getenv("QUORVEL_MONKEY_TRACE")) {
            std::string shown;
            for (Screen* screen : app_.ShownScreens())
                shown += screen->Name() + " ";
            std::fprintf(stderr, "%s | %s| %s\n", event_.c_str(), shown.c_str(), last_.c_str());
        }
        Check();
    }

    void Fail(const std::string& what) {
        if (report_.Ok())
            report_.Broken = "event " + std::to_string(report_.Events) + " (" + event_ +
                             ", after \"" + last_ + "\"): " + what;
    }

    void Check() {
        if (app_.Terminated())
            return;
        int full = 0;
        for (Screen* screen : app_.ShownScreens())
            full += screen->Kind() == ScreenKind::Full;
        if (full != 1)
            Fail(std::to_string(full) + " full screens are showing");
        for (int t = 0; t < 4; ++t) {
            auto* table = dynamic_cast<TableScreen*>(app_.FindScreen(kTables[t]));
            if (!table)
                continue;
            const RoundEngine& engine = table->Engine();
            if (!IsFourDecksOrUnbuilt(engine.Shoe().Dealing))
                Fail(std::string(kTables[t]) + "'s shoe is not four decks");
            MoneyTrack& track = money_[t];
            if (!table->Visible()) {
                track.Tracking = false;
                continue;
            }
            if (engine.Busy())
                continue;
            if (std::string held = HandsHoldOnlyDealtCards(engine); !held.empty())
                Fail(std::string(kTables[t]) + ": " + held);
            const std::int64_t money = TableMoney(engine);
            if (!track.Tracking) {
                track = {true, money, engine.HouseFlow()};
            } else if (money - track.Money != engine.HouseFlow() - track.Flow) {
                Fail(std::string(kTables[t]) + "'s money moved by " +
                     std::to_string(money - track.Money) + " where bonuses and fees moved " +
                     std::to_string(engine.HouseFlow() - track.Flow));
            }
        }
    }

    // A visible table's money against its bonuses and fees since it was last seen opening.
    struct MoneyTrack {
        bool Tracking = false;
        std::int64_t Money = 0;
        std::int64_t Flow = 0;
    };

    const Options& options_;
    Report& report_;
    std::mt19937_64& rng_;
    std::string event_;
    std::string last_;
    std::array<MoneyTrack, 4> money_{};

    VirtualClock clock_;
    scenario::MadeUpPictures pictures_;
    SilentSound sound_;
    RecordingDisplay display_;
    SeededRandom random_;
    App app_{clock_, pictures_, sound_, display_};
    std::unique_ptr<Game> game_;
};

} // namespace

Report Run(const Options& options, const std::string& workFolder, std::ostream& log) {
    Report report;
    std::mt19937_64 rng(options.Seed);
    while (report.Events < options.Events && report.Ok()) {
        Life life(options, workFolder, report, rng);
        life.Play();
    }
    log << report.Events << " events, " << report.Games << " games, " << report.Rounds
        << " rounds\n";
    if (!options.Record.empty())
        log << report.RoundsRecorded << " rounds recorded in " << report.GamesRecorded
            << " files in " << options.Record << '\n';
    if (!report.Ok())
        log << "broken: " << report.Broken << '\n';
    return report;
}

} // namespace quorvel::monkey
