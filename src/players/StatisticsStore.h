// The statistics file: read when the game starts and, after every round, read again, added to
// and rewritten whole, atomically, while this copy holds the file's lock. Two copies of the
// game that share the file thus each add their rounds, and a kill at any moment loses at most
// the round being played. A damaged or unreadable file is never reset silently: it is set
// aside and the caller gets a notice.
#pragma once

#include "system/AtomicFile.h"
#include "players/Statistics.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

class StatisticsStore {
public:
    // Reads `file`, making its folder first. None there yet: empty statistics. Damaged or
    // unreadable: it is renamed to "<name>.damaged-N" (see SetAsideDamaged), the statistics
    // start empty and LoadNotice says so. When it cannot even be renamed, or the folder cannot
    // be made, nothing is ever written, and LoadNotice says which. Temporary files that a
    // killed write left more than a day ago are removed. `hook` sees every file step (tests).
    explicit StatisticsStore(std::filesystem::path file, FileFaultHook hook = {});

    // A Traditional Chinese text for the user, empty when the file was read or absent.
    const std::string& LoadNotice() const { return loadNotice_; }
    // What was wrong with a damaged file or its folder (for the log), and where it was put.
    const std::string& Damage() const { return damage_; }
    const std::optional<std::filesystem::path>& SetAsidePath() const { return setAside_; }
    // The step and errno of the last write that failed, nothing after a good one.
    const std::optional<FileFailure>& LastFailure() const { return lastFailure_; }
    // The file as last read or written, with this copy's rounds not yet written added.
    const Statistics& Current() const { return statistics_; }
    const std::filesystem::path& File() const { return file_; }

    // Counts a settled round and writes it into the file. Returns "" or a notice for the user;
    // a round that could not be written stays counted and goes to the file with the next write.
    std::string Record(const RoundRecord& round);
    // A new game: the bankroll plot starts empty (written with the next round).
    void StartGame() { statistics_.StartGame(); }
    // Everything back to zero, written at once (the reset button, after it has asked).
    std::string Reset();

private:
    // Reads the file under the lock: its statistics, or nothing (set aside when damaged).
    std::optional<Statistics> ReadFile(std::string& notice);
    std::string SetAside(const std::string& why);
    std::string Write();

    std::filesystem::path file_;
    FileFaultHook hook_;
    Statistics statistics_;
    // This copy's rounds that are not in the file yet (modes only; the plot is this copy's own).
    Statistics unwritten_;
    // The reset is not in the file yet: the next write starts from nothing.
    bool resetUnwritten_ = false;
    std::string loadNotice_;
    std::string damage_;
    std::optional<FileFailure> lastFailure_;
    std::optional<std::filesystem::path> setAside_;
    bool writable_ = true;
};

} // namespace quorvel
