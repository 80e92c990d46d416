// The character edges' text form: a first line with the format name and version, a line with
// the simulation's policy, bet and seed, a line per figure, and "end".
#include "players/CharacterEdges.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace quorvel {

namespace {

constexpr std::string_view kMagic = "quorvel-character-edges";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

template <class Number> bool Read(std::string_view word, Number& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

bool ReadFigure(std::string_view value, std::string_view interval, EdgeFigure& figure) {
    return Read(value, figure.PerThousand) && Read(interval, figure.Interval) &&
           std::isfinite(figure.PerThousand) && std::isfinite(figure.Interval) &&
           figure.Interval >= 0;
}

std::string Figure(const EdgeFigure& figure) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f", figure.PerThousand, figure.Interval);
    return text;
}

} // namespace

const CharacterEdge* CharacterEdges::Find(int table, std::string_view character) const {
    for (const CharacterEdge& edge : Edges)
        if (edge.Table == table && edge.Character == character)
            return &edge;
    return nullptr;
}

std::string EncodeCharacterEdges(const CharacterEdges& edges) {
    std::string text = std::string(kMagic) + " " + std::to_string(kCharacterEdgesVersion) + "\n";
    text += "policy " + edges.Policy + " bet " + std::to_string(edges.Bet) + " seed " +
            std::to_string(edges.Seed) + "\n";
    for (const CharacterEdge& edge : edges.Edges)
        text += std::to_string(edge.Table) + " " + edge.Character + " " +
                std::to_string(edge.Rounds) + " " + Figure(edge.Steered) + " " + Figure(edge.Fair) +
                "\n";
    text += "end\n";
    return text;
}

std::optional<CharacterEdges> DecodeCharacterEdges(std::string_view text, std::string& error) {
    CharacterEdges edges;
    std::size_t lineNo = 0;
    bool ended = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        ++lineNo;
        const std::vector<std::string_view> w = Words(line);
        const auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(lineNo) + ": " + why;
            return std::nullopt;
        };
        if (ended)
            return fail("text after the end");
        if (lineNo == 1) {
            int version = 0;
            if (w.size() != 2 || w[0] != kMagic || !Read(w[1], version))
                return fail("not a character edges file");
            if (version != kCharacterEdgesVersion)
                return fail("version " + std::to_string(version) + " is not known");
            continue;
        }
        if (lineNo == 2) {
            if (w.size() != 6 || w[0] != "policy" || w[2] != "bet" || w[4] != "seed" ||
                !Read(w[3], edges.Bet) || !Read(w[5], edges.Seed))
                return fail("no policy, bet and seed");
            edges.Policy = std::string(w[1]);
            continue;
        }
        if (w.size() == 1 && w[0] == "end") {
            ended = true;
            continue;
        }
        CharacterEdge edge;
        if (w.size() != 7 || !Read(w[0], edge.Table) || edge.Table < 1 || edge.Table > 4 ||
            !Read(w[2], edge.Rounds) || edge.Rounds < 0 || !ReadFigure(w[3], w[4], edge.Steered) ||
            !ReadFigure(w[5], w[6], edge.Fair))
            return fail("not a table, character, rounds and two figures");
        edge.Character = std::string(w[1]);
        edges.Edges.push_back(std::move(edge));
    }
    if (!ended) {
        error = "the file ends early";
        return std::nullopt;
    }
    return edges;
}

std::optional<CharacterEdges> ReadCharacterEdges(const std::filesystem::path& file,
                                                 std::string& error) {
    // The file is a few kilobytes; anything much larger is not it.
    constexpr std::uintmax_t kLargest = 1 << 20;
    std::error_code size;
    if (std::filesystem::file_size(file, size) > kLargest && !size) {
        error = "too large";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot be read";
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return DecodeCharacterEdges(text, error);
}

} // namespace quorvel
