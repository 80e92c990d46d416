// Appending timed lines, and moving a long log aside.
#include "system/LogFile.h"

#include "system/UserFiles.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace quorvel {

LogFile::~LogFile() {
    if (out_)
        std::fclose(out_);
}

std::string LogFile::Open(const std::filesystem::path& file) {
    if (const std::string made = MakeFolder(file.parent_path()); !made.empty())
        return made;
    std::error_code ec;
    if (std::filesystem::file_size(file, ec) > kRotateBytes && !ec)
        std::filesystem::rename(file, file.string() + ".1", ec);
    out_ = std::fopen(file.c_str(), "ae");
    if (!out_)
        return file.string() + ": " + std::strerror(errno);
    return {};
}

void LogFile::Write(std::string_view text) {
    if (!out_)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32] = "";
    if (localtime_r(&now, &local))
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(out_, "%s %.*s\n", stamp, static_cast<int>(text.size()), text.data());
    std::fflush(out_);
}

} // namespace quorvel
