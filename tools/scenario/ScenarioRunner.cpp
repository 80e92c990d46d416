// The scenario runner's session: the headless game, the commands and the transcript.
#include "ScenarioRunner.h"

#include "MadeUpPictures.h"
#include "PolicyPlay.h"
#include "ScriptWords.h"

#include "app/Game.h"
#include "app/TableOpening.h"
#include "cards/ScriptError.h"
#include "cards/SeededRandom.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Edit.h"
#include "gui/Screen.h"
#include "players/Roster.h"
#include "round/RoundScript.h"
#include "tables/HandCards.h"
#include "tables/TableScreen.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>

namespace quorvel::scenario {

namespace {

// The seeded source a script can reseed; queued rule draws are kept by the current one.
class ScriptRandom final : public RandomSource {
public:
    int Draw(DrawStream stream, int lo, int hi) override { return random_->Draw(stream, lo, hi); }
    RandomPosition Position() const override { return random_->Position(); }
    void Reseed(std::uint64_t seed) { random_ = std::make_unique<SeededRandom>(seed); }
    // Where a replayed round's draws stood; queued rule draws are dropped.
    void Restore(const RandomPosition& position) {
        random_ = std::make_unique<SeededRandom>(position.Seed);
        random_->Restore(position);
    }
    SeededRandom& Current() { return *random_; }

private:
    std::unique_ptr<SeededRandom> random_ = std::make_unique<SeededRandom>(1);
};

struct ExpectFailure {
    std::string message;
};

constexpr long long kMaxMs = 24LL * 3600 * 1000; // the longest wait a script may ask [ms]

} // namespace

class ScenarioRunner::Session final : public EventPump {
public:
    Session(std::ostream& out, const std::vector<std::string>& lines,
            const std::filesystem::path& folder, const std::string& source)
        : out_(out), lines_(lines), folder_(folder), source_(source) {
        app_.GetTrace().SetListener([this](TraceKind kind, std::string_view text) {
            static const char* kNames[] = {"banner", "show", "hide", nullptr, "error", nullptr};
            // Rounds played by a policy are told by their summary alone.
            if (Playing())
                return;
            if (const char* name = kNames[static_cast<int>(kind)])
                Print(std::string(name) + " " + std::string(text));
        });
        app_.SetPump(this);
        game_ = std::make_unique<Game>(app_, random_, folder_);
        // A replayed round says what it left when it is settled.
        game_->onRoundPlayed = [this](const RoundLog& log) {
            if (replaying_)
                Print(SettledLine(log));
            if (play_)
                play_->Settled(log);
        };
        game_->Start();
    }
    ~Session() override { app_.SetPump(nullptr); }

    void RunAll() {
        while ((Playing() || next_ < lines_.size()) && !app_.Terminated())
            Advance();
    }

    // Waits with a deadline only let virtual time pass; a wait for the user runs the script.
    void Pump(std::optional<std::int64_t> deadlineMs) override {
        if (deadlineMs) {
            clock_.AdvanceTo(*deadlineMs);
            return;
        }
        if (Playing() || next_ < lines_.size())
            Advance();
        else
            app_.Terminate();
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ScriptError(source_ + ":" + std::to_string(lineNo_) + ": " + what);
    }

    void Print(const std::string& line) {
        out_ << line << '\n';
        transcript_ += line;
        transcript_ += '\n';
    }

    bool Playing() const { return play_ && !play_->Done(); }

    // The policy's next step while `play` lasts, otherwise the script's next command.
    void Advance() {
        if (!Playing()) {
            RunNextCommand();
            return;
        }
        if (!play_->Step(*game_))
            Fail("play: the game waits for nothing the policy can do");
        if (play_->Done())
            Print(play_->Summary());
    }

    void RunNextCommand() {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            lineNo_ = static_cast<int>(next_);
            // A comment is skipped before its words are read: its quotes need not pair up.
            const std::size_t first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos || line[first] == '#')
                continue;
            auto words = SplitWords(line);
            if (!words)
                Fail("unclosed quote");
            Execute(*words, 0);
            return;
        }
    }

    long long Number(const std::vector<std::string>& w, std::size_t i, long long lo, long long hi) {
        if (i >= w.size())
            Fail("missing number");
        auto n = ParseNumber(w[i], lo, hi);
        if (!n)
            Fail("bad number " + w[i]);
        return *n;
    }

    Control& Find(const std::vector<std::string>& w, std::size_t i) {
        if (i >= w.size())
            Fail("missing control");
        Control* c = app_.FindControl(w[i]);
        if (!c)
            Fail("no control " + w[i]);
        return *c;
    }

    void Execute(const std::vector<std::string>& w, std::size_t at) {
        const std::string& cmd = w[at];
        const std::size_t args = w.size() - at - 1;
        if (cmd == "seed") {
            random_.Reseed(static_cast<std::uint64_t>(Number(w, at + 1, 0, 1LL << 62)));
        } else if (cmd == "draws") {
            std::vector<int> values;
            for (std::size_t i = at + 1; i < w.size(); ++i)
                values.push_back(static_cast<int>(Number(w, i, -1000000, 1000000)));
            random_.Current().QueueRuleDraws(values);
        } else if (cmd == "shoe") {
            for (std::size_t i = at + 1; i < w.size(); ++i)
                game_->Stack().Add(w[i]);
        } else if (cmd == "open") {
            Open(w, at);
        } else if (cmd == "play" && args == 2) {
            // Rounds by a fixed policy, the table opened again whenever a game ends.
            auto policy = sim::MakePolicy(w[at + 2], 10000);
            if (!policy)
                Fail("no policy " + w[at + 2]);
            play_ = std::make_unique<PolicyPlay>(std::move(policy), Number(w, at + 1, 1, 1LL << 40),
                                                 [this] { Reopen(); });
        } else if (cmd == "click" && args == 1) {
            Control& c = Find(w, at + 1);
            if (!c.Owner()->Visible() || !c.Showing() || !c.Enabled())
                Print("ignored " + w[at + 1]);
            else
                app_.ClickControl(c);
        } else if (cmd == "hover" && args == 1) {
            Control& c = Find(w, at + 1);
            if (c.Owner()->Visible() && c.Showing())
                app_.HoverControl(c);
        } else if (cmd == "type" && args == 2) {
            auto* edit = dynamic_cast<Edit*>(&Find(w, at + 1));
            if (!edit)
                Fail(w[at + 1] + " is not an edit box");
            edit->SetText("");
            edit->TextInput(w[at + 2]);
        } else if (cmd == "wait" && args == 1) {
            app_.Idle(static_cast<int>(Number(w, at + 1, 0, kMaxMs)));
        } else if (cmd == "after" && args >= 2) {
            const int ms = static_cast<int>(Number(w, at + 1, 0, kMaxMs));
            const std::string& inner = w[at + 2];
            if (inner != "click" && inner != "hover" && inner != "type")
                Fail("after runs click, hover or type only");
            Find(w, at + 3);
            app_.After(ms, [this, w, at] { Execute(w, at + 2); });
        } else if (cmd == "print" && args == 1) {
            const Control& c = Find(w, at + 1);
            Print(w[at + 1] + " visible=" + (c.Visible() ? "1" : "0") +
                  " enabled=" + (c.Enabled() ? "1" : "0") + " text=\"" + c.Text() +
                  "\" picture=\"" + c.PicturePath() + "\"");
        } else if (cmd == "hands" && args == 1) {
            auto* table = dynamic_cast<TableScreen*>(app_.FindScreen(w[at + 1]));
            if (!table)
                Fail("no table " + w[at + 1]);
            for (const auto& line : table->Hands().Lines())
                Print(line);
        } else if (cmd == "putfile" && args == 2) {
            auto bytes = ParseHex(w[at + 2]);
            if (!bytes)
                Fail("bad hex");
            std::ofstream f(FileOf(w[at + 1]), std::ios::binary | std::ios::trunc);
            f.write(reinterpret_cast<const char*>(bytes->data()),
                    static_cast<std::streamsize>(bytes->size()));
            if (!f)
                Fail("cannot write " + w[at + 1]);
        } else if (cmd == "hexdump" && args == 1) {
            std::ifstream f(FileOf(w[at + 1]), std::ios::binary);
            if (!f) {
                Print("hexdump " + w[at + 1] + " missing");
                return;
            }
            std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
            Print("hexdump " + w[at + 1] + " " + std::to_string(bytes.size()) + " " + ToHex(bytes));
        } else if (cmd == "round" || cmd == "seat" || cmd == "deck" || cmd == "random") {
            ReadRoundLine(cmd, w, at);
        } else if (cmd == "begin" && args == 0) {
            const std::optional<TableMode> mode = TableModeOfCode(pending_.Mode);
            if (!mode)
                Fail("begin needs a round line first");
            ReplayRound(*game_, *mode, pending_.Start);
            if (pending_.Random.Known)
                random_.Restore(pending_.Random);
            replaying_ = true;
        } else if (cmd == "act" && args >= 1) {
            const std::vector<std::string> words(w.begin() + static_cast<long>(at) + 1, w.end());
            const auto action = ActionFromWords(words);
            if (!action)
                Fail("not an action: " + JoinWords(w, at + 1));
            TableScreen* table = game_->ShownTable();
            if (!table)
                Fail("act needs a table showing");
            if (!table->Act(*action))
                Print("refused act " + JoinWords(w, at + 1));
        } else if (cmd == "expect" && args >= 1) {
            const std::string text = JoinWords(w, at + 1);
            const bool held = transcript_.find(text) != std::string::npos;
            transcript_.clear();
            if (!held)
                throw ExpectFailure{source_ + ":" + std::to_string(lineNo_) + ": expect " + text};
        } else {
            Fail("unknown or malformed command: " + JoinWords(w, at));
        }
    }

    // The start of a round to play again, line by line until `begin`.
    void ReadRoundLine(const std::string& cmd, const std::vector<std::string>& w, std::size_t at) {
        const std::vector<std::string> words(w.begin() + static_cast<long>(at) + 1, w.end());
        std::string error;
        bool read = false;
        if (cmd == "round")
            read = ReadRoundWords(words, pending_, error);
        else if (pending_.Mode == 0)
            error = "a round line comes first";
        else if (cmd == "seat")
            read = ReadSeatWords(words, pending_, error);
        else if (cmd == "deck")
            read = ReadDeckWords(words, pending_, error);
        else
            read = ReadRandomWords(words, pending_, error);
        if (!read)
            Fail(cmd + ": " + error);
    }

    // A plain file name of the working folder; paths are refused.
    std::filesystem::path FileOf(const std::string& name) {
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of("/\\") != std::string::npos)
            Fail("bad file name " + name);
        return folder_ / name;
    }

    // The table `open` last opened, again with its picks, for a game that ended.
    void Reopen() {
        if (opened_.empty())
            Fail("play needs a table opened first");
        Open(opened_, 0);
    }

    void Open(const std::vector<std::string>& w, std::size_t at) {
        opened_.assign(w.begin() + static_cast<long>(at), w.end());
        const int mode = static_cast<int>(Number(w, at + 1, 1, 4));
        const std::size_t opponents = w.size() - at - 3;
        if (w.size() < at + 4 || opponents != (mode <= 2 ? 1u : 3u))
            Fail("open needs a user and " + std::string(mode <= 2 ? "1" : "3") + " opponents");
        const auto pick = [this](const std::string& name) {
            const RosterEntry* e = FindCharacter(name);
            if (!e)
                Fail("no character " + name);
            return TCharacterPick{std::string(e->Name), "", e->Figure};
        };
        auto& state = game_->State();
        state.PlayerPick = pick(w[at + 2]);
        state.OpponentPicks = {};
        for (std::size_t i = 0; i < opponents; ++i)
            state.OpponentPicks[i] = pick(w[at + 3 + i]);
        state.OpponentCount = static_cast<std::int32_t>(opponents);
        state.TableSize = mode <= 2 ? 1 : 2;
        state.BankerChoice = mode % 2 == 1 ? 1 : 2;
        game_->MainForm().Hide();
        OpenNewTable(*game_);
    }

    std::ostream& out_;
    const std::vector<std::string>& lines_;
    std::filesystem::path folder_;
    std::string source_;
    std::size_t next_ = 0;
    int lineNo_ = 0;
    std::string transcript_;
    ReadRound pending_;                // the round the next `begin` plays again
    bool replaying_ = false;           // a round was begun: settled rounds are printed
    std::vector<std::string> opened_;  // the last `open` command's words
    std::unique_ptr<PolicyPlay> play_; // rounds played by a policy, while `play` lasts

    VirtualClock clock_;
    MadeUpPictures pictures_;
    SilentSound sound_;
    RecordingDisplay display_;
    ScriptRandom random_;
    App app_{clock_, pictures_, sound_, display_};
    std::unique_ptr<Game> game_;
};

ScenarioRunner::ScenarioRunner(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

ScenarioRunner::~ScenarioRunner() = default;

int ScenarioRunner::Run(const std::vector<std::string>& lines,
                        const std::filesystem::path& workFolder, const std::string& source) {
    try {
        Session session(out_, lines, workFolder, source);
        session.RunAll();
    } catch (const ExpectFailure& failure) {
        out_ << "FAILED " << failure.message << '\n';
        return kExpectFailed;
    } catch (const ScriptError& error) {
        err_ << "script error: " << error.what() << '\n';
        return kScriptError;
    }
    return kPassed;
}

int RunScenarioFile(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    std::ifstream in(file);
    if (!in) {
        err << "script error: cannot read " << file.string() << '\n';
        return kScriptError;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    // A fresh working folder of its own, removed afterwards.
    std::mt19937_64 names(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::path folder;
    std::error_code ec;
    // TMPDIR naming a missing folder is reported as a script error, not thrown.
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    if (ec) {
        err << "script error: cannot make a working folder: the temporary folder ("
            << (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp")
            << ") is not usable: " << ec.message() << '\n';
        return kScriptError;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        folder = temporary / ("quorvel-scenario-" + std::to_string(names() % 1000000000));
        if (std::filesystem::create_directory(folder, ec))
            break;
        folder.clear();
    }
    if (folder.empty()) {
        err << "script error: cannot make a working folder\n";
        return kScriptError;
    }
    const int result = ScenarioRunner(out, err).Run(lines, folder, file.string());
    std::filesystem::remove_all(folder, ec);
    return result;
}

} // namespace quorvel::scenario
