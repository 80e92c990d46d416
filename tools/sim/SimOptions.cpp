// Reading the simulator's options and laying out its rows.
#include "SimOptions.h"

#include "UserPolicy.h"

#include "players/Roster.h"

#include <charconv>
#include <stdexcept>
#include <string_view>
#include <thread>

namespace quorvel::sim {

const char* const kUsage =
    R"(usage: quorvel-sim [--table 1..4] [--rounds R] [--threads T] [--seed S]
                   [--banker NAME] [--seat NAME...] [--policy P] [--bet B] [--fair]
       quorvel-sim --edges FILE [--accuracy A] [--threads T] [--seed S]

Plays rounds with the game's own round engine, computer characters at every place but the
user's and a fixed policy at the user's place, and prints one row per character.

  --table N      1 one seat, the user challenges the banker (default)
                 2 one seat, the user is the banker
                 3 three seats, the user challenges the banker from the middle seat
                 4 three seats, the user is the banker
  --rounds R     rounds to play, all rows together, split evenly between them
                 (default 1000000)
  --threads T    threads to play on (default: one per processor); the figures do not
                 depend on it: each row's rounds are cut into 32 jobs with draws of their own
  --seed S       the seed of every job's draws (default 1)
  --banker NAME  at tables 1 and 3, the one banker to challenge (default: all nine)
  --seat NAME... at table 3, the two characters beside the user (default 美男子 小帥哥);
                 at tables 2 and 4, the characters to bank against (default: all nine)
  --policy P     how the user plays (default stand17):
                   standN   hit below N (12..21), stand from N, never double or split;
                            at the bank draw below 17 as the rule says, and up to N
                   advisor  the odds advisor's best move among hit, stand, double, split
                            and keeping the pair, worked out exactly at every decision:
                            some 0.1 to 0.3 ms a decision, about 2,000 rounds/s a thread
                 the paid look and swap and the raised bet are never taken
  --bet B        the user's bet at a seat, 1000..20000 (default 10000)
  --fair         a fair game: nobody steers a card (the characters decide as they would,
                 but every card stays where the shuffle put it, and the table makes no pairs)
  --edges FILE   write the table of every character's edge at every table, steered and
                 fair, with the stand17 policy, for the game's character page; each figure
                 is played until its interval is within --accuracy A per 1000 (default 4)

One row per character: at tables 1 and 3 the character is the banker the user challenges;
at tables 2 and 4 it sits at the seat (at table 4, at all three seats) the user banks
against. A game that ends starts again; a streak that takes the user on to the one-on-one
challenge is handed back at once.

Columns: the rounds played; the user's mean result per 1000 bet (the round's first bets: the
user's own at a seat, the seats' when the user banks; doubles, splits, bonuses, claims all
count in the result) with its 95% interval; the share of the user's hands that went bust and
that ended as a special hand (one that earns a bonus); the same for the character's hands.
The last line: R rounds in S s: N rounds/s.
)";

namespace {

bool Number(std::string_view word, long long lo, long long hi, long long& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && value >= lo && value <= hi;
}

bool Decimal(const std::string& word, double lo, double hi, double& value) {
    try {
        std::size_t used = 0;
        value = std::stod(word, &used);
        return used == word.size() && value >= lo && value <= hi;
    } catch (const std::exception&) {
        return false;
    }
}

const std::string& Character(const std::string& name) {
    if (!FindCharacter(name))
        throw std::invalid_argument("no character " + name);
    return name;
}

} // namespace

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string value = hasValue ? argv[i + 1] : "";
        long long number = 0;
        const auto numeric = [&](long long lo, long long hi) {
            if (!hasValue || !Number(value, lo, hi, number)) {
                error = std::string(option) + " needs a number in " + std::to_string(lo) + ".." +
                        std::to_string(hi);
                return false;
            }
            ++i;
            return true;
        };
        if (option == "--help" || option == "-h") {
            options.Help = true;
        } else if (option == "--table") {
            if (!numeric(1, 4))
                return false;
            options.Table = static_cast<int>(number);
        } else if (option == "--rounds") {
            if (!numeric(1, 1'000'000'000'000LL))
                return false;
            options.Rounds = number;
        } else if (option == "--threads") {
            if (!numeric(1, 256))
                return false;
            options.Threads = static_cast<int>(number);
        } else if (option == "--seed") {
            if (!numeric(0, 1LL << 62))
                return false;
            options.Seed = static_cast<std::uint64_t>(number);
        } else if (option == "--bet") {
            if (!numeric(1000, 20000))
                return false;
            options.Bet = static_cast<std::int32_t>(number);
        } else if (option == "--banker" || option == "--policy" || option == "--edges") {
            if (!hasValue) {
                error = std::string(option) + " needs a value";
                return false;
            }
            ++i;
            (option == "--banker"   ? options.Banker
             : option == "--policy" ? options.Policy
                                    : options.EdgesFile) = value;
        } else if (option == "--accuracy") {
            if (!hasValue || !Decimal(value, 0.5, 100, options.Accuracy)) {
                error = "--accuracy needs a number in 0.5..100 [per 1000 bet]";
                return false;
            }
            ++i;
        } else if (option == "--seat") {
            while (i + 1 < argc && std::string_view(argv[i + 1]).substr(0, 2) != "--")
                options.Seats.emplace_back(argv[++i]);
            if (options.Seats.empty()) {
                error = "--seat needs at least one name";
                return false;
            }
        } else if (option == "--fair") {
            options.Fair = true;
        } else {
            error = "unknown option " + std::string(option);
            return false;
        }
    }
    if (!MakePolicy(options.Policy, options.Bet)) {
        error = "no policy " + options.Policy + " (standN with N 12..21, or advisor)";
        return false;
    }
    const bool userBanks = options.Table % 2 == 0;
    if (userBanks && !options.Banker.empty()) {
        error = "--banker: the user is the banker at table " + std::to_string(options.Table);
        return false;
    }
    if (options.Table == 1 && !options.Seats.empty()) {
        error = "--seat: table 1 has no seat besides the user's";
        return false;
    }
    if (options.Table == 3 && !options.Seats.empty() && options.Seats.size() != 2) {
        error = "--seat: table 3 needs the two characters beside the user";
        return false;
    }
    if (options.Threads == 0)
        options.Threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return true;
}

std::vector<std::string> RowCharacters(const Options& options) {
    const bool userBanks = options.Table % 2 == 0;
    if (!options.Banker.empty())
        return {Character(options.Banker)};
    if (userBanks && !options.Seats.empty()) {
        for (const std::string& name : options.Seats)
            Character(name);
        return options.Seats;
    }
    std::vector<std::string> names;
    for (const RosterEntry& entry : Roster())
        names.emplace_back(entry.Name);
    return names;
}

Plan PlanOf(const Options& options) {
    Plan plan;
    plan.Policy = options.Policy;
    plan.Bet = options.Bet;
    plan.Seed = options.Seed;
    plan.Threads = options.Threads;
    std::array<std::string, 2> companions = {std::string(kThreeSeatChallengeNames.Seats[0]),
                                             std::string(kThreeSeatChallengeNames.Seats[2])};
    if (options.Table == 3 && options.Seats.size() == 2)
        companions = {Character(options.Seats[0]), Character(options.Seats[1])};
    for (const std::string& name : RowCharacters(options))
        plan.Rows.push_back(SeatingFor(options.Table, name, companions, options.Fair));
    return plan;
}

} // namespace quorvel::sim
