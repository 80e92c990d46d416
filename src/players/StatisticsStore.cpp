// Loading the statistics file (setting a damaged one aside) and adding each round to it under
// its lock.
#include "players/StatisticsStore.h"

#include "system/DamagedFiles.h"
#include "system/FileLock.h"
#include "system/LeftoverFiles.h"
#include "system/OwnFileReader.h"
#include "system/UserFiles.h"

#include <cerrno>

namespace quorvel {

namespace {

// Files larger than this are not ours: the text of four modes is a few kilobytes.
constexpr std::size_t kMaxFileBytes = 1 << 20; // [bytes]
// How long a write waits for another copy's write to end [ms]; a write takes milliseconds.
constexpr int kLockWaitMs = 2000;
// A temporary file this old was left by a write that was killed, not by one in progress [s].
constexpr std::chrono::seconds kLeftoverAge{24 * 60 * 60};

std::filesystem::path LockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lock = file;
    lock += ".lock";
    return lock;
}

} // namespace

StatisticsStore::StatisticsStore(std::filesystem::path file, FileFaultHook hook)
    : file_(std::move(file)), hook_(std::move(hook)) {
    if (file_.has_parent_path())
        if (const std::string made = MakeFolder(file_.parent_path()); !made.empty()) {
            writable_ = false;
            damage_ = made;
            loadNotice_ = "無法建立統計檔的資料夾，本次不記錄統計。";
            return;
        }
    RemoveLeftoverTemporaries(file_, kLeftoverAge);
    // Under the lock, so that two copies starting together set a damaged file aside once.
    const FileLock lock(LockFileOf(file_), kLockWaitMs);
    if (auto read = ReadFile(loadNotice_))
        statistics_ = std::move(*read);
}

std::optional<Statistics> StatisticsStore::ReadFile(std::string& notice) {
    const OwnFileRead read = ReadOwnFile(file_, kMaxFileBytes);
    std::string why;
    switch (read.outcome) {
    case OwnFileRead::Outcome::Missing:
        return Statistics{};
    case OwnFileRead::Outcome::Read:
        if (auto statistics = DecodeStatistics(read.text, why))
            return statistics;
        break;
    case OwnFileRead::Outcome::NotOurs:
        why = "not a statistics file: " + read.why;
        break;
    case OwnFileRead::Outcome::Unreadable:
    case OwnFileRead::Outcome::NoFolder:
        why = "unreadable: " + read.why;
        break;
    }
    notice = SetAside(why);
    return std::nullopt;
}

std::string StatisticsStore::SetAside(const std::string& why) {
    damage_ = why;
    std::string failure;
    setAside_ = SetAsideDamaged(file_, failure, hook_);
    if (setAside_)
        return "統計檔已損壞或無法讀取，已改名保存為 " + setAside_->filename().string() +
               "，統計從零開始。";
    // Keep the damaged file as it is: nothing is written over it.
    writable_ = false;
    damage_ += " (cannot set it aside: " + failure + ")";
    return "統計檔已損壞或無法讀取，且無法改名保存；為保留原檔，本次不記錄統計。";
}

std::string StatisticsStore::Record(const RoundRecord& round) {
    if (!statistics_.Record(round))
        return "統計資料不正確，本局未記錄。";
    unwritten_.Record(round);
    return Write();
}

std::string StatisticsStore::Reset() {
    statistics_ = Statistics{};
    unwritten_ = Statistics{};
    resetUnwritten_ = true;
    return Write();
}

std::string StatisticsStore::Write() {
    if (!writable_)
        return "統計檔已損壞且無法改名保存，統計未寫入。";
    const bool lockAllowed = !hook_ || hook_(FileStep::Lock);
    const FileLock lock(LockFileOf(file_), lockAllowed ? kLockWaitMs : 0);
    if (!lockAllowed || !lock.Held()) {
        lastFailure_ = FileFailure{FileStep::Lock, lockAllowed ? lock.Error() : EIO};
        return "統計檔寫入失敗，將於下一局再寫入。";
    }
    // What other copies wrote since this one last read the file, with this copy's rounds added.
    std::string notice;
    std::optional<Statistics> merged =
        resetUnwritten_ ? std::optional<Statistics>(Statistics{}) : ReadFile(notice);
    if (!merged) {
        if (!writable_)
            return notice;
        merged = Statistics{};
    }
    for (int mode = 0; mode < kStatisticsModes; ++mode)
        merged->Modes[mode].Add(unwritten_.Modes[mode]);
    merged->History = statistics_.History;
    statistics_ = *merged;
    lastFailure_ = ReplaceFile(file_, EncodeStatistics(*merged), hook_);
    if (lastFailure_)
        return notice.empty() ? "統計檔寫入失敗，將於下一局再寫入。" : notice;
    unwritten_ = Statistics{};
    resetUnwritten_ = false;
    return notice;
}

} // namespace quorvel
