// The statistics file: read once when the game starts and rewritten whole, atomically, after
// every round, so that a kill at any moment loses at most the round being played. A damaged
// or unreadable file is never reset silently: it is renamed aside and the caller gets a notice.
#pragma once

#include "system/AtomicFile.h"
#include "players/Statistics.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

class StatisticsStore {
public:
    // Reads `file`. None there yet: empty statistics. Damaged or unreadable: it is renamed to
    // "<name>.damaged-N" (the first free N from 1), the statistics start empty and LoadNotice
    // says so. When it cannot even be renamed, nothing is ever written over it. Temporary files
    // left by a write that was killed are removed. `hook` sees every file step (tests).
    explicit StatisticsStore(std::filesystem::path file, FileFaultHook hook = {});

    // A Traditional Chinese text for the user, empty when the file was read or absent.
    const std::string& LoadNotice() const { return loadNotice_; }
    // What was wrong with a damaged file (for the log), and where it was put.
    const std::string& Damage() const { return damage_; }
    const std::optional<std::filesystem::path>& SetAsidePath() const { return setAside_; }
    // The step and errno of the last write that failed, nothing after a good one.
    const std::optional<FileFailure>& LastFailure() const { return lastFailure_; }
    const Statistics& Current() const { return statistics_; }
    const std::filesystem::path& File() const { return file_; }

    // Counts a settled round and writes the file. Returns "" or a notice for the user; a round
    // that could not be written stays counted and goes to the file with the next write.
    std::string Record(const RoundRecord& round);
    // A new game: the bankroll plot starts empty (written with the next round).
    void StartGame() { statistics_.StartGame(); }
    // Everything back to zero, written at once (the reset button, after it has asked).
    std::string Reset();

private:
    std::string Write();

    std::filesystem::path file_;
    FileFaultHook hook_;
    Statistics statistics_;
    std::string loadNotice_;
    std::string damage_;
    std::optional<FileFailure> lastFailure_;
    std::optional<std::filesystem::path> setAside_;
    bool writable_ = true;
};

} // namespace quorvel
