// How much each character wins from the user at each table, steered as it plays and in a fair
// game, as the simulator measures it with a fixed way of playing for the user. The build
// writes the figures into the data folder (character-edges.txt) and the statistics screen's
// character page reads them. A small versioned text format (UTF-8), one line per character and
// table.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr int kCharacterEdgesVersion = 1;
inline constexpr const char* kCharacterEdgesFile = "character-edges.txt";

// One measured figure: the character's mean win per 1000 of the round's bets [money] (from its
// side: above 0 it wins, below it loses) and the half-width of its 95% interval.
struct EdgeFigure {
    double PerThousand = 0;
    double Interval = 0;
    friend bool operator==(const EdgeFigure&, const EdgeFigure&) = default;
};

struct CharacterEdge {
    int Table = 1;         // [1-4] the table's mode
    std::string Character; // UTF-8, a name of the roster
    std::int64_t Rounds = 0;
    EdgeFigure Steered; // as the character plays, steering its cards
    EdgeFigure Fair;    // the same table with no card ever moved
    friend bool operator==(const CharacterEdge&, const CharacterEdge&) = default;
};

struct CharacterEdges {
    std::string Policy;     // how the user played, as the simulator names it ("stand17")
    std::int32_t Bet = 0;   // [money] the user's bet at a seat
    std::uint64_t Seed = 0; // of the simulation
    std::vector<CharacterEdge> Edges;

    // The figures of `character` at `table` [1-4], if measured.
    const CharacterEdge* Find(int table, std::string_view character) const;
    friend bool operator==(const CharacterEdges&, const CharacterEdges&) = default;
};

std::string EncodeCharacterEdges(const CharacterEdges& edges);
// Nothing, with `error` saying why, for a text that is not a whole version-1 file.
std::optional<CharacterEdges> DecodeCharacterEdges(std::string_view text, std::string& error);
// The same read from a file; a file that cannot be read says so in `error`.
std::optional<CharacterEdges> ReadCharacterEdges(const std::filesystem::path& file,
                                                 std::string& error);

} // namespace quorvel
