// Fuzz target for the statistics file: any bytes give statistics or a reason, never a crash;
// what is read is written and read back unchanged, also after one more round is counted into it
// (sums saturate instead of overflowing); and the store sets aside, bytes intact, every file it
// cannot read, and starts from nothing. The target writes the right checksum into an input's
// "end" line, so that the fuzzer reaches the checks behind it instead of stopping at the sum.
#include "players/StatisticsStore.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quorvel::Statistics;

std::uint32_t Crc32(std::string_view text) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : text) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The input with the checksum of everything before its last "end " line written into that
// line, when it has room for one.
std::string WithChecksum(std::string text) {
    std::size_t at = text.rfind("\nend ");
    at = at == std::string::npos ? (text.starts_with("end ") ? 0 : at) : at + 1;
    if (at == std::string::npos || at + 4 + 8 > text.size())
        return text;
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", Crc32(std::string_view(text).substr(0, at)));
    text.replace(at + 4, 8, crc);
    return text;
}

std::optional<Statistics> RoundTrip(const Statistics& statistics) {
    std::string error;
    return quorvel::DecodeStatistics(quorvel::EncodeStatistics(statistics), error);
}

// A folder of this fuzzing process under the temporary folder, removed when it ends.
struct Scratch {
    fs::path path;
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "statistics-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
    }
    ~Scratch() { fs::remove_all(path); }
};

const fs::path& ScratchFolder() {
    static const Scratch folder;
    return folder.path;
}

void CheckStore(const std::string& bytes, const std::optional<Statistics>& decoded) {
    const fs::path file = ScratchFolder() / "stats";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            std::abort();
    }
    const quorvel::StatisticsStore store(file);
    if (decoded) {
        if (!store.LoadNotice().empty() || store.SetAsidePath() || !(store.Current() == *decoded))
            std::abort();
        return;
    }
    if (store.LoadNotice().empty() || !store.SetAsidePath() || fs::exists(file) ||
        !(store.Current() == Statistics{}))
        std::abort();
    std::ifstream in(*store.SetAsidePath(), std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (kept != bytes)
        std::abort();
    fs::remove(*store.SetAsidePath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = WithChecksum(std::string(reinterpret_cast<const char*>(data), size));
    std::string error;
    const std::optional<Statistics> decoded = quorvel::DecodeStatistics(bytes, error);
    if (!decoded == error.empty())
        std::abort();
    CheckStore(bytes, decoded);
    if (!decoded)
        return 0;

    Statistics statistics = *decoded;
    (void)statistics.Total();
    if (RoundTrip(statistics) != statistics)
        std::abort();
    // One more round with large figures: everything it adds saturates and still reads back.
    quorvel::RoundRecord round;
    round.Mode = 1 + static_cast<int>(size % quorvel::kStatisticsModes);
    round.Wins = 2;
    round.Bankroll = -2000000000;
    round.Result = INT64_MAX;
    round.SpecialHands = {0, 7};
    round.Bonuses = {{quorvel::kJackpotSlot, INT64_MAX}};
    round.Fees = {INT64_MAX, 1};
    round.ChallengeEntered = true;
    round.Beaten = {"beaten"};
    if (!statistics.Record(round))
        std::abort();
    (void)statistics.Total();
    if (RoundTrip(statistics) != statistics)
        std::abort();
    return 0;
}
