// A round's log as lines of a scenario script that the scenario runner plays back, and the
// words of those lines read back for it. A round's block is its start (`round`, a `seat` line
// per seat, `deck`, `random`, then `begin`, which opens the table as it stood), the user's
// actions (`act`), the computer seats' and the rules' moves as comments, and an `expect` line
// for the money each seat had after the round and the user's result. Writing and reading live
// together so that they cannot drift apart.
#pragma once

#include "round/RoundLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The lines of one round's block, opened by a comment with `heading`.
std::string RoundScript(const RoundLog& log, std::string_view heading);
// What the round left, as the runner prints it when a replayed round is settled:
// "settled round N: banker 495000, seat1 505000; result +5000, won 1 pushed 0 lost 0".
std::string SettledLine(const RoundLog& log);

// ---- reading a block's words back (each from the command's first argument) ----
// What a `round`, `seat`, `deck` and `random` line add to the round being read; false and a
// reason for words that do not make one.
struct ReadRound {
    int Mode = 0;
    TableRecord Start;
    RandomPosition Random;
};
bool ReadRoundWords(const std::vector<std::string>& words, ReadRound& into, std::string& error);
bool ReadSeatWords(const std::vector<std::string>& words, ReadRound& into, std::string& error);
bool ReadDeckWords(const std::vector<std::string>& words, ReadRound& into, std::string& error);
bool ReadRandomWords(const std::vector<std::string>& words, ReadRound& into, std::string& error);
// The user's action of an `act` line ("chip 10000", "hit", "confirm-swap K", "toggle 2").
std::optional<Action> ActionFromWords(const std::vector<std::string>& words);
// The words of an action, as an `act` line or a comment writes them.
std::string ActionWords(const Action& action);

} // namespace quorvel
