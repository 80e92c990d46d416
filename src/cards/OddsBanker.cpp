// The banker's outcomes: its face-down card by bin, then every draw of the forced rule, with
// the draws that differ only in their order merged.
#include "cards/OddsBanker.h"

#include "cards/HandRules.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel::odds {

namespace {
// [cards] left when a banker below 17 may run out: the user can take at most this many.
constexpr int kExhaustionReach = kHandSlots;

enum ChainState { kNoChainCard = 0, kGivenFirst = 1, kCopyFirst = 2 };

// A card of kind k in an outcome's key: three bits a kind (the banker takes four at most).
constexpr unsigned long long KindBit(int k) {
    return 1ULL << (3 * k);
}
} // namespace

struct BankerOutcomes::Path {
    GrowingHand hand;
    std::array<std::uint8_t, kMaxKinds> taken{};
    unsigned long long key = 0; // the cards taken, three bits a kind
    int used = 0;
    double chance = 0;
    int bin = 0;
    int chainState = kNoChainCard;
    bool holeIsCopy = false;
};

void BankerOutcomes::Build(const Deck& deck, std::span<const TShoeCard> faceUp, bool byHole) {
    total_ = deck.Total();
    byHole_ = byHole;
    chance.clear();
    segments.clear();
    withoutGiven.clear();
    withGiven.clear();
    chainTaken.clear();
    groups.clear();
    bins.clear();
    found_.clear();
    table_.assign(4096, -1);
    binOfCell.fill(-1);
    const Cells& cells = deck.CellCounts();
    for (int cell = 0; cell < kCells; ++cell) {
        const int kind = deck.KindOfCell(cell);
        if (cells[cell] == 0 || deck.Kind(kind).count == 0)
            continue;
        THand banker;
        banker.Card(1) = CellCard(cell);
        banker.CardCount = 1;
        for (const TShoeCard& up : faceUp)
            banker.Card(++banker.CardCount) = up;
        EvaluateHand(banker);
        auto same = std::find_if(bins.begin(), bins.end(), [&](const HoleBin& bin) {
            return bin.kind == kind && bin.banker.HandValue == banker.HandValue;
        });
        if (same == bins.end()) {
            // One bin per kind and value: a class's cards give one value, and the cards whose
            // suit matters are kinds of their own.
            if (bins.size() == std::size_t(kMaxBins))
                throw std::logic_error("odds: more face-down card bins than kinds");
            bins.push_back({kind, banker, 0});
            same = bins.end() - 1;
        }
        same->ways += cells[cell];
        binOfCell[cell] = int(same - bins.begin());
    }
    for (int b = 0; b < int(bins.size()); ++b) {
        Path path{GrowingHand(bins[b].banker)};
        path.taken[bins[b].kind] = 1;
        path.key = KindBit(bins[b].kind);
        path.used = 1;
        path.chance = double(bins[b].ways) / total_;
        path.bin = b;
        path.holeIsCopy = bins[b].kind == deck.CopyKind();
        Walk(deck, path);
    }

    // Ordered by the cards taken, the exhausted ones last in each run, then by bin and value.
    codeIndex_.fill(-1);
    codes_.clear();
    for (const Found& f : found_)
        if (codeIndex_[f.code] < 0) {
            codeIndex_[f.code] = 0;
            codes_.push_back(f.code);
        }
    std::sort(codes_.begin(), codes_.end());
    for (int i = 0; i < int(codes_.size()); ++i)
        codeIndex_[codes_[i]] = i;
    order_.clear();
    for (std::size_t i = 0; i < found_.size(); ++i) {
        const Found& f = found_[i];
        const unsigned place = ((unsigned(f.used) * 2 + f.exhausted) * kMaxBins + unsigned(f.bin)) *
                                   kCodes +
                               unsigned(f.code);
        order_.push_back(std::uint64_t(place) << 32 | i);
    }
    std::sort(order_.begin(), order_.end());
    outcomeBins_ = byHole ? int(bins.size()) : 1;
    for (int k = 0; k < kMaxKinds; ++k)
        taken[k].assign(k < deck.Kinds() ? found_.size() : 0, 0.0);
    for (std::size_t i = 0; i < found_.size(); ++i) {
        const Found& f = found_[order_[i] & 0xFFFFFFFFu];
        chance.push_back(f.chance);
        for (int k = 0; k < deck.Kinds(); ++k)
            taken[k][i] = f.taken[k];
        // The given card leads its copies (OddsDeck.cpp): orders where a copy comes first do
        // not happen, and each order that does stands for as many as there are copies.
        const int copies = deck.ChainLength() - (f.holeIsCopy ? 1 : 0);
        withGiven.push_back(copies);
        withoutGiven.push_back(f.chainState == kNoChainCard ? 1.0
                               : f.chainState == kGivenFirst ? copies
                                                             : 0.0);
        chainTaken.push_back(deck.GivenKind() < 0 ? 0.0
                                                  : double(f.taken[deck.GivenKind()]) +
                                                        f.taken[deck.CopyKind()]);
        const int at = int(i);
        if (groups.empty() || groups.back().used != f.used ||
            groups.back().exhausted != f.exhausted)
            groups.push_back({f.used, f.exhausted, at, at, {}});
        Group& group = groups.back();
        group.end = at + 1;
        if (group.runs.empty() || group.runs.back().bin != f.bin)
            group.runs.push_back({f.bin, int(segments.size()), int(segments.size())});
        Run& run = group.runs.back();
        const int code = codeIndex_[f.code];
        if (run.last == run.first || segments.back().code != code) {
            segments.push_back({code, at, at});
            run.last = int(segments.size());
        }
        segments.back().end = at + 1;
    }
}

void BankerOutcomes::Walk(const Deck& deck, Path& path) {
    const int code = path.hand.code;
    if (code == kBustCode || code >= 17 || path.hand.cards >= kHandSlots) {
        Record(path, false);
        return;
    }
    const int left = total_ - path.used;
    if (left <= kExhaustionReach)
        Record(path, true);
    for (int k = 0; k < deck.Kinds(); ++k) {
        const int avail = deck.Kind(k).count - path.taken[k];
        if (avail <= 0)
            continue;
        Path next = path;
        next.hand = path.hand.With(deck.Kind(k).cls);
        ++next.taken[k];
        next.key += KindBit(k);
        ++next.used;
        next.chance = path.chance * avail / left;
        if (next.chainState == kNoChainCard && (k == deck.GivenKind() || k == deck.CopyKind()))
            next.chainState = k == deck.GivenKind() ? kGivenFirst : kCopyFirst;
        Walk(deck, next);
    }
}

void BankerOutcomes::Record(const Path& path, bool exhausted) {
    const unsigned bin = byHole_ ? unsigned(path.bin) : unsigned(path.holeIsCopy);
    const unsigned long long key = (((path.key << 5 | bin) << 5 | unsigned(path.hand.code)) << 2 |
           unsigned(path.chainState)) << 1 |
          unsigned(exhausted);
    const std::size_t mask = table_.size() - 1;
    std::size_t at = (key * 0x9E3779B97F4A7C15ULL) >> 20 & mask;
    while (table_[at] >= 0 && found_[table_[at]].key != key)
        at = (at + 1) & mask;
    if (table_[at] >= 0) {
        found_[table_[at]].chance += path.chance;
        return;
    }
    table_[at] = int(found_.size());
    found_.push_back({key, path.chance, byHole_ ? path.bin : 0, path.hand.code, path.used,
                      path.chainState, exhausted, path.holeIsCopy, path.taken});
    if (found_.size() * 2 > table_.size()) {
        table_.assign(table_.size() * 2, -1);
        const std::size_t grown = table_.size() - 1;
        for (std::size_t i = 0; i < found_.size(); ++i) {
            std::size_t to = (found_[i].key * 0x9E3779B97F4A7C15ULL) >> 20 & grown;
            while (table_[to] >= 0)
                to = (to + 1) & grown;
            table_[to] = int(i);
        }
    }
}

} // namespace quorvel::odds
