// Every way the banker can finish, counted as if it drew before the user. Any order of the
// unknown cards is as likely as any other, so the chance that the user takes some cards and
// the banker others does not depend on who takes first; counting the banker first turns each
// of the user's possible hands into one pass over this list, whatever the user draws.
#pragma once

#include "cards/OddsDeck.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvel::odds {

// The banker's face-down card, grouped: cards of one kind that give the banker the same value.
struct HoleBin {
    int kind = 0;
    THand banker; // with the face-down card in slot 1
    int ways = 0; // [cards]
};

class BankerOutcomes {
public:
    static constexpr int kMaxBins = 16;

    // The banker's face-down card is one of the deck's cards, its face-up cards are `faceUp`;
    // it draws while its value is 1 to 16 and stands from 17 or when no card is left. With
    // `byHole`, outcomes keep the bin of the face-down card; without, outcomes that differ
    // only in which of the banker's cards lay face down are one (all in bin 0).
    void Build(const Deck& deck, std::span<const TShoeCard> faceUp, bool byHole);

    // Outcomes, ordered by the number of cards the banker took (its face-down card included),
    // then with the banker below 17 and every card gone last (that happens only when the user
    // takes the rest), then by hole bin, then by final value: the chance, the cards taken of
    // each kind, and the swap chain's weight for a user who has not taken the given card and
    // for one who has.
    std::vector<double> chance;
    std::array<std::vector<double>, kMaxKinds> taken;
    std::vector<double> withoutGiven, withGiven;
    std::vector<double> chainTaken; // the chain's cards the banker took
    // Outcomes with the same final value: its index in CodeList().
    struct Segment {
        int code = 0;
        int begin = 0, end = 0;
    };
    // Outcomes with the same bin: segments [first, last).
    struct Run {
        int bin = 0;
        int first = 0, last = 0;
    };
    std::vector<Segment> segments;
    // Outcomes with the same number of cards taken and the same exhaustion, by bin.
    struct Group {
        int used = 0;
        bool exhausted = false;
        int begin = 0, end = 0;
        std::vector<Run> runs;
    };
    std::vector<Group> groups;

    std::vector<HoleBin> bins;
    std::array<int, kCells> binOfCell{}; // -1 for a cell that cannot be the face-down card
    const std::vector<int>& CodeList() const { return codes_; }
    int Codes() const { return int(codes_.size()); }
    int Size() const { return int(chance.size()); }
    // The bins outcomes are counted in: the face-down card's, or one.
    int OutcomeBins() const { return outcomeBins_; }

private:
    struct Path;
    void Walk(const Deck& deck, Path& path);
    void Record(const Path& path, bool exhausted);

    int total_ = 0;
    bool byHole_ = true;
    int outcomeBins_ = 1;
    std::vector<int> codes_;
    std::array<int, kCodes> codeIndex_{};
    // Outcomes as they are found, merged by their key before they are ordered.
    struct Found {
        unsigned long long key = 0;
        double chance = 0;
        int bin = 0, code = 0, used = 0, chainState = 0;
        bool exhausted = false;
        bool holeIsCopy = false; // the face-down card is a copy of the swap's card
        std::array<std::uint8_t, kMaxKinds> taken{};
    };
    std::vector<Found> found_;
    std::vector<std::uint64_t> order_; // where each found outcome goes, then its index
    std::vector<int> table_; // open addressing over found_, by key
};

} // namespace quorvel::odds
