// The rounds of each game kept as scenario scripts that play them again, so that a player can
// attach a round to a bug report: one file per game in a folder, named when the game's first
// round is settled, each settled round's block added at its end, and only the game's last 200
// rounds kept. The file is written whole through a temporary file each time.
#pragma once

#include "round/RoundLog.h"

#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

namespace quorvel {

class RoundRecorder {
public:
    static constexpr std::size_t kRoundsKept = 200;
    // The file name of a new game [without the folder] from its table's mode [1-4].
    using GameName = std::function<std::string(int mode)>;

    // Without a name the files are named by the local time the game's first round ended.
    // A game's file keeps its last `keep` rounds.
    RoundRecorder(std::filesystem::path folder, GameName name = {}, std::size_t keep = kRoundsKept);

    // A new game: its first settled round starts a new file.
    void StartGame();
    // Adds the round to the game's file; "" or why it could not be written, said once a game
    // so that a folder that cannot be written does not bring a notice every round.
    std::string Record(const RoundLog& log);
    // The game's file; empty before its first round.
    const std::filesystem::path& File() const { return file_; }
    std::size_t RoundsKept() const { return blocks_.size(); }

private:
    std::filesystem::path NewFile(int mode) const;

    std::filesystem::path folder_;
    GameName name_;
    std::filesystem::path file_;
    std::size_t keep_;
    std::deque<std::string> blocks_;
    int roundsPlayed_ = 0; // in this game
    bool failed_ = false;  // a write of this game's file failed and was said
};

// The table's word in a file name: "one-seat", "one-seat-banker", "three-seat",
// "three-seat-banker".
std::string TableWord(int mode);

} // namespace quorvel
