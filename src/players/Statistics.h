// What the game counts about the user's play, per table mode and in total, and the bankroll of
// the last rounds of the current game for a plot; with its small versioned text format (UTF-8).
// The round is counted from a RoundRecord the table fills when a round is settled.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

inline constexpr int kStatisticsModes = 4;           // table modes 1..4
inline constexpr std::size_t kBankrollHistory = 200; // [rounds] kept for the plot
inline constexpr int kSpecialKinds = 8;              // THandKind 0..7
inline constexpr int kJackpotSlot = kSpecialKinds;   // bonuses by kind, then the jackpot
inline constexpr int kBonusSlots = kSpecialKinds + 1;
inline constexpr int kLookService = 0;
inline constexpr int kSwapService = 1;
inline constexpr int kServices = 2;

// One paid service: the rounds it was bought in, the fees paid and what those rounds returned.
struct ServiceTally {
    std::int64_t Rounds = 0;
    std::int64_t Spent = 0;    // [money]
    std::int64_t Returned = 0; // [money] the rounds' results, fees not counted
    friend bool operator==(const ServiceTally&, const ServiceTally&) = default;
};

struct ModeStatistics {
    std::int64_t Rounds = 0;
    std::int64_t Wins = 0; // hands won, pushed and lost, from the user's side of the table
    std::int64_t Pushes = 0;
    std::int64_t Losses = 0;
    std::optional<std::int32_t> BestBankroll;               // [money] after a round
    std::optional<std::int32_t> WorstBankroll;              // [money]
    std::array<std::int64_t, kSpecialKinds> SpecialHands{}; // seen, by THandKind
    std::array<std::int64_t, kBonusSlots> Bonuses{};        // paid to the user, by kind, jackpot
    std::array<std::int64_t, kBonusSlots> BonusMoney{};     // [money]
    std::array<ServiceTally, kServices> Services{};         // look, swap
    std::int64_t ChallengesEntered = 0;
    std::int64_t ChallengesWon = 0;
    std::map<std::string, std::int64_t> Beaten; // opponents beaten, by character name

    // Adds another mode's figures (best the higher, worst the lower).
    void Add(const ModeStatistics& other);
    friend bool operator==(const ModeStatistics&, const ModeStatistics&) = default;
};

// What one settled round adds, filled by the table.
struct RoundRecord {
    int Mode = 0; // [1-4]
    int Wins = 0; // the user's hands, or the seats' hands when the user banks, from the user's side
    int Pushes = 0;
    int Losses = 0;
    std::int32_t Bankroll = 0;     // [money] the user's money after the round
    std::int64_t Result = 0;       // [money] what the round gave or took, fees not counted
    std::vector<int> SpecialHands; // THandKind [0-7] of each special hand seen
    struct Bonus {
        int Slot = 0;            // THandKind [0-7], or kJackpotSlot
        std::int64_t Amount = 0; // [money]
    };
    std::vector<Bonus> Bonuses;                 // paid to the user
    std::array<std::int64_t, kServices> Fees{}; // [money] paid for the look and the swap
    bool ChallengeEntered = false;
    bool ChallengeWon = false;
    std::vector<std::string> Beaten; // names of the opponents beaten in this round
};

struct Statistics {
    std::array<ModeStatistics, kStatisticsModes> Modes; // modes 1..4 at 0..3
    std::deque<std::int32_t> History; // [money] bankroll after each of the game's last rounds

    ModeStatistics Total() const;
    // Counts a round; false (nothing counted) for a mode outside 1..4 or a bonus slot outside
    // 0..8. Names are kept without control characters; empty ones are dropped.
    bool Record(const RoundRecord& round);
    // A new game: the plot starts empty.
    void StartGame() { History.clear(); }
    friend bool operator==(const Statistics&, const Statistics&) = default;
};

inline constexpr int kStatisticsVersion = 1;

// The text form: a first line with the format name and version, a block per mode, the history
// and a last line "end" with the CRC-32 of everything before it.
std::string EncodeStatistics(const Statistics& statistics);
// Nothing, with `error` saying why, for a text that is not a whole, well-formed version-1 file.
std::optional<Statistics> DecodeStatistics(std::string_view text, std::string& error);

} // namespace quorvel
