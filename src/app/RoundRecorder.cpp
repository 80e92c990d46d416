// Keeping a game's rounds as scripts.
#include "app/RoundRecorder.h"

#include "round/RoundScript.h"
#include "system/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace quorvel {

namespace {

constexpr const char* kFileHeading =
    "# Quorvel: the rounds of one game, each as it can be played again. Play them with\n"
    "#   quorvel-scenario FILE\n"
    "# Each round starts the table as it stood (its seats, its shoe and its draws), takes the\n"
    "# player's actions, and expects the money each seat had after it.\n";

const char* const kTableNames[4] = {"the one-on-one table", "the one-on-one table as banker",
                                    "the three-seat table", "the three-seat table as banker"};

} // namespace

std::string TableWord(int mode) {
    static const char* const kWords[4] = {"one-seat", "one-seat-banker", "three-seat",
                                          "three-seat-banker"};
    return mode >= 1 && mode <= 4 ? kWords[mode - 1] : "table";
}

RoundRecorder::RoundRecorder(std::filesystem::path folder, GameName name, std::size_t keep)
    : folder_(std::move(folder)), name_(std::move(name)), keep_(keep) {}

void RoundRecorder::StartGame() {
    file_.clear();
    blocks_.clear();
    roundsPlayed_ = 0;
    failed_ = false;
}

std::filesystem::path RoundRecorder::NewFile(int mode) const {
    std::string stem;
    if (name_) {
        stem = name_(mode);
    } else {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        stem = std::string(stamp) + "-" + TableWord(mode) + ".scn";
    }
    // Two games in one second get files of their own.
    std::filesystem::path file = folder_ / stem;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(file, ec); ++n)
        file = folder_ / (std::filesystem::path(stem).stem().string() + "-" + std::to_string(n) +
                          std::filesystem::path(stem).extension().string());
    return file;
}

std::string RoundRecorder::Record(const RoundLog& log) {
    if (file_.empty())
        file_ = NewFile(log.Mode);
    ++roundsPlayed_;
    const char* table = log.Mode >= 1 && log.Mode <= 4 ? kTableNames[log.Mode - 1] : "a table";
    std::string heading = "---- round " + std::to_string(roundsPlayed_) + " of this game, at " +
                          table + (log.Start.Challenge ? " (a challenge)" : "") + " ----";
    blocks_.push_back(RoundScript(log, heading));
    if (blocks_.size() > keep_)
        blocks_.pop_front();
    std::string bytes = kFileHeading;
    for (const std::string& block : blocks_)
        bytes += "\n" + block;
    const auto failure = ReplaceFile(file_, bytes);
    if (!failure || failed_)
        return {};
    failed_ = true;
    return "無法記錄這一局 (cannot keep the round in " + file_.string() + ": " +
           FileStepName(failure->Step) + ": " + std::strerror(failure->Error) + ")";
}

} // namespace quorvel
