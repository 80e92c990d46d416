// The report's rows and the character page's table of edges.
#include "SimReport.h"

#include "players/CharacterEdges.h"
#include "players/Roster.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quorvel::sim {

namespace {

const char* const kTableNames[4] = {
    "one seat, the user challenges the banker", "one seat, the user is the banker",
    "three seats, the user challenges the banker", "three seats, the user is the banker"};

// Columns a UTF-8 text takes on a terminal: two for the wide East Asian characters.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    for (std::size_t w = DisplayWidth(text); w < width; ++w)
        padded += ' ';
    return padded;
}

std::string Percent(std::int64_t part, std::int64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", whole > 0 ? 100.0 * part / whole : 0.0);
    return text;
}

} // namespace

void PrintReport(const Options& options, const Plan& plan,
                 const std::vector<std::vector<Tally>>& tallies, double seconds,
                 std::ostream& out) {
    const bool userBanks = options.Table % 2 == 0;
    const std::vector<std::string> characters = RowCharacters(options);
    out << "table " << options.Table << ", " << kTableNames[options.Table - 1]
        << (options.Fair ? ", a fair game" : "") << "; policy " << options.Policy << ", bet "
        << options.Bet << ", seed " << options.Seed << ", " << plan.Threads << " threads\n";
    const char* side = userBanks ? "seats" : "banker";
    char line[256];
    std::snprintf(line, sizeof line, "%-10s %10s  %-22s %9s %12s  %9s %12s\n",
                  userBanks ? "character" : "banker", "rounds", "user per 1000 bet", "user bust",
                  "user special", (std::string(side) + " bust").c_str(),
                  (std::string(side) + " special").c_str());
    out << line;
    std::int64_t rounds = 0;
    for (std::size_t row = 0; row < characters.size(); ++row) {
        const std::vector<Tally> parts = RowTallies(tallies, row);
        const Tally total = Sum(parts);
        rounds += total.Rounds;
        const Estimate edge = EstimateOf(parts);
        char figures[200];
        std::snprintf(figures, sizeof figures, "%10lld  %+9.1f ± %-9.1f   %9s %12s  %9s %12s\n",
                      static_cast<long long>(total.Rounds), edge.PerThousand, edge.HalfWidth,
                      Percent(total.User.Bust, total.User.Played).c_str(),
                      Percent(total.User.Special, total.User.Played).c_str(),
                      Percent(total.Theirs.Bust, total.Theirs.Played).c_str(),
                      Percent(total.Theirs.Special, total.Theirs.Played).c_str());
        out << Padded(characters[row], 10) << ' ' << figures;
    }
    std::snprintf(line, sizeof line, "%lld rounds in %.2f s: %.0f rounds/s\n",
                  static_cast<long long>(rounds), seconds, seconds > 0 ? rounds / seconds : 0.0);
    out << line;
}

namespace {

// Rounds a row plays in each wave of the edges' table at first [rounds per part].
constexpr std::int64_t kFirstWavePart = 2048;
constexpr int kMostWaves = 8;

} // namespace

bool WriteEdges(const Options& options, std::ostream& log, std::ostream& err) {
    Plan plan;
    plan.Policy = "stand17";
    plan.Bet = options.Bet;
    plan.Seed = options.Seed;
    plan.Threads = options.Threads;
    const std::array<std::string, 2> companions = {std::string(kThreeSeatChallengeNames.Seats[0]),
                                                   std::string(kThreeSeatChallengeNames.Seats[2])};
    // Rows: each table, each character, steered then fair.
    for (int table = 1; table <= 4; ++table)
        for (const RosterEntry& entry : Roster())
            for (bool fair : {false, true})
                plan.Rows.push_back(SeatingFor(table, std::string(entry.Name), companions, fair));
    const std::size_t rows = plan.Rows.size();
    std::vector<std::vector<Tally>> tallies;
    std::vector<std::int64_t> wanted(rows, kPartsPerRow * kFirstWavePart);
    const auto start = std::chrono::steady_clock::now();
    int firstPart = 0;
    for (int wave = 1; wave <= kMostWaves; ++wave) {
        const std::vector<Part> parts = SplitRounds(wanted, kPartsPerRow, firstPart);
        firstPart += kPartsPerRow;
        const std::vector<std::vector<Tally>> played = PlayParts(plan, parts);
        tallies.insert(tallies.end(), played.begin(), played.end());
        // Rows whose interval is still wider than asked play on, as many rounds again as the
        // interval's width says they need, and a little more.
        std::int64_t more = 0;
        std::size_t open = 0;
        for (std::size_t row = 0; row < rows; ++row) {
            const std::vector<Tally> parts = RowTallies(tallies, row);
            const Estimate estimate = EstimateOf(parts);
            const double played = static_cast<double>(Sum(parts).Rounds);
            wanted[row] = 0;
            if (estimate.HalfWidth > options.Accuracy) {
                const double ratio = estimate.HalfWidth / options.Accuracy;
                wanted[row] = std::max<std::int64_t>(
                    kPartsPerRow * 256,
                    static_cast<std::int64_t>(played * (ratio * ratio * 1.15 - 1)));
                more += wanted[row];
                ++open;
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        log << "character edges: wave " << wave << " done at " << static_cast<int>(seconds)
            << " s; " << open << " of " << rows << " figures need " << more << " rounds more\n";
        if (open == 0)
            break;
    }
    CharacterEdges edges;
    edges.Policy = plan.Policy;
    edges.Bet = plan.Bet;
    edges.Seed = plan.Seed;
    for (std::size_t row = 0; row < rows; row += 2) {
        const auto figure = [&](std::size_t at) {
            const Estimate estimate = EstimateOf(RowTallies(tallies, at));
            // From the character's side: what the user loses, it wins.
            return EdgeFigure{-estimate.PerThousand, estimate.HalfWidth};
        };
        CharacterEdge edge;
        edge.Table = plan.Rows[row].Mode;
        edge.Character = Roster()[(row / 2) % Roster().size()].Name;
        edge.Rounds =
            Sum(RowTallies(tallies, row)).Rounds + Sum(RowTallies(tallies, row + 1)).Rounds;
        edge.Steered = figure(row);
        edge.Fair = figure(row + 1);
        if (edge.Steered.Interval > options.Accuracy || edge.Fair.Interval > options.Accuracy)
            err << "quorvel-sim: " << edge.Character << " at table " << edge.Table
                << " is only within " << std::max(edge.Steered.Interval, edge.Fair.Interval)
                << " per 1000\n";
        edges.Edges.push_back(std::move(edge));
    }
    // Written whole beside the file, then put in its place.
    const std::filesystem::path file = options.EdgesFile;
    const std::filesystem::path part = file.string() + ".part";
    std::error_code made;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), made);
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out << EncodeCharacterEdges(edges);
        if (!out) {
            err << "quorvel-sim: cannot write " << part.string() << '\n';
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(part, file, error);
    if (error) {
        err << "quorvel-sim: cannot write " << file.string() << ": " << error.message() << '\n';
        return false;
    }
    return true;
}

} // namespace quorvel::sim
