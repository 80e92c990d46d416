// Loading the statistics file (setting a damaged one aside) and writing it after each round.
#include "players/StatisticsStore.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

namespace quorvel {

namespace {

// Files larger than this are not ours: the text of four modes is a few kilobytes.
constexpr std::uintmax_t kMaxFileBytes = 1 << 20; // [bytes]
constexpr int kMaxSetAside = 1000;

enum class ReadStatus { Missing, Read, Unreadable };

ReadStatus ReadWhole(const std::filesystem::path& file, std::string& text) {
    std::error_code code;
    const auto status = std::filesystem::symlink_status(file, code);
    if (code || status.type() == std::filesystem::file_type::not_found)
        return code && code != std::errc::no_such_file_or_directory ? ReadStatus::Unreadable
                                                                    : ReadStatus::Missing;
    if (!std::filesystem::is_regular_file(file, code) ||
        std::filesystem::file_size(file, code) > kMaxFileBytes || code)
        return ReadStatus::Unreadable;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return ReadStatus::Unreadable;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return ReadStatus::Unreadable;
    text = bytes.str();
    return ReadStatus::Read;
}

} // namespace

StatisticsStore::StatisticsStore(std::filesystem::path file, FileFaultHook hook)
    : file_(std::move(file)), hook_(std::move(hook)) {
    // A write killed before its rename leaves its temporary file; nothing else uses these names
    // (a second game running at the same time would only see that round's write fail).
    std::error_code code;
    const std::filesystem::path folder = file_.parent_path().empty() ? "." : file_.parent_path();
    std::vector<std::filesystem::path> leftovers;
    for (const auto& entry : std::filesystem::directory_iterator(folder, code))
        if (IsTemporaryOf(file_, entry.path().filename().string()))
            leftovers.push_back(entry.path());
    for (const auto& leftover : leftovers)
        std::filesystem::remove(leftover, code);

    std::string text;
    std::string why;
    const ReadStatus status = ReadWhole(file_, text);
    if (status == ReadStatus::Missing)
        return;
    if (status == ReadStatus::Read) {
        if (auto read = DecodeStatistics(text, why)) {
            statistics_ = std::move(*read);
            return;
        }
    } else {
        why = "unreadable";
    }
    // Keep the damaged file under a new name; only then may a fresh one be written.
    for (int n = 1; n <= kMaxSetAside && !setAside_; ++n) {
        std::filesystem::path aside = file_;
        aside += ".damaged-" + std::to_string(n);
        if (std::filesystem::exists(std::filesystem::symlink_status(aside, code)))
            continue;
        if (hook_ && !hook_(FileStep::SetAside))
            break;
        std::filesystem::rename(file_, aside, code);
        if (code)
            break;
        setAside_ = aside;
    }
    if (setAside_) {
        loadNotice_ = "統計檔已損壞或無法讀取，已改名保存為 " + setAside_->filename().string() +
                      "，統計從零開始。";
    } else {
        writable_ = false;
        loadNotice_ = "統計檔已損壞或無法讀取，且無法改名保存；為保留原檔，本次不記錄統計。";
    }
    damage_ = why;
}

std::string StatisticsStore::Record(const RoundRecord& round) {
    if (!statistics_.Record(round))
        return "統計資料不正確，本局未記錄。";
    return Write();
}

std::string StatisticsStore::Reset() {
    statistics_ = Statistics{};
    return Write();
}

std::string StatisticsStore::Write() {
    if (!writable_)
        return "統計檔已損壞且無法改名保存，統計未寫入。";
    lastFailure_ = ReplaceFile(file_, EncodeStatistics(statistics_), hook_);
    if (!lastFailure_)
        return {};
    return "統計檔寫入失敗，將於下一局再寫入。";
}

} // namespace quorvel
