// The App's pictures and reports: loading pictures with each failing file reported once, error
// reports on screen, on the terminal and in the log, and the short notes.
#include "gui/App.h"

#include <algorithm>
#include <iostream>
#include <limits>

namespace quorvel {

std::shared_ptr<const Picture> App::LoadPicture(std::string_view designPath) {
    std::string error;
    auto picture = pictures_.Load(designPath, error);
    if (!picture)
        ReportOnce(designPath, error.empty() ? "無法載入圖片 " + std::string(designPath) : error);
    return picture;
}

std::optional<PictureSize> App::MeasurePicture(std::string_view designPath) {
    std::string error;
    auto size = pictures_.Measure(designPath, error);
    if (!size)
        ReportOnce(designPath, error.empty() ? "無法載入圖片 " + std::string(designPath) : error);
    return size;
}

void App::ReportOnce(std::string_view key, std::string text) {
    if (reported_.find(key) != reported_.end())
        return;
    reported_.emplace(key);
    ReportError(std::move(text));
}

void App::ReportError(std::string text, bool lasting) {
    const auto now = clock_.NowMs();
    const std::int64_t until = lasting ? std::numeric_limits<std::int64_t>::max() : now + kNoticeMs;
    // Reports that have run their time are dropped, so a long session does not keep them all.
    std::erase_if(notices_, [now](const Notice& n) { return n.untilMs <= now; });
    trace_.Emit(TraceKind::Error, text);
    // A text already on screen is shown once, for as long as its latest report asks.
    auto same = std::find_if(notices_.begin(), notices_.end(),
                             [&](const Notice& n) { return n.text == text; });
    if (same != notices_.end()) {
        same->untilMs = std::max(same->untilMs, until);
        return;
    }
    std::cerr << "quorvel: " << text << '\n';
    if (errorLog_)
        errorLog_(text);
    notices_.push_back({std::move(text), until});
    MarkDirty();
}

void App::Note(std::string text, int ms) {
    trace_.Emit(TraceKind::Note, text);
    note_ = Notice{std::move(text), clock_.NowMs() + std::max(ms, 0)};
    MarkDirty();
}

std::optional<Notice> App::CurrentNote() const {
    if (note_ && note_->untilMs > clock_.NowMs())
        return note_;
    return std::nullopt;
}

std::vector<Notice> App::CurrentNotices() const {
    std::vector<Notice> current;
    const auto now = clock_.NowMs();
    for (const auto& n : notices_)
        if (n.untilMs > now)
            current.push_back(n);
    if (current.size() > kShownNotices) {
        // The oldest reports usually name the cause; the rest are counted on the last line.
        Notice more{"另有 " + std::to_string(current.size() - kShownNotices + 1) +
                        " 則錯誤訊息 (more errors: see the terminal)",
                    std::numeric_limits<std::int64_t>::max()};
        // The line changes when the first of the counted reports expires.
        for (std::size_t k = kShownNotices - 1; k < current.size(); ++k)
            more.untilMs = std::min(more.untilMs, current[k].untilMs);
        current.resize(kShownNotices - 1);
        current.push_back(std::move(more));
    }
    return current;
}

} // namespace quorvel
