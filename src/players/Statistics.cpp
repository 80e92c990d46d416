// Counting the rounds into the statistics, and their text form with its strict reader.
#include "players/Statistics.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace quorvel {

namespace {

constexpr const char* kMagic = "quorvel-statistics";
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Sums saturate instead of overflowing: a hand-edited file may hold huge numbers.
std::int64_t Plus(std::int64_t a, std::int64_t b) {
    std::int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? kMax : kMin;
    return sum;
}

bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                   : lead >= 0xE0                 ? 3
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                                                  : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// A name as it can be written on one line: control characters dropped; empty when unusable.
std::string CleanName(std::string_view name) {
    std::string clean;
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            clean += c;
    return ValidUtf8(clean) ? clean : std::string();
}

std::uint32_t Crc32(std::string_view text) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : text) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

template <class Array> std::string Join(const Array& values) {
    std::string text;
    for (auto value : values)
        text += ' ' + std::to_string(value);
    return text;
}

// Reads the lines of a file in order; every read failure leaves a reason in `error`.
class Reader {
public:
    Reader(std::string_view text, std::string& error) : text_(text), error_(error) {}

    // The next line split into words, when its first word is `key` and it has `count` more
    // words (any number when count is -1).
    std::optional<std::vector<std::string_view>> Line(std::string_view key, int count) {
        if (pos_ >= text_.size())
            return Fail("missing line " + std::string(key));
        const std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            return Fail("unterminated line");
        std::string_view line = text_.substr(pos_, end - pos_);
        std::vector<std::string_view> words;
        for (std::size_t start = 0; start <= line.size();) {
            std::size_t space = line.find(' ', start);
            if (space == std::string_view::npos)
                space = line.size();
            words.push_back(line.substr(start, space - start));
            start = space + 1;
        }
        if (words[0] != key || (count >= 0 && int(words.size()) != count + 1))
            return Fail("expected " + std::string(key) + ", found \"" + std::string(line) + "\"");
        pos_ = end + 1;
        words.erase(words.begin());
        return words;
    }
    bool Next(std::string_view key) const {
        return text_.substr(pos_).starts_with(std::string(key) + ' ');
    }
    std::size_t Position() const { return pos_; }
    std::string_view Rest() const { return text_.substr(pos_); }

    template <class T> bool Number(std::string_view word, T& value, T low) {
        const auto [end, code] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (code != std::errc() || end != word.data() + word.size() || word.empty() ||
            value < low) {
            Fail("bad number \"" + std::string(word) + "\"");
            return false;
        }
        return true;
    }
    template <class Array> bool Numbers(std::string_view key, Array& values) {
        const auto words = Line(key, int(values.size()));
        if (!words)
            return false;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (!Number((*words)[i], values[i], std::int64_t{0}))
                return false;
        return true;
    }

    std::nullopt_t Fail(const std::string& why) {
        if (error_.empty())
            error_ = why;
        return std::nullopt;
    }

private:
    std::string_view text_;
    std::string& error_;
    std::size_t pos_ = 0;
};

bool ReadMode(Reader& in, ModeStatistics& m) {
    std::array<std::int64_t, 1> rounds{};
    std::array<std::int64_t, 3> hands{};
    if (!in.Numbers("rounds", rounds) || !in.Numbers("hands", hands))
        return false;
    m.Rounds = rounds[0];
    m.Wins = hands[0];
    m.Pushes = hands[1];
    m.Losses = hands[2];
    if (in.Next("bankroll")) {
        const auto words = in.Line("bankroll", 2);
        std::int32_t best = 0, worst = 0;
        constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
        if (!words || !in.Number((*words)[0], best, kLowest) ||
            !in.Number((*words)[1], worst, kLowest))
            return false;
        if (worst > best)
            return in.Fail("worst bankroll above the best"), false;
        m.BestBankroll = best;
        m.WorstBankroll = worst;
    }
    if (!in.Numbers("special", m.SpecialHands) || !in.Numbers("bonuses", m.Bonuses) ||
        !in.Numbers("bonus-money", m.BonusMoney))
        return false;
    for (int s = 0; s < kServices; ++s) {
        std::array<std::int64_t, 3> tally{};
        const auto words = in.Line(s == kLookService ? "look" : "swap", 3);
        if (!words || !in.Number((*words)[0], tally[0], std::int64_t{0}) ||
            !in.Number((*words)[1], tally[1], std::int64_t{0}) ||
            !in.Number((*words)[2], tally[2], kMin))
            return false;
        m.Services[s] = {tally[0], tally[1], tally[2]};
    }
    std::array<std::int64_t, 2> challenges{};
    if (!in.Numbers("challenges", challenges))
        return false;
    m.ChallengesEntered = challenges[0];
    m.ChallengesWon = challenges[1];
    while (in.Next("beaten")) {
        const auto words = in.Line("beaten", -1);
        std::int64_t count = 0;
        if (!words || words->size() < 2 || !in.Number((*words)[0], count, std::int64_t{1}))
            return in.Fail("bad beaten line"), false;
        // The name is everything after the count; it may hold spaces.
        std::string name;
        for (std::size_t i = 1; i < words->size(); ++i) {
            if (i > 1)
                name += ' ';
            name += (*words)[i];
        }
        if (name.empty() || CleanName(name) != name || m.Beaten.count(name))
            return in.Fail("bad beaten name"), false;
        m.Beaten[name] = count;
    }
    return true;
}

} // namespace

void ModeStatistics::Add(const ModeStatistics& o) {
    Rounds = Plus(Rounds, o.Rounds);
    Wins = Plus(Wins, o.Wins);
    Pushes = Plus(Pushes, o.Pushes);
    Losses = Plus(Losses, o.Losses);
    if (o.BestBankroll)
        BestBankroll = BestBankroll ? std::max(*BestBankroll, *o.BestBankroll) : *o.BestBankroll;
    if (o.WorstBankroll)
        WorstBankroll =
            WorstBankroll ? std::min(*WorstBankroll, *o.WorstBankroll) : *o.WorstBankroll;
    for (int k = 0; k < kSpecialKinds; ++k)
        SpecialHands[k] = Plus(SpecialHands[k], o.SpecialHands[k]);
    for (int k = 0; k < kBonusSlots; ++k) {
        Bonuses[k] = Plus(Bonuses[k], o.Bonuses[k]);
        BonusMoney[k] = Plus(BonusMoney[k], o.BonusMoney[k]);
    }
    for (int s = 0; s < kServices; ++s) {
        Services[s].Rounds = Plus(Services[s].Rounds, o.Services[s].Rounds);
        Services[s].Spent = Plus(Services[s].Spent, o.Services[s].Spent);
        Services[s].Returned = Plus(Services[s].Returned, o.Services[s].Returned);
    }
    ChallengesEntered = Plus(ChallengesEntered, o.ChallengesEntered);
    ChallengesWon = Plus(ChallengesWon, o.ChallengesWon);
    for (const auto& [name, count] : o.Beaten)
        Beaten[name] = Plus(Beaten[name], count);
}

ModeStatistics Statistics::Total() const {
    ModeStatistics total;
    for (const ModeStatistics& mode : Modes)
        total.Add(mode);
    return total;
}

bool Statistics::Record(const RoundRecord& r) {
    if (r.Mode < 1 || r.Mode > kStatisticsModes || r.Wins < 0 || r.Pushes < 0 || r.Losses < 0)
        return false;
    for (int kind : r.SpecialHands)
        if (kind < 0 || kind >= kSpecialKinds)
            return false;
    for (const RoundRecord::Bonus& bonus : r.Bonuses)
        if (bonus.Slot < 0 || bonus.Slot >= kBonusSlots || bonus.Amount < 0)
            return false;
    for (std::int64_t fee : r.Fees)
        if (fee < 0)
            return false;
    ModeStatistics one;
    one.Rounds = 1;
    one.Wins = r.Wins;
    one.Pushes = r.Pushes;
    one.Losses = r.Losses;
    one.BestBankroll = one.WorstBankroll = r.Bankroll;
    for (int kind : r.SpecialHands)
        ++one.SpecialHands[kind];
    for (const RoundRecord::Bonus& bonus : r.Bonuses) {
        ++one.Bonuses[bonus.Slot];
        one.BonusMoney[bonus.Slot] = Plus(one.BonusMoney[bonus.Slot], bonus.Amount);
    }
    for (int s = 0; s < kServices; ++s)
        if (r.Fees[s] > 0)
            one.Services[s] = {1, r.Fees[s], r.Result};
    one.ChallengesEntered = r.ChallengeEntered;
    one.ChallengesWon = r.ChallengeWon;
    for (const std::string& name : r.Beaten)
        if (const std::string clean = CleanName(name); !clean.empty())
            ++one.Beaten[clean];
    Modes[r.Mode - 1].Add(one);
    History.push_back(r.Bankroll);
    while (History.size() > kBankrollHistory)
        History.pop_front();
    return true;
}

std::string EncodeStatistics(const Statistics& statistics) {
    std::string text = std::string(kMagic) + ' ' + std::to_string(kStatisticsVersion) + '\n';
    for (int mode = 1; mode <= kStatisticsModes; ++mode) {
        const ModeStatistics& m = statistics.Modes[mode - 1];
        text += "mode " + std::to_string(mode) + '\n';
        text += "rounds " + std::to_string(m.Rounds) + '\n';
        text += "hands" + Join(std::array{m.Wins, m.Pushes, m.Losses}) + '\n';
        if (m.BestBankroll && m.WorstBankroll)
            text += "bankroll" + Join(std::array{*m.BestBankroll, *m.WorstBankroll}) + '\n';
        text += "special" + Join(m.SpecialHands) + '\n';
        text += "bonuses" + Join(m.Bonuses) + '\n';
        text += "bonus-money" + Join(m.BonusMoney) + '\n';
        for (int s = 0; s < kServices; ++s) {
            const ServiceTally& t = m.Services[s];
            text += (s == kLookService ? "look" : "swap") +
                    Join(std::array{t.Rounds, t.Spent, t.Returned}) + '\n';
        }
        text += "challenges" + Join(std::array{m.ChallengesEntered, m.ChallengesWon}) + '\n';
        for (const auto& [name, count] : m.Beaten)
            text += "beaten " + std::to_string(count) + ' ' + name + '\n';
    }
    text += "history" + Join(statistics.History) + '\n';
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", Crc32(text));
    return text + "end " + crc + '\n';
}

std::optional<Statistics> DecodeStatistics(std::string_view text, std::string& error) {
    error.clear();
    Reader in(text, error);
    const auto header = in.Line(kMagic, 1);
    // Whatever a foreign file holds is not repeated in the reason: it may be anything.
    if (!header) {
        error = "not a statistics file";
        return std::nullopt;
    }
    if ((*header)[0] != std::to_string(kStatisticsVersion))
        return in.Fail("unknown version " + std::string((*header)[0]));
    Statistics statistics;
    for (int mode = 1; mode <= kStatisticsModes; ++mode) {
        const auto number = in.Line("mode", 1);
        if (!number || (*number)[0] != std::to_string(mode))
            return in.Fail("missing mode " + std::to_string(mode));
        if (!ReadMode(in, statistics.Modes[mode - 1]))
            return std::nullopt;
    }
    const auto history = in.Line("history", -1);
    if (!history)
        return std::nullopt;
    if (history->size() > kBankrollHistory)
        return in.Fail("history too long");
    for (std::string_view word : *history) {
        std::int32_t value = 0;
        if (!in.Number(word, value, std::numeric_limits<std::int32_t>::min()))
            return std::nullopt;
        statistics.History.push_back(value);
    }
    const std::size_t checked = in.Position();
    const auto end = in.Line("end", 1);
    if (!end)
        return std::nullopt;
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", Crc32(text.substr(0, checked)));
    if ((*end)[0] != crc)
        return in.Fail("checksum does not match");
    if (!in.Rest().empty())
        return in.Fail("text after the end line");
    return statistics;
}

} // namespace quorvel
