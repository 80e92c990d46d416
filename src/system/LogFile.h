// The game's log when the launcher starts it: error reports appended with their time to
// quorvel.log in the state folder, besides the terminal. A log grown past its limit is moved
// to quorvel.log.1 at start, so it never fills the disk.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

class LogFile {
public:
    // Size at which the log is started afresh, keeping the previous one [bytes].
    static constexpr std::uintmax_t kRotateBytes = 1u << 20;

    LogFile() = default;
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // Opens `file` for appending, making its folder; returns "" or the reason. Only a regular
    // file is taken: a FIFO, a device or a link under the name is refused at once.
    std::string Open(const std::filesystem::path& file);
    bool IsOpen() const { return out_ != nullptr; }
    // One line: the local time, then the text.
    void Write(std::string_view text);

private:
    std::FILE* out_ = nullptr;
};

} // namespace quorvel
