// Setting a damaged file aside under a numbered name, and pruning the old copies.
#include "system/DamagedFiles.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// The longest number of a set-aside copy [digits]; longer names were not made by the game.
constexpr std::size_t kMaxDigits = 9;

// N of "<stem>.damaged-N", or nothing for any other name.
std::optional<std::uint32_t> CopyNumber(const std::string& prefix, const std::string& name) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + kMaxDigits ||
        name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::uint32_t number = 0;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || *first == '0')
        return std::nullopt;
    return number;
}

} // namespace

std::optional<fs::path> SetAsideDamaged(const fs::path& file, std::string& why,
                                        const FileFaultHook& hook) {
    const fs::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const std::string prefix = file.filename().string() + ".damaged-";
    std::vector<std::uint32_t> numbers;
    std::error_code code;
    for (const auto& entry : fs::directory_iterator(folder, code))
        if (const auto number = CopyNumber(prefix, entry.path().filename().string()))
            numbers.push_back(*number);
    std::sort(numbers.begin(), numbers.end());
    const std::uint32_t next = numbers.empty() ? 1 : numbers.back() + 1;
    const fs::path aside = folder / (prefix + std::to_string(next));

    if (hook && !hook(FileStep::SetAside)) {
        why = std::strerror(EIO);
        return std::nullopt;
    }
    // Never over a copy in use: the name is one past the highest, so only a copy made this
    // very moment could be there. File systems without the flag get a plain rename.
    if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) != 0 &&
        (errno != EINVAL || ::rename(file.c_str(), aside.c_str()) != 0)) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    // The newest kDamagedCopiesKept, the new one among them, stay; folders are never emptied.
    numbers.push_back(next);
    for (std::size_t i = 0; i + kDamagedCopiesKept < numbers.size(); ++i) {
        const fs::path old = folder / (prefix + std::to_string(numbers[i]));
        ::unlink(old.c_str());
    }
    return aside;
}

} // namespace quorvel
