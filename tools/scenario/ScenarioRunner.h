// Runs one scenario script against the real screens, headless: virtual clock, silent sound,
// pictures made up in memory, a seeded random source whose rule draws can be queued, and a
// working folder of its own. It is the event pump of the run: whenever the game waits for
// the user without a deadline, the next command of the script runs. It also plays recorded
// rounds again: a round's start opens its table as it stood, the user's actions follow, and
// each round settled is printed for the script to expect.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel::scenario {

// Exit codes of a run.
inline constexpr int kPassed = 0;
inline constexpr int kExpectFailed = 1;
inline constexpr int kScriptError = 2;

class ScenarioRunner {
public:
    // Transcript lines go to `out`, reports of script errors to `err`.
    ScenarioRunner(std::ostream& out, std::ostream& err);
    ~ScenarioRunner();

    // Runs the script's lines from a fresh program state in `workFolder` (which must exist).
    // `source` names the script in messages.
    int Run(const std::vector<std::string>& lines, const std::filesystem::path& workFolder,
            const std::string& source);

private:
    class Session;
    std::ostream& out_;
    std::ostream& err_;
};

// Reads FILE and runs it in a fresh temporary folder that is removed afterwards.
int RunScenarioFile(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

} // namespace quorvel::scenario
