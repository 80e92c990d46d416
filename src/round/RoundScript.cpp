// Writing a round's log as scenario lines, and reading their words back.
#include "round/RoundScript.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace quorvel {

namespace {

// ---- words ----

constexpr std::string_view kHexPrefix = "hex:";
constexpr char kRanks[] = "A23456789TJQK";
constexpr char kSuits[] = "CDHS";

// A text as one word: quoted, or in hex when quoting cannot hold it.
std::string TextWord(std::string_view text) {
    bool plain = text.substr(0, kHexPrefix.size()) != kHexPrefix;
    for (char c : text)
        plain = plain && c != '"' && static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
    if (plain) {
        // Appended, not "\"" + text: GCC 12 at -O3 warns falsely of overlap in the operator+.
        std::string word = "\"";
        word.append(text);
        word += '"';
        return word;
    }
    static const char* const kDigits = "0123456789abcdef";
    std::string word(kHexPrefix);
    for (unsigned char c : text) {
        word += kDigits[c >> 4];
        word += kDigits[c & 15];
    }
    return word;
}

std::optional<std::string> WordText(std::string_view word) {
    if (word.substr(0, kHexPrefix.size()) != kHexPrefix)
        return std::string(word);
    word.remove_prefix(kHexPrefix.size());
    if (word.size() % 2 != 0)
        return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < word.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(word.data() + i, word.data() + i + 2, value, 16);
        if (error != std::errc{} || end != word.data() + i + 2)
            return std::nullopt;
        text += static_cast<char>(value);
    }
    return text;
}

template <class Number> std::optional<Number> NumberOf(std::string_view word) {
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The value of "key=value" among the words, if there.
std::optional<std::string_view> Value(const std::vector<std::string>& words, std::string_view key) {
    for (const std::string& w : words)
        if (w.size() > key.size() && w.compare(0, key.size(), key) == 0 && w[key.size()] == '=')
            return std::string_view(w).substr(key.size() + 1);
    return std::nullopt;
}

template <class Number>
bool NumberValue(const std::vector<std::string>& words, std::string_view key, Number& into,
                 std::string& error) {
    const auto value = Value(words, key);
    const auto number = value ? NumberOf<Number>(*value) : std::nullopt;
    if (!number) {
        error = "missing or bad " + std::string(key) + "=";
        return false;
    }
    into = *number;
    return true;
}

std::string Signed(std::int64_t amount) {
    std::string text = amount >= 0 ? "+" : "";
    text += std::to_string(amount);
    return text;
}

// ---- actions ----

struct ActionName {
    ActionKind Kind;
    const char* Word;
};
constexpr ActionName kActionNames[] = {
    {ActionKind::Chip, "chip"},
    {ActionKind::TakeBack, "take-back"},
    {ActionKind::TakeRaise, "take-raise"},
    {ActionKind::FinishBets, "finish-bets"},
    {ActionKind::Deal, "deal"},
    {ActionKind::Split, "split"},
    {ActionKind::NoSplit, "no-split"},
    {ActionKind::Hit, "hit"},
    {ActionKind::Stand, "stand"},
    {ActionKind::Double, "double"},
    {ActionKind::Open, "open"},
    {ActionKind::Pass, "pass"},
    {ActionKind::Look, "look"},
    {ActionKind::Swap, "swap"},
    {ActionKind::CloseServices, "close-services"},
    {ActionKind::ConfirmSwap, "confirm-swap"},
    {ActionKind::ToggleSwapTarget, "toggle"},
    {ActionKind::Peek, "peek"},
    {ActionKind::NextRound, "next-round"},
    {ActionKind::Leave, "leave"},
    {ActionKind::Save, "save"},
    {ActionKind::Bet, "bet"},
};

const char* WordOf(ActionKind kind) {
    for (const ActionName& name : kActionNames)
        if (name.Kind == kind)
            return name.Word;
    return "?";
}

} // namespace

std::string ActionWords(const Action& action) {
    std::string words = WordOf(action.Kind);
    switch (action.Kind) {
    case ActionKind::Chip:
    case ActionKind::Bet:
        return words + " " + std::to_string(action.Amount);
    case ActionKind::ConfirmSwap:
        return words + " " + TextWord(action.Text);
    case ActionKind::ToggleSwapTarget:
    case ActionKind::Peek:
        return words + " " + std::to_string(action.Hand);
    case ActionKind::NextRound:
        return action.FromDialog ? words + " dialog" : words;
    case ActionKind::Hit:
    case ActionKind::Stand:
    case ActionKind::Double:
        return action.Hand != 0 ? words + " " + std::to_string(action.Hand) : words;
    default:
        return words;
    }
}

std::optional<Action> ActionFromWords(const std::vector<std::string>& words) {
    if (words.empty())
        return std::nullopt;
    for (const ActionName& name : kActionNames) {
        if (words[0] != name.Word)
            continue;
        Action action = Action::Of(name.Kind);
        const bool one = words.size() == 2;
        switch (name.Kind) {
        case ActionKind::Chip:
        case ActionKind::Bet: {
            const auto amount = one ? NumberOf<std::int32_t>(words[1]) : std::nullopt;
            if (!amount)
                return std::nullopt;
            action.Amount = *amount;
            return action;
        }
        case ActionKind::ConfirmSwap: {
            const auto text = one ? WordText(words[1]) : std::nullopt;
            if (!text)
                return std::nullopt;
            action.Text = *text;
            return action;
        }
        case ActionKind::ToggleSwapTarget:
        case ActionKind::Peek: {
            const auto hand = one ? NumberOf<int>(words[1]) : std::nullopt;
            if (!hand)
                return std::nullopt;
            action.Hand = *hand;
            return action;
        }
        case ActionKind::NextRound:
            if (words.size() > 2 || (one && words[1] != "dialog"))
                return std::nullopt;
            action.FromDialog = one;
            return action;
        default:
            return words.size() == 1 ? std::optional<Action>(action) : std::nullopt;
        }
    }
    return std::nullopt;
}

// ---- writing ----

std::string SettledLine(const RoundLog& log) {
    std::string line = "settled round " + std::to_string(log.RoundNumber) + ":";
    for (int seat = 0; seat <= log.Seats; ++seat)
        line += std::string(seat == 0 ? " banker " : ", seat" + std::to_string(seat) + " ") +
                std::to_string(log.MoneyAfter[static_cast<std::size_t>(seat)]);
    const RoundRecord& user = log.User;
    line += "; result " + Signed(user.Result) + ", won " + std::to_string(user.Wins) + " pushed " +
            std::to_string(user.Pushes) + " lost " + std::to_string(user.Losses);
    return line;
}

std::string RoundScript(const RoundLog& log, std::string_view heading) {
    const TableRecord& start = log.Start;
    std::string out = "# " + std::string(heading) + "\n";
    out += "round mode=" + std::to_string(log.Mode) + " number=" +
           (start.RoundNumber ? std::to_string(*start.RoundNumber) : std::string("first")) +
           " challenge=" + std::to_string(start.Challenge ? start.ChallengeMode : -1) +
           " services=" + (start.ServicesOff ? "off" : "on") + "\n";
    for (int seat = 0; seat <= log.Seats; ++seat) {
        const SeatRecord& s = start.Seats[static_cast<std::size_t>(seat)];
        out += "seat " + std::to_string(seat) + " " + TextWord(s.Name) +
               " money=" + std::to_string(s.Money) + " bet=" + std::to_string(s.Bet) +
               " streak=" + std::to_string(s.Streak) +
               " raise=" + std::to_string(s.Raise.Offered ? s.Raise.Amount : 0) +
               " claim=" + std::to_string(s.Debt.Open ? s.Debt.Amount : 0) + "\n";
    }
    // A shoe never dealt from is made anew by the round's deal.
    if (start.Shoe && (start.Shoe->Position > 0 || start.Shoe->Unseen.Count(1, cvAce) > 0)) {
        const TableShoe& shoe = *start.Shoe;
        std::string unseen;
        for (int row = 1; row <= 4; ++row)
            for (int rank = 0; rank < 13; ++rank)
                unseen += static_cast<char>('0' + shoe.Unseen.Count(row, TCardValue(rank)));
        std::string cards;
        for (const TShoeCard& card : shoe.Dealing.Entries()) {
            cards += kRanks[card.Rank % 13];
            cards += kSuits[card.Suit & 3];
        }
        out += "deck position=" + std::to_string(shoe.Position) + " unseen=" + unseen +
               " cards=" + cards + "\n";
    }
    if (log.Random.Known)
        out += "random seed=" + std::to_string(log.Random.Seed) +
               " rules=" + std::to_string(log.Random.Used[0]) +
               " shuffle=" + std::to_string(log.Random.Used[1]) +
               " cosmetic=" + std::to_string(log.Random.Used[2]) + "\n";
    out += "begin\n";
    for (const LoggedAction& logged : log.Actions) {
        const Action& a = logged.Taken;
        if (logged.Input) {
            Action input = a;
            input.Seat = kUserSeat;
            out += "act " + ActionWords(input) + "\n";
        } else {
            out += "# seat " + std::to_string(a.Seat) + " " +
                   TextWord(start.Seats[static_cast<std::size_t>(a.Seat)].Name) + ": " +
                   ActionWords(a) + "\n";
        }
    }
    out += "expect " + SettledLine(log) + "\n";
    return out;
}

// ---- reading ----

bool ReadRoundWords(const std::vector<std::string>& words, ReadRound& into, std::string& error) {
    into = ReadRound{};
    if (!NumberValue(words, "mode", into.Mode, error))
        return false;
    if (into.Mode < 1 || into.Mode > 4) {
        error = "mode must be 1 to 4";
        return false;
    }
    const auto number = Value(words, "number");
    if (!number) {
        error = "missing number=";
        return false;
    }
    if (*number != "first") {
        const auto round = NumberOf<std::int32_t>(*number);
        if (!round) {
            error = "bad number=";
            return false;
        }
        into.Start.RoundNumber = *round;
    }
    int challenge = -1;
    if (!NumberValue(words, "challenge", challenge, error))
        return false;
    into.Start.Challenge = challenge >= 0;
    into.Start.ChallengeMode = challenge >= 0 ? challenge : 0;
    const auto services = Value(words, "services");
    if (!services || (*services != "on" && *services != "off")) {
        error = "services= must be on or off";
        return false;
    }
    into.Start.ServicesOff = *services == "off";
    into.Start.Open = true;
    return true;
}

bool ReadSeatWords(const std::vector<std::string>& words, ReadRound& into, std::string& error) {
    const auto seat = words.size() >= 2 ? NumberOf<int>(words[0]) : std::nullopt;
    const auto name = words.size() >= 2 ? WordText(words[1]) : std::nullopt;
    if (!seat || *seat < 0 || *seat > 3 || !name) {
        error = "seat needs its number [0-3] and its name";
        return false;
    }
    SeatRecord& s = into.Start.Seats[static_cast<std::size_t>(*seat)];
    s.Name = *name;
    std::int32_t raise = 0;
    std::int32_t claim = 0;
    if (!NumberValue(words, "money", s.Money, error) || !NumberValue(words, "bet", s.Bet, error) ||
        !NumberValue(words, "streak", s.Streak, error) ||
        !NumberValue(words, "raise", raise, error) || !NumberValue(words, "claim", claim, error))
        return false;
    s.Raise = {raise != 0, raise};
    s.Debt = claim != 0 ? Claim{s.Name, claim, true} : Claim{};
    return true;
}

bool ReadDeckWords(const std::vector<std::string>& words, ReadRound& into, std::string& error) {
    TableShoe shoe;
    if (!NumberValue(words, "position", shoe.Position, error))
        return false;
    const auto unseen = Value(words, "unseen");
    const auto cards = Value(words, "cards");
    if (shoe.Position < 0 || shoe.Position > kShoeSize || !unseen || unseen->size() != 52 ||
        !cards || cards->size() != 2 * kShoeSize) {
        error = "deck needs position= [0-208], unseen= (52 counts) and cards= (208 cards)";
        return false;
    }
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank) {
            const char c = (*unseen)[static_cast<std::size_t>((row - 1) * 13 + rank)];
            if (c < '0' || c > '4') {
                error = "an unseen count is not 0 to 4";
                return false;
            }
            shoe.Unseen.Count(row, TCardValue(rank)) = c - '0';
        }
    const std::string_view ranks = kRanks;
    const std::string_view suits = kSuits;
    for (int i = 0; i < kShoeSize; ++i) {
        const std::size_t rank = ranks.find((*cards)[static_cast<std::size_t>(2 * i)]);
        const std::size_t suit = suits.find((*cards)[static_cast<std::size_t>(2 * i + 1)]);
        if (rank == std::string_view::npos || suit == std::string_view::npos) {
            error = "not a card at deck entry " + std::to_string(i + 1);
            return false;
        }
        shoe.Dealing.At(i + 1) = TShoeCard{TCardValue(rank), TCardSuit(suit)};
    }
    shoe.Work = shoe.Dealing;
    into.Start.Shoe = shoe;
    return true;
}

bool ReadRandomWords(const std::vector<std::string>& words, ReadRound& into, std::string& error) {
    RandomPosition& at = into.Random;
    at.Known = NumberValue(words, "seed", at.Seed, error) &&
               NumberValue(words, "rules", at.Used[0], error) &&
               NumberValue(words, "shuffle", at.Used[1], error) &&
               NumberValue(words, "cosmetic", at.Used[2], error);
    return at.Known;
}

} // namespace quorvel
